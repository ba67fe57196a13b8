// The export picture built from the state, and the 1-bit bitmap file it is written as.
#include <gtest/gtest.h>

#include <QFontInfo>

#include "DrawingFixture.h"
#include "drawing/DigitGlyphs.h"
#include "drawing/ExportPicture.h"
#include "drawing/MonoBmp.h"
#include "drawing/Pictures.h"
#include "main/Geometry.h"

namespace {

const Pictures& P()
{
    return ThePictures();
}

// The cell of a whole-board picture.
QRect Cell(int column, int row)
{
    return {(column - 1) * ExportCell, (row - 1) * ExportCell, ExportCell, ExportCell};
}

class ExportPictureTest : public testing::Test {
protected:
    void SetUp() override { ClearBoardState(); }
    ExportPicture picture;
};

bool OnlyBlackAndWhite(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = Rgb(image, x, y);
            if (c != InkColour && c != PaperColour)
                return false;
        }
    return true;
}

TEST_F(ExportPictureTest, EmptyBoardIsTheBlankBoardAndARangeIsItsCut)
{
    picture.Build(Described(1, 1, 15, 15));
    ASSERT_EQ(picture.Image().size(), QSize(375, 375));
    EXPECT_TRUE(SamePixels(picture.Image(), QRect(0, 0, 375, 375), P().GazouBan));

    picture.Build(Described(3, 2, 6, 4));
    ASSERT_EQ(picture.Image().size(), QSize(100, 75));
    EXPECT_TRUE(SamePixels(picture.Image(), QRect(0, 0, 100, 75), P().GazouBan, {50, 25}));
    // Nothing carries over from the larger picture before.
    picture.Build(Described(15, 15, 15, 15));
    EXPECT_EQ(picture.Image().size(), QSize(25, 25));
}

struct GlyphAt {
    int x;
    const QImage* from;
    int sourceLeft, width;
    bool inkOnly = false; // three digits copy only the glyph's ink
};

// The cell (dx, dy) of the picture: `ground` with glyph rectangles (top dy + 5) over it.
testing::AssertionResult CellIs(const QImage& image, QPoint at, const QImage& ground,
                                QPoint groundAt, const std::vector<GlyphAt>& glyphs)
{
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x) {
            QRgb expected = Rgb(ground, groundAt.x() + x, groundAt.y() + y);
            for (const GlyphAt& g : glyphs)
                if (x >= g.x && x < g.x + g.width && y >= 5 && y < 19) {
                    const QRgb glyph = Rgb(*g.from, g.sourceLeft + x - g.x, y - 5);
                    // The narrow 2 starts with ink; its strip's ground is the digits'.
                    const QImage& strip = g.from == &P().kuro_suuji2   ? P().kuro_suuji
                                          : g.from == &P().siro_suuji2 ? P().siro_suuji
                                                                       : *g.from;
                    const QRgb groundOfStrip = Rgb(strip, 0, 0);
                    if (!g.inkOnly || glyph != groundOfStrip)
                        expected = glyph;
                }
            if (Rgb(image, at.x() + x, at.y() + y) != expected)
                return testing::AssertionFailure() << "cell pixel " << x << "," << y;
        }
    return testing::AssertionSuccess();
}

TEST_F(ExportPictureTest, NumbersStandAtTheirGlyphPositions)
{
    const QImage& k = P().kuro_suuji;
    const QImage& s = P().siro_suuji;
    struct Case {
        int number, stone;
        std::vector<GlyphAt> glyphs;
    } cases[] = {
        {7, 1, {{8, &k, 56, 8}}},
        {57, 2, {{3, &s, 40, 8}, {12, &s, 56, 8}}},
        {90, 1, {{3, &k, 72, 8}, {12, &k, 0, 8}}},
        // Three digits: a narrow hundreds mark, tens and units one pixel apart.
        {123, 1, {{3, &k, 12, 2, true}, {6, &k, 16, 8, true}, {14, &k, 24, 8, true}}},
        {100, 2, {{3, &s, 12, 2, true}, {6, &s, 0, 8, true}, {14, &s, 0, 8, true}}},
        {219, 2, {{2, &P().siro_suuji2, 0, 4, true}, {6, &s, 8, 8, true}, {14, &s, 72, 8, true}}},
        {205, 1, {{2, &P().kuro_suuji2, 0, 4, true}, {6, &k, 0, 8, true}, {14, &k, 40, 8, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "number " << c.number);
        Put(4, 6, c.stone, c.number);
        picture.Build(Described(1, 1, 15, 15));
        EXPECT_TRUE(CellIs(picture.Image(), Cell(4, 6).topLeft(),
                           c.stone == 1 ? P().kuro_isi : P().siro_isi, {0, 0}, c.glyphs));
    }
}

// Guards the three-digit layout: it stays inside the stone, so a white stone keeps
// its whole outline.
TEST_F(ExportPictureTest, ThreeDigitNumbersLeaveTheWhiteStonesOutline)
{
    for (int n : {111, 188, 225}) {
        Put(2, 2, CellWhite, n);
        picture.Build(Described(2, 2, 2, 2));
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 25; ++x) {
                if (Rgb(P().siro_isi, x, y) == InkColour) {
                    ASSERT_EQ(Rgb(picture.Image(), x, y), InkColour)
                        << n << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(ExportPictureTest, NumbersBelowTheFirstNumberedMoveAreLeftOffWhateverTheViewShows)
{
    Put(2, 2, CellBlack, 3);
    Put(3, 2, CellWhite, 4);
    FirstNumberedMove = 4;
    ShowMoveNumbers = 0; // not consulted by the export
    picture.Build(Described(1, 1, 15, 15));
    EXPECT_TRUE(CellIs(picture.Image(), Cell(2, 2).topLeft(), P().kuro_isi, {0, 0}, {}));
    EXPECT_TRUE(CellIs(picture.Image(), Cell(3, 2).topLeft(), P().siro_isi, {0, 0},
                       {{8, &P().siro_suuji, 32, 8}}));
}

TEST_F(ExportPictureTest, FourChaseShowsTheAttackersNumeralsBareAndDropsTheDefence)
{
    const QImage& s = P().siro_suuji;
    for (int attacker : {CellBlack, CellWhite}) {
        SCOPED_TRACE(testing::Message() << "attacker " << attacker);
        ClearBoardState();
        EditMode = ModeFourChase;
        FourChaseColor = attacker;
        const int defender = 3 - attacker;
        Put(2, 2, attacker, 1);
        Put(3, 2, defender, 2);
        Put(4, 2, attacker, 0);
        Put(5, 2, defender, 0);
        Put(6, 2, attacker, 13);
        picture.Build(Described(1, 1, 15, 15));
        const QImage& im = picture.Image();
        const QImage& attackerStone = attacker == 1 ? P().kuro_isi : P().siro_isi;
        const QImage& defenderStone = attacker == 1 ? P().siro_isi : P().kuro_isi;
        // A black numeral on white, without outline or grid lines.
        EXPECT_TRUE(CellIs(im, Cell(2, 2).topLeft(), P().SioiJyun, {0, 0}, {{8, &s, 8, 8}}));
        EXPECT_TRUE(CellIs(im, Cell(6, 2).topLeft(), P().SioiJyun, {0, 0},
                           {{3, &s, 8, 8}, {12, &s, 24, 8}}));
        EXPECT_TRUE(CellIs(im, Cell(3, 2).topLeft(), P().GazouBan, Cell(3, 2).topLeft(), {}));
        EXPECT_TRUE(CellIs(im, Cell(4, 2).topLeft(), attackerStone, {0, 0}, {}));
        EXPECT_TRUE(CellIs(im, Cell(5, 2).topLeft(), defenderStone, {0, 0}, {}));
    }
}

TEST_F(ExportPictureTest, LettersStandBoldOnAWhitePatchOnlyOnEmptyPoints)
{
    Put(5, 5, CellEmpty, -1);  // A
    Put(6, 5, CellBlack, -2);  // B under a stone
    Put(7, 5, CellEmpty, -23); // W, wider than its patch
    picture.Build(Described(1, 1, 15, 15));
    const QImage& im = picture.Image();
    EXPECT_TRUE(picture.LetterFont().bold());
    EXPECT_TRUE(CellIs(im, Cell(6, 5).topLeft(), P().kuro_isi, {0, 0}, {}));
    for (int column : {5, 7}) {
        const QRect cell = Cell(column, 5);
        const QRect patch(cell.x() + 4, cell.y(), 18, 22);
        const QRect ink = InkBox(im, patch);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_GT(ink.height(), 10);
        // The patch hides the grid lines it covers; outside it the blank board shows.
        EXPECT_EQ(Rgb(im, cell.x() + 5, cell.y() + 12), PaperColour);
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 25; ++x) {
                if (!patch.contains(cell.x() + x, cell.y() + y)) {
                    ASSERT_EQ(Rgb(im, cell.x() + x, cell.y() + y),
                              Rgb(P().GazouBan, cell.x() + x, cell.y() + y))
                        << column << ": " << x << "," << y;
                }
            }
        }
    }
    // Bold: the A's strokes are at least two pixels wide somewhere on every ink row.
    const QRect a = InkBox(im, QRect(Cell(5, 5).x() + 4, Cell(5, 5).y(), 18, 22));
    int wideRows = 0;
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x < a.right(); ++x)
            if (IsInk(Rgb(im, x, y)) && IsInk(Rgb(im, x + 1, y))) {
                ++wideRows;
                break;
            }
    EXPECT_GE(wideRows, a.height() * 3 / 4);
}

TEST_F(ExportPictureTest, FullGamePictureStaysBlackAndWhite)
{
    int n = 1;
    for (int row = 1; row <= 15; ++row) {
        for (int column = 1; column <= 15; ++column) {
            if ((row + column) % 3 == 0) {
                Put(column, row, CellEmpty, -(1 + (row * column) % 26));
            } else {
                Put(column, row, 1 + n % 2, n);
                ++n;
            }
        }
    }
    picture.Build(Described(1, 1, 15, 15));
    EXPECT_TRUE(OnlyBlackAndWhite(picture.Image()));
}

// Guards the file: standard headers, black-then-white table, bottom-up padded rows.
TEST(MonoBmp, HeadersPaletteAndRowsAreThoseOfAStandardOneBitBitmap)
{
    QImage image(100, 3, QImage::Format_RGB32);
    image.fill(PaperColour);
    image.setPixel(0, 0, InkColour);  // top-left
    image.setPixel(99, 2, InkColour); // bottom-right
    image.setPixel(50, 1, qRgb(90, 90, 90));
    image.setPixel(51, 1, qRgb(200, 200, 200));
    const std::vector<std::uint8_t> b = EncodeMonoBmp(image);
    const std::vector<unsigned char> bytes(b.begin(), b.end());
    const unsigned rowBytes = 16; // 100 bits padded to a multiple of 4 bytes
    ASSERT_EQ(bytes.size(), 62u + rowBytes * 3);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Le(bytes, 2, 4), bytes.size());
    EXPECT_EQ(Le(bytes, 6, 4), 0u);
    EXPECT_EQ(Le(bytes, 10, 4), 62u);
    EXPECT_EQ(Le(bytes, 14, 4), 40u);
    EXPECT_EQ(Le(bytes, 18, 4), 100u);
    EXPECT_EQ(Le(bytes, 22, 4), 3u);
    EXPECT_EQ(Le(bytes, 26, 2), 1u);
    EXPECT_EQ(Le(bytes, 28, 2), 1u);
    EXPECT_EQ(Le(bytes, 30, 4), 0u);
    EXPECT_EQ(Le(bytes, 34, 4), rowBytes * 3);
    EXPECT_EQ(Le(bytes, 54, 4), 0x00000000u);
    EXPECT_EQ(Le(bytes, 58, 4), 0x00ffffffu);
    // The first row stored is the bottom one.
    const std::size_t bottom = 62, top = 62 + 2 * rowBytes, middle = 62 + rowBytes;
    // Pixels 96-98 white, 99 black, then four padding bits of 0.
    EXPECT_EQ(bytes[bottom + 12], 0xe0u) << "pixel 99 black";
    EXPECT_EQ(bytes[bottom + 0], 0xffu);
    EXPECT_EQ(bytes[top + 0], 0x7fu) << "pixel 0 black";
    EXPECT_EQ(bytes[middle + 6], 0xffu & ~0x20u) << "dark grey turns black, light grey white";
    EXPECT_EQ(bytes[top + 13], 0) << "padding";

    QImage back;
    ASSERT_TRUE(back.loadFromData(b.data(), static_cast<int>(b.size()), "BMP"));
    EXPECT_EQ(back.depth(), 1);
    EXPECT_EQ(back.size(), QSize(100, 3));
    EXPECT_EQ(Rgb(back, 0, 0), InkColour);
    EXPECT_EQ(Rgb(back, 1, 0), PaperColour);
    EXPECT_EQ(Rgb(back, 99, 2), InkColour);
}

// The .bmp written from a figure is the one-bit bitmap the window shows of it.
TEST(MonoBmp, TheExportPictureEncodesAsItsOneBitBitmap)
{
    ExportPicture picture;
    picture.Build(Described(3, 2, 6, 4));
    const std::vector<std::uint8_t> bytes =
        EncodeDiagram(picture.Description(), PictureFormat::Bmp);
    EXPECT_EQ(bytes, EncodeMonoBmp(picture.Image()));
    EXPECT_EQ(bytes.size(), 62u + 16u * 75u);
}

} // namespace
