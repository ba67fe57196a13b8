#include "drawing/Pictures.h"

#include <algorithm>
#include <cmath>

#include "drawing/DigitGlyphs.h"
#include "main/Diagram.h"
#include "main/Geometry.h"

namespace {

constexpr int Tile = ViewCell;
constexpr int LineLo = 16; // the grid lines take tile columns and rows 16 and 17
constexpr int LineHi = 18; // exclusive
constexpr int ExportSize = ExportBoardSize;

// 1-bit pictures: index 0 black, index 1 white, as Windows' monochrome bitmaps.
constexpr int MonoBlack = 0;
constexpr int MonoWhite = 1;

// Pixel writes straight into the lines: QImage::setPixel checks the format and the
// place on every call, and these pictures are drawn pixel by pixel at start-up.
void PutColour(QImage& image, int x, int y, QRgb colour)
{
    reinterpret_cast<QRgb*>(image.scanLine(y))[x] = colour | 0xff000000u;
}

// Format_Mono: the leftmost pixel in the high bit of each byte.
void PutMono(QImage& image, int x, int y, int index)
{
    uchar& byte = image.scanLine(y)[x >> 3];
    const auto bit = static_cast<uchar>(0x80 >> (x & 7));
    byte = static_cast<uchar>(index != 0 ? byte | bit : byte & ~bit);
}

QImage Mono(int width, int height, int ground)
{
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({InkColour, PaperColour});
    image.fill(ground);
    return image;
}

QImage Colour(int width, int height, QRgb ground)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ground);
    return image;
}

void FillColour(QImage& image, int left, int top, int right, int bottom, QRgb colour)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            PutColour(image, x, y, colour);
}

// A board tile: wood with the arms of the grid crossing that the point has.
QImage BoardTile(bool left, bool right, bool up, bool down)
{
    QImage tile = Colour(Tile, Tile, WoodColour);
    FillColour(tile, left ? 0 : LineLo, LineLo, right ? Tile : LineHi, LineHi, InkColour);
    FillColour(tile, LineLo, up ? 0 : LineLo, LineHi, down ? Tile : LineHi, InkColour);
    return tile;
}

QImage StarTile()
{
    QImage tile = BoardTile(true, true, true, true);
    // An 8-pixel dot centred on the crossing, which lies between pixels 16 and 17.
    for (int y = 0; y < Tile; ++y) {
        for (int x = 0; x < Tile; ++x) {
            const double dx = x + 0.5 - 17.0;
            const double dy = y + 0.5 - 17.0;
            if (dx * dx + dy * dy <= 16.0)
                PutColour(tile, x, y, InkColour);
        }
    }
    return tile;
}

QRgb Blend(QRgb over, QRgb under, double alpha)
{
    auto mix = [alpha](int a, int b) {
        return static_cast<int>(std::lround(a * alpha + b * (1 - alpha)));
    };
    return qRgb(mix(qRed(over), qRed(under)), mix(qGreen(over), qGreen(under)),
                mix(qBlue(over), qBlue(under)));
}

// A stone disc of diameter 34 on wood, its grey level given by `shade` of the distance
// from the highlight at the upper left; the rim is smoothed by 4 × 4 samples.
template <typename Shade> QImage StoneTile(Shade shade)
{
    QImage tile = Colour(Tile, Tile, WoodColour);
    const double radius = Tile / 2.0;
    for (int y = 0; y < Tile; ++y) {
        for (int x = 0; x < Tile; ++x) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy) {
                for (int sx = 0; sx < 4; ++sx) {
                    const double dx = x + (sx + 0.5) / 4 - radius;
                    const double dy = y + (sy + 0.5) / 4 - radius;
                    inside += dx * dx + dy * dy <= radius * radius;
                }
            }
            if (inside == 0)
                continue;
            const double hx = x + 0.5 - 11.0;
            const double hy = y + 0.5 - 10.0;
            const int grey = std::clamp(shade(std::sqrt(hx * hx + hy * hy)), 0, 255);
            PutColour(tile, x, y, Blend(qRgb(grey, grey, grey), WoodColour, inside / 16.0));
        }
    }
    return tile;
}

int BlackShade(double fromHighlight)
{
    const double h = std::max(0.0, 1.0 - fromHighlight / 8.0);
    return 24 + static_cast<int>(std::lround(120.0 * h * h * h));
}

int WhiteShade(double fromHighlight)
{
    const double h = std::max(0.0, 1.0 - fromHighlight / 26.0);
    return 214 + static_cast<int>(std::lround(41.0 * h));
}

template <int Height>
void PaintGlyph(QImage& image, int left, const char* const (&rows)[Height], int ink)
{
    for (int y = 0; y < Height; ++y)
        for (int x = 0; rows[y][x] != '\0'; ++x)
            if (rows[y][x] == '#')
                PutMono(image, left + x, y, ink);
}

QImage ViewStrip(int ground, int ink)
{
    QImage strip = Mono(10 * ViewGlyphWidth, ViewGlyphHeight, ground);
    for (int d = 0; d < 10; ++d)
        PaintGlyph(strip, d * ViewGlyphWidth, ViewDigitRows[d], ink);
    return strip;
}

QImage ExportStrip(int ground, int ink)
{
    QImage strip = Mono(10 * ExportGlyphWidth, ExportGlyphHeight, ground);
    for (int d = 0; d < 10; ++d)
        PaintGlyph(strip, d * ExportGlyphWidth, ExportDigitRows[d], ink);
    return strip;
}

template <int Height>
QImage NarrowTwo(int width, const char* const (&rows)[Height], int ground, int ink)
{
    QImage glyph = Mono(width, Height, ground);
    PaintGlyph(glyph, 0, rows, ink);
    return glyph;
}

void FillMono(QImage& image, int left, int top, int right, int bottom, int index)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            PutMono(image, x, y, index);
}

QImage BlankExportBoard()
{
    QImage board = Mono(ExportSize, ExportSize, MonoWhite);
    const int first = DiagramGeometry::FirstLine;
    const int last = DiagramGeometry::LastLine; // 362
    // Inner lines 1 pixel wide, spanning the frame.
    for (int k = 1; k < 14; ++k) {
        const int at = first + k * ExportCell;
        FillMono(board, at, first, at + 1, last + 1, MonoBlack);
        FillMono(board, first, at, last + 1, at + 1, MonoBlack);
    }
    // The frame is 2 pixels wide, thickened outwards.
    FillMono(board, first - 1, first - 1, last + 2, first + 1, MonoBlack);
    FillMono(board, first - 1, last, last + 2, last + 2, MonoBlack);
    FillMono(board, first - 1, first - 1, first + 1, last + 2, MonoBlack);
    FillMono(board, last, first - 1, last + 2, last + 2, MonoBlack);
    // Star points and centre: filled diamonds 5 pixels across.
    const int stars[5][2] = {{87, 87}, {287, 87}, {87, 287}, {287, 287}, {187, 187}};
    for (const auto& star : stars)
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (std::abs(dx) + std::abs(dy) <= 2)
                    PutMono(board, star[0] + dx, star[1] + dy, MonoBlack);
    return board;
}

// The export stone's disc: 24 pixels across in (0, 0, 24, 24).
bool InExportDisc(int x, int y)
{
    if (x < 0 || y < 0 || x >= 24 || y >= 24)
        return false;
    const double dx = x + 0.5 - 12.0;
    const double dy = y + 0.5 - 12.0;
    return dx * dx + dy * dy <= 144.0;
}

QImage ExportBlackStone()
{
    QImage stone = Mono(ExportCell, ExportCell, MonoWhite);
    for (int y = 0; y < ExportCell; ++y)
        for (int x = 0; x < ExportCell; ++x)
            if (InExportDisc(x, y))
                PutMono(stone, x, y, MonoBlack);
    return stone;
}

QImage ExportWhiteStone()
{
    QImage stone = Mono(ExportCell, ExportCell, MonoWhite);
    for (int y = 0; y < ExportCell; ++y) {
        for (int x = 0; x < ExportCell; ++x) {
            const bool rim =
                InExportDisc(x, y) && (!InExportDisc(x - 1, y) || !InExportDisc(x + 1, y) ||
                                       !InExportDisc(x, y - 1) || !InExportDisc(x, y + 1));
            if (rim)
                PutMono(stone, x, y, MonoBlack);
        }
    }
    return stone;
}

// The board view's tiles and digits: the window's first paint needs them.
void BuildView(Pictures& p)
{
    p.BmpBlankTL = BoardTile(false, true, false, true);
    p.BmpBlankT = BoardTile(true, true, false, true);
    p.BmpBlankTR = BoardTile(true, false, false, true);
    p.BmpBlankL = BoardTile(false, true, true, true);
    p.BmpBlank = BoardTile(true, true, true, true);
    p.BmpBlankR = BoardTile(true, false, true, true);
    p.BmpBlankBL = BoardTile(false, true, true, false);
    p.BmpBlankB = BoardTile(true, true, true, false);
    p.BmpBlankBR = BoardTile(true, false, true, false);
    p.BmpHosi = StarTile();
    p.BmpBlack = StoneTile(BlackShade);
    p.BmpWhite = StoneTile(WhiteShade);

    p.ImgBsuji = ViewStrip(MonoBlack, MonoWhite);
    p.ImgWsuji = ViewStrip(MonoWhite, MonoBlack);
    p.ImgBsuji2 = NarrowTwo(ViewNarrowTwoWidth, ViewNarrowTwoRows, MonoBlack, MonoWhite);
    p.ImgWsuji2 = NarrowTwo(ViewNarrowTwoWidth, ViewNarrowTwoRows, MonoWhite, MonoBlack);
}

// The export's pictures: not needed until a picture is exported.
void BuildExport(Pictures& p)
{
    p.GazouBan = BlankExportBoard();
    p.kuro_isi = ExportBlackStone();
    p.siro_isi = ExportWhiteStone();
    p.SioiJyun = Mono(ExportCell, ExportCell, MonoWhite);
    p.kuro_suuji = ExportStrip(MonoBlack, MonoWhite);
    p.siro_suuji = ExportStrip(MonoWhite, MonoBlack);
    p.kuro_suuji2 = NarrowTwo(ExportNarrowTwoWidth, ExportNarrowTwoRows, MonoBlack, MonoWhite);
    p.siro_suuji2 = NarrowTwo(ExportNarrowTwoWidth, ExportNarrowTwoRows, MonoWhite, MonoBlack);
}

Pictures& Store()
{
    static Pictures pictures;
    return pictures;
}

} // namespace

const Pictures& TheViewPictures()
{
    static const bool built = (BuildView(Store()), true);
    (void)built;
    return Store();
}

const Pictures& ThePictures()
{
    TheViewPictures();
    static const bool built = (BuildExport(Store()), true);
    (void)built;
    return Store();
}
