#pragma once
// No two entries of a schedule may claim the same second of the cyclic week.
#include <span>

#include "model/schedule_entry.h"

// The slot of the first entry that [candidateStart, candidateStop) overlaps, skipping the
// slot excludeIndex (-1 skips nothing); -1 when it overlaps none. start == stop is the
// whole week, stop < start wraps.
int FirstOverlap(std::span<const ScheduleEntry> entries, WeekTime candidateStart, WeekTime candidateStop,
                 int excludeIndex);

// True when [candidateStart, candidateStop) overlaps none of entries, skipping the slot
// excludeIndex (-1 skips nothing). start == stop is the whole week, stop < start wraps.
bool FitsSchedule(std::span<const ScheduleEntry> entries, WeekTime candidateStart,
                  WeekTime candidateStop, int excludeIndex);
