#include "model/week_coverage.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "model/translation.h"
#include "model/week_time.h"

namespace {

using Interval = std::pair<WeekTime, WeekTime>;  // [first, second) within 0..604800

// The trigger classes' names as the strip's legend shows them, in its order.
constexpr std::array<const char*, 4> kTriggerClassNames = {N_("Continuous"), N_("Alarm 1"), N_("Alarm 2"), N_("VMD")};

// Sorts intervals and merges those that overlap or touch, so that no second counts twice.
std::vector<Interval> Merged(std::vector<Interval> intervals) {
    std::sort(intervals.begin(), intervals.end());
    std::vector<Interval> merged;
    for (const Interval& interval : intervals) {
        if (!merged.empty() && interval.first <= merged.back().second)
            merged.back().second = std::max(merged.back().second, interval.second);
        else
            merged.push_back(interval);
    }
    return merged;
}

WeekTime TotalLength(const std::vector<Interval>& merged) {
    WeekTime total = 0;
    for (const Interval& interval : merged) total += interval.second - interval.first;
    return total;
}

// The gaps between merged intervals; a gap at the week's end and one at its start are one
// stretch running past Sunday.
std::vector<WeekStretch> Gaps(const std::vector<Interval>& merged) {
    std::vector<WeekStretch> gaps;
    WeekTime cursor = 0;
    for (const Interval& interval : merged) {
        if (interval.first > cursor) gaps.push_back({cursor, interval.first - cursor});
        cursor = interval.second;
    }
    if (cursor < kSecondsPerWeek) {
        if (gaps.size() > 0 && gaps.front().from == 0 && cursor > 0) {
            gaps.front() = {cursor, kSecondsPerWeek - cursor + gaps.front().length};
        } else {
            gaps.push_back({cursor, kSecondsPerWeek - cursor});
        }
    }
    std::stable_sort(gaps.begin(), gaps.end(), [](const WeekStretch& a, const WeekStretch& b) {
        return a.length != b.length ? a.length > b.length : a.from < b.from;
    });
    return gaps;
}

// A length in hours, minutes and seconds, each part only when it is not zero: "52 h 30 min";
// "0 h" for none.
std::string LengthText(WeekTime seconds) {
    if (seconds == 0) return FillIn(Tr("%s h"), {"0"});
    std::string text;
    auto part = [&text](WeekTime value, const char* pattern) {
        if (value == 0) return;
        if (!text.empty()) text += ' ';
        text += FillIn(pattern, {std::to_string(value)});
    };
    part(seconds / 3600, Tr("%s h"));
    part(seconds % 3600 / 60, Tr("%s min"));
    part(seconds % 60, Tr("%s s"));
    return text;
}

// "Friday 18:00", with the seconds only where they are not zero: "Friday 18:00:30".
std::string PointText(WeekTime t) {
    const DayTime split = SplitWeekTime(t % kSecondsPerWeek);
    char clock[16];
    if (split.second != 0)
        std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", split.hour, split.minute, split.second);
    else
        std::snprintf(clock, sizeof clock, "%02d:%02d", split.hour, split.minute);
    // TRANSLATORS: where an unrecorded stretch begins or ends, "Friday 18:00".
    return FillIn(TrInContext("weekday and time of day", "%s %s"), {WeekdayInSentence(split.day), clock});
}

std::string StretchText(const WeekStretch& stretch) {
    // TRANSLATORS: an unrecorded stretch of the week, "Friday 18:00 to Monday 07:30"; the second
    // time is when recording starts again.
    return FillIn(TrInContext("unrecorded stretch", "%s to %s"),
                  {PointText(stretch.from), PointText(stretch.from + stretch.length)});
}

}  // namespace

WeekCoverage CoverageOf(std::span<const ScheduleEntry> entries) {
    std::vector<Interval> all;
    std::array<std::vector<Interval>, 4> byTrigger;
    for (const WeekSegment& segment : WeekSegments(entries)) {
        const WeekTime dayStart = WeekTime(segment.day - 1) * kSecondsPerDay;
        const Interval interval{dayStart + segment.first, dayStart + segment.end};
        all.push_back(interval);
        byTrigger[static_cast<std::size_t>(ClassOfTrigger(TriggerOf(entries[segment.slot])))].push_back(interval);
    }
    WeekCoverage coverage;
    const std::vector<Interval> merged = Merged(std::move(all));
    coverage.recorded = TotalLength(merged);
    coverage.unrecorded = Gaps(merged);
    for (std::size_t trigger = 0; trigger < byTrigger.size(); ++trigger)
        coverage.byTrigger[trigger] = TotalLength(Merged(std::move(byTrigger[trigger])));
    return coverage;
}

std::vector<WeekSegment> UnrecordedSegments(const WeekCoverage& coverage) {
    // Each stretch read as an entry gives its bars the way the strip draws an entry's; the
    // whole week (length 604800) is an entry with start == stop.
    std::vector<ScheduleEntry> stretches;
    stretches.reserve(coverage.unrecorded.size());
    for (const WeekStretch& stretch : coverage.unrecorded) {
        ScheduleEntry entry;
        entry.start = stretch.from;
        entry.stop = (stretch.from + stretch.length) % kSecondsPerWeek;
        stretches.push_back(entry);
    }
    return WeekSegments(stretches);
}

std::string RecordedText(const WeekCoverage& coverage) {
    // TRANSLATORS: how much of the week the schedule records, "Recorded 52 h 30 min of 168 h".
    return FillIn(Tr("Recorded %s of %s"), {LengthText(coverage.recorded), LengthText(kSecondsPerWeek)});
}

std::string TriggerTimesText(const WeekCoverage& coverage) {
    std::string text;
    for (std::size_t trigger = 0; trigger < coverage.byTrigger.size(); ++trigger) {
        if (coverage.byTrigger[trigger] == 0) continue;
        if (!text.empty()) text += ", ";
        // TRANSLATORS: a trigger and how long its entries record in the week, "Continuous 52 h 30 min".
        text += FillIn(TrInContext("trigger and its time", "%s %s"),
                       {Tr(kTriggerClassNames[trigger]), LengthText(coverage.byTrigger[trigger])});
    }
    return text;
}

std::string UnrecordedText(const WeekCoverage& coverage) {
    const std::vector<WeekStretch>& stretches = coverage.unrecorded;
    if (stretches.empty()) return {};
    if (stretches.front().length == kSecondsPerWeek) return Tr("Not recorded: the whole week");
    const std::size_t named = std::min(stretches.size(), kNamedStretches);
    std::string list;
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0) list += ", ";
        list += StretchText(stretches[i]);
    }
    const std::size_t more = stretches.size() - named;
    // TRANSLATORS: the longest unrecorded stretches of the week, "Friday 18:00 to Monday 07:30, ...".
    if (more == 0) return FillIn(Tr("Not recorded: %s"), {list});
    // TRANSLATORS: the three longest unrecorded stretches, then how many more there are.
    return FillIn(TrPlural("Not recorded: %s and %s more", "Not recorded: %s and %s more", more),
                  {list, std::to_string(more)});
}

std::vector<std::string> CoverageLines(const WeekCoverage& coverage) {
    std::vector<std::string> lines = {RecordedText(coverage)};
    for (std::string line : {TriggerTimesText(coverage), UnrecordedText(coverage)})
        if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}
