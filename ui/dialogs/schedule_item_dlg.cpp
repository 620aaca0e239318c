#include "ui/dialogs/schedule_item_dlg.h"

#include <algorithm>
#include <cstdint>

#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/valgen.h>
#include <wx/valtext.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif
#ifdef __WXMSW__
#include <wx/button.h>
#include <wx/msw/wrapcctl.h>
#endif

#include "model/entry_texts.h"
#include "model/rate_table.h"
#include "model/week_time.h"
#include "ui/common/accessibility.h"
#include "ui/common/ids.h"
#include "ui/common/messages.h"
#include "ui/common/mnemonic_keys.h"

namespace {
constexpr int kCarrierYear = 2000;
// Later years tried when a time does not exist on 1 January 2000 in the local zone.
constexpr int kLastCarrierYear = 2037;

// A day outside 1..7 (a foreign week time of 604800 or more) opens as the nearest day of
// the week, as the model composes it, so OK never reads a day that does not exist.
int DayIndex(int day) { return std::clamp(day, 1, 7) - 1; }

int ReadDuration(const wxTextCtrl* edit) { return ParseDurationText(edit->GetValue().utf8_str().data()); }

// Wide enough to show sample whole, and no wider: the rate and size edits show short texts.
// The height stays GTK's own.
void FitToText(wxTextCtrl* edit, const char* sample) {
    edit->SetInitialSize(wxSize(edit->GetSizeFromText(sample).x, wxDefaultCoord));
}

// Radio buttons drawn as push buttons, as the image mode pair is: they stay a radio group
// (one down, announced as radio buttons) while drawing no indicators. wx has no style or
// call for this look, so the native control is asked directly. GTK measures the button
// again once its size is dropped; on Windows the size wx measures is that of a radio button
// with its circle, so the button gets a push button's size.
void UsePushButtonLook(wxRadioButton* button) {
#ifdef __WXGTK__
    if (GtkWidget* widget = button->GetHandle(); widget && GTK_IS_TOGGLE_BUTTON(widget))
        gtk_toggle_button_set_mode(GTK_TOGGLE_BUTTON(widget), FALSE);
    button->InvalidateBestSize();
#elif defined(__WXMSW__)
    const HWND hwnd = static_cast<HWND>(button->GetHWND());
    ::SetWindowLongW(hwnd, GWL_STYLE, ::GetWindowLongW(hwnd, GWL_STYLE) | BS_PUSHLIKE);
    const wxSize standard = wxButton::GetDefaultSize(button);
    const int text = button->GetTextExtent(button->GetLabelText()).x + button->FromDIP(16);
    button->SetInitialSize(wxSize(std::max(standard.x, text), standard.y));
#else
    (void)button;
#endif
}

// The pickers show the time on the 24-hour clock with seconds, whatever the locale says.
// The generic picker of GTK already does; the native one of Windows takes a format.
void UseClockFormat(wxTimePickerCtrl* picker) {
#ifdef __WXMSW__
    ::SendMessageW(static_cast<HWND>(picker->GetHWND()), DTM_SETFORMATW, 0,
                   reinterpret_cast<LPARAM>(L"HH':'mm':'ss"));
    picker->InvalidateBestSize();
#else
    (void)picker;
#endif
}

// One focus cue at a time: a picker shows its chosen part (hour, minute or second) selected
// only while it has the focus. The native picker of Windows does so itself. The generic one
// of GTK selects the part in its text whenever its value is set and leaves it selected when
// the focus goes, which GTK keeps drawing; its text gives the selection up here, and selects
// the part again itself when the focus comes back.
#ifndef __WXMSW__
wxTextCtrl* PickerText(wxTimePickerCtrl* picker) {
    for (wxWindow* child : picker->GetChildren())
        if (auto* text = dynamic_cast<wxTextCtrl*>(child)) return text;
    return nullptr;
}
#endif

void SelectPartOnlyWithFocus(wxTimePickerCtrl* picker) {
#ifndef __WXMSW__
    if (wxTextCtrl* text = PickerText(picker)) {
        text->Bind(wxEVT_KILL_FOCUS, [text](wxFocusEvent& event) {
            text->SelectNone();
            event.Skip();
        });
    }
#else
    (void)picker;
#endif
}

// The selection setting a picker's value made, given up when the focus is elsewhere.
void DropPartSelection(wxTimePickerCtrl* picker) {
#ifndef __WXMSW__
    if (wxTextCtrl* text = PickerText(picker)) text->SelectNone();
#else
    (void)picker;
#endif
}
}  // namespace

wxDateTime PickerValue(const TimeOfDay& time) {
    const TimeOfDay t{std::clamp(time.hour, 0, 23), std::clamp(time.minute, 0, 59), std::clamp(time.second, 0, 59)};
    for (int year = kCarrierYear; year <= kLastCarrierYear; ++year) {
        const wxDateTime value(1, wxDateTime::Jan, year, static_cast<wxDateTime::wxDateTime_t>(t.hour),
                               static_cast<wxDateTime::wxDateTime_t>(t.minute),
                               static_cast<wxDateTime::wxDateTime_t>(t.second));
        if (value.IsValid() && PickerTime(value) == t) return value;
    }
    return wxDateTime(1, wxDateTime::Jan, kCarrierYear, static_cast<wxDateTime::wxDateTime_t>(t.hour),
                      static_cast<wxDateTime::wxDateTime_t>(t.minute),
                      static_cast<wxDateTime::wxDateTime_t>(t.second));
}

TimeOfDay PickerTime(const wxDateTime& value) {
    if (!value.IsValid()) return {};
    // Local time, as the picker shows it.
    const wxDateTime::Tm tm = value.GetTm();
    return TimeOfDay{tm.hour, tm.min, tm.sec};
}

// clang-format off
wxBEGIN_EVENT_TABLE(CScheduleItemDlg, CDialogBase)
    EVT_INIT_DIALOG(CScheduleItemDlg::OnInitDialog)
    EVT_COMMAND_SCROLL(IDC_RATE_SLIDER, CScheduleItemDlg::OnRateScroll)
    EVT_COMMAND_SCROLL(IDC_SIZE_SLIDER, CScheduleItemDlg::OnSizeScroll)
    EVT_SLIDER(IDC_RATE_SLIDER, CScheduleItemDlg::OnSliderChanged)
    EVT_SLIDER(IDC_SIZE_SLIDER, CScheduleItemDlg::OnSliderChanged)
    EVT_CHOICE(IDC_TRIGGER, CScheduleItemDlg::OnTriggerChoice)
    EVT_CHOICE(IDC_START_DAY, CScheduleItemDlg::OnDayChoice)
    EVT_CHOICE(IDC_STOP_DAY, CScheduleItemDlg::OnDayChoice)
    EVT_TIME_CHANGED(IDC_START_TIME, CScheduleItemDlg::OnTimeChanged)
    EVT_TIME_CHANGED(IDC_STOP_TIME, CScheduleItemDlg::OnTimeChanged)
    EVT_BUTTON(wxID_OK, CScheduleItemDlg::OnOK)
    EVT_BUTTON(wxID_CANCEL, CScheduleItemDlg::OnCancel)
    EVT_CLOSE(CScheduleItemDlg::OnClose)
wxEND_EVENT_TABLE()
// clang-format on

CScheduleItemDlg::CScheduleItemDlg(wxWindow* parent) : CDialogBase(parent, _("Schedule Item")) {
    // Both times start at midnight; the command fills in everything else.
    form.startTime = TimeOfDay{};
    form.stopTime = TimeOfDay{};
    CreateControls();
}

void CScheduleItemDlg::CreateControls() {
    // Groups and their controls are created in tab order; where they stand is the sizers' part.
    // Each caption carries a letter of its own for Alt, but those of Image Mode and
    // Miscellaneous, whose controls carry their own.
    // A group is at least as wide as its caption: GTK sizes it by its controls alone, and in
    // some languages the caption is the longer.
    auto group = [this](int orient, const wxString& caption) {
        auto* box = new wxStaticBoxSizer(orient, this, caption);
        wxStaticBox* frame = box->GetStaticBox();
        box->SetMinSize(frame->GetTextExtent(frame->GetLabelText()).x + 3 * frame->GetCharWidth(), -1);
        return box;
    };
    auto dayList = [](wxStaticBoxSizer* box, int id, const wxString& name) {
        auto* list = new wxChoice(box->GetStaticBox(), id);
        for (int day = 1; day <= 7; ++day) list->Append(wxString::FromUTF8(WeekdayName(day)));
        SetAccessibleName(list, name);
        return list;
    };
    auto picker = [](wxStaticBoxSizer* box, int id, const wxString& name) {
        auto* p = new wxTimePickerCtrl(box->GetStaticBox(), id, PickerValue(TimeOfDay{}));
        UseClockFormat(p);
        SelectPartOnlyWithFocus(p);
        SetAccessibleName(p, name);
        return p;
    };
    auto slider = [](wxStaticBoxSizer* box, int id, const wxString& name, int value, int min, int max) {
        auto* s = new wxSlider(box->GetStaticBox(), id, value, min, max);
        SetAccessibleName(s, name);
        return s;
    };
    auto readOnly = [](wxStaticBoxSizer* box, int id, const wxString& name, const char* sample) {
        auto* edit = new wxTextCtrl(box->GetStaticBox(), id, "", wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
        SetAccessibleName(edit, name);
        FitToText(edit, sample);
        return edit;
    };
    auto label = [](wxStaticBoxSizer* box, int id, const wxString& text, long align) {
        return new wxStaticText(box->GetStaticBox(), id, text, wxDefaultPosition, wxDefaultSize, align);
    };
    auto modeButton = [](wxStaticBoxSizer* box, int id, const wxString& caption, long style) {
        auto* b = new wxRadioButton(box->GetStaticBox(), id, caption, wxDefaultPosition, wxDefaultSize, style);
        UsePushButtonLook(b);
        return b;
    };
    const wxSizerFlags item = wxSizerFlags().Border().CentreVertical();
    const wxSizerFlags wide = wxSizerFlags(1).Border().Expand();

    wxStaticBoxSizer* start = group(wxHORIZONTAL, _("&Start"));
    startDay_ = dayList(start, IDC_START_DAY, _("Start day"));
    startTime_ = picker(start, IDC_START_TIME, _("Start time"));
    start->Add(startDay_, wxSizerFlags(item).Proportion(1));
    start->Add(startTime_, item);

    wxStaticBoxSizer* stop = group(wxHORIZONTAL, _("S&top"));
    stopDay_ = dayList(stop, IDC_STOP_DAY, _("Stop day"));
    stopTime_ = picker(stop, IDC_STOP_TIME, _("Stop time"));
    stop->Add(stopDay_, wxSizerFlags(item).Proportion(1));
    stop->Add(stopTime_, item);
    // How long the entry runs, so that a stop before the start (an entry of six days and
    // more) shows before OK. Wide enough for the longest length there is in the language
    // shown: every count of days with hours, minutes and seconds, and the whole week.
    length_ = new wxStaticText(this, wxID_ANY, wxString::FromUTF8(EntryLengthText(0, 0)), wxDefaultPosition,
                               wxDefaultSize, wxST_NO_AUTORESIZE);
    int lengthWidth = GetTextExtent(length_->GetLabel()).x;
    for (int days = 0; days < 7; ++days) {
        const WeekTime longest = ComposeWeekTime(days + 1, 23, 59, 59);
        lengthWidth = std::max(lengthWidth, GetTextExtent(wxString::FromUTF8(EntryLengthText(0, longest))).x);
    }
    length_->SetMinSize(wxSize(lengthWidth, length_->GetBestSize().y));

    wxStaticBoxSizer* rates = group(wxVERTICAL, _("&Images Per Second"));
    rate_ = slider(rates, IDC_RATE_SLIDER, _("Images Per Second"), 0, 0, kRatePositions - 1);
    auto* palLabel = label(rates, wxID_ANY, _("&PAL"), wxALIGN_RIGHT);
    pal_ = readOnly(rates, IDC_PAL_TEXT, _("PAL"), "000.0");
    ntsc_ = readOnly(rates, IDC_NTSC_TEXT, _("NTSC"), "000.0");
    auto* ntscLabel = label(rates, wxID_ANY, _("&NTSC"), wxALIGN_LEFT);
    auto* rateTexts = new wxBoxSizer(wxHORIZONTAL);
    rateTexts->Add(palLabel, item);
    rateTexts->Add(pal_, item);
    rateTexts->AddStretchSpacer();
    rateTexts->Add(ntsc_, item);
    rateTexts->Add(ntscLabel, item);
    rates->Add(rate_, wide);
    rates->Add(rateTexts, wxSizerFlags().Expand());

    wxStaticBoxSizer* size = group(wxHORIZONTAL, _("Image Si&ze"));
    size_ = slider(size, IDC_SIZE_SLIDER, _("Image Size"), kMaxSizeKB, kMinSizeKB, kMaxSizeKB);
    sizeText_ = readOnly(size, IDC_SIZE_TEXT, _("Image Size in kB"), "000kB");
    size->Add(size_, wxSizerFlags(item).Proportion(1));
    size->Add(sizeText_, item);

    wxStaticBoxSizer* mode = group(wxVERTICAL, _("Image Mode"));
    field_ = modeButton(mode, IDC_FIELD, _("&Field"), wxRB_GROUP);
    frame_ = modeButton(mode, IDC_FRAME, _("Fra&me"), 0);
    mode->Add(field_, wxSizerFlags().Border().Expand());
    mode->Add(frame_, wxSizerFlags().Border().Expand());

    wxStaticBoxSizer* trigger = group(wxVERTICAL, _("T&rigger"));
    trigger_ = new wxChoice(trigger->GetStaticBox(), IDC_TRIGGER);
    // The list index is the trigger code; "VMD" is not offered.
    for (int code = 0; code < kDialogTriggerCount; ++code) trigger_->Append(wxString::FromUTF8(TriggerText(code)));
    SetAccessibleName(trigger_, _("Trigger"));
    duration_ = new wxTextCtrl(trigger->GetStaticBox(), IDC_DURATION, "", wxDefaultPosition, wxDefaultSize,
                               wxTE_RIGHT, wxTextValidator(wxFILTER_DIGITS));
    SetAccessibleName(duration_, _("Duration"));
    FitToText(duration_, "0000000");
    duration_->Bind(wxEVT_KILL_FOCUS, &CScheduleItemDlg::OnDurationKillFocus, this);
    seconds_ = label(trigger, IDC_SECONDS, _("s&econds"), wxALIGN_LEFT);
    range_ = label(trigger, wxID_ANY, wxString::FromUTF8(DurationRangeText()), wxALIGN_LEFT);
    auto* durationRow = new wxBoxSizer(wxHORIZONTAL);
    durationRow->Add(duration_, item);
    durationRow->Add(seconds_, item);
    durationRow->Add(range_, item);
    trigger->Add(trigger_, wxSizerFlags().Border().Expand());
    trigger->Add(durationRow);

    wxStaticBoxSizer* misc = group(wxHORIZONTAL, _("Miscellaneous"));
    videoOut_ = new wxCheckBox(misc->GetStaticBox(), IDC_VIDEO_OUT, _("&Video Out"), wxDefaultPosition, wxDefaultSize,
                               0, wxGenericValidator(&form.videoOut));
    misc->Add(videoOut_, item);

    // The captions that name another control lead there: a group's to its first control, a
    // label to the edit beside it.
    SetMnemonicTarget(start->GetStaticBox(), startDay_);
    SetMnemonicTarget(stop->GetStaticBox(), stopDay_);
    SetMnemonicTarget(rates->GetStaticBox(), rate_);
    SetMnemonicTarget(palLabel, pal_);
    SetMnemonicTarget(ntscLabel, ntsc_);
    SetMnemonicTarget(size->GetStaticBox(), size_);
    SetMnemonicTarget(trigger->GetStaticBox(), trigger_);
    SetMnemonicTarget(seconds_, duration_);

    // Two columns of about equal height: the times and rates on the left, the image, the
    // trigger and the rest on the right.
    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(start, wxSizerFlags().Expand());
    left->Add(stop, wxSizerFlags().Expand().Border(wxTOP));
    left->Add(length_, wxSizerFlags().Expand().Border(wxLEFT | wxTOP));
    left->Add(rates, wxSizerFlags().Expand().Border(wxTOP));
    auto* modeAndTrigger = new wxBoxSizer(wxHORIZONTAL);
    modeAndTrigger->Add(mode, wxSizerFlags().Expand());
    modeAndTrigger->Add(trigger, wxSizerFlags(1).Expand().Border(wxLEFT));
    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(size, wxSizerFlags().Expand());
    right->Add(modeAndTrigger, wxSizerFlags().Expand().Border(wxTOP));
    right->Add(misc, wxSizerFlags().Expand().Border(wxTOP));
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(left, wxSizerFlags(1).Expand());
    columns->Add(right, wxSizerFlags(1).Expand().DoubleBorder(wxLEFT));
    FinishLayout(columns, wxOK | wxCANCEL);  // OK is the default button
}

void CScheduleItemDlg::OnInitDialog(wxInitDialogEvent&) {
    TransferDataToWindow();
    // Filling a picker moves the focus into it and selects its hour; the dialog opens on its
    // first control, with no picker showing a part selected.
    startDay_->SetFocus();
    DropPartSelection(startTime_);
    DropPartSelection(stopTime_);
}

bool CScheduleItemDlg::TransferDataToWindow() {
    startTime_->SetValue(PickerValue(form.startTime));
    stopTime_->SetValue(PickerValue(form.stopTime));
    startDay_->SetSelection(DayIndex(form.startDay));
    stopDay_->SetSelection(DayIndex(form.stopDay));
    ShowLength();

    // A rate code or size between the sliders' steps opens at the step at or above it, or
    // the nearer end of the range, and stays as it is until the slider is moved.
    form.ratePosition = RatePosition(static_cast<std::uint32_t>(form.rateCode));
    rate_->SetValue(form.ratePosition);
    rateMoved_ = false;
    ShowRates();
    size_->SetValue(std::clamp(form.sizeKB, kMinSizeKB, kMaxSizeKB));
    sizeMoved_ = false;
    ShowSize();

    (form.frame ? frame_ : field_)->SetValue(true);
    trigger_->SetSelection(TriggerListIndex(form.trigger));
    triggerListUsed_ = false;
    duration_->ChangeValue(wxString::Format("%d", form.duration));
    UpdateTriggerControls();
    // Video Out, through its validator.
    return CDialogBase::TransferDataToWindow();
}

DialogPicks CScheduleItemDlg::Picks() const {
    DialogPicks picks;
    picks.ratePosition = rate_->GetValue();
    picks.rateMoved = rateMoved_;
    picks.sizeKB = size_->GetValue();
    picks.sizeMoved = sizeMoved_;
    picks.triggerIndex = trigger_->GetSelection();
    picks.triggerUsed = triggerListUsed_;
    picks.duration = ReadDuration(duration_);
    return picks;
}

EntryForm CScheduleItemDlg::FormFromControls() const {
    EntryForm now = WithDialogPicks(form, Picks());
    now.startDay = SelectedDay(startDay_);
    now.startTime = PickerTime(startTime_->GetValue());
    now.stopDay = SelectedDay(stopDay_);
    now.stopTime = PickerTime(stopTime_->GetValue());
    now.frame = frame_->GetValue();
    now.videoOut = videoOut_->GetValue();
    return now;
}

bool CScheduleItemDlg::TransferDataFromWindow() {
    form = FormFromControls();
    // Video Out, through its validator.
    return CDialogBase::TransferDataFromWindow();
}

// The texts of what OK would store: a stored rate or size between the sliders' steps shows
// its own until its slider is moved.
void CScheduleItemDlg::ShowRates() {
    const auto rateCode = static_cast<std::uint32_t>(FormFromControls().rateCode);
    pal_->ChangeValue(FormatTenths(Pal10(rateCode)));
    ntsc_->ChangeValue(FormatTenths(Ntsc10(rateCode)));
}

void CScheduleItemDlg::ShowSize() {
    sizeText_->ChangeValue(wxString::FromUTF8(ImageSizeText(EntryFromForm(FormFromControls()).imageSize)));
}

bool CScheduleItemDlg::BringDurationIntoRange() {
    const int typed = ReadDuration(duration_);
    const int duration = DialogDuration(form.duration, typed, triggerListUsed_);
    if (duration == typed) return false;
    duration_->ChangeValue(wxString::Format("%d", duration));
    return true;
}

void CScheduleItemDlg::OnDurationKillFocus(wxFocusEvent& event) {
    event.Skip();
    if (!IsBeingDeleted()) BringDurationIntoRange();
}

void CScheduleItemDlg::UpdateTriggerControls() {
    // Only an alarm trigger records for a duration; nothing selected counts as continuous.
    const bool alarm = trigger_->GetSelection() > kTriggerContinuous;
    duration_->Enable(alarm);
    seconds_->Enable(alarm);
    range_->Enable(alarm);
}

void CScheduleItemDlg::ShowLength() {
    const WeekTime start = ComposeWeekTime(SelectedDay(startDay_), PickerTime(startTime_->GetValue()));
    const WeekTime stop = ComposeWeekTime(SelectedDay(stopDay_), PickerTime(stopTime_->GetValue()));
    const wxString text = wxString::FromUTF8(EntryLengthText(start, stop));
    if (length_->GetLabel() != text) length_->SetLabel(text);
}

void CScheduleItemDlg::OnDayChoice(wxCommandEvent& event) {
    event.Skip();
    ShowLength();
}

void CScheduleItemDlg::OnTimeChanged(wxDateEvent& event) {
    event.Skip();
    ShowLength();
}

void CScheduleItemDlg::OnRateScroll(wxScrollEvent& event) {
    // The end-of-scroll notification brings no new position.
    if (event.GetEventType() == wxEVT_SCROLL_CHANGED) return;
    rateMoved_ = true;
    ShowRates();
}

void CScheduleItemDlg::OnSizeScroll(wxScrollEvent& event) {
    if (event.GetEventType() == wxEVT_SCROLL_CHANGED) return;
    sizeMoved_ = true;
    ShowSize();
}

// GTK reports some moves (the mouse wheel, assistive tools) only as a value change.
void CScheduleItemDlg::OnSliderChanged(wxCommandEvent& event) {
    if (event.GetId() == IDC_RATE_SLIDER) {
        rateMoved_ = true;
        ShowRates();
    } else {
        sizeMoved_ = true;
        ShowSize();
    }
}

// A new trigger takes the duration into 5..3600 where the operator sees it.
void CScheduleItemDlg::OnTriggerChoice(wxCommandEvent&) {
    triggerListUsed_ = true;
    BringDurationIntoRange();
    UpdateTriggerControls();
}

int CScheduleItemDlg::SelectedDay(const wxChoice* list) const {
    // The lists always hold a selection; should one ever be missing, Monday is read
    // rather than a day before the week.
    return std::max(list->GetSelection(), 0) + 1;
}

void CScheduleItemDlg::OnOK(wxCommandEvent&) {
    // No Validate() first: the duration edit's digit filter only keeps keys out, and OK
    // reads whatever text it holds up to the first non-digit. A number outside 5..3600 typed
    // with the focus still in the edit (Enter) is put right there, not silently on save.
    if (BringDurationIntoRange()) {
        duration_->SetFocus();
        duration_->SelectAll();
        return;
    }
    if (TransferDataFromWindow()) CloseWith(wxID_OK);
}

bool CScheduleItemDlg::ControlsDifferFromForm() const {
    // Values are compared, not edits: a control moved away and back again is unchanged, but
    // for a slider opened between its steps, which then stands for a step.
    return FormFromControls() != form;
}

void CScheduleItemDlg::OnCancel(wxCommandEvent&) {
    if (ControlsDifferFromForm() &&
        wxMessageBox(wxGetTranslation(kMsgDiscardChanges), wxGetTranslation(kTitleConfirmCancel),
                     wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION, this) != wxYES)
        return;
    CloseWith(wxID_CANCEL);
}

void CScheduleItemDlg::OnClose(wxCloseEvent& event) {
    if (!event.CanVeto()) {
        CloseWith(wxID_CANCEL);
        return;
    }
    wxCommandEvent cancel(wxEVT_BUTTON, wxID_CANCEL);
    OnCancel(cancel);
}

void CScheduleItemDlg::CloseWith(int result) {
    // EndDialog sets the result only for a modal run; set it for any run.
    SetReturnCode(result);
    EndDialog(result);
}
