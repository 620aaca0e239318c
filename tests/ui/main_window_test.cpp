// The main window: its start, the schedule list, the modified flag, closing, keys and About.
#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "model/entry_texts.h"
#include "ui/about_access.h"
#include "ui/about_dlg.h"
#include "ui/ids.h"
#include "ui_test_support.h"

namespace {
using namespace uitest;

constexpr WeekTime kDay = kSecondsPerDay;
constexpr WeekTime kSundayLast = kSecondsPerWeek - 1;  // Sunday 23:59:59

class MainWindowTest : public ConfigDlgTest {};

namespace {
// The title bar and task list sizes, each decoded at its own size.
void ExpectWindowIcons(const wxIconBundle& icons) {
    ASSERT_EQ(icons.GetIconCount(), 4u);
    for (int size : {16, 32, 48, 64}) {
        const wxIcon icon = icons.GetIcon(wxSize(size, size), wxIconBundle::FALLBACK_NONE);
        EXPECT_TRUE(icon.IsOk()) << size;
        EXPECT_EQ(icon.GetWidth(), size);
    }
}
}  // namespace

TEST_F(MainWindowTest, StartsEmptyUnmodifiedWithTheNineColumns) {
    EXPECT_EQ(dlg->GetTitle(), "ORVANTIS and SELDORIX Configuration");
    EXPECT_EQ(List()->GetItemCount(), 0);
    EXPECT_EQ(dlg->SelectedRow(), -1);
    EXPECT_FALSE(dlg->IsModified());
    EXPECT_EQ(dlg->Image().EntryCount(), 0u);
    ASSERT_EQ(List()->GetColumnCount(), kListColumns);
    for (int col = 0; col < kListColumns; ++col) {
        wxListItem column;
        column.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_FORMAT);
        ASSERT_TRUE(List()->GetColumn(col, column));
        EXPECT_EQ(column.GetText(), kColumnTitles[col]);
        EXPECT_EQ(column.GetAlign(), wxLIST_FORMAT_LEFT);
    }
    EXPECT_TRUE(List()->HasFlag(wxLC_REPORT));
    EXPECT_TRUE(List()->HasFlag(wxLC_SINGLE_SEL));
    ExpectWindowIcons(dlg->GetIcons());
}

TEST_F(MainWindowTest, ButtonsCarryTheirCaptionsInTabOrder) {
    const std::vector<std::pair<int, const char*>> expected = {
        {IDC_LOAD_FROM_CARD, "Load From Card"}, {IDC_LOAD_FROM_FILE, "Load From File"},
        {IDC_SAVE_TO_CARD, "Save To Card"},     {IDC_SAVE_TO_FILE, "Save To File"},
        {IDC_SCHEDULE_LIST, nullptr},            {IDC_NEW, "New"},
        {IDC_COPY, "Copy"},                      {IDC_EDIT, "Edit"},
        {IDC_DELETE, "Delete"},                  {IDC_DELETE_ALL, "Delete All"},
        {IDC_WEEK_STRIP, nullptr},
    };
    std::vector<int> tabOrder;
    for (wxWindow* child : dlg->GetChildren())
        if (child->GetId() >= 1000) tabOrder.push_back(child->GetId());
    std::vector<int> expectedOrder;
    for (const auto& [id, caption] : expected) {
        expectedOrder.push_back(id);
        wxWindow* control = dlg->FindWindow(id);
        ASSERT_NE(control, nullptr) << id;
        if (caption) {
            EXPECT_EQ(control->GetLabel(), caption);
        }
    }
    EXPECT_EQ(tabOrder, expectedOrder);
}

TEST_F(MainWindowTest, LayoutFitsGtkWithoutClippingOrOverlap) {
    ExpectCleanLayout(dlg);
    // The list and the buttons stand inside "Recording Schedule", below the two load/save groups.
    const wxRect list = List()->GetRect();
    EXPECT_LT(dlg->FindWindow(IDC_LOAD_FROM_CARD)->GetRect().GetBottom(), list.GetTop());
    EXPECT_LT(list.GetBottom(), dlg->FindWindow(IDC_NEW)->GetRect().GetTop());
}

TEST_F(MainWindowTest, RowsStandInStartOrderWithTheirSlotsAndTexts) {
    // slot: 0 Wednesday, 1 Sunday 23:59:59, 2 Monday 00:00:00, 3 Wednesday again, 4 Monday 00:00:00 again
    const std::vector<ScheduleEntry> entries = {
        MakeEntry(2 * kDay, 2 * kDay + 3600), MakeEntry(kSundayLast, 0), MakeEntry(0, 60),
        MakeEntry(2 * kDay, 2 * kDay + 60),   MakeEntry(0, 120),
    };
    Fill(entries);
    // Equal starts keep slot order; Monday 00:00:00 on top, Sunday 23:59:59 at the bottom.
    EXPECT_EQ(RowSlots(List()), (std::vector<long>{2, 4, 0, 3, 1}));
    for (long row = 0; row < List()->GetItemCount(); ++row) {
        const auto texts = EntryTexts(entries[List()->GetItemData(row)]);
        EXPECT_EQ(RowTexts(List(), row), std::vector<std::string>(texts.begin(), texts.end())) << row;
    }
    EXPECT_EQ(RowTexts(List(), 0)[0], "00:00:00 on Monday");
    EXPECT_EQ(RowTexts(List(), 4)[0], "23:59:59 on Sunday");
    // The last row added (slot 4) is the selected one, and the only one.
    EXPECT_EQ(dlg->SelectedRow(), 1);
    EXPECT_EQ(List()->GetSelectedItemCount(), 1);
    EXPECT_FALSE(dlg->IsModified());
}

TEST_F(MainWindowTest, AddRowPlacesANewEntryAfterItsEqualsAndSelectsIt) {
    Fill({MakeEntry(kDay, kDay + 60), MakeEntry(0, 60)});
    ScheduleEntry added = MakeEntry(kDay, kDay + 600);
    dlg->Image().SetEntry(2, added);
    dlg->Image().SetEntryCount(3);
    dlg->AddRow(2);
    EXPECT_EQ(RowSlots(List()), (std::vector<long>{1, 0, 2}));
    // One row is selected at a time: the new one.
    EXPECT_EQ(dlg->SelectedRow(), 2);
    EXPECT_EQ(List()->GetSelectedItemCount(), 1);
}

TEST_F(MainWindowTest, ColumnsFitTheirContentsButVideoOutKeepsItsWidth) {
    const int videoOut = List()->GetColumnWidth(8);
    EXPECT_GE(videoOut, dlg->FromDIP(60));
    const int startEmpty = List()->GetColumnWidth(0);
    Fill({MakeEntry(3 * kDay + 12 * 3600, 4 * kDay)});
    EXPECT_GT(List()->GetColumnWidth(0), startEmpty);  // "12:00:00 on Thursday" is wider than "Start"
    EXPECT_GE(List()->GetColumnWidth(0), List()->GetTextExtent("12:00:00 on Thursday").x);
    EXPECT_EQ(List()->GetColumnWidth(8), videoOut);
    // Emptying the list leaves the widths alone.
    const int startFilled = List()->GetColumnWidth(0);
    Fill({});
    EXPECT_EQ(List()->GetItemCount(), 0);
    EXPECT_EQ(List()->GetColumnWidth(0), startFilled);
    EXPECT_EQ(List()->GetColumnWidth(8), videoOut);
}

TEST_F(MainWindowTest, AskDiscardAsksOnlyWhenModified) {
    EXPECT_TRUE(dlg->AskDiscard());  // nothing to lose: no question (an unexpected one fails)
    dlg->SetModified();
    for (bool yes : {false, true}) {
        bool answer = !yes;
        wxTEST_DIALOG(answer = dlg->AskDiscard(), ExpectDiscardCurrent(yes));
        EXPECT_EQ(answer, yes);
        EXPECT_TRUE(dlg->IsModified());
    }
}

TEST_F(MainWindowTest, ClosingUnmodifiedAsksNothingAndCloses) {
    EXPECT_TRUE(dlg->Close());
    EXPECT_FALSE(dlg->IsShown());
}

TEST_F(MainWindowTest, ClosingModifiedAsksAndNoKeepsTheWindowAndSchedule) {
    Fill({MakeEntry(0, 60)});
    dlg->SetModified();
    bool closed = true;
    wxTEST_DIALOG(closed = dlg->Close(), ExpectDiscardCurrent(false));
    EXPECT_FALSE(closed);
    EXPECT_TRUE(dlg->IsShown());
    EXPECT_TRUE(dlg->IsModified());
    EXPECT_EQ(List()->GetItemCount(), 1);
    wxTEST_DIALOG(closed = dlg->Close(), ExpectDiscardCurrent(true));
    EXPECT_TRUE(closed);
    EXPECT_FALSE(dlg->IsShown());
}

TEST_F(MainWindowTest, EnterAndEscapeDoNothing) {
    Fill({MakeEntry(0, 60)});
    dlg->SetModified();
    // Escape is swallowed wherever it is pressed; Enter in the list is too, so that it never
    // reaches the list, whose Enter would edit the row (only a double-click edits). Any
    // dialog shown here fails the test.
    std::vector<wxWindow*> listWindows = {List()};
    for (wxWindow* part : List()->GetChildren()) listWindows.push_back(part);  // rows and header
    for (wxWindow* target : listWindows) {
        for (int key : {WXK_RETURN, WXK_NUMPAD_ENTER, WXK_ESCAPE}) {
            EXPECT_TRUE(PressKey(target, key)) << key << " reached the list";
            EXPECT_TRUE(dlg->IsShown()) << key;
        }
    }
    for (wxWindow* target : {dlg->FindWindow(IDC_NEW), static_cast<wxWindow*>(dlg)}) {
        EXPECT_TRUE(PressKey(target, WXK_ESCAPE));
        PressKey(target, WXK_RETURN);
        EXPECT_TRUE(dlg->IsShown());
    }
    // The dialog's own OK and Cancel commands are empty as well.
    for (int id : {wxID_OK, wxID_CANCEL}) {
        wxCommandEvent command(wxEVT_BUTTON, id);
        dlg->ProcessWindowEvent(command);
        EXPECT_TRUE(dlg->IsShown()) << id;
    }
    EXPECT_TRUE(dlg->IsModified());
    EXPECT_EQ(List()->GetItemCount(), 1);
}

TEST_F(MainWindowTest, F1AndTheAboutMenuCommandShowTheAboutBox) {
    auto checkAbout = [](CAboutDlg* about) { EXPECT_EQ(about->GetTitle(), "About ORVANTIS and SELDORIX Config"); };
    wxTEST_DIALOG(PressKey(List(), WXK_F1), ExpectWindow<CAboutDlg>(wxID_OK, checkAbout));
    wxCommandEvent command(wxEVT_MENU, IDM_ABOUTBOX);
    wxTEST_DIALOG(dlg->ProcessWindowEvent(command), ExpectWindow<CAboutDlg>(wxID_OK, checkAbout));
    EXPECT_TRUE(dlg->IsShown());
}

TEST(AboutMenu, OffersTheAboutEntryUnderTheSystemMenuId) {
    const std::unique_ptr<wxMenu> menu(MakeAboutMenu());
    ASSERT_EQ(menu->GetMenuItemCount(), 1u);
    const wxMenuItem* item = menu->FindItemByPosition(0);
    EXPECT_EQ(item->GetId(), 0x0010);
    EXPECT_EQ(item->GetItemLabel(), "&About Quillon...");
}

TEST(AboutBox, ShowsIconNameVersionAndADefaultOk) {
    CAboutDlg about(nullptr);
    EXPECT_EQ(about.GetTitle(), "About ORVANTIS and SELDORIX Config");
    int texts = 0, bitmaps = 0;
    wxRect iconRect, textRect;
    for (wxWindow* child : about.GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child)) {
            ++texts;
            EXPECT_EQ(text->GetLabel(), "ORVANTIS and SELDORIX Config Version 1.1.0");
            textRect = text->GetRect();
        } else if (auto* bitmap = dynamic_cast<wxStaticBitmap*>(child)) {
            ++bitmaps;
            EXPECT_TRUE(bitmap->GetBitmap().IsOk());
            iconRect = bitmap->GetRect();
        }
    }
    EXPECT_EQ(texts, 1);
    EXPECT_EQ(bitmaps, 1);
    EXPECT_LT(iconRect.GetRight(), textRect.GetLeft());
    auto* ok = dynamic_cast<wxButton*>(about.FindWindow(wxID_OK));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->GetLabelText(), "OK");
    EXPECT_EQ(about.GetDefaultItem(), ok);
    ExpectWindowIcons(about.GetIcons());
    about.Show();
    ExpectCleanLayout(&about);
    ExpectFitsSmallScreen(&about);
    about.Hide();
}

}  // namespace
