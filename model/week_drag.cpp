#include "model/week_drag.h"

#include <algorithm>

#include "model/entry_texts.h"
#include "model/translation.h"

namespace {
std::uint32_t ClampStep(std::uint32_t step) { return std::clamp<std::uint32_t>(step, 1, kSecondsPerDay); }

// The point's second of the week, the point first moved onto the strip.
std::uint32_t SecondOfWeek(StripPoint point) {
    const int day = std::clamp(point.day, 1, 7);
    return static_cast<std::uint32_t>(day - 1) * kSecondsPerDay + std::min(point.secondOfDay, kSecondsPerDay);
}
}  // namespace

WeekTime SnapToGrid(std::uint32_t secondOfWeek, std::uint32_t step) {
    step = ClampStep(step);
    const std::uint32_t t = std::min(secondOfWeek, kSecondsPerWeek);
    const std::uint32_t snapped = (t + step / 2) / step * step;
    return std::min(snapped, kSecondsPerWeek);
}

DragSpan SpanOfDrag(StripPoint press, StripPoint pointer, std::uint32_t step) {
    step = ClampStep(step);
    const std::uint32_t from = SecondOfWeek(press);
    const std::uint32_t to = SecondOfWeek(pointer);
    DragSpan span{SnapToGrid(std::min(from, to), step), SnapToGrid(std::max(from, to), step)};
    if (span.stop - span.start < step) {
        // Too short to see: one step from the earlier end, kept on the strip.
        span.stop = std::min(span.start + step, kSecondsPerWeek);
        span.start = span.stop - step;
    }
    if (span.stop - span.start >= kSecondsPerWeek) span.stop = kSecondsPerWeek - step;
    return span;
}

EntryForm SpanForm(const DragSpan& span) {
    const DayTime start = SplitWeekTime(span.start % kSecondsPerWeek);
    const DayTime stop = SplitWeekTime(span.stop % kSecondsPerWeek);
    EntryForm form = NewEntryForm();
    form.startDay = start.day;
    form.startTime = {start.hour, start.minute, start.second};
    form.stopDay = stop.day;
    form.stopTime = {stop.hour, stop.minute, stop.second};
    return form;
}

std::vector<WeekSegment> SpanSegments(const DragSpan& span) {
    if (span.start >= span.stop || span.stop > kSecondsPerWeek) return {};
    // As an entry: an end at 604800 becomes a wrap to Monday 00:00:00, which adds no bar.
    const ScheduleEntry entry{span.start, span.stop % kSecondsPerWeek, 0, 0, 0, 0};
    return WeekSegments(std::span<const ScheduleEntry>(&entry, 1));
}

std::string SpanText(const DragSpan& span) {
    // As the times of an entry being moved read: the same pattern, one catalog entry.
    return FillIn(Tr("%s to %s"), {WeekTimeText(span.start % kSecondsPerWeek), WeekTimeText(span.stop % kSecondsPerWeek)});
}
