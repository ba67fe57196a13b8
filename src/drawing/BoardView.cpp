#include "drawing/BoardView.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "Board/Cell.h"
#include "drawing/Blit.h"
#include "drawing/CellFont.h"
#include "drawing/DigitGlyphs.h"
#include "drawing/Pictures.h"

namespace {

constexpr int GlyphTop = 7; // glyphs stand from y0 + 7 to y0 + 27

// A picture in the view's format with the pixels a block copy from `source` gives.
QImage InViewFormat(const QImage& source)
{
    QImage converted(source.size(), QImage::Format_RGB32);
    CopyRect(converted, 0, 0, source, 0, 0, source.width(), source.height());
    return converted;
}

// Copies a block of Width pixels by `height` rows between two 32-bit pictures whose
// rectangles are known to lie inside them; the fixed width lets each row be a few
// register moves.
template <int Width>
void CopyBlock(uchar* dst, qsizetype dstStride, const QImage& src, int left, int height)
{
    const qsizetype srcStride = src.bytesPerLine();
    const uchar* from = src.constBits() + left * 4;
    for (int y = 0; y < height; ++y)
        std::memcpy(dst + y * dstStride, from + y * srcStride, Width * 4);
}

} // namespace

BoardView::BoardView()
    : pictures_(TheViewPictures()), image_(ViewSize, ViewSize, QImage::Format_RGB32)
{
    image_.fill(PaperColour);
    digits_[0] = InViewFormat(pictures_.ImgBsuji);
    digits_[1] = InViewFormat(pictures_.ImgWsuji);
    narrowTwo_[0] = InViewFormat(pictures_.ImgBsuji2);
    narrowTwo_[1] = InViewFormat(pictures_.ImgWsuji2);
}

const QImage& BoardView::Background(int column, int row, int stone) const
{
    const Pictures& p = pictures_;
    if (stone == CellBlack)
        return p.BmpBlack;
    if (stone == CellWhite)
        return p.BmpWhite;
    if (row == 1)
        return column == 1 ? p.BmpBlankTL : column == 15 ? p.BmpBlankTR : p.BmpBlankT;
    if (row == 15)
        return column == 1 ? p.BmpBlankBL : column == 15 ? p.BmpBlankBR : p.BmpBlankB;
    if (column == 1)
        return p.BmpBlankL;
    if (column == 15)
        return p.BmpBlankR;
    if ((column == 4 || column == 12) && (row == 4 || row == 12))
        return p.BmpHosi;
    if (column == 8 && row == 8)
        return p.BmpHosi;
    return p.BmpBlank;
}

const QFont& BoardView::Font() const
{
    if (ascent_ < 0) {
        font_ = FontOfCellHeight(FontHeight, false, true);
        ascent_ = QFontMetrics(font_).ascent();
    }
    return font_;
}

void BoardView::DrawCell(int column, int row, const CellLook& look)
{
    if (column < 1 || column > BoardLines || row < 1 || row > BoardLines)
        return;
    const int x0 = (column - 1) * CellSize;
    const int y0 = (row - 1) * CellSize;
    const int stone = look.stone;

    const qsizetype stride = image_.bytesPerLine();
    uchar* origin = image_.bits() + y0 * stride + x0 * 4;
    CopyBlock<CellSize>(origin, stride, Background(column, row, stone), 0, CellSize);
    if (look.label > 0)
        DrawLetter(x0, y0, look.label, look.letter);
    else if ((stone == CellBlack || stone == CellWhite) && look.number > 0)
        DrawNumber(origin, stride, stone, look.number);
    if (look.forbidden)
        DrawForbiddenMark(origin, stride);
    if (look.variation)
        DrawVariationMark(origin, stride);
}

// A blue ring two pixels wide, about 16 pixels across, around the crossing of the grid
// lines (pixels 16 and 17).
void BoardView::DrawVariationMark(uchar* origin, qsizetype stride)
{
    constexpr QRgb Blue = 0xff1e50d2u;
    for (int y = 0; y < CellSize; ++y) {
        auto* line = reinterpret_cast<QRgb*>(origin + y * stride);
        for (int x = 0; x < CellSize; ++x) {
            const int dx = 2 * x - 33, dy = 2 * y - 33; // twice the distance from 16.5
            const int d2 = dx * dx + dy * dy;
            if (d2 >= 12 * 12 && d2 <= 16 * 16)
                line[x] = Blue;
        }
    }
}

// A red cross of two strokes three pixels wide, 14 pixels square around the crossing of
// the grid lines (pixels 16 and 17), inside the cell.
void BoardView::DrawForbiddenMark(uchar* origin, qsizetype stride)
{
    constexpr QRgb Red = 0xffdc0000u;
    constexpr int First = 10, Size = 14;
    for (int y = 0; y < Size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(origin + (First + y) * stride) + First;
        for (int x = 0; x < Size; ++x) {
            const int down = x - y;
            const int up = x + y - (Size - 1);
            if (down >= -1 && down <= 1)
                line[x] = Red;
            else if (up >= -1 && up <= 1)
                line[x] = Red;
        }
    }
}

// The glyphs' places, relative to the cell's left edge: one digit at 12; two at 6 and
// 19; three with the tens at 9, the units at 20 and the hundreds mark at 4 (the stem
// of the 1) or 3 (the narrow 2).
void BoardView::DrawNumber(uchar* origin, qsizetype stride, int stone, int n)
{
    const int colour = stone == CellBlack ? 0 : 1;
    const QImage& strip = digits_[colour];
    uchar* top = origin + GlyphTop * stride;
    auto glyph = [&](int x, int digit) {
        CopyBlock<ViewGlyphWidth>(top + x * 4, stride, strip, digit * ViewGlyphWidth,
                                  ViewGlyphHeight);
    };
    const int u = n % 10;
    if (n <= 9) {
        glyph(12, u);
        return;
    }
    const int t = (n / 10) % 10;
    if (n <= 99) {
        glyph(19, u);
        glyph(6, t);
        return;
    }
    glyph(20, u);
    glyph(9, t);
    const int h = (n / 100) % 10;
    if (h == 1) {
        CopyBlock<3>(top + 4 * 4, stride, strip, 14, ViewGlyphHeight);
    } else if (h == 2) {
        // A move number stops at 225, so a narrow 2 is the only other hundreds digit.
        CopyBlock<ViewNarrowTwoWidth>(top + 3 * 4, stride, narrowTwo_[colour], 0, ViewGlyphHeight);
    }
}

void BoardView::DrawLetter(int x0, int y0, int label, const char* text)
{
    FillRect(image_, x0, y0, x0 + CellSize, y0 + CellSize, PaperColour);
    if (label > 26 || text == nullptr)
        return;
    constexpr int TextLeft = 8, TextTop = 2;
    if (labelSource_[label] != text) {
        labelSource_[label] = text;
        QImage& rendered = labelImage_[label];
        rendered = QImage(CellSize - TextLeft, CellSize - TextTop, QImage::Format_RGB32);
        rendered.fill(PaperColour);
        QPainter painter(&rendered);
        painter.setFont(Font());
        painter.setPen(QColor(InkColour));
        painter.drawText(0, ascent_, QString::fromUtf8(text));
    }
    // The rendering ends at the cell's edges: the text is clipped to the cell.
    CopyRect(image_, x0 + TextLeft, y0 + TextTop, labelImage_[label], 0, 0, CellSize - TextLeft,
             CellSize - TextTop);
}

void BoardView::DrawAllCells(CellLook (*lookOf)(int column, int row))
{
    for (int row = 1; row <= BoardLines; ++row)
        for (int column = 1; column <= BoardLines; ++column)
            DrawCell(column, row, lookOf(column, row));
}

void BoardView::DrawText(int x, int y, const std::string& text)
{
    const QString s = QString::fromStdString(text);
    QPainter painter(&image_);
    painter.setFont(Font());
    // Text is drawn opaque: its box takes the fill colour first, as the cell's own
    // letter does, so the letter reads the same before and after the cell is redrawn.
    const QFontMetrics metrics(font_);
    painter.fillRect(x, y, metrics.horizontalAdvance(s), metrics.height(), QColor(PaperColour));
    painter.setPen(QColor(InkColour));
    painter.drawText(x, y + ascent_, s);
}

void BoardView::DrawFocusRect(int left, int top, int right, int bottom)
{
    // A drag may run up or left of its start: draw the same rectangle either way.
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (right == left || bottom == top)
        return;
    // Every other border pixel is inverted, each exactly once, so a second call with
    // the same corners gives back the pixels exactly.
    auto invert = [this](int x, int y) {
        if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height() || ((x + y) & 1))
            return;
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        line[x] ^= 0x00ffffffu;
    };
    for (int x = left; x < right; ++x)
        invert(x, top);
    if (bottom - 1 > top)
        for (int x = left; x < right; ++x)
            invert(x, bottom - 1);
    for (int y = top + 1; y < bottom - 1; ++y) {
        invert(left, y);
        if (right - 1 > left)
            invert(right - 1, y);
    }
}
