#include "model/week_segments.h"

namespace {

// Appends the bars of the plain interval [from, to) of the week, 0 <= from < to <= 604800.
void AddInterval(std::vector<WeekSegment>& out, WeekTime from, WeekTime to, std::size_t slot) {
    const WeekTime firstDay = from / kSecondsPerDay;
    const WeekTime lastDay = (to - 1) / kSecondsPerDay;  // an end at midnight stays on its day
    for (WeekTime day = firstDay; day <= lastDay; ++day) {
        const WeekTime dayStart = day * kSecondsPerDay;
        const WeekTime first = from > dayStart ? from - dayStart : 0;
        const WeekTime end = to < dayStart + kSecondsPerDay ? to - dayStart : kSecondsPerDay;
        out.push_back(WeekSegment{static_cast<int>(day + 1), first, end, slot});
    }
}

}  // namespace

std::vector<WeekSegment> WeekSegments(std::span<const ScheduleEntry> entries) {
    std::vector<WeekSegment> segments;
    for (std::size_t slot = 0; slot < entries.size(); ++slot) {
        const WeekTime start = entries[slot].start;
        const WeekTime stop = entries[slot].stop;
        if (start >= kSecondsPerWeek || stop >= kSecondsPerWeek) continue;
        if (start == stop) {
            AddInterval(segments, 0, kSecondsPerWeek, slot);
        } else if (start < stop) {
            AddInterval(segments, start, stop, slot);
        } else {
            // Wrapping past Sunday: the Monday part first keeps the bars in day order.
            if (stop > 0) AddInterval(segments, 0, stop, slot);
            AddInterval(segments, start, kSecondsPerWeek, slot);
        }
    }
    return segments;
}

TriggerClass ClassOfTrigger(int code) {
    if (code >= 1 && code <= 4) return TriggerClass::Alarm1;
    if (code >= 5 && code <= 8) return TriggerClass::Alarm2;
    if (code == 9) return TriggerClass::Vmd;
    return TriggerClass::Continuous;
}

OptionalSlot SlotAt(std::span<const WeekSegment> segments, int day, std::uint32_t secondOfDay) {
    OptionalSlot found;
    for (const WeekSegment& segment : segments) {
        if (segment.day == day && segment.first <= secondOfDay && secondOfDay < segment.end) found = segment.slot;
    }
    return found;
}
