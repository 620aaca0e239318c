#pragma once
// Moving and resizing an existing entry on the week strip: which part of which bar the pointer
// is on, and where a drag or an arrow key takes the entry. Every result keeps its times in
// 0..604799, wraps round the week like ShiftByDays, and changes nothing but start and stop.
//
// Ends: an entry's start end sits on the bar where it starts, its stop end on the bar where it
// stops; a bar edge at midnight where the entry runs on into the next row is body. A press takes
// hold only of what it is on: an end within the tolerance inside its bar (at most a third of the
// bar, so the middle always moves it), the body elsewhere on the bar, and nothing off the bars,
// where it draws a new entry. Where bars overlap, the one drawn last is hit. A whole-week entry
// (start == stop) fills every row with no visible seam, so its bars are body throughout: it is
// moved whole, and only the keyboard or the dialog resizes it.
//
// Lengths: a move keeps the length, a resize keeps it within one step .. a week less one step
// (never a whole week) and pushes an entry already outside that no further out. An end dragged
// past the other one stops a step from it; the entry never flips round.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "model/schedule_entry.h"
#include "model/week_drag.h"
#include "model/week_segments.h"

// The part of an entry's bars under the pointer.
enum class EntryPart { None, Start, Stop, Body };

struct StripHit {
    OptionalSlot slot;  // the entry's slot; none with part None
    EntryPart part = EntryPart::None;
    friend bool operator==(const StripHit&, const StripHit&) = default;
};

// What a press at secondOfDay on row day (1..7) takes hold of, given the slot whose bar is drawn
// under the pointer (none on empty strip, which takes nothing): that entry's bar on the row
// nearest the point (on a tie the one drawn later), by an end when the point, brought onto
// that bar, lies within tolerance inside it, else by its body.
StripHit GrabAt(std::span<const WeekSegment> segments, int day, std::uint32_t secondOfDay,
                std::uint32_t tolerance, OptionalSlot drawn);

// Where a press on empty strip starts to draw: the end of an entry within tolerance beside it
// on row day (a stop before it or a start after it), the nearest, on a tie the bar drawn later;
// else secondOfDay itself. A new entry drawn from just past a stop starts right at it.
std::uint32_t DrawFrom(std::span<const WeekSegment> segments, int day, std::uint32_t secondOfDay,
                       std::uint32_t tolerance);

// The entry with part dragged from press to pointer (a row a day), the start or the dragged end
// landing on the step grid; an unmoved pointer, part None or a time past Sunday changes nothing.
// Points off the strip count as on its nearest edge.
ScheduleEntry DragEntry(const ScheduleEntry& entry, EntryPart part, StripPoint press, StripPoint pointer,
                        std::uint32_t step);

// The entry moved so its start lies on the steps-th grid line after it (before it when negative).
ScheduleEntry MoveBySteps(const ScheduleEntry& entry, int steps, std::uint32_t step);

// The entry moved by whole days, either way.
ScheduleEntry MoveByDays(const ScheduleEntry& entry, int days);

// The entry with its stop on the steps-th grid line after it (before it when negative).
ScheduleEntry MoveStopBySteps(const ScheduleEntry& entry, int steps, std::uint32_t step);

// The entry with its stop moved by whole days, either way, its length kept as a resize keeps it.
ScheduleEntry MoveStopByDays(const ScheduleEntry& entry, int days, std::uint32_t step);

// The slot of the first other entry that moved (slot's entry, changed) overlaps; none when it fits.
OptionalSlot SlotInTheWay(std::span<const ScheduleEntry> entries, SlotIndex slot, const ScheduleEntry& moved);

// The tip shown while dragging: "08:30:00 on Monday to 12:30:00 on Monday".
std::string DragTipText(const ScheduleEntry& entry);
