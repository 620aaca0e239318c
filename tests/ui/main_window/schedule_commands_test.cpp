// New, Copy, Edit, Delete and Delete All on the main window, with the schedule item dialog
// answered by an expectation that fills its form as the operator's OK would.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/entry_form.h"
#include "model/entry_texts.h"
#include "support/forms.h"
#include "ui/common/messages.h"
#include "ui/common/ids.h"
#include "ui/dialogs/schedule_item_dlg.h"
#include "ui_test_support.h"

namespace {
using namespace uitest;

// The schedule item dialog, opened by a command: checks the form it was opened on (when
// given), then changes the form as the operator would and closes with OK, or cancels.
class ExpectItemDialog : public wxExpectModalBase<CScheduleItemDlg, ExpectItemDialog> {
public:
    using Edit = std::function<void(EntryForm&)>;
    ExpectItemDialog(int answer, Edit edit, std::optional<EntryForm> opensOn)
        : answer_(answer), edit_(std::move(edit)), opensOn_(std::move(opensOn)) {
        m_description = "schedule item dialog";
    }

protected:
    int OnInvoked(CScheduleItemDlg* dlg) const override {
        EXPECT_EQ(dlg->GetTitle().utf8_string(), "Schedule Item");
        if (opensOn_) {
            EntryForm expected = *opensOn_;
            // The position is the dialog's own business, set when it opens.
            expected.ratePosition = dlg->form.ratePosition;
            EXPECT_EQ(dlg->form, expected) << "form the dialog opened on";
        }
        if (answer_ == wxID_OK && edit_) edit_(dlg->form);
        return answer_;
    }

private:
    int answer_;
    Edit edit_;
    std::optional<EntryForm> opensOn_;
};

// OK after edit (nothing changed when edit is empty).
ExpectItemDialog ItemOk(ExpectItemDialog::Edit edit = {}, std::optional<EntryForm> opensOn = {}) {
    return ExpectItemDialog(wxID_OK, std::move(edit), std::move(opensOn));
}
ExpectItemDialog ItemCancel(std::optional<EntryForm> opensOn = {}) {
    return ExpectItemDialog(wxID_CANCEL, {}, std::move(opensOn));
}
// Sets start and stop to whole hours, the rest of the form as it was.
ExpectItemDialog::Edit Times(int startDay, int startHour, int stopDay, int stopHour) {
    return [=](EntryForm& form) { form = WholeHoursForm(startDay, startHour, stopDay, stopHour, form); };
}
ExpectMessage ExpectOverlap() { return ExpectError(kMsgOverlap); }
ExpectMessage ExpectFull() { return ExpectError(kMsgScheduleFull); }
ExpectMessage ExpectDeleteItem(bool yes) { return ExpectQuestion(kMsgDeleteItem, kTitleConfirmDelete, yes); }
ExpectMessage ExpectDeleteAll(bool yes) { return ExpectQuestion(kMsgDeleteAll, kTitleConfirmDelete, yes); }

class ScheduleCommandsTest : public ConfigDlgTest {
protected:
    // As the operator picks a row: the table's selection, reported as the control reports it.
    void Select(long row) {
        const wxDataViewItem item = row < 0 ? wxDataViewItem() : uitest::ListItem(List(), row);
        if (item.IsOk())
            List()->Select(item);
        else
            List()->UnselectAll();
        wxDataViewEvent changed(wxEVT_DATAVIEW_SELECTION_CHANGED, List(), item);
        List()->ProcessWindowEvent(changed);
    }
    long Selected() const { return DocumentRow(); }
    std::uint32_t Count() const { return dlg->Document().Image().EntryCount(); }

    // Every row shows the entry of the slot it names, and each slot in use has one row.
    void ExpectRowsMatchSlots() {
        std::vector<bool> seen(Count(), false);
        ASSERT_EQ(uitest::ListRowCount(List()), static_cast<long>(Count()));
        WeekTime previous = 0;
        for (long row = 0; row < uitest::ListRowCount(List()); ++row) {
            const long slot = static_cast<long>(SlotOfRow(row));
            ASSERT_GE(slot, 0);
            ASSERT_LT(slot, static_cast<long>(Count()));
            EXPECT_FALSE(seen[std::size_t(slot)]) << "slot " << slot << " shown twice";
            seen[std::size_t(slot)] = true;
            const ScheduleEntry entry = dlg->Document().Image().Entry(std::size_t(slot));
            const auto texts = EntryTexts(entry);
            EXPECT_EQ(RowTexts(List(), row), std::vector<std::string>(texts.values.begin(), texts.values.end())) << "row " << row;
            EXPECT_GE(entry.start, previous) << "row " << row << " out of order";
            previous = entry.start;
        }
    }
};

TEST_F(ScheduleCommandsTest, NewOnAnEmptyScheduleAddsTheWholeWeekDefaults) {
    wxTEST_DIALOG(Click(IDC_NEW), ItemOk({}, NewEntryForm()));
    ASSERT_EQ(Count(), 1u);
    EXPECT_EQ(dlg->Document().Image().Entry(0), EntryFromForm(NewEntryForm()));
    EXPECT_EQ(RowTexts(List(), 0), (std::vector<std::string>{"00:00:00 on Monday", "00:00:00 on Monday", "25.0", "30.0",
                                                              "32kB", "Field", "Continuous", "N/A", "On"}));
    EXPECT_EQ(Selected(), 0);
    EXPECT_TRUE(dlg->Document().IsModified());
}

TEST_F(ScheduleCommandsTest, CancelledDialogsChangeNothing) {
    Fill({DefaultEntry(kDay, kDay + kHour)});
    Select(0);
    const ImageBytes before = dlg->Document().Image().bytes;
    wxTEST_DIALOG(Click(IDC_NEW), ItemCancel());
    wxTEST_DIALOG(Click(IDC_COPY), ItemCancel());
    wxTEST_DIALOG(Click(IDC_EDIT), ItemCancel());
    EXPECT_EQ(dlg->Document().Image().bytes, before);
    EXPECT_EQ(uitest::ListRowCount(List()), 1);
    EXPECT_FALSE(dlg->Document().IsModified());
}

TEST_F(ScheduleCommandsTest, AWholeWeekEntryRefusesEveryNewAndCopyUntilCancelled) {
    Fill({EntryFromForm(NewEntryForm())});
    Select(0);
    for (int command : {IDC_NEW, IDC_COPY}) {
        SCOPED_TRACE(command);
        // Each refusal reopens the dialog on what the operator entered before.
        const EntryForm second = WholeHoursForm(2, 8, 2, 9);
        wxTEST_DIALOG(Click(command), ItemOk(Times(2, 8, 2, 9)), ExpectOverlap(),
                      ItemOk(Times(7, 23, 1, 1), second), ExpectOverlap(), ItemOk(Times(4, 0, 4, 0)),
                      ExpectOverlap(), ItemCancel());
        EXPECT_EQ(Count(), 1u);
        EXPECT_FALSE(dlg->Document().IsModified());
    }
    // Its own slot excluded, the whole-week entry itself may be edited.
    wxTEST_DIALOG(Click(IDC_EDIT), ItemOk(Times(1, 8, 1, 17), NewEntryForm()));
    EXPECT_EQ(Count(), 1u);
    EXPECT_EQ(dlg->Document().Image().Entry(0).start, 8 * kHour);
    EXPECT_EQ(dlg->Document().Image().Entry(0).stop, 17 * kHour);
    EXPECT_TRUE(dlg->Document().IsModified());
}

TEST_F(ScheduleCommandsTest, CopyNeedsOtherTimesThanItsSource) {
    ScheduleEntry source = DefaultEntry(2 * kDay + 8 * kHour, 2 * kDay + 17 * kHour);
    source.rateCode = 24;
    source.control = (3u << 12) | 90u;
    Fill({DefaultEntry(0, kHour), source});
    Select(1);
    const EntryForm sourceForm = FormFromEntry(source);
    // Unchanged, the copy overlaps its source; moved to the next day it is accepted and
    // keeps everything else of the source.
    wxTEST_DIALOG(Click(IDC_COPY), ItemOk({}, sourceForm), ExpectOverlap(),
                  ItemOk([](EntryForm& f) { f.startDay = f.stopDay = 4; }, sourceForm));
    ASSERT_EQ(Count(), 3u);
    ScheduleEntry copy = source;
    copy.start += kDay;
    copy.stop += kDay;
    EXPECT_EQ(dlg->Document().Image().Entry(2), copy);
    EXPECT_EQ(RowSlots(dlg), (std::vector<long>{0, 1, 2}));
    EXPECT_EQ(Selected(), 2);
    EXPECT_TRUE(dlg->Document().IsModified());
    ExpectRowsMatchSlots();
}

TEST_F(ScheduleCommandsTest, EditUnchangedIsAcceptedInPlace) {
    Fill(EntriesAt({3 * kDay, kDay, 5 * kDay}, kHour));
    Select(1);  // slot 0, Thursday
    const ImageBytes before = dlg->Document().Image().bytes;
    wxTEST_DIALOG(Click(IDC_EDIT), ItemOk({}, FormFromEntry(dlg->Document().Image().Entry(0))));
    EXPECT_EQ(dlg->Document().Image().bytes, before);
    EXPECT_EQ(RowSlots(dlg), (std::vector<long>{1, 0, 2}));
    EXPECT_EQ(Selected(), 1);
    EXPECT_TRUE(dlg->Document().IsModified());
}

TEST_F(ScheduleCommandsTest, EditMovesTheRowToItsSortedPlaceAndKeepsItSelected) {
    Fill(EntriesAt({kDay, 4 * kDay, 2 * kDay}, kHour));
    ASSERT_EQ(RowSlots(dlg), (std::vector<long>{0, 2, 1}));
    Select(2);  // Friday, slot 1
    wxTEST_DIALOG(Click(IDC_EDIT), ItemOk(Times(1, 6, 1, 7)));
    EXPECT_EQ(RowSlots(dlg), (std::vector<long>{1, 0, 2}));
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(RowTexts(List(), 0)[0], "06:00:00 on Monday");
    EXPECT_EQ(Count(), 3u);
    ExpectRowsMatchSlots();
}

TEST_F(ScheduleCommandsTest, EditAgainstAnotherEntryIsRefusedAndReopened) {
    Fill({DefaultEntry(kDay, kDay + 2 * kHour), DefaultEntry(3 * kDay, 3 * kDay + kHour)});
    Select(1);  // slot 1
    wxTEST_DIALOG(Click(IDC_EDIT), ItemOk(Times(2, 1, 2, 3)), ExpectOverlap(), ItemCancel());
    EXPECT_EQ(dlg->Document().Image().Entry(1), DefaultEntry(3 * kDay, 3 * kDay + kHour));
    EXPECT_FALSE(dlg->Document().IsModified());
}

TEST_F(ScheduleCommandsTest, DoubleClickEditsTheSelectedRow) {
    Fill({DefaultEntry(kDay, kDay + kHour)});
    Select(-1);
    wxDataViewEvent activated(wxEVT_DATAVIEW_ITEM_ACTIVATED, List(), uitest::ListItem(List(), 0));
    List()->ProcessWindowEvent(activated);  // nothing selected: no dialog
    Select(0);
    wxTEST_DIALOG(List()->ProcessWindowEvent(activated), ItemOk(Times(3, 1, 3, 2)));
    EXPECT_EQ(dlg->Document().Image().Entry(0).start, 2 * kDay + kHour);
}

TEST_F(ScheduleCommandsTest, WithoutASelectionCopyEditAndDeleteDoNothing) {
    Fill({DefaultEntry(kDay, kDay + kHour)});
    Select(-1);
    ASSERT_EQ(Selected(), -1);
    // No dialog may open: any would fail the test.
    for (int command : {IDC_COPY, IDC_EDIT, IDC_DELETE}) Click(command);
    EXPECT_EQ(Count(), 1u);
    EXPECT_FALSE(dlg->Document().IsModified());
}

TEST_F(ScheduleCommandsTest, AFullScheduleRefusesNewAndCopyBeforeAnyDialogButEdits) {
    Fill(EntriesEvery(kMaxEntries, 0, 600, 300));
    Select(-1);
    ASSERT_EQ(Selected(), -1);
    wxTEST_DIALOG(Click(IDC_NEW), ExpectFull());
    wxTEST_DIALOG(Click(IDC_COPY), ExpectFull());  // even with nothing selected
    Select(5);
    wxTEST_DIALOG(Click(IDC_COPY), ExpectFull());
    EXPECT_EQ(Count(), kMaxEntries);
    EXPECT_FALSE(dlg->Document().IsModified());
    // Edit needs no free slot.
    wxTEST_DIALOG(Click(IDC_EDIT), ItemOk([](EntryForm& f) { f.sizeKB = 12; }));
    EXPECT_EQ(dlg->Document().Image().Entry(5).imageSize, 12000u);
    EXPECT_EQ(Count(), kMaxEntries);
    EXPECT_TRUE(dlg->Document().IsModified());
    // One deleted, New has room again, exactly one.
    wxTEST_DIALOG(Click(IDC_DELETE), ExpectDeleteItem(true));
    wxTEST_DIALOG(Click(IDC_NEW), ItemOk(Times(7, 20, 7, 21)));
    EXPECT_EQ(Count(), kMaxEntries);
    wxTEST_DIALOG(Click(IDC_NEW), ExpectFull());
    ExpectRowsMatchSlots();
}

TEST_F(ScheduleCommandsTest, DeleteAsksThenCompactsTheSlotsAndKeepsRowsInStep) {
    const std::vector<ScheduleEntry> entries = EntriesAt({4 * kDay, kDay, 6 * kDay, 0, 2 * kDay}, kHour);
    Fill(entries);
    ASSERT_EQ(RowSlots(dlg), (std::vector<long>{3, 1, 4, 0, 2}));
    Select(1);  // slot 1, Tuesday
    wxTEST_DIALOG(Click(IDC_DELETE), ExpectDeleteItem(false));
    EXPECT_EQ(Count(), 5u);
    EXPECT_FALSE(dlg->Document().IsModified());

    const ScheduleEntry lastSlotBefore = dlg->Document().Image().Entry(4);
    wxTEST_DIALOG(Click(IDC_DELETE), ExpectDeleteItem(true));
    ASSERT_EQ(Count(), 4u);
    EXPECT_EQ(dlg->Document().Image().Entries(), (std::vector<ScheduleEntry>{entries[0], entries[2], entries[3], entries[4]}));
    EXPECT_EQ(dlg->Document().Image().Entry(4), lastSlotBefore) << "the slot beyond the count keeps its bytes";
    EXPECT_EQ(RowSlots(dlg), (std::vector<long>{2, 3, 0, 1}));
    ExpectRowsMatchSlots();
    EXPECT_TRUE(dlg->Document().IsModified());
    // No row is selected afterwards, so the next Delete or Edit does nothing.
    EXPECT_EQ(Selected(), -1);
    Click(IDC_DELETE);
    Click(IDC_EDIT);
    EXPECT_EQ(Count(), 4u);

    // Each remaining row still edits the entry it shows.
    Select(3);  // Saturday, now slot 1
    wxTEST_DIALOG(Click(IDC_EDIT), ItemOk(Times(6, 1, 6, 2), FormFromEntry(entries[2])));
    EXPECT_EQ(dlg->Document().Image().Entry(1).start, 5 * kDay + kHour);
    ExpectRowsMatchSlots();
}

TEST_F(ScheduleCommandsTest, DeletingTheFirstSlotOfThreeKeepsTheOthersEditable) {
    const std::vector<ScheduleEntry> entries = EntriesAt({kDay, 2 * kDay, 3 * kDay}, kHour);
    Fill(entries);
    Select(0);
    wxTEST_DIALOG(Click(IDC_DELETE), ExpectDeleteItem(true));
    EXPECT_EQ(RowSlots(dlg), (std::vector<long>{0, 1}));
    for (long row : {0L, 1L}) {
        Select(row);
        wxTEST_DIALOG(Click(IDC_EDIT), ItemCancel(FormFromEntry(entries[std::size_t(row) + 1])));
    }
}

TEST_F(ScheduleCommandsTest, DeleteAllAsksAndLeavesTheModifiedFlagAsItWas) {
    for (bool modified : {false, true}) {
        SCOPED_TRACE(modified);
        Fill(EntriesAt({kDay, 0}, kHour));
        if (modified) dlg->Document().SetModified();
        wxTEST_DIALOG(Click(IDC_DELETE_ALL), ExpectDeleteAll(false));
        EXPECT_EQ(Count(), 2u);
        EXPECT_EQ(uitest::ListRowCount(List()), 2);
        const ScheduleEntry slot0 = dlg->Document().Image().Entry(0);
        wxTEST_DIALOG(Click(IDC_DELETE_ALL), ExpectDeleteAll(true));
        EXPECT_EQ(Count(), 0u);
        EXPECT_EQ(uitest::ListRowCount(List()), 0);
        EXPECT_EQ(dlg->Document().Image().Entry(0), slot0);
        EXPECT_EQ(dlg->Document().IsModified(), modified);
        // An empty schedule is still asked about.
        wxTEST_DIALOG(Click(IDC_DELETE_ALL), ExpectDeleteAll(true));
        EXPECT_EQ(dlg->Document().IsModified(), modified);
    }
}

TEST_F(ScheduleCommandsTest, NewEntrySavedToFileGivesTheExpectedRecord) {
    // Tuesday 08:00:00 to Tuesday 17:30:15, rate position 9 (code 24), 20 kB, frame mode,
    // "Alarm 1 Level NO" for 120 s, video out off.
    auto edit = [](EntryForm& f) {
        f = {.startTime = {8, 0, 0}, .stopTime = {17, 30, 15}, .startDay = 2, .stopDay = 2, .rateCode = 24,
             .sizeKB = 20, .frame = true, .trigger = 3, .duration = 120, .videoOut = false};
    };
    wxTEST_DIALOG(Click(IDC_NEW), ItemOk(edit));
    EXPECT_EQ(RowTexts(List(), 0), (std::vector<std::string>{"08:00:00 on Tuesday", "17:30:15 on Tuesday", "1.0", "1.2",
                                                              "20kB", "Frame", "Alarm 1 Level NO", "120s", "Off"}));
    const auto path = File("new.DAT");
    wxTEST_DIALOG(Click(IDC_SAVE_TO_FILE), ExpectSaveFile(path));
    const Bytes file = ReadBytes(path);
    ASSERT_EQ(file.size(), kImageSize);
    const Bytes expectedRecord = {
        0x00, 0xC2, 0x01, 0x00,  // start 115200
        0xA7, 0x47, 0x02, 0x00,  // stop 149415
        0x78, 0x30, 0x00, 0x00,  // control: trigger 3, 120 s, video off
        0x00, 0x00, 0x00, 0x00,  // resolution 0: frame
        0x18, 0x00, 0x00, 0x00,  // rate code 24
        0x20, 0x4E, 0x00, 0x00,  // 20000 bytes
    };
    EXPECT_EQ(Bytes(file.begin() + kOffSlots, file.begin() + kOffSlots + 24), expectedRecord);
    EXPECT_EQ(Bytes(file.begin() + kOffEntryCount, file.begin() + kOffEntryCount + 4), (Bytes{1, 0, 0, 0}));
    EXPECT_FALSE(dlg->Document().IsModified());
}

}  // namespace
