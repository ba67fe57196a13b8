#include "Notation/Psq.h"

#include <array>
#include <optional>
#include <string>

namespace notation {

namespace {

ReadError LineError(int line, std::size_t offset, std::string_view text, const std::string& what)
{
    ReadError error;
    error.line = line;
    error.column = 1;
    error.offset = offset;
    // A .psq is ASCII; anything else is shown as '?' so that the message stays readable text.
    for (const char c : text.substr(0, 60))
        error.token += c >= 0x20 && c < 0x7F ? c : '?';
    error.message = std::to_string(line) + "行目の「" + error.token + "」" + what;
    return error;
}

// A run of decimal digits, as a number; nullopt when there is none or it is absurdly long.
std::optional<int> Number(std::string_view& text)
{
    std::size_t k = 0;
    int value = 0;
    while (k < text.size() && text[k] >= '0' && text[k] <= '9' && k < 6)
        value = value * 10 + (text[k++] - '0');
    if (k == 0 || (k < text.size() && text[k] >= '0' && text[k] <= '9'))
        return std::nullopt;
    text.remove_prefix(k);
    return value;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

// "x,y" or "x,y,time": the column and row, or nullopt when the line is no move.
std::optional<std::array<int, 2>> MoveLine(std::string_view text)
{
    const auto x = Number(text);
    if (!x || text.empty() || text.front() != ',')
        return std::nullopt;
    text.remove_prefix(1);
    const auto y = Number(text);
    if (!y)
        return std::nullopt;
    if (!text.empty()) {
        if (text.front() != ',')
            return std::nullopt;
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            text.remove_prefix(1);
        if (!Number(text) || !text.empty())
            return std::nullopt;
    }
    return std::array<int, 2>{*x, *y};
}

} // namespace

ReadResult ReadPsq(std::string_view bytes)
{
    ReadResult result;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    std::size_t offset = 0;
    int line = 0;
    auto nextLine = [&](std::string_view& text) {
        if (offset >= bytes.size())
            return false;
        const std::size_t end = bytes.find('\n', offset);
        text = bytes.substr(offset,
                            end == std::string_view::npos ? bytes.size() - offset : end - offset);
        ++line;
        return true;
    };

    std::string_view text;
    if (!nextLine(text) || Trimmed(text).substr(0, 9) != "Piskvorky") {
        result.error = LineError(1, 0, Trimmed(text.substr(0, 40)),
                                 "は Piskvork の棋譜の1行目（Piskvorky 15x15, …）ではありません");
        return result;
    }
    std::string_view size = Trimmed(text).substr(9);
    while (!size.empty() && size.front() == ' ')
        size.remove_prefix(1);
    const std::string_view sizeText = size.substr(0, size.find(','));
    const auto width = Number(size);
    std::optional<int> height;
    if (width && !size.empty() && (size.front() == 'x' || size.front() == 'X')) {
        size.remove_prefix(1);
        height = Number(size);
    }
    if (!width || !height) {
        result.error = LineError(1, 0, Trimmed(text), "から盤の大きさを読めません");
        return result;
    }
    if (*width != BoardLines || *height != BoardLines) {
        result.error = LineError(1, 0, sizeText, "");
        result.error->message = "盤の大きさが" + std::to_string(*width) + "×" +
                                std::to_string(*height) + "です。読めるのは15×15の盤だけです";
        return result;
    }

    LineReading stones(result.content.moves);
    offset += text.size() + 1;
    while (nextLine(text)) {
        const std::size_t start = offset;
        offset += text.size() + 1;
        const auto move = MoveLine(Trimmed(text));
        if (!move)
            break; // program names and the closing number
        const int x = (*move)[0];
        const int y = (*move)[1];
        if (x < 1 || x > BoardLines || y < 1 || y > BoardLines) {
            result.error = LineError(line, start, Trimmed(text), "は盤の外の点です");
            return result;
        }
        if (!stones.Place(MakeCell(x, y))) {
            result.error = LineError(line, start, Trimmed(text), "の点にはすでに石があります");
            return result;
        }
    }
    return result;
}

WriteResult WritePsq(const Content& content)
{
    WriteResult result;
    const std::vector<CellIndex> moves = LineOf(content);
    result.bytes = "Piskvorky 15x15, 11:11, 0\r\n";
    for (const CellIndex cell : moves) {
        if (cell == Pass) {
            result.refusal = content.kind == Content::Kind::Line
                                 ? "Piskvork の棋譜にはパスを書けません"
                                 : "黒石と白石の数が交互に打った数にならない局面は Piskvork "
                                   "の棋譜に書けません";
            result.bytes.clear();
            return result;
        }
        if (!IsBoardCell(cell)) {
            result.refusal = "盤の外の点を含む棋譜は書けません";
            result.bytes.clear();
            return result;
        }
        result.bytes +=
            std::to_string(CellColumn(cell)) + "," + std::to_string(CellRow(cell)) + ",0\r\n";
    }
    return result;
}

} // namespace notation
