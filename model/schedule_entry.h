#pragma once
// The schedule entry record: six 32-bit words, as the configuration file stores them.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "model/week_time.h"

// An entry's place in the image, 0..255; no value where no entry is meant (nothing selected).
using SlotIndex = std::size_t;
using OptionalSlot = std::optional<SlotIndex>;

struct ScheduleEntry {
    WeekTime start = 0;          // recording starts here
    WeekTime stop = 0;           // half-open [start, stop); start == stop is the whole week
    std::uint32_t control = 0;   // bits 0-11 duration, 12-15 trigger code, 16 video out
    std::uint32_t resolution = 0;  // 0 frame mode, 2 field mode
    std::uint32_t rateCode = 0;  // frame-skip count, see the rate table
    std::uint32_t imageSize = 0; // bytes, kilobytes * 1000
    friend bool operator==(const ScheduleEntry&, const ScheduleEntry&) = default;
};

// Control word fields.
constexpr std::uint32_t kDurationMask = 0xFFF;
constexpr std::uint32_t kTriggerShift = 12;
constexpr std::uint32_t kTriggerMask = 0xF;
constexpr std::uint32_t kVideoOutBit = 0x10000;

constexpr std::uint32_t kResolutionFrame = 0;
constexpr std::uint32_t kResolutionField = 2;

inline int TriggerOf(const ScheduleEntry& e) { return static_cast<int>((e.control >> kTriggerShift) & kTriggerMask); }
inline int DurationOf(const ScheduleEntry& e) { return static_cast<int>(e.control & kDurationMask); }
inline bool VideoOutOf(const ScheduleEntry& e) { return (e.control & kVideoOutBit) != 0; }
// False for an entry with a time past Sunday, which only a foreign file can hold.
inline bool LiesWithinWeek(const ScheduleEntry& e) { return e.start < kSecondsPerWeek && e.stop < kSecondsPerWeek; }
