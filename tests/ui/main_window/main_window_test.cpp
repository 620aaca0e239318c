// The main window: its start, the schedule list, the modified flag, closing, keys and About.
#include <functional>

#include <wx/button.h>
#include <wx/display.h>
#include <wx/print.h>
#include <wx/printdlg.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "model/entry_texts.h"
#include "ui/dialogs/about_access.h"
#include "ui/dialogs/about_dlg.h"
#include "ui/main_window/command_menu.h"
#include "ui/dialogs/copy_to_days_dlg.h"
#include "ui/dialogs/schedule_item_dlg.h"
#include "ui/printing/schedule_printout.h"
#include "ui/week_strip/week_strip.h"
#include "ui/common/ids.h"
#include "ui/common/version.h"
#include "ui_test_support.h"

#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>
#endif

namespace {
using namespace uitest;

constexpr WeekTime kSundayLast = kSecondsPerWeek - 1;  // Sunday 23:59:59

class MainWindowTest : public ConfigDlgTest {
protected:
    // GTK gives columns their new widths when it next lays the table out.
    void SettleList() {
        for (int i = 0; i < 5; ++i) {
            wxYield();
            wxMilliSleep(5);
        }
    }
};

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
    EXPECT_EQ(uitest::ListRowCount(List()), 0);
    EXPECT_EQ(DocumentRow(), -1);
    EXPECT_FALSE(dlg->Document().IsModified());
    EXPECT_EQ(dlg->Document().Image().EntryCount(), 0u);
    ASSERT_EQ(List()->GetColumnCount(), static_cast<unsigned>(kListColumns));
    for (unsigned col = 0; col < kListColumns; ++col) {
        EXPECT_EQ(List()->GetColumn(col)->GetTitle(), kColumnTitles[kAllColumns[col]]);
        EXPECT_EQ(List()->GetColumn(col)->GetAlignment(), wxALIGN_LEFT);
    }
    EXPECT_FALSE(List()->HasFlag(wxDV_MULTIPLE));
    ExpectWindowIcons(dlg->GetIcons());
}

TEST_F(MainWindowTest, ButtonsCarryTheirCaptionsInTabOrder) {
    const std::vector<std::pair<int, const char*>> expected = {
        {IDC_LOAD_FROM_CARD, "Load From Card"}, {IDC_LOAD_FROM_FILE, "Load From File"},
        {IDC_SAVE, "Save"},
        {IDC_SAVE_TO_CARD, "Save To Card"},     {IDC_SAVE_TO_FILE, "Save To File"},
        {IDC_COPY_TO_CARDS, "Copy To Cards..."},
        {IDC_SCHEDULE_LIST, nullptr},            {IDC_NEW, "New"},
        {IDC_COPY, "Copy"},                      {IDC_COPY_TO_DAYS, "Copy To Days..."},
        {IDC_EDIT, "Edit"},
        {IDC_DELETE, "Delete"},                  {IDC_DELETE_ALL, "Delete All"},
        {IDC_WEEK_STRIP, nullptr},
    };
    // Controls stand in their group boxes; the tab order walks the boxes, then their controls.
    std::vector<int> tabOrder;
    std::function<void(wxWindow*)> walk = [&](wxWindow* parent) {
        for (wxWindow* child : parent->GetChildren()) {
            if (child->GetId() >= 1000) tabOrder.push_back(child->GetId());
            if (dynamic_cast<wxStaticBox*>(child)) walk(child);
        }
    };
    walk(dlg);
    std::vector<int> expectedOrder;
    for (const auto& [id, caption] : expected) {
        expectedOrder.push_back(id);
        wxWindow* control = dlg->FindWindow(id);
        ASSERT_NE(control, nullptr) << id;
        if (caption) {
            // Each caption carries a mnemonic of its own, shown as the plain caption.
            EXPECT_EQ(wxControl::RemoveMnemonics(control->GetLabel()), caption);
            EXPECT_EQ(control->GetLabel().Freq('&'), 1) << caption;
        }
    }
    EXPECT_EQ(tabOrder, expectedOrder);
}

TEST_F(MainWindowTest, FitsASmallScreenAtItsSmallestAndGivesTheListTheRoomWhenMaximised) {
    // At its smallest, every control shows whole on a 1024x600 screen, title bar included.
    const wxSize smallest = dlg->GetMinSize();
    EXPECT_LE(smallest.x, 1024 - 16);
    EXPECT_LE(smallest.y, 600 - 48);
    dlg->SetSize(smallest);
    dlg->Layout();
    ExpectCleanLayout(dlg);
    const wxSize listSmall = List()->GetSize();
    const wxSize stripSmall = dlg->WeekStrip()->GetSize();
    // Maximised, the list takes the extra height and width, the week strip the extra width.
    // Without a window manager (the test display has none) nothing maximises a window, so
    // the test then gives it the whole screen itself.
    EXPECT_TRUE(dlg->HasFlag(wxMAXIMIZE_BOX));
    EXPECT_TRUE(dlg->HasFlag(wxRESIZE_BORDER));
    dlg->Maximize();
    for (int i = 0; i < 20 && !dlg->IsMaximized(); ++i) {
        wxYield();
        wxMilliSleep(10);
    }
    if (dlg->GetSize() == smallest) dlg->SetSize(wxDisplay(0u).GetClientArea().GetSize());
    dlg->Layout();
    EXPECT_GT(List()->GetSize().x, listSmall.x);
    EXPECT_GT(List()->GetSize().y, listSmall.y);
    EXPECT_GT(dlg->WeekStrip()->GetSize().x, stripSmall.x);
    EXPECT_EQ(dlg->WeekStrip()->GetSize().y, stripSmall.y);
    ExpectCleanLayout(dlg);
}

TEST_F(MainWindowTest, OpensWideEnoughForEveryColumnOfAFullSchedule) {
    // The test display is wider than 1366 pixels: all nine columns show without scrolling.
    Fill(EntriesEvery(256, 2 * kDay, 60, 30));
    int columns = 0;
    for (unsigned col = 0; col < List()->GetColumnCount(); ++col) columns += List()->GetColumn(col)->GetWidth();
    EXPECT_LE(columns, List()->GetClientSize().x);
}

TEST_F(MainWindowTest, RowsStandInStartOrderWithTheirSlotsAndTexts) {
    // slot: 0 Wednesday, 1 Sunday 23:59:59, 2 Monday 00:00:00, 3 Wednesday again, 4 Monday 00:00:00 again
    const std::vector<ScheduleEntry> entries = {
        DefaultEntry(2 * kDay, 2 * kDay + kHour), DefaultEntry(kSundayLast, 0), DefaultEntry(0, 60),
        DefaultEntry(2 * kDay, 2 * kDay + 60),   DefaultEntry(0, 120),
    };
    Fill(entries);
    // Equal starts keep slot order; Monday 00:00:00 on top, Sunday 23:59:59 at the bottom.
    EXPECT_EQ(RowSlots(dlg), (std::vector<long>{2, 4, 0, 3, 1}));
    for (long row = 0; row < uitest::ListRowCount(List()); ++row) {
        const auto texts = EntryTexts(entries[SlotOfRow(row)]);
        EXPECT_EQ(RowTexts(List(), row), std::vector<std::string>(texts.values.begin(), texts.values.end())) << row;
    }
    EXPECT_EQ(RowTexts(List(), 0)[0], "00:00:00 on Monday");
    EXPECT_EQ(RowTexts(List(), 4)[0], "23:59:59 on Sunday");
    // The last row added (slot 4) is the selected one, and the only one.
    EXPECT_EQ(DocumentRow(), 1);
    EXPECT_EQ(uitest::ListSelection(List()), 1);
    EXPECT_FALSE(dlg->Document().IsModified());
}

TEST_F(MainWindowTest, TheListAndTheStripFollowTheDocumentAndEachOther) {
    Fill(EntriesAt({kDay, 0}, 60));
    EntryForm form = FormFromEntry(DefaultEntry(kDay + 120, kDay + 600));
    ASSERT_TRUE(dlg->Document().Add(form).Done());
    EXPECT_EQ(RowSlots(dlg), (std::vector<long>{1, 0, 2}));
    EXPECT_EQ(RowTexts(List(), 2)[1], "00:10:00 on Tuesday");
    // One row is selected at a time, the new one, and the strip outlines the same entry.
    EXPECT_EQ(uitest::ListSelection(List()), 2);
    EXPECT_EQ(dlg->WeekStrip()->SelectedSlot(), 2);
    // The operator picks a row in the list: the strip follows.
    List()->Select(uitest::ListItem(List(), 0));
    wxDataViewEvent picked(wxEVT_DATAVIEW_SELECTION_CHANGED, List(), uitest::ListItem(List(), 0));
    List()->ProcessWindowEvent(picked);
    EXPECT_EQ(dlg->WeekStrip()->SelectedSlot(), 1);
    // And the arrow keys on the strip move the list's selection.
    wxKeyEvent down(wxEVT_KEY_DOWN);
    down.m_keyCode = WXK_DOWN;
    dlg->WeekStrip()->ProcessWindowEvent(down);
    EXPECT_EQ(uitest::ListSelection(List()), 1);
    EXPECT_EQ(dlg->WeekStrip()->SelectedSlot(), 0);
#ifdef __WXMSW__
    // Tab and Shift+Tab pass the focus on from the strip (Windows hands the strip its Tab).
    std::vector<bool> forwards;
    dlg->WeekStrip()->GetParent()->Bind(wxEVT_NAVIGATION_KEY,
                                        [&](wxNavigationKeyEvent& nav) { forwards.push_back(nav.GetDirection()); });
    for (const bool shift : {false, true}) {
        wxKeyEvent tab(wxEVT_KEY_DOWN);
        tab.m_keyCode = WXK_TAB;
        tab.SetShiftDown(shift);
        dlg->WeekStrip()->ProcessWindowEvent(tab);
    }
    EXPECT_EQ(forwards, (std::vector<bool>{true, false}));
#endif
}

TEST_F(MainWindowTest, ColumnsFitTheirContentsButVideoOutKeepsItsWidth) {
    auto width = [this](unsigned col) { return List()->GetColumn(col)->GetWidth(); };
    const int videoOut = width(8);
    EXPECT_GE(videoOut, dlg->FromDIP(60));
    const int startEmpty = width(0);
    EXPECT_GE(startEmpty, List()->GetTextExtent("Start").x);
    Fill({DefaultEntry(3 * kDay + 12 * kHour, 4 * kDay)});
    SettleList();
    EXPECT_GT(width(0), startEmpty);  // "12:00:00 on Thursday" is wider than "Start"
    EXPECT_GE(width(0), List()->GetTextExtent("12:00:00 on Thursday").x);
    EXPECT_GE(width(3), List()->GetTextExtent("NTSC IPS").x);  // the title is wider than "30.0"
    // "Video Out" is never fitted to its contents; as the last column it takes the room
    // the others leave.
    EXPECT_GE(width(8), List()->GetTextExtent("Video Out").x);
    // An empty load leaves the widths alone; Delete All fits them to the titles again.
    const int startFilled = width(0);
    Fill({});
    SettleList();
    EXPECT_EQ(uitest::ListRowCount(List()), 0);
    EXPECT_EQ(width(0), startFilled);
    Fill({DefaultEntry(3 * kDay + 12 * kHour, 4 * kDay)});
    wxTEST_DIALOG(Click(IDC_DELETE_ALL), ExpectQuestion(kMsgDeleteAll, kTitleConfirmDelete, true));
    SettleList();
    EXPECT_EQ(width(0), startEmpty);
}

TEST_F(MainWindowTest, LoadingAsksToDiscardOnlyWhenModified) {
    // Nothing to lose: the chooser opens without a question (an unexpected one fails).
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectFileDialog("", false));
    dlg->Document().SetModified();
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectDiscardCurrent(false));
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectDiscardCurrent(true), ExpectFileDialog("", false));
    EXPECT_TRUE(dlg->Document().IsModified());  // cancelled: nothing was loaded
}

TEST_F(MainWindowTest, CommandsOnTheSelectedEntryAreGreyedWithoutOne) {
    auto enabled = [&] {
        std::string states;
        for (int id : {IDC_NEW, IDC_COPY, IDC_COPY_TO_DAYS, IDC_EDIT, IDC_DELETE, IDC_DELETE_ALL})
            states += dlg->FindWindow(id)->IsEnabled() ? '+' : '-';
        return states;
    };
    EXPECT_EQ(enabled(), "++---+");
    Fill({DefaultEntry(0, 60)});  // a load selects its last entry
    EXPECT_EQ(enabled(), "++++++");
    dlg->Document().SelectSlot(std::nullopt);
    EXPECT_EQ(enabled(), "++---+");
}

TEST_F(MainWindowTest, TheDeleteKeyOnTheTableOrTheStripDeletesAfterItsQuestion) {
    Fill({DefaultEntry(0, 60), DefaultEntry(3600, 7200)});
    wxTEST_DIALOG(PressKey(List(), WXK_DELETE), ExpectQuestion(kMsgDeleteItem, kTitleConfirmDelete, false));
    EXPECT_EQ(dlg->Document().EntryCount(), 2u);
    wxTEST_DIALOG(PressKey(dlg->WeekStrip(), WXK_DELETE), ExpectQuestion(kMsgDeleteItem, kTitleConfirmDelete, true));
    EXPECT_EQ(dlg->Document().EntryCount(), 1u);
    EXPECT_FALSE(PressKey(dlg->FindWindow(IDC_NEW), WXK_DELETE));  // elsewhere Delete is left alone
}

TEST_F(MainWindowTest, ClosingUnmodifiedAsksNothingAndCloses) {
    EXPECT_TRUE(dlg->Close());
    EXPECT_FALSE(dlg->IsShown());
}

TEST_F(MainWindowTest, ClosingModifiedAsksAndNoKeepsTheWindowAndSchedule) {
    Fill({DefaultEntry(0, 60)});
    dlg->Document().SetModified();
    bool closed = true;
    wxTEST_DIALOG(closed = dlg->Close(), ExpectDiscardCurrent(false));
    EXPECT_FALSE(closed);
    EXPECT_TRUE(dlg->IsShown());
    EXPECT_TRUE(dlg->Document().IsModified());
    EXPECT_EQ(uitest::ListRowCount(List()), 1);
    wxTEST_DIALOG(closed = dlg->Close(), ExpectDiscardCurrent(true));
    EXPECT_TRUE(closed);
    EXPECT_FALSE(dlg->IsShown());
}

TEST_F(MainWindowTest, EnterAndEscapeDoNothing) {
    Fill({DefaultEntry(0, 60)});
    dlg->Document().SetModified();
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
    EXPECT_TRUE(dlg->Document().IsModified());
    EXPECT_EQ(uitest::ListRowCount(List()), 1);
}

TEST_F(MainWindowTest, F1AndTheAboutMenuCommandShowTheAboutBox) {
    auto checkAbout = [](CAboutDlg* about) {
        EXPECT_EQ(about->GetTitle(), "About ORVANTIS and SELDORIX Config");
    };
    wxTEST_DIALOG(PressKey(List(), WXK_F1), ExpectWindow<CAboutDlg>(wxID_OK, checkAbout));
    wxCommandEvent command(wxEVT_MENU, IDM_ABOUTBOX);
    wxTEST_DIALOG(dlg->ProcessWindowEvent(command), ExpectWindow<CAboutDlg>(wxID_OK, checkAbout));
    EXPECT_TRUE(dlg->IsShown());
}

// Ctrl+P, from anywhere in the window, opens the system's print dialog; cancelling it prints
// nothing and says nothing. Print Preview shows the pages in a window modal to the editor.
TEST_F(MainWindowTest, CtrlPOpensThePrintDialogAndPrintPreviewItsWindow) {
    Fill(EntriesAt({0, kDay}, 60));
    for (wxWindow* target : {static_cast<wxWindow*>(List()), static_cast<wxWindow*>(dlg->WeekStrip())}) {
        wxKeyEvent key(wxEVT_CHAR_HOOK);
        key.m_keyCode = 'P';
        key.SetControlDown(true);
        key.SetEventObject(target);
        wxTEST_DIALOG(EXPECT_TRUE(target->ProcessWindowEvent(key)), ExpectWindow<wxPrintDialogBase>(wxID_CANCEL));
    }

    wxCommandEvent preview(wxEVT_MENU, wxID_PREVIEW);
    // Windows lays the preview out for the default printer: without one (as under Wine) the
    // command says it cannot show the pages.
    if (!wxPrintPreview(new CSchedulePrintout(dlg->Document(), *dlg->WeekStrip(), "")).IsOk()) {
        wxTEST_DIALOG(dlg->ProcessWindowEvent(preview), ExpectError(kMsgPreviewFailed));
        return;
    }
    dlg->ProcessWindowEvent(preview);
    wxPreviewFrame* frame = nullptr;
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* found = dynamic_cast<wxPreviewFrame*>(window)) frame = found;
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetTitle(), "Print Preview");
    EXPECT_EQ(frame->GetParent(), dlg);
    EXPECT_FALSE(dlg->IsEnabled());  // nothing changes the schedule while its pages show
    frame->Close();
    EXPECT_TRUE(dlg->IsEnabled());
}

#ifdef __WXMSW__
// The window's system menu carries the About entry, and choosing it (WM_SYSCOMMAND, with
// the low bits Windows may set) opens the About box.
TEST_F(MainWindowTest, TheSystemMenuOffersAboutAndItsCommandShowsTheAboutBox) {
    const HWND hwnd = static_cast<HWND>(dlg->GetHWND());
    const HMENU menu = ::GetSystemMenu(hwnd, FALSE);
    ASSERT_NE(menu, nullptr);
    wchar_t text[64] = {};
    ASSERT_GT(::GetMenuStringW(menu, 0x0010, text, 64, MF_BYCOMMAND), 0);
    EXPECT_EQ(wxString(text), "&About Quillon...");
    // The box names the program as the title does and states its version, copyright and licence.
    auto checkAbout = [](CAboutDlg* about) {
        EXPECT_EQ(about->GetTitle(), "About ORVANTIS and SELDORIX Config");
        wxString shown;
        for (wxWindow* child : about->GetChildren())
            if (auto* text = dynamic_cast<wxStaticText*>(child)) shown += text->GetLabel() + "\n";
        for (const wxString& line : {wxString("ORVANTIS and SELDORIX Configuration"), "Version " + wxString(kProgramVersion),
                                     wxString::FromUTF8("Copyright \u00a9 2026 the dvr-config developers"),
                                     wxString("Free software under the MIT License, with no warranty")})
            EXPECT_TRUE(shown.Contains(line + "\n")) << line << " in " << shown;
    };
    for (const WPARAM command : {WPARAM{0x0010}, WPARAM{0x0013}})
        wxTEST_DIALOG(::SendMessageW(hwnd, WM_SYSCOMMAND, command, 0), ExpectWindow<CAboutDlg>(wxID_OK, checkAbout));
    EXPECT_TRUE(dlg->IsShown());
}
#endif

// Alt and a button's letter press it from anywhere in the window, across the group boxes
// (Windows itself looks only inside the box that holds the focus); disabled buttons stay out.
TEST_F(MainWindowTest, AltAndAButtonsLetterPressItFromAnotherGroup) {
    wxWindow* loadFromCard = dlg->FindWindow(IDC_LOAD_FROM_CARD);
    loadFromCard->SetFocus();
    wxWindow* newButton = dlg->FindWindow(IDC_NEW);
    newButton->Disable();
    EXPECT_FALSE(PressKey(loadFromCard, 'N', /*alt=*/true));
    newButton->Enable();
    EXPECT_FALSE(PressKey(loadFromCard, 'N'));  // no Alt
    ASSERT_TRUE(PressKey(loadFromCard, 'N', /*alt=*/true));
    wxTEST_DIALOG(wxTheApp->ProcessPendingEvents(), ExpectWindow<CScheduleItemDlg>(wxID_CANCEL));

    CCopyToDaysDlg days(dlg, 3);
    ASSERT_TRUE(PressKey(days.FindWindow(wxID_OK), 'N', /*alt=*/true));  // "Weeke&nd"
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(days.ChosenDays(), (std::vector<int>{6, 7}));
}

TEST(CommandMenu, OffersWhatCanBeDoneWithItsKeysAndGreysTheRest) {
    ConfigDocument document;
    const std::vector<std::pair<int, const char*>> items = {
        {IDC_NEW, "&New...\tAlt+N"},   {IDC_COPY, "&Copy...\tAlt+C"},     {IDC_COPY_TO_DAYS, "Cop&y To Days...\tAlt+Y"},
        {IDC_EDIT, "&Edit...\tAlt+E"}, {IDC_DELETE, "&Delete\tDel"},      {wxID_UNDO, "&Undo\tCtrl+Z"},
        {wxID_REDO, "&Redo\tCtrl+Y"},  {IDC_COPY_TO_CARDS, "C&opy To Cards...\tAlt+O"}, {wxID_PREVIEW, "Print Pre&view..."}, {wxID_PRINT, "&Print...\tCtrl+P"},
        {IDM_ABOUTBOX, "&About Quillon...\tF1"}};
    auto enabled = [&](const wxMenu& menu) {
        std::string states;
        for (const auto& [id, label] : items) {
            const wxMenuItem* item = menu.FindItem(id);
            EXPECT_TRUE(item && item->GetItemLabel() == label) << label;
            states += item && item->IsEnabled() ? '+' : '-';
        }
        return states;
    };
    // New, Copy To Cards, printing and About only
    EXPECT_EQ(enabled(*MakeCommandMenu(document)), "+------" "++++");
    ASSERT_TRUE(document.Add(NewEntryForm()).Done());
    EXPECT_EQ(enabled(*MakeCommandMenu(document)), "+++++" "+-" "++++");
    document.Undo();
    EXPECT_EQ(enabled(*MakeCommandMenu(document)), "+----" "-+" "++++");
}

// The box names the program as the main window's title does, then its version, copyright and licence.
TEST(AboutBox, ShowsIconNameVersionAndADefaultOk) {
    CAboutDlg about(nullptr);
    EXPECT_EQ(about.GetTitle(), "About ORVANTIS and SELDORIX Config");
    const wxString lines[] = {"ORVANTIS and SELDORIX Configuration", wxString("Version ") + kProgramVersion,
                              wxString::FromUTF8("Copyright \u00a9 2026 the dvr-config developers"),
                              "Free software under the MIT License, with no warranty"};
    std::size_t texts = 0, bitmaps = 0;
    wxRect iconRect, textRect;
    for (wxWindow* child : about.GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child)) {
            if (texts < std::size(lines)) {
                EXPECT_EQ(text->GetLabel(), lines[texts]);
            }
            ++texts;
            textRect = text->GetRect();
        } else if (auto* bitmap = dynamic_cast<wxStaticBitmap*>(child)) {
            ++bitmaps;
            EXPECT_TRUE(bitmap->GetBitmap().IsOk());
            iconRect = bitmap->GetRect();
        }
    }
    EXPECT_EQ(texts, std::size(lines));
    EXPECT_EQ(bitmaps, 1u);
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
