// Bounded stores into the lists of a ThreatRecord, and the checks on the analysis inputs.
// A count may run past its list's slots (many fours or threes on several lines at once);
// the count stays right, but nothing is written beyond the list.
#pragma once

#include "GtRen/GtRen.h"

#include <cstdint>

namespace gtren_detail {

// Levels that may be filled; the blank template is never one of them.
inline bool IsFillableLevel(std::int32_t level)
{
    return level >= 0 && level < BlankThreatLevel;
}

inline bool IsColour(std::int32_t colour)
{
    return colour == CellBlack || colour == CellWhite;
}

// The unsigned compare also refuses a negative slot.
inline bool SlotFits(std::int32_t slot, int slots)
{
    return static_cast<std::uint32_t>(slot) < static_cast<std::uint32_t>(slots);
}

inline void StoreFourPoint(ThreatRecord& record, std::int32_t slot, CellIndex point)
{
    if (SlotFits(slot, FourPointSlots))
        record.FourPoints[slot] = point;
}

inline void StoreOpenThree(ThreatRecord& record, std::int32_t slot, const OpenThreeEntry& entry)
{
    if (SlotFits(slot, OpenThreeSlots))
        record.OpenThrees[slot] = entry;
}

inline void StoreClosedThree(ThreatRecord& record, std::int32_t slot, const ClosedThreeEntry& entry)
{
    if (SlotFits(slot, ClosedThreeSlots))
        record.ClosedThrees[slot] = entry;
}

} // namespace gtren_detail
