#include "model/entry_texts.h"

#include <cstdio>
#include <string>

#include "model/rate_table.h"
#include "model/week_time.h"

const PerColumn<const char*> kColumnTitles = {
    {"Start", "Stop", "PAL IPS", "NTSC IPS", "Image Size", "Resolution", "Trigger", "Duration", "Video Out"}};
const PerColumn<int> kColumnWidths = {{140, 140, 70, 70, 70, 80, 60, 60, 60}};

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

std::string EntryLengthText(WeekTime start, WeekTime stop) {
    // Taken round the week, so that a foreign time past Sunday cannot give a length beyond it.
    const WeekTime from = start % kSecondsPerWeek, to = stop % kSecondsPerWeek;
    WeekTime length = (to + kSecondsPerWeek - from) % kSecondsPerWeek;
    if (length == 0) length = kSecondsPerWeek;
    const DayTime split = SplitWeekTime(length);
    const int days = split.day - 1;
    std::string text = "Length:";
    auto part = [&text](int value, const char* unit) {
        if (value == 0) return;
        text += ' ';
        text += std::to_string(value);
        text += ' ';
        text += unit;
    };
    part(days, days == 1 ? "day" : "days");
    part(split.hour, "h");
    part(split.minute, "min");
    part(split.second, "s");
    return text;
}

ColumnTexts EntryTexts(const ScheduleEntry& entry) {
    const int trigger = TriggerOf(entry);
    char size[32];
    std::snprintf(size, sizeof size, "%ukB", static_cast<unsigned>(entry.imageSize / 1000));
    char duration[32];
    std::snprintf(duration, sizeof duration, "%ds", DurationOf(entry));
    ColumnTexts texts;
    texts[ListColumn::kStart] = WeekTimeText(entry.start);
    texts[ListColumn::kStop] = WeekTimeText(entry.stop);
    texts[ListColumn::kPalIps] = FormatTenths(Pal10(entry.rateCode));
    texts[ListColumn::kNtscIps] = FormatTenths(Ntsc10(entry.rateCode));
    texts[ListColumn::kImageSize] = size;
    texts[ListColumn::kResolution] = entry.resolution == kResolutionFrame ? "Frame" : "Field";
    texts[ListColumn::kTrigger] = TriggerText(trigger);
    texts[ListColumn::kDuration] = texts[ListColumn::kTrigger] == TriggerText(kTriggerContinuous) ? "N/A" : duration;
    texts[ListColumn::kVideoOut] = VideoOutOf(entry) ? "On" : "Off";
    return texts;
}
