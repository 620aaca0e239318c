#include "ui/messages.h"

#include "model/entry_texts.h"
#include "model/week_time.h"

std::string OverlapDetailText(const ScheduleEntry& other) {
    const ColumnTexts texts = EntryTexts(other);
    return "It overlaps " + texts[ListColumn::kStart] + " to " + texts[ListColumn::kStop] + " (" +
           texts[ListColumn::kTrigger] + ").";
}

std::string EntryHoverText(const ScheduleEntry& entry) {
    const ColumnTexts texts = EntryTexts(entry);
    return texts[ListColumn::kStart] + " - " + texts[ListColumn::kStop] + "\n" + texts[ListColumn::kTrigger] + ", " +
           texts[ListColumn::kPalIps] + " / " + texts[ListColumn::kNtscIps] + " images per second (PAL / NTSC)";
}

std::string CopyOverlapText(std::span<const int> days) {
    if (days.empty()) return {};
    std::string names;
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (i > 0) names += i + 1 == days.size() ? " and " : ", ";
        const char* name = WeekdayName(days[i]);
        names += name ? name : "Day " + std::to_string(days[i]);
    }
    if (days.size() == 1) return "The copy for " + names + " overlaps another entry.";
    return "The copies for " + names + " overlap other entries.";
}
