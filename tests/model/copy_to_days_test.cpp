#include <gtest/gtest.h>

#include <vector>

#include "model/copy_to_days.h"

namespace {

constexpr WeekTime H = 3600;
constexpr WeekTime D = 86400;
constexpr std::size_t kCapacity = 256;

// An alarm entry with every field set, so a copy that loses one shows.
ScheduleEntry At(WeekTime start, WeekTime stop) { return ScheduleEntry{start, stop, 0x1303C, 0, 4, 20000}; }

TEST(CopyToDays, CopiesAreShiftedByWholeDaysRoundTheWeek) {
    struct Case {
        const char* name;
        ScheduleEntry source;
        std::vector<int> days;
        std::vector<ScheduleEntry> copies;
    };
    const Case cases[] = {
        {"later days", At(8 * H, 17 * H), {3, 5},
         {At(2 * D + 8 * H, 2 * D + 17 * H), At(4 * D + 8 * H, 4 * D + 17 * H)}},
        {"an earlier day", At(4 * D + 8 * H, 4 * D + 17 * H), {1}, {At(8 * H, 17 * H)}},
        {"across midnight", At(22 * H, D + 6 * H), {2}, {At(D + 22 * H, 2 * D + 6 * H)}},
        {"onto Sunday night", At(5 * D + 22 * H, 6 * D + 6 * H), {7}, {At(6 * D + 22 * H, 6 * H)}},
        {"ending at Monday 00:00", At(6 * D + 20 * H, 0), {3}, {At(2 * D + 20 * H, 3 * D)}},
        {"odd days and the source's ignored", At(8 * H, 17 * H), {0, 1, 8, 2, 2}, {At(D + 8 * H, D + 17 * H)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CopyPlan plan = PlanCopyToDays(std::vector<ScheduleEntry>{c.source}, 0, c.days, kCapacity);
        EXPECT_TRUE(plan.Accepted());
        EXPECT_EQ(plan.copies, c.copies);
    }
    EXPECT_EQ(ShiftByDays(At(5 * H, 5 * H), -3), At(4 * D + 5 * H, 4 * D + 5 * H));  // still the whole week
}

TEST(CopyToDays, AllOrNothingNamingEveryOverlappingDay) {
    struct Case {
        const char* name;
        std::vector<ScheduleEntry> entries;  // slot 0 is the source
        std::vector<int> days, overlapping;
    };
    const Case cases[] = {
        {"two days of four blocked", {At(8 * H, 17 * H), At(3 * D + 12 * H, 3 * D + 13 * H), At(5 * D, 6 * D)},
         {2, 4, 5, 6}, {4, 6}},
        {"a copy that fitted blocks a later one", {At(8 * H, D + 12 * H)}, {3, 4}, {4}},
        {"a refused copy blocks nothing", {At(8 * H, D + 12 * H)}, {2, 3}, {2}},
        {"a whole week overlaps everywhere", {At(0, 0)}, {2, 7}, {2, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CopyPlan plan = PlanCopyToDays(c.entries, 0, c.days, kCapacity);
        EXPECT_TRUE(plan.copies.empty());
        EXPECT_EQ(plan.overlappingDays, c.overlapping);
        EXPECT_FALSE(plan.full);
    }
}

TEST(CopyToDays, RefusedWhenTheSchedulePassesItsCapacity) {
    struct Case {
        std::size_t others;  // two-minute entries from Monday 00:00 on, beside the Tuesday source
        std::vector<int> days;
        bool full;
    };
    // The last: Monday's copy would overlap too, but the full schedule is what is reported.
    const Case cases[] = {{253, {3, 4}, false}, {253, {3, 4, 5}, true}, {255, {1}, true}};
    for (const Case& c : cases) {
        std::vector<ScheduleEntry> entries = {At(D + 8 * H, D + 17 * H)};
        for (WeekTime i = 0; i < c.others; ++i) entries.push_back(At(i * 120, (i + 1) * 120));
        const CopyPlan plan = PlanCopyToDays(entries, 0, c.days, kCapacity);
        EXPECT_EQ(plan.full, c.full) << entries.size() + c.days.size();
        EXPECT_EQ(plan.copies.size(), c.full ? 0 : c.days.size()) << entries.size() + c.days.size();
        EXPECT_TRUE(plan.overlappingDays.empty());
    }
}

TEST(CopyToDays, SourceOutsideTheWeekOrScheduleIsNotCopied) {
    const std::vector<ScheduleEntry> entries = {At(604800, 604800 + H), At(6 * D, 604800), At(4294967295u, H)};
    for (std::size_t slot : {0u, 1u, 2u, 3u}) {
        const CopyPlan plan = PlanCopyToDays(entries, slot, std::vector<int>{3}, kCapacity);
        EXPECT_TRUE(plan.sourceUnusable && plan.copies.empty()) << slot;
    }
}

}  // namespace
