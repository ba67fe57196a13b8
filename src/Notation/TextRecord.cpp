#include "Notation/TextRecord.h"

#include <algorithm>
#include <array>
#include <optional>

#include "Board/Coordinates.h"
#include "Notation/Opening.h"
#include "Notation/Utf8.h"

namespace notation {

namespace {

// One character of the input with where it stands.
struct Char {
    char32_t value; // full-width ASCII already folded to ASCII
    std::size_t offset;
    int line;
    int column;
};

// A run of characters between separators: [begin, end) in the character list.
struct Token {
    std::size_t begin;
    std::size_t end;
};

struct Lexed {
    std::vector<Token> tokens;
    std::vector<Tag> tags;
    std::optional<ReadError> error;
};

class Reader {
public:
    Reader(std::string_view bytes, std::vector<Char> chars)
        : bytes_(bytes), chars_(std::move(chars))
    {
    }

    ReadResult Read();

private:
    std::string Text(std::size_t begin, std::size_t end) const
    {
        const std::size_t from = chars_[begin].offset;
        const std::size_t to = end < chars_.size() ? chars_[end].offset : bytes_.size();
        return std::string(bytes_.substr(from, to - from));
    }
    ReadError ErrorAt(std::size_t begin, std::size_t end, const std::string& what) const;
    std::optional<ReadError> Lex();
    std::optional<ReadError> LexTag(std::size_t& i);
    std::optional<ReadError> ReadMoves();
    std::optional<ReadError> ReadDiagram(const std::vector<std::vector<Token>>& lines);
    std::vector<std::vector<Token>> TokenLines() const;

    std::string_view bytes_;
    std::vector<Char> chars_;
    std::vector<Token> tokens_;
    Content content_;
};

bool IsSeparator(char32_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ',' || c == 0x3000 ||
           c == 0xA0 || c == 0x3001 || c == 0xFF0C;
}

bool IsDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char32_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// What a diagram point shows; connectors between points show nothing.
enum class Point { Empty, Black, White, Connector, None };

Point PointOf(char32_t c)
{
    switch (c) {
    case 'x':
    case 'X':
    case 0x25CF: // ●
    case 0x26AB: // ⚫
        return Point::Black;
    case 'o':
    case 'O':
    case 0x25CB: // ○
    case 0x26AA: // ⚪
        return Point::White;
    case '.':
    case '+':
    case 0xB7:   // ·
    case 0x30FB: // ・
    case 0x253C: // ┼
    case 0x251C: // ├
    case 0x2524: // ┤
    case 0x252C: // ┬
    case 0x2534: // ┴
    case 0x250C: // ┌
    case 0x2510: // ┐
    case 0x2514: // └
    case 0x2518: // ┘
    case 0x254B: // ╋
    case 0x2523: // ┣
    case 0x252B: // ┫
    case 0x2533: // ┳
    case 0x253B: // ┻
    case 0x250F: // ┏
    case 0x2513: // ┓
    case 0x2517: // ┗
    case 0x251B: // ┛
        return Point::Empty;
    case '-':
    case '|':
    case 0x2500: // ─
    case 0x2502: // │
    case 0x2501: // ━
    case 0x2503: // ┃
        return Point::Connector;
    default:
        return Point::None;
    }
}

std::string Where(const Char& c)
{
    return std::to_string(c.line) + "行" + std::to_string(c.column) + "列の";
}

ReadError Reader::ErrorAt(std::size_t begin, std::size_t end, const std::string& what) const
{
    const Char& c = chars_[begin];
    ReadError error;
    error.token = Text(begin, end);
    error.message = Where(c) + "「" + error.token + "」" + what;
    error.line = c.line;
    error.column = c.column;
    error.offset = c.offset;
    return error;
}

std::optional<ReadError> Reader::LexTag(std::size_t& i)
{
    // [Name "value"]: i stands on the '['.
    const std::size_t open = i;
    auto fail = [&] {
        std::size_t end = open;
        while (end < chars_.size() && chars_[end].line == chars_[open].line &&
               chars_[end].value != ']')
            ++end;
        if (end < chars_.size() && chars_[end].value == ']')
            ++end;
        return ErrorAt(open, end, "はタグ（[名前 \"値\"]）として読めません");
    };
    std::size_t j = open + 1;
    auto skipSpaces = [&] {
        while (j < chars_.size() && (chars_[j].value == ' ' || chars_[j].value == '\t'))
            ++j;
    };
    skipSpaces();
    const std::size_t nameBegin = j;
    while (j < chars_.size() &&
           (IsLetter(chars_[j].value) || IsDigit(chars_[j].value) || chars_[j].value == '_'))
        ++j;
    if (j == nameBegin)
        return fail();
    Tag tag;
    tag.name = Text(nameBegin, j);
    skipSpaces();
    if (j >= chars_.size() || chars_[j].value != '"')
        return fail();
    ++j;
    for (;;) {
        if (j >= chars_.size() || chars_[j].value == '\n' || chars_[j].value == '\r')
            return fail();
        const char32_t c = chars_[j].value;
        if (c == '"')
            break;
        if (c == '\\' && j + 1 < chars_.size() &&
            (chars_[j + 1].value == '"' || chars_[j + 1].value == '\\'))
            ++j;
        tag.value += Text(j, j + 1);
        ++j;
    }
    ++j;
    skipSpaces();
    if (j >= chars_.size() || chars_[j].value != ']')
        return fail();
    i = j + 1;
    content_.tags.push_back(std::move(tag));
    return std::nullopt;
}

std::optional<ReadError> Reader::Lex()
{
    std::size_t i = 0;
    while (i < chars_.size()) {
        const char32_t c = chars_[i].value;
        if (IsSeparator(c)) {
            ++i;
        } else if (c == '{') {
            const std::size_t open = i;
            while (i < chars_.size() && chars_[i].value != '}')
                ++i;
            if (i == chars_.size())
                return ErrorAt(open, open + 1, "で始まる注釈が「}」で閉じていません");
            ++i;
        } else if (c == ';') {
            while (i < chars_.size() && chars_[i].value != '\n' && chars_[i].value != '\r')
                ++i;
        } else if (c == '[') {
            if (auto error = LexTag(i))
                return error;
        } else {
            const std::size_t begin = i;
            while (i < chars_.size() && !IsSeparator(chars_[i].value) && chars_[i].value != '{' &&
                   chars_[i].value != ';' && chars_[i].value != '[')
                ++i;
            tokens_.push_back({begin, i});
        }
    }
    return std::nullopt;
}

std::vector<std::vector<Token>> Reader::TokenLines() const
{
    std::vector<std::vector<Token>> lines;
    int line = 0;
    for (const Token& t : tokens_) {
        if (lines.empty() || chars_[t.begin].line != line) {
            lines.emplace_back();
            line = chars_[t.begin].line;
        }
        lines.back().push_back(t);
    }
    return lines;
}

// The characters of a line's tokens, and how they read as a diagram row.
struct RowReading {
    std::vector<std::size_t> chars;     // indices into the character list
    std::vector<Point> points;          // Empty, Black or White, in order
    std::optional<std::size_t> foreign; // the first character that is no point or connector
};

RowReading ReadRow(const std::vector<Char>& chars, const std::vector<Token>& line)
{
    RowReading row;
    for (const Token& t : line)
        for (std::size_t k = t.begin; k < t.end; ++k)
            row.chars.push_back(k);
    // Row numbers may stand at either end.
    std::size_t first = 0;
    std::size_t last = row.chars.size();
    while (first < last && IsDigit(chars[row.chars[first]].value))
        ++first;
    while (last > first && IsDigit(chars[row.chars[last - 1]].value))
        --last;
    for (std::size_t k = first; k < last; ++k) {
        const Point p = PointOf(chars[row.chars[k]].value);
        if (p == Point::None) {
            if (!row.foreign)
                row.foreign = row.chars[k];
        } else if (p != Point::Connector) {
            row.points.push_back(p);
        }
    }
    return row;
}

bool IsColumnLetters(const std::vector<Char>& chars, const std::vector<Token>& line)
{
    std::string letters;
    for (const Token& t : line)
        for (std::size_t k = t.begin; k < t.end; ++k) {
            const char32_t c = chars[k].value;
            if (!IsLetter(c))
                return false;
            letters += static_cast<char>(c | 0x20);
        }
    return letters == "abcdefghijklmno";
}

std::optional<ReadError> Reader::ReadDiagram(const std::vector<std::vector<Token>>& lines)
{
    content_.kind = Content::Kind::Position;
    int rows = 0;
    for (const auto& line : lines) {
        if (IsColumnLetters(chars_, line))
            continue;
        const RowReading row = ReadRow(chars_, line);
        if (row.foreign) {
            // Name the whole token that holds the stray character.
            for (const Token& t : line)
                if (*row.foreign >= t.begin && *row.foreign < t.end)
                    return ErrorAt(t.begin, t.end, "は盤面図の点として読めません");
        }
        const Char& start = chars_[line.front().begin];
        if (row.points.size() != static_cast<std::size_t>(BoardLines)) {
            ReadError error = ErrorAt(line.front().begin, line.back().end, "");
            error.message = std::to_string(start.line) + "行目の盤面図の行には点が" +
                            std::to_string(row.points.size()) +
                            "個あります（1行に15個の点が要ります）";
            return error;
        }
        ++rows;
        if (rows > BoardLines) {
            ReadError error = ErrorAt(line.front().begin, line.back().end, "");
            error.message = std::to_string(start.line) +
                            "行目: 盤面図の行が15行より多くあります（15行の図が要ります）";
            return error;
        }
        for (int column = 1; column <= BoardLines; ++column) {
            const CellIndex cell = MakeCell(column, rows);
            const Point p = row.points[static_cast<std::size_t>(column - 1)];
            if (p == Point::Black)
                content_.black.push_back(cell);
            else if (p == Point::White)
                content_.white.push_back(cell);
        }
    }
    if (rows != BoardLines) {
        ReadError error;
        error.message = "盤面図の行が" + std::to_string(rows) + "行です（15行の図が要ります）";
        error.line = chars_.empty() ? 0 : chars_.back().line;
        error.offset = bytes_.size();
        return error;
    }
    return std::nullopt;
}

struct Item {
    enum class Kind { Number, Move, Dash, PassWord };
    Kind kind;
    CellIndex cell;
    std::size_t begin; // the characters that wrote it
    std::size_t end;
};

std::optional<ReadError> Reader::ReadMoves()
{
    std::vector<Item> items;
    for (const Token& t : tokens_) {
        std::string lower;
        for (std::size_t k = t.begin; k < t.end; ++k) {
            const char32_t c = chars_[k].value;
            lower += c < 0x80 ? static_cast<char>(c >= 'A' && c <= 'Z' ? c | 0x20 : c) : '?';
        }
        if (lower == "1-0" || lower == "0-1" || lower == "1/2-1/2" || lower == "*")
            continue;
        if (lower == "--") {
            items.push_back({Item::Kind::Dash, Pass, t.begin, t.end});
            continue;
        }
        if (lower == "pass") {
            items.push_back({Item::Kind::PassWord, Pass, t.begin, t.end});
            continue;
        }
        std::size_t k = t.begin;
        while (k < t.end) {
            const std::size_t from = k;
            if (IsDigit(chars_[k].value)) {
                while (k < t.end && IsDigit(chars_[k].value))
                    ++k;
                if (k < t.end && (chars_[k].value == '.' || chars_[k].value == ')'))
                    ++k;
                items.push_back({Item::Kind::Number, Pass, from, k});
            } else if (IsLetter(chars_[k].value)) {
                ++k;
                while (k < t.end && IsDigit(chars_[k].value))
                    ++k;
                if (k == from + 1)
                    return ErrorAt(t.begin, t.end, "は着手として読めません");
                std::string name;
                for (std::size_t m = from; m < k; ++m)
                    name += static_cast<char>(chars_[m].value);
                const auto cell = ParseCellName(name);
                if (!cell)
                    return ErrorAt(from, k, "は盤の外の点です（a1 から o15 まで）");
                items.push_back({Item::Kind::Move, *cell, from, k});
            } else {
                return ErrorAt(t.begin, t.end, "は着手として読めません");
            }
        }
    }

    // A web-site record: every number carries one move and perhaps "--" for the empty half.
    bool numberedHalves = !items.empty() && items.front().kind == Item::Kind::Number;
    bool anyDash = false;
    for (std::size_t k = 0; numberedHalves && k < items.size();) {
        ++k; // the number
        if (k >= items.size() || items[k].kind != Item::Kind::Move) {
            numberedHalves = false;
            break;
        }
        ++k;
        if (k < items.size() && items[k].kind == Item::Kind::Dash) {
            anyDash = true;
            ++k;
        }
        if (k < items.size() && items[k].kind != Item::Kind::Number)
            numberedHalves = false;
    }
    const bool dashIsHalf = numberedHalves && anyDash;

    LineReading stones(content_.moves);
    for (const Item& item : items) {
        switch (item.kind) {
        case Item::Kind::Number:
            break;
        case Item::Kind::Dash:
            if (!dashIsHalf)
                content_.moves.push_back(Pass);
            break;
        case Item::Kind::PassWord:
            content_.moves.push_back(Pass);
            break;
        case Item::Kind::Move:
            if (!stones.Place(item.cell))
                return ErrorAt(item.begin, item.end, "の点にはすでに石があります");
            break;
        }
    }
    return std::nullopt;
}

ReadResult Reader::Read()
{
    ReadResult result;
    if (auto error = Lex()) {
        result.error = std::move(error);
        return result;
    }
    const auto lines = TokenLines();
    // Any line of five or more points and nothing else makes the text a diagram.
    const bool diagram = std::any_of(lines.begin(), lines.end(), [&](const auto& line) {
        const RowReading row = ReadRow(chars_, line);
        return !row.foreign && row.points.size() >= 5;
    });
    if (auto error = diagram ? ReadDiagram(lines) : ReadMoves()) {
        result.error = std::move(error);
        return result;
    }
    result.content = std::move(content_);
    return result;
}

std::vector<Char> Located(const std::vector<Utf8Char>& decoded)
{
    std::vector<Char> chars;
    chars.reserve(decoded.size());
    int line = 1;
    int column = 1;
    for (std::size_t k = 0; k < decoded.size(); ++k) {
        char32_t c = decoded[k].value;
        if (c >= 0xFF01 && c <= 0xFF5E) // full-width ASCII, as Japanese input methods type it
            c = c - 0xFF01 + 0x21;
        chars.push_back({c, decoded[k].offset, line, column});
        const bool crlf = c == '\r' && k + 1 < decoded.size() && decoded[k + 1].value == '\n';
        if ((c == '\n' || c == '\r') && !crlf) {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return chars;
}

bool IsTagName(const std::string& name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return IsLetter(static_cast<unsigned char>(c)) || IsDigit(static_cast<unsigned char>(c)) ||
               c == '_';
    });
}

std::string TagLine(const Tag& tag)
{
    std::string line = "[" + tag.name + " \"";
    for (char c : tag.value) {
        if (c == '"' || c == '\\')
            line += '\\';
        line += c;
    }
    return line + "\"]\n";
}

} // namespace

ReadResult ReadText(std::string_view bytes)
{
    const Utf8Decoded decoded = DecodeUtf8(bytes);
    if (decoded.badOffset) {
        ReadResult result;
        ReadError error;
        error.message = NotUtf8Message(*decoded.badOffset);
        error.offset = *decoded.badOffset;
        result.error = std::move(error);
        return result;
    }
    return Reader(bytes, Located(decoded.chars)).Read();
}

std::string WriteMoves(const std::vector<CellIndex>& moves)
{
    std::string text;
    for (const CellIndex cell : moves) {
        if (!text.empty())
            text += ' ';
        text += cell == Pass ? "--" : CellName(cell);
    }
    return text;
}

WriteResult WriteText(const Content& content)
{
    WriteResult result;
    const bool isLine = content.kind == Content::Kind::Line;
    const std::string opening = isLine ? OpeningName(content.moves) : std::string();
    for (const Tag& tag : content.tags) {
        if (!IsTagName(tag.name) || tag.value.find_first_of("\r\n") != std::string::npos) {
            result.refusal = "タグ「" + tag.name + "」はテキストの棋譜に書けません";
            return result;
        }
        if (!opening.empty() && tag.name == "Opening")
            continue; // the opening the moves form is written below
        result.bytes += TagLine(tag);
    }
    if (!opening.empty())
        result.bytes += TagLine({"Opening", opening});
    if (isLine) {
        for (const CellIndex cell : content.moves)
            if (cell != Pass && !IsBoardCell(cell)) {
                result.refusal = "盤の外の点を含む棋譜は書けません";
                return result;
            }
        result.bytes += WriteMoves(content.moves) + "\n";
        return result;
    }
    std::array<char, CellTableSize> shown;
    shown.fill('.');
    for (const CellIndex cell : content.black)
        if (IsBoardCell(cell))
            shown[static_cast<std::size_t>(cell)] = 'x';
    for (const CellIndex cell : content.white)
        if (IsBoardCell(cell))
            shown[static_cast<std::size_t>(cell)] = 'o';
    for (int row = 1; row <= BoardLines; ++row) {
        const int number = BoardLines + 1 - row;
        result.bytes += (number < 10 ? " " : "") + std::to_string(number);
        for (int column = 1; column <= BoardLines; ++column) {
            result.bytes += ' ';
            result.bytes += shown[static_cast<std::size_t>(MakeCell(column, row))];
        }
        result.bytes += '\n';
    }
    result.bytes += "   a b c d e f g h i j k l m n o\n";
    return result;
}

} // namespace notation
