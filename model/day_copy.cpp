#include "model/day_copy.h"

#include <algorithm>
#include <array>

#include "model/copy_to_days.h"
#include "model/overlap.h"
#include "model/week_time.h"

std::optional<int> StartDayOf(const ScheduleEntry& entry) {
    if (entry.start >= kSecondsPerWeek) return std::nullopt;
    return static_cast<int>(entry.start / kSecondsPerDay) + 1;
}

std::vector<SlotIndex> SlotsStartingOn(std::span<const ScheduleEntry> entries, int day) {
    std::vector<SlotIndex> slots;
    for (SlotIndex slot = 0; slot < entries.size(); ++slot)
        if (StartDayOf(entries[slot]) == day) slots.push_back(slot);
    return slots;
}

namespace {
void NoteInTheWay(std::vector<ScheduleEntry>& inTheWay, const ScheduleEntry& entry) {
    if (std::find(inTheWay.begin(), inTheWay.end(), entry) != inTheWay.end()) return;
    const auto later =
        std::upper_bound(inTheWay.begin(), inTheWay.end(), entry,
                         [](const ScheduleEntry& a, const ScheduleEntry& b) { return a.start < b.start; });
    inTheWay.insert(later, entry);
}
}  // namespace

DayCopyPlan PlanCopyDayToDays(std::span<const ScheduleEntry> entries, int sourceDay, std::span<const int> days,
                              std::size_t capacity) {
    DayCopyPlan plan;
    std::vector<ScheduleEntry> sources;
    for (SlotIndex slot : SlotsStartingOn(entries, sourceDay)) sources.push_back(entries[slot]);
    if (std::any_of(sources.begin(), sources.end(), [](const ScheduleEntry& e) { return !LiesWithinWeek(e); })) {
        plan.sourceOutsideWeek = true;
        return plan;
    }
    std::array<bool, 7> wanted{};
    for (int day : days)
        if (day >= 1 && day <= 7 && day != sourceDay) wanted[static_cast<std::size_t>(day - 1)] = true;
    const auto wantedDays = static_cast<std::size_t>(std::count(wanted.begin(), wanted.end(), true));
    if (sources.empty() || wantedDays == 0) return plan;
    if (entries.size() + sources.size() * wantedDays > capacity) {
        plan.full = true;
        return plan;
    }

    std::vector<ScheduleEntry> schedule(entries.begin(), entries.end());
    for (int day = 1; day <= 7; ++day) {
        if (!wanted[static_cast<std::size_t>(day - 1)]) continue;
        // The day's copies go in as they are tested, so that copies of overlapping sources (a
        // foreign file may hold them) are caught too; a refused day takes its copies out again.
        const std::size_t before = schedule.size();
        bool blocked = false;
        for (const ScheduleEntry& source : sources) {
            const ScheduleEntry copy = ShiftByDays(source, day - sourceDay);
            const std::size_t inSchedule = schedule.size();
            for (std::size_t i = 0; i < inSchedule; ++i) {
                if (FitsSchedule(std::span(&schedule[i], 1), copy.start, copy.stop, std::nullopt)) continue;
                NoteInTheWay(plan.inTheWay, schedule[i]);
                blocked = true;
            }
            schedule.push_back(copy);
        }
        if (blocked) {
            schedule.resize(before);
            plan.overlappingDays.push_back(day);
        } else {
            plan.copies.insert(plan.copies.end(), schedule.begin() + static_cast<std::ptrdiff_t>(before),
                               schedule.end());
        }
    }
    if (!plan.Accepted()) plan.copies.clear();
    return plan;
}
