#pragma once
// The Copy To Days dialog: the operator ticks the days an entry is to be copied to. The
// entry's own start day stands ticked and cannot be changed. Opened again after a refusal, it
// can show the days the operator had ticked.
#include <array>
#include <vector>

#include <wx/checkbox.h>

#include "ui/common/dialog_base.h"

class CCopyToDaysDlg : public CDialogBase {
public:
    enum Id {
        ID_WEEKDAYS = wxID_HIGHEST + 1,
        ID_WEEKEND,
        ID_FIRST_DAY,  // Monday's check box; Sunday's is ID_FIRST_DAY + 6
    };

    // sourceDay is the entry's start day, 1 = Monday .. 7 = Sunday (no day is fixed outside it);
    // tickedDays (days 1 to 7, any order, others ignored) open ticked, as ChosenDays gave them.
    CCopyToDaysDlg(wxWindow* parent, int sourceDay, const std::vector<int>& tickedDays = {});

    // The days ticked besides the source's own, in weekday order; read after OK.
    std::vector<int> ChosenDays() const;

    wxCheckBox* DayBox(int day) const { return days_[static_cast<std::size_t>(day - 1)]; }

private:
    void TickDays(int firstDay, int lastDay);
    void OnWeekdays(wxCommandEvent& event);
    void OnWeekend(wxCommandEvent& event);

    int sourceDay_;
    std::array<wxCheckBox*, 7> days_{};

    wxDECLARE_EVENT_TABLE();
};
