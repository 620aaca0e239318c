// Where the four dialogs open: centred on their parent (through CDialogBase), and on GTK with
// the focus on the control each one chooses.
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <tuple>
#include <utility>

#include <wx/button.h>
#include <wx/frame.h>

#include "tests/ui/card_test_support.h"
#include "ui/dialogs/about_dlg.h"
#include "ui/dialogs/copy_to_days_dlg.h"
#include "ui/common/ids.h"
#include "ui/dialogs/schedule_item_dlg.h"

namespace {
using namespace std::chrono_literals;

TEST(DialogBase, DialogsOpenCentredOnTheirParentWithTheFocusWhereTheyPutIt) {
    card_test::MediaFolder media;
    // Each dialog, and the control it gives the focus to (wxID_NONE: the platform's choice).
    const std::pair<std::function<wxDialog*(wxWindow*)>, int> dialogs[] = {
        {[](wxWindow* p) { return new CAboutDlg(p); }, wxID_NONE},
        {[](wxWindow* p) { return new CCopyToDaysDlg(p, 3); }, wxID_NONE},
        {[](wxWindow* p) { return new CScheduleItemDlg(p); }, IDC_START_DAY},
        {[&](wxWindow* p) { return new CSelectCardDlg(p, media.Locator()); }, IDC_CARD_LIST},
    };
    // A parent away from the screen's centre, so that centring on the screen would show.
    wxFrame parent(nullptr, wxID_ANY, "parent", wxPoint(40, 30), wxSize(900, 700));
    const wxPoint parentCentre = parent.GetPosition() + parent.GetSize() / 2;
    for (const auto& [make, focus] : dialogs) {
        const std::unique_ptr<wxDialog> dialog(make(&parent));
        SCOPED_TRACE(dialog->GetTitle().utf8_string());
        const wxPoint centre = dialog->GetPosition() + dialog->GetSize() / 2;
        EXPECT_LE(std::abs(centre.x - parentCentre.x), 1) << "centred across the parent";
        EXPECT_LE(std::abs(centre.y - parentCentre.y), 1) << "centred down the parent";
#ifdef __WXGTK__
        // On Windows the focus follows the dialog's activation, which a dialog shown here
        // without its modal loop is not sure to get; the Windows session checks the select card list.
        if (focus == wxID_NONE) continue;
        dialog->Show();  // runs the dialog's initialisation as ShowModal does
        auto focused = [&dialog, id = focus] { return wxWindow::FindFocus() == dialog->FindWindow(id); };
        EXPECT_TRUE(card_test::WaitFor(focused, 2s)) << "focus on " << focus;
        dialog->Hide();
#endif
    }
}

// Enter presses the default button from every kind of control but a button, which presses
// itself; Escape presses Cancel from all of them.
TEST(DialogKeys, EnterPressesOkFromEveryControlButAButtonAndEscapeCancels) {
    CScheduleItemDlg item(nullptr);
    CCopyToDaysDlg days(nullptr, 3);
    int ok = 0, cancel = 0;  // clicks, which do nothing else meanwhile
    for (wxDialog* dialog : std::initializer_list<wxDialog*>{&item, &days}) {
        dialog->Bind(wxEVT_BUTTON, [&ok](wxCommandEvent&) { ++ok; }, wxID_OK);
        dialog->Bind(wxEVT_BUTTON, [&cancel](wxCommandEvent&) { ++cancel; }, wxID_CANCEL);
    }
    const std::tuple<wxDialog*, int, bool> cases[] = {  // dialog, control, whether Enter presses OK
        {&item, IDC_START_TIME, true}, {&item, IDC_START_DAY, true}, {&item, IDC_RATE_SLIDER, true},
        {&item, IDC_DURATION, true},   {&item, IDC_FIELD, true},     {&item, IDC_VIDEO_OUT, true},
        {&item, wxID_CANCEL, false},   {&days, CCopyToDaysDlg::ID_WEEKEND, false}};
    for (const auto& [dialog, id, pressesOk] : cases) {
        ok = cancel = 0;
        wxWindow* control = dialog->FindWindow(id);
        wxWindow* target = control->GetChildren().empty() ? control : control->GetChildren().front();  // a picker's text
        for (int key : {WXK_RETURN, WXK_NUMPAD_ENTER, WXK_ESCAPE}) uitest::PressKey(target, key);
        wxTheApp->ProcessPendingEvents();
        EXPECT_EQ(ok, pressesOk ? 2 : 0) << id;
        EXPECT_EQ(cancel, 1) << id;
    }
}

// A translated caption may underline a letter beyond ASCII; its key brings no key code of its
// own, only the character, and Alt with it still presses the button.
TEST(DialogKeys, AltAndALetterBeyondAsciiPressesTheButtonThatCarriesIt) {
    CCopyToDaysDlg days(nullptr, 3);
    auto* change = new wxButton(&days, wxID_APPLY, wxString::FromUTF8("Ä&Übernehmen"));
    int clicks = 0;
    days.Bind(wxEVT_BUTTON, [&clicks](wxCommandEvent&) { ++clicks; }, wxID_APPLY);
    const std::tuple<wxChar, bool, int> cases[] = {  // character typed, Alt, clicks
        {0xDC, true, 1}, {0xC4, true, 0}, {0xDC, false, 0}};
    for (const auto& [typed, alt, expected] : cases) {
        clicks = 0;
        wxKeyEvent event(wxEVT_CHAR_HOOK);
        event.m_keyCode = WXK_NONE;
        event.m_uniChar = typed;
        event.SetAltDown(alt);
        event.SetEventObject(change);
        change->ProcessWindowEvent(event);
        wxTheApp->ProcessPendingEvents();
        EXPECT_EQ(clicks, expected) << int(typed) << " alt " << alt;
    }
}

}  // namespace
