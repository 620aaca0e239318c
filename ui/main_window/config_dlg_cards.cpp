// The card commands: Load From Card, Save To Card and Copy To Cards.
#include <wx/msgdlg.h>

#include "storage/card_copy.h"
#include "storage/card_probe.h"
#include "storage/config_file.h"
#include "ui/main_window/config_dlg.h"
#include "ui/common/messages.h"
#include "ui/main_window/status_line.h"
#include "ui/dialogs/copy_to_cards_dlg.h"
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
    const wxString label = wxString::FromUTF8(card->label);
    if (!ConfirmReplaceCardSettings(card->root, label)) return;
    ReportSave(SaveConfigToCard(card->root, document_.ImageToSave()), label);
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
    if (!ConfirmReplaceCardSettings(card->root, label)) return false;
    return ReportSave(SaveConfigToCard(card->root, document_.ImageToSave()), label);
}

bool CConfigDlg::ConfirmReplaceCardSettings(const std::filesystem::path& root, const wxString& card) {
    // A card whose file matches outside the schedule, or holds no configuration, is saved as before.
    if (!CardDiffersOutsideSchedule(root, document_.Image())) return true;
    wxMessageDialog ask(this, wxString::Format(wxGetTranslation(kMsgReplaceCardSettings), card),
                        wxGetTranslation(kTitleConfirm), wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    ask.SetExtendedMessage(wxGetTranslation(kMsgScheduleAlone));
    if (ask.ShowModal() == wxID_YES) return true;
    // TRANSLATORS: why nothing was saved, after "Not saved: "; %s is the card's name.
    statusLine_->SetLastAction(
        wxString::Format(_("Not saved: %s"), wxString::Format(_("card %s keeps its own settings"), card)));
    return false;
}

void CConfigDlg::OnCopyToCards(wxCommandEvent&) {
    CCopyToCardsDlg dialog(this, cards_, document_.Image(), cardCopy_);
    dialog.ShowModal();
    ReportCardCopies(dialog.Results(), dialog.EveryCardCopied());
}

void CConfigDlg::ReportCardCopies(const std::vector<CardCopyResult>& results, bool everyCardCopied) {
    if (results.empty()) return;  // nothing was copied: the line says what it said
    std::size_t copied = 0;
    wxString failures;
    for (const CardCopyResult& result : results) {
        if (result.state == CardCopyState::kCopied) {
            ++copied;
            // The schedule's own card now holds what this copy wrote: Save back goes on without
            // the question for a file changed behind the editor.
            if (source_.kind == ScheduleSource::Kind::kCard && source_.path == CardConfigPath(result.card.root))
                source_ = ScheduleSource::Card(source_.cardLabel, result.card.root);
            else if (source_.kind == ScheduleSource::Kind::kFile && source_.path == CardConfigPath(result.card.root))
                source_ = ScheduleSource::File(source_.path);
            continue;
        }
        // TRANSLATORS: after the count of cards copied, a card not copied and why: "; FLEETB: The medium is read-only".
        failures += wxString::Format(_("; %s: %s"), wxString::FromUTF8(result.card.label), CardCopyFailure(result));
    }
    const unsigned total = static_cast<unsigned>(results.size());
    const wxString summary =
        // TRANSLATORS: the status line after Copy To Cards: cards copied and verified, of the cards ticked.
        wxString::Format(wxPLURAL("Copied to %zu of %u card", "Copied to %zu of %u cards", total), copied, total);
    statusLine_->SetLastAction(summary + failures);
    if (everyCardCopied) document_.MarkSaved();
}
