#include "Notation/Content.h"

#include <algorithm>

namespace notation {

std::vector<CellIndex> LineOf(const Content& content)
{
    if (content.kind == Content::Kind::Line)
        return content.moves;
    std::vector<CellIndex> moves;
    const std::size_t turns = std::max(content.black.size(), content.white.size());
    for (std::size_t k = 0; k < turns; ++k) {
        moves.push_back(k < content.black.size() ? content.black[k] : Pass);
        if (k < content.white.size())
            moves.push_back(content.white[k]);
        else if (k + 1 < turns)
            moves.push_back(Pass);
    }
    return moves;
}

bool LineReading::Place(CellIndex cell)
{
    bool& taken = taken_[static_cast<std::size_t>(cell)];
    if (taken)
        return false;
    taken = true;
    moves_.push_back(cell);
    return true;
}

} // namespace notation
