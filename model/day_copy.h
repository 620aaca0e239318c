#pragma once
// Whole days: the entries that start on a day, and copying them all to other days of the week,
// each copy the entry shifted by whole days, every copy or none.
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "model/schedule_entry.h"

// The day an entry starts on, 1 = Monday .. 7 = Sunday; none for a start past Sunday.
std::optional<int> StartDayOf(const ScheduleEntry& entry);

// The slots of the entries that start on day, in slot order; an entry that runs into the day
// from the day before is not among them.
std::vector<SlotIndex> SlotsStartingOn(std::span<const ScheduleEntry> entries, int day);

struct DayCopyPlan {
    // For each day in weekday order, the day's entries in slot order; empty when refused.
    std::vector<ScheduleEntry> copies;
    std::vector<int> overlappingDays;     // the days whose copies overlap, in weekday order
    std::vector<ScheduleEntry> inTheWay;  // what those copies overlap, in order of start, each once
    bool full = false;                    // the copies would take the schedule past its capacity
    bool sourceOutsideWeek = false;       // an entry of the day stops past Sunday: it has no day to shift by
    bool Accepted() const { return !sourceOutsideWeek && !full && overlappingDays.empty(); }
};

// The copies of every entry starting on sourceDay for days (1 = Monday .. 7; others, repeats and
// sourceDay itself are ignored). A day's copies are tested against the schedule and the copies of
// earlier days that fitted; a day with any copy in the way is refused whole and blocks nothing.
// Refusals are checked in the order sourceOutsideWeek, full, overlappingDays; only the first that
// applies is reported. No entry on sourceDay, or no other day asked for, plans no copies.
DayCopyPlan PlanCopyDayToDays(std::span<const ScheduleEntry> entries, int sourceDay, std::span<const int> days,
                              std::size_t capacity);
