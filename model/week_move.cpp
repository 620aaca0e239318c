#include "model/week_move.h"

#include <algorithm>

#include "model/copy_to_days.h"
#include "model/entry_texts.h"
#include "model/overlap.h"
#include "model/translation.h"

namespace {

// Signed arithmetic, so drags either way and ends counted on past Sunday need no care.
constexpr std::int64_t kWeek = kSecondsPerWeek;
constexpr std::int64_t kDay = kSecondsPerDay;

std::int64_t GridOf(std::uint32_t step) { return std::clamp<std::int64_t>(step, 1, kDay); }

bool OnTheWeek(const ScheduleEntry& entry) { return entry.start < kSecondsPerWeek && entry.stop < kSecondsPerWeek; }

// t taken round the week into 0..604799.
WeekTime Wrap(std::int64_t t) { return static_cast<WeekTime>(((t % kWeek) + kWeek) % kWeek); }

// The seconds from start to stop, 1..604800; a whole-week entry has all 604800.
std::int64_t LengthOf(const ScheduleEntry& entry) {
    return entry.start == entry.stop ? kWeek : Wrap(std::int64_t{entry.stop} - entry.start);
}

// The grid line at or before t, for t of either sign.
std::int64_t GridLineBelow(std::int64_t t, std::int64_t grid) {
    const std::int64_t remainder = ((t % grid) + grid) % grid;
    return t - remainder;
}

// The grid line nearest to t, halves rounding up, as SnapToGrid does.
std::int64_t NearestGridLine(std::int64_t t, std::int64_t grid) { return GridLineBelow(t + grid / 2, grid); }

// The steps-th grid line after t (before it when negative); t itself for no steps.
std::int64_t GridLinesOn(std::int64_t t, int steps, std::int64_t grid) {
    if (steps == 0) return t;
    const std::int64_t below = GridLineBelow(t, grid);
    const std::int64_t above = below == t ? t : below + grid;
    return (steps > 0 ? below : above) + steps * grid;
}

// The length a resize may give an entry that was `was` long: one step to a week less a step,
// or no further outside that than it already was.
std::int64_t ResizedLength(std::int64_t wanted, std::int64_t was, std::int64_t grid) {
    return std::clamp(wanted, std::min(grid, was), std::max(kWeek - grid, was));
}

// The entry from start for length seconds, both ends taken round the week.
ScheduleEntry WithSpan(const ScheduleEntry& entry, std::int64_t start, std::int64_t length) {
    ScheduleEntry moved = entry;
    moved.start = Wrap(start);
    moved.stop = Wrap(start + length);
    return moved;
}

// The point's second of the week, the point first moved onto the strip.
std::int64_t SecondOfWeek(StripPoint point) {
    const int day = std::clamp(point.day, 1, 7);
    return (day - 1) * kDay + std::min<std::int64_t>(point.secondOfDay, kDay);
}

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

StripHit GrabAt(std::span<const WeekSegment> segments, int day, std::uint32_t secondOfDay,
                std::uint32_t tolerance, OptionalSlot drawn) {
    if (!drawn) return {};
    // The drawn bar may begin or end within the pixel under the pointer, a few seconds from
    // the point: the entry's bar nearest to it on the row is the one pressed.
    const WeekSegment* bar = nullptr;
    std::uint32_t nearest = 0;
    for (const WeekSegment& s : segments) {
        if (s.slot != *drawn || s.day != day) continue;
        const std::uint32_t away = secondOfDay < s.first ? s.first - secondOfDay
                                   : secondOfDay >= s.end ? secondOfDay - (s.end - 1)
                                                          : 0;
        if (bar == nullptr || away <= nearest) {
            bar = &s;
            nearest = away;
        }
    }
    if (bar == nullptr) return {drawn, EntryPart::Body};
    const std::uint32_t at = std::clamp(secondOfDay, bar->first, bar->end - 1);
    // A third of the bar at most for each end, so the middle can always be grabbed to move.
    const std::uint32_t zone = std::min(std::min(tolerance, kSecondsPerDay), (bar->end - bar->first) / 3);
    if (at < bar->first + zone && StartsOn(segments, *bar)) return {drawn, EntryPart::Start};
    if (at >= bar->end - zone && StopsOn(segments, *bar)) return {drawn, EntryPart::Stop};
    return {drawn, EntryPart::Body};
}

std::uint32_t DrawFrom(std::span<const WeekSegment> segments, int day, std::uint32_t secondOfDay,
                       std::uint32_t tolerance) {
    std::uint32_t from = secondOfDay;
    std::uint32_t nearest = tolerance;
    for (const WeekSegment& bar : segments) {
        if (bar.day != day) continue;
        if (bar.first <= secondOfDay && secondOfDay < bar.end) return secondOfDay;  // on a bar
        if (secondOfDay >= bar.end && secondOfDay - bar.end <= nearest && StopsOn(segments, bar)) {
            nearest = secondOfDay - bar.end;
            from = bar.end;
        } else if (secondOfDay < bar.first && bar.first - secondOfDay <= nearest && StartsOn(segments, bar)) {
            nearest = bar.first - secondOfDay;
            from = bar.first;
        }
    }
    return from;
}

ScheduleEntry DragEntry(const ScheduleEntry& entry, EntryPart part, StripPoint press, StripPoint pointer,
                        std::uint32_t step) {
    const std::int64_t shift = SecondOfWeek(pointer) - SecondOfWeek(press);
    if (shift == 0 || !OnTheWeek(entry)) return entry;
    const std::int64_t grid = GridOf(step);
    const std::int64_t start = entry.start;
    const std::int64_t length = LengthOf(entry);
    switch (part) {
        case EntryPart::Body:
            return WithSpan(entry, NearestGridLine(start + shift, grid), length);
        case EntryPart::Start: {
            // The stop stays put; the start is counted back from it.
            const std::int64_t stop = start + length;
            const std::int64_t kept = ResizedLength(stop - NearestGridLine(start + shift, grid), length, grid);
            return WithSpan(entry, stop - kept, kept);
        }
        case EntryPart::Stop: {
            const std::int64_t stop = NearestGridLine(start + length + shift, grid);
            return WithSpan(entry, start, ResizedLength(stop - start, length, grid));
        }
        case EntryPart::None:
            break;
    }
    return entry;
}

ScheduleEntry MoveBySteps(const ScheduleEntry& entry, int steps, std::uint32_t step) {
    if (!OnTheWeek(entry)) return entry;
    return WithSpan(entry, GridLinesOn(entry.start, steps, GridOf(step)), LengthOf(entry));
}

ScheduleEntry MoveByDays(const ScheduleEntry& entry, int days) {
    return OnTheWeek(entry) ? ShiftByDays(entry, days) : entry;
}

ScheduleEntry MoveStopBySteps(const ScheduleEntry& entry, int steps, std::uint32_t step) {
    if (!OnTheWeek(entry)) return entry;
    const std::int64_t grid = GridOf(step);
    const std::int64_t start = entry.start;
    const std::int64_t length = LengthOf(entry);
    const std::int64_t stop = GridLinesOn(start + length, steps, grid);
    return WithSpan(entry, start, ResizedLength(stop - start, length, grid));
}

ScheduleEntry MoveStopByDays(const ScheduleEntry& entry, int days, std::uint32_t step) {
    if (!OnTheWeek(entry)) return entry;
    const std::int64_t length = LengthOf(entry);
    return WithSpan(entry, entry.start, ResizedLength(length + days * kDay, length, GridOf(step)));
}

OptionalSlot SlotInTheWay(std::span<const ScheduleEntry> entries, SlotIndex slot, const ScheduleEntry& moved) {
    return FirstOverlap(entries, moved.start, moved.stop, slot);
}

std::string DragTipText(const ScheduleEntry& entry) {
    // TRANSLATORS: an entry's start and stop, each "08:30:00 on Monday".
    return FillIn(Tr("%s to %s"), {WeekTimeText(entry.start), WeekTimeText(entry.stop)});
}
