// An image component: shows a picture 1:1 from its top-left corner and reports mouse
// presses, moves and releases in its own pixel coordinates.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class QPainter;

#include "main/Port.h"

class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    // The picture is owned elsewhere and may change; call update() after drawing on it.
    void SetPicture(const QImage* picture) { picture_ = picture; }
    const QImage* Picture() const { return picture_; }
    // Painted over the picture on screen only, never into it; none by default. Call
    // update() after changing what it paints.
    void SetOverlay(std::function<void(QPainter&)> overlay) { overlay_ = std::move(overlay); }

signals:
    void MouseDown(MouseButton button, int x, int y);
    void MouseMove(bool leftButtonHeld, int x, int y);
    void MouseUp(int x, int y);
    // Whole notches of the wheel: positive turned away from the user, negative towards.
    void WheelSteps(int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const QImage* picture_ = nullptr;
    std::function<void(QPainter&)> overlay_;
    int wheelRest_ = 0; // the part of a notch that fine-grained wheels send in pieces
};
