#pragma once
// The nine texts the schedule list shows for an entry, one per column.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/schedule_entry.h"

// The schedule list's columns, left to right.
enum class ListColumn { kStart, kStop, kPalIps, kNtscIps, kImageSize, kResolution, kTrigger, kDuration, kVideoOut };
constexpr std::size_t kListColumns = 9;
constexpr std::array<ListColumn, kListColumns> kAllColumns = {
    ListColumn::kStart,      ListColumn::kStop,    ListColumn::kPalIps,   ListColumn::kNtscIps,  ListColumn::kImageSize,
    ListColumn::kResolution, ListColumn::kTrigger, ListColumn::kDuration, ListColumn::kVideoOut};

// One value for each column, reached by the column's name.
template <typename T>
struct PerColumn {
    std::array<T, kListColumns> values{};
    T& operator[](ListColumn column) { return values[static_cast<std::size_t>(column)]; }
    const T& operator[](ListColumn column) const { return values[static_cast<std::size_t>(column)]; }
    friend bool operator==(const PerColumn&, const PerColumn&) = default;
};
using ColumnTexts = PerColumn<std::string>;

// Column titles, in English, and initial widths in pixels.
extern const PerColumn<const char*> kColumnTitles;
// A column's title, translated.
const char* ColumnTitle(ListColumn column);
extern const PerColumn<int> kColumnWidths;

// Every text below is translated.
// A day as it reads inside a sentence: "Monday" for day 1; a day past Sunday reads "Day 8".
std::string DayName(int day);
// "%02d:%02d:%02d on <weekday>"; a week time of 604800 or more reads "... on Day N".
std::string WeekTimeText(WeekTime t);

// "Length: " and how long an entry from start to stop runs, in days, hours, minutes and
// seconds, each part only when it is not zero ("Length: 6 days 23 h", "Length: 1 min 30 s").
// A stop before the start wraps past Sunday; start == stop is the whole week, "Length: 7 days".
std::string EntryLengthText(WeekTime start, WeekTime stop);

// "%ukB" of the whole kilobytes of an image size in bytes, as the list and the item dialog show it.
std::string ImageSizeText(std::uint32_t imageSize);

// The durations an entry can record for, "5–3600 s".
std::string DurationRangeText();

// What the list shows for an entry.
ColumnTexts EntryTexts(const ScheduleEntry& entry);
