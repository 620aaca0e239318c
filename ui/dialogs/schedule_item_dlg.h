#pragma once
// The schedule item dialog: edits one entry's days, times, rate, size, mode, trigger,
// duration and video output. The command that opens it fills form first and reads it
// back after OK; TransferDataToWindow fills the controls from form when the dialog opens,
// and TransferDataFromWindow writes form back, on OK only.
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dateevt.h>
#include <wx/datetime.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timectrl.h>

#include "model/entry_form.h"
#include "ui/common/dialog_base.h"

// The time pickers carry a time of day on the date 1 January 2000, in local time as the
// picker shows it. Should that time not exist on that day in the local zone, the same day
// of a later year carries it, so that the time shown is always the time put in.
wxDateTime PickerValue(const TimeOfDay& time);
TimeOfDay PickerTime(const wxDateTime& value);

class CScheduleItemDlg : public CDialogBase {
public:
    explicit CScheduleItemDlg(wxWindow* parent);

    EntryForm form;

    // Every control from form: a day or size the controls cannot show at the nearest one,
    // ratePosition set to the slider position of rateCode, sliders and trigger list counted
    // as untouched.
    bool TransferDataToWindow() override;
    // Every control into form, ratePosition aside; a rate, size, trigger or duration the
    // operator left alone stays in form as it was (WithDialogPicks).
    bool TransferDataFromWindow() override;

    // OK: a duration the operator changed to a number outside 5..3600 is brought into range
    // and the dialog stays open on it; otherwise form from the controls, then close with OK.
    void OnOK(wxCommandEvent& event);
    // Cancel, Escape and the close button: close at once when the controls still hold the
    // form as it was opened, otherwise only after "Discard changes?" is answered Yes.
    void OnCancel(wxCommandEvent& event);

    void ShowRates();
    void ShowSize();
    void UpdateTriggerControls();
    // The line under Start and Stop that says how long the entry runs.
    wxStaticText* LengthLine() const { return length_; }
    // The text beside the duration that gives its range.
    wxStaticText* DurationRange() const { return range_; }

private:
    void CreateControls();
    // The sliders, trigger list and duration as they stand, with what the operator moved.
    DialogPicks Picks() const;
    // The form OK would write back.
    EntryForm FormFromControls() const;
    bool ControlsDifferFromForm() const;
    // The duration edit shows the duration the dialog stands for; true when that changed its number.
    bool BringDurationIntoRange();
    int SelectedDay(const wxChoice* list) const;
    // The length line, from the days and times the controls hold.
    void ShowLength();
    void CloseWith(int result);

    void OnInitDialog(wxInitDialogEvent& event);
    void OnRateScroll(wxScrollEvent& event);
    void OnSizeScroll(wxScrollEvent& event);
    void OnSliderChanged(wxCommandEvent& event);
    void OnTriggerChoice(wxCommandEvent& event);
    void OnDayChoice(wxCommandEvent& event);
    void OnTimeChanged(wxDateEvent& event);
    void OnDurationKillFocus(wxFocusEvent& event);
    void OnClose(wxCloseEvent& event);

    wxChoice* startDay_ = nullptr;
    wxTimePickerCtrl* startTime_ = nullptr;
    wxChoice* stopDay_ = nullptr;
    wxTimePickerCtrl* stopTime_ = nullptr;
    wxStaticText* length_ = nullptr;
    wxSlider* rate_ = nullptr;
    bool rateMoved_ = false;  // the operator moved the rate slider since opening
    wxTextCtrl* pal_ = nullptr;
    wxTextCtrl* ntsc_ = nullptr;
    wxSlider* size_ = nullptr;
    bool sizeMoved_ = false;  // the operator moved the size slider since opening
    wxTextCtrl* sizeText_ = nullptr;
    wxRadioButton* field_ = nullptr;
    wxRadioButton* frame_ = nullptr;
    wxChoice* trigger_ = nullptr;
    bool triggerListUsed_ = false;  // the operator picked from the trigger list since opening
    wxTextCtrl* duration_ = nullptr;
    wxStaticText* seconds_ = nullptr;
    wxStaticText* range_ = nullptr;
    wxCheckBox* videoOut_ = nullptr;

    wxDECLARE_EVENT_TABLE();
};
