#include "model/entry_texts.h"

#include <cstdio>

#include "model/rate_table.h"
#include "model/week_time.h"

const std::array<const char*, kListColumns> kColumnTitles = {
    "Start", "Stop", "PAL IPS", "NTSC IPS", "Image Size", "Resolution", "Trigger", "Duration", "Video Out"};
const std::array<int, kListColumns> kColumnWidths = {140, 140, 70, 70, 70, 80, 60, 60, 60};

std::string WeekTimeText(WeekTime t) {
    const DayTime split = SplitWeekTime(t);
    char text[64];
    if (const char* name = WeekdayName(split.day)) {
        std::snprintf(text, sizeof text, "%02d:%02d:%02d on %s", split.hour, split.minute, split.second, name);
    } else {
        // Only a foreign file holds a time past Sunday; show its day number rather than
        // inventing a weekday for it.
        std::snprintf(text, sizeof text, "%02d:%02d:%02d on Day %d", split.hour, split.minute, split.second,
                      split.day);
    }
    return text;
}

std::array<std::string, kListColumns> EntryTexts(const ScheduleEntry& entry) {
    const int trigger = TriggerOf(entry);
    const std::string triggerText = TriggerText(trigger);
    char size[32];
    std::snprintf(size, sizeof size, "%ukB", static_cast<unsigned>(entry.imageSize / 1000));
    char duration[32];
    std::snprintf(duration, sizeof duration, "%ds", DurationOf(entry));
    return {
        WeekTimeText(entry.start),
        WeekTimeText(entry.stop),
        FormatTenths(Pal10(entry.rateCode)),
        FormatTenths(Ntsc10(entry.rateCode)),
        size,
        entry.resolution == kResolutionFrame ? "Frame" : "Field",
        triggerText,
        triggerText == TriggerText(kTriggerContinuous) ? "N/A" : duration,
        VideoOutOf(entry) ? "On" : "Off",
    };
}

std::string OverlapDetailText(const ScheduleEntry& other) {
    const auto texts = EntryTexts(other);
    return "It overlaps " + texts[0] + " to " + texts[1] + " (" + texts[6] + ").";
}

std::string EntryHoverText(const ScheduleEntry& entry) {
    const auto texts = EntryTexts(entry);
    return texts[0] + " - " + texts[1] + "\n" + texts[6] + ", " + texts[2] + " / " + texts[3] +
           " images per second (PAL / NTSC)";
}
