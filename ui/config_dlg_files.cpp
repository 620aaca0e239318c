// Load and save at a path, and the file commands Load From File and Save To File.
#include "storage/config_file.h"
#include "ui/config_dlg.h"
#include "ui/file_chooser.h"
#include "ui/messages.h"

namespace {
// The message the operator sees for a load or save that failed.
const char* FailureMessage(StorageStep step) {
    switch (step) {
        case StorageStep::kOpen: return kMsgOpenForReading;
        case StorageStep::kRead: return kMsgReadFailed;
        case StorageStep::kValidate: return kMsgInvalidFile;
        case StorageStep::kTooLarge: return kMsgCannotOverwrite;
        case StorageStep::kNone:
        case StorageStep::kOpenForUpdate:
        case StorageStep::kCreate:
        case StorageStep::kWrite:
        case StorageStep::kSync:
        case StorageStep::kReadBack:
        case StorageStep::kCardRemoved: break;
    }
    return kMsgWriteFailed;
}

}  // namespace

bool CConfigDlg::LoadConfig(const std::filesystem::path& path) {
    // A version-6 file fills only the schedule: the rest comes from the image held now.
    ConfigImage loaded = document_.Image();
    const StorageOutcome outcome = LoadConfigFile(path, loaded);
    if (!outcome.Succeeded()) {
        ShowError(FailureMessage(outcome.failed));
        return false;
    }
    document_.Load(loaded);
    return true;
}

bool CConfigDlg::Saved(const StorageOutcome& outcome) {
    if (!outcome.Succeeded()) {
        ShowError(FailureMessage(outcome.failed));
        return false;
    }
    document_.ClearModified();
    return true;
}

bool CConfigDlg::SaveConfig(const std::filesystem::path& path) {
    return Saved(SaveConfigFile(path, document_.ImageToSave()));
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
    SaveConfig(PathOf(path));
}
