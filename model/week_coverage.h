#pragma once
// How much of the cyclic week a schedule records: in all, by trigger, and the stretches it
// leaves unrecorded, with the texts that say so beside the week strip and on the printout.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "model/schedule_entry.h"
#include "model/week_segments.h"

// A stretch of the cyclic week, [from, from + length), running past Sunday into Monday where
// it must; from is 0..604799, length 1..604800 (604800 is the whole week).
struct WeekStretch {
    WeekTime from = 0;
    WeekTime length = 0;
    friend bool operator==(const WeekStretch&, const WeekStretch&) = default;
};

struct WeekCoverage {
    WeekTime recorded = 0;                 // seconds some entry records, each counted once
    std::array<WeekTime, 4> byTrigger{};   // seconds entries of each TriggerClass record
    std::vector<WeekStretch> unrecorded;   // longest first, equal lengths earlier in the week first
    friend bool operator==(const WeekCoverage&, const WeekCoverage&) = default;
};

// The coverage of entries as the week strip draws them: an entry across midnight continues
// into the next day, one past Sunday into Monday, start == stop records the whole week, and
// one with a time of 604800 or more (only a foreign file holds one) records nothing. A second
// claimed by several entries counts once in recorded, and once for each trigger class
// claiming it in byTrigger (so the classes add up to more than recorded only where a foreign
// schedule overlaps).
WeekCoverage CoverageOf(std::span<const ScheduleEntry> entries);

// The unrecorded stretches as bars on the week strip's rows; each bar's slot is its stretch's
// index in coverage.unrecorded.
std::vector<WeekSegment> UnrecordedSegments(const WeekCoverage& coverage);

// Every text below is translated.
// "Recorded 52 h 30 min of 168 h".
std::string RecordedText(const WeekCoverage& coverage);
// The time of each trigger class that records any, in the legend's order:
// "Continuous 52 h 30 min, Alarm 1 3 h"; empty when nothing is recorded.
std::string TriggerTimesText(const WeekCoverage& coverage);
// "Not recorded: Friday 18:00 to Monday 07:30, ...": the three longest stretches, then
// "and n more"; "Not recorded: the whole week" for an empty schedule; empty with no stretch.
std::string UnrecordedText(const WeekCoverage& coverage);
// The texts above that are not empty, in that order: the lines shown beside the strip.
std::vector<std::string> CoverageLines(const WeekCoverage& coverage);

// How many unrecorded stretches the text names before "and n more".
constexpr std::size_t kNamedStretches = 3;
