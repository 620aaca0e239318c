#pragma once
// The nine texts the schedule list shows for an entry.
#include <array>
#include <string>

#include "model/schedule_entry.h"

constexpr int kListColumns = 9;

// Column titles and initial widths in pixels, in column order.
extern const std::array<const char*, kListColumns> kColumnTitles;
extern const std::array<int, kListColumns> kColumnWidths;

// "%02d:%02d:%02d on <weekday>"; a week time of 604800 or more reads "... on Day N".
std::string WeekTimeText(WeekTime t);

// Start, Stop, PAL IPS, NTSC IPS, Image Size, Resolution, Trigger, Duration, Video Out.
std::array<std::string, kListColumns> EntryTexts(const ScheduleEntry& entry);

// What a refused entry collides with, for the overlap message:
// "It overlaps <start> to <stop> (<trigger>)." in the texts of the list.
std::string OverlapDetailText(const ScheduleEntry& other);

// A week-strip bar's tooltip, in the texts of the list:
// "<start> - <stop>\n<trigger>, <PAL> / <NTSC> images per second (PAL / NTSC)".
std::string EntryHoverText(const ScheduleEntry& entry);
