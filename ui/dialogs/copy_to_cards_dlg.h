#pragma once
// The Copy To Cards dialog: every inserted card with what it holds, followed as cards are
// inserted and removed; the operator ticks cards and copies the schedule alone onto them, one
// worker per card, each row showing how its card fares. The window stays live meanwhile;
// Close waits for the cards already begun and skips the rest.
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/scrolwin.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/timer.h>

#include "document/card_copy_run.h"
#include "storage/card_probe.h"
#include "storage/card_survey.h"
#include "storage/config_image.h"
#include "ui/common/dialog_base.h"

// Why a card was not copied: the storage outcome's reason, or that the dialog was closed first.
wxString CardCopyFailure(const CardCopyResult& result);

class CCopyToCardsDlg : public CDialogBase {
public:
    static constexpr int kRescanPeriodMs = 250;
    enum Id {
        ID_SELECT_ALL = wxID_HIGHEST + 1,
        ID_COPY_AGAIN,
    };

    // schedule: the configuration whose count and slots are copied. copy: how one card is
    // written (CopyScheduleToCard by default; tests and the bench pass slow or failing ones).
    CCopyToCardsDlg(wxWindow* parent, CardLocator cards, const ConfigImage& schedule,
                    CardCopyRun::CopyFunction copy = {});
    // Waits for the cards being written: no worker outlives the window.
    ~CCopyToCardsDlg() override;

    // Brings the rows in step with the inserted cards: new cards come unticked, rows of cards
    // that went go (unless they have a result to show), rows that stay keep their tick; each
    // row says what its card holds. Cards being written are not read meanwhile.
    void Rescan();

    // Every card copied onto in this dialog, with its latest result, in the order of the rows.
    std::vector<CardCopyResult> Results() const;
    // True once a copy ran and every card it was given was copied and verified.
    bool EveryCardCopied() const;
    bool IsCopying() const { return run_ && !runEnded_; }

    // The rows, for the tests: labels in order, and a row's parts by its card's label.
    std::vector<wxString> Labels() const;
    wxCheckBox* CardBox(const wxString& label) const;
    wxStaticText* HoldsText(const wxString& label) const;
    wxStaticText* ResultText(const wxString& label) const;
    wxStaticText* Hint() const { return hint_; }
    bool IsRescanning() const { return timer_.IsRunning(); }

private:
    struct Row {
        CardRoot card;
        CardSurvey survey;
        bool inserted = false;  // listed by the last rescan
        wxCheckBox* box = nullptr;
        wxStaticText* holds = nullptr;
        wxStaticText* result = nullptr;
        std::optional<CardCopyResult> copied;  // this dialog's latest copy onto the card
    };

    void CreateControls();
    Row& AddRow(const SurveyedCard& card);
    void PlaceRows();  // the rows into the grid, in their order, and the tab order after them
    void ShowRow(Row& row);
    void UpdateButtons();
    Row* FindRow(const std::string& label);
    const Row* FindRow(const wxString& label) const;
    bool InRun(const std::string& label) const;
    // Starts run_ (a new one over cards, or again over its failed ones) with the rows told.
    void StartRun(std::vector<CardRoot> cards);
    void OnCardChanged(std::size_t index, const CardCopyResult& result);
    void EndRun();
    void CloseWhenDone();

    void OnInitDialog(wxInitDialogEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnTick(wxCommandEvent& event);
    void OnSelectAll(wxCommandEvent& event);
    void OnCopy(wxCommandEvent& event);
    void OnCopyAgain(wxCommandEvent& event);
    void OnCloseButton(wxCommandEvent& event);
    void OnCloseWindow(wxCloseEvent& event);

    CardLocator locator_;
    const ConfigImage schedule_;
    const CardCopyRun::CopyFunction copy_;
    std::vector<std::unique_ptr<Row>> rows_;  // in the order shown
    std::unique_ptr<CardCopyRun> run_;        // the latest copy, running or ended
    std::vector<std::string> runLabels_;      // run_'s cards by label, in its order
    std::size_t runPending_ = 0;              // run_'s cards not copied, failed or skipped yet
    bool runEnded_ = true;
    bool closing_ = false;                    // Close was asked for while cards were written
    wxScrolledWindow* panel_ = nullptr;
    wxFlexGridSizer* grid_ = nullptr;
    wxStaticText* hint_ = nullptr;
    wxButton* selectAll_ = nullptr;
    wxButton* copyButton_ = nullptr;
    wxButton* copyAgain_ = nullptr;
    wxButton* close_ = nullptr;
    wxTimer timer_;

    wxDECLARE_EVENT_TABLE();
};
