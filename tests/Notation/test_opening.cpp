// A game's first three moves are named as the standard opening they form, whichever of the
// board's eight symmetries they are played in; moves that form none are named nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Notation/Opening.h"
#include "notation_fixtures.h"

namespace {

// The 26 openings as players write them: h8 first, then h9 (direct) or i9 (indirect).
const struct {
    const char* moves;
    const char* name;
} kOpenings[26] = {
    {"h8 h9 h10", "寒星"}, {"h8 h9 i10", "溪月"}, {"h8 h9 j10", "疎星"}, {"h8 h9 i9", "花月"},
    {"h8 h9 j9", "残月"},  {"h8 h9 i8", "雨月"},  {"h8 h9 j8", "金星"},  {"h8 h9 h7", "松月"},
    {"h8 h9 i7", "丘月"},  {"h8 h9 j7", "新月"},  {"h8 h9 h6", "瑞星"},  {"h8 h9 i6", "山月"},
    {"h8 i9 j10", "長星"}, {"h8 i9 j9", "峡月"},  {"h8 i9 j8", "恒星"},  {"h8 i9 j7", "水月"},
    {"h8 i9 j6", "流星"},  {"h8 i9 i8", "雲月"},  {"h8 i9 i7", "浦月"},  {"h8 i9 i6", "嵐月"},
    {"h8 i9 h7", "銀月"},  {"h8 i9 h6", "明星"},  {"h8 i9 g7", "斜月"},  {"h8 i9 g6", "名月"},
    {"h8 h9 j6", "遊星"},  {"h8 i9 f6", "彗星"},
};

// One of the eight symmetries about h8, on columns a–o and rows 1–15 as players count them.
CellIndex Symmetric(CellIndex cell, int symmetry)
{
    int across = CellColumn(cell) - 8; // to the right of h
    int up = (16 - CellRow(cell)) - 8; // above row 8
    if (symmetry >= 4) {
        const int t = across;
        across = up;
        up = t;
    }
    if (symmetry % 2 == 1)
        across = -across;
    if (symmetry % 4 >= 2)
        up = -up;
    return *ParseCellName(std::string(1, static_cast<char>('h' + across)) + std::to_string(8 + up));
}

TEST(Opening, EachOfTheTwentySixIsNamedInAllEightSymmetries)
{
    for (int number = 1; number <= 26; ++number) {
        const auto& opening = kOpenings[number - 1];
        for (int symmetry = 0; symmetry < 8; ++symmetry) {
            SCOPED_TRACE(std::string(opening.moves) + ", symmetry " + std::to_string(symmetry));
            std::vector<CellIndex> moves;
            for (const CellIndex cell : fixtures::Moves(opening.moves))
                moves.push_back(Symmetric(cell, symmetry));
            EXPECT_EQ(notation::OpeningNumber(moves), number);
            EXPECT_EQ(notation::OpeningName(moves), opening.name);
            moves.push_back(*ParseCellName("a1")); // the moves after the third do not matter
            EXPECT_EQ(notation::OpeningName(moves), opening.name);
        }
    }
}

TEST(Opening, MovesThatFormNoneAreNamedNothing)
{
    for (const char* moves : {"", "h8", "h8 h9", "i8 h9 h10", "h8 h10 h9", "h8 h9 k8", "h8 h9 a1",
                              "h8 -- h10", "h8 h9 --", "h8 g10 f11", "h8 f6 i9"}) {
        SCOPED_TRACE(moves);
        EXPECT_EQ(notation::OpeningNumber(fixtures::Moves(moves)), 0);
        EXPECT_EQ(notation::OpeningName(fixtures::Moves(moves)), "");
    }
}

} // namespace
