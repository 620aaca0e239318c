#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <initializer_list>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "model/entry_texts.h"
#include "model/rate_table.h"
#include "model/translation.h"
#include "model/week_move.h"
#include "model/week_time.h"

namespace {

ScheduleEntry Entry(WeekTime start, WeekTime stop, std::uint32_t control, std::uint32_t resolution,
                    std::uint32_t rateCode, std::uint32_t imageSize) {
    return ScheduleEntry{start, stop, control, resolution, rateCode, imageSize};
}

TEST(EntryTexts, WeekTimeTexts) {
    struct Case {
        WeekTime t;
        const char* text;
    };
    const Case cases[] = {
        {0, "00:00:00 on Monday"},
        {28800, "08:00:00 on Monday"},
        {86399, "23:59:59 on Monday"},
        {86400 + 45296, "12:34:56 on Tuesday"},
        {86400 + 37250, "10:20:50 on Tuesday"},  // each tens digit where it first differs
        {86400 + 75661, "21:01:01 on Tuesday"},
        {2 * 86400, "00:00:00 on Wednesday"},
        {3 * 86400, "00:00:00 on Thursday"},
        {4 * 86400, "00:00:00 on Friday"},
        {5 * 86400, "00:00:00 on Saturday"},
        {597600, "22:00:00 on Sunday"},
        {604799, "23:59:59 on Sunday"},
        // Foreign times past Sunday.
        {604800, "00:00:00 on Day 8"},
        {604800 + 86400 + 59, "00:00:59 on Day 9"},
        {4294967295u, "06:28:15 on Day 49711"},
    };
    for (const Case& c : cases) EXPECT_EQ(WeekTimeText(c.t), c.text) << c.t;
}

TEST(EntryTexts, LengthTexts) {
    constexpr WeekTime kHour = 3600, kDay = kSecondsPerDay;
    const std::tuple<WeekTime, WeekTime, const char*> cases[] = {
        {8 * kHour, 18 * kHour + 1800, "Length: 10 h 30 min"}, {0, 90, "Length: 1 min 30 s"},
        {2 * kDay, 3 * kDay, "Length: 1 day"}, {0, 2 * kDay + 3 * kHour + 5, "Length: 2 days 3 h 5 s"},
        {kDay + kHour, kDay, "Length: 6 days 23 h"},  // a stop before the start runs round the week
        {604799, 604799, "Length: 7 days"}, {604800 + kHour, 2 * kHour, "Length: 1 h"}};  // past Sunday: round it
    for (const auto& [start, stop, text] : cases) EXPECT_EQ(EntryLengthText(start, stop), text) << start << " " << stop;
}

// A time past Sunday counts from its place in the week, however far past it lies.
TEST(EntryTexts, LengthOfAStartPastSunday) {
    constexpr WeekTime kHour = 3600, kWeek = kSecondsPerWeek;
    const std::tuple<WeekTime, WeekTime, const char*> cases[] = {
        {kWeek, 0, "Length: 7 days"},                           // Day 8 00:00 is Monday 00:00
        {kWeek + 3 * kHour, kHour, "Length: 6 days 22 h"},      // runs round the week
        {kWeek + kHour, 3 * kHour, "Length: 2 h"},
        {2 * kWeek + 3 * kHour, kHour, "Length: 6 days 22 h"},  // two weeks on
        {4294967295u, 0, "Length: 3 days 17 h 31 min 45 s"},     // the largest word: Thursday 06:28:15
        {kHour, kWeek + 3 * kHour, "Length: 2 h"}};             // a stop past Sunday likewise
    for (const auto& [start, stop, text] : cases) EXPECT_EQ(EntryLengthText(start, stop), text) << start << " " << stop;
}

TEST(EntryTexts, DurationRange) { EXPECT_EQ(DurationRangeText(), "5\u2013" "3600 s"); }

TEST(EntryTexts, RateTextsOfEveryTableCode) {
    const char* pal[] = {"25.0", "12.5", "8.3", "6.2", "5.0", "4.1", "3.1", "2.0",
                         "1.6",  "1.0",  "0.8", "0.5", "0.4", "0.2", "0.1"};
    const char* ntsc[] = {"30.0", "15.0", "10.0", "7.5", "6.0", "5.0", "3.7", "2.5",
                          "2.0",  "1.2",  "1.0",  "0.6", "0.5", "0.2", "0.1"};
    for (int position = 0; position < kRatePositions; ++position) {
        const auto texts = EntryTexts(Entry(0, 3600, 0, 2, kRateTable[std::size_t(position)].rateCode, 32000));
        EXPECT_EQ(texts[ListColumn::kPalIps], pal[position]) << position;
        EXPECT_EQ(texts[ListColumn::kNtscIps], ntsc[position]) << position;
    }
}

TEST(EntryTexts, RateTextsOfForeignCodes) {
    struct Case {
        std::uint32_t code;
        const char* pal;
        const char* ntsc;
    };
    const Case cases[] = {{6, "3.5", "4.2"}, {300, "0.0", "0.0"}, {4294967295u, "0.0", "0.0"}};
    for (const Case& c : cases) {
        const auto texts = EntryTexts(Entry(0, 3600, 0, 2, c.code, 32000));
        EXPECT_EQ(texts[ListColumn::kPalIps], c.pal) << c.code;
        EXPECT_EQ(texts[ListColumn::kNtscIps], c.ntsc) << c.code;
    }
}

TEST(EntryTexts, WholeRows) {
    struct Case {
        const char* name;
        ScheduleEntry entry;
        std::array<std::string, kListColumns> texts;  // left to right
    };
    const Case cases[] = {
        {"new entry defaults", Entry(0, 0, 0x1000A, 2, 0, 32000),
         {"00:00:00 on Monday", "00:00:00 on Monday", "25.0", "30.0", "32kB", "Field", "Continuous", "N/A", "On"}},
        {"alarm in frame mode", Entry(28800, 61200, 0x0803C, 0, 2, 10000),
         {"08:00:00 on Monday", "17:00:00 on Monday", "8.3", "10.0", "10kB", "Frame", "Alarm 2 Level NC", "60s",
          "Off"}},
        {"VMD wrapping", Entry(597600, 21600, 0x19E10, 2, 249, 20000),
         {"22:00:00 on Sunday", "06:00:00 on Monday", "0.1", "0.1", "20kB", "Field", "VMD", "3600s", "On"}},
        {"foreign values", Entry(604800, 4294967295u, 0xFFFFFFFF, 1, 4294967295u, 32767),
         {"00:00:00 on Day 8", "06:28:15 on Day 49711", "0.0", "0.0", "32kB", "Field", "Continuous", "N/A", "On"}},
        {"trigger codes past VMD", Entry(0, 60, 0x0A005, 7, 124, 999),
         {"00:00:00 on Monday", "00:01:00 on Monday", "0.2", "0.2", "0kB", "Field", "Continuous", "N/A", "Off"}},
        {"largest image size", Entry(0, 60, 0x01000, 0, 0, 4294967295u),
         {"00:00:00 on Monday", "00:01:00 on Monday", "25.0", "30.0", "4294967kB", "Frame", "Alarm 1 Edge NO", "0s",
          "Off"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EntryTexts(c.entry).values, c.texts);
    }
}

TEST(EntryTexts, ColumnTitlesAndWidths) {
    const std::array<const char*, kListColumns> titles = {"Start",      "Stop",    "PAL IPS",  "NTSC IPS", "Image Size",
                                                          "Resolution", "Trigger", "Duration", "Video Out"};
    for (ListColumn column : kAllColumns)
        EXPECT_STREQ(kColumnTitles[column], titles[static_cast<std::size_t>(column)]);
    EXPECT_EQ(kColumnWidths.values, (std::array<int, kListColumns>{140, 140, 70, 70, 70, 80, 60, 60, 60}));
}

// Each "%s" takes the next part; marks beyond the parts read empty, parts beyond the marks
// are left out.
TEST(FillIn, PutsThePartsInTheMarksLeftToRight) {
    struct Case {
        const char* pattern;
        std::initializer_list<std::string_view> parts;
        const char* text;
    };
    const Case cases[] = {
        {"%s on %s", {"08:00:00", "Monday"}, "08:00:00 on Monday"},
        {"%s on %s", {"08:00:00"}, "08:00:00 on "},  // more marks than parts
        {"%s%s%s", {}, ""},
        {"%s", {"a", "b"}, "a"},                     // more parts than marks
        {"no mark", {"a"}, "no mark"},
        {"100% %s", {"x"}, "100% x"},                // a lone percent sign stays
        {"%%s", {"x"}, "%x"},
        {"", {"x"}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FillIn(c.pattern, c.parts), c.text) << c.pattern;
}

}  // namespace

// A translation that knows a few German words: the texts are put together from the translated
// patterns and words, and a pattern missing a part leaves it out rather than reading beyond.
TEST(EntryTexts, AreComposedFromTheInstalledTranslation) {
    static const std::map<std::string, std::string> german = {
        {"%s on %s", "%s am %s"}, {"Monday", "Montag"}, {"Day %s", "Tag %s"}, {"Length:", "Länge:"},
        {"%s h", "%s Std."},      {"%s to %s", "%s"},   {"Frame", "Vollbild"}};
    Translation translation;
    translation.text = [](const char* english) {
        const auto found = german.find(english);
        return found == german.end() ? english : found->second.c_str();
    };
    translation.plural = [](const char*, const char*, unsigned long n) { return n == 1 ? "%s Tag" : "%s Tage"; };
    // A weekday in a sentence is asked for under its context.
    translation.inContext = [](const char* context, const char* english) {
        return std::string(context) == "weekday in a sentence" ? german.at(english).c_str() : english;
    };
    InstallTranslation(translation);
    EXPECT_EQ(WeekTimeText(8 * 3600), "08:00:00 am Montag");
    EXPECT_EQ(WeekTimeText(7 * 86400 + 60), "00:01:00 am Tag 8");
    EXPECT_EQ(EntryLengthText(0, 86400 + 2 * 3600), "Länge: 1 Tag 2 Std.");
    EXPECT_EQ(EntryLengthText(0, 0), "Länge: 7 Tage");
    EXPECT_EQ(DragTipText(Entry(0, 3600, 0, kResolutionFrame, 0, 0)), "00:00:00 am Montag");
    EXPECT_EQ(EntryTexts(Entry(0, 3600, 0, kResolutionFrame, 0, 0))[ListColumn::kResolution], "Vollbild");
    InstallTranslation({});
    EXPECT_EQ(WeekTimeText(8 * 3600), "08:00:00 on Monday");
}

// A language that writes a weekday in lower case inside a sentence and "," before the tenths:
// the list's times and rates take those forms, while a weekday standing alone keeps its capital.
// What is written to a file never takes the mark: FormatTenths is for the windows alone.
TEST(EntryTexts, WeekdaysInSentencesAndDecimalsReadAsTheLanguageWritesThem) {
    static const std::map<std::string, std::string> spanish = {
        {"%s on %s", "%s del %s"}, {"Monday", "Lunes"}, {"Sunday", "Domingo"}, {"Day %s", "día %s"}};
    static const std::map<std::pair<std::string, std::string>, std::string> inContext = {
        {{"weekday in a sentence", "Monday"}, "lunes"},
        {{"weekday in a sentence", "Sunday"}, "domingo"},
        {{"decimal mark", "."}, ","}};
    Translation translation;
    translation.text = [](const char* english) {
        const auto found = spanish.find(english);
        return found == spanish.end() ? english : found->second.c_str();
    };
    translation.inContext = [](const char* context, const char* english) {
        const auto found = inContext.find({context, english});
        return found == inContext.end() ? english : found->second.c_str();
    };
    InstallTranslation(translation);
    EXPECT_STREQ(WeekdayName(1), "Lunes");
    EXPECT_STREQ(WeekdayInSentence(7), "domingo");
    EXPECT_EQ(WeekdayInSentence(8), nullptr);
    EXPECT_EQ(DayName(1), "lunes");
    EXPECT_EQ(WeekTimeText(7 * 3600 + 30 * 60), "07:30:00 del lunes");
    EXPECT_EQ(WeekTimeText(6 * 86400 + 3600), "01:00:00 del domingo");
    EXPECT_EQ(WeekTimeText(7 * 86400), "00:00:00 del día 8");
    const ColumnTexts texts = EntryTexts(Entry(0, 3600, 0, kResolutionFrame, 0, 0));
    EXPECT_EQ(texts[ListColumn::kPalIps], "25,0");
    EXPECT_EQ(texts[ListColumn::kNtscIps], "30,0");
    const struct {
        long long tenths;
        const char* text;
    } numbers[] = {{0, "0,0"}, {9, "0,9"}, {10, "1,0"}, {-5, "-0,5"}, {-10, "-1,0"},
                   {9223372036854775807LL, "922337203685477580,7"}, {-9223372036854775807LL - 1, "-922337203685477580,8"}};
    for (const auto& n : numbers) EXPECT_EQ(FormatTenths(n.tenths), n.text) << n.tenths;
    InstallTranslation({});
    EXPECT_EQ(FormatTenths(250), "25.0");
    EXPECT_EQ(WeekTimeText(7 * 3600 + 30 * 60), "07:30:00 on Monday");
}
