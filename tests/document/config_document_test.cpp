#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/config_document.h"

namespace {

constexpr int D = 86400;
constexpr int H = 3600;

// A form from Monday-based seconds: start and stop as day 1..7 plus hours.
EntryForm Form(int startDay, int startHour, int stopDay, int stopHour) {
    EntryForm form = NewEntryForm();
    form.startDay = startDay;
    form.startTime = {startHour, 0, 0};
    form.stopDay = stopDay;
    form.stopTime = {stopHour, 0, 0};
    return form;
}

std::vector<std::size_t> Rows(const ConfigDocument& doc) {
    std::vector<std::size_t> rows;
    for (std::size_t row = 0; row < doc.RowCount(); ++row) rows.push_back(doc.SlotOfRow(row));
    return rows;
}

ConfigImage ImageOf(const std::vector<WeekTime>& starts) {
    ConfigImage image;
    for (WeekTime start : starts) AppendEntry(image, ScheduleEntry{start, start + 60, 0x1000A, 2, 0, 32000});
    return image;
}

// Every change a document reports, as text: "+row", "-row", "load", "all", "sel".
struct Recorder {
    explicit Recorder(ConfigDocument& doc) {
        doc.AddListener([this](const ConfigDocument::Change& c) {
            using K = ConfigDocument::ChangeKind;
            switch (c.kind) {
                case K::kRowInserted: log += "+" + std::to_string(c.row) + " "; break;
                case K::kRowRemoved: log += "-" + std::to_string(c.row) + " "; break;
                case K::kReset: log += "reset "; break;
                case K::kAllDeleted: log += "all "; break;
                case K::kSelection: log += "sel "; break;
            }
        });
    }
    std::string log;
};

TEST(ConfigDocument, LoadListsSlotsByStartWithEqualStartsInSlotOrderAndSelectsTheLast) {
    ConfigDocument doc;
    doc.SetModified();
    Recorder changes(doc);
    doc.Load(ImageOf({2 * D, 7 * D - 1, 0, 2 * D, 0}));
    EXPECT_EQ(Rows(doc), (std::vector<std::size_t>{2, 4, 0, 3, 1}));
    EXPECT_EQ(doc.SelectedSlot(), 4);
    EXPECT_EQ(doc.SelectedRow(), 1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(changes.log, "reset ");
}

TEST(ConfigDocument, CommandsKeepRowsSelectionAndFlagAsTheOperatorExpects) {
    struct Step {
        const char* what;
        std::vector<std::size_t> rows;
        int selected;
        bool modified;
        const char* changes;
    };
    ConfigDocument doc;
    doc.Load(ImageOf({D, 3 * D, 5 * D}));  // Tuesday, Thursday, Saturday in slots 0, 1, 2
    Recorder changes(doc);
    std::vector<Step> steps;
    auto check = [&](const Step& step) {
        SCOPED_TRACE(step.what);
        EXPECT_EQ(Rows(doc), step.rows);
        EXPECT_EQ(doc.SelectedSlot(), step.selected);
        EXPECT_EQ(doc.IsModified(), step.modified);
        EXPECT_EQ(changes.log, step.changes);
        changes.log.clear();
    };

    ASSERT_TRUE(doc.Add(Form(3, 0, 3, 1)));  // Wednesday, after Tuesday
    check({"add", {0, 3, 1, 2}, 3, true, "+1 sel "});
    doc.ClearModified();
    ASSERT_TRUE(doc.Add(Form(3, 0, 3, 1)));  // an equal start goes after its equals
    check({"add equal", {0, 3, 4, 1, 2}, 4, true, "+2 sel "});
    ASSERT_TRUE(doc.Edit(2, Form(1, 0, 1, 1)));  // Saturday becomes Monday: to the top
    check({"edit", {2, 0, 3, 4, 1}, 2, true, "-4 +0 sel "});
    ASSERT_TRUE(doc.Delete(0));  // Tuesday goes; every later slot moves down one place
    check({"delete", {1, 2, 3, 0}, -1, true, "-1 sel "});
    EXPECT_EQ(doc.EntryOfRow(0).start, 0u);
    EXPECT_EQ(doc.EntryOfRow(3).start, static_cast<WeekTime>(3 * D));
    doc.ClearModified();
    doc.DeleteAll();  // leaves the flag as it was
    check({"delete all", {}, -1, false, "all "});
    EXPECT_EQ(doc.EntryCount(), 0u);
}

TEST(ConfigDocument, RefusalsChangeNothing) {
    ConfigDocument doc;
    ConfigImage full;
    for (std::size_t i = 0; i < kMaxEntries; ++i) AppendEntry(full, ScheduleEntry{WeekTime(i * 60), WeekTime(i * 60 + 60)});
    doc.Load(full);
    Recorder changes(doc);
    EXPECT_TRUE(doc.IsFull());
    EXPECT_FALSE(doc.Add(Form(7, 20, 7, 21)));
    EXPECT_FALSE(doc.AddCopies({ScheduleEntry{7 * D - 60, 7 * D - 30}}));
    EXPECT_FALSE(doc.Edit(kMaxEntries, Form(7, 20, 7, 21)));
    EXPECT_FALSE(doc.Delete(kMaxEntries));
    EXPECT_EQ(doc.EntryCount(), kMaxEntries);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(changes.log, "");
    EXPECT_FALSE(doc.CanUndo());
    // A full schedule can still be edited.
    EXPECT_TRUE(doc.Edit(0, Form(7, 20, 7, 21)));
}

TEST(ConfigDocument, FitsExcludesOnlyTheEntryBeingEdited) {
    ConfigDocument doc;
    ASSERT_TRUE(doc.Add(Form(1, 8, 1, 17)));
    EXPECT_FALSE(doc.Fits(Form(1, 8, 1, 17), ConfigDocument::kNoSlot));  // a copy of it
    EXPECT_TRUE(doc.Fits(Form(1, 8, 1, 17), 0));                         // editing it
    EXPECT_TRUE(doc.Fits(Form(1, 17, 1, 8), ConfigDocument::kNoSlot));   // its complement
}

TEST(ConfigDocument, SelectingASlotWithoutARowSelectsNothing) {
    ConfigDocument doc;
    doc.Load(ImageOf({0, H}));
    doc.SelectSlot(5);
    EXPECT_EQ(doc.SelectedSlot(), ConfigDocument::kNoSlot);
    doc.SelectRow(0);
    EXPECT_EQ(doc.SelectedSlot(), 0);
    EXPECT_EQ(doc.RowOfSlot(1), 1);
}

TEST(ConfigDocument, UndoAndRedoBringBackScheduleRowsAndSelectionAndMarkTheChange) {
    ConfigDocument doc;
    doc.Load(ImageOf({D, 3 * D}));
    struct State {
        std::vector<ScheduleEntry> entries;
        std::vector<std::size_t> rows;
        int selected;
    };
    auto state = [&] { return State{doc.Entries(), Rows(doc), doc.SelectedSlot()}; };
    auto expectState = [&](const State& expected, const char* what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(doc.Entries(), expected.entries);
        EXPECT_EQ(Rows(doc), expected.rows);
        EXPECT_EQ(doc.SelectedSlot(), expected.selected);
    };
    std::vector<State> states{state()};
    ASSERT_TRUE(doc.Add(Form(1, 8, 1, 9)));
    states.push_back(state());
    ASSERT_TRUE(doc.AddCopies({ScheduleEntry{2 * D, 2 * D + H}, ScheduleEntry{4 * D, 4 * D + H}}));  // one step
    states.push_back(state());
    ASSERT_TRUE(doc.Edit(0, Form(7, 1, 7, 2)));
    states.push_back(state());
    ASSERT_TRUE(doc.Delete(2));
    states.push_back(state());
    doc.ClearModified();
    doc.DeleteAll();
    states.push_back(state());

    for (std::size_t i = states.size() - 1; i > 0; --i) {
        doc.ClearModified();
        ASSERT_TRUE(doc.Undo());
        EXPECT_TRUE(doc.IsModified());
        expectState(states[i - 1], "undo");
    }
    EXPECT_FALSE(doc.Undo());
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(doc.Redo());
        expectState(states[i], "redo");
    }
    EXPECT_FALSE(doc.Redo());
    // A new change drops what could be redone; a load forgets everything.
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Add(Form(6, 1, 6, 2)));
    EXPECT_FALSE(doc.CanRedo());
    doc.Load(ImageOf({0}));
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
