#include "model/overlap.h"

#include <cstddef>

namespace {
bool Overlaps(WeekTime s, WeekTime e, WeekTime candidateStart, WeekTime candidateStop) {
    if (s == e) return true;  // the existing entry claims the whole week
    if (s < e) {
        if (candidateStart < candidateStop) return candidateStart < e && candidateStop > s;
        // The candidate wraps or is a whole week.
        return candidateStart < e || candidateStop > s;
    }
    // The existing entry wraps past Sunday into Monday.
    return candidateStart >= candidateStop || candidateStart < e || candidateStop > s;
}
}  // namespace

OptionalSlot FirstOverlap(std::span<const ScheduleEntry> entries, WeekTime candidateStart, WeekTime candidateStop,
                          OptionalSlot excluded) {
    for (SlotIndex slot = 0; slot < entries.size(); ++slot) {
        if (slot == excluded) continue;
        if (Overlaps(entries[slot].start, entries[slot].stop, candidateStart, candidateStop)) return slot;
    }
    return std::nullopt;
}

bool FitsSchedule(std::span<const ScheduleEntry> entries, WeekTime candidateStart, WeekTime candidateStop,
                  OptionalSlot excluded) {
    return !FirstOverlap(entries, candidateStart, candidateStop, excluded);
}
