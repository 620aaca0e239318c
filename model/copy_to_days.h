#pragma once
// Copying one entry to other days of the week: each copy is the entry shifted by whole days,
// and either every copy fits the schedule or none is made.
#include <cstddef>
#include <span>
#include <vector>

#include "model/schedule_entry.h"

struct CopyPlan {
    std::vector<ScheduleEntry> copies;  // one per day, in weekday order; empty when refused
    std::vector<int> overlappingDays;   // the days whose copy overlaps, in weekday order
    bool full = false;                  // the copies would take the schedule past its capacity
    bool sourceUnusable = false;        // no such slot, or its start or stop lies past Sunday
    bool Accepted() const { return !sourceUnusable && !full && overlappingDays.empty(); }
};

// The copies of entries[sourceSlot] for days (1 = Monday .. 7 = Sunday; others, repeats
// and the source's own start day are ignored). Each copy is tested against the schedule and
// the copies of earlier days that fitted. Refusals are checked in the order sourceUnusable,
// full, overlappingDays, and only the first that applies is reported.
CopyPlan PlanCopyToDays(std::span<const ScheduleEntry> entries, SlotIndex sourceSlot, std::span<const int> days,
                        std::size_t capacity);

// The entry moved by dayOffset whole days (either way), start and stop alike, round the week.
ScheduleEntry ShiftByDays(const ScheduleEntry& entry, int dayOffset);
