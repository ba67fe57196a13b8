// The pictures of the six navigation buttons, drawn in code: 26 × 26, bright green
// arrows with black outlines and a darker green edge on an olive ground.
#pragma once

#include <QIcon>
#include <QImage>
#include <QRgb>

#include "main/Port.h"

constexpr int ButtonPictureSize = 26;
constexpr QRgb ButtonGround = qRgb(160, 160, 128); // drawn transparent
constexpr QRgb ButtonShape = qRgb(0, 255, 0);
constexpr QRgb ButtonEdge = qRgb(0, 128, 0);
constexpr QRgb ButtonOutline = qRgb(0, 0, 0);

// The picture as stored: 8-bit indexed, the olive ground opaque.
QImage NavButtonPicture(NavButton button);
// The picture as the button shows it: the olive ground transparent.
QIcon NavButtonIcon(NavButton button);
