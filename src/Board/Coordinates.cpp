#include "Board/Coordinates.h"

#include <cctype>

std::string CellName(CellIndex cell)
{
    std::string name(1, static_cast<char>('a' + CellColumn(cell) - 1));
    name += std::to_string(BoardLines + 1 - CellRow(cell));
    return name;
}

std::string CellNameUpper(CellIndex cell)
{
    std::string name = CellName(cell);
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

std::optional<CellIndex> ParseCellName(std::string_view token)
{
    if (token.size() < 2 || token.size() > 3)
        return std::nullopt;
    const int letter = std::tolower(static_cast<unsigned char>(token[0]));
    if (letter < 'a' || letter >= 'a' + BoardLines)
        return std::nullopt;
    if (token[1] == '0')
        return std::nullopt;
    int number = 0;
    for (char ch : token.substr(1)) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        number = number * 10 + (ch - '0');
    }
    if (number < 1 || number > BoardLines)
        return std::nullopt;
    return MakeCell(letter - 'a' + 1, BoardLines + 1 - number);
}
