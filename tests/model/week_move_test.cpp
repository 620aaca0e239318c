#include <gtest/gtest.h>

#include <vector>

#include "model/week_move.h"

namespace {

constexpr WeekTime M = 60;
constexpr WeekTime H = 3600;
constexpr WeekTime D = 86400;
constexpr WeekTime W = 7 * D;
constexpr std::uint32_t Q = kDragStep;
using P = EntryPart;

ScheduleEntry Span(WeekTime start, WeekTime stop) { return ScheduleEntry{start, stop, 0x1000A, 2, 3, 32000}; }

TEST(WeekMove, GrabAt) {
    // Within a day, across midnight, wrapping past Sunday, and two minutes wide.
    const std::vector<ScheduleEntry> entries = {Span(8 * H, 12 * H), Span(22 * H, D + 2 * H),
                                                Span(6 * D + 22 * H, 2 * H),
                                                Span(2 * D + 10 * H, 2 * D + 10 * H + 2 * M)};
    const std::vector<WeekSegment> bars = WeekSegments(entries);
    // With a tolerance of five minutes; drawn is the slot whose bar lies under the pointer.
    struct Probe { int day; std::uint32_t second; OptionalSlot drawn; StripHit hit; };
    const Probe probes[] = {
        {1, 8 * H, 0, {0, P::Start}},          {1, 8 * H + 299, 0, {0, P::Start}},
        {1, 8 * H + 300, 0, {0, P::Body}},     {1, 12 * H - 301, 0, {0, P::Body}},
        {1, 12 * H - 300, 0, {0, P::Stop}},    {1, 12 * H - 1, 0, {0, P::Stop}},
        // Off the bars nothing is taken, however near an end: a press there draws.
        {1, 12 * H, {}, {}},                   {1, 8 * H - 1, {}, {}},
        // A bar drawn over the pixel it starts or stops within is taken by that end.
        {1, 8 * H - 100, 0, {0, P::Start}},    {1, 12 * H + 100, 0, {0, P::Stop}},
        {2, 0, 1, {1, P::Body}},               {7, D - 1, 2, {2, P::Body}},
        {1, 0, 2, {2, P::Body}},               {3, 10 * H + 39, 3, {3, P::Start}},
        {3, 10 * H + 40, 3, {3, P::Body}},     {3, 10 * H + 80, 3, {3, P::Stop}},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(GrabAt(bars, p.day, p.second, 300, p.drawn), p.hit) << p.day << " " << p.second;

    // A whole-week entry shows no ends; where a foreign bar lies on top of it, that bar wins.
    const std::vector<ScheduleEntry> foreign = {Span(D, D), Span(8 * H, 12 * H)};
    const std::vector<WeekSegment> stacked = WeekSegments(foreign);
    EXPECT_EQ(GrabAt(stacked, 2, 0, 300, 0), (StripHit{0, P::Body}));
    EXPECT_EQ(GrabAt(stacked, 1, 8 * H, 300, 1), (StripHit{1, P::Start}));

    // Sunday's stop and its next start a second apart, the same pixel: the bar drawn later wins.
    const std::vector<WeekSegment> seam = WeekSegments(std::vector<ScheduleEntry>{Span(6 * D + 12 * H + 1, 6 * D + 12 * H)});
    EXPECT_EQ(GrabAt(seam, 7, 12 * H, 300, 0), (StripHit{0, P::Start}));
}

TEST(WeekMove, DrawFrom) {
    // A press just beside an end starts the new entry on it, within five minutes.
    struct Case { std::vector<ScheduleEntry> entries; std::uint32_t second, from; };
    const std::vector<ScheduleEntry> apart = {Span(8 * H, 12 * H), Span(14 * H, 16 * H)};
    const Case cases[] = {
        {apart, 12 * H + 1, 12 * H},       {apart, 12 * H + 300, 12 * H},   {apart, 12 * H + 301, 12 * H + 301},
        {apart, 14 * H - 300, 14 * H},     {apart, 14 * H - 301, 14 * H - 301},
        {apart, 10 * H, 10 * H},
        // A stop and the next start equally near: the bar drawn later wins, either way round.
        {{Span(8 * H, 12 * H), Span(12 * H + 200, 13 * H)}, 12 * H + 100, 12 * H + 200},
        {{Span(12 * H + 200, 13 * H), Span(8 * H, 12 * H)}, 12 * H + 100, 12 * H},
        // Ends on another row are not beside it.
        {apart, D + 12 * H + 1, D + 12 * H + 1},
    };
    for (const Case& c : cases) {
        const std::vector<WeekSegment> bars = WeekSegments(c.entries);
        EXPECT_EQ(DrawFrom(bars, 1 + static_cast<int>(c.second / D), c.second % D, 300), c.from % D) << c.second;
    }
}

TEST(WeekMove, DragEntry) {
    // Every drag on the quarter-hour grid.
    struct Case { ScheduleEntry entry; EntryPart part; StripPoint press, pointer; WeekTime start, stop; };
    const ScheduleEntry e = Span(8 * H, 12 * H);
    const Case cases[] = {
        {e, P::Body, {1, 9 * H}, {1, 10 * H + 8 * M}, 9 * H + 15 * M, 13 * H + 15 * M},
        {e, P::Body, {1, 9 * H}, {1, 7 * M}, W - H, 3 * H},
        {Span(8 * H + 7 * M, 9 * H), P::Body, {1, 9 * H}, {1, 9 * H}, 8 * H + 7 * M, 9 * H},
        {Span(0, 0), P::Body, {1, 0}, {1, H}, H, H},
        {Span(6 * D + 20 * H, 6 * D + 23 * H), P::Body, {7, 21 * H}, {9, 2 * D}, 6 * D + 23 * H, 2 * H},
        {e, P::Start, {1, 8 * H}, {1, 13 * H}, 12 * H - 15 * M, 12 * H},
        {Span(D, 12 * H), P::Start, {2, 0}, {1, 10 * H}, 12 * H + 15 * M, 12 * H},
        {e, P::Stop, {1, 12 * H}, {1, 7 * H}, 8 * H, 8 * H + 15 * M},
        {Span(10 * H, 8 * H), P::Stop, {1, 8 * H}, {1, 11 * H}, 10 * H, 9 * H + 45 * M},
        {Span(8 * H, 8 * H + M), P::Stop, {1, 8 * H + M}, {1, 7 * H}, 8 * H, 8 * H + M},
        {Span(D, D), P::Stop, {2, 0}, {1, 23 * H}, D, 23 * H},
        {Span(W, H), P::Body, {1, 9 * H}, {1, 10 * H}, W, H},
    };
    for (const Case& c : cases) EXPECT_EQ(DragEntry(c.entry, c.part, c.press, c.pointer, Q), Span(c.start, c.stop));
}

TEST(WeekMove, KeyboardSteps) {
    struct Case { ScheduleEntry moved; WeekTime start, stop; };
    const Case cases[] = {
        {MoveBySteps(Span(8 * H + 7 * M, 9 * H), 1, Q), 8 * H + 15 * M, 9 * H + 8 * M},
        {MoveBySteps(Span(8 * H + 7 * M, 9 * H), -1, Q), 8 * H, 8 * H + 53 * M},
        {MoveBySteps(Span(0, H), -2, kFineDragStep), W - 2 * M, H - 2 * M},
        {MoveBySteps(Span(6 * D + 22 * H, 2 * H), 1, Q), 6 * D + 22 * H + 15 * M, 2 * H + 15 * M},  // four hours kept
        {MoveByDays(Span(W - 2 * H, 2 * H), -8), 5 * D + 22 * H, 6 * D + 2 * H},
        {MoveStopBySteps(Span(8 * H, 12 * H), -100, Q), 8 * H, 8 * H + 15 * M},
        {MoveStopBySteps(Span(8 * H, 12 * H), 700, Q), 8 * H, 7 * H + 45 * M},
        {MoveStopBySteps(Span(D, D), 1, Q), D, D},
        {MoveStopBySteps(Span(D, D), -1, Q), D, D - 15 * M},
        {MoveBySteps(Span(W, H), 1, Q), W, H},
        {MoveByDays(Span(H, W), 1), H, W},
        {MoveStopByDays(Span(8 * H, 12 * H), 1, Q), 8 * H, D + 12 * H},
        {MoveStopByDays(Span(8 * H, 12 * H), -1, Q), 8 * H, 8 * H + 15 * M},
        {MoveStopByDays(Span(6 * D + 20 * H, 6 * D + 23 * H), 1, Q), 6 * D + 20 * H, 23 * H},
        {MoveStopByDays(Span(D, D), -1, Q), D, 0},
        {MoveStopByDays(Span(D, D), 1, Q), D, D},
    };
    for (const Case& c : cases) EXPECT_EQ(c.moved, Span(c.start, c.stop)) << c.start << "-" << c.stop;
}

TEST(WeekMove, SlotInTheWayAndTip) {
    const std::vector<ScheduleEntry> entries = {Span(8 * H, 12 * H), Span(13 * H, 14 * H)};
    EXPECT_EQ(SlotInTheWay(entries, 0, Span(9 * H, 13 * H + 1)), 1u);
    EXPECT_EQ(SlotInTheWay(entries, 0, Span(7 * H, 9 * H)), std::nullopt);
    EXPECT_EQ(DragTipText(Span(8 * H + 30 * M, 12 * H + 30 * M)), "08:30:00 on Monday to 12:30:00 on Monday");
    EXPECT_EQ(DragTipText(Span(6 * D + 22 * H, 2 * H)), "22:00:00 on Sunday to 02:00:00 on Monday");
}

}  // namespace
