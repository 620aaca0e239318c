#pragma once
// Geometry of the week strip: seven rows, Monday to Sunday, with each entry drawn as bars
// over the seconds [start, stop) it claims.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "model/schedule_entry.h"

struct WeekSegment {
    int day;              // 1..7, the row
    std::uint32_t first;  // first second within the day, 0..86399
    std::uint32_t end;    // one past the last second, 1..86400
    SlotIndex slot;       // the entry's place in the schedule
    friend bool operator==(const WeekSegment&, const WeekSegment&) = default;
};

// The bars of every entry, in slot order and within a slot in day order. An entry crossing
// midnight continues on the next row; one wrapping past Sunday continues from Monday
// 00:00:00; start == stop fills all seven rows. An entry with a start or stop of 604800 or
// more (only a foreign file holds one) has no bars.
std::vector<WeekSegment> WeekSegments(std::span<const ScheduleEntry> entries);

// How a bar is coloured, by trigger code.
enum class TriggerClass { Continuous, Alarm1, Alarm2, Vmd };
TriggerClass ClassOfTrigger(int code);  // 0 and 10-15 Continuous, 1-4 Alarm1, 5-8 Alarm2, 9 Vmd

// The slot whose bar covers secondOfDay on row day, if any. Where bars of a foreign schedule
// overlap, the one drawn last (on top) wins.
OptionalSlot SlotAt(std::span<const WeekSegment> segments, int day, std::uint32_t secondOfDay);
