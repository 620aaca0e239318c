// Load and save at a path; the file commands Load From File and Save To File; a file named on
// the command line or dropped on the window.
#include "storage/config_file.h"
#include "storage/dropped_files.h"
#include "ui/config_dlg.h"
#include "ui/file_chooser.h"
#include "ui/messages.h"
#include "ui/status_line.h"

#include <system_error>
#include <vector>

#include <wx/datetime.h>

namespace {
wxString TimeNow() { return wxDateTime::Now().Format("%H:%M"); }
}  // namespace

void CConfigDlg::ReportStorageFailure(const wxString& notDone, const StorageOutcome& outcome, const wxString& card) {
    const wxString reason = wxString::FromUTF8(StorageFailureReason(outcome, !card.empty()));
    statusLine_->SetLastAction(notDone + ": " + reason);
    ShowError(StorageFailureMessage(outcome.failed), PathText(outcome.path) + "\n" + reason);
}

void CConfigDlg::SetSource(const std::filesystem::path& path, const wxString& card) {
    source_ = card.empty() ? PathText(path) : "Card " + card;
}

bool CConfigDlg::LoadConfig(const std::filesystem::path& path, const wxString& card) {
    // A version-6 file fills only the schedule: the rest comes from the image held now.
    ConfigImage loaded = document_.Image();
    const StorageOutcome outcome = LoadConfigFile(path, loaded);
    if (!outcome.Succeeded()) {
        ReportStorageFailure("Not loaded", outcome, card);
        return false;
    }
    document_.Load(loaded);
    SetSource(path, card);
    statusLine_->SetLastAction(card.empty() ? wxString::Format("%s loaded from %s (%s)", PathText(path.filename()),
                                                               PathText(path.parent_path()),
                                                               EntriesText(document_.EntryCount()))
                                            : wxString::Format("Loaded from card %s", card));
    return true;
}

bool CConfigDlg::ReportSave(const StorageOutcome& outcome, const wxString& card) {
    if (!outcome.Succeeded()) {
        ReportStorageFailure("Not saved", outcome, card);
        return false;
    }
    document_.ClearModified();
    SetSource(outcome.path, card);
    statusLine_->SetLastAction(card.empty() ? wxString::Format("Saved to %s at %s", PathText(outcome.path), TimeNow())
                                            : wxString::Format("Saved to card %s at %s", card, TimeNow()));
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
            const wxString count = wxString::Format("%zu files or folders were dropped", paths.size());
            statusLine_->SetLastAction("Not loaded: " + count);
            ShowError(kMsgDropOneFile, count + "; nothing was loaded.");
            return false;
        }
        case DropVerdict::kFolder:
            statusLine_->SetLastAction("Not loaded: a folder was dropped");
            ShowError(kMsgDropFolder, PathText(dropped.front()) + "\nNothing was loaded.");
            return false;
    }
    return false;
}

void CConfigDlg::OnLoadFromFile(wxCommandEvent&) {
    if (!AskDiscard()) return;
    const wxString path = ChooseConfigFile(this, false);
    if (path.empty()) return;
    LoadConfig(PathOf(path));
}

void CConfigDlg::OnSaveToFile(wxCommandEvent&) {
    const wxString path = ChooseConfigFile(this, true);
    if (path.empty()) return;
    // The card's own file is written only through Save To Card.
    if (IsReservedFileName(path.utf8_string())) {
        ShowError(kMsgReservedName);
        return;
    }
    ReportSave(SaveConfigFile(PathOf(path), document_.ImageToSave()));
}
