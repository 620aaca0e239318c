#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/week_coverage.h"
#include "support/entries.h"

namespace {

constexpr WeekTime H = kHour;
constexpr WeekTime D = kDay;
constexpr WeekTime W = kSecondsPerWeek;

ScheduleEntry WithTrigger(ScheduleEntry entry, int trigger) {
    entry.control = (entry.control & ~(kTriggerMask << kTriggerShift)) | (std::uint32_t(trigger) << kTriggerShift);
    return entry;
}

// Office hours: Monday to Friday 07:30 to 18:00.
std::vector<ScheduleEntry> OfficeHours() {
    std::vector<ScheduleEntry> entries;
    for (WeekTime day = 0; day < 5; ++day) entries.push_back(DefaultEntry(day * D + 7 * H + 1800, day * D + 18 * H));
    return entries;
}

TEST(WeekCoverage, RecordedTimeAndStretches) {
    struct Case {
        const char* name;
        std::vector<ScheduleEntry> entries;
        WeekTime recorded;
        std::vector<WeekStretch> unrecorded;
    };
    const Case cases[] = {
        {"empty schedule: the whole week unrecorded", {}, 0, {{0, W}}},
        {"whole week from Thursday noon", {DefaultEntry(3 * D + 12 * H, 3 * D + 12 * H)}, W, {}},
        {"all but the last second", {DefaultEntry(0, W - 1)}, W - 1, {{W - 1, 1}}},
        {"across midnight", {DefaultEntry(22 * H, D + 6 * H)}, 8 * H, {{D + 6 * H, W - 8 * H}}},
        {"past Sunday into Monday", {DefaultEntry(6 * D + 22 * H, 6 * H)}, 8 * H, {{6 * H, W - 8 * H}}},
        {"touching entries count once and leave no gap",
         {DefaultEntry(8 * H, 17 * H), DefaultEntry(17 * H, D)}, 16 * H, {{D, W - 16 * H}}},
        {"touching over the week's end", {DefaultEntry(6 * D + 20 * H, 0), DefaultEntry(0, 8 * H)}, 12 * H,
         {{8 * H, W - 12 * H}}},
        {"overlapping entries of a foreign file count once",
         {DefaultEntry(8 * H, 17 * H), DefaultEntry(12 * H, 20 * H)}, 12 * H, {{20 * H, W - 12 * H}}},
        {"a gap at both ends of the week is one stretch past Sunday", {DefaultEntry(D, 2 * D)}, D, {{2 * D, 6 * D}}},
        {"a time past Sunday records nothing, the others still count",
         {DefaultEntry(W, H), DefaultEntry(H, 2 * H), DefaultEntry(3 * H, 4294967295u)}, H, {{2 * H, W - H}}},
        {"longest first, equal lengths in week order", OfficeHours(), 52 * H + 1800,
         {{4 * D + 18 * H, 61 * H + 1800},
          {18 * H, 13 * H + 1800},
          {D + 18 * H, 13 * H + 1800},
          {2 * D + 18 * H, 13 * H + 1800},
          {3 * D + 18 * H, 13 * H + 1800}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WeekCoverage coverage = CoverageOf(c.entries);
        EXPECT_EQ(coverage.recorded, c.recorded);
        EXPECT_EQ(coverage.unrecorded, c.unrecorded);
    }
}

TEST(WeekCoverage, TimeOfEachTrigger) {
    // Continuous (codes 0 and 15), Alarm 1 overlapping it (a foreign file), VMD across midnight.
    const std::vector<ScheduleEntry> entries = {
        DefaultEntry(8 * H, 17 * H), WithTrigger(DefaultEntry(D, D + 30 * 60), 15),
        WithTrigger(DefaultEntry(12 * H, 20 * H), 1), WithTrigger(DefaultEntry(2 * D + 23 * H, 3 * D + 1 * H), 9)};
    const WeekCoverage coverage = CoverageOf(entries);
    EXPECT_EQ(coverage.recorded, 12 * H + 1800 + 2 * H);
    EXPECT_EQ(coverage.byTrigger, (std::array<WeekTime, 4>{9 * H + 1800, 8 * H, 0, 2 * H}));
    EXPECT_EQ(TriggerTimesText(coverage), "Continuous 9 h 30 min, Alarm 1 8 h, VMD 2 h");
    EXPECT_EQ(TriggerTimesText(CoverageOf({})), "");
}

TEST(WeekCoverage, Texts) {
    struct Case {
        const char* name;
        std::vector<ScheduleEntry> entries;
        std::string recorded;
        std::string unrecorded;
        std::size_t lines;  // the strip's lines: a trigger line and a stretch line only when not empty
    };
    const Case cases[] = {
        {"office hours", OfficeHours(), "Recorded 52 h 30 min of 168 h",
         "Not recorded: Friday 18:00 to Monday 07:30, Monday 18:00 to Tuesday 07:30, Tuesday 18:00 to Wednesday "
         "07:30 and 2 more", 3},
        {"empty schedule", {}, "Recorded 0 h of 168 h", "Not recorded: the whole week", 2},
        {"whole week", {DefaultEntry(0, 0)}, "Recorded 168 h of 168 h", "", 2},
        {"one stretch with seconds", {DefaultEntry(90, 0)}, "Recorded 167 h 58 min 30 s of 168 h",
         "Not recorded: Monday 00:00 to Monday 00:01:30", 3},
        {"three stretches, all named",
         {DefaultEntry(0, H), DefaultEntry(2 * H, 3 * H), DefaultEntry(5 * H, 6 * H)}, "Recorded 3 h of 168 h",
         "Not recorded: Monday 06:00 to Monday 00:00, Monday 03:00 to Monday 05:00, Monday 01:00 to Monday 02:00", 3},
        {"four stretches, one more",
         {DefaultEntry(0, H), DefaultEntry(2 * H, 3 * H), DefaultEntry(5 * H, 6 * H), DefaultEntry(7 * H, 8 * H)},
         "Recorded 4 h of 168 h",
         "Not recorded: Monday 08:00 to Monday 00:00, Monday 03:00 to Monday 05:00, Monday 01:00 to Monday 02:00 and 1 "
         "more",
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WeekCoverage coverage = CoverageOf(c.entries);
        EXPECT_EQ(RecordedText(coverage), c.recorded);
        EXPECT_EQ(UnrecordedText(coverage), c.unrecorded);
        const std::vector<std::string> lines = CoverageLines(coverage);
        ASSERT_EQ(lines.size(), c.lines);
        EXPECT_EQ(lines.front(), c.recorded);
        if (!c.unrecorded.empty()) {
            EXPECT_EQ(lines.back(), c.unrecorded);
        }
    }
}

TEST(WeekCoverage, UnrecordedStretchesAsBars) {
    const std::vector<WeekSegment> office = UnrecordedSegments(CoverageOf(OfficeHours()));
    // The longest stretch, Friday evening to Monday morning, comes first, Monday's part first.
    ASSERT_GE(office.size(), 4u);
    EXPECT_EQ(std::vector<WeekSegment>(office.begin(), office.begin() + 4),
              (std::vector<WeekSegment>{{1, 0, 7 * H + 1800, 0}, {5, 18 * H, D, 0}, {6, 0, D, 0}, {7, 0, D, 0}}));
    EXPECT_EQ(UnrecordedSegments(CoverageOf({})).size(), 7u);
    EXPECT_TRUE(UnrecordedSegments(CoverageOf(std::vector<ScheduleEntry>{DefaultEntry(0, 0)})).empty());
}

}  // namespace
