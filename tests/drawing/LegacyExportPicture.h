// The export picture as it was drawn before the figure had a description of its own:
// straight from the shared state onto the blank board's cut. Kept as the reference the
// bitmap rendered from the description must equal byte for byte.
#pragma once

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "GtRen/Board.h"
#include "Set_Data/Set_Data.h"
#include "drawing/Blit.h"
#include "drawing/CellFont.h"
#include "drawing/DigitGlyphs.h"
#include "drawing/Pictures.h"
#include "main/State.h"

class LegacyExportPicture {
public:
    const QImage& Image() const { return image_; }

    void Build(int left, int top, int right, int bottom)
    {
        left = std::clamp(left, 1, BoardLines);
        right = std::clamp(right, left, BoardLines);
        top = std::clamp(top, 1, BoardLines);
        bottom = std::clamp(bottom, top, BoardLines);
        left_ = left;
        top_ = top;
        image_ = QImage((right - left + 1) * 25, (bottom - top + 1) * 25, QImage::Format_RGB32);
        CopyRect(image_, 0, 0, ThePictures().GazouBan, (left - 1) * 25, (top - 1) * 25, right * 25,
                 bottom * 25);
        DrawExportCells(left, top, right, bottom);
    }

private:
    void DrawExportCells(int left, int top, int right, int bottom)
    {
        const Pictures& p = ThePictures();
        for (int row = top; row <= bottom; ++row) {
            for (int column = left; column <= right; ++column) {
                const int dx = (column - left_) * 25;
                const int dy = (row - top_) * 25;
                const CellIndex cell = MakeCell(column, row);
                const int stone = BoardCells[cell];
                const int mark = CellMarks[cell];
                if (stone == CellBlack || stone == CellWhite) {
                    if (EditMode == ModeFourChase && mark > 0) {
                        if (stone != FourChaseColor)
                            continue;
                        CopyRect(image_, dx, dy, p.SioiJyun, 0, 0, 25, 25);
                    } else {
                        CopyRect(image_, dx, dy, stone == CellBlack ? p.kuro_isi : p.siro_isi, 0, 0,
                                 25, 25);
                    }
                    if (mark > 0 && mark >= FirstNumberedMove)
                        DrawNumber(dx, dy, stone, mark);
                } else if (mark < 0) {
                    DrawLetter(dx, dy, -mark);
                }
            }
        }
    }

    void DrawNumber(int dx, int dy, int stone, int n)
    {
        const Pictures& p = ThePictures();
        const bool blackGlyphs = EditMode == ModeFourChase || stone != CellBlack;
        const QImage& strip = blackGlyphs ? p.siro_suuji : p.kuro_suuji;
        const int top = dy + 5;
        auto glyph = [&](int x, int digit) {
            CopyRect(image_, x, top, strip, digit * 8, 0, digit * 8 + 8, 14);
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
        const QRgb ground = blackGlyphs ? PaperColour : InkColour;
        auto ink = [&](int x, const QImage& from, int sourceLeft, int width) {
            CopyInk(image_, x, top, from, sourceLeft, 0, sourceLeft + width, 14, ground);
        };
        ink(dx + 14, strip, u * 8, 8);
        ink(dx + 6, strip, t * 8, 8);
        const int h = (n / 100) % 10;
        if (h == 1)
            ink(dx + 3, strip, 8 + 4, 2);
        else if (h == 2)
            ink(dx + 2, blackGlyphs ? p.siro_suuji2 : p.kuro_suuji2, 0, ExportNarrowTwoWidth);
    }

    void DrawLetter(int dx, int dy, int label)
    {
        const QRect patch(dx + 4, dy, 18, 22);
        FillRect(image_, patch.left(), patch.top(), patch.left() + patch.width(),
                 patch.top() + patch.height(), PaperColour);
        if (label < 1 || label > 26 || LetterLabels[label] == nullptr)
            return;
        const QFont font = FontOfCellHeight(23, true, false);
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(QColor(InkColour));
        painter.setClipRect(patch);
        painter.drawText(dx + 4, dy + QFontMetrics(font).ascent(),
                         QString::fromUtf8(LetterLabels[label]));
    }

    QImage image_;
    int left_ = 1;
    int top_ = 1;
};
