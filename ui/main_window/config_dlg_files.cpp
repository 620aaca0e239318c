// Load and save at a path; the file commands Load From File and Save To File; a file named on
// the command line or dropped on the window.
#include "storage/config_file.h"
#include "storage/dropped_files.h"
#include "ui/main_window/config_dlg.h"
#include "ui/main_window/file_chooser.h"
#include "ui/common/messages.h"
#include "ui/main_window/status_line.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include <wx/datetime.h>
#include <wx/msgdlg.h>

namespace {
wxString TimeNow() { return wxDateTime::Now().Format("%H:%M"); }
}  // namespace

void CConfigDlg::ReportStorageFailure(const wxString& notDone, const StorageOutcome& outcome, const wxString& card) {
    const wxString reason = wxString::FromUTF8(StorageFailureReason(outcome, !card.empty()));
    statusLine_->SetLastAction(wxString::Format(notDone, reason));
    ShowError(wxGetTranslation(StorageFailureMessage(outcome.failed)), PathText(outcome.path) + "\n" + reason);
}

void CConfigDlg::SetSource(const std::filesystem::path& path, const wxString& card) {
    source_ = card.empty() ? ScheduleSource::File(path) : ScheduleSource::Card(card.utf8_string(), path.parent_path());
    UpdateTitle();
}

bool CConfigDlg::LoadConfig(const std::filesystem::path& path, const wxString& card) {
    // A version-6 file fills only the schedule: the rest comes from the image held now.
    ConfigImage loaded = document_.Image();
    const StorageOutcome outcome = LoadConfigFile(path, loaded);
    if (!outcome.Succeeded()) {
        // TRANSLATORS: the status line after a failed load; %s is why it failed.
        ReportStorageFailure(_("Not loaded: %s"), outcome, card);
        return false;
    }
    document_.Load(loaded);
    SetSource(path, card);
    if (card.empty())
        // TRANSLATORS: the status line after a load: the file's name, its folder and its
        // entries, "WEEK.DAT loaded from /home/ann (12 entries)".
        statusLine_->SetLastAction(wxString::Format(_("%s loaded from %s (%s)"), PathText(path.filename()),
                                                    PathText(path.parent_path()),
                                                    wxString::FromUTF8(EntriesText(document_.EntryCount()))));
    else
        statusLine_->SetLastAction(wxString::Format(_("Loaded from card %s"), card));
    return true;
}

bool CConfigDlg::ReportSave(const StorageOutcome& outcome, const wxString& card) {
    if (!outcome.Succeeded()) {
        // TRANSLATORS: the status line after a failed save; %s is why it failed.
        ReportStorageFailure(_("Not saved: %s"), outcome, card);
        return false;
    }
    document_.MarkSaved();
    SetSource(outcome.path, card);
    if (card.empty())
        // TRANSLATORS: the status line after a save: the file and the time, "Saved to /home/ann/WEEK.DAT at 14:02".
        statusLine_->SetLastAction(wxString::Format(_("Saved to %s at %s"), PathText(outcome.path), TimeNow()));
    else
        // TRANSLATORS: the status line after a save: the card's name and the time.
        statusLine_->SetLastAction(wxString::Format(_("Saved to card %s at %s"), card, TimeNow()));
    return true;
}

bool CConfigDlg::OpenFile(const wxString& path) {
    if (!AskDiscard()) return false;
    // A name from the command line may be relative: the status line names the folder.
    std::error_code ignored;
    const std::filesystem::path named = PathOf(FileToOpen(path));
    const std::filesystem::path absolute = std::filesystem::absolute(named, ignored);
    return LoadConfig(absolute.empty() ? named : absolute);
}

bool CConfigDlg::OpenDropped(const wxArrayString& paths) {
    std::vector<std::filesystem::path> dropped;
    for (const wxString& path : paths) dropped.push_back(PathOf(path));
    switch (JudgeDrop(dropped)) {
        case DropVerdict::kLoad: return OpenFile(paths.front());
        case DropVerdict::kSeveral: {
            const unsigned count = static_cast<unsigned>(std::min<std::size_t>(paths.size(), 0xFFFFFFFFu));
            statusLine_->SetLastAction(wxString::Format(
                _("Not loaded: %s"), wxString::Format(wxPLURAL("%zu file or folder was dropped",
                                                               "%zu files or folders were dropped", count),
                                                      paths.size())));
            ShowError(wxGetTranslation(kMsgDropOneFile),
                      wxString::Format(wxPLURAL("%zu file or folder was dropped; nothing was loaded.",
                                                "%zu files or folders were dropped; nothing was loaded.", count),
                                       paths.size()));
            return false;
        }
        case DropVerdict::kFolder:
            statusLine_->SetLastAction(_("Not loaded: a folder was dropped"));
            ShowError(wxGetTranslation(kMsgDropFolder), PathText(dropped.front()) + "\n" + _("Nothing was loaded."));
            return false;
    }
    return false;
}

void CConfigDlg::OnLoadFromFile(wxCommandEvent&) {
    if (!AskDiscard()) return;
    const wxString path = ChooseConfigFile(this, false, SourcePath());
    if (path.empty()) return;
    LoadConfig(PathOf(path));
}

void CConfigDlg::OnSaveToFile(wxCommandEvent&) {
    // The chooser starts at the file last loaded or saved.
    const wxString path = ChooseConfigFile(this, true, SourcePath());
    if (path.empty()) return;
    SaveToPath(PathOf(path), false);
}

void CConfigDlg::OnSave(wxCommandEvent& event) {
    const SavePlan plan = PlanSave(source_);
    switch (plan.route) {
        case SavePlan::Route::kChooseFile: OnSaveToFile(event); return;
        case SavePlan::Route::kCard: SaveBackToCard(wxString::FromUTF8(plan.cardLabel)); return;
        case SavePlan::Route::kFile:
        case SavePlan::Route::kCardFolder: SaveToPath(plan.path, true); return;
    }
}

bool CConfigDlg::SaveToPath(const std::filesystem::path& path, bool askIfChanged) {
    const SavePlan plan = PlanFileSave(path);
    // The card's own file is written only through the card save, and only on a card.
    if (plan.route == SavePlan::Route::kFile && IsReservedFileName(PathText(path).utf8_string())) {
        // TRANSLATORS: the status line after a save was refused; %s is the message shown.
        statusLine_->SetLastAction(wxString::Format(_("Not saved: %s"), wxGetTranslation(kMsgReservedName)));
        ShowError(wxGetTranslation(kMsgReservedName), PathText(path));
        return false;
    }
    if (askIfChanged && ChangedOnDisk(source_) && !ConfirmOverwriteChanged(path)) return false;
    if (plan.route == SavePlan::Route::kCardFolder) {
        // The card is named as its folder (or drive) is.
        const wxString card = PathText(plan.cardRoot.has_filename() ? plan.cardRoot.filename() : plan.cardRoot);
        if (!ConfirmReplaceCardSettings(plan.cardRoot, card)) return false;
        return ReportSave(SaveConfigToCard(plan.cardRoot, document_.ImageToSave()));
    }
    return ReportSave(SaveConfigFile(path, document_.ImageToSave()));
}

bool CConfigDlg::ConfirmOverwriteChanged(const std::filesystem::path& path) {
    wxMessageDialog ask(this, wxGetTranslation(kMsgChangedOnDisk), wxGetTranslation(kTitleConfirm),
                        wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    ask.SetExtendedMessage(PathText(path));
    if (ask.ShowModal() == wxID_YES) return true;
    statusLine_->SetLastAction(wxString::Format(_("Not saved: %s"), _("the file was changed since it was loaded or saved")));
    return false;
}
