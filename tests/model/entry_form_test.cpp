#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>

#include "model/entry_form.h"
#include "model/rate_table.h"
#include "support/forms.h"

namespace {

TEST(EntryForm, NewEntryDefaultsComposeAWholeWeekEntry) {
    const EntryForm form = NewEntryForm();
    EXPECT_EQ(form.startDay, 1);
    EXPECT_EQ(form.stopDay, 1);
    EXPECT_EQ(form.startTime, (TimeOfDay{0, 0, 0}));
    EXPECT_EQ(form.stopTime, (TimeOfDay{0, 0, 0}));
    EXPECT_EQ(form.rateCode, 0);
    EXPECT_EQ(form.sizeKB, 32);
    EXPECT_FALSE(form.frame);
    EXPECT_EQ(form.trigger, 0);
    EXPECT_EQ(form.duration, 10);
    EXPECT_TRUE(form.videoOut);
    EXPECT_EQ(form.ratePosition, 0);
    EXPECT_EQ(EntryFromForm(form), (ScheduleEntry{0, 0, 0x1000A, 2, 0, 32000}));
}

TEST(EntryForm, DurationIsClampedSigned) {
    struct Case {
        int duration;
        std::uint32_t stored;
    };
    const Case cases[] = {
        {INT_MIN, 5}, {-1, 5}, {0, 5}, {4, 5}, {5, 5}, {10, 10}, {3599, 3599}, {3600, 3600}, {3601, 3600},
        {4096, 3600}, {INT_MAX, 3600},
    };
    for (const Case& c : cases) {
        EntryForm form = NewEntryForm();
        form.duration = c.duration;
        const ScheduleEntry entry = EntryFromForm(form);
        EXPECT_EQ(entry.control & kDurationMask, c.stored) << c.duration;
        EXPECT_EQ(entry.control & ~kDurationMask, kVideoOutBit) << "duration spilled into other bits: " << c.duration;
    }
}

TEST(EntryForm, ControlWordResolutionAndSize) {
    struct Case {
        const char* name;
        int trigger;
        bool videoOut;
        bool frame;
        int sizeKB;
        std::uint32_t control, resolution, imageSize;
    };
    const Case cases[] = {
        {"continuous, field, video on", 0, true, false, 32, 0x1000A, 2, 32000},
        {"alarm 1, frame, video off", 1, false, true, 10, 0x0100A, 0, 10000},
        {"alarm 2 level NC", 8, true, true, 20, 0x1800A, 0, 20000},
        {"VMD", 9, false, false, 15, 0x0900A, 2, 15000},
        {"trigger keeps only four bits", 0x1F, false, false, 32, 0x0F00A, 2, 32000},
        {"negative trigger keeps only four bits", -1, false, false, 32, 0x0F00A, 2, 32000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EntryForm form = NewEntryForm();
        form.trigger = c.trigger;
        form.videoOut = c.videoOut;
        form.frame = c.frame;
        form.sizeKB = c.sizeKB;
        const ScheduleEntry entry = EntryFromForm(form);
        EXPECT_EQ(entry.control, c.control);
        EXPECT_EQ(entry.resolution, c.resolution);
        EXPECT_EQ(entry.imageSize, c.imageSize);
    }
}

TEST(EntryForm, TimesAndRateCompose) {
    EntryForm form = WholeHoursForm(7, 22, 1, 6);
    form.rateCode = 249;
    const ScheduleEntry entry = EntryFromForm(form);
    EXPECT_EQ(entry.start, 597600u);
    EXPECT_EQ(entry.stop, 21600u);
    EXPECT_EQ(FormStart(form), 597600u);
    EXPECT_EQ(FormStop(form), 21600u);
    EXPECT_EQ(entry.rateCode, 249u);

    form.rateCode = -1;  // a foreign code read back from the form keeps its 32-bit value
    EXPECT_EQ(EntryFromForm(form).rateCode, 4294967295u);
}

TEST(EntryForm, FormFromEntryReadsEveryField) {
    struct Case {
        const char* name;
        ScheduleEntry entry;
        EntryForm form;
    };
    const Case cases[] = {
        {"ordinary", {28800, 61200, 0x1803C, 0, 2, 10000},
         {{8, 0, 0}, {17, 0, 0}, 1, 1, 2, 10, true, 8, 60, true, 2, 0, false}},
        {"wrapping, field, off", {597600, 21600, 0x0100A, 2, 249, 32000},
         {{22, 0, 0}, {6, 0, 0}, 7, 1, 249, 32, false, 1, 10, false, 14, 0, false}},
        {"foreign size and resolution", {0, 0, 0x1000A, 1, 6, 32767},
         {{0, 0, 0}, {0, 0, 0}, 1, 1, 6, 32, false, 0, 10, true, 6, 767, false}},
        {"shortest and longest duration", {0, 0, 0x11E10, 2, 0, 32000},
         {{0, 0, 0}, {0, 0, 0}, 1, 1, 0, 32, false, 1, 3600, true, 0, 0, false}},
        {"duration below the range", {0, 0, 0x11004, 2, 0, 32000},
         {{0, 0, 0}, {0, 0, 0}, 1, 1, 0, 32, false, 1, 4, true, 0, 0, true}},
        {"foreign words everywhere", {604800, 4294967295u, 0xFFFFFFFF, 0, 4294967295u, 4294967295u},
         {{0, 0, 0}, {6, 28, 15}, 8, 49711, -1, 4294967, true, 15, 4095, true, 0, 295, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormFromEntry(c.entry), c.form);
    }
}

TEST(EntryForm, EntriesTheEditorWritesRoundTrip) {
    const ScheduleEntry entries[] = {
        {0, 0, 0x1000A, 2, 0, 32000},
        {28800, 61200, 0x1803C, 0, 2, 10000},
        {597600, 21600, 0x00E10, 2, 249, 20000},
        {604799, 1, 0x19005, 0, 124, 15000},
    };
    for (const ScheduleEntry& entry : entries) EXPECT_EQ(EntryFromForm(FormFromEntry(entry)), entry) << entry.start;
}

// The picks of an item dialog opened on form and left alone.
DialogPicks Untouched(const EntryForm& form) {
    DialogPicks picks;
    picks.ratePosition = RatePosition(static_cast<std::uint32_t>(form.rateCode));
    picks.sizeKB = std::clamp(form.sizeKB, kMinSizeKB, kMaxSizeKB);
    picks.triggerIndex = TriggerListIndex(form.trigger);
    picks.duration = form.duration;
    return picks;
}

// Edit, then OK without touching anything, gives back the stored entry byte for byte, also
// where no control can show what it holds.
TEST(EntryForm, AnUntouchedDialogKeepsTheStoredEntry) {
    const ScheduleEntry entries[] = {
        {28800, 61200, 0x1803C, 0, 2, 10000},     // everything on a step
        {0, 3600, 0x1000A, 2, 9, 15500},          // rate and size between steps
        {0, 3600, 0x1000A, 2, 6, 32999},          // just past the last size step
        {0, 3600, 0x1000A, 2, 250, 9999},         // past the last rate step, below the first size
        {0, 3600, 0x1000A, 2, 4294967295u, 4294967295u},
        {0, 3600, 0x11004, 2, 0, 32000},          // durations just outside 5..3600
        {0, 3600, 0x11E11, 2, 0, 32000},
        {0, 3600, 0x01000, 2, 0, 32000},          // duration 0
        {0, 3600, 0x19FFF, 0, 0, 40000},          // VMD with the longest duration the word holds
    };
    for (const ScheduleEntry& entry : entries) {
        SCOPED_TRACE(testing::Message() << entry.rateCode << " " << entry.imageSize << " " << entry.control);
        const EntryForm form = FormFromEntry(entry);
        EXPECT_EQ(WithDialogPicks(form, Untouched(form)), form);
        EXPECT_EQ(EntryFromForm(WithDialogPicks(form, Untouched(form))), entry);
    }
}

// What the operator changes is stored as the controls show it; the rest stays.
TEST(EntryForm, DialogPicksTakeOnlyWhatTheOperatorChanged) {
    struct Case {
        const char* what;
        void (*change)(DialogPicks&);
        ScheduleEntry stored;
    };
    // Rate 9 and 15.5 kB lie between steps; 4000 s past the range.
    const ScheduleEntry foreign{0, 3600, 0x11FA0, 2, 9, 15500};
    const Case cases[] = {
        {"rate slider moved back to where it opened", [](DialogPicks& p) { p.rateMoved = true; },
         {0, 3600, 0x11FA0, 2, 11, 15500}},
        {"rate slider moved to the last step", [](DialogPicks& p) { p.ratePosition = 14, p.rateMoved = true; },
         {0, 3600, 0x11FA0, 2, 249, 15500}},
        {"rate slider moved to the first step", [](DialogPicks& p) { p.ratePosition = 0, p.rateMoved = true; },
         {0, 3600, 0x11FA0, 2, 0, 15500}},
        {"rate position past the last step", [](DialogPicks& p) { p.ratePosition = 15, p.rateMoved = true; },
         {0, 3600, 0x11FA0, 2, 249, 15500}},
        {"rate position before the first step", [](DialogPicks& p) { p.ratePosition = -1, p.rateMoved = true; },
         {0, 3600, 0x11FA0, 2, 0, 15500}},
        {"size slider moved", [](DialogPicks& p) { p.sizeKB = 10, p.sizeMoved = true; },
         {0, 3600, 0x11FA0, 2, 9, 10000}},
        {"duration typed the same", [](DialogPicks& p) { p.duration = 4000; }, foreign},
        {"duration typed within", [](DialogPicks& p) { p.duration = 3600; }, {0, 3600, 0x11E10, 2, 9, 15500}},
        {"duration typed above", [](DialogPicks& p) { p.duration = 3601; }, {0, 3600, 0x11E10, 2, 9, 15500}},
        {"duration typed below", [](DialogPicks& p) { p.duration = 4; }, {0, 3600, 0x11005, 2, 9, 15500}},
        {"duration typed negative", [](DialogPicks& p) { p.duration = -1; }, {0, 3600, 0x11005, 2, 9, 15500}},
        {"trigger picked again", [](DialogPicks& p) { p.triggerUsed = true; }, {0, 3600, 0x11E10, 2, 9, 15500}},
        {"trigger changed", [](DialogPicks& p) { p.triggerIndex = 0, p.triggerUsed = true; },
         {0, 3600, 0x10E10, 2, 9, 15500}},
    };
    const EntryForm form = FormFromEntry(foreign);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DialogPicks picks = Untouched(form);
        c.change(picks);
        EXPECT_EQ(EntryFromForm(WithDialogPicks(form, picks)), c.stored);
    }
}

TEST(EntryForm, DurationTheDialogStandsFor) {
    struct Case {
        int form, typed;
        bool triggerUsed;
        int duration;
    };
    const Case cases[] = {
        {4000, 4000, false, 4000}, {0, 0, false, 0},       {4000, 4000, true, 3600}, {0, 0, true, 5},
        {10, 4, false, 5},         {10, 5, false, 5},      {10, 3600, false, 3600},  {10, 3601, false, 3600},
        {10, INT_MIN, false, 5},   {10, INT_MAX, false, 3600},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DialogDuration(c.form, c.typed, c.triggerUsed), c.duration) << c.form << " " << c.typed;
}

TEST(EntryForm, ForeignEntriesComposeBackIntoTheWeek) {
    // A foreign time past Sunday opens on a day beyond 7; composing it back keeps it in the week.
    const ScheduleEntry foreign{604800 + 3600, 4294967295u, 0x0000A, 2, 7, 32000};
    const ScheduleEntry composed = EntryFromForm(FormFromEntry(foreign));
    EXPECT_EQ(composed.start, 6 * 86400u + 3600);
    EXPECT_EQ(composed.stop, 6 * 86400u + 23295);
    EXPECT_LT(composed.start, kSecondsPerWeek);
    EXPECT_LT(composed.stop, kSecondsPerWeek);
}

TEST(EntryForm, TriggerThroughTheItemDialog) {
    struct Case {
        int formTrigger;
        int listIndex;  // what the list shows when OK is pressed
        bool listUsed;
        int opensAt;    // the list index the dialog opens with
        int result;
    };
    const Case cases[] = {
        {0, 0, false, 0, 0},   {4, 4, false, 4, 4},   {8, 8, false, 8, 8},
        {9, 0, false, 0, 9},   {10, 0, false, 0, 10}, {15, 0, false, 0, 15},  // kept while untouched
        {9, 3, true, 0, 3},    {9, 0, true, 0, 0},    {4, 0, true, 4, 0},     // the operator's pick
        {9, -1, true, 0, 0},   {2, 9, true, 2, 0},                            // no valid pick: continuous
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formTrigger);
        EXPECT_EQ(TriggerListIndex(c.formTrigger), c.opensAt);
        EXPECT_EQ(DialogTrigger(c.formTrigger, c.listIndex, c.listUsed), c.result);
    }
}

TEST(EntryForm, ParseDurationText) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"12", 12},
        {" 12", 12},
        {"\t\n 12", 12},
        {"\v\f\r12", 12},
        {"+7", 7},
        {"-3", -3},
        {"abc", 0},
        {"12abc", 12},
        {"1 2", 1},
        {"", 0},
        {"   ", 0},
        {"+", 0},
        {"-", 0},
        {"- 3", 0},
        {"+-3", 0},
        {"0007", 7},
        {"2147483647", 2147483647},
        {"2147483648", INT_MAX},
        {"99999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"-99999999999", INT_MIN},
        {"999999999999999999999999999999", INT_MAX},
        {"\xe9" "5", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseDurationText(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ParseDurationText(nullptr), 0);
}

}  // namespace
