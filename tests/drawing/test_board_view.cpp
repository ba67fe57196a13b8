// The board view: which picture each cell takes, where the digit glyphs land, the
// letter square, and the focus rectangle that must vanish when drawn twice.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "DrawingFixture.h"
#include "drawing/BoardView.h"
#include "drawing/DigitGlyphs.h"
#include "drawing/Pictures.h"
#include "main/CellLook.h"
#include "main/Geometry.h"

namespace {

const Pictures& P()
{
    return ThePictures();
}

QRect CellRect(int column, int row)
{
    return {ViewCellX(column), ViewCellY(row), ViewCell, ViewCell};
}

class BoardViewTest : public testing::Test {
protected:
    void SetUp() override { ClearBoardState(); }
    BoardView view;
};

TEST_F(BoardViewTest, EachCellTakesThePictureOfItsPoint)
{
    struct Case {
        int column, row, stone;
        const QImage* tile;
    } cases[] = {
        {1, 1, 0, &P().BmpBlankTL},
        {15, 1, 0, &P().BmpBlankTR},
        {8, 1, 0, &P().BmpBlankT},
        {1, 15, 0, &P().BmpBlankBL},
        {15, 15, 0, &P().BmpBlankBR},
        {2, 15, 0, &P().BmpBlankB},
        {1, 8, 0, &P().BmpBlankL},
        {15, 14, 0, &P().BmpBlankR},
        {4, 4, 0, &P().BmpHosi},
        {12, 4, 0, &P().BmpHosi},
        {4, 12, 0, &P().BmpHosi},
        {12, 12, 0, &P().BmpHosi},
        {8, 8, 0, &P().BmpHosi},
        {5, 5, 0, &P().BmpBlank},
        {4, 8, 0, &P().BmpBlank},
        {8, 4, 0, &P().BmpBlank},
        {2, 2, 0, &P().BmpBlank},
        // A stone comes before every point rule.
        {1, 1, 1, &P().BmpBlack},
        {8, 8, 2, &P().BmpWhite},
        {15, 8, 1, &P().BmpBlack},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "cell " << c.column << "," << c.row);
        Put(c.column, c.row, c.stone);
        view.DrawCell(c.column, c.row, LookOfCell(c.column, c.row));
        EXPECT_TRUE(SamePixels(view.Image(), CellRect(c.column, c.row), *c.tile));
    }
}

// Guards the fresh board: wood margin, lines at 16-17 of every cell, no frame.
TEST_F(BoardViewTest, FreshBoardIsTheWoodGridWithFiveStarPoints)
{
    view.DrawAllCells(LookOfCell);
    const QImage& im = view.Image();
    ASSERT_EQ(im.size(), QSize(510, 510));
    for (int i = 0; i < 510; ++i) {
        const int inCell = i % 34;
        const bool onLine = (inCell == 16 || inCell == 17);
        const bool withinGrid = i >= 16 && i <= 493;
        // Row 100 lies between lines: only vertical lines cross it.
        ASSERT_EQ(Rgb(im, i, 100), onLine ? InkColour : WoodColour) << i;
        // Row 16 is a line from the first to the last vertical line, wood outside.
        ASSERT_EQ(Rgb(im, i, 16), withinGrid ? InkColour : WoodColour) << i;
    }
    int starCells = 0;
    for (int row = 1; row <= 15; ++row)
        for (int column = 1; column <= 15; ++column)
            starCells += SamePixels(im, CellRect(column, row), P().BmpHosi) ? 1 : 0;
    EXPECT_EQ(starCells, 5);
}

struct GlyphAt {
    int x; // offset in the cell
    const QImage* from;
    int sourceLeft, width;
};

// The cell expected: the stone tile with the glyph rectangles (top y0 + 7) over it.
void ExpectCell(const BoardView& view, int column, int row, const QImage& tile,
                const std::vector<GlyphAt>& glyphs)
{
    const QRect cell = CellRect(column, row);
    for (int y = 0; y < 34; ++y) {
        for (int x = 0; x < 34; ++x) {
            QRgb expected = Rgb(tile, x, y);
            for (const GlyphAt& g : glyphs)
                if (x >= g.x && x < g.x + g.width && y >= 7 && y < 27)
                    expected = Rgb(*g.from, g.sourceLeft + x - g.x, y - 7);
            ASSERT_EQ(Rgb(view.Image(), cell.x() + x, cell.y() + y), expected)
                << "cell pixel " << x << "," << y;
        }
    }
}

TEST_F(BoardViewTest, NumbersStandAtTheirGlyphPositions)
{
    const QImage& b = P().ImgBsuji;
    const QImage& w = P().ImgWsuji;
    struct Case {
        int number, stone;
        std::vector<GlyphAt> glyphs;
    } cases[] = {
        {7, 1, {{12, &b, 70, 10}}},
        {57, 2, {{6, &w, 50, 10}, {19, &w, 70, 10}}},
        {10, 1, {{6, &b, 10, 10}, {19, &b, 0, 10}}},
        // The hundreds mark is the stem of the glyph of 1, strip columns 14-16.
        {123, 1, {{4, &b, 14, 3}, {9, &b, 20, 10}, {20, &b, 30, 10}}},
        {100, 2, {{4, &w, 14, 3}, {9, &w, 0, 10}, {20, &w, 0, 10}}},
        // 200 and more: a narrow 2 just left of the tens, inside the cell.
        {225, 2, {{3, &P().ImgWsuji2, 0, 5}, {9, &w, 20, 10}, {20, &w, 50, 10}}},
        {208, 1, {{3, &P().ImgBsuji2, 0, 5}, {9, &b, 0, 10}, {20, &b, 80, 10}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "number " << c.number);
        Put(6, 5, c.stone, c.number);
        view.DrawCell(6, 5, LookOfCell(6, 5));
        ExpectCell(view, 6, 5, c.stone == 1 ? P().BmpBlack : P().BmpWhite, c.glyphs);
    }
}

TEST_F(BoardViewTest, NumbersFollowTheFlagOnRedrawAndNeedAStone)
{
    Put(3, 3, CellBlack, 7);
    ShowMoveNumbers = 0;
    view.DrawCell(3, 3, LookOfCell(3, 3));
    EXPECT_TRUE(SamePixels(view.Image(), CellRect(3, 3), P().BmpBlack));
    EXPECT_EQ(CellMarks[MakeCell(3, 3)], 7);
    ShowMoveNumbers = 1;
    view.DrawCell(3, 3, LookOfCell(3, 3));
    EXPECT_FALSE(SamePixels(view.Image(), CellRect(3, 3), P().BmpBlack));

    // A number left on an emptied cell shows only the tile; a stone without one, none.
    Put(5, 5, CellEmpty, 12);
    view.DrawCell(5, 5, LookOfCell(5, 5));
    EXPECT_TRUE(SamePixels(view.Image(), CellRect(5, 5), P().BmpBlank));
    Put(6, 6, CellWhite, 0);
    view.DrawCell(6, 6, LookOfCell(6, 6));
    EXPECT_TRUE(SamePixels(view.Image(), CellRect(6, 6), P().BmpWhite));
}

TEST_F(BoardViewTest, LetteredCellIsAWhiteSquareWithABlackLetter)
{
    view.DrawAllCells(LookOfCell);
    Put(5, 5, CellEmpty, -1);  // A
    Put(6, 5, CellBlack, -23); // W on a stone: only the letter
    Put(7, 5, CellEmpty, -23);
    view.DrawCell(5, 5, LookOfCell(5, 5));
    view.DrawCell(6, 5, LookOfCell(6, 5));
    view.DrawCell(7, 5, LookOfCell(7, 5));
    const QImage& im = view.Image();
    for (int column : {5, 6}) {
        const QRect cell = CellRect(column, 5);
        const QRect ink = InkBox(im, cell);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_GE(ink.left(), cell.x() + 8);
        EXPECT_GE(ink.top(), cell.y() + 2);
        EXPECT_GT(ink.height(), 12) << "a letter of a 30-pixel font";
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const QRgb c = Rgb(im, x, y);
                ASSERT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c))
                    << "only white, grey and black at " << x << "," << y;
            }
        // No grid line: the crossing's pixels left of the letter are white.
        EXPECT_EQ(Rgb(im, cell.x() + 2, cell.y() + 16), PaperColour);
    }
    EXPECT_TRUE(SamePixels(im, CellRect(6, 5), im, CellRect(7, 5).topLeft()))
        << "a letter hides the stone under it completely";
    // The wide W is clipped to its cell: the neighbour keeps its tile.
    EXPECT_TRUE(SamePixels(im, CellRect(8, 5), P().BmpBlank));
}

TEST_F(BoardViewTest, FontIsTheLargestWhoseCellHeightIsThirty)
{
    QFont font = view.Font();
    EXPECT_LE(QFontMetrics(font).height(), 30);
    font.setPixelSize(font.pixelSize() + 1);
    EXPECT_GT(QFontMetrics(font).height(), 30);
}

TEST_F(BoardViewTest, PressLetterIsDrawnOpaqueAtItsCornerOverTheCell)
{
    view.DrawAllCells(LookOfCell);
    const QImage before = view.Image();
    const QRect cell = CellRect(4, 6);
    view.DrawText(cell.x() + 8, cell.y() + 1, "M");
    const QImage& im = view.Image();
    QRect changed;
    int ink = 0;
    for (int y = 0; y < 510; ++y)
        for (int x = 0; x < 510; ++x)
            if (Rgb(im, x, y) != Rgb(before, x, y)) {
                changed |= QRect(x, y, 1, 1);
                ink += IsInk(Rgb(im, x, y));
            }
    EXPECT_GT(ink, 30);
    EXPECT_EQ(changed.topLeft(), QPoint(cell.x() + 8, cell.y() + 1))
        << "the letter's white box starts at its corner";
    EXPECT_LE(changed.bottom(), cell.y() + 30);
    // The wood under the letter's box is covered.
    EXPECT_EQ(Rgb(im, cell.x() + 9, cell.y() + 3), PaperColour);
}

// Guards the drag: the rectangle is drawn over whatever the view shows and removed
// by the same call, whichever way the corners lie and wherever they fall.
TEST_F(BoardViewTest, FocusRectangleDrawnTwiceRestoresEveryPixel)
{
    Put(3, 3, CellBlack, 7);
    Put(4, 3, CellWhite, 57);
    Put(5, 4, CellEmpty, -2);
    view.DrawAllCells(LookOfCell);
    const QImage before = view.Image().copy();
    const QRect rects[] = {{70, 70, 100, 60}, // left, top, width, height
                           {0, 0, 510, 510},   {300, 200, 1, 1},  {50, 50, 1, 40},
                           {480, 480, 90, 90}, {-20, -30, 60, 70}};
    for (const QRect& r : rects) {
        SCOPED_TRACE(testing::Message()
                     << r.x() << "," << r.y() << " " << r.width() << "x" << r.height());
        const int l = r.x(), t = r.y(), rr = r.x() + r.width(), b = r.y() + r.height();
        view.DrawFocusRect(l, t, rr, b);
        int changed = 0;
        for (int y = 0; y < 510; ++y)
            for (int x = 0; x < 510; ++x) {
                const QRgb now = Rgb(view.Image(), x, y);
                const QRgb was = Rgb(before, x, y);
                if (now == was)
                    continue;
                ++changed;
                const bool border = (x == l || x == rr - 1 || y == t || y == b - 1) && x >= l &&
                                    x < rr && y >= t && y < b;
                ASSERT_TRUE(border) << "changed off the border at " << x << "," << y;
                ASSERT_EQ(now, (was ^ 0x00ffffffu)) << "inverted at " << x << "," << y;
            }
        EXPECT_GT(changed, 0);
        view.DrawFocusRect(l, t, rr, b);
        ASSERT_TRUE(SamePixels(view.Image(), QRect(0, 0, 510, 510), before));
        // The same corners given the other way round draw the same rectangle.
        view.DrawFocusRect(rr, b, l, t);
        view.DrawFocusRect(l, t, rr, b);
        ASSERT_TRUE(SamePixels(view.Image(), QRect(0, 0, 510, 510), before));
    }
    // Dotted: about every other pixel of a long edge.
    view.DrawFocusRect(20, 20, 220, 120);
    int top = 0;
    for (int x = 20; x < 220; ++x)
        top += Rgb(view.Image(), x, 20) != Rgb(before, x, 20);
    EXPECT_EQ(top, 100);
}

} // namespace

namespace {

// A variation's ring covers part of an empty point and goes again on the next redraw.
TEST_F(BoardViewTest, AVariationRingIsDrawnOnlyWhileTheLookAsksForIt)
{
    CellLook look;
    look.variation = true;
    view.DrawCell(5, 5, look);
    EXPECT_FALSE(SamePixels(view.Image(), CellRect(5, 5), P().BmpBlank));
    EXPECT_EQ(view.Image().pixel(ViewCellX(5) + 16, ViewCellY(5) + 9), 0xff1e50d2u);
    EXPECT_NE(view.Image().pixel(ViewCellX(5) + 16, ViewCellY(5) + 16), 0xff1e50d2u);
    view.DrawCell(5, 5, CellLook{});
    EXPECT_TRUE(SamePixels(view.Image(), CellRect(5, 5), P().BmpBlank));
}

} // namespace
