#pragma once
// The select card dialog: lists the recorder cards present right now, following them as
// they are inserted and removed, and hands back the one the operator picked.
#include <filesystem>
#include <vector>

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/timer.h>

#include "storage/card_probe.h"
#include "ui/common/dialog_base.h"

class CSelectCardDlg : public CDialogBase {
public:
    static constexpr int kRescanPeriodMs = 250;

    CSelectCardDlg(wxWindow* parent, CardLocator cards);

    // Brings the list in step with the cards present: new cards are added unselected,
    // rows of cards that went away are removed, rows still present keep their selection.
    // OK is enabled exactly when a row is selected. The hint line under the list says the
    // selected card was removed once its row went, until a row is selected or that card is
    // listed again, and otherwise, while the list is empty, what the dialog waits for.
    void Rescan();

    // After OK: the label of the selected card and its root. OK, Enter and a double-click
    // close the dialog only with a card selected, so both are empty only after Cancel.
    const wxString& ChosenLabel() const { return chosenLabel_; }
    const std::filesystem::path& ChosenRoot() const { return chosenRoot_; }

    wxListBox* List() const { return list_; }
    wxButton* OkButton() const { return ok_; }
    wxStaticText* Hint() const { return hint_; }
    bool IsRescanning() const { return timer_.IsRunning(); }

private:
    void CreateControls();
    void UpdateOkAndHint();
    struct Offered {
        wxString shown;  // the row's text
        std::filesystem::path root;
    };
    const Offered* FindCard(const wxString& shown) const;

    void OnInitDialog(wxInitDialogEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnSelectionChanged(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnDoubleClick(wxCommandEvent& event);

    CardLocator locator_;
    std::vector<Offered> present_;  // the cards found by the last rescan
    wxListBox* list_ = nullptr;
    wxButton* ok_ = nullptr;
    wxStaticText* hint_ = nullptr;  // what the dialog waits for, or that the selected card went
    wxString removed_;               // the selected card whose row went, while no row was selected
                                     // since and it is not listed again; empty otherwise
    wxTimer timer_;
    wxString chosenLabel_;
    std::filesystem::path chosenRoot_;

    wxDECLARE_EVENT_TABLE();
};
