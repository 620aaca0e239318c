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

int FirstOverlap(std::span<const ScheduleEntry> entries, WeekTime candidateStart, WeekTime candidateStop,
                 int excludeIndex) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (excludeIndex >= 0 && i == static_cast<std::size_t>(excludeIndex)) continue;
        if (Overlaps(entries[i].start, entries[i].stop, candidateStart, candidateStop)) return static_cast<int>(i);
    }
    return -1;
}

bool FitsSchedule(std::span<const ScheduleEntry> entries, WeekTime candidateStart, WeekTime candidateStop,
                  int excludeIndex) {
    return FirstOverlap(entries, candidateStart, candidateStop, excludeIndex) < 0;
}
