#include "forms/ButtonPictures.h"

#include <QPixmap>
#include <cstdlib>

namespace {

constexpr int N = ButtonPictureSize;
// The arrows stand in the middle 16 × 16 pixels.
constexpr int ArtTop = 5;
constexpr int ArtBottom = 21; // exclusive
constexpr int ArtLeft = 5;
constexpr int ArtRight = 21; // exclusive

using Mask = bool[N][N];

// A triangle pointing left over the columns [left, right) of the art rows; its apex is
// the middle of the left edge.
void AddLeftTriangle(Mask& mask, int left, int right)
{
    const double middle = (ArtTop + ArtBottom) / 2.0;
    const double halfHeight = (ArtBottom - ArtTop) / 2.0;
    for (int y = ArtTop; y < ArtBottom; ++y) {
        for (int x = left; x < right; ++x) {
            const double reach = (x + 1.0 - left) / (right - left) * halfHeight;
            if (std::abs(y + 0.5 - middle) <= reach) {
                mask[y][x] = true;
            }
        }
    }
}

void AddBar(Mask& mask, int left, int right)
{
    for (int y = ArtTop; y < ArtBottom; ++y) {
        for (int x = left; x < right; ++x) {
            mask[y][x] = true;
        }
    }
}

bool Inside(const Mask& mask, int x, int y)
{
    return x >= 0 && y >= 0 && x < N && y < N && mask[y][x];
}

// The back shapes; the forward buttons are their mirror images.
void BackShape(Mask& mask, NavButton button)
{
    switch (button) {
    case NavButton::BitBackAll:
    case NavButton::BitGoAll:
        AddBar(mask, ArtLeft, ArtLeft + 3);
        AddLeftTriangle(mask, ArtLeft + 4, ArtRight);
        break;
    case NavButton::BitBack2:
    case NavButton::BitGo2:
        AddLeftTriangle(mask, ArtLeft, ArtLeft + 8);
        AddLeftTriangle(mask, ArtLeft + 8, ArtRight);
        break;
    case NavButton::BitBack1:
    case NavButton::BitGo1:
        AddLeftTriangle(mask, ArtLeft + 3, ArtRight - 3);
        break;
    }
}

bool IsForward(NavButton button)
{
    return button == NavButton::BitGo1 || button == NavButton::BitGo2 ||
           button == NavButton::BitGoAll;
}

enum Colour { Ground, Outline, Shape, Edge };

} // namespace

QImage NavButtonPicture(NavButton button)
{
    Mask back = {};
    BackShape(back, button);
    Mask mask = {};
    for (int y = 0; y < N; ++y) {
        for (int x = 0; x < N; ++x) {
            mask[y][x] = IsForward(button) ? back[y][N - 1 - x] : back[y][x];
        }
    }

    QImage image(N, N, QImage::Format_Indexed8);
    image.setColorTable({ButtonGround, ButtonOutline, ButtonShape, ButtonEdge});
    image.fill(Ground);
    for (int y = 0; y < N; ++y) {
        for (int x = 0; x < N; ++x) {
            if (!mask[y][x]) {
                continue;
            }
            // Border pixels of the shape are the outline; the ones just inside its
            // lower and right outline give the shape its darker edge.
            bool border = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    border = border || !Inside(mask, x + dx, y + dy);
                }
            }
            Colour colour = Shape;
            if (border) {
                colour = Outline;
            } else if (!Inside(mask, x + 2, y) || !Inside(mask, x, y + 2) ||
                       !Inside(mask, x + 2, y + 2)) {
                colour = Edge;
            }
            image.scanLine(y)[x] = static_cast<uchar>(colour);
        }
    }
    return image;
}

QIcon NavButtonIcon(NavButton button)
{
    QImage image = NavButtonPicture(button).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == ButtonGround) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return QIcon(QPixmap::fromImage(image));
}
