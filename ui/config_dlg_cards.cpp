// The card commands: Load From Card and Save To Card.
#include "storage/card_probe.h"
#include "storage/config_file.h"
#include "ui/config_dlg.h"
#include "ui/select_card_dlg.h"

namespace {
// Lets the operator pick a card; none when the dialog was cancelled.
std::optional<CardRoot> ChooseCard(wxWindow* parent, const CardLocator& cards) {
    CSelectCardDlg dialog(parent, cards);
    if (dialog.ShowModal() != wxID_OK || dialog.ChosenLabel().empty()) return std::nullopt;
    return CardRoot{dialog.ChosenLabel().utf8_string(), dialog.ChosenRoot()};
}
}  // namespace

void CConfigDlg::OnLoadFromCard(wxCommandEvent&) {
    if (!AskDiscard()) return;
    const std::optional<CardRoot> card = ChooseCard(this, cards_);
    if (!card) return;
    // A card pulled since it was chosen fails here with the load's own message.
    LoadConfig(CardConfigPath(card->root), wxString::FromUTF8(card->label));
}

void CConfigDlg::OnSaveToCard(wxCommandEvent&) {
    const std::optional<CardRoot> card = ChooseCard(this, cards_);
    if (!card) return;
    ReportSave(SaveConfigToCard(card->root, document_.ImageToSave()), wxString::FromUTF8(card->label));
}
