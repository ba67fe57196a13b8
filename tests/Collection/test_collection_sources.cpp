// One small set of games written as a .rif database, as a folder of records in every format
// a folder may hold, and as a library tree: the three give the same answers, worked out by
// hand. Then what only folders and libraries have: positions set up by a diagram, a position
// met twice in one tree by transposition, and paths that are not collections.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "../fixtures/QtFiles.h"
#include "Board/Coordinates.h"
#include "Collection/PositionIndex.h"
#include "Collection/Sources/CollectionSources.h"
#include "Collection/Symmetry.h"
#include "Notation/Psq.h"
#include "Record/LibFormat.h"
#include "Record/SgfFormat.h"
#include "main/KifuFile.h"

namespace {

using Moves = std::vector<std::string>;

std::vector<CellIndex> Cells(const Moves& moves, int s = 0)
{
    std::vector<CellIndex> cells;
    for (const std::string& move : moves)
        cells.push_back(ApplySymmetry(s, *ParseCellName(move)));
    return cells;
}

std::string Text(const std::vector<CellIndex>& cells)
{
    std::string text;
    for (CellIndex cell : cells)
        text += (text.empty() ? "" : " ") + CellName(cell);
    return text;
}

// One game, as the test writes it in each form.
struct Game {
    std::vector<CellIndex> moves;
    const char* rif;  // bresult
    const char* sgf;  // RE
    const char* file; // the folder's file for it
};

// h8 i9 j8 (white to move) reached by two move orders and in four orientations; a game that
// stops there; one that never gets there.
const std::vector<Game>& Games()
{
    static const std::vector<Game> games = {
        {Cells({"h8", "i9", "j8", "k10", "a1"}), "1", "B+R", "a/one.sgf"},
        {Cells({"j8", "i9", "h8", "k10"}), "0.5", "Draw", "two.txt"},
        {Cells({"h8", "i9", "j8", "k10"}, 3), "0", "W+R", "a/b/three.sgf"},
        {Cells({"h8", "i9", "j8", "g9"}, 6), "1", "B+", "four.txt"},
        {Cells({"h8", "i9", "j8"}, 5), "1", "B+T", "five.sgf"},
        {Cells({"h8", "i9", "k8", "k10"}), "1", "B+", "six.sgf"},
    };
    return games;
}

std::string RifOf(const std::vector<Game>& games, const std::string& extra = "")
{
    std::string text = "<?xml version=\"1.0\"?>\n<database version=\"1\">\n<games>\n";
    for (std::size_t i = 0; i < games.size(); ++i)
        text += "<game id=\"" + std::to_string(i + 1) + "\" bresult=\"" + games[i].rif +
                "\"><move>" + Text(games[i].moves) + "</move></game>\n";
    return text + extra + "</games></database>\n";
}

std::string SgfOf(const std::vector<CellIndex>& moves, const std::string& result)
{
    Record record;
    record.info.result = result;
    NodeId node = record.tree.Root();
    for (CellIndex cell : moves)
        node = record.tree.AppendChild(node, cell);
    return *WriteSgf(record).bytes;
}

std::string TxtOf(const std::vector<CellIndex>& moves, const char* sgfResult)
{
    const std::string result = sgfResult[0] == 'B'   ? "1-0"
                               : sgfResult[0] == 'W' ? "0-1"
                                                     : "1/2-1/2";
    return "[Black \"Ann\"]\n[Result \"" + result + "\"]\n" + Text(moves) + "\n";
}

// Every game as a line of one tree.
Record LibraryOf(const std::vector<Game>& games)
{
    Record record;
    for (const Game& game : games) {
        NodeId node = record.tree.Root();
        for (CellIndex cell : game.moves) {
            const NodeId child = record.tree.FindChild(node, cell);
            node = child != NoNode ? child : record.tree.AppendChild(node, cell);
        }
    }
    return record;
}

SearchPosition PositionOf(const std::vector<CellIndex>& moves)
{
    SearchPosition position;
    for (std::size_t i = 0; i < moves.size(); ++i)
        position.cells[moves[i]] = i % 2 ? CellWhite : CellBlack;
    position.toMove = SideToMoveOf(position.cells);
    return position;
}

struct Opened {
    Collection collection;
    PositionIndex index;
};

void Open(const QString& path, Opened& opened)
{
    const CollectionOpenResult read = OpenCollection(path.toStdString(), opened.collection);
    ASSERT_TRUE(read.ok) << read.message;
    ASSERT_TRUE(opened.index.Build(opened.collection));
}

// The next moves as "point games half-points/scored".
std::vector<std::string> Table(const SearchResult& result)
{
    std::vector<std::string> rows;
    for (const NextMove& move : result.nextMoves)
        rows.push_back(CellName(move.cell) + " " + std::to_string(move.games) + " " +
                       std::to_string(move.blackHalfPoints) + "/" + std::to_string(move.scored));
    return rows;
}

TEST(CollectionSources, DatabaseFolderAndLibraryGiveTheSameAnswers)
{
    QTemporaryDir dir;
    const QString rif = dir.filePath("games.rif");
    WriteFile(rif,
              RifOf(Games(), "<game id=\"7\" bresult=\"0\"><move>h8 i9 j8 h8</move></game>\n"));
    const QString folder = dir.filePath("records");
    for (const Game& game : Games()) {
        const QString path = folder + "/" + game.file;
        WriteFile(path, path.endsWith(".sgf") ? SgfOf(game.moves, game.sgf)
                                              : TxtOf(game.moves, game.sgf));
    }
    // The damaged game, and files a folder holds but does not read.
    WriteFile(folder + "/a/seven.txt", "h8 i9 j8 h8\n");
    WriteFile(folder + "/notes.md", "h8 i9 j8\n");
    const QString sgfLibrary = dir.filePath("library.sgf");
    WriteFile(sgfLibrary, *WriteSgf(LibraryOf(Games())).bytes);
    const QString libLibrary = dir.filePath("library.lib");
    WriteFile(libLibrary, *WriteLib(LibraryOf(Games())).bytes);

    const std::vector<CellIndex> asked = Cells({"h8", "i9", "j8"}, 7);
    for (const QString& path : {rif, folder, sgfLibrary, libLibrary}) {
        SCOPED_TRACE(path.toStdString());
        Opened opened;
        Open(path, opened);
        const bool library = path.startsWith(dir.filePath("library"));
        const Collection& c = opened.collection;
        ASSERT_EQ(c.games.size(), library ? 6u : 7u);
        if (!library) {
            EXPECT_EQ(std::count_if(c.games.begin(), c.games.end(),
                                    [](const CollectionGame& g) { return g.damaged; }),
                      1);
        }
        const SearchResult found = opened.index.Search(c, PositionOf(asked));
        EXPECT_EQ(found.games.size(), 5u);
        // k10 and g9 turned as the board asked is turned. Three games went k10 (1 + ½ + 0);
        // a library keeps no results.
        const std::string k10 = CellName(ApplySymmetry(7, *ParseCellName("k10")));
        const std::string g9 = CellName(ApplySymmetry(7, *ParseCellName("g9")));
        if (library)
            EXPECT_EQ(Table(found), (std::vector<std::string>{k10 + " 3 0/0", g9 + " 1 0/0"}));
        else
            EXPECT_EQ(Table(found), (std::vector<std::string>{k10 + " 3 3/3", g9 + " 1 2/1"}));
    }

    // The folder's games, in the order of their paths, keep the file they came from and what
    // it says of the players.
    Opened opened;
    Open(folder, opened);
    const Collection& c = opened.collection;
    ASSERT_EQ(c.sources.size(), 7u);
    const CollectionGame& first = c.games[0];
    EXPECT_EQ(QFileInfo(QString::fromStdString(c.sources[first.source])).fileName(), "three.sgf");
    const auto two = std::find_if(c.games.begin(), c.games.end(), [&](const CollectionGame& g) {
        return c.sources[g.source].find("two.txt") != std::string::npos;
    });
    ASSERT_NE(two, c.games.end());
    ASSERT_GE(two->black, 0);
    EXPECT_EQ(c.players[two->black].name, "Ann");
    EXPECT_EQ(two->result, 1);
}

// A .kif (its opening standing for the first three moves), a .psq, a diagram of set-up
// stones, and a file that cannot be read.
TEST(CollectionSources, AFolderReadsEachFormatAndMarksWhatItCannotRead)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    KifuRecordLayout kif{};
    kif.Info.Opening = 4; // 花月: h8 h9 i9
    kif.Moves[0] = kif.Moves[1] = kif.Moves[2] = 1;
    kif.Moves[3] = *ParseCellName("j10");
    std::uint8_t bytes[KifuFileSize];
    EncodeKifuRecord(kif, bytes);
    WriteFile(folder + "/kagetsu.kif", std::string(reinterpret_cast<char*>(bytes), KifuFileSize));
    notation::Content line;
    line.moves = Cells({"h8", "h9", "i9", "g7"});
    WriteFile(folder + "/game.psq", notation::WritePsq(line).bytes);
    // Black h8 i9, white h9 (the stones of 花月): white to move, by the stone counts.
    WriteFile(folder + "/setup.txt", R"(
...............
...............
...............
...............
...............
...............
.......ox......
.......x.......
...............
...............
...............
...............
...............
...............
...............
)");
    WriteFile(folder + "/broken.kif", "short");
    WriteFile(folder + "/broken.psq", "Piskvorky 20x20, 11:11, 0\n1,1,0\n");

    Opened opened;
    Open(folder, opened);
    ASSERT_EQ(opened.collection.games.size(), 5u);
    const SearchResult kagetsu =
        opened.index.Search(opened.collection, PositionOf(Cells({"h8", "h9", "i9"})));
    EXPECT_EQ(kagetsu.games.size(), 3u);
    EXPECT_EQ(Table(kagetsu), (std::vector<std::string>{"j10 1 0/0", "g7 1 0/0"}));
    // The diagram's stones had no order: the positions on the way to them are not its own.
    EXPECT_EQ(opened.index.Search(opened.collection, PositionOf(Cells({"h8"}))).games.size(), 2u);
    EXPECT_TRUE(opened.index.Search(opened.collection, PositionOf(Cells({"i9"}))).games.empty());
    int damaged = 0;
    for (const CollectionGame& game : opened.collection.games) {
        damaged += game.damaged;
        if (game.damaged) {
            EXPECT_EQ(game.moveCount, 0);
        } else if (game.opening >= 0) {
            EXPECT_EQ(opened.collection.openings[game.opening].abbr, "4");
            EXPECT_EQ(opened.collection.openings[game.opening].name, "花月");
        }
    }
    EXPECT_EQ(damaged, 2);
}

// Set-up stones are searched with the side the editor gives them: white only when black has
// more stones, then by the moves played since, black first. White has the more stones here.
TEST(CollectionSources, ASetUpPositionIsFoundWithTheSideToMoveItIsSearchedWith)
{
    QTemporaryDir dir;
    // Black k4; white h4, i5, j6.
    WriteFile(dir.filePath("diagram.txt"), R"(
...............
...............
...............
...............
...............
...............
...............
...............
...............
.........o.....
........o......
.......o..x....
...............
...............
...............
)");
    Record record; // black h8 i8, white h9; then black j8, white k8
    record.setup = {{*ParseCellName("h8"), Colour::Black},
                    {*ParseCellName("i8"), Colour::Black},
                    {*ParseCellName("h9"), Colour::White}};
    NodeId node = record.tree.Root();
    for (CellIndex cell : Cells({"j8", "k8"}))
        node = record.tree.AppendChild(node, cell);
    WriteFile(dir.filePath("setup.sgf"), *WriteSgf(record).bytes);
    Opened opened;
    Open(dir.path(), opened);
    ASSERT_EQ(opened.collection.games.size(), 2u);

    auto search = [&](const Moves& black, const Moves& white, int movesPlayed) {
        SearchPosition position;
        for (CellIndex cell : Cells(black))
            position.cells[cell] = CellBlack;
        for (CellIndex cell : Cells(white))
            position.cells[cell] = CellWhite;
        position.toMove = SideToMoveOf(position.cells, movesPlayed);
        return opened.index.Search(opened.collection, position);
    };
    EXPECT_EQ(search({"k4"}, {"h4", "i5", "j6"}, 0).games.size(), 1u);
    EXPECT_EQ(Table(search({"h8", "i8"}, {"h9"}, 0)), (std::vector<std::string>{"j8 1 0/0"}));
    EXPECT_EQ(Table(search({"h8", "i8", "j8"}, {"h9"}, 1)), (std::vector<std::string>{"k8 1 0/0"}));
    EXPECT_EQ(search({"h8", "i8", "j8"}, {"h9", "k8"}, 2).games.size(), 1u);
    // The same stones asked with the other side to move are another position.
    EXPECT_TRUE(search({"h8", "i8", "j8"}, {"h9"}, 2).games.empty());
}

// A library that reaches one position by two lines, the second in another orientation: both
// lines are games of it, each with its own next move.
TEST(CollectionSources, ALibraryFindsAPositionWhereverItsTreeMeetsIt)
{
    Record record;
    RecordTree& tree = record.tree;
    NodeId node = tree.Root();
    for (CellIndex cell : Cells({"h8", "i9", "j8", "k10"}))
        node = tree.AppendChild(node, cell);
    const NodeId h8 = tree.Node(tree.Root()).firstChild;
    node = h8;
    for (CellIndex cell : Cells({"i9", "j8", "g9"}, 2)) // h8 is the centre, its own image
        node = tree.AppendChild(node, cell);
    // And by another move order in a third orientation.
    node = tree.Root();
    for (CellIndex cell : Cells({"j8", "i9", "h8", "l11"}, 4))
        node = tree.AppendChild(node, cell);
    QTemporaryDir dir;
    WriteFile(dir.filePath("tree.lib"), *WriteLib(record).bytes);
    Opened opened;
    Open(dir.filePath("tree.lib"), opened);
    ASSERT_EQ(opened.collection.games.size(), 3u);
    const SearchResult found =
        opened.index.Search(opened.collection, PositionOf(Cells({"h8", "i9", "j8"})));
    EXPECT_EQ(found.games.size(), 3u);
    EXPECT_EQ(Table(found), (std::vector<std::string>{"l11 1 0/0", "k10 1 0/0", "g9 1 0/0"}));
}

TEST(CollectionSources, RefusesWhatIsNotACollection)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("game.kif"), std::string(KifuFileSize, '\0'));
    WriteFile(dir.filePath("bad.rif"), "<database>\n<games><game id=\"1\"><move>h8</game>");
    WriteFile(dir.filePath("bad.lib"), "not a library");
    struct Case {
        QString path;
        const char* expected;
    } cases[] = {
        {dir.filePath("game.kif"), "not a collection"},
        {dir.filePath("missing.rif"), "cannot be opened"},
        {dir.filePath("bad.rif"), "not well-formed XML at line 2, column"},
        {dir.filePath("bad.lib"), "not a library"},
    };
    for (const Case& c : cases) {
        Collection collection;
        const CollectionOpenResult read = OpenCollection(c.path.toStdString(), collection);
        EXPECT_FALSE(read.ok) << c.path.toStdString();
        EXPECT_NE(read.message.find(c.expected), std::string::npos) << read.message;
        EXPECT_TRUE(collection.games.empty());
    }
}

} // namespace
