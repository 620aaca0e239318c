#pragma once
// A full schedule for the benchmarks: 256 entries that do not overlap, spread over the week,
// with every rate step, trigger and mode the operator can choose, in start order.
#include <cstdint>
#include <vector>

#include "model/rate_table.h"
#include "model/schedule_entry.h"

constexpr std::uint32_t kFullScheduleEntries = 256;
constexpr WeekTime kSlotSpacing = 2362;  // 256 * 2362 fits in the 604800 seconds of a week
constexpr WeekTime kEntryLength = 1800;

inline ScheduleEntry FullScheduleEntry(std::uint32_t i) {
    ScheduleEntry e;
    e.start = i * kSlotSpacing;
    e.stop = e.start + kEntryLength;
    const std::uint32_t trigger = i % 10;  // continuous, the alarms and VMD
    const std::uint32_t duration = 5 + (i * 13) % 3596;
    e.control = duration | (trigger << kTriggerShift) | (i % 2 ? kVideoOutBit : 0);
    e.resolution = i % 3 ? kResolutionField : kResolutionFrame;
    e.rateCode = kRateTable[i % kRatePositions].rateCode;
    e.imageSize = (10 + i % 23) * 1000;
    return e;
}

inline std::vector<ScheduleEntry> FullSchedule() {
    std::vector<ScheduleEntry> entries;
    entries.reserve(kFullScheduleEntries);
    for (std::uint32_t i = 0; i < kFullScheduleEntries; ++i) entries.push_back(FullScheduleEntry(i));
    return entries;
}
