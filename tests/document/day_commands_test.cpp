#include <gtest/gtest.h>

#include <vector>

#include "document/config_document.h"
#include "support/entries.h"
#include "support/images.h"

namespace {

constexpr WeekTime D = kDay;
constexpr WeekTime H = kHour;
using Result = EditOutcome::Result;

std::vector<ScheduleEntry> RowEntries(const ConfigDocument& doc) {
    std::vector<ScheduleEntry> entries;
    for (RowIndex row = 0; row < doc.RowCount(); ++row) entries.push_back(doc.EntryOfRow(row));
    return entries;
}

// Monday 08:00-12:00 and 13:00-17:00, Sunday 22:00 into Monday 06:00, Tuesday 10:00-11:00.
std::vector<ScheduleEntry> Week() {
    return {DefaultEntry(13 * H, 17 * H), DefaultEntry(6 * D + 22 * H, 6 * H), DefaultEntry(8 * H, 12 * H),
            DefaultEntry(D + 10 * H, D + 11 * H)};
}

TEST(DayCommands, TheSelectedEntrysDayAndEachDaysFirstRow) {
    ConfigDocument doc;
    doc.Load(ImageOf(Week()));
    struct Case {
        int day;
        std::size_t count;
        OptionalRow firstRow;
    };
    // Rows: Monday 08:00, Monday 13:00, Tuesday 10:00, Sunday 22:00.
    const Case cases[] = {{1, 2, 0}, {2, 1, 2}, {3, 0, std::nullopt}, {7, 1, 3}, {0, 0, std::nullopt}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        EXPECT_EQ(doc.CountStartingOn(c.day), c.count);
        EXPECT_EQ(doc.FirstRowOfDay(c.day), c.firstRow);
    }
    doc.SelectRow(3);
    EXPECT_EQ(doc.SelectedDay(), 7);  // where it starts, not where it runs into
    doc.SelectRow(std::nullopt);
    EXPECT_EQ(doc.SelectedDay(), std::nullopt);
}

TEST(DayCommands, CopyDayToDaysIsOneStepOfEveryCopy) {
    ConfigDocument doc;
    doc.Load(ImageOf(Week()));
    ASSERT_TRUE(doc.CopyDayToDays(1, std::vector<int>{3, 5}).Done());
    EXPECT_EQ(doc.EntryCount(), 8u);
    EXPECT_EQ(doc.CountStartingOn(3), 2u);
    EXPECT_EQ(doc.CountStartingOn(5), 2u);
    EXPECT_EQ(doc.SelectedSlot(), 7u);  // the last copy
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.NextUndo(), EditKind::kCopyDayToDays);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Entries(), Week());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(doc.EntryCount(), 8u);
}

TEST(DayCommands, CopyDayToDaysRefusedChangesNothing) {
    struct Case {
        const char* name;
        std::size_t fillers;  // one-minute entries on Saturday, beside the week's four
        int day;
        std::vector<int> days;
        Result result;
        std::vector<int> overlapping;
        std::size_t inTheWay;
    };
    const Case cases[] = {
        {"Tuesday's entry in the way", 0, 1, {2, 3}, Result::kDaysOverlap, {2}, 1},
        {"no entry starts on Wednesday", 0, 3, {4}, Result::kNoSuchEntry, {}, 0},
        {"exactly full", kMaxEntries - 6, 1, {3}, Result::kDone, {}, 0},
        {"one copy too many", kMaxEntries - 5, 1, {3}, Result::kFull, {}, 0},
        {"already full", kMaxEntries - 4, 2, {3}, Result::kFull, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<ScheduleEntry> entries = Week();
        for (WeekTime i = 0; i < c.fillers; ++i) entries.push_back(DefaultEntry(5 * D + i * 60, 5 * D + (i + 1) * 60));
        ConfigDocument doc;
        doc.Load(ImageOf(entries));
        const EditOutcome outcome = doc.CopyDayToDays(c.day, c.days);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.overlappingDays, c.overlapping);
        EXPECT_EQ(outcome.inTheWay.size(), c.inTheWay);
        const bool done = c.result == Result::kDone;
        EXPECT_EQ(doc.EntryCount(), entries.size() + (done ? 2 : 0));
        EXPECT_EQ(doc.IsModified(), done);
        EXPECT_EQ(doc.CanUndo(), done);
    }
}

TEST(DayCommands, ClearDayDeletesWhatStartsOnItInOneStep) {
    struct Case {
        const char* name;
        int day;
        std::size_t deleted;
        std::vector<ScheduleEntry> rowsLeft;
    };
    const std::vector<ScheduleEntry> week = Week();
    const Case cases[] = {
        {"Monday's two; Sunday's running into Monday stays", 1, 2, {week[3], week[1]}},
        {"Tuesday's one", 2, 1, {week[2], week[0], week[1]}},
        {"Sunday's, though it ends on Monday", 7, 1, {week[2], week[0], week[3]}},
        {"none on Wednesday", 3, 0, {week[2], week[0], week[3], week[1]}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigDocument doc;
        doc.Load(ImageOf(week));
        int changes = 0;
        doc.AddListener([&changes](const ConfigDocument::Change&) { ++changes; });
        EXPECT_EQ(doc.ClearDay(c.day), c.deleted);
        EXPECT_EQ(RowEntries(doc), c.rowsLeft);
        // Each remaining row still names its own entry's slot.
        for (RowIndex row = 0; row < doc.RowCount(); ++row)
            EXPECT_EQ(doc.Image().Entry(doc.SlotOfRow(row)), c.rowsLeft[row]);
        EXPECT_EQ(doc.IsModified(), c.deleted > 0);
        EXPECT_EQ(changes, c.deleted > 0 ? 1 : 0);
        if (c.deleted == 0) {
            EXPECT_FALSE(doc.CanUndo());
            EXPECT_EQ(doc.SelectedSlot(), 3u);  // the last loaded slot, as it was
            continue;
        }
        EXPECT_EQ(doc.SelectedSlot(), std::nullopt);
        EXPECT_EQ(doc.NextUndo(), EditKind::kClearDay);
        ASSERT_TRUE(doc.Undo());
        EXPECT_EQ(doc.Entries(), week);
        EXPECT_EQ(RowEntries(doc).size(), week.size());
        EXPECT_EQ(doc.SelectedSlot(), 3u);
        EXPECT_FALSE(doc.IsModified());
        EXPECT_FALSE(doc.CanUndo());
    }
}

}  // namespace
