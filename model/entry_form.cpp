#include "model/entry_form.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "model/rate_table.h"

EntryForm NewEntryForm() {
    EntryForm form;
    form.startTime = TimeOfDay{};
    form.stopTime = TimeOfDay{};
    form.startDay = 1;
    form.stopDay = 1;
    form.rateCode = 0;
    form.sizeKB = 32;
    form.frame = false;
    form.trigger = kTriggerContinuous;
    form.duration = 10;
    form.videoOut = true;
    form.ratePosition = RatePosition(0);
    return form;
}

WeekTime FormStart(const EntryForm& form) { return ComposeWeekTime(form.startDay, form.startTime); }
WeekTime FormStop(const EntryForm& form) { return ComposeWeekTime(form.stopDay, form.stopTime); }

int DurationInRange(int duration) {
    if (duration < kMinDuration) return kMinDuration;
    if (duration > kMaxDuration) return kMaxDuration;
    return duration;
}

ScheduleEntry EntryFromForm(const EntryForm& form) {
    const int duration = form.durationAsStored ? form.duration : DurationInRange(form.duration);

    ScheduleEntry entry;
    entry.start = FormStart(form);
    entry.stop = FormStop(form);
    entry.rateCode = static_cast<std::uint32_t>(form.rateCode);
    // Unsigned, so an out-of-range size wraps like the 32-bit word instead of overflowing.
    entry.imageSize = static_cast<std::uint32_t>(form.sizeKB) * 1000u + static_cast<std::uint32_t>(form.sizeBytesPastKB);
    entry.resolution = form.frame ? kResolutionFrame : kResolutionField;
    entry.control = (form.videoOut ? kVideoOutBit : 0u) |
                    ((static_cast<std::uint32_t>(form.trigger) & kTriggerMask) << kTriggerShift) |
                    (static_cast<std::uint32_t>(duration) & kDurationMask);
    return entry;
}

EntryForm FormFromEntry(const ScheduleEntry& entry) {
    const DayTime start = SplitWeekTime(entry.start);
    const DayTime stop = SplitWeekTime(entry.stop);
    EntryForm form;
    form.startTime = {start.hour, start.minute, start.second};
    form.startDay = start.day;
    form.stopTime = {stop.hour, stop.minute, stop.second};
    form.stopDay = stop.day;
    // The stored word read as a signed int (well defined since C++20): 4294967295 becomes -1.
    form.rateCode = static_cast<int>(entry.rateCode);
    form.sizeKB = static_cast<int>(entry.imageSize / 1000);
    form.sizeBytesPastKB = static_cast<int>(entry.imageSize % 1000);
    form.frame = entry.resolution == kResolutionFrame;
    form.trigger = TriggerOf(entry);
    form.duration = DurationOf(entry);
    form.durationAsStored = DurationInRange(form.duration) != form.duration;
    form.videoOut = VideoOutOf(entry);
    form.ratePosition = RatePosition(entry.rateCode);
    return form;
}

namespace {
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

int ParseDurationText(const char* text) {
    if (text == nullptr) return 0;
    while (IsSpace(*text)) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') {
        negative = *text == '-';
        ++text;
    }
    // Accumulate the magnitude in 64 bits and stop growing once it is past the int range,
    // so a long run of digits saturates instead of overflowing.
    const std::int64_t limit = negative ? -std::int64_t(INT_MIN) : std::int64_t(INT_MAX);
    std::int64_t magnitude = 0;
    for (; IsDigit(*text); ++text) {
        magnitude = magnitude * 10 + (*text - '0');
        if (magnitude > limit) magnitude = limit;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int TriggerListIndex(int trigger) {
    return trigger > kTriggerContinuous && trigger < kDialogTriggerCount ? trigger : kTriggerContinuous;
}

int DialogTrigger(int formTrigger, int listIndex, bool listUsed) {
    if (!listUsed && TriggerListIndex(formTrigger) != formTrigger) return formTrigger;
    return listIndex < kTriggerContinuous || listIndex >= kDialogTriggerCount ? kTriggerContinuous : listIndex;
}

namespace {
bool DurationChanged(int formDuration, int typed, bool triggerUsed) { return typed != formDuration || triggerUsed; }
}  // namespace

int DialogDuration(int formDuration, int typed, bool triggerUsed) {
    return DurationChanged(formDuration, typed, triggerUsed) ? DurationInRange(typed) : formDuration;
}

EntryForm WithDialogPicks(EntryForm form, const DialogPicks& picks) {
    if (picks.rateMoved) {
        const int position = std::clamp(picks.ratePosition, 0, kRatePositions - 1);
        form.rateCode = static_cast<int>(kRateTable[std::size_t(position)].rateCode);
    }
    if (picks.sizeMoved) {
        form.sizeKB = picks.sizeKB;
        form.sizeBytesPastKB = 0;
    }
    if (DurationChanged(form.duration, picks.duration, picks.triggerUsed)) {
        form.duration = DurationInRange(picks.duration);
        form.durationAsStored = false;
    }
    form.trigger = DialogTrigger(form.trigger, picks.triggerIndex, picks.triggerUsed);
    return form;
}
