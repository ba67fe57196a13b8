// What people paste is read as the moves or the position they meant; what cannot be read is
// refused with a message naming the first token that failed and where it stands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Notation/TextRecord.h"
#include "notation_fixtures.h"

using notation::Content;
using notation::ReadText;
using notation::Tag;
using notation::WriteText;

namespace {

struct TextCase {
    const char* what;
    std::string input;
    const char* moves;   // the line read, when it reads
    const char* message; // the refusal, when it does not
};

const TextCase kTextCases[] = {
    {"spaces", "h8 h9 i8", "h8 h9 i8", nullptr},
    {"commas, upper case", "H8,H9,I8", "h8 h9 i8", nullptr},
    {"commas and spaces", "h8, h9 ,i8", "h8 h9 i8", nullptr},
    {"packed", "h8h9i8k7", "h8 h9 i8 k7", nullptr},
    {"packed, mixed case, two-digit rows", "H8h10I11k7", "h8 h10 i11 k7", nullptr},
    {"numbered", "1. h8 2. h9 3. i8", "h8 h9 i8", nullptr},
    {"numbered pairs glued", "1.h8 h9 2.i8", "h8 h9 i8", nullptr},
    {"numbered with parentheses", "1) h8 2) h9", "h8 h9", nullptr},
    {"RenLib list", "1 H8   2 H9   3 I8", "h8 h9 i8", nullptr},
    {"web record", "[Event \"x\"]\n\n1. h8 -- 2. h9 -- 3. i8 --\n", "h8 h9 i8", nullptr},
    {"web record, last half without --", "1. h8 -- 2. h9", "h8 h9", nullptr},
    {"extra spaces and line breaks", "  h8\n\n   h9\r\n\ti8  \r\n", "h8 h9 i8", nullptr},
    {"brace comment across lines", "h8 {good\nmove} h9 i8", "h8 h9 i8", nullptr},
    {"semicolon comment", "h8 h9 ; white's answer\ni8", "h8 h9 i8", nullptr},
    {"results skipped", "h8 h9 i8 1-0\n0-1 1/2-1/2 *", "h8 h9 i8", nullptr},
    {"pass as --", "h8 -- h9", "h8 -- h9", nullptr},
    {"pass as a word", "h8 PASS h9", "h8 -- h9", nullptr},
    {"-- in a record with two moves a number is a pass", "1. h8 h9 2. -- i8", "h8 h9 -- i8",
     nullptr},
    {"full-width characters", "\xEF\xBD\x88\xEF\xBC\x98\xE3\x80\x80h9", "h8 h9", nullptr},
    {"byte order mark", "\xEF\xBB\xBFh8 h9", "h8 h9", nullptr},
    {"corners", "a1 o15 a15 o1", "a1 o15 a15 o1", nullptr},
    {"nothing", "", "", nullptr},
    {"tags only", "[Black \"a\"]", "", nullptr},

    {"off the board: column", "h8 p8", nullptr,
     "1行4列の「p8」は盤の外の点です（a1 から o15 まで）"},
    {"off the board: row 16", "h8\nh16", nullptr,
     "2行1列の「h16」は盤の外の点です（a1 から o15 まで）"},
    {"off the board: row 0", "h8 h0", nullptr,
     "1行4列の「h0」は盤の外の点です（a1 から o15 まで）"},
    {"off the board inside a packed token", "h8h9z3", nullptr,
     "1行5列の「z3」は盤の外の点です（a1 から o15 まで）"},
    {"occupied point", "h8 h9 H8", nullptr, "1行7列の「H8」の点にはすでに石があります"},
    {"not a move", "h8 xyz", nullptr, "1行4列の「xyz」は着手として読めません"},
    {"stray mark, second line", "h8\n  h9 ?!", nullptr, "2行6列の「?!」は着手として読めません"},
    {"column counted in characters", "\xE3\x80\x80\xE3\x80\x80h8 \xE7\x9F\xB3", nullptr,
     "1行6列の「\xE7\x9F\xB3」は着手として読めません"},
    {"comment never closed", "h8 {open\nh9", nullptr,
     "1行4列の「{」で始まる注釈が「}」で閉じていません"},
    {"tag without its closing quote", "[Event \"x]\nh8", nullptr,
     "1行1列の「[Event \"x]」はタグ（[名前 \"値\"]）として読めません"},
    {"not UTF-8", "h8 \xFF", nullptr,
     "先頭から4バイト目が UTF-8 の文字として読めません（UTF-8 "
     "で保存したテキストを使ってください）"},
    {"overlong UTF-8", "\xC0\xAFh8", nullptr,
     "先頭から1バイト目が UTF-8 の文字として読めません（UTF-8 "
     "で保存したテキストを使ってください）"},
    {"UTF-8 cut short", "h8 h9\xE3\x80", nullptr,
     "先頭から6バイト目が UTF-8 の文字として読めません（UTF-8 "
     "で保存したテキストを使ってください）"},
    {"a surrogate in UTF-8", "h8\xED\xA0\x80", nullptr,
     "先頭から3バイト目が UTF-8 の文字として読めません（UTF-8 "
     "で保存したテキストを使ってください）"},
    {"Shift_JIS", "\x8D\x95 h8", nullptr,
     "先頭から1バイト目が UTF-8 の文字として読めません（UTF-8 "
     "で保存したテキストを使ってください）"},
};

TEST(TextRecord, EachPastedFormReadsAsItsMovesAndEachFaultIsNamed)
{
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE(c.what);
        const auto result = ReadText(c.input);
        if (c.message) {
            ASSERT_TRUE(fixtures::RefusedWith(result, c.message));
            EXPECT_TRUE(result.content.moves.empty());
            continue;
        }
        ASSERT_TRUE(result.ok()) << result.error->message;
        EXPECT_EQ(result.content.kind, Content::Kind::Line);
        EXPECT_EQ(result.content.moves, fixtures::Moves(c.moves));
    }
}

TEST(TextRecord, AnErrorGivesItsLineColumnOffsetAndToken)
{
    const auto result = ReadText("h8 h9\r\n\xE3\x80\x80i8 q4");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error->line, 2);
    EXPECT_EQ(result.error->column, 5);
    EXPECT_EQ(result.error->offset, 13u);
    EXPECT_EQ(result.error->token, "q4");
}

TEST(TextRecord, TagsAreReadWithTheirEscapes)
{
    const auto result = ReadText(
        "[Black \"Kim \\\"the wall\\\"\"]\n[ White  \"C:\\\\x; {y}\" ]\n1. h8 -- 2. h9 --");
    ASSERT_TRUE(result.ok()) << result.error->message;
    const std::vector<Tag> tags = {{"Black", "Kim \"the wall\""}, {"White", "C:\\x; {y}"}};
    EXPECT_EQ(result.content.tags, tags);
    EXPECT_EQ(result.content.moves, fixtures::Moves("h8 h9"));
}

// A position drawn with x for black and o for white; the other symbol sets are made from it.
const char* const kPicture[15] = {
    "x . . . . . . . . . . . . . o", //
    ". . . . . . . . . . . . . . .", //
    ". . . . . . . . . . . . . . .", //
    ". . . . . . . . . . . . . . .", //
    ". . . . . . . . . . . . . . .", //
    ". . . . . . . . . . . . . . .", //
    ". . . . . . . o . . . . . . .", //
    ". . . . . . . x x . . . . . .", //
    ". . . . . . o . . . . . . . .", //
    ". . . . . . . . . . . . . . .", //
    ". . . . . . . . . . . . . . .", //
    ". . . . . . . . . . . . . . .", //
    ". . . . . . . . . . . . . . .", //
    ". . . . . . . . . . . . . . .", //
    "o . . . . . . . . . . . . . x", //
};

struct Symbols {
    const char* what;
    const char* black;
    const char* white;
    const char* empty[9]; // top-left, top, top-right, left, inside, right, bottom-left, bottom,
                          // bottom-right
    const char* between;  // between two points of a row
};

const Symbols kSymbolSets[] = {
    {"x o .", "x", "o", {".", ".", ".", ".", ".", ".", ".", ".", "."}, " "},
    {"X O +", "X", "O", {"+", "+", "+", "+", "+", "+", "+", "+", "+"}, " "},
    {"x o . packed", "x", "o", {".", ".", ".", ".", ".", ".", ".", ".", "."}, ""},
    {"● ○ and box drawing", "●", "○", {"┌", "┬", "┐", "├", "┼", "┤", "└", "┴", "┘"}, "─"},
    {"● ○ ・ full width", "●", "○", {"・", "・", "・", "・", "・", "・", "・", "・", "・"}, ""},
};

std::string Row(const Symbols& s, int row, bool coordinates)
{
    std::string line;
    const int number = 15 - row;
    if (coordinates)
        line += (number < 10 ? " " : "") + std::to_string(number) + " ";
    for (int column = 0; column < 15; ++column) {
        if (column > 0)
            line += s.between;
        const char c = kPicture[row][column * 2];
        const int place = (row == 0    ? 0
                           : row == 14 ? 6
                                       : 3) +
                          (column == 0    ? 0
                           : column == 14 ? 2
                                          : 1);
        line += c == 'x' ? s.black : c == 'o' ? s.white : s.empty[place];
    }
    if (coordinates)
        line += " " + std::to_string(number);
    return line + "\n";
}

std::string Diagram(const Symbols& s, bool coordinates)
{
    const std::string letters = "   a b c d e f g h i j k l m n o\n";
    std::string text = coordinates ? letters : "";
    for (int row = 0; row < 15; ++row)
        text += Row(s, row, coordinates);
    return text + (coordinates ? letters : "");
}

std::vector<CellIndex> StonesOf(char colour)
{
    std::vector<CellIndex> stones;
    for (int row = 0; row < 15; ++row)
        for (int column = 0; column < 15; ++column)
            if (kPicture[row][column * 2] == colour)
                stones.push_back(MakeCell(column + 1, row + 1));
    return stones;
}

TEST(TextRecord, EveryDiagramFormReadsAsThePlacedStones)
{
    for (const Symbols& s : kSymbolSets)
        for (const bool coordinates : {false, true}) {
            SCOPED_TRACE(std::string(s.what) + (coordinates ? ", with coordinates" : ""));
            const auto result = ReadText("[Event \"problem\"]\n" + Diagram(s, coordinates));
            ASSERT_TRUE(result.ok()) << result.error->message;
            EXPECT_EQ(result.content.kind, Content::Kind::Position);
            EXPECT_EQ(result.content.black, StonesOf('x'));
            EXPECT_EQ(result.content.white, StonesOf('o'));
            EXPECT_EQ(result.content.black.front(), *ParseCellName("a15"));
            EXPECT_EQ(result.content.tags.size(), 1u);
        }
}

TEST(TextRecord, ADiagramOfTheWrongShapeIsRefused)
{
    const Symbols& plain = kSymbolSets[0];
    std::string fourteen;
    for (int row = 0; row < 14; ++row)
        fourteen += Row(plain, row, false);
    const std::string sixteen = Diagram(plain, false) + Row(plain, 1, false);
    std::string narrow = Diagram(plain, false);
    narrow.replace(narrow.find("\n") - 2, 2, ""); // the first row loses a point
    std::string stray = Diagram(plain, false);
    stray.replace(stray.find(". . .\n"), 1, "z"); // the second row, column 13

    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {fourteen, "盤面図の行が14行です（15行の図が要ります）"},
        {sixteen, "16行目: 盤面図の行が15行より多くあります（15行の図が要ります）"},
        {narrow, "1行目の盤面図の行には点が14個あります（1行に15個の点が要ります）"},
        {stray, "2行25列の「z」は盤面図の点として読めません"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(fixtures::RefusedWith(ReadText(c.text), c.message)) << c.text;
}

TEST(TextRecord, WrittenGamesReadBackAsTheSameMovesAndTags)
{
    for (const int length : {1, 5, 150}) {
        SCOPED_TRACE(length);
        Content game;
        game.moves = fixtures::Game(length);
        game.tags = {{"Black", "Kim \"the wall\" \\"}, {"Result", "1-0"}};
        EXPECT_TRUE(fixtures::ReadsBack(ReadText, WriteText, game));
        EXPECT_EQ(ReadText(WriteText(game).bytes).content.tags, game.tags);
    }
}

TEST(TextRecord, TheWriterNamesTheOpeningAndWritesLowerCaseMovesAndPasses)
{
    Content game;
    game.moves = fixtures::Moves("h8 h9 i9 -- j10");
    game.tags = {{"Event", "club"}, {"Opening", "old name"}};
    const auto written = WriteText(game);
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written.bytes, "[Event \"club\"]\n[Opening \"花月\"]\nh8 h9 i9 -- j10\n");
    EXPECT_EQ(notation::WriteMoves(game.moves), "h8 h9 i9 -- j10");
    EXPECT_EQ(ReadText(written.bytes).content.moves, game.moves);
}

TEST(TextRecord, AWrittenPositionIsADiagramThatReadsBack)
{
    Content position;
    position.kind = Content::Kind::Position;
    position.black = StonesOf('x');
    position.white = StonesOf('o');
    const auto written = WriteText(position);
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written.bytes.substr(0, 33), "15 x . . . . . . . . . . . . . o\n");
    const auto read = ReadText(written.bytes);
    ASSERT_TRUE(read.ok()) << read.error->message;
    EXPECT_EQ(read.content.kind, Content::Kind::Position);
    EXPECT_EQ(read.content.black, position.black);
    EXPECT_EQ(read.content.white, position.white);
}

TEST(TextRecord, ATagThatCannotBeWrittenIsRefused)
{
    Content game;
    game.tags = {{"Two words", "x"}};
    EXPECT_FALSE(WriteText(game).ok());
    game.tags = {{"Event", "line\nbreak"}};
    EXPECT_FALSE(WriteText(game).ok());
}

} // namespace
