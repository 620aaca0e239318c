#include <gtest/gtest.h>

#include <vector>

#include "model/day_copy.h"

namespace {

constexpr WeekTime H = 3600;
constexpr WeekTime D = 86400;
constexpr std::size_t kCapacity = 256;

// An alarm entry with every field set, so a copy that loses one shows.
ScheduleEntry At(WeekTime start, WeekTime stop) { return ScheduleEntry{start, stop, 0x1303C, 0, 4, 20000}; }

TEST(DayCopy, ADayHoldsTheEntriesStartingOnIt) {
    struct Case {
        ScheduleEntry entry;
        std::optional<int> day;
    };
    const Case cases[] = {
        {At(0, H), 1},           {At(D - 1, D + H), 1},   {At(D, D + H), 2},
        {At(6 * D + 22 * H, 6 * H), 7},  // runs into Monday, still Sunday's
        {At(7 * D - 1, 0), 7},   {At(7 * D, 7 * D + H), std::nullopt},  // a start past Sunday, from a foreign file
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry.start);
        EXPECT_EQ(StartDayOf(c.entry), c.day);
        const std::vector<ScheduleEntry> entries = {At(3 * D, 3 * D + H), c.entry};
        const std::vector<SlotIndex> slots = c.day ? std::vector<SlotIndex>{1} : std::vector<SlotIndex>{};
        EXPECT_EQ(SlotsStartingOn(entries, c.day.value_or(8)), slots);
    }
}

TEST(DayCopy, EveryEntryOfTheDayIsCopiedKeepingItsLengthRoundTheWeek) {
    struct Case {
        const char* name;
        std::vector<ScheduleEntry> entries;
        int day;
        std::vector<int> days;
        std::vector<ScheduleEntry> copies;
    };
    const Case cases[] = {
        {"two entries to two days, day by day",
         {At(13 * H, 17 * H), At(8 * H, 12 * H)}, 1, {4, 2},
         {At(D + 13 * H, D + 17 * H), At(D + 8 * H, D + 12 * H), At(3 * D + 13 * H, 3 * D + 17 * H),
          At(3 * D + 8 * H, 3 * D + 12 * H)}},
        {"across midnight keeps crossing it", {At(22 * H, D + 6 * H)}, 1, {3}, {At(2 * D + 22 * H, 3 * D + 6 * H)}},
        {"past Sunday into Monday", {At(5 * D + 22 * H, 6 * D + 6 * H)}, 6, {7}, {At(6 * D + 22 * H, 6 * H)}},
        {"back from Sunday to Monday", {At(6 * D + 22 * H, 6 * H)}, 7, {1}, {At(22 * H, D + 6 * H)}},
        {"the entry running in from the day before stays", {At(6 * D + 22 * H, 6 * H), At(8 * H, 9 * H)}, 1, {2},
         {At(D + 8 * H, D + 9 * H)}},
        {"the day itself, repeats and odd days", {At(8 * H, 9 * H)}, 1, {0, 1, 8, 2, 2}, {At(D + 8 * H, D + 9 * H)}},
        {"a day without entries copies nothing", {At(8 * H, 9 * H)}, 2, {3, 4}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DayCopyPlan plan = PlanCopyDayToDays(c.entries, c.day, c.days, kCapacity);
        EXPECT_TRUE(plan.Accepted());
        EXPECT_EQ(plan.copies, c.copies);
    }
}

TEST(DayCopy, NoCopyWhenAnyDayIsInTheWayNamingDaysAndEntries) {
    struct Case {
        const char* name;
        std::vector<ScheduleEntry> entries;
        int day;
        std::vector<int> days, overlapping;
        std::vector<ScheduleEntry> inTheWay;
    };
    const ScheduleEntry longMonday = At(8 * H, D + 12 * H);
    const Case cases[] = {
        {"one day of three, one entry", {At(8 * H, 12 * H), At(13 * H, 14 * H), At(2 * D + 10 * H, 2 * D + 11 * H)}, 1,
         {2, 3, 4}, {3}, {At(2 * D + 10 * H, 2 * D + 11 * H)}},
        {"both copies in the way of one entry, named once",
         {At(8 * H, 9 * H), At(10 * H, 11 * H), At(D + 8 * H, D + 11 * H)}, 1, {2}, {2}, {At(D + 8 * H, D + 11 * H)}},
        {"two entries in the way, by start",
         {At(8 * H, 18 * H), At(3 * D + 16 * H, 3 * D + 17 * H), At(3 * D + 9 * H, 3 * D + 10 * H)}, 1, {4}, {4},
         {At(3 * D + 9 * H, 3 * D + 10 * H), At(3 * D + 16 * H, 3 * D + 17 * H)}},
        {"the source day's own entry", {longMonday}, 1, {2}, {2}, {longMonday}},
        {"a copy that fitted blocks a later one", {longMonday}, 1, {3, 4}, {4}, {At(2 * D + 8 * H, 3 * D + 12 * H)}},
        {"a Sunday copy into Monday's entry", {At(5 * D + 23 * H, 6 * D + H), At(0, 2 * H)}, 6, {7}, {7},
         {At(0, 2 * H)}},
        {"a whole week in the way of itself", {At(8 * H, 9 * H), At(2 * D, 2 * D)}, 3, {1, 7}, {1, 7},
         {At(8 * H, 9 * H), At(2 * D, 2 * D)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DayCopyPlan plan = PlanCopyDayToDays(c.entries, c.day, c.days, kCapacity);
        EXPECT_TRUE(plan.copies.empty());
        EXPECT_EQ(plan.overlappingDays, c.overlapping);
        EXPECT_EQ(plan.inTheWay, c.inTheWay);
        EXPECT_FALSE(plan.full);
    }
}

TEST(DayCopy, RefusedWhenTheCopiesPassTheCapacityOrAnEntryStopsPastSunday) {
    struct Case {
        std::size_t others;  // two-minute entries from Sunday 00:00 on, beside Monday's two
        std::vector<int> days;
        bool full;
    };
    // The last: Sunday's copies would overlap too, but the full schedule is what is reported.
    const Case cases[] = {{250, {2, 3}, false}, {251, {2, 3}, true}, {252, {2}, false}, {253, {2}, true},
                          {253, {7}, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.others) + " others");
        std::vector<ScheduleEntry> entries = {At(8 * H, 12 * H), At(13 * H, 17 * H)};
        for (WeekTime i = 0; i < c.others; ++i) entries.push_back(At(6 * D + i * 120, 6 * D + (i + 1) * 120));
        const DayCopyPlan plan = PlanCopyDayToDays(entries, 1, c.days, kCapacity);
        EXPECT_EQ(plan.full, c.full);
        EXPECT_EQ(plan.copies.size(), c.full ? 0 : 2 * c.days.size());
        EXPECT_TRUE(plan.overlappingDays.empty());
    }
    // A foreign file's entry that starts on Monday and stops past Sunday has no day to shift by.
    const std::vector<ScheduleEntry> foreign = {At(8 * H, 9 * H), At(10 * H, 8 * D)};
    const DayCopyPlan plan = PlanCopyDayToDays(foreign, 1, std::vector<int>{2}, kCapacity);
    EXPECT_TRUE(plan.sourceOutsideWeek);
    EXPECT_TRUE(plan.copies.empty());
}

}  // namespace
