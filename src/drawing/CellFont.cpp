#include "drawing/CellFont.h"

#include <QFontMetrics>

QFont FontOfCellHeight(int cellHeight, bool bold, bool antialiased)
{
    QFont font(QStringLiteral("sans-serif"));
    font.setStyleHint(QFont::SansSerif, antialiased ? QFont::PreferDefault : QFont::NoAntialias);
    font.setBold(bold);
    // A face's line height is not a fixed multiple of its pixel size, so search down.
    for (int size = cellHeight; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= cellHeight)
            break;
    }
    return font;
}
