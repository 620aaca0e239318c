#include <gtest/gtest.h>

#include <vector>

#include "model/week_move.h"

namespace {

constexpr WeekTime M = 60;
constexpr WeekTime H = 3600;
constexpr WeekTime D = 86400;
using P = EntryPart;

ScheduleEntry Span(WeekTime start, WeekTime stop) { return ScheduleEntry{start, stop, 0x1000A, 2, 3, 32000}; }

TEST(WeekMove, HitEntry) {
    // Within a day, across midnight, wrapping past Sunday, and two minutes wide.
    const std::vector<ScheduleEntry> entries = {Span(8 * H, 12 * H), Span(22 * H, D + 2 * H),
                                                Span(6 * D + 22 * H, 2 * H),
                                                Span(2 * D + 10 * H, 2 * D + 10 * H + 2 * M)};
    const std::vector<WeekSegment> bars = WeekSegments(entries);
    struct Probe {
        int day;
        std::uint32_t second;
        StripHit hit;
    };
    const Probe probes[] = {
        {1, 8 * H, {0, P::Start}},        {1, 8 * H + 299, {0, P::Start}},  {1, 8 * H + 300, {0, P::Body}},
        {1, 12 * H - 1, {0, P::Stop}},    {1, 12 * H + 299, {0, P::Stop}},  {1, 12 * H + 300, {}},
        {1, 8 * H - 300, {0, P::Start}},  {1, 8 * H - 301, {}},             {1, 22 * H, {1, P::Start}},
        {1, D - 1, {1, P::Body}},         {1, D, {}},                       {2, 0, {1, P::Body}},
        {2, 2 * H - 1, {1, P::Stop}},     {7, 22 * H, {2, P::Start}},       {7, D - 1, {2, P::Body}},
        {1, 0, {2, P::Body}},             {1, 2 * H, {2, P::Stop}},         {3, 10 * H, {3, P::Start}},
        {3, 10 * H + 40, {3, P::Body}},   {3, 10 * H + 119, {3, P::Stop}},  {3, 10 * H - 1, {3, P::Start}},
    };
    for (const Probe& p : probes) EXPECT_EQ(HitEntry(bars, p.day, p.second, 300), p.hit) << p.day << " " << p.second;

    // A whole-week entry shows no ends; where a foreign bar lies on top of it, that bar wins.
    const std::vector<ScheduleEntry> foreign = {Span(D, D), Span(8 * H, 12 * H)};
    const std::vector<WeekSegment> stacked = WeekSegments(foreign);
    EXPECT_EQ(HitEntry(stacked, 2, 0, 300), (StripHit{0, P::Body}));
    EXPECT_EQ(HitEntry(stacked, 1, 8 * H - 1, 300), (StripHit{0, P::Body}));
    EXPECT_EQ(HitEntry(stacked, 1, 8 * H, 300), (StripHit{1, P::Start}));
}

}  // namespace
