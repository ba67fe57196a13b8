// The prepared pictures of the board view and of the picture export, generated in
// code at start-up so their geometry is exact.
#pragma once

#include <QImage>

struct Pictures {
    // Board view tiles, 34 × 34.
    QImage BmpBlankTL, BmpBlankT, BmpBlankTR, BmpBlankL, BmpBlank, BmpBlankR, BmpBlankBL, BmpBlankB,
        BmpBlankBR, BmpHosi, BmpBlack, BmpWhite;
    // Digit strips for the board view, 100 × 20: white on black, black on white.
    QImage ImgBsuji, ImgWsuji;
    // A narrow 2, 5 × 20, in the colours of each strip: the hundreds of 200 and more.
    QImage ImgBsuji2, ImgWsuji2;
    // Export pictures, black and white.
    QImage GazouBan;                 // 375 × 375
    QImage kuro_isi, siro_isi;       // 25 × 25
    QImage SioiJyun;                 // 25 × 25, all white
    QImage kuro_suuji, siro_suuji;   // 80 × 14
    QImage kuro_suuji2, siro_suuji2; // narrow 2, 4 × 14, for numbers of 200 and more
};

// Colours of the pictures.
constexpr QRgb WoodColour = 0xffcb7d49; // RGB 203, 125, 73
constexpr QRgb InkColour = 0xff000000;
constexpr QRgb PaperColour = 0xffffffff;

// Built on first use and kept for the run.
const Pictures& ThePictures();

// The same pictures with only the board view's built (the export's stay null until
// ThePictures is called): all the window's first paint needs.
const Pictures& TheViewPictures();
