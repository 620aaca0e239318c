#pragma once
// Schedule entries with a new entry's settings, at the times a test names.
#include <cstddef>
#include <vector>

#include "model/schedule_entry.h"

constexpr WeekTime kHour = 3600;
constexpr WeekTime kDay = kSecondsPerDay;

// From start to stop with a new entry's settings: continuous, 10 s, video out on, field mode, rate code 0, 32 kB.
inline ScheduleEntry DefaultEntry(WeekTime start, WeekTime stop) {
    return ScheduleEntry{start, stop, kVideoOutBit | 10u, kResolutionField, 0, 32000};
}

// One default entry of length seconds at each of starts, in slot order.
inline std::vector<ScheduleEntry> EntriesAt(const std::vector<WeekTime>& starts, WeekTime length) {
    std::vector<ScheduleEntry> entries;
    for (const WeekTime start : starts) entries.push_back(DefaultEntry(start, start + length));
    return entries;
}

// count default entries of length seconds, the first at first and then one every `every` seconds.
inline std::vector<ScheduleEntry> EntriesEvery(std::size_t count, WeekTime first, WeekTime every, WeekTime length) {
    std::vector<WeekTime> starts;
    for (std::size_t i = 0; i < count; ++i) starts.push_back(first + static_cast<WeekTime>(i) * every);
    return EntriesAt(starts, length);
}
