#include "forms/ImageBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

// Pixel under the pointer; fractional positions (scaled screens) round down, so a
// press on the last pixel column still lies inside the picture.
QPoint PixelAt(const QMouseEvent* event)
{
    const QPointF at = event->position();
    return QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
}

} // namespace

ImageBox::ImageBox(QWidget* parent) : QWidget(parent)
{
    // The picture covers the whole box; nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageBox::paintEvent(QPaintEvent* event)
{
    if (picture_ == nullptr || picture_->isNull()) {
        return;
    }
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), *picture_, area);
    if (overlay_)
        overlay_(painter);
}

void ImageBox::mousePressEvent(QMouseEvent* event)
{
    MouseButton button;
    switch (event->button()) {
    case Qt::LeftButton:
        button = MouseButton::Left;
        break;
    case Qt::RightButton:
        button = MouseButton::Right;
        break;
    case Qt::MiddleButton:
        button = MouseButton::Middle;
        break;
    default:
        // Extra buttons (back, forward) mean nothing on the board.
        return;
    }
    // A press always lies on the box, so the logic can map it to a cell without checks.
    const QPoint at = PixelAt(event);
    const int x = std::clamp(at.x(), 0, std::max(0, width() - 1));
    const int y = std::clamp(at.y(), 0, std::max(0, height() - 1));
    emit MouseDown(button, x, y);
}

void ImageBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = PixelAt(event);
    emit MouseMove((event->buttons() & Qt::LeftButton) != 0, at.x(), at.y());
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton &&
        event->button() != Qt::MiddleButton) {
        return;
    }
    const QPoint at = PixelAt(event);
    emit MouseUp(at.x(), at.y());
}

void ImageBox::wheelEvent(QWheelEvent* event)
{
    constexpr int Notch = 120; // QWheelEvent's eighths of a degree in one notch
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    wheelRest_ += delta;
    const int steps = wheelRest_ / Notch;
    wheelRest_ -= steps * Notch;
    if (steps != 0) {
        emit WheelSteps(steps);
    }
    event->accept();
}
