// The schedule item dialog run on real controls: its opening, the live texts, OK and the
// comparison behind Cancel, time pickers in many time zones, and its layout.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timectrl.h>

#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>
#endif
#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include "model/entry_form.h"
#include "ui/common/messages.h"
#include "model/rate_table.h"
#include "ui/common/accessibility.h"
#include "ui/common/ids.h"
#include "ui/dialogs/schedule_item_dlg.h"
#include "ui_test_support.h"

namespace {
using namespace uitest;

std::string Str(const wxString& s) { return s.utf8_string(); }

std::string Clock(const TimeOfDay& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}

// The dialog as its command opens it: constructed, form filled, then initialised through
// wxEVT_INIT_DIALOG as showing it would do.
class ScheduleItemDlgTest : public ::testing::Test {
public:
    void TearDown() override { delete dlg; }

    void Open(EntryForm form) {  // a copy: form may belong to the dialog being replaced
        delete dlg;
        dlg = new CScheduleItemDlg(nullptr);
        dlg->form = form;
        dlg->InitDialog();
    }

    template <class T>
    T* Ctrl(int id) const {
        T* control = dynamic_cast<T*>(dlg->FindWindow(id));
        EXPECT_NE(control, nullptr) << "control " << id;
        return control;
    }
    wxChoice* StartDay() const { return Ctrl<wxChoice>(IDC_START_DAY); }
    wxChoice* StopDay() const { return Ctrl<wxChoice>(IDC_STOP_DAY); }
    wxTimePickerCtrl* StartTime() const { return Ctrl<wxTimePickerCtrl>(IDC_START_TIME); }
    wxTimePickerCtrl* StopTime() const { return Ctrl<wxTimePickerCtrl>(IDC_STOP_TIME); }
    wxSlider* Rate() const { return Ctrl<wxSlider>(IDC_RATE_SLIDER); }
    wxSlider* Size() const { return Ctrl<wxSlider>(IDC_SIZE_SLIDER); }
    std::string Text(int id) const { return Str(Ctrl<wxTextCtrl>(id)->GetValue()); }
    wxTextCtrl* Duration() const { return Ctrl<wxTextCtrl>(IDC_DURATION); }
    wxChoice* Trigger() const { return Ctrl<wxChoice>(IDC_TRIGGER); }

    // The text the picker shows, and what it holds.
#ifdef __WXMSW__
    // The native picker draws its text itself and gives it as its window text.
    static HWND Native(wxTimePickerCtrl* picker) { return static_cast<HWND>(picker->GetHWND()); }
    static std::string Shown(wxTimePickerCtrl* picker) {
        wchar_t text[64] = {};
        ::GetWindowTextW(Native(picker), text, 64);
        return wxString(text).utf8_string();
    }
#else
    static wxTextCtrl* PickerText(wxTimePickerCtrl* picker) {
        for (wxWindow* child : picker->GetChildren())
            if (auto* text = dynamic_cast<wxTextCtrl*>(child)) return text;
        ADD_FAILURE() << "time picker without a text part";
        return nullptr;
    }
    static std::string Shown(wxTimePickerCtrl* picker) { return Str(PickerText(picker)->GetValue()); }
#endif
    static TimeOfDay Held(wxTimePickerCtrl* picker) {
        int h = -1, m = -1, s = -1;
        picker->GetTime(&h, &m, &s);
        return TimeOfDay{h, m, s};
    }
    // A key pressed in the picker as the operator presses it. The native picker of Windows
    // is typed into by Windows itself; under Wine messages sent to it do not act as keys.
#ifndef __WXMSW__
    static void PickerKey(wxTimePickerCtrl* picker, int key) {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = key;
        wxTextCtrl* text = PickerText(picker);
        event.SetEventObject(text);
        text->ProcessWindowEvent(event);
    }
#endif

    // The focus leaves the duration edit.
    void LeaveDuration() {
        wxFocusEvent left(wxEVT_KILL_FOCUS, IDC_DURATION);
        left.SetEventObject(Duration());
        Duration()->ProcessWindowEvent(left);
    }

    // A slider moved, with the notification a move of that kind sends.
    void Scroll(wxSlider* slider, int value, wxEventType type = wxEVT_SCROLL_THUMBTRACK) {
        slider->SetValue(value);
        wxScrollEvent event(type, slider->GetId(), value, wxHORIZONTAL);
        event.SetEventObject(slider);
        slider->ProcessWindowEvent(event);
    }
    void ChooseTrigger(int index) {
        Trigger()->SetSelection(index);
        wxCommandEvent event(wxEVT_CHOICE, IDC_TRIGGER);
        event.SetInt(index);
        event.SetEventObject(Trigger());
        Trigger()->ProcessWindowEvent(event);
    }

    // OK and Cancel pressed; the result the dialog closed with, 0 while it stays open.
    int PressOk() {
        dlg->SetReturnCode(0);
        Click(dlg, wxID_OK);
        return dlg->GetReturnCode();
    }
    int PressCancel() {
        dlg->SetReturnCode(0);
        Click(dlg, wxID_CANCEL);
        return dlg->GetReturnCode();
    }
    static ExpectMessage ExpectDiscardChanges(bool yes) {
        // No is the default answer: Enter keeps the operator's values.
        return ExpectMessage(kMsgDiscardChanges, kTitleConfirmCancel, wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION,
                             yes ? wxID_YES : wxID_NO);
    }

    CScheduleItemDlg* dlg = nullptr;
};

// A form differing from a new entry's in every field the operator sets.
EntryForm SampleForm() {
    return {.startTime = {8, 15, 30}, .stopTime = {17, 45, 5}, .startDay = 3, .stopDay = 5, .rateCode = 24,
            .sizeKB = 20, .frame = true, .trigger = 6, .duration = 120, .videoOut = false};
}

TEST_F(ScheduleItemDlgTest, OpensOnTheDefaultsOfANewEntry) {
    Open(NewEntryForm());
    EXPECT_EQ(Str(dlg->GetTitle()), "Schedule Item");
    EXPECT_EQ(Str(StartDay()->GetStringSelection()), "Monday");
    EXPECT_EQ(Str(StopDay()->GetStringSelection()), "Monday");
    EXPECT_EQ(Shown(StartTime()), "00:00:00");
    EXPECT_EQ(Shown(StopTime()), "00:00:00");
    EXPECT_EQ(Rate()->GetValue(), 0);
    EXPECT_EQ(dlg->form.ratePosition, 0);
    EXPECT_EQ(Text(IDC_PAL_TEXT), "25.0");
    EXPECT_EQ(Text(IDC_NTSC_TEXT), "30.0");
    EXPECT_EQ(Size()->GetValue(), 32);
    EXPECT_EQ(Text(IDC_SIZE_TEXT), "32kB");
    EXPECT_TRUE(Ctrl<wxRadioButton>(IDC_FIELD)->GetValue());
    EXPECT_FALSE(Ctrl<wxRadioButton>(IDC_FRAME)->GetValue());
    EXPECT_EQ(Str(Trigger()->GetStringSelection()), "Continuous");
    EXPECT_EQ(Text(IDC_DURATION), "10");
    EXPECT_FALSE(Duration()->IsEnabled());
    EXPECT_FALSE(Ctrl<wxStaticText>(IDC_SECONDS)->IsEnabled());
    EXPECT_TRUE(Ctrl<wxCheckBox>(IDC_VIDEO_OUT)->GetValue());
    // Nothing touched: Cancel closes without asking.
    EXPECT_EQ(PressCancel(), wxID_CANCEL);
}

TEST_F(ScheduleItemDlgTest, ListsHoldTheWeekdaysAndTheOfferedTriggersInOrder) {
    Open(NewEntryForm());
    const std::vector<std::string> days = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                           "Friday", "Saturday", "Sunday"};
    const std::vector<std::string> triggers = {"Continuous",       "Alarm 1 Edge NO",  "Alarm 1 Edge NC",
                                               "Alarm 1 Level NO", "Alarm 1 Level NC", "Alarm 2 Edge NO",
                                               "Alarm 2 Edge NC",  "Alarm 2 Level NO", "Alarm 2 Level NC"};
    auto strings = [](wxChoice* list) {
        std::vector<std::string> all;
        for (const wxString& s : list->GetStrings()) all.push_back(Str(s));
        return all;
    };
    EXPECT_EQ(strings(StartDay()), days);
    EXPECT_EQ(strings(StopDay()), days);
    EXPECT_EQ(strings(Trigger()), triggers);
}

TEST_F(ScheduleItemDlgTest, ControlsStandInTabOrderAndAreNamed) {
    Open(NewEntryForm());
    // Tab order follows the order of the children, group by group; controls without a
    // caption carry a name.
    const struct {
        int id;
        const char* name;
    } expected[] = {
        {IDC_START_DAY, "Start day"},
        {IDC_START_TIME, "Start time"},
        {IDC_STOP_DAY, "Stop day"},
        {IDC_STOP_TIME, "Stop time"},
        {IDC_RATE_SLIDER, "Images Per Second"},
        {IDC_PAL_TEXT, "PAL"},
        {IDC_NTSC_TEXT, "NTSC"},
        {IDC_SIZE_SLIDER, "Image Size"},
        {IDC_SIZE_TEXT, "Image Size in kB"},
        {IDC_FIELD, nullptr},
        {IDC_FRAME, nullptr},
        {IDC_TRIGGER, "Trigger"},
        {IDC_DURATION, "Duration"},
        {IDC_SECONDS, nullptr},
        {IDC_VIDEO_OUT, nullptr},
    };
    std::vector<int> order;
    std::function<void(wxWindow*)> walk = [&](wxWindow* parent) {
        for (wxWindow* child : parent->GetChildren()) {
            if (child->GetId() >= IDC_START_TIME || child->GetId() == wxID_OK || child->GetId() == wxID_CANCEL)
                order.push_back(child->GetId());
            if (dynamic_cast<wxStaticBox*>(child)) walk(child);
        }
    };
    walk(dlg);
    std::vector<int> ids;
    for (const auto& e : expected) ids.push_back(e.id);
    // OK and Cancel come last, in the order the platform shows them.
    ASSERT_EQ(order.size(), ids.size() + 2);
    EXPECT_EQ(std::vector<int>(order.begin(), order.end() - 2), ids);
    EXPECT_EQ(std::set<int>(order.end() - 2, order.end()), (std::set<int>{wxID_OK, wxID_CANCEL}));
    for (const auto& e : expected) {
        if (!e.name) continue;
        EXPECT_EQ(Str(GetAccessibleName(dlg->FindWindow(e.id))), e.name) << e.id;
    }
    EXPECT_EQ(Str(Ctrl<wxRadioButton>(IDC_FIELD)->GetLabelText()), "Field");
    EXPECT_EQ(Str(Ctrl<wxRadioButton>(IDC_FRAME)->GetLabelText()), "Frame");
    EXPECT_EQ(Str(Ctrl<wxCheckBox>(IDC_VIDEO_OUT)->GetLabelText()), "Video Out");
    EXPECT_TRUE(Ctrl<wxTextCtrl>(IDC_PAL_TEXT)->HasFlag(wxTE_READONLY));
    EXPECT_TRUE(Ctrl<wxTextCtrl>(IDC_NTSC_TEXT)->HasFlag(wxTE_READONLY));
    EXPECT_TRUE(Ctrl<wxTextCtrl>(IDC_SIZE_TEXT)->HasFlag(wxTE_READONLY));
    EXPECT_TRUE(Duration()->HasFlag(wxTE_RIGHT));
    EXPECT_EQ(Rate()->GetMin(), 0);
    EXPECT_EQ(Rate()->GetMax(), 14);
    EXPECT_EQ(Size()->GetMin(), 10);
    EXPECT_EQ(Size()->GetMax(), 32);
}

TEST_F(ScheduleItemDlgTest, LayoutClipsAndOverlapsNothingAndFitsASmallScreen) {
    Open(SampleForm());
    dlg->Show();
    ExpectCleanLayout(dlg);
    ExpectFitsSmallScreen(dlg);
    dlg->Hide();
}

// Alt and a caption's letter reach its control from anywhere in the dialog, each letter its
// own; GTK's own mnemonics lead the same way.
TEST_F(ScheduleItemDlgTest, EveryCaptionHasALetterOfItsOwnThatLeadsToItsControl) {
    Open(SampleForm());  // an alarm trigger, so the duration can take the focus
    dlg->Show();
    const std::pair<char, int> cases[] = {
        {'S', IDC_START_DAY}, {'T', IDC_STOP_DAY},    {'I', IDC_RATE_SLIDER}, {'P', IDC_PAL_TEXT},
        {'N', IDC_NTSC_TEXT}, {'Z', IDC_SIZE_SLIDER}, {'R', IDC_TRIGGER},     {'E', IDC_DURATION},
        {'F', IDC_FIELD},     {'M', IDC_FRAME},       {'V', IDC_VIDEO_OUT}};
    wxWindow* ok = dlg->FindWindow(wxID_OK);
    for (const auto& [letter, id] : cases) {
        wxWindow* control = dlg->FindWindow(id);
        ok->SetFocus();
        EXPECT_TRUE(PressKey(ok, letter, /*alt=*/true)) << letter;
        EXPECT_EQ(wxWindow::FindFocus(), control) << letter;
#ifdef __WXGTK__
        if (id == IDC_FIELD || id == IDC_FRAME || id == IDC_VIDEO_OUT) continue;  // captions of their own
        ok->SetFocus();
        auto* window = GTK_WINDOW(dlg->GetHandle());
        EXPECT_TRUE(gtk_window_mnemonic_activate(window, gdk_unicode_to_keyval(wxTolower(letter)), GDK_MOD1_MASK));
        GtkWidget* focus = gtk_window_get_focus(window);
        EXPECT_TRUE(focus == control->GetHandle() || gtk_widget_is_ancestor(focus, control->GetHandle())) << letter;
#endif
    }
    wxTheApp->ProcessPendingEvents();
    EXPECT_TRUE(Ctrl<wxRadioButton>(IDC_FRAME)->GetValue()) << "Alt+M chose it";
    EXPECT_TRUE(Ctrl<wxCheckBox>(IDC_VIDEO_OUT)->GetValue()) << "Alt+V ticked it";
    dlg->Hide();
}

// The line under Start and Stop follows the days and times, a stop before the start included.
TEST_F(ScheduleItemDlgTest, LengthLineFollowsTheDaysAndTimes) {
    Open(SampleForm());  // Wednesday 08:15:30 to Friday 17:45:05
    auto length = [this] { return Str(dlg->LengthLine()->GetLabel()); };
    EXPECT_EQ(length(), "Length: 2 days 9 h 29 min 35 s");
    StopDay()->SetSelection(2);
    wxCommandEvent chosen(wxEVT_CHOICE, IDC_STOP_DAY);
    StopDay()->ProcessWindowEvent(chosen);
    EXPECT_EQ(length(), "Length: 9 h 29 min 35 s");
    for (wxTimePickerCtrl* picker : {StopTime(), StartTime()}) {
        picker->SetValue(PickerValue({8, 0, 0}));
        wxDateEvent changed(picker, picker->GetValue(), wxEVT_TIME_CHANGED);
        picker->ProcessWindowEvent(changed);
    }
    EXPECT_EQ(length(), "Length: 7 days");
}

TEST_F(ScheduleItemDlgTest, RateSliderShowsBothRatesAndOkStoresTheTableCode) {
    const struct {
        int position;
        const char* pal;
        const char* ntsc;
        int rateCode;
    } steps[] = {
        {0, "25.0", "30.0", 0},  {1, "12.5", "15.0", 1}, {2, "8.3", "10.0", 2}, {3, "6.2", "7.5", 3},
        {4, "5.0", "6.0", 4},    {5, "4.1", "5.0", 5},   {6, "3.1", "3.7", 7},  {7, "2.0", "2.5", 11},
        {8, "1.6", "2.0", 14},   {9, "1.0", "1.2", 24},  {10, "0.8", "1.0", 29}, {11, "0.5", "0.6", 49},
        {12, "0.4", "0.5", 59},  {13, "0.2", "0.2", 124}, {14, "0.1", "0.1", 249},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.position);
        Open(NewEntryForm());
        Scroll(Rate(), step.position);
        EXPECT_EQ(Text(IDC_PAL_TEXT), step.pal);
        EXPECT_EQ(Text(IDC_NTSC_TEXT), step.ntsc);
        EXPECT_EQ(PressOk(), wxID_OK);
        EXPECT_EQ(dlg->form.rateCode, step.rateCode);
        // Opened again on what OK stored, the slider stands where it was left.
        Open(dlg->form);
        EXPECT_EQ(Rate()->GetValue(), step.position);
        EXPECT_EQ(Text(IDC_PAL_TEXT), step.pal);
    }
}

TEST_F(ScheduleItemDlgTest, SlidersFollowEveryMoveButTheEndOfScroll) {
    const struct {
        wxEventType type;
        bool shown;
    } kinds[] = {
        {wxEVT_SCROLL_THUMBTRACK, true}, {wxEVT_SCROLL_THUMBRELEASE, true}, {wxEVT_SCROLL_LINEUP, true},
        {wxEVT_SCROLL_LINEDOWN, true},   {wxEVT_SCROLL_PAGEUP, true},       {wxEVT_SCROLL_PAGEDOWN, true},
        {wxEVT_SCROLL_TOP, true},        {wxEVT_SCROLL_BOTTOM, true},       {wxEVT_SCROLL_CHANGED, false},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.type);
        Open(NewEntryForm());
        Scroll(Rate(), 9, kind.type);
        Scroll(Size(), 17, kind.type);
        EXPECT_EQ(Text(IDC_PAL_TEXT), kind.shown ? "1.0" : "25.0");
        EXPECT_EQ(Text(IDC_NTSC_TEXT), kind.shown ? "1.2" : "30.0");
        EXPECT_EQ(Text(IDC_SIZE_TEXT), kind.shown ? "17kB" : "32kB");
    }
    // A move GTK reports only as a new value (the mouse wheel) is shown too.
    Open(NewEntryForm());
    for (wxSlider* slider : {Rate(), Size()}) {
        slider->SetValue(slider == Rate() ? 14 : 10);
        wxCommandEvent changed(wxEVT_SLIDER, slider->GetId());
        changed.SetEventObject(slider);
        slider->ProcessWindowEvent(changed);
    }
    EXPECT_EQ(Text(IDC_PAL_TEXT), "0.1");
    EXPECT_EQ(Text(IDC_NTSC_TEXT), "0.1");
    EXPECT_EQ(Text(IDC_SIZE_TEXT), "10kB");
}

TEST_F(ScheduleItemDlgTest, SizeSliderShowsAndStoresKilobytes) {
    for (int kb = kMinSizeKB; kb <= kMaxSizeKB; ++kb) {
        Open(NewEntryForm());
        Scroll(Size(), kb);
        EXPECT_EQ(Text(IDC_SIZE_TEXT), std::to_string(kb) + "kB");
        EXPECT_EQ(PressOk(), wxID_OK);
        EXPECT_EQ(dlg->form.sizeKB, kb);
    }
}

TEST_F(ScheduleItemDlgTest, OnlyAlarmTriggersEnableTheDuration) {
    Open(NewEntryForm());
    for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 0, 8}) {
        SCOPED_TRACE(code);
        ChooseTrigger(code);
        EXPECT_EQ(Duration()->IsEnabled(), code > 0);
        EXPECT_EQ(Ctrl<wxStaticText>(IDC_SECONDS)->IsEnabled(), code > 0);
    }
    EXPECT_EQ(Str(Trigger()->GetStringSelection()), "Alarm 2 Level NC");
    EXPECT_EQ(PressOk(), wxID_OK);
    EXPECT_EQ(dlg->form.trigger, 8);
}

TEST_F(ScheduleItemDlgTest, OkStoresEveryControl) {
    Open(NewEntryForm());
    StartDay()->SetSelection(2);
    StopDay()->SetSelection(6);
    StartTime()->SetValue(PickerValue({6, 7, 8}));
    StopTime()->SetValue(PickerValue({23, 59, 59}));
    Scroll(Rate(), 11);
    Scroll(Size(), 25);
    Ctrl<wxRadioButton>(IDC_FRAME)->SetValue(true);
    EXPECT_FALSE(Ctrl<wxRadioButton>(IDC_FIELD)->GetValue()) << "Field and Frame are one group";
    ChooseTrigger(4);
    Duration()->ChangeValue("300");
    Ctrl<wxCheckBox>(IDC_VIDEO_OUT)->SetValue(false);
    EXPECT_EQ(PressOk(), wxID_OK);

    const EntryForm expected{.startTime = {6, 7, 8}, .stopTime = {23, 59, 59}, .startDay = 3, .stopDay = 7,
                             .rateCode = 49, .sizeKB = 25, .frame = true, .trigger = 4, .duration = 300,
                             .videoOut = false, .ratePosition = 0};  // the position the dialog opened at
    EXPECT_EQ(dlg->form, expected);

    // Opened again on that form, the dialog shows exactly it: Cancel has nothing to ask.
    Open(dlg->form);
    EXPECT_EQ(Shown(StartTime()), "06:07:08");
    EXPECT_EQ(Shown(StopTime()), "23:59:59");
    EXPECT_TRUE(Ctrl<wxRadioButton>(IDC_FRAME)->GetValue());
    EXPECT_TRUE(Duration()->IsEnabled());
    EXPECT_EQ(PressCancel(), wxID_CANCEL);
}

// A number the operator types outside 5..3600 is put right on leaving the edit, and OK
// stores what the edit then shows.
TEST_F(ScheduleItemDlgTest, DurationIsBroughtIntoRangeOnLeavingTheEdit) {
    const struct {
        const char* text;
        const char* shown;  // after leaving the edit
        int stored;
    } cases[] = {
        {"10", "10", 10},     {"", "5", 5},         {"abc", "5", 5},           {"4", "5", 5},
        {"5", "5", 5},        {"3600", "3600", 3600}, {"3601", "3600", 3600}, {"  42s", "  42s", 42},
        {"+7", "+7", 7},      {"-7", "5", 5},       {"12 34", "12 34", 12},    {"99999999999", "3600", 3600},
        {"-99999999999", "5", 5},                   {"2147483648", "3600", 3600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Open(SampleForm());
        Duration()->ChangeValue(wxString::FromUTF8(c.text));
        LeaveDuration();
        EXPECT_EQ(Text(IDC_DURATION), c.shown);
        EXPECT_EQ(PressOk(), wxID_OK);
        EXPECT_EQ(dlg->form.duration, c.stored);
        EXPECT_EQ(DurationOf(EntryFromForm(dlg->form)), c.stored);
    }
    // OK pressed with the focus still in the edit (Enter): the number is put right there and
    // the dialog stays open on it; OK again stores it.
    Open(SampleForm());
    Duration()->ChangeValue("2");
    EXPECT_EQ(PressOk(), 0);
    EXPECT_EQ(Text(IDC_DURATION), "5");
    EXPECT_EQ(PressOk(), wxID_OK);
    EXPECT_EQ(dlg->form.duration, 5);
}

// The range stands beside the duration and is greyed with it.
TEST_F(ScheduleItemDlgTest, DurationRangeStandsBesideTheDuration) {
    Open(SampleForm());
    dlg->Show();
    wxStaticText* range = dlg->DurationRange();
    EXPECT_EQ(Str(range->GetLabel()), "5\u2013" "3600 s");
    const wxRect edit = Duration()->GetScreenRect(), text = range->GetScreenRect();
    EXPECT_GT(text.GetLeft(), edit.GetRight());
    EXPECT_LT(text.GetTop(), edit.GetBottom());
    EXPECT_GT(text.GetBottom(), edit.GetTop());
    for (int code : {0, 1}) {
        ChooseTrigger(code);
        EXPECT_EQ(range->IsEnabled(), code > 0);
    }
    dlg->Hide();
}

TEST_F(ScheduleItemDlgTest, DurationEditTakesOnlyDigits) {
    Open(SampleForm());
    auto typed = [&](wxChar c) {
        wxKeyEvent key(wxEVT_CHAR);
        key.m_keyCode = c;
        key.m_uniChar = c;
        key.SetEventObject(Duration());
        // A character the edit refuses is consumed before it reaches the text.
        return !Duration()->ProcessWindowEvent(key);
    };
    for (wxChar c : {'0', '5', '9'}) EXPECT_TRUE(typed(c)) << char(c);
    for (wxChar c : {'a', '-', '+', ' ', '.'}) EXPECT_FALSE(typed(c)) << char(c);
}

TEST_F(ScheduleItemDlgTest, ForeignValuesStayAsStoredUntilTheirControlIsMoved) {
    struct Case {
        const char* what;
        ScheduleEntry entry;  // as a foreign file holds it
        ScheduleEntry stored; // what OK, untouched, then composes
        bool asks;            // whether Cancel, untouched, finds the controls changed
    };
    const ScheduleEntry base = EntryFromForm(NewEntryForm());
    auto with = [&](auto change) {
        ScheduleEntry e = base;
        change(e);
        return e;
    };
    auto trigger = [](std::uint32_t code) {
        return [code](ScheduleEntry& e) { e.control = (e.control & ~0xF000u) | (code << 12); };
    };
    const ScheduleEntry rateAndSizeBetweenSteps = with([](ScheduleEntry& e) { e.rateCode = 9, e.imageSize = 15500; });
    const std::vector<Case> cases = {
        // What no control can show is kept: Edit, then OK gives the entry back byte for byte.
        {"rate 9 and 15.5 kB", rateAndSizeBetweenSteps, rateAndSizeBetweenSteps, false},
        {"VMD", with(trigger(9)), with(trigger(9)), false},
        {"trigger 15", with(trigger(15)), with(trigger(15)), false},
        {"size 5 kB", with([](ScheduleEntry& e) { e.imageSize = 5000; }),
         with([](ScheduleEntry& e) { e.imageSize = 5000; }), false},
        {"size 40 kB", with([](ScheduleEntry& e) { e.imageSize = 40000; }),
         with([](ScheduleEntry& e) { e.imageSize = 40000; }), false},
        {"rate code 4294967295", with([](ScheduleEntry& e) { e.rateCode = 4294967295u; }),
         with([](ScheduleEntry& e) { e.rateCode = 4294967295u; }), false},
        {"rate code 250", with([](ScheduleEntry& e) { e.rateCode = 250; }),
         with([](ScheduleEntry& e) { e.rateCode = 250; }), false},
        {"alarm for 4000 s", with([](ScheduleEntry& e) { e.control = 0x11FA0; }),
         with([](ScheduleEntry& e) { e.control = 0x11FA0; }), false},
        {"alarm for 0 s", with([](ScheduleEntry& e) { e.control = 0x11000; }),
         with([](ScheduleEntry& e) { e.control = 0x11000; }), false},
        // A day past Sunday has no place in the lists: it comes back into the week.
        {"start in day 8", with([](ScheduleEntry& e) { e.start = 604800 + 3600; }),
         with([](ScheduleEntry& e) { e.start = 6 * 86400 + 3600; }), true},
        {"stop at 4294967295", with([](ScheduleEntry& e) { e.stop = 4294967295u; }),
         with([](ScheduleEntry& e) { e.stop = 6 * 86400 + 4294967295u % 86400; }), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(FormFromEntry(c.entry));
        LeaveDuration();
        if (c.asks) {
            wxTEST_DIALOG(EXPECT_EQ(PressCancel(), 0), ExpectDiscardChanges(false));
        } else {
            EXPECT_EQ(PressCancel(), wxID_CANCEL);
        }
        EXPECT_EQ(PressOk(), wxID_OK);
        EXPECT_EQ(EntryFromForm(dlg->form), c.stored);
    }
}

// Until its slider is moved, a stored rate or size between steps shows its own texts; once
// moved, the slider's step is shown and stored, also back where it opened.
TEST_F(ScheduleItemDlgTest, SlidersOpenedBetweenStepsShowTheStoredValueUntilMoved) {
    const EntryForm opened = FormFromEntry({0, 3600, 0x1000A, 2, 9, 5000});
    Open(opened);
    EXPECT_EQ(Rate()->GetValue(), 7);
    EXPECT_EQ(Text(IDC_PAL_TEXT), "2.5");
    EXPECT_EQ(Text(IDC_NTSC_TEXT), "3.0");
    EXPECT_EQ(Size()->GetValue(), 10);
    EXPECT_EQ(Text(IDC_SIZE_TEXT), "5kB");
    Scroll(Rate(), 7);
    Scroll(Size(), 10);
    EXPECT_EQ(Text(IDC_PAL_TEXT), "2.0");
    EXPECT_EQ(Text(IDC_NTSC_TEXT), "2.5");
    EXPECT_EQ(Text(IDC_SIZE_TEXT), "10kB");
    wxTEST_DIALOG(EXPECT_EQ(PressCancel(), 0), ExpectDiscardChanges(false));
    EXPECT_EQ(PressOk(), wxID_OK);
    EXPECT_EQ(EntryFromForm(dlg->form), (ScheduleEntry{0, 3600, 0x1000A, 2, 11, 10000}));
}

// A new trigger brings a foreign duration into range, where the operator sees it.
TEST_F(ScheduleItemDlgTest, PickingATriggerBringsAForeignDurationIntoRange) {
    for (int code : {0, 1, 2}) {
        SCOPED_TRACE(code);
        Open(FormFromEntry({0, 3600, 0x11FA0, 2, 0, 32000}));  // alarm 1 for 4000 s
        EXPECT_EQ(Text(IDC_DURATION), "4000");
        ChooseTrigger(code);
        EXPECT_EQ(Text(IDC_DURATION), "3600");
        EXPECT_EQ(PressOk(), wxID_OK);
        EXPECT_EQ(EntryFromForm(dlg->form).control, 0x10E10u | std::uint32_t(code) << 12);
    }
}

#ifndef __WXMSW__
// One focus cue at a time: a time picker shows its part selected only while it has the focus.
TEST_F(ScheduleItemDlgTest, APickerShowsItsPartSelectedOnlyWithTheFocus) {
    Open(SampleForm());
    dlg->Show();
    wxYield();
    auto selected = [](wxTimePickerCtrl* picker) {
        long from = 0, to = 0;
        PickerText(picker)->GetSelection(&from, &to);
        return from == to ? std::string("none") : std::to_string(from) + "-" + std::to_string(to);
    };
    auto focus = [](wxWindow* window) {
        window->SetFocus();
        wxYield();
    };
    EXPECT_EQ(wxWindow::FindFocus(), StartDay());
    EXPECT_EQ(selected(StartTime()), "none");
    EXPECT_EQ(selected(StopTime()), "none");
    focus(PickerText(StartTime()));
    EXPECT_EQ(selected(StartTime()), "0-2");
    EXPECT_EQ(selected(StopTime()), "none");
    PickerKey(StartTime(), WXK_RIGHT);
    EXPECT_EQ(selected(StartTime()), "3-5");
    focus(StopDay());
    EXPECT_EQ(selected(StartTime()), "none");
    focus(PickerText(StartTime()));
    EXPECT_EQ(selected(StartTime()), "3-5") << "the part chosen before";
    dlg->Hide();
}
#endif

TEST_F(ScheduleItemDlgTest, AVmdEntryKeepsItsTriggerUntilTheOperatorPicksOne) {
    EntryForm form = FormFromEntry(EntryFromForm(NewEntryForm()));
    form.trigger = kTriggerVmd;
    form.duration = 30;

    // An edit of the times only: the entry stays VMD, duration and all.
    Open(form);
    EXPECT_EQ(Str(Trigger()->GetStringSelection()), "Continuous");
    EXPECT_FALSE(Duration()->IsEnabled());
    StopTime()->SetValue(PickerValue({6, 0, 0}));
    EXPECT_EQ(PressOk(), wxID_OK);
    EXPECT_EQ(dlg->form.trigger, kTriggerVmd);
    EXPECT_EQ(dlg->form.duration, 30);

    // Picked from the list: what was picked, "Continuous" included.
    const std::pair<std::vector<int>, int> picks[] = {{{3}, 3}, {{3, 0}, 0}};
    for (const auto& [choices, stored] : picks) {
        SCOPED_TRACE(stored);
        Open(form);
        for (int index : choices) ChooseTrigger(index);
        wxTEST_DIALOG(EXPECT_EQ(PressCancel(), 0), ExpectDiscardChanges(false));
        EXPECT_EQ(PressOk(), wxID_OK);
        EXPECT_EQ(dlg->form.trigger, stored);
    }

    // Opened again, the list is untouched once more.
    Open(form);
    EXPECT_EQ(PressCancel(), wxID_CANCEL);
}

TEST_F(ScheduleItemDlgTest, DaysOutsideTheWeekNeverComposeATimeBeforeMonday) {
    for (int day : {INT_MIN, -1, 0, 8, 9, INT_MAX}) {
        SCOPED_TRACE(day);
        EntryForm form = NewEntryForm();
        form.startDay = day;
        form.stopDay = day;
        form.stopTime = {0, 0, 1};
        Open(form);
        EXPECT_NE(StartDay()->GetSelection(), wxNOT_FOUND);
        EXPECT_NE(StopDay()->GetSelection(), wxNOT_FOUND);
        EXPECT_EQ(PressOk(), wxID_OK);
        EXPECT_EQ(dlg->form.startDay, day < 1 ? 1 : 7);
        EXPECT_LT(FormStart(dlg->form), kSecondsPerWeek);
        EXPECT_EQ(FormStop(dlg->form), FormStart(dlg->form) + 1);
    }
    // Should a list ever lose its selection, OK reads Monday, not a day before it.
    Open(NewEntryForm());
    StartDay()->SetSelection(wxNOT_FOUND);
    EXPECT_EQ(PressOk(), wxID_OK);
    EXPECT_EQ(dlg->form.startDay, 1);
}

TEST_F(ScheduleItemDlgTest, CancelAsksOnlyWhenAControlDiffersFromTheForm) {
    const struct {
        const char* what;
        std::function<void(ScheduleItemDlgTest&)> change;
    } changes[] = {
        {"start day", [](ScheduleItemDlgTest& t) { t.StartDay()->SetSelection(0); }},
        {"stop day", [](ScheduleItemDlgTest& t) { t.StopDay()->SetSelection(6); }},
        {"start time", [](ScheduleItemDlgTest& t) { t.StartTime()->SetValue(PickerValue({8, 15, 31})); }},
        {"stop time", [](ScheduleItemDlgTest& t) { t.StopTime()->SetValue(PickerValue({18, 45, 5})); }},
        {"rate", [](ScheduleItemDlgTest& t) { t.Scroll(t.Rate(), 10); }},
        {"size", [](ScheduleItemDlgTest& t) { t.Scroll(t.Size(), 21); }},
        {"field", [](ScheduleItemDlgTest& t) { t.Ctrl<wxRadioButton>(IDC_FIELD)->SetValue(true); }},
        {"trigger", [](ScheduleItemDlgTest& t) { t.ChooseTrigger(0); }},
        {"duration", [](ScheduleItemDlgTest& t) { t.Duration()->ChangeValue("121"); }},
        {"video out", [](ScheduleItemDlgTest& t) { t.Ctrl<wxCheckBox>(IDC_VIDEO_OUT)->SetValue(true); }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.what);
        Open(SampleForm());
        c.change(*this);
        wxTEST_DIALOG(EXPECT_EQ(PressCancel(), 0), ExpectDiscardChanges(false));
        wxTEST_DIALOG(EXPECT_EQ(PressCancel(), wxID_CANCEL), ExpectDiscardChanges(true));
        // Cancel leaves the form as the command filled it.
        EntryForm opened = SampleForm();
        opened.ratePosition = 9;
        EXPECT_EQ(dlg->form, opened);
    }
}

TEST_F(ScheduleItemDlgTest, CancelComparesValuesNotEdits) {
    Open(SampleForm());
    Scroll(Rate(), 3);
    Scroll(Rate(), 9);
    Scroll(Size(), 32);
    Scroll(Size(), 20);
    ChooseTrigger(0);
    ChooseTrigger(6);
    Duration()->ChangeValue("+120");  // reads as the same number
    StartTime()->SetValue(PickerValue({9, 0, 0}));
    StartTime()->SetValue(PickerValue({8, 15, 30}));
    EXPECT_EQ(PressCancel(), wxID_CANCEL);
}

TEST_F(ScheduleItemDlgTest, EscapeAndTheCloseButtonGoThroughCancel) {
    Open(SampleForm());
    Scroll(Size(), 11);
    dlg->SetReturnCode(0);
    wxTEST_DIALOG(PressKey(Duration(), WXK_ESCAPE), ExpectDiscardChanges(false));
    EXPECT_EQ(dlg->GetReturnCode(), 0);
    wxTEST_DIALOG(dlg->Close(), ExpectDiscardChanges(false));
    EXPECT_EQ(dlg->GetReturnCode(), 0);
    wxTEST_DIALOG(dlg->Close(), ExpectDiscardChanges(true));
    EXPECT_EQ(dlg->GetReturnCode(), wxID_CANCEL);
    // Unchanged, both close at once.
    Open(SampleForm());
    dlg->SetReturnCode(0);
    PressKey(Duration(), WXK_ESCAPE);
    EXPECT_EQ(dlg->GetReturnCode(), wxID_CANCEL);
    Open(SampleForm());
    dlg->SetReturnCode(0);
    dlg->Close();
    EXPECT_EQ(dlg->GetReturnCode(), wxID_CANCEL);
}

// The process's time zone for one scope, with the C library told of the change.
class TimeZoneScope {
public:
    explicit TimeZoneScope(const char* zone) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        Set(zone);
    }
    ~TimeZoneScope() { Set(saved_ ? saved_->c_str() : nullptr); }
    TimeZoneScope(const TimeZoneScope&) = delete;
    TimeZoneScope& operator=(const TimeZoneScope&) = delete;

private:
    // The Windows C library has no setenv; an empty value there removes the variable.
    static void Set(const char* zone) {
#ifdef _WIN32
        _putenv_s("TZ", zone ? zone : "");
        _tzset();
#else
        if (zone)
            setenv("TZ", zone, 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }

    std::optional<std::string> saved_;
};

TEST_F(ScheduleItemDlgTest, TimesOfDayComeBackExactlyInEveryTimeZone) {
    // Zones with summer time in January (Sydney, Lord Howe's half hour, Santiago), half and
    // quarter hour offsets, the date line, and plain ones.
#ifdef _WIN32
    // The Windows C library reads TZ only as a name, an offset west of UTC and the name of
    // summer time (which it takes from the US rules); the same kinds of offset, so written.
    const char* const zones[] = {"UTC0",      "CET-1CEST",  "EST5EDT",   "AEST-10AEDT", "IST-5:30",
                                 "ACST-9:30ACDT", "NPT-5:45", "NST3:30NDT", "LINT-14", "WST-13WSDT",
                                 "GMT0BST"};
#else
    const char* const zones[] = {"UTC",           "Europe/Berlin",      "America/New_York", "Australia/Sydney",
                                 "Asia/Kolkata",  "Australia/Adelaide", "Australia/Lord_Howe",
                                 "America/Santiago", "Asia/Kathmandu", "America/St_Johns", "Pacific/Kiritimati",
                                 "Pacific/Apia",  "Europe/London"};
#endif
    std::vector<TimeOfDay> times = {{0, 0, 0}, {2, 30, 0}, {23, 59, 59}, {1, 59, 59}, {3, 0, 0}, {12, 0, 1}};
    for (int minutes = 0; minutes < 24 * 60; minutes += 37) times.push_back({minutes / 60, minutes % 60, minutes % 60});

    for (const char* zone : zones) {
        SCOPED_TRACE(zone);
        TimeZoneScope scope(zone);
        for (const TimeOfDay& t : times) {
            SCOPED_TRACE(Clock(t));
            EXPECT_EQ(PickerTime(PickerValue(t)), t);
        }
        Open(NewEntryForm());
        for (const TimeOfDay& t : times) {
            SCOPED_TRACE(Clock(t));
            EntryForm form = SampleForm();
            form.startTime = t;
            form.stopTime = TimeOfDay{23 - t.hour, 59 - t.minute, 59 - t.second};
            dlg->form = form;
            dlg->InitDialog();
            EXPECT_EQ(Shown(StartTime()), Clock(t));
            EXPECT_EQ(Shown(StopTime()), Clock(form.stopTime));
            EXPECT_EQ(PressCancel(), wxID_CANCEL) << "untouched pickers differ from the form";
            EXPECT_EQ(PressOk(), wxID_OK);
            EXPECT_EQ(dlg->form.startTime, form.startTime);
            EXPECT_EQ(dlg->form.stopTime, form.stopTime);
        }

#ifndef _WIN32
        // As the operator sets them: digits typed, and the hour stepped round the clock.
        Open(NewEntryForm());
        for (int key : {'0', '2', '3', '0', '0', '0'}) PickerKey(StartTime(), key);
        EXPECT_EQ(Shown(StartTime()), "02:30:00");
        StopTime()->SetValue(PickerValue({0, 30, 15}));
        for (int hour = 1; hour <= 24; ++hour) {
            PickerKey(StopTime(), WXK_UP);
            const TimeOfDay expected{hour % 24, 30, 15};
            EXPECT_EQ(Held(StopTime()), expected) << "hour " << hour;
            EXPECT_EQ(Shown(StopTime()), Clock(expected));
        }
        EXPECT_EQ(PressOk(), wxID_OK);
        EXPECT_EQ(dlg->form.startTime, (TimeOfDay{2, 30, 0}));
        EXPECT_EQ(dlg->form.stopTime, (TimeOfDay{0, 30, 15}));
#endif
    }
}

}  // namespace
