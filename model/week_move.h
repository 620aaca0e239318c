#pragma once
// Moving and resizing an existing entry on the week strip: which part of which bar the pointer
// is on, and (to come) where a drag or an arrow key takes the entry.
//
// Ends: an entry's start end sits on the bar where it starts, its stop end on the bar where it
// stops; a bar edge at midnight where the entry runs on into the next row is body. An end is
// grabbed within the tolerance inside its bar (at most a third of the bar, so the middle always
// moves it) or outside it on the same row. Where bars overlap, the one drawn last is hit. A
// whole-week entry (start == stop) fills every row with no visible seam, so its bars are body
// throughout: it is moved whole, and only the keyboard or the dialog resizes it.
#include <cstdint>
#include <span>

#include "model/week_segments.h"

// The part of an entry's bars under the pointer.
enum class EntryPart { None, Start, Stop, Body };

struct StripHit {
    int slot = -1;  // the entry's slot; -1 with part None
    EntryPart part = EntryPart::None;
    friend bool operator==(const StripHit&, const StripHit&) = default;
};

// The entry and part at secondOfDay on row day (1..7); off the bars, the nearest end within tolerance.
StripHit HitEntry(std::span<const WeekSegment> segments, int day, std::uint32_t secondOfDay,
                  std::uint32_t tolerance);
