// Copy Day To Days and Clear Day through the main window, and the week strip's day labels.
#include <wx/button.h>

#include "ui/common/ids.h"
#include "ui/dialogs/copy_to_days_dlg.h"
#include "ui/main_window/command_menu.h"
#include "ui/main_window/status_line.h"
#include "ui/week_strip/week_strip.h"
#include "ui_test_support.h"

using namespace uitest;

namespace {
class DayCommandsTest : public ConfigDlgTest {
protected:
    // Monday 08:00-12:00 and 13:00-17:00, Tuesday 10:00-11:00 (Alarm 1), Sunday 22:00 into Monday.
    void FillWeek() {
        ScheduleEntry alarm = DefaultEntry(kDay + 10 * kHour, kDay + 11 * kHour);
        alarm.control = 0x10000u | (3u << 12) | 30u;  // Alarm 1 Level NO
        Fill({DefaultEntry(8 * kHour, 12 * kHour), DefaultEntry(13 * kHour, 17 * kHour), alarm,
              DefaultEntry(6 * kDay + 22 * kHour, 6 * kHour)});
    }
    void Menu(int id) {
        wxCommandEvent menu(wxEVT_MENU, id);
        dlg->ProcessWindowEvent(menu);
    }
    bool PressCtrlZ() {
        wxKeyEvent event(wxEVT_CHAR_HOOK);
        event.m_keyCode = 'Z';
        event.SetControlDown(true);
        event.SetEventObject(List());
        return List()->ProcessWindowEvent(event);
    }
    // The Copy Day To Days window with the days the operator ticks, the source day fixed.
    static ExpectWindow<CCopyToDaysDlg> TickDays(int sourceDay, std::vector<int> days) {
        return ExpectWindow<CCopyToDaysDlg>(wxID_OK, [sourceDay, days](CCopyToDaysDlg* window) {
            EXPECT_EQ(window->GetTitle(), "Copy Day To Days");
            EXPECT_FALSE(window->DayBox(sourceDay)->IsEnabled());
            EXPECT_TRUE(window->FindWindow(CCopyToDaysDlg::ID_ALL_DAYS));
            for (int day : days) window->DayBox(day)->SetValue(true);
        });
    }
    wxString Note() const { return dlg->StatusLine()->LastAction(); }
};

TEST_F(DayCommandsTest, MondaysTwoEntriesCopiedToTuesdayGiveFourAndOneUndoTakesThemBack) {
    Fill({DefaultEntry(8 * kHour, 12 * kHour), DefaultEntry(13 * kHour, 17 * kHour)});
    dlg->Document().SelectSlot(1);
    wxTEST_DIALOG(Menu(IDM_COPY_DAY_TO_DAYS), TickDays(1, {2}));
    EXPECT_EQ(uitest::ListRowCount(List()), 4);
    EXPECT_EQ(RowTexts(List(), 3)[0], "13:00:00 on Tuesday");
    EXPECT_EQ(Note(), "Copied 2 entries from Monday to Tuesday");
    EXPECT_TRUE(PressCtrlZ());
    EXPECT_EQ(uitest::ListRowCount(List()), 2);
    EXPECT_EQ(Note(), "Undid copying a day to days");
    EXPECT_FALSE(dlg->Document().IsModified());
}

TEST_F(DayCommandsTest, CopiesInTheWayAreRefusedNamingDayAndEntryAndTheWindowOpensAgain) {
    FillWeek();
    dlg->Document().SelectSlot(0);
    const auto stillTicked = [](CCopyToDaysDlg* days) { EXPECT_EQ(days->ChosenDays(), (std::vector<int>{2, 3})); };
    wxTEST_DIALOG(Menu(IDM_COPY_DAY_TO_DAYS), TickDays(1, {2, 3}),
                  ExpectError(kMsgOverlap)
                      .WithDetail("The copy for Tuesday overlaps another entry.\n"
                                  "10:00:00 on Tuesday to 11:00:00 on Tuesday (Alarm 1 Level NO)"),
                  ExpectWindow<CCopyToDaysDlg>(wxID_CANCEL, stillTicked));
    EXPECT_EQ(dlg->Document().EntryCount(), 4u);
    EXPECT_FALSE(dlg->Document().IsModified());
}

TEST_F(DayCommandsTest, ClearDayAsksNamingTheDayAndCountThenDeletesInOneStep) {
    FillWeek();
    dlg->Document().SelectSlot(1);
    const ExpectMessage question("Do you want to delete the 2 entries starting on Monday", kTitleConfirmDelete,
                                 wxYES_NO | wxICON_QUESTION, wxID_NO);
    wxTEST_DIALOG(Menu(IDM_CLEAR_DAY), question);
    EXPECT_EQ(dlg->Document().EntryCount(), 4u);
    EXPECT_FALSE(dlg->Document().IsModified());

    wxTEST_DIALOG(Menu(IDM_CLEAR_DAY), ExpectMessage("Do you want to delete the 2 entries starting on Monday",
                                                     kTitleConfirmDelete, wxYES_NO | wxICON_QUESTION, wxID_YES));
    // Sunday's entry running into Monday stays.
    EXPECT_EQ(uitest::ListRowCount(List()), 2);
    EXPECT_EQ(RowTexts(List(), 1)[0], "22:00:00 on Sunday");
    EXPECT_EQ(Note(), "Cleared Monday: 2 entries deleted");
    EXPECT_EQ(DocumentRow(), -1);
    EXPECT_TRUE(PressCtrlZ());
    EXPECT_EQ(uitest::ListRowCount(List()), 4);
    EXPECT_EQ(Note(), "Undid clearing a day");
}

TEST_F(DayCommandsTest, ADayLabelClickedSelectsTheDaysFirstEntryAndTheMenuActsOnIt) {
    FillWeek();
    dlg->Document().SelectRow(std::nullopt);
    CWeekStrip* strip = dlg->WeekStrip();
    auto clickLabel = [strip](int day) {
        const wxRect row = strip->BarRect(WeekSegment{day, 0, 1, 0});
        wxMouseEvent event(wxEVT_LEFT_DOWN);
        event.SetPosition(wxPoint(row.x - 2, row.y + row.height / 2));
        event.SetLeftDown(true);
        event.SetEventObject(strip);
        strip->ProcessWindowEvent(event);
        wxMouseEvent up(wxEVT_LEFT_UP);
        up.SetPosition(event.GetPosition());
        strip->ProcessWindowEvent(up);
    };
    struct Case {
        int day;
        long row;  // selected afterwards
    };
    // Wednesday has no entry: the selection stays where it was.
    const Case cases[] = {{2, 2}, {1, 0}, {3, 0}, {7, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        clickLabel(c.day);
        EXPECT_EQ(DocumentRow(), c.row);
        EXPECT_EQ(strip->DayAtPoint(wxPoint(1, strip->BarRect(WeekSegment{c.day, 0, 1, 0}).y)), c.day);
    }
    EXPECT_FALSE(strip->DayAtPoint(wxPoint(1, 0)));  // above the rows
}

TEST(DayCommandMenu, GreyedWithoutADayOrWithoutAnEntryStartingOnIt) {
    ConfigDocument document;
    document.Load(ImageOf({DefaultEntry(6 * kDay + 22 * kHour, 6 * kHour)}));  // Sunday into Monday
    const struct {
        std::optional<int> day;
        bool enabled;
    } cases[] = {{std::nullopt, false}, {1, false}, {7, true}};
    for (const auto& c : cases) {
        const std::unique_ptr<wxMenu> menu = MakeCommandMenu(document, c.day);
        EXPECT_EQ(menu->FindItem(IDM_COPY_DAY_TO_DAYS)->GetItemLabel(), "Copy Day &To Days...");
        EXPECT_EQ(menu->FindItem(IDM_CLEAR_DAY)->GetItemLabel(), "C&lear Day...");
        EXPECT_EQ(menu->IsEnabled(IDM_COPY_DAY_TO_DAYS), c.enabled) << c.day.value_or(0);
        EXPECT_EQ(menu->IsEnabled(IDM_CLEAR_DAY), c.enabled) << c.day.value_or(0);
    }
}
}  // namespace
