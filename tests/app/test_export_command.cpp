// The figures written from the command line, by the real program with no display: the
// figure is the whole-board export right after opening the input, every option changes
// it as it says, and every failure is named on standard error with status 1.
#include <gtest/gtest.h>

#include <QImage>
#include <QXmlStreamReader>

#include "../main/test_files_fixture.h"
#include "ProgramRun.h"
#include "app/HeadlessPort.h"
#include "drawing/DiagramFormats.h"
#include "drawing/Pictures.h"
#include "main/Diagram.h"
#include "main/FileIo.h"

namespace {

// The whole-board export of the window right after opening `path`, in move order with
// numbering on, for the cells of the range.
Bytes WindowExport(const std::string& path, int left = 1, int top = 1, int right = 15,
                   int bottom = 15)
{
    EXPECT_TRUE(OpenInput(path));
    Diagram diagram;
    DescribeExport(left, top, right, bottom, diagram);
    return EncodeDiagram(diagram, PictureFormat::Bmp);
}

class ExportCommand : public testing::Test {
protected:
    void SetUp() override
    {
        // Opening 4, then moves; black's first stone after the opening is move 4.
        moves = {0,
                 0,
                 0,
                 MakeCell(3, 3),
                 MakeCell(4, 3),
                 MakeCell(5, 3),
                 MakeCell(6, 3),
                 MakeCell(3, 12)};
        WriteBytes(dir.File("game.kif"), KifuImage(4, "a", "b", moves));
        Bytes damaged = KifuImage(0, "a", "b", {MakeCell(3, 3)});
        PutWordAt(damaged, 0, 27);
        WriteBytes(dir.File("bad.kif"), damaged);
    }

    std::string File(const std::string& name) const { return dir.File(name); }

    TempDir dir;
    std::vector<int> moves;
};

TEST_F(ExportCommand, EachFormatIsWrittenAndTheBmpIsTheWindowsExport)
{
    for (const char* name : {"fig.bmp", "fig.svg", "fig.pdf", "fig.png", "FIG.SVG"}) {
        const ProgramRun run = RunKorvane({"--export", Q(File(name)), Q(File("game.kif"))});
        EXPECT_EQ(run.status, 0) << name << ": " << run.err.toStdString();
        EXPECT_FALSE(ReadBytes(File(name)).empty()) << name;
    }
    EXPECT_EQ(ReadBytes(File("fig.bmp")), WindowExport(File("game.kif")));

    const Bytes pdf = ReadBytes(File("fig.pdf"));
    EXPECT_EQ(std::string(pdf.begin(), pdf.begin() + 5), "%PDF-");
    QImage png;
    const Bytes pngBytes = ReadBytes(File("fig.png"));
    ASSERT_TRUE(png.loadFromData(pngBytes.data(), static_cast<int>(pngBytes.size()), "PNG"));
    EXPECT_EQ(png.size(), QSize(1500, 1500)) << "100 pixels a cell";
    EXPECT_EQ(png.depth(), 1);

    // Well-formed SVG 1.1 of the picture's size, 5 mm a cell, and no text that would
    // need a font.
    const Bytes svgBytes = ReadBytes(File("FIG.SVG"));
    QXmlStreamReader svg(QByteArray(reinterpret_cast<const char*>(svgBytes.data()),
                                    static_cast<int>(svgBytes.size())));
    ASSERT_TRUE(svg.readNextStartElement());
    EXPECT_EQ(svg.name(), QStringLiteral("svg"));
    EXPECT_EQ(svg.attributes().value("version"), QStringLiteral("1.1"));
    EXPECT_EQ(svg.attributes().value("viewBox"), QStringLiteral("0 0 375 375"));
    EXPECT_EQ(svg.attributes().value("width"), QStringLiteral("75mm"));
    EXPECT_EQ(svg.attributes().value("height"), QStringLiteral("75mm"));
    int elements = 1;
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement) {
            ++elements;
            EXPECT_NE(svg.name(), QStringLiteral("text"));
        }
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_GT(elements, 10);
}

TEST_F(ExportCommand, OptionsCutNumberAndSizeTheFigure)
{
    // A range, in any corner order.
    ProgramRun run =
        RunKorvane({"--export", Q(File("range.bmp")), "--range", "6,4,3,2", Q(File("game.kif"))});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(ReadBytes(File("range.bmp")), WindowExport(File("game.kif"), 3, 2, 6, 4));
    EXPECT_EQ(QImage(Q(File("range.bmp"))).size(), QSize(100, 75));

    // Numbers below the first number are left off: moves 4 and 5 lose theirs.
    run =
        RunKorvane({"--export", Q(File("first.bmp")), "--first-number", "6", Q(File("game.kif"))});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    OpenInput(File("game.kif"));
    FirstNumberedMove = 6;
    Diagram diagram;
    DescribeExport(1, 1, 15, 15, diagram);
    EXPECT_EQ(ReadBytes(File("first.bmp")), EncodeDiagram(diagram, PictureFormat::Bmp));
    EXPECT_NE(ReadBytes(File("first.bmp")), WindowExport(File("game.kif")));

    // Sizes: 2.8 mm a cell for the vectors, 10 pixels for the PNG.
    run = RunKorvane({"--export", Q(File("small.svg")), "--cell-mm", "2.8", Q(File("game.kif"))});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const Bytes svg = ReadBytes(File("small.svg"));
    EXPECT_NE(std::string(svg.begin(), svg.end()).find("width=\"42mm\" height=\"42mm\""),
              std::string::npos);
    run = RunKorvane({"--export", Q(File("small.png")), "--cell-px", "10", "--range", "1,1,4,2",
                      Q(File("game.kif"))});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(Q(File("small.png"))).size(), QSize(40, 20));
}

// The record is replayed as a four-chase: both colours numbered 1, 2, ... by the half
// rule, the chasing colour's numbered stones as bare numerals, the other's left out.
TEST_F(ExportCommand, FourChaseReplaysTheRecordByTheHalfRule)
{
    const std::vector<int> chase = {MakeCell(3, 3), MakeCell(4, 3), MakeCell(3, 4), MakeCell(4, 4)};
    WriteBytes(File("chase.kif"), KifuImage(0, "", "", chase));
    const ProgramRun run = RunKorvane(
        {"--export", Q(File("chase.bmp")), "--four-chase", "white", Q(File("chase.kif"))});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QImage figure(Q(File("chase.bmp")));
    ASSERT_EQ(figure.size(), QSize(375, 375));

    const Pictures& p = ThePictures();
    auto cell = [](const QImage& image, int column, int row) {
        return image.copy((column - 1) * 25, (row - 1) * 25, 25, 25)
            .convertToFormat(QImage::Format_RGB32);
    };
    // White's moves (2 and 4) are its four-chase moves 1 and 2: a numeral on white.
    for (int i : {1, 3}) {
        QImage expected = p.SioiJyun.convertToFormat(QImage::Format_RGB32);
        const int digit = i / 2 + 1;
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 8; ++x)
                expected.setPixel(8 + x, 5 + y, p.siro_suuji.pixel(digit * 8 + x, y));
        EXPECT_EQ(cell(figure, CellColumn(chase[i]), CellRow(chase[i])), expected) << i;
    }
    // Black's numbered stones are left out: the blank board shows.
    for (int i : {0, 2})
        EXPECT_EQ(cell(figure, CellColumn(chase[i]), CellRow(chase[i])),
                  cell(p.GazouBan, CellColumn(chase[i]), CellRow(chase[i])))
            << i;
}

TEST_F(ExportCommand, DamagedMissingAndUnwritableFilesAreNamedWithStatusOne)
{
    struct Case {
        std::string input, output, named, message;
    } cases[] = {
        {"bad.kif", "a.svg", "bad.kif", IoErrorMessage(IoBadContent)},
        {"missing.kif", "b.svg", "missing.kif", IoErrorMessage(IoFileNotFound)},
        {"game.kif", "no-such-folder/c.svg", "no-such-folder/c.svg", IoErrorMessage(IoBadFileName)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input + " -> " + c.output);
        const ProgramRun run = RunKorvane({"--export", Q(File(c.output)), Q(File(c.input))});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains(Q(c.named))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(Q(c.message))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(std::filesystem::exists(File(c.output)));
    }
}

TEST_F(ExportCommand, ExportDirGoesOnPastADamagedInputAndNamesEachFigureAfterItsInput)
{
    std::filesystem::create_directories(File("other"));
    WriteBytes(File("other/game.kif"), KifuImage(0, "", "", {MakeCell(8, 8)}));
    WriteBytes(File("second.kif"), KifuImage(0, "", "", {MakeCell(9, 9)}));
    const ProgramRun run =
        RunKorvane({"--export-dir", Q(File("out")), "--format", "svg", Q(File("game.kif")),
                    Q(File("bad.kif")), Q(File("second.kif")), Q(File("other/game.kif"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(std::filesystem::exists(File("out/game.svg")));
    EXPECT_TRUE(std::filesystem::exists(File("out/second.svg")));
    EXPECT_FALSE(std::filesystem::exists(File("out/bad.svg")));
    EXPECT_TRUE(run.err.contains(Q(File("bad.kif")))) << run.err.toStdString();
    // A second input of the same name does not replace the first one's figure.
    EXPECT_TRUE(run.err.contains(Q(File("other/game.kif")))) << run.err.toStdString();
    EXPECT_EQ(run.err.count("korvane: "), 2) << run.err.toStdString();

    // All good: status 0, every figure in the format asked for and each its own input's,
    // though they are written side by side.
    QStringList arguments = {"--export-dir", Q(File("out2")), "--format", "bmp"};
    for (int i = 0; i < 24; ++i) {
        const std::vector<int> cells = DistinctCells(i + 1);
        WriteBytes(File("g" + std::to_string(i) + ".kif"), KifuImage(0, "", "", cells));
        arguments << Q(File("g" + std::to_string(i) + ".kif"));
    }
    const ProgramRun good = RunKorvane(arguments);
    EXPECT_EQ(good.status, 0) << good.err.toStdString();
    for (int i = 0; i < 24; ++i) {
        const std::string name = "g" + std::to_string(i);
        EXPECT_EQ(ReadBytes(File("out2/" + name + ".bmp")), WindowExport(File(name + ".kif")))
            << name;
    }
}

} // namespace
