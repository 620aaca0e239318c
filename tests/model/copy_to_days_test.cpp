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
        {"within a day", At(8 * H, 17 * H), {3, 5},
         {At(2 * D + 8 * H, 2 * D + 17 * H), At(4 * D + 8 * H, 4 * D + 17 * H)}},
        {"to earlier days", At(4 * D + 8 * H, 4 * D + 17 * H), {1}, {At(8 * H, 17 * H)}},
        {"across midnight", At(22 * H, D + 6 * H), {2}, {At(D + 22 * H, 2 * D + 6 * H)}},
        {"onto Sunday night, wrapping", At(5 * D + 22 * H, 6 * D + 6 * H), {7}, {At(6 * D + 22 * H, 6 * H)}},
        {"off Sunday night", At(6 * D + 22 * H, 6 * H), {1, 3},
         {At(22 * H, D + 6 * H), At(2 * D + 22 * H, 3 * D + 6 * H)}},
        {"ending at Monday 00:00", At(6 * D + 20 * H, 0), {3}, {At(2 * D + 20 * H, 3 * D)}},
        {"odd days ignored", At(8 * H, 17 * H), {0, 1, 8, 2, 2, -3}, {At(D + 8 * H, D + 17 * H)}},
        {"no days", At(8 * H, 17 * H), {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ScheduleEntry> entries = {c.source};
        const CopyPlan plan = PlanCopyToDays(entries, 0, c.days, kCapacity);
        EXPECT_TRUE(plan.Accepted());
        EXPECT_EQ(plan.copies, c.copies);
    }
    // A whole-week entry stays one.
    EXPECT_EQ(ShiftByDays(At(5 * H, 5 * H), -3), At(4 * D + 5 * H, 4 * D + 5 * H));
}

TEST(CopyToDays, AllOrNothingNamingEveryOverlappingDay) {
    struct Case {
        const char* name;
        std::vector<ScheduleEntry> entries;  // slot 0 is the source
        std::vector<int> days;
        std::vector<int> overlapping;
    };
    const ScheduleEntry thursdayNoon = At(3 * D + 12 * H, 3 * D + 13 * H);
    const ScheduleEntry saturday = At(5 * D, 6 * D);
    const Case cases[] = {
        {"one day of two blocked", {At(8 * H, 17 * H), thursdayNoon}, {2, 4}, {4}},
        {"two days blocked", {At(8 * H, 17 * H), thursdayNoon, saturday}, {4, 5, 6}, {4, 6}},
        {"a 28-hour entry onto the next day hits itself", {At(8 * H, D + 12 * H)}, {2}, {2}},
        {"a copy that fitted blocks a later one", {At(8 * H, D + 12 * H)}, {3, 4}, {4}},
        {"a refused copy blocks nothing", {At(8 * H, D + 12 * H)}, {2, 3}, {2}},
        {"a whole week overlaps everywhere", {At(0, 0)}, {2, 7}, {2, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CopyPlan plan = PlanCopyToDays(c.entries, 0, c.days, kCapacity);
        EXPECT_FALSE(plan.Accepted());
        EXPECT_TRUE(plan.copies.empty());
        EXPECT_EQ(plan.overlappingDays, c.overlapping);
        EXPECT_FALSE(plan.full);
    }
}

TEST(CopyToDays, RefusedWhenTheSchedulePassesItsCapacity) {
    struct Case {
        const char* name;
        std::size_t others;  // two-minute entries from Monday 00:00 on, beside the source
        std::vector<int> days;
        bool full;
    };
    const Case cases[] = {
        {"up to the capacity", 253, {3, 4}, false},
        {"one past it", 253, {3, 4, 5}, true},
        {"a full schedule, no days", 255, {}, false},
        {"a full schedule, reported over the overlap on Monday", 255, {1}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<ScheduleEntry> entries = {At(D + 8 * H, D + 17 * H)};
        for (WeekTime i = 0; i < c.others; ++i) entries.push_back(At(i * 120, (i + 1) * 120));
        const CopyPlan plan = PlanCopyToDays(entries, 0, c.days, kCapacity);
        EXPECT_EQ(plan.full, c.full);
        EXPECT_EQ(plan.Accepted(), !c.full);
        EXPECT_EQ(plan.copies.size(), c.full ? 0 : c.days.size());
        EXPECT_TRUE(plan.overlappingDays.empty());
    }
}

TEST(CopyToDays, SourceOutsideTheWeekOrScheduleIsNotCopied) {
    const std::vector<ScheduleEntry> entries = {At(604800, 604800 + H), At(6 * D, 604800), At(4294967295u, H),
                                                At(H, 2 * H)};
    const std::vector<int> days = {3};
    for (std::size_t slot : {0u, 1u, 2u, 4u, 1000u}) {
        const CopyPlan plan = PlanCopyToDays(entries, slot, days, kCapacity);
        EXPECT_TRUE(plan.sourceUnusable) << slot;
        EXPECT_TRUE(plan.copies.empty()) << slot;
    }
    EXPECT_TRUE(PlanCopyToDays(entries, 3, days, kCapacity).Accepted());
}

TEST(CopyToDays, OverlapTexts) {
    EXPECT_EQ(CopyOverlapText(std::vector<int>{4}), "The copy for Thursday overlaps another entry.");
    EXPECT_EQ(CopyOverlapText(std::vector<int>{2, 4}), "The copies for Tuesday and Thursday overlap other entries.");
    EXPECT_EQ(CopyOverlapText(std::vector<int>{1, 6, 7}),
              "The copies for Monday, Saturday and Sunday overlap other entries.");
}

}  // namespace
