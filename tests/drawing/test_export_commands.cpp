// The picture export commands through the window port: the whole board, a dragged
// range, the file dialog and the failures that must reach the user.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>

#include "DrawingFixture.h"
#include "DrawnFakePort.h"
#include "drawing/Pictures.h"
#include "main/Export.h"
#include "main/Geometry.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/State.h"

namespace {

const Pictures& P()
{
    return ThePictures();
}

class ExportCommands : public testing::Test {
protected:
    void SetUp() override { port.Start(); }

    QImage Written(const std::string& path) { return QImage(QString::fromStdString(path), "BMP"); }
    // The cut of the blank board that a range of cells shows when it holds nothing.
    testing::AssertionResult IsBlankCut(const QImage& file, int left, int top, int columns,
                                        int rows)
    {
        if (file.size() != QSize(columns * ExportCell, rows * ExportCell))
            return testing::AssertionFailure()
                   << "size " << file.width() << "x" << file.height() << ", expected "
                   << columns * ExportCell << "x" << rows * ExportCell;
        return SamePixels(file, QRect(0, 0, columns * ExportCell, rows * ExportCell), P().GazouBan,
                          {(left - 1) * ExportCell, (top - 1) * ExportCell});
    }
    void Drag(QPoint from, std::initializer_list<QPoint> moves)
    {
        ImgBanMouseDown(MouseButton::Left, from.x(), from.y());
        QPoint last = from;
        for (QPoint m : moves) {
            ImgBanMouseMove(true, m.x(), m.y());
            last = m;
        }
        ImgBanMouseUp(last.x(), last.y());
    }

    DrawnFakePort port;
    TempDir dir;
};

TEST_F(ExportCommands, WholeBoardOfAnEmptyBoardIsTheBlankBoardInAOneBitFile)
{
    const std::string path = dir.File("board.bmp");
    port.dialogPaths.push_back(path);
    MnuWBHaniSeteiClick();
    MnuWBHozonClick();
    EXPECT_EQ(RangeSelectState, 0) << "an armed range selection is dropped";

    ASSERT_EQ(port.fileDialogs.size(), 1u);
    EXPECT_EQ(port.fileDialogs[0].kind, FileDialogKind::Save);
    EXPECT_EQ(port.fileDialogs[0].fileName, ".bmp");
    EXPECT_EQ(port.fileDialogs[0].filter, "画像データ(*.bmp)|*.bmp|SVG 画像(*.svg)|*.svg|"
                                          "PDF 文書(*.pdf)|*.pdf|PNG 画像(*.png)|*.png");
    EXPECT_TRUE(port.exportShownDuringDialog);
    EXPECT_FALSE(port.panelVisible[PanelId::ImgGazouBan]);
    EXPECT_TRUE(port.errors.empty());

    const std::vector<unsigned char> bytes = FileBytes(path);
    ASSERT_GE(bytes.size(), 62u);
    EXPECT_EQ(Le(bytes, 18, 4), 375u);
    EXPECT_EQ(Le(bytes, 22, 4), 375u);
    EXPECT_EQ(Le(bytes, 28, 2), 1u) << "1 bit per pixel";
    EXPECT_EQ(bytes.size(), 62u + 48u * 375u);
    EXPECT_TRUE(IsBlankCut(Written(path), 1, 1, 15, 15));
}

// Guards the range: cells from the corners' pixels, in order, capped to the board,
// and a release without movement meaning the one cell under the press.
TEST_F(ExportCommands, DraggedRangeWritesItsCellsCutFromTheBlankBoard)
{
    struct Case {
        const char* name;
        QPoint from;
        std::vector<QPoint> moves;
        int left, top, columns, rows;
    } cases[] = {
        {"inside (3,2) to inside (6,4)", {75, 40}, {{120, 80}, {190, 120}}, 3, 2, 4, 3},
        {"towards the upper left", {190, 120}, {{75, 40}}, 3, 2, 4, 3},
        {"past the right and bottom edge", {300, 420}, {{600, 700}}, 9, 13, 7, 3},
        {"past the left and top edge", {75, 40}, {{-90, -50}}, 1, 1, 3, 2},
        {"no movement", {150, 160}, {}, 5, 5, 1, 1},
        {"back to the starting cell", {150, 160}, {{300, 300}, {160, 150}}, 5, 5, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage before = port.view.Image().copy();
        const std::string path = dir.File(std::string(c.name) + ".bmp");
        port.dialogPaths.push_back(path);
        MnuWBHaniSeteiClick();
        ImgBanMouseDown(MouseButton::Left, c.from.x(), c.from.y());
        QPoint last = c.from;
        for (QPoint m : c.moves) {
            ImgBanMouseMove(true, m.x(), m.y());
            last = m;
        }
        ImgBanMouseUp(last.x(), last.y());
        EXPECT_EQ(RangeSelectState, 0);
        EXPECT_TRUE(IsBlankCut(Written(path), c.left, c.top, c.columns, c.rows));
        EXPECT_TRUE(SamePixels(port.view.Image(), QRect(0, 0, 510, 510), before))
            << "the rectangle is gone from the board view";
    }
    EXPECT_TRUE(port.errors.empty());
}

TEST_F(ExportCommands, DragShowsOneRectangleOnlyWhileArmedAndTheLeftButtonIsHeld)
{
    const QImage board = port.view.Image().copy();
    ImgBanMouseMove(true, 200, 200);
    EXPECT_TRUE(SamePixels(port.view.Image(), QRect(0, 0, 510, 510), board)) << "not armed";

    MnuWBHaniSeteiClick();
    ImgBanMouseDown(MouseButton::Right, 50, 60);
    EXPECT_EQ(port.drawnCells.size(), 0u) << "the press acts on nothing else";
    ImgBanMouseMove(false, 200, 200);
    EXPECT_TRUE(SamePixels(port.view.Image(), QRect(0, 0, 510, 510), board)) << "no button";
    EXPECT_EQ(DragEndX, -1);

    ImgBanMouseMove(true, 120, 130);
    ImgBanMouseMove(true, 300, 250);
    EXPECT_EQ(DragEndX, 300);
    EXPECT_EQ(DragEndY, 250);
    // What the view shows is exactly one rectangle at the latest corners.
    BoardView expected;
    expected.DrawAllCells(LookOfCell);
    expected.DrawFocusRect(50, 60, 300, 250);
    EXPECT_TRUE(SamePixels(port.view.Image(), QRect(0, 0, 510, 510), expected.Image()));

    // A second press before the release: the old rectangle still comes off cleanly.
    ImgBanMouseDown(MouseButton::Left, 400, 400);
    ImgBanMouseMove(true, 450, 420);
    expected.DrawFocusRect(50, 60, 300, 250);
    expected.DrawFocusRect(400, 400, 450, 420);
    EXPECT_TRUE(SamePixels(port.view.Image(), QRect(0, 0, 510, 510), expected.Image()));
    ImgBanMouseUp(450, 420); // cancelled dialog
    EXPECT_TRUE(SamePixels(port.view.Image(), QRect(0, 0, 510, 510), board));
}

TEST_F(ExportCommands, CancelOrDeclinedOverwriteWritesNothingAndDisarms)
{
    // Cancelled dialog.
    MnuWBHaniSeteiClick();
    Drag({40, 40}, {{100, 100}});
    EXPECT_EQ(port.fileDialogs.size(), 1u);
    EXPECT_EQ(RangeSelectState, 0);
    EXPECT_FALSE(port.panelVisible[PanelId::ImgGazouBan]);
    EXPECT_TRUE(port.exportShownDuringDialog);

    // An existing file, replacing declined.
    const std::string path = dir.File("keep.bmp");
    {
        std::ofstream(path) << "old picture";
    }
    port.dialogPaths.push_back(path);
    port.answers.push_back(Answer::Cancel);
    MnuWBHaniSeteiClick();
    Drag({40, 40}, {{100, 100}});
    ASSERT_EQ(port.questions.size(), 1u);
    EXPECT_NE(port.questions[0].text.find(path), std::string::npos);
    EXPECT_EQ(RangeSelectState, 0);
    EXPECT_FALSE(port.panelVisible[PanelId::ImgGazouBan]);
    const std::vector<unsigned char> old = FileBytes(path);
    EXPECT_EQ(std::string(old.begin(), old.end()), "old picture");

    // Accepted: the file is replaced by the picture.
    port.dialogPaths.push_back(path);
    MnuWBHozonClick();
    EXPECT_EQ(Written(path).size(), QSize(375, 375));
    EXPECT_TRUE(port.errors.empty());
}

TEST_F(ExportCommands, WriteFailuresShowTheirMessageHideThePictureAndKeepTheRangeArmed)
{
    const std::string missing = dir.File("no such folder/board.bmp");
    port.dialogPaths.push_back(missing);
    MnuWBHaniSeteiClick();
    Drag({40, 40}, {{100, 100}});
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_EQ(port.errors[0], "ファイル " + missing + " を作成できません.");
    EXPECT_EQ(RangeSelectState, 1);
    EXPECT_FALSE(port.panelVisible[PanelId::ImgGazouBan]);
    EXPECT_FALSE(std::filesystem::exists(missing));

    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full for a failing write";
    port.dialogPaths.push_back("/dev/full");
    Drag({40, 40}, {{100, 100}});
    ASSERT_EQ(port.errors.size(), 2u);
    EXPECT_EQ(port.errors[1], "ストリームへの書き込みエラー.");
    EXPECT_EQ(RangeSelectState, 1);
    EXPECT_FALSE(port.panelVisible[PanelId::ImgGazouBan]);
}

// Guards the numbering of diagrams: moves played while numbering was off start the
// exported numbers afresh, though the view keeps the earlier numbers.
TEST_F(ExportCommands, ExportNumbersOnlyMovesFromTheFirstNumberedMoveOn)
{
    PressCell(3, 3); // 1
    PressCell(4, 3); // 2
    PressCell(5, 3); // 3
    MnuSyujyunClick();
    PressCell(3, 5); // 4, unnumbered
    PressCell(4, 5); // 5, unnumbered
    MnuSyujyunClick();
    PressCell(5, 5); // 6
    PressCell(6, 5); // 7
    ASSERT_EQ(CellMarks[MakeCell(6, 5)], 7);

    const std::string path = dir.File("game.bmp");
    port.dialogPaths.push_back(path);
    MnuWBHozonClick();
    const QImage file = Written(path);
    ASSERT_EQ(file.size(), QSize(375, 375));
    auto cellIs = [&](int column, int row, const QImage& stone) {
        return SamePixels(
            file, QRect((column - 1) * ExportCell, (row - 1) * ExportCell, ExportCell, ExportCell),
            stone);
    };
    EXPECT_TRUE(cellIs(3, 3, P().kuro_isi)) << "move 1 is shown without its number";
    EXPECT_TRUE(cellIs(4, 3, P().siro_isi));
    EXPECT_TRUE(cellIs(3, 5, P().siro_isi));
    EXPECT_FALSE(cellIs(5, 5, P().siro_isi)) << "move 6 carries its number";
    // The black stone of move 7: the glyph of 7 at dx + 8, white on black.
    EXPECT_TRUE(SamePixels(file, QRect(5 * ExportCell + 8, 4 * ExportCell + 5, 8, 14),
                           P().kuro_suuji, {56, 0}));
}

// The chosen name's extension picks the format, in any case; any other name, or none,
// is written as the bitmap, byte for byte as before. Everything else works as for BMP.
TEST_F(ExportCommands, TheChosenNamesExtensionPicksTheFormat)
{
    PressCell(3, 3);
    PressCell(4, 3);
    port.dialogPaths.push_back(dir.File("board.bmp"));
    MnuWBHozonClick();
    const std::vector<unsigned char> bmp = FileBytes(dir.File("board.bmp"));
    ASSERT_FALSE(bmp.empty());

    struct Case {
        const char* name;
        std::string head; // the file's first bytes; "" for the bitmap itself
    } cases[] = {
        {"fig.svg", "<?xml"}, {"fig.SVG", "<?xml"}, {"fig.Pdf", "%PDF-"}, {"fig.png", "\x89PNG"},
        {"fig.txt", ""},      {"fig", ""},          {"fig.svg.bmp", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File(c.name);
        port.dialogPaths.push_back(path);
        MnuWBHozonClick();
        const std::vector<unsigned char> file = FileBytes(path);
        if (c.head.empty())
            EXPECT_EQ(file, bmp);
        else
            EXPECT_EQ(std::string(file.begin(), file.begin() + c.head.size()), c.head);
        EXPECT_TRUE(port.exportShownDuringDialog);
        EXPECT_FALSE(port.panelVisible[PanelId::ImgGazouBan]);
    }

    // A range as SVG: its own size, 5 mm a cell; the overwrite question as for BMP; the
    // range disarmed after.
    const std::string svg = dir.File("range.svg");
    {
        std::ofstream(svg) << "old";
    }
    port.dialogPaths.push_back(svg);
    MnuWBHaniSeteiClick();
    Drag({75, 40}, {{190, 120}});
    EXPECT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(RangeSelectState, 0);
    const std::vector<unsigned char> bytes = FileBytes(svg);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("width=\"20mm\" height=\"15mm\" viewBox=\"0 0 100 75\""),
              std::string::npos);

    // A PNG of 100 pixels a cell that cannot be written fails as the bitmap does.
    const std::string missing = dir.File("no such folder/board.png");
    port.dialogPaths.push_back(missing);
    MnuWBHozonClick();
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_EQ(port.errors[0], "ファイル " + missing + " を作成できません.");
    port.dialogPaths.push_back(dir.File("big.png"));
    MnuWBHozonClick();
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("big.png"))).size(), QSize(1500, 1500));
}

} // namespace
