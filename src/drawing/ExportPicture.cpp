#include "drawing/ExportPicture.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "GtRen/Board.h"
#include "Set_Data/Set_Data.h"
#include "drawing/Blit.h"
#include "drawing/CellFont.h"
#include "drawing/DigitGlyphs.h"
#include "drawing/MonoBmp.h"
#include "drawing/Pictures.h"
#include "main/State.h"

namespace {

constexpr int GlyphTop = 5; // glyphs stand from dy + 5 to dy + 19

} // namespace

ExportPicture::ExportPicture() = default;

const QFont& ExportPicture::LetterFont() const
{
    if (!letterFontFound_) {
        // Unsmoothed, so the letters stay black and white like everything else here.
        letterFont_ = FontOfCellHeight(LetterHeight, true, false);
        letterFontFound_ = true;
    }
    return letterFont_;
}

void ExportPicture::Build(int left, int top, int right, int bottom)
{
    // Callers pass an ordered range on the board; keep the picture valid regardless.
    left = std::clamp(left, 1, BoardLines);
    right = std::clamp(right, left, BoardLines);
    top = std::clamp(top, 1, BoardLines);
    bottom = std::clamp(bottom, top, BoardLines);
    left_ = left;
    top_ = top;
    image_ =
        QImage((right - left + 1) * CellSize, (bottom - top + 1) * CellSize, QImage::Format_RGB32);
    CopyRect(image_, 0, 0, ThePictures().GazouBan, (left - 1) * CellSize, (top - 1) * CellSize,
             right * CellSize, bottom * CellSize);
    DrawExportCells(left, top, right, bottom);
}

void ExportPicture::DrawExportCells(int left, int top, int right, int bottom)
{
    const Pictures& p = ThePictures();
    for (int row = std::max(top, 1); row <= std::min(bottom, BoardLines); ++row) {
        for (int column = std::max(left, 1); column <= std::min(right, BoardLines); ++column) {
            const int dx = (column - left_) * CellSize;
            const int dy = (row - top_) * CellSize;
            const CellIndex cell = MakeCell(column, row);
            const int stone = BoardCells[cell];
            const int mark = CellMarks[cell];
            if (stone == CellBlack || stone == CellWhite) {
                if (EditMode == ModeFourChase && mark > 0) {
                    // A four-chase shows the attacker's numbered stones as bare numerals
                    // and leaves the defender's answers out.
                    if (stone != FourChaseColor)
                        continue;
                    CopyRect(image_, dx, dy, p.SioiJyun, 0, 0, CellSize, CellSize);
                } else {
                    CopyRect(image_, dx, dy, stone == CellBlack ? p.kuro_isi : p.siro_isi, 0, 0,
                             CellSize, CellSize);
                }
                if (mark > 0 && mark >= FirstNumberedMove)
                    DrawNumber(dx, dy, stone, mark);
            } else if (mark < 0) {
                DrawLetter(dx, dy, -mark);
            }
        }
    }
}

void ExportPicture::DrawNumber(int dx, int dy, int stone, int n)
{
    const Pictures& p = ThePictures();
    const bool blackGlyphs = EditMode == ModeFourChase || stone != CellBlack;
    const QImage& strip = blackGlyphs ? p.siro_suuji : p.kuro_suuji;
    const int top = dy + GlyphTop;
    auto glyph = [&](int x, int digit) {
        CopyRect(image_, x, top, strip, digit * ExportGlyphWidth, 0,
                 digit * ExportGlyphWidth + ExportGlyphWidth, ExportGlyphHeight);
    };
    const int u = n % 10;
    if (n <= 9) {
        glyph(dx + 8, u);
        return;
    }
    const int t = (n / 10) % 10;
    if (n <= 99) {
        glyph(dx + 12, u);
        glyph(dx + 3, t);
        return;
    }
    // Three digits: the board view's layout scaled to the 25-pixel cell, a narrow
    // hundreds mark and the two glyphs one pixel apart. Only the ink is copied: the
    // group is as wide as the disc, whose white stone's outline must stay whole.
    const QRgb ground = blackGlyphs ? PaperColour : InkColour;
    auto ink = [&](int x, const QImage& from, int sourceLeft, int width) {
        CopyInk(image_, x, top, from, sourceLeft, 0, sourceLeft + width, ExportGlyphHeight, ground);
    };
    ink(dx + 14, strip, u * ExportGlyphWidth, ExportGlyphWidth);
    ink(dx + 6, strip, t * ExportGlyphWidth, ExportGlyphWidth);
    const int h = (n / 100) % 10;
    if (h == 1) {
        // The stem of the glyph of 1 (its columns 4 and 5).
        ink(dx + 3, strip, ExportGlyphWidth + 4, 2);
    } else if (h == 2) {
        // A move number stops at 225, so a narrow 2 is the only other hundreds digit.
        ink(dx + 2, blackGlyphs ? p.siro_suuji2 : p.kuro_suuji2, 0, ExportNarrowTwoWidth);
    }
}

void ExportPicture::DrawLetter(int dx, int dy, int label)
{
    const QRect patch(dx + 4, dy, 18, 22); // (dx + 4, dy, dx + 22, dy + 22)
    FillRect(image_, patch.left(), patch.top(), patch.left() + patch.width(),
             patch.top() + patch.height(), PaperColour);
    if (label < 1 || label > 26 || LetterLabels[label] == nullptr)
        return;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(LetterFont());
    painter.setPen(QColor(InkColour));
    painter.setClipRect(patch);
    painter.drawText(dx + 4, dy + QFontMetrics(LetterFont()).ascent(),
                     QString::fromUtf8(LetterLabels[label]));
}

bool ExportPicture::Encode(PictureFormat format, std::vector<std::uint8_t>& bytes) const
{
    switch (format) {
    case PictureFormat::Bmp:
        bytes = EncodeMonoBmp(image_);
        return true;
    }
    return false;
}
