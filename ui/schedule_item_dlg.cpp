#include "ui/schedule_item_dlg.h"

#include <algorithm>
#include <cstdint>

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/valtext.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include "model/messages.h"
#include "model/rate_table.h"
#include "model/week_time.h"
#include "ui/accessibility.h"
#include "ui/ids.h"
#include "ui/template_layout.h"

namespace {
constexpr int kTemplateWidth = 221;
constexpr int kTemplateHeight = 287;
constexpr int kCarrierYear = 2000;
// Later years tried when a time does not exist on 1 January 2000 in the local zone.
constexpr int kLastCarrierYear = 2037;

// A day outside 1..7 (a foreign week time of 604800 or more) opens as the nearest day of
// the week, as the model composes it, so OK never reads a day that does not exist.
int DayIndex(int day) { return std::clamp(day, 1, 7) - 1; }

int ReadDuration(const wxTextCtrl* edit) { return ParseDurationText(edit->GetValue().utf8_str().data()); }

const RateStep& RateAt(const wxSlider* slider) {
    return kRateTable[static_cast<std::size_t>(std::clamp(slider->GetValue(), 0, kRatePositions - 1))];
}

// The texts beside the edits stand level with the edits' text, in the middle of their box.
void CentreVertically(wxStaticText* text) {
#ifdef __WXGTK__
    if (GtkWidget* widget = text->GetHandle(); widget && GTK_IS_LABEL(widget))
        gtk_label_set_yalign(GTK_LABEL(widget), 0.5f);
#else
    (void)text;
#endif
}

// Radio buttons drawn as push buttons, as the image mode pair is: GTK keeps them a radio
// group (one down, announced as radio buttons) while drawing them without indicators.
void UsePushButtonLook(wxRadioButton* button) {
#ifdef __WXGTK__
    if (GtkWidget* widget = button->GetHandle(); widget && GTK_IS_TOGGLE_BUTTON(widget))
        gtk_toggle_button_set_mode(GTK_TOGGLE_BUTTON(widget), FALSE);
#else
    (void)button;
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
wxBEGIN_EVENT_TABLE(CScheduleItemDlg, wxDialog)
    EVT_INIT_DIALOG(CScheduleItemDlg::OnInitDialogEvent)
    EVT_COMMAND_SCROLL(IDC_RATE_SLIDER, CScheduleItemDlg::OnRateScroll)
    EVT_COMMAND_SCROLL(IDC_SIZE_SLIDER, CScheduleItemDlg::OnSizeScroll)
    EVT_SLIDER(IDC_RATE_SLIDER, CScheduleItemDlg::OnSliderChanged)
    EVT_SLIDER(IDC_SIZE_SLIDER, CScheduleItemDlg::OnSliderChanged)
    EVT_CHOICE(IDC_TRIGGER, CScheduleItemDlg::OnTriggerChoice)
    EVT_BUTTON(wxID_OK, CScheduleItemDlg::OnOK)
    EVT_BUTTON(wxID_CANCEL, CScheduleItemDlg::OnCancel)
    EVT_CLOSE(CScheduleItemDlg::OnClose)
wxEND_EVENT_TABLE()
// clang-format on

CScheduleItemDlg::CScheduleItemDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "Schedule Item", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
    SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    // Both times start at midnight; the command fills in everything else.
    form.startTime = TimeOfDay{};
    form.stopTime = TimeOfDay{};
    CreateControls();
    Centre();
}

void CScheduleItemDlg::CreateControls() {
    TemplateLayout layout;
    auto group = [&](const char* caption, int x, int y, int w, int h) { layout.AddGroup(this, caption, x, y, w, h); };
    auto dayList = [&](int id, const char* name, int x, int y, int w, int h) {
        auto* list = new wxChoice(this, id);
        for (int day = 1; day <= 7; ++day) list->Append(WeekdayName(day));
        SetAccessibleName(list, name);
        layout.Add(list, x, y, w, h, TemplateLayout::kNaturalHeight);
        return list;
    };
    auto picker = [&](int id, const char* name, int x, int y, int w, int h) {
        auto* p = new wxTimePickerCtrl(this, id, PickerValue(TimeOfDay{}));
        SetAccessibleName(p, name);
        layout.Add(p, x, y, w, h);
        return p;
    };
    auto slider = [&](int id, const char* name, int value, int min, int max, int x, int y, int w, int h) {
        auto* s = new wxSlider(this, id, value, min, max, wxDefaultPosition, wxDefaultSize, wxSL_HORIZONTAL);
        SetAccessibleName(s, name);
        layout.Add(s, x, y, w, h);
        return s;
    };
    auto readOnly = [&](int id, const char* name, int x, int y, int w, int h) {
        auto* edit = new wxTextCtrl(this, id, "", wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
        SetAccessibleName(edit, name);
        layout.Add(edit, x, y, w, h);
        return edit;
    };
    auto label = [&](int id, const char* text, long align, int x, int y, int w, int h) {
        auto* s = new wxStaticText(this, id, text, wxDefaultPosition, wxDefaultSize, align | wxST_NO_AUTORESIZE);
        CentreVertically(s);
        layout.Add(s, x, y, w, h);
        return s;
    };
    auto modeButton = [&](int id, const char* caption, long style, int x, int y, int w, int h) {
        auto* b = new wxRadioButton(this, id, caption, wxDefaultPosition, wxDefaultSize, style);
        UsePushButtonLook(b);
        layout.Add(b, x, y, w, h);
        return b;
    };

    // Template order is the tab order.
    group("Start", 7, 7, 207, 34);
    startDay_ = dayList(IDC_START_DAY, "Start day", 15, 19, 96, 162);
    startTime_ = picker(IDC_START_TIME, "Start time", 128, 19, 76, 15);
    group("Stop", 7, 43, 207, 33);
    stopDay_ = dayList(IDC_STOP_DAY, "Stop day", 15, 55, 96, 122);
    stopTime_ = picker(IDC_STOP_TIME, "Stop time", 128, 55, 76, 15);
    group("Images Per Second", 7, 79, 207, 51);
    rate_ = slider(IDC_RATE_SLIDER, "Images Per Second", 0, 0, kRatePositions - 1, 15, 91, 189, 15);
    label(wxID_ANY, "PAL", wxALIGN_RIGHT, 15, 109, 24, 14);
    pal_ = readOnly(IDC_PAL_TEXT, "PAL", 50, 109, 40, 14);
    ntsc_ = readOnly(IDC_NTSC_TEXT, "NTSC", 125, 109, 40, 14);
    label(wxID_ANY, "NTSC", wxALIGN_LEFT, 176, 109, 28, 14);
    group("Image Size", 7, 132, 207, 35);
    size_ = slider(IDC_SIZE_SLIDER, "Image Size", kMaxSizeKB, kMinSizeKB, kMaxSizeKB, 15, 145, 142, 15);
    sizeText_ = readOnly(IDC_SIZE_TEXT, "Image Size in kB", 161, 145, 40, 14);
    group("Image Mode", 7, 170, 76, 56);
    field_ = modeButton(IDC_FIELD, "Field", wxRB_GROUP, 19, 184, 50, 14);
    frame_ = modeButton(IDC_FRAME, "Frame", 0, 19, 204, 50, 14);
    group("Trigger", 89, 170, 125, 56);
    trigger_ = new wxChoice(this, IDC_TRIGGER);
    // The list index is the trigger code; "VMD" is not offered.
    for (int code = 0; code < kDialogTriggerCount; ++code) trigger_->Append(TriggerText(code));
    SetAccessibleName(trigger_, "Trigger");
    layout.Add(trigger_, 99, 184, 106, 140, TemplateLayout::kNaturalHeight);
    duration_ = new wxTextCtrl(this, IDC_DURATION, "", wxDefaultPosition, wxDefaultSize, wxTE_RIGHT,
                               wxTextValidator(wxFILTER_DIGITS));
    SetAccessibleName(duration_, "Duration");
    layout.Add(duration_, 99, 204, 40, 14);
    seconds_ = label(IDC_SECONDS, "seconds", wxALIGN_LEFT, 143, 204, 39, 14);
    group("Miscellaneous", 7, 228, 207, 31);
    videoOut_ = new wxCheckBox(this, IDC_VIDEO_OUT, "Video Out");
    layout.Add(videoOut_, 80, 241, 47, 10);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    layout.Add(ok, 52, 266, 50, 14);
    layout.Add(new wxButton(this, wxID_CANCEL, "Cancel"), 118, 266, 50, 14);
    // GTK sizes entries and push-look radio buttons by their final style only once the
    // window exists, so the layout is measured on the realised window.
#ifdef __WXGTK__
    gtk_widget_realize(GetHandle());
#endif
    for (wxWindow* child : GetChildren()) child->InvalidateBestSize();
    layout.Apply(this, kTemplateWidth, kTemplateHeight);
}

bool CScheduleItemDlg::TransferDataToWindow() {
    startTime_->SetValue(PickerValue(form.startTime));
    stopTime_->SetValue(PickerValue(form.stopTime));
    return wxDialog::TransferDataToWindow();
}

bool CScheduleItemDlg::TransferDataFromWindow() {
    form.startTime = PickerTime(startTime_->GetValue());
    form.stopTime = PickerTime(stopTime_->GetValue());
    return wxDialog::TransferDataFromWindow();
}

void CScheduleItemDlg::OnInitDialogEvent(wxInitDialogEvent&) { OnInitDialog(); }

void CScheduleItemDlg::OnInitDialog() {
    TransferDataToWindow();
    startDay_->SetSelection(DayIndex(form.startDay));
    stopDay_->SetSelection(DayIndex(form.stopDay));

    form.ratePosition = RatePosition(static_cast<std::uint32_t>(form.rateCode));
    rate_->SetValue(form.ratePosition);
    ShowRates();
    // A foreign size opens at the nearer end of the range.
    size_->SetValue(std::clamp(form.sizeKB, kMinSizeKB, kMaxSizeKB));
    ShowSize();

    (form.frame ? frame_ : field_)->SetValue(true);
    trigger_->SetSelection(TriggerListIndex(form.trigger));
    triggerListUsed_ = false;
    duration_->ChangeValue(wxString::Format("%d", form.duration));
    UpdateTriggerControls();
    videoOut_->SetValue(form.videoOut);
    // Filling a picker moves the focus into it; the dialog opens on its first control.
    startDay_->SetFocus();
}

void CScheduleItemDlg::ShowRates() {
    const RateStep& step = RateAt(rate_);
    pal_->ChangeValue(FormatTenths(step.pal10));
    ntsc_->ChangeValue(FormatTenths(step.ntsc10));
}

void CScheduleItemDlg::ShowSize() { sizeText_->ChangeValue(wxString::Format("%dkB", size_->GetValue())); }

void CScheduleItemDlg::UpdateTriggerControls() {
    // Only an alarm trigger records for a duration; nothing selected counts as continuous.
    const bool alarm = trigger_->GetSelection() > kTriggerContinuous;
    duration_->Enable(alarm);
    seconds_->Enable(alarm);
}

void CScheduleItemDlg::OnRateScroll(wxScrollEvent& event) {
    // The end-of-scroll notification brings no new position.
    if (event.GetEventType() != wxEVT_SCROLL_CHANGED) ShowRates();
}

void CScheduleItemDlg::OnSizeScroll(wxScrollEvent& event) {
    if (event.GetEventType() != wxEVT_SCROLL_CHANGED) ShowSize();
}

// GTK reports some moves (the mouse wheel, assistive tools) only as a value change.
void CScheduleItemDlg::OnSliderChanged(wxCommandEvent& event) {
    if (event.GetId() == IDC_RATE_SLIDER)
        ShowRates();
    else
        ShowSize();
}

void CScheduleItemDlg::OnTriggerChoice(wxCommandEvent&) {
    triggerListUsed_ = true;
    UpdateTriggerControls();
}

int CScheduleItemDlg::SelectedDay(const wxChoice* list) const {
    // The lists always hold a selection; should one ever be missing, Monday is read
    // rather than a day before the week.
    return std::max(list->GetSelection(), 0) + 1;
}

void CScheduleItemDlg::OnOK(wxCommandEvent&) {
    form.startDay = SelectedDay(startDay_);
    form.stopDay = SelectedDay(stopDay_);
    form.rateCode = static_cast<int>(RateAt(rate_).rateCode);
    form.sizeKB = size_->GetValue();
    form.frame = frame_->GetValue();
    form.trigger = DialogTrigger(form.trigger, trigger_->GetSelection(), triggerListUsed_);
    form.duration = std::max(ReadDuration(duration_), 0);
    form.videoOut = videoOut_->GetValue();
    TransferDataFromWindow();
    CloseWith(wxID_OK);
}

bool CScheduleItemDlg::ControlsDifferFromForm() const {
    // Values are compared, not edits: a control moved away and back again is unchanged.
    return startDay_->GetSelection() + 1 != form.startDay || stopDay_->GetSelection() + 1 != form.stopDay ||
           PickerTime(startTime_->GetValue()) != form.startTime ||
           PickerTime(stopTime_->GetValue()) != form.stopTime || rate_->GetValue() != form.ratePosition ||
           size_->GetValue() != form.sizeKB || frame_->GetValue() != form.frame ||
           DialogTrigger(form.trigger, trigger_->GetSelection(), triggerListUsed_) != form.trigger ||
           ReadDuration(duration_) != form.duration ||
           videoOut_->GetValue() != form.videoOut;
}

void CScheduleItemDlg::OnCancel(wxCommandEvent&) {
    if (ControlsDifferFromForm() &&
        wxMessageBox(kMsgDiscardChanges, kTitleConfirmCancel, wxYES_NO | wxICON_QUESTION, this) != wxYES)
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
