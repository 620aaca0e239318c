#pragma once
// The editor's main window: the configuration being edited, the schedule table and week strip
// that show it, and the commands.
#include <filesystem>

#include <wx/dataview.h>
#include <wx/dialog.h>

#include "document/config_document.h"
#include "model/entry_form.h"
#include "storage/card_probe.h"
#include "storage/storage_outcome.h"

class CScheduleList;
class CWeekStrip;

class CConfigDlg : public wxDialog {
public:
    // cards: where the card commands look for cards (tests pass a locator over a folder).
    explicit CConfigDlg(wxWindow* parent = nullptr, CardLocator cards = CardLocator::ForThisSystem());
    ~CConfigDlg() override;

    ConfigDocument& Document() { return document_; }
    const ConfigDocument& Document() const { return document_; }
    const ConfigImage& Image() const { return document_.Image(); }
    CScheduleList* List() const { return list_; }
    CWeekStrip* WeekStrip() const { return weekStrip_; }
    const CardLocator& Cards() const { return cards_; }

    void AutosizeColumns();
    long SelectedRow() const;  // -1 when none

    void SetModified() { document_.SetModified(); }
    void ClearModified() { document_.ClearModified(); }
    bool IsModified() const { return document_.IsModified(); }
    // "Discard current changes" when modified; false when the operator answers No.
    bool AskDiscard();

    // Load and save at a path, reporting every failure in a message box.
    bool LoadConfig(const std::filesystem::path& path);
    bool SaveConfig(const std::filesystem::path& path);
    // Reports a save that failed; clears the modified flag after one that succeeded.
    bool Saved(const StorageOutcome& outcome);
    // The file chooser; empty when cancelled.
    wxString ChooseFile(bool save);

    void ShowAbout();

    // The commands, reachable by tests as an operator reaches them through the buttons.
    void OnNew(wxCommandEvent& event);
    void OnCopy(wxCommandEvent& event);
    void OnCopyToDays(wxCommandEvent& event);
    void OnEdit(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnDeleteAll(wxCommandEvent& event);
    void OnLoadFromCard(wxCommandEvent& event);
    void OnSaveToCard(wxCommandEvent& event);
    void OnLoadFromFile(wxCommandEvent& event);
    void OnSaveToFile(wxCommandEvent& event);
    void OnUndo(wxCommandEvent& event);
    void OnRedo(wxCommandEvent& event);

private:
    // Opens the schedule item dialog on form until its entry fits the schedule or the
    // operator cancels; excludeSlot is the slot being edited, kNoSlot for New and Copy.
    bool RunEntryDialog(EntryForm& form, int excludeSlot);
    void ShowError(const wxString& message, const wxString& detail = wxString());

    void CreateControls();
    void SizeToDisplay();
    void OnClose(wxCloseEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnListActivated(wxDataViewEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnAboutCommand(wxCommandEvent& event);
    void OnWeekStripActivate(wxCommandEvent& event);
    void OnWeekStripDrawn(wxCommandEvent& event);
    void OnListContextMenu(wxDataViewEvent& event);

    ConfigDocument document_;
    CardLocator cards_;
    CScheduleList* list_ = nullptr;
    CWeekStrip* weekStrip_ = nullptr;

    wxDECLARE_EVENT_TABLE();
};
