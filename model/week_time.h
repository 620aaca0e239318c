#pragma once
// Week-time arithmetic: a point in the recorder's cyclic week as seconds since Monday 00:00:00.
#include <cstdint>

using WeekTime = std::uint32_t;

constexpr WeekTime kSecondsPerDay = 86400;
constexpr WeekTime kSecondsPerWeek = 7 * kSecondsPerDay;  // valid week times are 0 .. 604799

// A time of day, as the schedule item dialog's pickers carry it.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

// The split form of a WeekTime; day 1 = Monday ... 7 = Sunday.
struct DayTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int day = 1;
    friend bool operator==(const DayTime&, const DayTime&) = default;
};

// second + minute*60 + hour*3600 + (day-1)*86400. A day outside 1..7 (only a foreign file
// can lead to one) is clamped into the week, so the result is never below zero.
WeekTime ComposeWeekTime(int day, int hour, int minute, int second);
WeekTime ComposeWeekTime(int day, const TimeOfDay& time);

// day = 1 + t / 86400, then hour, minute, second of the rest. A t of 604800 or more
// yields a day of 8 or more, which callers must be ready for.
DayTime SplitWeekTime(WeekTime t);

// "Monday" ... "Sunday" for day 1..7, translated.
const char* WeekdayName(int day);  // nullptr outside 1..7
// A weekday as it reads inside a sentence, "07:30:00 on Monday" (lower case in French, Spanish
// and Italian), translated; nullptr outside 1..7.
const char* WeekdayInSentence(int day);
