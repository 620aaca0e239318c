// The card commands: Load From Card and Save To Card.
#include "storage/card_probe.h"
#include "storage/config_file.h"
#include "ui/main_window/config_dlg.h"
#include "ui/common/messages.h"
#include "ui/main_window/status_line.h"
#include "ui/dialogs/select_card_dlg.h"

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

bool CConfigDlg::SaveBackToCard(const wxString& label) {
    const std::optional<CardRoot> card = cards_.CardLabelled(label.utf8_string());
    if (!card) {
        // TRANSLATORS: the status line when Save finds the schedule's card missing; %s is its name.
        statusLine_->SetLastAction(wxString::Format(_("Not saved: card %s is not inserted"), label));
        // TRANSLATORS: under "The card is not inserted": the card Save looked for, by its name.
        ShowError(wxGetTranslation(kMsgCardNotInserted),
                  wxString::Format(_("Insert card %s and save again, or use Save To Card."), label));
        return false;
    }
    // The card found by its label may be another recorder's card with its own file: that
    // file changed too, and is overwritten only after the question.
    ScheduleSource atCard = source_;
    atCard.path = CardConfigPath(card->root);
    if (ChangedOnDisk(atCard) && !ConfirmOverwriteChanged(atCard.path)) return false;
    return ReportSave(SaveConfigToCard(card->root, document_.ImageToSave()), label);
}
