#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "model/week_drag.h"

namespace {

constexpr WeekTime M = 60;
constexpr WeekTime H = 3600;
constexpr WeekTime D = 86400;
constexpr WeekTime W = 7 * D;

TEST(WeekDrag, SnapToGrid) {
    struct Case {
        std::uint32_t t, step;
        WeekTime snapped;
    };
    const Case cases[] = {
        {449, kDragStep, 0},   {450, kDragStep, 900}, {8 * H + 29, 60, 8 * H}, {8 * H + 30, 60, 8 * H + M},
        {W - 1, kDragStep, W}, {4294967295u, 60, W},  {12345, 0, 12345},      {W - 2000, 7000, W - 2800},
        // A step that does not divide the week: the nearest line lies past its end.
        {W - 1, 8000, W},
    };
    for (const Case& c : cases) EXPECT_EQ(SnapToGrid(c.t, c.step), c.snapped) << c.t << " by " << c.step;
}

TEST(WeekDrag, SpanOfDrag) {
    struct Case {
        const char* name;
        StripPoint press, pointer;
        std::uint32_t step;
        WeekTime start, stop;
    };
    const Case cases[] = {
        {"snapped to the nearest quarter", {1, 8 * H + 7 * M}, {1, 16 * H + 53 * M}, kDragStep, 8 * H, 17 * H},
        {"leftward, same span", {1, 16 * H + 53 * M}, {1, 8 * H + 7 * M}, kDragStep, 8 * H, 17 * H},
        {"fine", {1, 8 * H + 7 * M}, {1, 16 * H + 53 * M}, kFineDragStep, 8 * H + 7 * M, 16 * H + 53 * M},
        {"on past midnight", {1, 22 * H}, {2, 2 * H + 10 * M}, kDragStep, 22 * H, D + 2 * H + 15 * M},
        {"back over midnight", {2, 2 * H}, {1, 22 * H}, kDragStep, 22 * H, D + 2 * H},
        {"less than a step", {3, 10 * H}, {3, 10 * H + 5 * M}, kDragStep, 2 * D + 10 * H, 2 * D + 10 * H + 15 * M},
        {"no movement at the end of the week", {7, D}, {7, D}, kDragStep, W - 15 * M, W},
        {"the whole week", {1, 0}, {7, D}, kDragStep, 0, W - 15 * M},
        {"the whole week leftward, fine", {7, D}, {1, 0}, kFineDragStep, 0, W - M},
        {"beyond the strip", {0, 5000}, {9, 100000}, kDragStep, 5400, W},
        {"a click past Sunday, at a day's start", {8, 0}, {8, 0}, kDragStep, 6 * D, 6 * D + 15 * M},
        {"a click with no step: one second", {3, 10 * H}, {3, 10 * H}, 0, 2 * D + 10 * H, 2 * D + 10 * H + 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DragSpan span = SpanOfDrag(c.press, c.pointer, c.step);
        EXPECT_EQ(span.start, c.start);
        EXPECT_EQ(span.stop, c.stop);
    }
}

TEST(WeekDrag, SpanFormCarriesTheSpanAndNewEntryDefaults) {
    struct Case {
        DragSpan span;
        int startDay, stopDay;
        TimeOfDay startTime, stopTime;
    };
    const Case cases[] = {
        {{8 * H, 17 * H + 30 * M}, 1, 1, {8, 0, 0}, {17, 30, 0}},
        {{D + 22 * H, 2 * D}, 2, 3, {22, 0, 0}, {0, 0, 0}},
        {{6 * D + 22 * H, W}, 7, 1, {22, 0, 0}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        EntryForm expected = NewEntryForm();
        expected.startDay = c.startDay;
        expected.startTime = c.startTime;
        expected.stopDay = c.stopDay;
        expected.stopTime = c.stopTime;
        EXPECT_EQ(SpanForm(c.span), expected) << c.span.start << "-" << c.span.stop;
    }
}

TEST(WeekDrag, SpanSegmentsAndText) {
    struct Case {
        DragSpan span;
        std::vector<WeekSegment> bars;
        const char* text;
    };
    const Case cases[] = {
        {{8 * H, 17 * H}, {{1, 8 * H, 17 * H, 0}}, "08:00:00 on Monday to 17:00:00 on Monday"},
        {{D + 22 * H, 3 * D + H},
         {{2, 22 * H, D, 0}, {3, 0, D, 0}, {4, 0, H, 0}},
         "22:00:00 on Tuesday to 01:00:00 on Thursday"},
        {{6 * D + 23 * H, W}, {{7, 23 * H, D, 0}}, "23:00:00 on Sunday to 00:00:00 on Monday"},
        {{5 * H, 5 * H}, {}, "05:00:00 on Monday to 05:00:00 on Monday"},
        {{9 * H, 8 * H}, {}, "09:00:00 on Monday to 08:00:00 on Monday"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SpanSegments(c.span), c.bars);
        EXPECT_EQ(SpanText(c.span), c.text);
    }
}

}  // namespace
