#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/config_document.h"
#include "support/entries.h"
#include "support/forms.h"
#include "support/images.h"

namespace {

constexpr WeekTime D = kDay;
constexpr WeekTime H = kHour;
using Result = EditOutcome::Result;

std::vector<SlotIndex> Rows(const ConfigDocument& doc) {
    std::vector<SlotIndex> rows;
    for (RowIndex row = 0; row < doc.RowCount(); ++row) rows.push_back(doc.SlotOfRow(row));
    return rows;
}

// An image whose entries start at starts, a minute each.
ConfigImage ImageOfMinutes(const std::vector<WeekTime>& starts) { return ImageOf(EntriesAt(starts, 60)); }

// Every change a document reports, as text: "+row:slot" (the slot the new row shows, read
// from the document while the listener runs), "-row", "reset", "all", "sel", "mod".
struct Recorder {
    explicit Recorder(ConfigDocument& doc) : doc_(doc) {
        id = doc.AddListener([this](const ConfigDocument::Change& c) {
            using K = ConfigDocument::ChangeKind;
            switch (c.kind) {
                case K::kRowInserted:
                    log += "+";
                    log += std::to_string(c.row);
                    log += ":";
                    log += c.row < doc_.RowCount() ? std::to_string(doc_.SlotOfRow(c.row)) : "?";
                    log += " ";
                    break;
                case K::kRowRemoved:
                    log += "-";
                    log += std::to_string(c.row);
                    log += " ";
                    break;
                case K::kReset: log += "reset "; break;
                case K::kAllDeleted: log += "all "; break;
                case K::kSelection: log += "sel "; break;
                case K::kModified: log += "mod "; break;
            }
        });
    }
    std::string Take() { return std::exchange(log, {}); }
    ConfigDocument& doc_;
    std::string log;
    int id = 0;
};

TEST(ConfigDocument, LoadListsSlotsByStartWithEqualStartsInSlotOrderAndSelectsTheLast) {
    ConfigDocument doc;
    doc.SetModified();
    Recorder changes(doc);
    doc.Load(ImageOfMinutes({2 * D, 7 * D - 1, 0, 2 * D, 0}));
    EXPECT_EQ(Rows(doc), (std::vector<SlotIndex>{2, 4, 0, 3, 1}));
    EXPECT_EQ(doc.SelectedSlot(), 4u);
    EXPECT_EQ(doc.SelectedRow(), 1u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(changes.log, "reset ");
    // Another load replaces every row; one without entries leaves nothing selected.
    doc.Load(ImageOfMinutes({H}));
    EXPECT_EQ(Rows(doc), (std::vector<SlotIndex>{0}));
    doc.Load(ImageOfMinutes({}));
    EXPECT_EQ(doc.RowCount(), 0u);
    EXPECT_EQ(doc.SelectedSlot(), std::nullopt);
}

TEST(ConfigDocument, CommandsKeepRowsSelectionAndFlagAsTheOperatorExpects) {
    struct Step {
        const char* what;
        std::vector<SlotIndex> rows;
        OptionalSlot selected;
        bool modified;
        const char* changes;
    };
    ConfigDocument doc;
    doc.Load(ImageOfMinutes({D, 3 * D, 5 * D}));  // Tuesday, Thursday, Saturday in slots 0, 1, 2
    Recorder changes(doc);
    auto check = [&](const Step& step) {
        SCOPED_TRACE(step.what);
        EXPECT_EQ(Rows(doc), step.rows);
        EXPECT_EQ(doc.SelectedSlot(), step.selected);
        EXPECT_EQ(doc.IsModified(), step.modified);
        // Listeners hear of a row once it is in place, showing its own slot.
        EXPECT_EQ(changes.Take(), step.changes);
    };

    ASSERT_TRUE(doc.Add(WholeHoursForm(3, 0, 3, 1)).Done());  // Wednesday, after Tuesday
    check({"add", {0, 3, 1, 2}, 3, true, "+1:3 sel mod "});
    doc.MarkSaved();
    ASSERT_TRUE(doc.Add(WholeHoursForm(3, 1, 3, 2)).Done());  // an equal start would go after its equals
    check({"add later", {0, 3, 4, 1, 2}, 4, true, "mod +2:4 sel mod "});
    ASSERT_TRUE(doc.Edit(2, WholeHoursForm(1, 0, 1, 1)).Done());  // Saturday becomes Monday: to the top
    check({"edit", {2, 0, 3, 4, 1}, 2, true, "-4 +0:2 sel "});
    doc.SelectSlot(2);  // already selected: nothing to tell
    check({"select the selected", {2, 0, 3, 4, 1}, 2, true, ""});
    doc.SelectSlot(0);
    check({"select another", {2, 0, 3, 4, 1}, 0, true, "sel "});
    doc.MarkSaved();
    ASSERT_TRUE(doc.Delete(0));  // Tuesday goes; every later slot moves down one place
    check({"delete", {1, 2, 3, 0}, std::nullopt, true, "mod -1 sel mod "});
    EXPECT_EQ(doc.EntryOfRow(0).start, 0u);
    EXPECT_EQ(doc.EntryOfRow(3).start, 3 * D);
    ASSERT_TRUE(doc.CopyToDays(1, std::vector<int>{5, 6}).Done());  // Monday 00:00 to Friday and Saturday
    check({"copy to days", {1, 2, 3, 0, 4, 5}, 5, true, "+4:4 sel +5:5 sel "});
    doc.MarkSaved();
    doc.DeleteAll();  // leaves the flag as it was
    check({"delete all", {}, std::nullopt, false, "mod all "});
    EXPECT_EQ(doc.EntryCount(), 0u);
}

TEST(ConfigDocument, TheLastFreeSlotIsTakenAndAFullScheduleRefusesAnother) {
    for (const bool copy : {false, true}) {
        SCOPED_TRACE(copy ? "Copy To Days" : "Add");
        ConfigDocument doc;
        doc.Load(ImageOf(EntriesEvery(kMaxEntries - 1, 0, 60, 60)));
        auto addOne = [&] {
            return copy ? doc.CopyToDays(0, std::vector<int>{7}) : doc.Add(WholeHoursForm(7, 20, 7, 21));
        };
        EXPECT_TRUE(doc.CanAdd().Done());
        ASSERT_TRUE(addOne().Done());
        EXPECT_EQ(doc.EntryCount(), kMaxEntries);
        EXPECT_EQ(doc.CanAdd().result, Result::kFull);
        doc.MarkSaved();
        Recorder changes(doc);
        EXPECT_EQ(addOne().result, Result::kFull);
        EXPECT_EQ(doc.EntryCount(), kMaxEntries);
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(changes.log, "");
    }
}

TEST(ConfigDocument, CopiesTakeTheLastFreeSlotsOrNoneAtAll) {
    struct Case {
        std::size_t entries;  // a minute each from Monday 00:00 on; the first is copied
        std::vector<int> days;
        Result result;
    };
    const Case cases[] = {
        {kMaxEntries - 2, {6, 7}, Result::kDone},
        {kMaxEntries - 2, {5, 6, 7}, Result::kFull},
        {kMaxEntries - 1, {6, 7}, Result::kFull},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.entries) + " entries, " + std::to_string(c.days.size()) + " days");
        ConfigDocument doc;
        doc.Load(ImageOf(EntriesEvery(c.entries, 0, 60, 60)));
        Recorder changes(doc);
        const bool done = c.result == Result::kDone;
        EXPECT_EQ(doc.CopyToDays(0, c.days).result, c.result);
        EXPECT_EQ(doc.EntryCount(), c.entries + (done ? c.days.size() : 0));
        EXPECT_EQ(doc.IsModified(), done);
        if (!done) {
            EXPECT_EQ(changes.log, "");
        }
    }
}

TEST(ConfigDocument, RefusalsSayWhyAndChangeNothing) {
    ConfigDocument doc;
    ConfigImage image = ImageOfMinutes({D, 3 * D});  // Tuesday and Thursday 00:00
    AppendEntry(image, ScheduleEntry{8 * D, 8 * D + 60});  // a time past Sunday, from a foreign file
    doc.Load(image);
    Recorder changes(doc);
    struct Case {
        const char* what;
        EditOutcome outcome;
        Result result;
        OptionalSlot overlapping;
        std::vector<int> days;
    };
    const Case cases[] = {
        {"a new entry over Tuesday's", doc.Add(WholeHoursForm(2, 0, 2, 1)), Result::kOverlap, 0, {}},
        {"an edit onto Thursday's", doc.Edit(0, WholeHoursForm(4, 0, 4, 1)), Result::kOverlap, 1, {}},
        {"an edit of no entry", doc.Edit(kMaxEntries, WholeHoursForm(7, 20, 7, 21)), Result::kNoSuchEntry, {}, {}},
        {"copies onto Tuesday and Thursday", doc.CopyToDays(1, std::vector<int>{1, 2, 6}), Result::kDaysOverlap, {}, {2}},
        {"copies of a time past Sunday", doc.CopyToDays(2, std::vector<int>{1}), Result::kOutsideWeek, {}, {}},
        {"copies of no entry", doc.CopyToDays(kMaxEntries, std::vector<int>{1}), Result::kNoSuchEntry, {}, {}},
        {"a move onto Thursday's", doc.SetTimes(0, 3 * D + 30, 3 * D + 90), Result::kOverlap, 1, {}},
        {"a move past Sunday", doc.SetTimes(0, 7 * D, 7 * D + 60), Result::kOutsideWeek, {}, {}},
        {"a move starting where Sunday ends", doc.SetTimes(0, 7 * D, 60), Result::kOutsideWeek, {}, {}},
        {"a move stopping where Sunday ends", doc.SetTimes(0, 6 * D, 7 * D), Result::kOutsideWeek, {}, {}},
        {"a move of no entry", doc.SetTimes(kMaxEntries, 0, 60), Result::kNoSuchEntry, {}, {}},
        {"a move to where it is", doc.SetTimes(0, D, D + 60), Result::kDone, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.outcome.result, c.result);
        EXPECT_EQ(c.outcome.overlapping, c.overlapping);
        EXPECT_EQ(c.outcome.overlappingDays, c.days);
    }
    EXPECT_FALSE(doc.Delete(kMaxEntries));
    EXPECT_EQ(doc.EntryCount(), 3u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(changes.log, "");
    EXPECT_FALSE(doc.CanUndo());
    // The entry being edited does not stand in its own way: the new times cover its old ones,
    // which refuse the same times for a new entry (the first case).
    EXPECT_TRUE(doc.Edit(0, WholeHoursForm(2, 0, 2, 1)).Done());
    EXPECT_EQ(doc.EntryOfRow(0).stop, D + H);
}

TEST(ConfigDocument, SetTimesKeepsEveryOtherWordAndMovesTheRowToItsPlace) {
    ConfigDocument doc;
    // Words no dialog writes: a foreign control word, resolution, rate and size.
    const ScheduleEntry foreign{8 * H, 12 * H, 0xFFFFFFFFu, 7, 0xFFFFFFFFu, 12345};
    doc.Load(ImageOf({foreign, DefaultEntry(13 * H, 14 * H), DefaultEntry(D + 8 * H, D + 9 * H)}));
    Recorder changes(doc);
    ASSERT_TRUE(doc.SetTimes(0, D + 10 * H, D + 12 * H).Done());
    ScheduleEntry moved = foreign;
    moved.start = D + 10 * H;
    moved.stop = D + 12 * H;
    EXPECT_EQ(doc.Image().Entry(0), moved);
    EXPECT_EQ(Rows(doc), (std::vector<SlotIndex>{1, 2, 0}));
    EXPECT_EQ(doc.SelectedSlot(), 0u);
    EXPECT_EQ(changes.Take(), "-0 +2:0 sel mod ");
}

TEST(ConfigDocument, SelectingASlotWithoutARowSelectsNothing) {
    ConfigDocument doc;
    doc.Load(ImageOfMinutes({0, H}));
    doc.SelectSlot(5);
    EXPECT_EQ(doc.SelectedSlot(), std::nullopt);
    doc.SelectRow(0);
    EXPECT_EQ(doc.SelectedSlot(), 0u);
    EXPECT_EQ(doc.RowOfSlot(1), 1u);
    // The row one past the last: a delete leaves the slot that row showed behind the rows.
    doc.Load(ImageOfMinutes({0, H, 2 * H}));
    ASSERT_TRUE(doc.Delete(0));
    doc.SelectRow(0);
    doc.SelectRow(doc.RowCount());
    EXPECT_EQ(doc.SelectedSlot(), std::nullopt);
}

TEST(ConfigDocument, ARemovedListenerHearsNothingAndTheOthersStillDo) {
    ConfigDocument doc;
    Recorder first(doc), second(doc), third(doc);
    doc.RemoveListener(second.id);
    ASSERT_TRUE(doc.Add(WholeHoursForm(1, 8, 1, 9)).Done());
    EXPECT_EQ(first.log, "+0:0 sel mod ");
    EXPECT_EQ(second.log, "");
    EXPECT_EQ(third.log, "+0:0 sel mod ");
}

TEST(ConfigDocument, UndoAndRedoBringBackScheduleRowsAndSelectionAndMarkTheChange) {
    ConfigDocument doc;
    doc.Load(ImageOfMinutes({D, 3 * D}));
    struct State {
        std::vector<ScheduleEntry> entries;
        std::vector<SlotIndex> rows;
        OptionalSlot selected;
    };
    auto state = [&] { return State{doc.Entries(), Rows(doc), doc.SelectedSlot()}; };
    auto expectState = [&](const State& expected, const char* what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(doc.Entries(), expected.entries);
        EXPECT_EQ(Rows(doc), expected.rows);
        EXPECT_EQ(doc.SelectedSlot(), expected.selected);
    };
    std::vector<State> states{state()};
    ASSERT_TRUE(doc.Add(WholeHoursForm(1, 8, 1, 9)).Done());
    states.push_back(state());
    ASSERT_TRUE(doc.CopyToDays(2, std::vector<int>{3, 5}).Done());  // two copies, one step
    states.push_back(state());
    ASSERT_TRUE(doc.Edit(0, WholeHoursForm(7, 1, 7, 2)).Done());
    states.push_back(state());
    ASSERT_TRUE(doc.SetTimes(0, 6 * D, 6 * D + H).Done());
    states.push_back(state());
    ASSERT_TRUE(doc.Delete(2));
    states.push_back(state());
    doc.MarkSaved();
    doc.DeleteAll();
    states.push_back(state());

    Recorder changes(doc);
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        doc.MarkSaved();
        changes.log.clear();
        ASSERT_TRUE(doc.Undo());
        EXPECT_TRUE(doc.IsModified());
        expectState(states[i - 1], "undo");
        EXPECT_EQ(changes.Take(), "reset ");  // the views take every row anew
    }
    EXPECT_FALSE(doc.Undo());
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(doc.Redo());
        expectState(states[i], "redo");
        EXPECT_EQ(changes.Take(), "reset ");
    }
    EXPECT_FALSE(doc.Redo());
    EXPECT_EQ(changes.log, "");  // nothing to take back or make again: nothing said
    // A new change drops what could be redone; a load forgets everything.
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Add(WholeHoursForm(6, 1, 6, 2)).Done());
    EXPECT_FALSE(doc.CanRedo());
    doc.Load(ImageOfMinutes({0}));
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
