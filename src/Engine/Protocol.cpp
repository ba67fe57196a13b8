#include "Engine/Protocol.h"

#include <cctype>
#include <charconv>

#include "Renju/Renju.h"

namespace engine {

namespace {

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

// The keyword at the head of a line, any case, followed by a space or the end.
bool TakeKeyword(std::string_view& s, std::string_view keyword)
{
    if (s.size() < keyword.size())
        return false;
    for (std::size_t i = 0; i < keyword.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(s[i])) != keyword[i])
            return false;
    if (s.size() > keyword.size() && s[keyword.size()] != ' ' && s[keyword.size()] != '\t')
        return false;
    s = Trim(s.substr(keyword.size()));
    return true;
}

std::optional<int> ToInt(std::string_view s)
{
    s = Trim(s);
    int value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size() || s.empty())
        return std::nullopt;
    return value;
}

std::vector<std::string_view> Split(std::string_view s, char separator)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = s.find(separator);
        parts.push_back(Trim(s.substr(0, at)));
        if (at == std::string_view::npos)
            return parts;
        s.remove_prefix(at + 1);
    }
}

std::vector<CellIndex> ParsePoints(std::string_view s)
{
    std::vector<CellIndex> moves;
    for (std::string_view token : Split(Trim(s), ' ')) {
        if (token.empty())
            continue;
        const std::optional<CellIndex> cell = ParseEnginePoint(token);
        if (!cell)
            break; // a pass or the end of what the engine could name
        moves.push_back(*cell);
    }
    return moves;
}

// "8-9" or "8".
void ParseDepth(std::string_view s, std::optional<int>& depth, std::optional<int>* selective)
{
    const std::size_t dash = s.find('-', 1);
    depth = ToInt(s.substr(0, dash));
    if (selective && dash != std::string_view::npos)
        *selective = ToInt(s.substr(dash + 1));
}

void ParseMessage(std::string_view text, Line& line)
{
    std::string_view s = text;
    if (s.substr(0, 12) == "[Pondering] ")
        s.remove_prefix(12);
    if (TakeKeyword(s, "BESTLINE")) {
        line.mainLine = MainLine{0, ParsePoints(s), {}, {}};
        return;
    }
    if (s.size() > 2 && s[0] == '(') {
        // YXNBEST: (rank) eval | depth-seldepth | moves
        const std::size_t close = s.find(')');
        const std::optional<int> rank =
            close == std::string_view::npos ? std::nullopt : ToInt(s.substr(1, close - 1));
        const std::vector<std::string_view> fields = Split(s.substr(close + 1), '|');
        if (rank && fields.size() == 3) {
            MainLine ml{*rank, ParsePoints(fields[2]), std::string(fields[0]), {}};
            ParseDepth(fields[1], ml.depth, nullptr);
            line.mainLine = std::move(ml);
        }
        return;
    }
    if (s.find('|') == std::string_view::npos)
        return;
    SearchReport report;
    for (std::string_view field : Split(s, '|')) {
        const std::size_t space = field.find(' ');
        if (space == std::string_view::npos)
            continue;
        const std::string_view key = field.substr(0, space);
        const std::string_view value = Trim(field.substr(space + 1));
        if (key == "Depth")
            ParseDepth(value, report.depth, &report.selectiveDepth);
        else if (key == "Eval")
            report.eval = value;
        else if (key == "Speed")
            report.speed = value;
        else if (key == "Node" || key == "Visit")
            report.nodes = value;
        else if (key == "Time")
            report.time = value;
    }
    if (report.depth || !report.eval.empty())
        line.report = std::move(report);
}

} // namespace

std::vector<BoardStone> OrderStones(const Position& position)
{
    const std::int32_t* board = position.board;
    bool isPlayed[CellTableSize] = {};
    std::vector<BoardStone> played;
    for (CellIndex cell : position.played) {
        // A move later taken off or turned in stone placement is what the board now holds.
        if (!IsBoardCell(cell) || isPlayed[cell] ||
            (board[cell] != CellBlack && board[cell] != CellWhite))
            continue;
        isPlayed[cell] = true;
        played.push_back({cell, board[cell]});
    }
    std::vector<CellIndex> placed[3];
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        if (IsBoardCell(cell) && !isPlayed[cell] &&
            (board[cell] == CellBlack || board[cell] == CellWhite))
            placed[board[cell]].push_back(cell);

    std::vector<BoardStone> out;
    int expected = CellBlack;
    const auto push = [&](CellIndex cell, int colour) {
        if (colour != expected)
            out.push_back({0, expected});
        out.push_back({cell, colour});
        expected = Opponent(colour);
    };
    std::size_t next[3] = {0, 0, 0};
    while (next[1] < placed[1].size() || next[2] < placed[2].size()) {
        const int c = next[expected] < placed[expected].size() ? expected : Opponent(expected);
        push(placed[c][next[c]++], c);
    }
    for (const BoardStone& stone : played)
        push(stone.cell, stone.colour);
    if (expected != position.sideToMove)
        out.push_back({0, expected});
    return out;
}

std::string StartCommand()
{
    return "START 15";
}

std::string InfoCommand(std::string_view key, long long value)
{
    return "INFO " + std::string(key) + " " + std::to_string(value);
}

std::string BoardCommand(const Position& position, std::string_view keyword)
{
    std::string text = std::string(keyword) + "\n";
    for (const BoardStone& stone : OrderStones(position)) {
        if (stone.IsPass())
            text += "-1,-1";
        else
            text += std::to_string(CellColumn(stone.cell) - 1) + "," +
                    std::to_string(CellRow(stone.cell) - 1);
        text += stone.colour == position.sideToMove ? ",1\n" : ",2\n";
    }
    return text + "DONE\n";
}

Line ParseLine(std::string_view raw)
{
    Line line;
    std::string_view s = Trim(raw);
    if (s.empty()) {
        line.kind = LineKind::Empty;
        return line;
    }
    static constexpr std::pair<std::string_view, LineKind> Keywords[] = {
        {"OK", LineKind::Ok},           {"ERROR", LineKind::Error}, {"UNKNOWN", LineKind::Unknown},
        {"MESSAGE", LineKind::Message}, {"DEBUG", LineKind::Debug}, {"FORBID", LineKind::Forbid},
    };
    for (const auto& [keyword, kind] : Keywords) {
        if (TakeKeyword(s, keyword)) {
            line.kind = kind;
            line.text = s;
            if (kind == LineKind::Message)
                ParseMessage(s, line);
            return line;
        }
    }
    const std::vector<std::string_view> parts = Split(s, ',');
    if (parts.size() == 2) {
        const std::optional<int> x = ToInt(parts[0]), y = ToInt(parts[1]);
        if (x && y) {
            line.kind = LineKind::Move;
            line.x = *x;
            line.y = *y;
            line.move = CellOfPoint(*x, *y);
            return line;
        }
    }
    if (s.find("name=\"") != std::string_view::npos) {
        line.kind = LineKind::About;
        line.text = s;
        return line;
    }
    line.text = s;
    return line; // Garbage
}

std::string AboutField(std::string_view about, std::string_view key)
{
    const std::string pattern = std::string(key) + "=\"";
    std::size_t at = 0;
    while ((at = about.find(pattern, at)) != std::string_view::npos) {
        // A whole key: at the start or after a separator, so "name" is not "nickname".
        if (at == 0 || about[at - 1] == ' ' || about[at - 1] == ',') {
            const std::size_t from = at + pattern.size();
            const std::size_t to = about.find('"', from);
            return std::string(about.substr(from, to == std::string_view::npos ? to : to - from));
        }
        at += pattern.size();
    }
    return {};
}

std::optional<CellIndex> CellOfPoint(int x, int y)
{
    if (x < 0 || x >= BoardLines || y < 0 || y >= BoardLines)
        return std::nullopt;
    return MakeCell(x + 1, y + 1);
}

std::optional<CellIndex> ParseEnginePoint(std::string_view token)
{
    if (token.size() < 2)
        return std::nullopt;
    const int letter = std::toupper(static_cast<unsigned char>(token[0]));
    const std::optional<int> number = ToInt(token.substr(1));
    if (letter < 'A' || !number || token[1] == '+' || token[1] == '-')
        return std::nullopt;
    return CellOfPoint(letter - 'A', *number - 1);
}

MoveCheck CheckMove(const Position& position, int x, int y)
{
    const std::optional<CellIndex> cell = CellOfPoint(x, y);
    if (!cell)
        return MoveCheck::OffBoard;
    if (position.board[*cell] != CellEmpty)
        return MoveCheck::Occupied;
    if (position.sideToMove == CellBlack && renju::IsForbidden(position.board, *cell))
        return MoveCheck::ForbiddenToBlack;
    return MoveCheck::Legal;
}

} // namespace engine
