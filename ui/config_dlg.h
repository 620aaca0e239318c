#pragma once
// The editor's main window: the configuration image, the schedule list and the commands.
#include <filesystem>

#include <wx/dialog.h>
#include <wx/listctrl.h>

#include "model/entry_form.h"
#include "storage/card_probe.h"
#include "storage/config_image.h"

class CWeekStrip;

class CConfigDlg : public wxDialog {
public:
    // cards: where the card commands look for cards (tests pass a locator over a folder).
    explicit CConfigDlg(wxWindow* parent = nullptr,
                        CardLocator cards = CardLocator::ForThisSystem());

    // The schedule list; each row's item data is the slot index it shows.
    void AddRow(std::size_t index);
    void RebuildRows();
    void AutosizeColumns();
    long SelectedRow() const;  // -1 when none

    void SetModified() { modified_ = true; }
    void ClearModified() { modified_ = false; }
    bool IsModified() const { return modified_; }
    // "Discard current changes" when modified; false when the operator answers No.
    bool AskDiscard();

    // Load and save at a path, reporting every failure in a message box.
    bool LoadConfig(const std::filesystem::path& path);
    bool SaveConfig(const std::filesystem::path& path);
    // The file chooser; empty when cancelled.
    wxString ChooseFile(bool save);

    ConfigImage& Image() { return image_; }
    const ConfigImage& Image() const { return image_; }
    wxListCtrl* List() const { return list_; }
    const CardLocator& Cards() const { return cards_; }

    void ShowAbout();

    // The week strip under the list shows the schedule as a week; it follows the list.
    CWeekStrip* WeekStrip() const { return weekStrip_; }
    void RefreshWeekStrip();

    // The commands, reachable by tests as an operator reaches them through the buttons.
    void OnNew(wxCommandEvent& event);
    void OnCopy(wxCommandEvent& event);
    void OnEdit(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnDeleteAll(wxCommandEvent& event);
    void OnLoadFromCard(wxCommandEvent& event);
    void OnSaveToCard(wxCommandEvent& event);
    void OnLoadFromFile(wxCommandEvent& event);
    void OnSaveToFile(wxCommandEvent& event);

private:
    // Opens the schedule item dialog on form until its entry fits the schedule or the
    // operator cancels; excludeIndex is the slot being edited, -1 for New and Copy.
    bool RunEntryDialog(EntryForm& form, int excludeIndex);
    void AppendFromForm(const EntryForm& form);
    void ShowError(const wxString& message);

    void CreateControls();
    void OnClose(wxCloseEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnListActivated(wxListEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnAboutCommand(wxCommandEvent& event);
    void OnWeekStripSelect(wxCommandEvent& event);
    void OnWeekStripActivate(wxCommandEvent& event);
    void OnListSelectionChanged(wxListEvent& event);
    void OnListRowsChanged(wxListEvent& event);
    void SelectSlotRow(int slot);

    ConfigImage image_;
    bool modified_ = false;
    CardLocator cards_;
    wxListCtrl* list_ = nullptr;
    CWeekStrip* weekStrip_ = nullptr;
    bool stripRefreshPending_ = false;

    wxDECLARE_EVENT_TABLE();
};
