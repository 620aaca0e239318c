#include "model/copy_to_days.h"

#include <array>

#include "model/overlap.h"
#include "model/week_time.h"

namespace {
int DayOf(WeekTime t) { return static_cast<int>(t / kSecondsPerDay) + 1; }

// Which of the seven days are asked for, the source's own day left out.
std::array<bool, 7> TargetDays(std::span<const int> days, int sourceDay) {
    std::array<bool, 7> wanted{};
    for (int day : days)
        if (day >= 1 && day <= 7 && day != sourceDay) wanted[static_cast<std::size_t>(day - 1)] = true;
    return wanted;
}
}  // namespace

ScheduleEntry ShiftByDays(const ScheduleEntry& entry, int dayOffset) {
    // A non-negative offset of less than a week, so the sums below stay within 32 bits.
    const int days = ((dayOffset % 7) + 7) % 7;
    const WeekTime shift = static_cast<WeekTime>(days) * kSecondsPerDay;
    ScheduleEntry copy = entry;
    copy.start = (entry.start + shift) % kSecondsPerWeek;
    copy.stop = (entry.stop + shift) % kSecondsPerWeek;
    return copy;
}

CopyPlan PlanCopyToDays(std::span<const ScheduleEntry> entries, SlotIndex sourceSlot, std::span<const int> days,
                        std::size_t capacity) {
    CopyPlan plan;
    if (sourceSlot >= entries.size() || !LiesWithinWeek(entries[sourceSlot])) {
        // A time past Sunday has no weekday to shift from.
        plan.sourceUnusable = true;
        return plan;
    }
    const ScheduleEntry& source = entries[sourceSlot];
    const int sourceDay = DayOf(source.start);
    const std::array<bool, 7> wanted = TargetDays(days, sourceDay);

    std::vector<ScheduleEntry> schedule(entries.begin(), entries.end());
    for (int day = 1; day <= 7; ++day) {
        if (!wanted[static_cast<std::size_t>(day - 1)]) continue;
        const ScheduleEntry copy = ShiftByDays(source, day - sourceDay);
        if (FitsSchedule(schedule, copy.start, copy.stop, std::nullopt)) {
            schedule.push_back(copy);
            plan.copies.push_back(copy);
        } else {
            plan.overlappingDays.push_back(day);
        }
    }
    if (entries.size() + plan.copies.size() + plan.overlappingDays.size() > capacity) {
        plan.full = true;
        plan.overlappingDays.clear();
    }
    if (!plan.Accepted()) plan.copies.clear();
    return plan;
}
