#include "model/week_move.h"

#include <algorithm>

namespace {

// True when the entry starts at the bar's first second rather than running on into it from
// the row before (Sunday's before Monday's).
bool StartsOn(std::span<const WeekSegment> segments, const WeekSegment& bar) {
    const int previous = bar.day == 1 ? 7 : bar.day - 1;
    return bar.first > 0 || std::none_of(segments.begin(), segments.end(), [&](const WeekSegment& s) {
               return s.slot == bar.slot && s.day == previous && s.end == kSecondsPerDay;
           });
}

// True when the entry stops at the bar's end rather than running on into the next row
// (Monday's after Sunday's).
bool StopsOn(std::span<const WeekSegment> segments, const WeekSegment& bar) {
    const int next = bar.day == 7 ? 1 : bar.day + 1;
    return bar.end < kSecondsPerDay || std::none_of(segments.begin(), segments.end(), [&](const WeekSegment& s) {
               return s.slot == bar.slot && s.day == next && s.first == 0;
           });
}

}  // namespace

StripHit HitEntry(std::span<const WeekSegment> segments, int day, std::uint32_t secondOfDay,
                  std::uint32_t tolerance) {
    tolerance = std::min(tolerance, kSecondsPerDay);
    const WeekSegment* top = nullptr;
    for (const WeekSegment& bar : segments) {
        if (bar.day == day && bar.first <= secondOfDay && secondOfDay < bar.end) top = &bar;
    }
    if (top != nullptr) {
        // A third of the bar at most for each end, so the middle can always be grabbed to move.
        const std::uint32_t zone = std::min(tolerance, (top->end - top->first) / 3);
        const int slot = static_cast<int>(top->slot);
        if (secondOfDay < top->first + zone && StartsOn(segments, *top)) return {slot, EntryPart::Start};
        if (secondOfDay >= top->end - zone && StopsOn(segments, *top)) return {slot, EntryPart::Stop};
        return {slot, EntryPart::Body};
    }
    // Off the bars: an end just beside the point; on a tie the bar drawn later wins.
    StripHit hit;
    std::uint32_t nearest = tolerance;
    for (const WeekSegment& bar : segments) {
        if (bar.day != day) continue;
        if (secondOfDay < bar.first && bar.first - secondOfDay <= nearest && StartsOn(segments, bar)) {
            nearest = bar.first - secondOfDay;
            hit = {static_cast<int>(bar.slot), EntryPart::Start};
        } else if (secondOfDay >= bar.end && secondOfDay - bar.end + 1 <= nearest && StopsOn(segments, bar)) {
            nearest = secondOfDay - bar.end + 1;
            hit = {static_cast<int>(bar.slot), EntryPart::Stop};
        }
    }
    return hit;
}
