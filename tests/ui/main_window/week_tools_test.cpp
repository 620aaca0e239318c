// The quicker ways to a working week, wired into the main window: Copy To Days, drawing an
// entry on the week strip, moving one there, the overlap named, undo and redo.
#include "model/entry_texts.h"
#include "support/forms.h"
#include "ui/dialogs/copy_to_days_dlg.h"
#include "ui/common/ids.h"
#include "ui/dialogs/schedule_item_dlg.h"
#include "ui/main_window/status_line.h"
#include "ui/week_strip/week_strip.h"
#include "ui_test_support.h"

using namespace uitest;

namespace {
class WeekToolsTest : public ConfigDlgTest {
protected:
    ExpectWindow<CCopyToDaysDlg> TickDays(std::vector<int> days) {
        return ExpectWindow<CCopyToDaysDlg>(wxID_OK, [days](CCopyToDaysDlg* dlg) {
            for (int day : days) dlg->DayBox(day)->SetValue(true);
        });
    }
    void Mouse(wxEventType type, const wxPoint& at) {
        CWeekStrip* strip = dlg->WeekStrip();
        wxMouseEvent event(type);
        event.SetPosition(at);
        event.SetLeftDown(type != wxEVT_LEFT_UP);
        event.SetEventObject(strip);
        strip->ProcessWindowEvent(event);
    }
    // Ctrl (and more) with a key, pressed in the table.
    bool PressCtrl(int key, int more = 0) {
        wxKeyEvent event(wxEVT_CHAR_HOOK);
        event.m_keyCode = key;
        event.SetControlDown(true);
        event.SetShiftDown((more & wxMOD_SHIFT) != 0);
        event.SetEventObject(List());
        return List()->ProcessWindowEvent(event);
    }
    wxPoint PointAt(int day, WeekTime second) const {
        const wxRect bar = dlg->WeekStrip()->BarRect(WeekSegment{day, second, second + 1, 0});
        return wxPoint(bar.x, bar.y + bar.height / 2);
    }
};

TEST_F(WeekToolsTest, CopyToDaysAddsEveryCopyAsOneStepOrNoneAndSaysWhichDaysOverlap) {
    // Monday office hours; Wednesday already taken in the afternoon.
    Fill({DefaultEntry(8 * kHour, 17 * kHour), DefaultEntry(2 * kDay + 13 * kHour, 2 * kDay + 14 * kHour)});
    dlg->Document().SelectSlot(0);
    // Refused: the dialog opens again with the days that were ticked.
    const auto stillTicked = [](CCopyToDaysDlg* days) { EXPECT_EQ(days->ChosenDays(), (std::vector<int>{2, 3, 4})); };
    wxTEST_DIALOG(Click(IDC_COPY_TO_DAYS), TickDays({2, 3, 4}),
                  ExpectError(kMsgOverlap).WithDetail("The copy for Wednesday overlaps another entry."),
                  ExpectWindow<CCopyToDaysDlg>(wxID_CANCEL, stillTicked));
    EXPECT_EQ(dlg->Document().Image().EntryCount(), 2u);
    EXPECT_FALSE(dlg->Document().IsModified());

    wxTEST_DIALOG(Click(IDC_COPY_TO_DAYS), TickDays({2, 4, 5}));
    EXPECT_EQ(dlg->Document().Image().EntryCount(), 5u);
    EXPECT_EQ(RowTexts(List(), uitest::ListSelection(List()))[0], "08:00:00 on Friday");  // the last copy
    EXPECT_TRUE(dlg->Document().IsModified());
    // One undo takes all three copies back.
    EXPECT_TRUE(PressCtrl('Z'));
    EXPECT_EQ(uitest::ListRowCount(List()), 2);
}

TEST_F(WeekToolsTest, AnOverlapRefusalNamesTheEntryInTheWay) {
    ScheduleEntry alarm = DefaultEntry(4 * kDay + 8 * kHour, 4 * kDay + 17 * kHour);
    alarm.control = 0x10000u | (3u << 12) | 30u;  // Alarm 1 Level NO
    Fill({alarm});
    auto onFriday = [](CScheduleItemDlg* item) { item->form = WholeHoursForm(5, 9, 5, 10, item->form); };
    wxTEST_DIALOG(Click(IDC_NEW), ExpectWindow<CScheduleItemDlg>(wxID_OK, onFriday),
                  ExpectError(kMsgOverlap).WithDetail("It overlaps 08:00:00 on Friday to 17:00:00 on Friday (Alarm 1 Level NO)."),
                  ExpectWindow<CScheduleItemDlg>(wxID_CANCEL));
    EXPECT_EQ(dlg->Document().Image().EntryCount(), 1u);
}

TEST_F(WeekToolsTest, ASpanDrawnOnTheStripOpensANewEntryOnItsDaysAndTimes) {
    dlg->SetSize(dlg->GetMinSize());
    dlg->Layout();
    EntryForm opened;
    Mouse(wxEVT_LEFT_DOWN, PointAt(2, 18 * kHour));
    Mouse(wxEVT_MOTION, PointAt(2, 20 * kHour));
    Mouse(wxEVT_MOTION, PointAt(3, 6 * kHour));  // on past midnight into Wednesday
    wxTEST_DIALOG(Mouse(wxEVT_LEFT_UP, PointAt(3, 6 * kHour)),
                  ExpectWindow<CScheduleItemDlg>(wxID_OK, [&](CScheduleItemDlg* item) { opened = item->form; }));
    EXPECT_EQ(opened.startDay, 2);
    EXPECT_EQ(opened.stopDay, 3);
    EXPECT_EQ(opened.startTime.hour, 18);
    EXPECT_EQ(opened.stopTime.hour, 6);
    EXPECT_EQ(opened.sizeKB, NewEntryForm().sizeKB);
    ASSERT_EQ(dlg->Document().Image().EntryCount(), 1u);
    EXPECT_EQ(RowTexts(List(), 0)[0], "18:00:00 on Tuesday");
}

TEST_F(WeekToolsTest, TheReadmesWorkingWeekTakesThreeDragsAndTwoCopies) {
    dlg->SetSize(dlg->GetMinSize());
    dlg->Layout();
    std::vector<EntryForm> opened;
    const auto draw = [&](const wxPoint& from, const wxPoint& to) {
        Mouse(wxEVT_LEFT_DOWN, from);
        Mouse(wxEVT_MOTION, to);
        wxTEST_DIALOG(Mouse(wxEVT_LEFT_UP, to),
                      ExpectWindow<CScheduleItemDlg>(wxID_OK, [&](CScheduleItemDlg* item) { opened.push_back(item->form); }));
    };
    const auto copyToWeekdays = [&] { wxTEST_DIALOG(Click(IDC_COPY_TO_DAYS), TickDays({2, 3, 4, 5})); };
    draw(PointAt(1, 7 * kHour + 1800), PointAt(1, 18 * kHour));
    copyToWeekdays();
    // From where the office hours end, and a pixel past it: a night entry, the hours kept.
    draw(PointAt(1, 18 * kHour) + wxPoint(1, 0), PointAt(2, 7 * kHour + 1800));
    copyToWeekdays();
    draw(PointAt(6, 7 * kHour + 1800), PointAt(7, kDay));
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[1].startDay, 1);
    EXPECT_EQ(opened[1].startTime, (TimeOfDay{18, 0, 0}));
    EXPECT_EQ(opened[1].stopDay, 2);
    EXPECT_EQ(opened[1].stopTime, (TimeOfDay{7, 30, 0}));
    EXPECT_EQ(dlg->Document().Image().EntryCount(), 11u);
    EXPECT_EQ(dlg->Document().Image().Entry(0), DefaultEntry(7 * kHour + 1800, 18 * kHour));
}

TEST_F(WeekToolsTest, ABarMovedByMouseOrKeyChangesAtOnceAndTheStatusLineSaysHow) {
    Fill({DefaultEntry(8 * kHour, 12 * kHour), DefaultEntry(16 * kHour, 18 * kHour)});
    auto drag = [&](const wxPoint& from, const wxPoint& to) {
        Mouse(wxEVT_LEFT_DOWN, from);
        Mouse(wxEVT_MOTION, to);
        Mouse(wxEVT_LEFT_UP, to);
        wxTheApp->ProcessPendingEvents();
    };
    drag(PointAt(1, 10 * kHour), PointAt(1, 17 * kHour));  // onto 16:00 to 18:00
    EXPECT_EQ(dlg->StatusLine()->LastAction(),
              "Not changed: It overlaps 16:00:00 on Monday to 18:00:00 on Monday (Continuous).");
    drag(PointAt(1, 10 * kHour), PointAt(1, 13 * kHour));  // three hours later by its middle
    EXPECT_EQ(RowTexts(List(), 0)[1], "15:00:00 on Monday");
    EXPECT_EQ(uitest::ListSelection(List()), 0);
    EXPECT_EQ(dlg->StatusLine()->LastAction(), "Entry now 11:00:00 on Monday to 15:00:00 on Monday");

    // The window leaves Alt+arrows to the strip, which moves the selected entry.
    CWeekStrip* strip = dlg->WeekStrip();
    EXPECT_FALSE(PressKey(strip, WXK_DOWN, true));
    wxKeyEvent down(wxEVT_KEY_DOWN);
    down.m_keyCode = WXK_DOWN;
    down.SetAltDown(true);
    strip->ProcessWindowEvent(down);
    EXPECT_EQ(dlg->StatusLine()->LastAction(), "Entry now 11:00:00 on Tuesday to 15:00:00 on Tuesday");
}

TEST_F(WeekToolsTest, CtrlZAfterDeleteAllBringsTheRowsBackAndCtrlYDeletesThemAgain) {
    Fill(EntriesAt({kDay, 0}, kHour));
    wxTEST_DIALOG(Click(IDC_DELETE_ALL), ExpectQuestion(kMsgDeleteAll, kTitleConfirmDelete, true));
    EXPECT_EQ(uitest::ListRowCount(List()), 0);
    EXPECT_TRUE(PressCtrl('Z'));
    EXPECT_EQ(RowSlots(dlg), (std::vector<long>{1, 0}));
    // Back to the schedule as loaded: nothing left unsaved.
    EXPECT_FALSE(dlg->Document().IsModified());
    EXPECT_EQ(dlg->StatusLine()->LastAction(), "Undid deleting all entries");
    EXPECT_TRUE(PressCtrl('Y'));
    EXPECT_EQ(uitest::ListRowCount(List()), 0);
    EXPECT_TRUE(dlg->Document().IsModified());
    EXPECT_EQ(dlg->StatusLine()->LastAction(), "Redid deleting all entries");
    EXPECT_TRUE(PressCtrl('Z', wxMOD_SHIFT));  // nothing left to redo
    EXPECT_EQ(uitest::ListRowCount(List()), 0);
}

}  // namespace

namespace {
using namespace uitest;
// The command menu's moves do what the strip's keys do, each in its own direction.
TEST_F(WeekToolsTest, TheMenusMovesStepTheSelectedEntryOrItsStop) {
    const struct {
        int id;
        WeekTime start, stop;
    } cases[] = {
        {IDM_MOVE_EARLIER, kDay + 8 * kHour - 900, kDay + 9 * kHour - 900},
        {IDM_MOVE_LATER, kDay + 8 * kHour + 900, kDay + 9 * kHour + 900},
        {IDM_MOVE_DAY_EARLIER, 8 * kHour, 9 * kHour},
        {IDM_MOVE_DAY_LATER, 2 * kDay + 8 * kHour, 2 * kDay + 9 * kHour},
        {IDM_STOP_EARLIER, kDay + 8 * kHour, kDay + 9 * kHour - 900},
        {IDM_STOP_LATER, kDay + 8 * kHour, kDay + 9 * kHour + 900},
        {IDM_STOP_DAY_LATER, kDay + 8 * kHour, 2 * kDay + 9 * kHour},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        Fill({DefaultEntry(kDay + 8 * kHour, kDay + 9 * kHour)});
        dlg->Document().SelectSlot(0);
        wxCommandEvent menu(wxEVT_MENU, c.id);
        dlg->ProcessWindowEvent(menu);
        EXPECT_EQ(dlg->Document().Image().Entry(0).start, c.start);
        EXPECT_EQ(dlg->Document().Image().Entry(0).stop, c.stop);
    }
}
}  // namespace
