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

} // namespace notation
