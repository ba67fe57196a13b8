// What a record in the players' notation holds, and what reading or writing one gives back.
// Plain C++: the window, the clipboard and the command line all go through these values.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Board/Cell.h"

namespace notation {

// A move that places no stone; no board cell has this index.
constexpr CellIndex Pass = 0;

struct Tag {
    std::string name;
    std::string value;
    bool operator==(const Tag& other) const { return name == other.name && value == other.value; }
};

// Either a line of moves, black first, or a position of placed stones.
struct Content {
    enum class Kind { Line, Position };
    Kind kind = Kind::Line;
    std::vector<CellIndex> moves; // a line: cells in order, Pass for a pass
    std::vector<CellIndex> black; // a position
    std::vector<CellIndex> white;
    std::vector<Tag> tags; // in the order they were read
};

// Where reading stopped: a message for the user, and the place and token it names.
// line and column count from 1 (the column in characters); 0 where the form has no lines.
struct ReadError {
    std::string message;
    int line = 0;
    int column = 0;
    std::size_t offset = 0; // in bytes from the start of the input
    std::string token;
};

struct ReadResult {
    Content content;
    std::optional<ReadError> error; // the one error that stopped reading
    bool ok() const { return !error; }
};

struct WriteResult {
    std::string bytes;
    std::string refusal; // empty when written
    bool ok() const { return refusal.empty(); }
};

// The moves of a content as one line: a position's stones alternate black first, with passes
// where one colour has run out.
std::vector<CellIndex> LineOf(const Content& content);

// The stones of a line of moves as it is read: each point takes one stone.
class LineReading {
public:
    explicit LineReading(std::vector<CellIndex>& moves) : moves_(moves) {}
    // Appends the move; false, appending nothing, where a stone already stands on the point.
    bool Place(CellIndex cell);

private:
    std::vector<CellIndex>& moves_;
    std::array<bool, CellTableSize> taken_{};
};

} // namespace notation
