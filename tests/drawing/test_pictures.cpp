// The prepared pictures: their sizes, colours and the geometry that the view and the
// export place glyphs and stones by.
#include <gtest/gtest.h>

#include <set>

#include "DrawingFixture.h"
#include "drawing/Pictures.h"

namespace {

const Pictures& P()
{
    return ThePictures();
}

struct TileCase {
    const char* name;
    const QImage* tile;
    bool left, right, up, down;
};

// Guards: each tile has exactly the arms of its point, 2 pixels wide in columns and
// rows 16-17, and wood everywhere else.
TEST(Pictures, BoardTilesHaveTheArmsOfTheirPointAndWoodElsewhere)
{
    const TileCase cases[] = {
        {"TL", &P().BmpBlankTL, false, true, false, true},
        {"T", &P().BmpBlankT, true, true, false, true},
        {"TR", &P().BmpBlankTR, true, false, false, true},
        {"L", &P().BmpBlankL, false, true, true, true},
        {"inner", &P().BmpBlank, true, true, true, true},
        {"R", &P().BmpBlankR, true, false, true, true},
        {"BL", &P().BmpBlankBL, false, true, true, false},
        {"B", &P().BmpBlankB, true, true, true, false},
        {"BR", &P().BmpBlankBR, true, false, true, false},
    };
    for (const TileCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage& t = *c.tile;
        ASSERT_EQ(t.size(), QSize(34, 34));
        for (int y = 0; y < 34; ++y) {
            for (int x = 0; x < 34; ++x) {
                const bool onRow = y == 16 || y == 17;
                const bool onColumn = x == 16 || x == 17;
                const bool ink = (onRow && (onColumn || (x < 16 ? c.left : c.right))) ||
                                 (onColumn && (y < 16 ? c.up : c.down));
                ASSERT_EQ(Rgb(t, x, y), ink ? InkColour : WoodColour) << x << "," << y;
            }
        }
    }
}

TEST(Pictures, StarTileIsTheInnerPointWithAnEightPixelDot)
{
    const QImage& hosi = P().BmpHosi;
    int dot = 0;
    for (int y = 0; y < 34; ++y)
        for (int x = 0; x < 34; ++x)
            if (Rgb(hosi, x, y) != Rgb(P().BmpBlank, x, y)) {
                EXPECT_EQ(Rgb(hosi, x, y), InkColour);
                EXPECT_TRUE(x >= 13 && x <= 20 && y >= 13 && y <= 20) << x << "," << y;
                ++dot;
            }
    EXPECT_GE(dot, 20); // the dot beside the lines, not a couple of stray pixels
    for (int x = 13; x <= 20; ++x)
        EXPECT_EQ(Rgb(hosi, x, 15), InkColour) << "across the dot at " << x;
    EXPECT_EQ(Rgb(hosi, 12, 15), WoodColour);
    EXPECT_EQ(Rgb(hosi, 21, 15), WoodColour);
}

TEST(Pictures, StonesFillTheTileWithWoodCornersAndNoLines)
{
    const QImage& black = P().BmpBlack;
    const QImage& white = P().BmpWhite;
    for (const QImage* s : {&black, &white}) {
        EXPECT_EQ(s->size(), QSize(34, 34));
        for (QPoint corner : {QPoint(0, 0), QPoint(33, 0), QPoint(0, 33), QPoint(33, 33)})
            EXPECT_EQ(Rgb(*s, corner.x(), corner.y()), WoodColour);
    }
    // The disc reaches the tile's edges (diameter 34).
    EXPECT_LT(qGray(Rgb(black, 17, 0)), 100);
    EXPECT_LT(qGray(Rgb(black, 0, 17)), 100);
    EXPECT_GT(qGray(Rgb(white, 17, 0)), 180);
    // Near-black with a lighter upper left; white stays very light, with no grid line.
    EXPECT_LT(qGray(Rgb(black, 17, 17)), 60);
    EXPECT_LT(qGray(Rgb(black, 25, 25)), 40);
    EXPECT_GT(qGray(Rgb(black, 11, 10)), qGray(Rgb(black, 25, 25)) + 60);
    for (int x = 3; x < 31; ++x)
        EXPECT_GT(qGray(Rgb(white, x, 16)), 200) << x;
    for (int y = 3; y < 31; ++y)
        EXPECT_GT(qGray(Rgb(black, 16, y)), 15) << "no black line through the stone at " << y;
}

bool IsMonoBlackWhite(const QImage& image)
{
    return image.depth() == 1 && image.colorTable().size() == 2 &&
           (image.color(0) | 0xff000000u) == InkColour &&
           (image.color(1) | 0xff000000u) == PaperColour;
}

// Guards the three-digit layout: the hundreds mark is copied from strip columns 14-16.
TEST(Pictures, ViewStripsHoldTenDistinctGlyphsAndTheOneIsAThreePixelBar)
{
    const QImage& b = P().ImgBsuji;
    const QImage& w = P().ImgWsuji;
    ASSERT_EQ(b.size(), QSize(100, 20));
    ASSERT_EQ(w.size(), QSize(100, 20));
    EXPECT_EQ(b.depth(), 1);
    EXPECT_EQ(w.depth(), 1);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_NE(Rgb(b, x, y), Rgb(w, x, y)) << "strips are each other's inverse";
    // In ImgWsuji ink is black on white.
    EXPECT_EQ(Rgb(w, 0, 0), PaperColour);
    for (int y = 0; y < 20; ++y)
        for (int x = 10; x < 20; ++x)
            ASSERT_EQ(Rgb(w, x, y), (x >= 14 && x <= 16) ? InkColour : PaperColour)
                << x << "," << y;
    std::set<std::vector<QRgb>> glyphs;
    for (int d = 0; d < 10; ++d) {
        std::vector<QRgb> g;
        int ink = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 10; ++x) {
                g.push_back(Rgb(w, 10 * d + x, y));
                ink += Rgb(w, 10 * d + x, y) == InkColour;
            }
        EXPECT_GE(ink, 60) << "digit " << d << " is bold";
        glyphs.insert(g);
    }
    EXPECT_EQ(glyphs.size(), 10u);
}

TEST(Pictures, ExportBoardHasItsLinesFrameAndStarDiamonds)
{
    const QImage& g = P().GazouBan;
    ASSERT_EQ(g.size(), QSize(375, 375));
    EXPECT_TRUE(IsMonoBlackWhite(g));
    std::set<int> lines = {11, 362};
    for (int k = 0; k < 15; ++k)
        lines.insert(12 + 25 * k);
    lines.insert(363);
    // Along a row and a column between lines: ink exactly on the lines and the frame.
    for (int i = 0; i < 375; ++i) {
        const bool expected = lines.count(i) > 0 && i >= 11 && i <= 363;
        ASSERT_EQ(Rgb(g, i, 50) == InkColour, expected) << "x " << i;
        ASSERT_EQ(Rgb(g, 50, i) == InkColour, expected) << "y " << i;
    }
    // Nothing beyond the frame, and the frame's corners are closed.
    EXPECT_EQ(Rgb(g, 10, 10), PaperColour);
    EXPECT_EQ(Rgb(g, 11, 11), InkColour);
    EXPECT_EQ(Rgb(g, 363, 363), InkColour);
    EXPECT_EQ(Rgb(g, 364, 200), PaperColour);
    for (QPoint s :
         {QPoint(87, 87), QPoint(287, 87), QPoint(87, 287), QPoint(287, 287), QPoint(187, 187)}) {
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx) {
                if (dx == 0 || dy == 0)
                    continue; // the grid lines cross there anyway
                const bool diamond = std::abs(dx) + std::abs(dy) <= 2;
                EXPECT_EQ(Rgb(g, s.x() + dx, s.y() + dy) == InkColour, diamond)
                    << s.x() << "," << s.y() << " + " << dx << "," << dy;
            }
    }
    // A non-star crossing has no diamond.
    EXPECT_EQ(Rgb(g, 113, 113), PaperColour);
}

TEST(Pictures, ExportStonesAndGroundAreBlackAndWhite)
{
    const QImage& k = P().kuro_isi;
    const QImage& s = P().siro_isi;
    for (const QImage* i : {&k, &s, &P().SioiJyun, &P().kuro_suuji, &P().siro_suuji})
        EXPECT_TRUE(IsMonoBlackWhite(*i));
    ASSERT_EQ(k.size(), QSize(25, 25));
    // A 24-pixel disc in (0, 0, 24, 24); the last row and column stay white.
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(Rgb(k, 24, i), PaperColour);
        EXPECT_EQ(Rgb(k, i, 24), PaperColour);
        EXPECT_EQ(Rgb(s, 24, i), PaperColour);
    }
    EXPECT_EQ(Rgb(k, 0, 12), InkColour);
    EXPECT_EQ(Rgb(k, 23, 12), InkColour);
    EXPECT_EQ(Rgb(k, 12, 0), InkColour);
    EXPECT_EQ(Rgb(k, 12, 12), InkColour);
    EXPECT_EQ(Rgb(k, 0, 0), PaperColour);
    // The white stone is that disc's 1-pixel outline.
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x) {
            const bool in = Rgb(k, x, y) == InkColour;
            const bool edge =
                in && (x == 0 || y == 0 || Rgb(k, x - 1, y) != InkColour ||
                       Rgb(k, x + 1, y) != InkColour || Rgb(k, x, y - 1) != InkColour ||
                       Rgb(k, x, y + 1) != InkColour);
            ASSERT_EQ(Rgb(s, x, y) == InkColour, edge) << x << "," << y;
        }
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x)
            ASSERT_EQ(Rgb(P().SioiJyun, x, y), PaperColour);
    ASSERT_EQ(P().kuro_suuji.size(), QSize(80, 14));
    ASSERT_EQ(P().siro_suuji.size(), QSize(80, 14));
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 80; ++x)
            ASSERT_NE(Rgb(P().kuro_suuji, x, y), Rgb(P().siro_suuji, x, y));
}

} // namespace
