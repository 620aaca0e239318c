#pragma once
// Drawing an entry on the week strip: where a drag along the day rows starts and stops, in
// week time, snapped to a grid. The strip's seven rows (Monday to Sunday) each run from
// 00:00:00 to 24:00:00 of their day.
#include <cstdint>
#include <string>
#include <vector>

#include "model/entry_form.h"
#include "model/week_segments.h"
#include "model/week_time.h"

constexpr std::uint32_t kDragStep = 15 * 60;      // the grid of a plain drag
constexpr std::uint32_t kFineDragStep = 60;       // the grid with Shift held

// A point on the strip: its row (1 = Monday .. 7 = Sunday) and the second along it (0..86400).
struct StripPoint {
    int day = 1;
    std::uint32_t secondOfDay = 0;
};

// The seconds [start, stop) a drag covers, counted from Monday 00:00:00 with no wrap:
// 0 <= start < stop <= 604800, where 604800 is the end of Sunday's row.
struct DragSpan {
    WeekTime start = 0;
    WeekTime stop = 0;
    friend bool operator==(const DragSpan&, const DragSpan&) = default;
};

// The multiple of step nearest to secondOfWeek, halves rounding up, never past 604800 (the
// end of Sunday's row, kept apart from Monday 00:00:00). step is taken as 1 .. 86400.
WeekTime SnapToGrid(std::uint32_t secondOfWeek, std::uint32_t step);

// The span between the press and the pointer, either way round, both ends snapped to step:
// a drag too short to cover a step covers one, and one over the whole week stops a step
// short of it (a start equal to its stop would mean the whole week). Rows outside 1..7 and
// seconds past 86400 are taken as the nearest on the strip.
DragSpan SpanOfDrag(StripPoint press, StripPoint pointer, std::uint32_t step);

// The new-entry defaults with the span's start and stop days and times; an end at 24:00:00
// is 00:00:00 of the next day, Monday's after Sunday.
EntryForm SpanForm(const DragSpan& span);

// The bars a span is drawn as, one per row it touches, in day order, slot 0; none for a
// span that is empty, reversed or runs past 604800.
std::vector<WeekSegment> SpanSegments(const DragSpan& span);

// "<start> to <stop>" in the texts of the list, as a moved entry's times read; an end at
// 604800 reads Monday 00:00:00.
std::string SpanText(const DragSpan& span);
