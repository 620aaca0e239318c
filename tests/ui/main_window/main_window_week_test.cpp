// The week strip in the main window follows the schedule and selects entries by mouse.
#include "ui/common/ids.h"
#include "ui/dialogs/schedule_item_dlg.h"
#include "ui/week_strip/week_strip.h"
#include "ui_test_support.h"

using namespace uitest;

namespace {
class MainWindowWeekTest : public ConfigDlgTest {
protected:
    CWeekStrip* Strip() { return dlg->WeekStrip(); }
    void Settle() { wxTheApp->ProcessPendingEvents(); }
    // The centre of the first bar drawn for slot.
    wxPoint BarCentre(int slot) {
        for (const WeekSegment& seg : Strip()->Segments())
            if (static_cast<int>(seg.slot) == slot) {
                const wxRect r = Strip()->BarRect(seg);
                return wxPoint(r.x + r.width / 2, r.y + r.height / 2);
            }
        ADD_FAILURE() << "no bar for slot " << slot;
        return {};
    }
    void ClickAt(const wxPoint& p, wxEventType type = wxEVT_LEFT_DOWN) {
        wxMouseEvent event(type);
        event.SetPosition(p);
        event.SetEventObject(Strip());
        Strip()->ProcessWindowEvent(event);
    }
};
}  // namespace

TEST_F(MainWindowWeekTest, StripFollowsLoadsAndClickingABarSelectsItsRow) {
    Fill({DefaultEntry(4 * kDay + 8 * kHour, 4 * kDay + 17 * kHour), DefaultEntry(8 * kHour, 17 * kHour),
          DefaultEntry(6 * kDay + 22 * kHour, 6 * kHour)});
    Settle();
    ASSERT_FALSE(Strip()->Segments().empty());
    // Rows: slot 1 (Monday), slot 0 (Friday), slot 2 (Sunday night into Monday).
    ClickAt(BarCentre(0));
    EXPECT_EQ(DocumentRow(), 1);
    EXPECT_EQ(Strip()->SelectedSlot(), 0);
    ClickAt(BarCentre(2));
    EXPECT_EQ(DocumentRow(), 2);
    EXPECT_EQ(SlotOfRow(DocumentRow()), 2);
}

TEST_F(MainWindowWeekTest, StripIsRedrawnAfterDeleteAllAndDoubleClickEdits) {
    Fill({DefaultEntry(8 * kHour, 17 * kHour)});
    Settle();
    wxTEST_DIALOG(ClickAt(BarCentre(0), wxEVT_LEFT_DCLICK), ExpectWindow<CScheduleItemDlg>(wxID_CANCEL));
    wxTEST_DIALOG(Click(IDC_DELETE_ALL), ExpectQuestion(kMsgDeleteAll, kTitleConfirmDelete, true));
    Settle();
    EXPECT_TRUE(Strip()->Segments().empty());
}

TEST_F(MainWindowWeekTest, StripStandsInItsOwnGroupBelowTheSchedule) {
    wxWindow* week = Strip()->GetParent();
    wxWindow* schedule = List()->GetParent();
    EXPECT_EQ(week->GetLabel(), "Week");
    EXPECT_EQ(schedule->GetLabel(), "Recording Schedule");
    EXPECT_LE(schedule->GetRect().GetBottom(), week->GetRect().GetTop());
}
