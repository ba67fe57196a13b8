#include "drawing/AnalysisMark.h"

#include <QPainter>
#include <QPolygon>

#include "main/Geometry.h"

void PaintAnalysisMark(QPainter& painter, CellIndex cell)
{
    const int x0 = ViewCellX(CellColumn(cell));
    const int y0 = ViewCellY(CellRow(cell));
    constexpr int Half = ViewCell / 2;
    // Corner to centre: the pen's mitred corners stay inside the cell, which is all that is
    // repainted when the mark moves.
    constexpr int Reach = Half - 5;
    const QPoint centre(x0 + Half, y0 + Half);
    const QPolygon diamond({centre + QPoint(0, -Reach), centre + QPoint(Reach, 0),
                            centre + QPoint(0, Reach), centre + QPoint(-Reach, 0)});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // A white edge under the blue keeps the mark seen against the grid lines.
    painter.setPen(QPen(QColor(255, 255, 255), 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolygon(diamond);
    painter.setPen(QPen(QColor(0, 90, 255), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolygon(diamond);
    painter.restore();
}
