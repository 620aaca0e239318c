#pragma once
// The editor's main window: the configuration being edited, the schedule table and week strip
// that show it, and the commands. Its parts: config_dlg.cpp lays it out and answers keys and
// menus, config_dlg_schedule.cpp the schedule commands, config_dlg_files.cpp loading and saving
// with the file commands, config_dlg_cards.cpp the card commands and Copy To Cards, config_dlg_print.cpp Print
// and Print Preview.
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <wx/cmndata.h>
#include <wx/dataview.h>
#include <wx/dialog.h>

#include "document/card_copy_run.h"
#include "document/config_document.h"
#include "document/schedule_source.h"
#include "model/entry_form.h"
#include "storage/card_probe.h"
#include "storage/storage_outcome.h"

class CScheduleList;
class CStatusLine;
class CWeekStrip;

class CConfigDlg : public wxDialog {
public:
    // cards: where the card commands look for cards (tests pass a locator over a folder).
    explicit CConfigDlg(wxWindow* parent = nullptr, CardLocator cards = CardLocator::ForThisSystem());
    ~CConfigDlg() override;

    // What the window shows and edits; the table and the strip draw from it.
    ConfigDocument& Document() { return document_; }
    const ConfigDocument& Document() const { return document_; }
    CScheduleList* List() const { return list_; }
    CWeekStrip* WeekStrip() const { return weekStrip_; }
    CStatusLine* StatusLine() const { return statusLine_; }

    // Loads the file at path as Load From File does, for a file named on the command line or
    // dropped on the window: "Discard current changes" first when modified, ".DAT" added to a
    // name that names nothing, the result in the status line and a failure in a message box.
    // False when nothing was loaded.
    bool OpenFile(const wxString& path);
    // Files dropped on the window: one file is opened as OpenFile does; more than one, or a
    // folder, is refused with a message before anything is asked, and nothing changes.
    bool OpenDropped(const wxArrayString& paths);
    // How Copy To Cards writes each card (tests pass slow or failing ones); the real copy by default.
    void UseCardCopy(CardCopyRun::CopyFunction copy) { cardCopy_ = std::move(copy); }

private:
    // "Discard current changes" when modified; false when the operator answers No.
    bool AskDiscard();
    // Loads the configuration at path (card: the card's label; empty for a file), with the
    // result in the status line and a failure in a message box too.
    bool LoadConfig(const std::filesystem::path& path, const wxString& card = wxString());
    // The same for a save; the modified flag is cleared once it succeeded.
    bool ReportSave(const StorageOutcome& outcome, const wxString& card = wxString());
    // A load or save that failed: notDone ("Not loaded: %s", translated) filled with the reason
    // in the status line, the message with the file and the reason in a message box.
    void ReportStorageFailure(const wxString& notDone, const StorageOutcome& outcome, const wxString& card);
    // Remembers where the schedule came from or went to (card: the card's label, the path its
    // CONFIG01.DAT), for Save, the title and the printout's header.
    void SetSource(const std::filesystem::path& path, const wxString& card);
    // Where the schedule stands, as the printout's header names it: the path or "Card CARD";
    // empty before anything was loaded or saved.
    wxString SourceText() const;
    // The file last loaded or saved (a card's CONFIG01.DAT); empty before anything was.
    wxString SourcePath() const;
    // "*WEEK.DAT – ORVANTIS and SELDORIX Configuration": what is open, and whether it has
    // unsaved changes; the application's name alone before anything was loaded or saved.
    void UpdateTitle();
    // Saves to the card labelled label, found again among the inserted cards, after the
    // question when its file changed since; false when nothing was saved.
    bool SaveBackToCard(const wxString& label);
    // Before a save of the whole configuration onto the card at root (named card): when the
    // card's file differs outside the schedule, asks whether its own settings there are to be
    // replaced, No the default; false on No, with the status line saying nothing was saved.
    bool ConfirmReplaceCardSettings(const std::filesystem::path& root, const wxString& card);
    // The status line after Copy To Cards: how many of the cards were copied and why the
    // others were not; the modified flag cleared when every card was copied and verified.
    void ReportCardCopies(const std::vector<CardCopyResult>& results, bool everyCardCopied);
    // Saves to the file at path (a card's own file through the card save); false when nothing
    // was saved. With askIfChanged, a file changed since it was loaded or saved is overwritten
    // only after the operator says so.
    bool SaveToPath(const std::filesystem::path& path, bool askIfChanged);
    // "This file was changed ..." with No as the default; false on No.
    bool ConfirmOverwriteChanged(const std::filesystem::path& path);
    // Undo (or redo) with the status line saying what was taken back or made again.
    void UndoStep(bool redo);

    // Reports a refused change in a message box; false when the change was made.
    bool Refused(const EditOutcome& outcome);
    // Opens the schedule item dialog on form and applies what the operator enters, opening it
    // again on the entered values after an overlap, until it is applied or cancelled.
    void RunEntryDialog(EntryForm form, const std::function<EditOutcome(const EntryForm&)>& apply);
    // New, Copy and a span drawn on the strip: form through the dialog into a new entry.
    void AddThroughDialog(const EntryForm& form);
    void ShowError(const wxString& message, const wxString& detail = wxString());
    // Where the schedule came from, as a printout's header line names it.
    wxString PrintedSource() const;

    void CreateControls();
    void SizeToDisplay();
    // Greys the commands that cannot act on the document as it stands.
    void EnableCommands();
    // Whether a key was pressed in window or one of its children.
    bool InWindow(const wxKeyEvent& event, const wxWindow* window) const;
    bool InScheduleViews(const wxKeyEvent& event) const;
    // Where the command menu opens from the keyboard: under the selected bar or row.
    wxPoint MenuAnchor() const;

    void OnNew(wxCommandEvent& event);
    void OnCopy(wxCommandEvent& event);
    void OnCopyToDays(wxCommandEvent& event);
    void OnEdit(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnDeleteAll(wxCommandEvent& event);
    // The day the whole-day commands act on: the row right-clicked on the strip while its menu
    // is open, else the selected entry's start day; none without either.
    std::optional<int> CommandDay() const;
    void OnCopyDayToDays(wxCommandEvent& event);
    void OnClearDay(wxCommandEvent& event);
    void OnLoadFromCard(wxCommandEvent& event);
    void OnSaveToCard(wxCommandEvent& event);
    void OnCopyToCards(wxCommandEvent& event);
    void OnLoadFromFile(wxCommandEvent& event);
    void OnSaveToFile(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnPrint(wxCommandEvent& event);
    void OnPrintPreview(wxCommandEvent& event);
    void OnMoveMenu(wxCommandEvent& event);
    void OnUndo(wxCommandEvent& event);
    void OnRedo(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnListActivated(wxDataViewEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnAboutCommand(wxCommandEvent& event);
    void OnWeekStripActivate(wxCommandEvent& event);
    void OnWeekStripDrawn(wxCommandEvent& event);
    void OnWeekStripMoved(wxCommandEvent& event);
    void OnListContextMenu(wxDataViewEvent& event);

    ConfigDocument document_;
    CardLocator cards_;
    CardCopyRun::CopyFunction cardCopy_;  // empty: the real copy
    CScheduleList* list_ = nullptr;
    CWeekStrip* weekStrip_ = nullptr;
    CStatusLine* statusLine_ = nullptr;
    int documentListener_ = 0;
    std::unique_ptr<class CFocusReturn> focusReturn_;  // puts the focus back after each dialog
    ScheduleSource source_;  // the file or card last loaded or saved; none for a new schedule
    wxPrintData printData_;  // the printer, paper and orientation last chosen
    std::optional<int> menuDay_;  // the strip's row under a right-click, while its menu is open

    wxDECLARE_EVENT_TABLE();
};
