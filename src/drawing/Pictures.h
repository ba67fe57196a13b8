// The prepared pictures of the board view and of the picture export, generated in
// code at start-up so their geometry is exact.
#pragma once

#include <QImage>

struct Pictures {
    // Board view tiles, 34 × 34.
    QImage BmpBlankTL, BmpBlankT, BmpBlankTR, BmpBlankL, BmpBlank, BmpBlankR, BmpBlankBL,
        BmpBlankB, BmpBlankBR, BmpHosi, BmpBlack, BmpWhite;
    // Digit strips for the board view, 100 × 20: white on black, black on white.
    QImage ImgBsuji, ImgWsuji;
    // Export pictures, black and white.
    QImage GazouBan;               // 375 × 375
    QImage kuro_isi, siro_isi;     // 25 × 25
    QImage SioiJyun;               // 25 × 25, all white
    QImage kuro_suuji, siro_suuji; // 80 × 14
};

// Built on first use and kept for the run.
const Pictures& ThePictures();
