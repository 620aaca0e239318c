#include "model/entry_texts.h"

#include <cstdio>
#include <string>

#include "model/entry_form.h"
#include "model/rate_table.h"
#include "model/translation.h"
#include "model/week_time.h"

const PerColumn<const char*> kColumnTitles = {{N_("Start"), N_("Stop"),
                                                // TRANSLATORS: images per second of a PAL camera.
                                                N_("PAL IPS"), N_("NTSC IPS"), N_("Image Size"), N_("Resolution"),
                                                N_("Trigger"), N_("Duration"), N_("Video Out")}};
const PerColumn<int> kColumnWidths = {{140, 140, 70, 70, 70, 80, 60, 60, 60}};

const char* ColumnTitle(ListColumn column) { return Tr(kColumnTitles[column]); }

std::string DayName(int day) {
    if (const char* name = WeekdayInSentence(day)) return name;
    // TRANSLATORS: a day past Sunday, which only a foreign file holds.
    return FillIn(Tr("Day %s"), {std::to_string(day)});
}

std::string WeekTimeText(WeekTime t) {
    const DayTime split = SplitWeekTime(t);
    // Hours, minutes and seconds are below 100: two digits each, written out directly since
    // the list asks for these texts on every rebuild.
    const char clock[] = {char('0' + split.hour / 10),   char('0' + split.hour % 10),   ':',
                          char('0' + split.minute / 10), char('0' + split.minute % 10), ':',
                          char('0' + split.second / 10), char('0' + split.second % 10)};
    // TRANSLATORS: a time of the week, "08:00:00 on Friday".
    return FillIn(Tr("%s on %s"), {std::string_view(clock, sizeof clock), DayName(split.day)});
}

std::string EntryLengthText(WeekTime start, WeekTime stop) {
    // Taken round the week, so that a foreign time past Sunday cannot give a length beyond it.
    const WeekTime from = start % kSecondsPerWeek, to = stop % kSecondsPerWeek;
    WeekTime length = (to + kSecondsPerWeek - from) % kSecondsPerWeek;
    if (length == 0) length = kSecondsPerWeek;
    const DayTime split = SplitWeekTime(length);
    const int days = split.day - 1;
    std::string text = Tr("Length:");
    auto part = [&text](int value, const char* pattern) {
        if (value == 0) return;
        text += ' ';
        text += FillIn(pattern, {std::to_string(value)});
    };
    part(days, TrPlural("%s day", "%s days", static_cast<unsigned long>(days)));
    // TRANSLATORS: hours, minutes and seconds of an entry's length.
    part(split.hour, Tr("%s h"));
    part(split.minute, Tr("%s min"));
    part(split.second, Tr("%s s"));
    return text;
}

std::string ImageSizeText(std::uint32_t imageSize) {
    char size[32];
    std::snprintf(size, sizeof size, "%ukB", static_cast<unsigned>(imageSize / 1000));
    return size;
}

std::string DurationRangeText() {
    // TRANSLATORS: the shortest and the longest duration of an alarm recording, in seconds.
    return FillIn(Tr("%s–%s s"), {std::to_string(kMinDuration), std::to_string(kMaxDuration)});
}

ColumnTexts EntryTexts(const ScheduleEntry& entry) {
    const int trigger = TriggerOf(entry);
    char duration[32];
    std::snprintf(duration, sizeof duration, "%ds", DurationOf(entry));
    ColumnTexts texts;
    texts[ListColumn::kStart] = WeekTimeText(entry.start);
    texts[ListColumn::kStop] = WeekTimeText(entry.stop);
    texts[ListColumn::kPalIps] = FormatTenths(Pal10(entry.rateCode));
    texts[ListColumn::kNtscIps] = FormatTenths(Ntsc10(entry.rateCode));
    texts[ListColumn::kImageSize] = ImageSizeText(entry.imageSize);
    texts[ListColumn::kResolution] = entry.resolution == kResolutionFrame ? Tr("Frame") : Tr("Field");
    texts[ListColumn::kTrigger] = TriggerText(trigger);
    texts[ListColumn::kDuration] = texts[ListColumn::kTrigger] == TriggerText(kTriggerContinuous) ? Tr("N/A") : duration;
    texts[ListColumn::kVideoOut] = VideoOutOf(entry) ? Tr("On") : Tr("Off");
    return texts;
}
