#pragma once
// No two entries of a schedule may claim the same second of the cyclic week.
#include <span>

#include "model/schedule_entry.h"

// True when [candidateStart, candidateStop) overlaps none of entries, skipping the slot
// excludeIndex (-1 skips nothing). start == stop is the whole week, stop < start wraps.
bool FitsSchedule(std::span<const ScheduleEntry> entries, WeekTime candidateStart,
                  WeekTime candidateStop, int excludeIndex);
