// The six navigation pictures: their size and colours, the arrows in the middle 16 × 16
// pixels, forward pictures mirroring back ones, and the olive ground shown transparent.
#include <gtest/gtest.h>

#include <QPixmap>
#include <set>

#include "forms/ButtonPictures.h"

namespace {

const NavButton AllButtons[] = {NavButton::BitBackAll, NavButton::BitBack2, NavButton::BitBack1,
                                NavButton::BitGo1,     NavButton::BitGo2,   NavButton::BitGoAll};

TEST(NavButtonPictures, AreArrowsOfTheFourColoursInTheMiddleOfAnOliveGround)
{
    for (NavButton button : AllButtons) {
        const int id = static_cast<int>(button);
        const QImage picture = NavButtonPicture(button);
        ASSERT_EQ(picture.size(), QSize(26, 26)) << id;
        EXPECT_EQ(picture.format(), QImage::Format_Indexed8) << id;
        std::set<QRgb> colours;
        for (int y = 0; y < 26; ++y) {
            for (int x = 0; x < 26; ++x) {
                const QRgb pixel = picture.pixel(x, y);
                colours.insert(pixel);
                const bool middle = x >= 5 && x < 21 && y >= 5 && y < 21;
                if (!middle) {
                    ASSERT_EQ(pixel, ButtonGround) << id << " at " << x << "," << y;
                }
            }
        }
        EXPECT_EQ(colours, (std::set<QRgb>{ButtonGround, ButtonOutline, ButtonShape, ButtonEdge}))
            << id;
    }
}

TEST(NavButtonPictures, ForwardShapesMirrorBackShapesAndAllSixDiffer)
{
    const std::pair<NavButton, NavButton> pairs[] = {{NavButton::BitBackAll, NavButton::BitGoAll},
                                                     {NavButton::BitBack2, NavButton::BitGo2},
                                                     {NavButton::BitBack1, NavButton::BitGo1}};
    for (const auto& [back, forward] : pairs) {
        const QImage b = NavButtonPicture(back);
        const QImage f = NavButtonPicture(forward);
        for (int y = 0; y < 26; ++y) {
            for (int x = 0; x < 26; ++x) {
                ASSERT_EQ(b.pixel(x, y) == ButtonGround, f.pixel(25 - x, y) == ButtonGround)
                    << static_cast<int>(back) << " at " << x << "," << y;
            }
        }
        EXPECT_NE(b, f);
    }
    for (NavButton one : AllButtons) {
        for (NavButton other : AllButtons) {
            if (one != other) {
                EXPECT_NE(NavButtonPicture(one), NavButtonPicture(other))
                    << static_cast<int>(one) << " " << static_cast<int>(other);
            }
        }
    }
}

// Shape pixels per column of the art square.
int ColumnHeight(const QImage& picture, int x)
{
    int height = 0;
    for (int y = 0; y < 26; ++y) {
        height += picture.pixel(x, y) != ButtonGround ? 1 : 0;
    }
    return height;
}

TEST(NavButtonPictures, OneStepArrowsPointTheirWay)
{
    const QImage back = NavButtonPicture(NavButton::BitBack1);
    int first = 0;
    while (ColumnHeight(back, first) == 0) {
        ++first;
    }
    int last = 25;
    while (ColumnHeight(back, last) == 0) {
        --last;
    }
    EXPECT_LT(ColumnHeight(back, first), ColumnHeight(back, last)) << "apex on the left";
    EXPECT_EQ(ColumnHeight(back, last), 16) << "the base fills the art height";
}

TEST(NavButtonIcons, ShowTheGroundTransparentAndTheShapesOpaque)
{
    for (NavButton button : AllButtons) {
        const QImage picture = NavButtonPicture(button);
        const QImage icon =
            NavButtonIcon(button).pixmap(26, 26).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(26, 26));
        for (int y = 0; y < 26; ++y) {
            for (int x = 0; x < 26; ++x) {
                const QRgb stored = picture.pixel(x, y);
                const QRgb shown = icon.pixel(x, y);
                if (stored == ButtonGround) {
                    ASSERT_EQ(qAlpha(shown), 0) << x << "," << y;
                } else {
                    ASSERT_EQ(shown, stored) << x << "," << y;
                }
            }
        }
    }
}

} // namespace
