#include "ui/dialogs/copy_to_days_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include "model/week_time.h"
#include "ui/common/app_icon.h"

namespace {
constexpr int kMonday = 1, kFriday = 5, kSaturday = 6, kSunday = 7;
}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CCopyToDaysDlg, CDialogBase)
    EVT_BUTTON(CCopyToDaysDlg::ID_WEEKDAYS, CCopyToDaysDlg::OnWeekdays)
    EVT_BUTTON(CCopyToDaysDlg::ID_WEEKEND, CCopyToDaysDlg::OnWeekend)
wxEND_EVENT_TABLE()
// clang-format on

CCopyToDaysDlg::CCopyToDaysDlg(wxWindow* parent, int sourceDay, const std::vector<int>& tickedDays)
    : CDialogBase(parent, _("Copy To Days")), sourceDay_(sourceDay) {
    SetIcons(AppIcons());

    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, _("Days"));
    for (int day = kMonday; day <= kSunday; ++day) {
        auto* box = new wxCheckBox(group->GetStaticBox(), ID_FIRST_DAY + day - 1, wxString::FromUTF8(WeekdayName(day)));
        if (day == sourceDay_) {
            box->SetValue(true);
            box->Disable();
        }
        days_[static_cast<std::size_t>(day - 1)] = box;
        group->Add(box, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP));
    }
    auto* shortcuts = new wxBoxSizer(wxHORIZONTAL);
    shortcuts->Add(new wxButton(group->GetStaticBox(), ID_WEEKDAYS, _("&Weekdays")), wxSizerFlags().Border(wxRIGHT));
    shortcuts->Add(new wxButton(group->GetStaticBox(), ID_WEEKEND, _("Weeke&nd")));
    group->Add(shortcuts, wxSizerFlags().Border());
    for (int day : tickedDays)
        if (day >= kMonday && day <= kSunday) DayBox(day)->SetValue(true);
    FinishLayout(group, wxOK | wxCANCEL);  // OK is the default button
}

std::vector<int> CCopyToDaysDlg::ChosenDays() const {
    std::vector<int> chosen;
    for (int day = kMonday; day <= kSunday; ++day)
        if (day != sourceDay_ && DayBox(day)->IsChecked()) chosen.push_back(day);
    return chosen;
}

void CCopyToDaysDlg::TickDays(int firstDay, int lastDay) {
    for (int day = firstDay; day <= lastDay; ++day)
        if (day != sourceDay_) DayBox(day)->SetValue(true);
}

void CCopyToDaysDlg::OnWeekdays(wxCommandEvent&) { TickDays(kMonday, kFriday); }
void CCopyToDaysDlg::OnWeekend(wxCommandEvent&) { TickDays(kSaturday, kSunday); }
