// Shared by the notation tests: moves written as players write them, games of any length, the
// round trip of a game through a writer and its reader, and a refusal's message.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Board/Coordinates.h"
#include "Notation/Content.h"

namespace fixtures {

// "h8 h9 -- i8" as cells; "--" is a pass.
inline std::vector<CellIndex> Moves(const std::string& text)
{
    std::vector<CellIndex> moves;
    std::istringstream in(text);
    std::string word;
    while (in >> word)
        moves.push_back(word == "--" ? notation::Pass : *ParseCellName(word));
    return moves;
}

// A game of `length` distinct points (at most 225), spread over the whole board.
inline std::vector<CellIndex> Game(int length)
{
    std::vector<CellIndex> moves;
    for (int k = 0; k < length; ++k) {
        const int n = (k * 7) % 225; // 7 is prime to 225, so no point repeats
        moves.push_back(MakeCell(n % 15 + 1, n / 15 + 1));
    }
    return moves;
}

// The game written and read back gives the same moves; a failure says which step broke.
inline ::testing::AssertionResult
ReadsBack(notation::ReadResult (*read)(std::string_view),
          notation::WriteResult (*write)(const notation::Content&), const notation::Content& game)
{
    const auto written = write(game);
    if (!written.ok())
        return ::testing::AssertionFailure() << "refused: " << written.refusal;
    const auto back = read(written.bytes);
    if (!back.ok())
        return ::testing::AssertionFailure() << "not read back: " << back.error->message;
    if (back.content.moves != game.moves)
        return ::testing::AssertionFailure() << "other moves read back";
    return ::testing::AssertionSuccess();
}

// Reading stopped with exactly this message.
inline ::testing::AssertionResult RefusedWith(const notation::ReadResult& result,
                                              const std::string& message)
{
    if (result.ok())
        return ::testing::AssertionFailure() << "read without an error";
    if (result.error->message != message)
        return ::testing::AssertionFailure() << "refused with " << result.error->message;
    return ::testing::AssertionSuccess();
}

} // namespace fixtures
