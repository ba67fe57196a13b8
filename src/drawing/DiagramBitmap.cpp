#include "drawing/DiagramBitmap.h"

#include <QFontMetrics>
#include <QPainter>

#include "drawing/Blit.h"
#include "drawing/CellFont.h"
#include "drawing/DigitGlyphs.h"
#include "drawing/Pictures.h"

namespace {

namespace G = DiagramGeometry;

void DrawNumber(QImage& image, int dx, int dy, const DiagramCell& cell)
{
    const Pictures& p = ThePictures();
    const bool whiteInk = NumeralIsWhite(cell.piece);
    const QImage& strip = whiteInk ? p.kuro_suuji : p.siro_suuji;
    const int top = dy + G::GlyphTop;
    const int n = cell.number;
    auto glyph = [&](int x, int digit) {
        CopyRect(image, x, top, strip, digit * ExportGlyphWidth, 0,
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
    const QRgb ground = whiteInk ? InkColour : PaperColour;
    auto ink = [&](int x, const QImage& from, int sourceLeft, int width) {
        CopyInk(image, x, top, from, sourceLeft, 0, sourceLeft + width, ExportGlyphHeight, ground);
    };
    ink(dx + 14, strip, u * ExportGlyphWidth, ExportGlyphWidth);
    ink(dx + 6, strip, t * ExportGlyphWidth, ExportGlyphWidth);
    const int h = (n / 100) % 10;
    if (h == 1) {
        // The stem of the glyph of 1 (its columns 4 and 5).
        ink(dx + 3, strip, ExportGlyphWidth + 4, 2);
    } else if (h == 2) {
        // A move number stops at 225, so a narrow 2 is the only other hundreds digit.
        ink(dx + 2, whiteInk ? p.kuro_suuji2 : p.siro_suuji2, 0, ExportNarrowTwoWidth);
    }
}

void DrawLetter(QImage& image, int dx, int dy, const char* letter)
{
    const QRect patch(dx + G::PatchLeft, dy, G::PatchRight - G::PatchLeft, G::PatchBottom);
    FillRect(image, patch.left(), patch.top(), patch.left() + patch.width(),
             patch.top() + patch.height(), PaperColour);
    if (*letter == '\0')
        return;
    const QFont& font = DiagramLetterFont();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(QColor(InkColour));
    painter.setClipRect(patch);
    painter.drawText(dx + G::PatchLeft, dy + QFontMetrics(font).ascent(),
                     QString::fromUtf8(letter));
}

} // namespace

const QFont& DiagramLetterFont()
{
    static const QFont font = FontOfCellHeight(23, true, false);
    return font;
}

void RenderDiagramBitmap(const Diagram& diagram, QImage& image)
{
    const Pictures& p = ThePictures();
    image = QImage(diagram.Columns() * G::Cell, diagram.Rows() * G::Cell, QImage::Format_RGB32);
    CopyRect(image, 0, 0, p.GazouBan, (diagram.left - 1) * G::Cell, (diagram.top - 1) * G::Cell,
             diagram.right * G::Cell, diagram.bottom * G::Cell);
    for (int row = diagram.top; row <= diagram.bottom; ++row) {
        for (int column = diagram.left; column <= diagram.right; ++column) {
            const DiagramCell& cell = diagram.At(column, row);
            const int dx = (column - diagram.left) * G::Cell;
            const int dy = (row - diagram.top) * G::Cell;
            switch (cell.piece) {
            case DiagramPiece::Board:
                if (cell.letter != nullptr)
                    DrawLetter(image, dx, dy, cell.letter);
                continue;
            case DiagramPiece::Black:
                CopyRect(image, dx, dy, p.kuro_isi, 0, 0, G::Cell, G::Cell);
                break;
            case DiagramPiece::White:
                CopyRect(image, dx, dy, p.siro_isi, 0, 0, G::Cell, G::Cell);
                break;
            case DiagramPiece::FourChase:
                CopyRect(image, dx, dy, p.SioiJyun, 0, 0, G::Cell, G::Cell);
                break;
            }
            if (cell.number > 0)
                DrawNumber(image, dx, dy, cell);
        }
    }
}
