#include "drawing/CellFont.h"

#include <QFontMetrics>
#include <algorithm>

QFont FontOfCellHeight(int cellHeight, bool bold, bool antialiased)
{
    QFont font(QStringLiteral("sans-serif"));
    font.setStyleHint(QFont::SansSerif, antialiased ? QFont::PreferDefault : QFont::NoAntialias);
    font.setBold(bold);
    // Each size tried loads the face anew, so start where the height at the full size
    // points: a face's line height grows about in step with its pixel size, though not
    // by a fixed factor. Then step to the largest size that still fits.
    auto heightAt = [&font](int size) {
        font.setPixelSize(size);
        return QFontMetrics(font).height();
    };
    int size = cellHeight;
    const int full = heightAt(size);
    if (full > cellHeight) {
        size = std::clamp(cellHeight * cellHeight / full, 1, cellHeight - 1);
        while (size > 1 && heightAt(size) > cellHeight)
            --size;
        while (size + 1 < cellHeight && heightAt(size + 1) <= cellHeight)
            ++size;
    }
    font.setPixelSize(size);
    return font;
}
