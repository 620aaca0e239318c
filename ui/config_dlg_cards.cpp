// The card commands: Load From Card and Save To Card.
#include "storage/card_probe.h"
#include "storage/config_file.h"
#include "ui/config_dlg.h"
#include "ui/select_card_dlg.h"

namespace {
// Lets the operator pick a card; an empty path when the dialog was cancelled or closed
// with nothing selected.
std::filesystem::path ChooseCard(wxWindow* parent, const CardLocator& cards) {
    CSelectCardDlg dialog(parent, cards);
    if (dialog.ShowModal() != wxID_OK || dialog.ChosenLabel().empty()) return {};
    return dialog.ChosenRoot();
}
}  // namespace

void CConfigDlg::OnLoadFromCard(wxCommandEvent&) {
    if (!AskDiscard()) return;
    const std::filesystem::path root = ChooseCard(this, cards_);
    if (root.empty()) return;
    // A card pulled since it was chosen fails here with the load's own message.
    LoadConfig(CardConfigPath(root));
}

void CConfigDlg::OnSaveToCard(wxCommandEvent&) {
    const std::filesystem::path root = ChooseCard(this, cards_);
    if (root.empty()) return;
    Saved(SaveConfigToCard(root, document_.ImageToSave()));
}
