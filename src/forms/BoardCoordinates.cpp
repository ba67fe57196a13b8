#include "forms/BoardCoordinates.h"

#include <QPainter>

#include "Board/Cell.h"
#include "forms/Fonts.h"
#include "main/Geometry.h"

BoardCoordinates::BoardCoordinates(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BoardCoordinates"));
    setFont(WindowFont(FaceGothic, FontPixels));
    // Presses pass through to whatever lies below; the labels only show.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(NumberWidth + ViewSize, ViewSize + LetterHeight);
}

QPoint BoardCoordinates::ColumnLabelCentre(int column)
{
    return {NumberWidth + ViewCellX(column) + ViewCell / 2, ViewSize + LetterHeight / 2};
}

QPoint BoardCoordinates::RowLabelCentre(int row)
{
    return {NumberWidth / 2, ViewCellY(row) + ViewCell / 2};
}

QString BoardCoordinates::ColumnLabel(int column)
{
    return QString(QChar('a' + column - 1));
}

QString BoardCoordinates::RowLabel(int row)
{
    return QString::number(BoardLines + 1 - row);
}

void BoardCoordinates::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    for (int k = 1; k <= BoardLines; ++k) {
        const QPoint column = ColumnLabelCentre(k);
        painter.drawText(QRect(column.x() - ViewCell / 2, ViewSize, ViewCell, LetterHeight),
                         Qt::AlignCenter, ColumnLabel(k));
        const QPoint row = RowLabelCentre(k);
        // Right-aligned, close to the board, so one- and two-digit numbers line up.
        painter.drawText(QRect(0, row.y() - ViewCell / 2, NumberWidth - 4, ViewCell),
                         Qt::AlignRight | Qt::AlignVCenter, RowLabel(k));
    }
}

void CoordinatesLayout::Show(QWidget* window, QWidget* clientArea, QWidget* board)
{
    if (shown_)
        return;
    shown_ = true;
    const int boardBottom = board->y() + board->height();
    moved_.clear();
    for (QObject* child : clientArea->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget == labels_ || widget->isWindow())
            continue;
        const QPoint step(BoardCoordinates::NumberWidth,
                          widget->y() >= boardBottom ? BoardCoordinates::LetterHeight : 0);
        widget->move(widget->pos() + step);
        moved_.emplace_back(widget, step);
    }
    if (labels_ == nullptr)
        labels_ = new BoardCoordinates(clientArea);
    labels_->move(board->x() - BoardCoordinates::NumberWidth, board->y());
    labels_->lower();
    labels_->show();
    grown_ = QSize(BoardCoordinates::NumberWidth, BoardCoordinates::LetterHeight);
    window->resize(window->size() + grown_);
}

void CoordinatesLayout::Hide(QWidget* window)
{
    if (!shown_)
        return;
    shown_ = false;
    labels_->hide();
    for (const auto& [widget, step] : moved_)
        if (widget)
            widget->move(widget->pos() - step);
    moved_.clear();
    window->resize(window->size() - grown_);
}
