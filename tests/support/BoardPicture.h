// The board as a picture: fifteen rows of fifteen characters, row 1 first, column 1
// leftmost; '.' empty, 'X' black, 'O' white, '#' anything else.
#pragma once

#include <string>
#include <vector>

#include "main/State.h"

using BoardRowsPicture = std::vector<std::string>;

inline BoardRowsPicture BoardPicture()
{
    BoardRowsPicture rows;
    for (int row = 1; row <= BoardLines; ++row) {
        std::string line;
        for (int column = 1; column <= BoardLines; ++column) {
            const int cell = BoardCells[MakeCell(column, row)];
            line += cell == CellEmpty   ? '.'
                    : cell == CellBlack ? 'X'
                    : cell == CellWhite ? 'O'
                                        : '#';
        }
        rows.push_back(line);
    }
    return rows;
}
