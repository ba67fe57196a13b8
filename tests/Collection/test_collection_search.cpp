// A small .rif written here, read, indexed and searched: the counts are worked out by hand.
#include <gtest/gtest.h>

#include <QBuffer>
#include <string>
#include <vector>

#include "Board/Coordinates.h"
#include "Board/Symmetry.h"
#include "Collection/GameFilter.h"
#include "Collection/PositionIndex.h"
#include "Collection/Rif/RifReader.h"

namespace {

RifReadResult ReadText(const std::string& text, Collection& collection)
{
    QByteArray bytes = QByteArray::fromStdString(text);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadRif(buffer, collection);
}

// The moves, turned by symmetry s, as the file writes them.
std::string Moves(const std::vector<std::string>& moves, int s = 0)
{
    std::string text;
    for (const std::string& move : moves) {
        const std::optional<CellIndex> cell = ParseCellName(move);
        text += (text.empty() ? "" : " ") + (cell ? CellName(ApplySymmetry(s, *cell)) : move);
    }
    return text;
}

std::string Game(int id, const std::string& result, const std::string& moves)
{
    return "<game id=\"" + std::to_string(id) +
           "\" tournament=\"7\" black=\"1\" white=\"2\" "
           "opening=\"3\" bresult=\"" +
           result + "\"><move>" + moves + "</move></game>\n";
}

std::string Database(const std::string& games)
{
    return "<?xml version=\"1.0\"?>\n<database version=\"1\">\n"
           "<countries><country id=\"5\" name=\"Japan\" abbr=\"JPN\"/></countries>\n"
           "<openings><opening id=\"3\" abbr=\"D4\" name=\"Kagetsu\"/></openings>\n"
           "<players><player id=\"1\" name=\"Ann\" surname=\"Black\" country=\"5\"/>"
           "<player id=\"2\" name=\"Bo\" surname=\"White\" country=\"5\"/></players>\n"
           "<tournaments><tournament id=\"7\" name=\"World Cup\" year=\"2019\"/></tournaments>\n"
           "<games>\n" +
           games + "</games></database>\n";
}

SearchPosition PositionOf(const std::vector<std::string>& moves)
{
    SearchPosition position;
    for (std::size_t i = 0; i < moves.size(); ++i)
        position.cells[*ParseCellName(moves[i])] = i % 2 ? CellWhite : CellBlack;
    position.toMove = SideToMoveOf(position.cells);
    return position;
}

TEST(Symmetry, EveryInverseUndoesItsSymmetry)
{
    for (int s = 0; s < SymmetryCount; ++s)
        for (CellIndex cell = 0; cell < CellTableSize; ++cell)
            if (IsBoardCell(cell)) {
                ASSERT_TRUE(IsBoardCell(ApplySymmetry(s, cell)));
                ASSERT_EQ(ApplySymmetry(InverseSymmetry(s), ApplySymmetry(s, cell)), cell);
            }
}

// h8 i9 j8 reached in two move orders and two orientations; one damaged game, one that
// stops there, one that never gets there.
TEST(CollectionSearch, FindsThePositionByAnyOrderAndOrientationButNotInDamagedGames)
{
    const std::string games = Game(1, "1", Moves({"h8", "i9", "j8", "k10", "a1"})) +
                              Game(2, "0.5", Moves({"j8", "i9", "h8", "k10"})) +
                              Game(3, "0", Moves({"h8", "i9", "j8", "k10"}, 3)) +
                              Game(4, "1", Moves({"h8", "i9", "j8", "g9"}, 6)) +
                              Game(5, "1", Moves({"h8", "i9", "j8"}, 5)) +
                              Game(6, "0", Moves({"h8", "i9", "j8", "h8"})) +
                              Game(7, "0", Moves({"h8", "i9", "j8", "zz"})) +
                              Game(8, "1", Moves({"h8", "i9", "k8", "k10"}));
    Collection collection;
    const RifReadResult read = ReadText(Database(games), collection);
    ASSERT_TRUE(read.ok) << read.message;
    ASSERT_EQ(collection.games.size(), 8u);
    EXPECT_TRUE(collection.games[5].damaged);
    EXPECT_TRUE(collection.games[6].damaged);
    EXPECT_EQ(collection.games[6].moveCount, 3);
    EXPECT_EQ(collection.players[collection.games[0].black].name, "Ann Black");
    EXPECT_EQ(collection.players[0].country, "Japan");

    PositionIndex index;
    ASSERT_TRUE(index.Build(collection));
    // Every ply of the six sound games: 6 + 5 + 5 + 5 + 4 + 5.
    EXPECT_EQ(index.Size(), 30u);

    // The searched board is itself turned: the answers come back in its orientation.
    for (int turn : {0, 2, 7}) {
        SCOPED_TRACE(turn);
        std::vector<std::string> asked;
        for (const char* move : {"h8", "i9", "j8"})
            asked.push_back(CellName(ApplySymmetry(turn, *ParseCellName(move))));
        const SearchResult found = index.Search(collection, PositionOf(asked));
        EXPECT_EQ(found.games, (std::vector<std::uint32_t>{0, 1, 2, 3, 4}));
        ASSERT_EQ(found.nextMoves.size(), 2u);
        EXPECT_EQ(found.nextMoves[0].cell, ApplySymmetry(turn, *ParseCellName("k10")));
        EXPECT_EQ(found.nextMoves[0].games, 3u);
        EXPECT_EQ(found.nextMoves[0].blackHalfPoints, 3u); // 1 + ½ + 0
        EXPECT_DOUBLE_EQ(found.nextMoves[0].BlackScore(), 0.5);
        EXPECT_EQ(found.nextMoves[1].cell, ApplySymmetry(turn, *ParseCellName("g9")));
        EXPECT_EQ(found.nextMoves[1].games, 1u);
        EXPECT_DOUBLE_EQ(found.nextMoves[1].BlackScore(), 1.0);
    }
    // The same stones with black to move is another position.
    SearchPosition blackToMove = PositionOf({"h8", "i9", "j8"});
    blackToMove.toMove = Colour::Black;
    EXPECT_TRUE(index.Search(collection, blackToMove).games.empty());
}

// A position that is its own mirror image matches each game in several orientations: the
// game counts once, and its next move once, at the first of the points that are the same.
TEST(CollectionSearch, ASymmetricPositionCountsEachGameOnce)
{
    const std::string games = Game(1, "1", Moves({"h8", "i9"})) +
                              Game(2, "0", Moves({"h8", "g7"})) +
                              Game(3, "0", Moves({"h8", "g9"})) +
                              Game(4, "1", Moves({"h8", "i8"})) + Game(5, "x", Moves({"h8", "h7"}));
    Collection collection;
    ASSERT_TRUE(ReadText(Database(games), collection).ok);
    PositionIndex index;
    ASSERT_TRUE(index.Build(collection));
    const SearchResult found = index.Search(collection, PositionOf({"h8"}));
    EXPECT_EQ(found.games.size(), 5u);
    ASSERT_EQ(found.nextMoves.size(), 2u);
    EXPECT_EQ(CellName(found.nextMoves[0].cell), "g9");
    EXPECT_EQ(found.nextMoves[0].games, 3u);
    EXPECT_EQ(found.nextMoves[0].blackHalfPoints, 2u);
    EXPECT_EQ(CellName(found.nextMoves[1].cell), "h9");
    EXPECT_EQ(found.nextMoves[1].games, 2u);
    EXPECT_EQ(found.nextMoves[1].scored, 1u); // "x" is no result
    // The empty board: every game, first moves all h8.
    const SearchResult start = index.Search(collection, SearchPosition());
    EXPECT_EQ(start.games.size(), 5u);
    ASSERT_EQ(start.nextMoves.size(), 1u);
    EXPECT_EQ(CellName(start.nextMoves[0].cell), "h8");
}

TEST(CollectionSearch, BuildingStopsWhenCancelled)
{
    Collection collection;
    ASSERT_TRUE(ReadText(Database(Game(1, "1", "h8 i9")), collection).ok);
    PositionIndex index;
    EXPECT_FALSE(index.Build(collection, [](std::uint64_t, std::uint64_t) { return false; }));
    EXPECT_EQ(index.Size(), 0u);
}

TEST(RifReader, RefusesWhatIsNotAWellFormedDatabase)
{
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"", "not well-formed XML at line"},
        {"<database>\n<games><game id=\"1\"><move>h8</game>",
         "not well-formed XML at line 2, column"},
        {"<database><games></games>", "not well-formed XML at line 1"},
        {"<games><game id=\"1\"/></games>", "not a RenjuNet database"},
    };
    for (const Case& c : cases) {
        Collection collection;
        collection.games.resize(3);
        const RifReadResult read = ReadText(c.text, collection);
        EXPECT_FALSE(read.ok) << c.text;
        EXPECT_NE(read.message.find(c.expected), std::string::npos) << read.message;
        EXPECT_TRUE(collection.games.empty());
    }
}

TEST(GameFilter, MatchesEveryFieldThatIsSet)
{
    const std::string games = Game(1, "1", "h8") + Game(2, "0.5", "h8") +
                              "<game id=\"3\" black=\"2\" white=\"9\" bresult=\"0\"/>\n";
    Collection collection;
    ASSERT_TRUE(ReadText(Database(games), collection).ok);
    EXPECT_EQ(collection.games[2].white, -1); // no player 9
    auto ids = [&](const GameFilter& filter) { return FilterGames(collection, filter); };
    GameFilter filter;
    EXPECT_EQ(ids(filter).size(), 3u);
    filter.player = "bo wh";
    EXPECT_EQ(ids(filter).size(), 3u);
    filter.player = "ann";
    EXPECT_EQ(ids(filter).size(), 2u);
    filter.result = 1;
    EXPECT_EQ(ids(filter), (std::vector<std::uint32_t>{1}));
    filter = GameFilter();
    filter.opening = "kage";
    filter.year = 2019;
    filter.tournament = "world";
    EXPECT_EQ(ids(filter).size(), 2u);
    filter.year = 2020;
    EXPECT_TRUE(ids(filter).empty());
}

} // namespace
