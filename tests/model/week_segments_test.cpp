#include <gtest/gtest.h>

#include <vector>

#include "model/week_segments.h"
#include "support/entries.h"

namespace {

constexpr WeekTime H = 3600;
constexpr WeekTime D = 86400;

TEST(WeekSegments, OneEntry) {
    struct Case {
        const char* name;
        WeekTime start, stop;
        std::vector<WeekSegment> segments;
    };
    const Case cases[] = {
        {"within a day", 8 * H, 17 * H, {{1, 8 * H, 17 * H, 0}}},
        {"one second", D + 5, D + 6, {{2, 5, 6, 0}}},
        {"across midnight", 22 * H, D + 6 * H, {{1, 22 * H, D, 0}, {2, 0, 6 * H, 0}}},
        {"across several days", D + 12 * H, 4 * D + H,
         {{2, 12 * H, D, 0}, {3, 0, D, 0}, {4, 0, D, 0}, {5, 0, H, 0}}},
        {"ends exactly at midnight", 20 * H, D, {{1, 20 * H, D, 0}}},
        {"starts exactly at midnight", D, D + H, {{2, 0, H, 0}}},
        {"wraps past Sunday", 6 * D + 22 * H, 6 * H, {{1, 0, 6 * H, 0}, {7, 22 * H, D, 0}}},
        {"wraps to Monday midnight", 6 * D + 22 * H, 0, {{7, 22 * H, D, 0}}},
        {"wraps from the last second", 604799, 1, {{1, 0, 1, 0}, {7, D - 1, D, 0}}},
        {"wraps far round", 2 * D, D,
         {{1, 0, D, 0}, {3, 0, D, 0}, {4, 0, D, 0}, {5, 0, D, 0}, {6, 0, D, 0}, {7, 0, D, 0}}},
        {"plain to the end of Sunday", 6 * D, 604799, {{7, 0, D - 1, 0}}},
        {"whole week from Monday",
         0,
         0,
         {{1, 0, D, 0}, {2, 0, D, 0}, {3, 0, D, 0}, {4, 0, D, 0}, {5, 0, D, 0}, {6, 0, D, 0}, {7, 0, D, 0}}},
        {"whole week from Thursday noon",
         3 * D + 12 * H,
         3 * D + 12 * H,
         {{1, 0, D, 0}, {2, 0, D, 0}, {3, 0, D, 0}, {4, 0, D, 0}, {5, 0, D, 0}, {6, 0, D, 0}, {7, 0, D, 0}}},
        {"foreign start", 604800, H, {}},
        {"foreign stop", H, 604800, {}},
        {"foreign both", 4294967295u, 4294967295u, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ScheduleEntry> entries = {DefaultEntry(c.start, c.stop)};
        EXPECT_EQ(WeekSegments(entries), c.segments);
    }
}

TEST(WeekSegments, SlotsInOrderAndTouchingEntries) {
    const std::vector<ScheduleEntry> entries = {
        DefaultEntry(8 * H, 17 * H),          // 0
        DefaultEntry(604800, 0),              // 1: foreign, skipped without disturbing the others
        DefaultEntry(17 * H, D),              // 2: touches 0, ends at midnight
        DefaultEntry(6 * D + 23 * H, 8 * H),  // 3: wraps and touches 0 from before
    };
    const std::vector<WeekSegment> expected = {
        {1, 8 * H, 17 * H, 0}, {1, 17 * H, D, 2}, {1, 0, 8 * H, 3}, {7, 23 * H, D, 3}};
    const std::vector<WeekSegment> segments = WeekSegments(entries);
    ASSERT_EQ(segments, expected);

    struct Probe {
        int day;
        std::uint32_t second;
        int slot;
    };
    const Probe probes[] = {
        {1, 0, 3},          {1, 8 * H - 1, 3}, {1, 8 * H, 0},       {1, 17 * H - 1, 0}, {1, 17 * H, 2},
        {1, D - 1, 2},      {2, 0, -1},        {6, 12 * H, -1},     {7, 23 * H - 1, -1}, {7, 23 * H, 3},
        {7, D - 1, 3},      {0, 0, -1},        {8, 0, -1},          {1, D, -1},
    };
    for (const Probe& p : probes) {
        EXPECT_EQ(SlotAt(segments, p.day, p.second), p.slot < 0 ? std::nullopt : OptionalSlot(p.slot)) << "day " << p.day << " second " << p.second;
    }
}

TEST(WeekSegments, EmptyScheduleHasNoBars) {
    const std::vector<WeekSegment> segments = WeekSegments({});
    EXPECT_TRUE(segments.empty());
    EXPECT_EQ(SlotAt(segments, 1, 0), std::nullopt);
}

TEST(WeekSegments, TopmostBarWinsWhereForeignEntriesOverlap) {
    const std::vector<ScheduleEntry> entries = {DefaultEntry(0, 0), DefaultEntry(H, 2 * H)};
    const std::vector<WeekSegment> segments = WeekSegments(entries);
    EXPECT_EQ(SlotAt(segments, 1, H), 1u);
    EXPECT_EQ(SlotAt(segments, 1, 2 * H), 0u);
    EXPECT_EQ(SlotAt(segments, 5, 0), 0u);
}

TEST(WeekSegments, TriggerClasses) {
    struct Case {
        int code;
        TriggerClass cls;
    };
    const Case cases[] = {
        {0, TriggerClass::Continuous}, {1, TriggerClass::Alarm1},      {4, TriggerClass::Alarm1},
        {5, TriggerClass::Alarm2},     {8, TriggerClass::Alarm2},      {9, TriggerClass::Vmd},
        {10, TriggerClass::Continuous}, {15, TriggerClass::Continuous}, {-1, TriggerClass::Continuous},
        {16, TriggerClass::Continuous},
    };
    for (const Case& c : cases) EXPECT_EQ(ClassOfTrigger(c.code), c.cls) << c.code;
}

}  // namespace
