#include "Notation/Pos.h"

#include <cstdio>
#include <string>

namespace notation {

namespace {

constexpr int BoardPoints = BoardLines * BoardLines;

ReadError ByteError(std::size_t offset, const std::string& message, std::string token)
{
    ReadError error;
    error.offset = offset;
    error.message = message;
    error.token = std::move(token);
    return error;
}

std::string Hex(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

} // namespace

ReadResult ReadPos(std::string_view bytes)
{
    ReadResult result;
    if (bytes.empty()) {
        result.error =
            ByteError(0, "空のファイルです（.pos の先頭には手数の1バイトが要ります）", "");
        return result;
    }
    const auto count = static_cast<unsigned char>(bytes[0]);
    if (bytes.size() - 1 < count) {
        result.error = ByteError(bytes.size(),
                                 "手数は" + std::to_string(count) + "とありますが、" +
                                     std::to_string(bytes.size() - 1) + "手分しかありません",
                                 "");
        return result;
    }
    LineReading stones(result.content.moves);
    for (std::size_t k = 1; k <= count; ++k) {
        const auto byte = static_cast<unsigned char>(bytes[k]);
        if (byte == PosPass) {
            result.content.moves.push_back(Pass);
            continue;
        }
        const std::string where =
            std::to_string(k + 1) + "バイト目（" + std::to_string(k) + "手目）の";
        if (byte >= BoardPoints) {
            result.content.moves.clear();
            result.error =
                ByteError(k, where + "値" + Hex(byte) + "は盤の点ではありません", Hex(byte));
            return result;
        }
        if (!stones.Place(MakeCell(byte % BoardLines + 1, byte / BoardLines + 1))) {
            result.content.moves.clear();
            result.error = ByteError(k, where + "点にはすでに石があります", Hex(byte));
            return result;
        }
    }
    return result;
}

WriteResult WritePos(const Content& content)
{
    WriteResult result;
    const std::vector<CellIndex> moves = LineOf(content);
    if (moves.size() > 255) {
        result.refusal = std::to_string(moves.size()) + "手の棋譜は .pos に書けません（255手まで）";
        return result;
    }
    result.bytes.push_back(static_cast<char>(moves.size()));
    for (const CellIndex cell : moves) {
        if (cell != Pass && !IsBoardCell(cell)) {
            result.refusal = "盤の外の点を含む棋譜は書けません";
            result.bytes.clear();
            return result;
        }
        const int byte =
            cell == Pass ? PosPass : (CellRow(cell) - 1) * BoardLines + CellColumn(cell) - 1;
        result.bytes.push_back(static_cast<char>(byte));
    }
    return result;
}

} // namespace notation
