#include <gtest/gtest.h>

#include "model/week_time.h"

namespace {

TEST(WeekTime, EveryHourOfTheWeekRoundTrips) {
    for (int day = 1; day <= 7; ++day) {
        for (int hour = 0; hour < 24; ++hour) {
            const WeekTime t = ComposeWeekTime(day, hour, 0, 0);
            EXPECT_EQ(t, WeekTime((day - 1) * 86400 + hour * 3600));
            EXPECT_EQ(SplitWeekTime(t), (DayTime{hour, 0, 0, day}));
            // The last second before each hour boundary belongs to the previous hour.
            if (t > 0) {
                const DayTime before = SplitWeekTime(t - 1);
                EXPECT_EQ(before.minute, 59);
                EXPECT_EQ(before.second, 59);
                EXPECT_EQ(ComposeWeekTime(before.day, before.hour, before.minute, before.second), t - 1);
            }
        }
    }
}

TEST(WeekTime, KnownPoints) {
    struct Case {
        int day, hour, minute, second;
        WeekTime t;
    };
    const Case cases[] = {
        {1, 0, 0, 0, 0},          {1, 0, 0, 1, 1},           {1, 23, 59, 59, 86399},
        {2, 0, 0, 0, 86400},      {1, 8, 0, 0, 28800},       {1, 17, 0, 0, 61200},
        {7, 22, 0, 0, 597600},    {7, 23, 59, 59, 604799},   {4, 12, 34, 56, 3 * 86400 + 45296},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t);
        EXPECT_EQ(ComposeWeekTime(c.day, c.hour, c.minute, c.second), c.t);
        EXPECT_EQ(ComposeWeekTime(c.day, TimeOfDay{c.hour, c.minute, c.second}), c.t);
        EXPECT_EQ(SplitWeekTime(c.t), (DayTime{c.hour, c.minute, c.second, c.day}));
    }
}

TEST(WeekTime, DayOutsideTheWeekIsClamped) {
    struct Case {
        int day;
        WeekTime t;
    };
    const Case cases[] = {
        {0, 3600}, {-1, 3600}, {-2147483647 - 1, 3600}, {8, 6 * 86400 + 3600}, {2147483647, 6 * 86400 + 3600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        EXPECT_EQ(ComposeWeekTime(c.day, 1, 0, 0), c.t);
    }
}

TEST(WeekTime, SplitPastTheWeekGivesDayEightAndBeyond) {
    struct Case {
        WeekTime t;
        DayTime split;
    };
    const Case cases[] = {
        {604800, {0, 0, 0, 8}},
        {604800 + 3661, {1, 1, 1, 8}},
        {4294967295u, {6, 28, 15, 49711}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t);
        EXPECT_EQ(SplitWeekTime(c.t), c.split);
    }
}

TEST(WeekTime, WeekdayNames) {
    const char* names[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    for (int day = 1; day <= 7; ++day) EXPECT_STREQ(WeekdayName(day), names[day - 1]);
    for (int day : {0, -1, 8, 49711}) EXPECT_EQ(WeekdayName(day), nullptr) << day;
}

}  // namespace
