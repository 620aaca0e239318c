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

void CConfigDlg::ShowStorageFailure(const StorageOutcome& outcome, bool onCard) {
    const wxString reason = wxString::FromUTF8(StorageFailureReason(outcome, onCard));
    ShowError(StorageFailureMessage(outcome.failed), PathText(outcome.path) + "\n" + reason);
}

bool CConfigDlg::LoadConfig(const std::filesystem::path& path, const wxString& card) {
    // A version-6 file fills only the schedule: the rest comes from the image held now.
    ConfigImage loaded = document_.Image();
    const StorageOutcome outcome = LoadConfigFile(path, loaded);
    if (!outcome.Succeeded()) {
        statusLine_->SetLastAction("Not loaded: " + wxString::FromUTF8(StorageFailureReason(outcome, !card.empty())));
        ShowStorageFailure(outcome, !card.empty());
        return false;
    }
    document_.Load(loaded);
    source_ = card.empty() ? PathText(path) : "Card " + card;
    statusLine_->SetLastAction(card.empty() ? wxString::Format("%s loaded from %s (%s)", PathText(path.filename()),
                                                               PathText(path.parent_path()),
                                                               EntriesText(document_.EntryCount()))
                                            : wxString::Format("Loaded from card %s", card));
    return true;
}

bool CConfigDlg::ReportSave(const StorageOutcome& outcome, const wxString& card) {
    if (!outcome.Succeeded()) {
        statusLine_->SetLastAction("Not saved: " + wxString::FromUTF8(StorageFailureReason(outcome, !card.empty())));
        ShowStorageFailure(outcome, !card.empty());
        return false;
    }
    document_.ClearModified();
    source_ = card.empty() ? PathText(outcome.path) : "Card " + card;
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
