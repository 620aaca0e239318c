#pragma once
// No two entries of a schedule may claim the same second of the cyclic week.
#include <span>

#include "model/schedule_entry.h"

// The slot of the first entry that [candidateStart, candidateStop) overlaps, skipping the
// slot excluded (the entry being edited); none when it overlaps none. start == stop is the
// whole week, stop < start wraps.
OptionalSlot FirstOverlap(std::span<const ScheduleEntry> entries, WeekTime candidateStart, WeekTime candidateStop,
                          OptionalSlot excluded);

// True when [candidateStart, candidateStop) overlaps none of entries but the excluded one.
bool FitsSchedule(std::span<const ScheduleEntry> entries, WeekTime candidateStart, WeekTime candidateStop,
                  OptionalSlot excluded);
