#include "ui/dialogs/copy_to_cards_dlg.h"

#include <algorithm>
#include <ctime>
#include <set>

#include <wx/datetime.h>
#include <wx/settings.h>
#include <wx/statbox.h>

#include "storage/file_system.h"
#include "ui/common/accessibility.h"
#include "ui/common/messages.h"

namespace {
constexpr int kRescanTimerId = 1;
// Rows shown before the list scrolls.
constexpr int kVisibleRows = 6;

// Folder names are UTF-8 as a rule; a name in another encoding is still shown, byte by byte.
wxString ShownLabel(const std::string& label) {
    const wxString utf8 = wxString::FromUTF8(label);
    return utf8.empty() && !label.empty() ? wxString(label.c_str(), wxConvISO8859_1) : utf8;
}

// What a card holds, as its row says it.
wxString HoldsWords(const CardSurvey& survey) {
    switch (survey.holds) {
        case CardHolds::kSameSchedule: return _("Same schedule");
        case CardHolds::kDifferentSchedule: {
            const unsigned count = survey.entryCount;
            // TRANSLATORS: a card whose configuration holds another schedule, with its number of entries.
            return wxString::Format(wxPLURAL("Different schedule (%u entry)", "Different schedule (%u entries)", count),
                                    count);
        }
        case CardHolds::kNoConfiguration: return _("Not a configuration file");
        case CardHolds::kUnreadable: break;
    }
    return wxString::FromUTF8(StorageFailureReason(survey.outcome, /*onCard=*/true));
}

wxString ClockText(std::chrono::system_clock::time_point when) {
    return wxDateTime(static_cast<time_t>(std::chrono::system_clock::to_time_t(when))).Format("%H:%M");
}

// How the copy onto a card went, or where it stands, as its row says it.
wxString ResultWords(const CardCopyResult& result) {
    switch (result.state) {
        case CardCopyState::kWaiting: return _("Waiting");
        case CardCopyState::kCopying: return _("Copying...");
        case CardCopyState::kCopied:
            // TRANSLATORS: a card's result: its file was written, read back and found right, at 14:02.
            return wxString::Format(_("Copied and verified at %s"),
                                    result.verifiedAt ? ClockText(*result.verifiedAt) : wxString());
        case CardCopyState::kFailed:
        case CardCopyState::kSkipped: break;
    }
    return wxString::Format(_("Not copied: %s"), CardCopyFailure(result));
}

// The rows' panel asks for the room it was given: what does not fit, scrolls. (GTK's scrolled
// window would otherwise ask for a scroll bar's height more than its minimum.)
class RowsPanel : public wxScrolledWindow {
public:
    explicit RowsPanel(wxWindow* parent)
        : wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxVSCROLL) {}

protected:
    wxSize DoGetBestSize() const override { return GetMinSize(); }
};

// A static text showing text, with the whole of it as its tooltip where the row cuts it short.
void SetShown(wxStaticText* shown, const wxString& text) {
    if (shown->GetLabel() == text) return;
    shown->SetLabel(text);
    shown->SetToolTip(text);
}
}  // namespace

wxString CardCopyFailure(const CardCopyResult& result) {
    if (result.state == CardCopyState::kSkipped) return _("Closed before its copy began");
    return wxString::FromUTF8(StorageFailureReason(result.outcome, /*onCard=*/true));
}

// clang-format off
wxBEGIN_EVENT_TABLE(CCopyToCardsDlg, CDialogBase)
    EVT_INIT_DIALOG(CCopyToCardsDlg::OnInitDialog)
    EVT_TIMER(kRescanTimerId, CCopyToCardsDlg::OnTimer)
    EVT_CHECKBOX(wxID_ANY, CCopyToCardsDlg::OnTick)
    EVT_BUTTON(CCopyToCardsDlg::ID_SELECT_ALL, CCopyToCardsDlg::OnSelectAll)
    EVT_BUTTON(wxID_OK, CCopyToCardsDlg::OnCopy)
    EVT_BUTTON(CCopyToCardsDlg::ID_COPY_AGAIN, CCopyToCardsDlg::OnCopyAgain)
    EVT_BUTTON(wxID_CLOSE, CCopyToCardsDlg::OnCloseButton)
    EVT_CLOSE(CCopyToCardsDlg::OnCloseWindow)
wxEND_EVENT_TABLE()
// clang-format on

CCopyToCardsDlg::CCopyToCardsDlg(wxWindow* parent, CardLocator cards, const ConfigImage& schedule,
                                 CardCopyRun::CopyFunction copy)
    : CDialogBase(parent, _("Copy To Cards")),
      locator_(std::move(cards)),
      schedule_(schedule),
      copy_(std::move(copy)),
      timer_(this, kRescanTimerId) {
    CreateControls();
}

CCopyToCardsDlg::~CCopyToCardsDlg() {
    timer_.Stop();
    // The workers tell this window of their cards: they end before it goes.
    run_.reset();
}

void CCopyToCardsDlg::CreateControls() {
    auto* cards = new wxStaticBoxSizer(wxVERTICAL, this, _("Cards"));
    panel_ = new RowsPanel(cards->GetStaticBox());
    SetAccessibleName(panel_, _("Cards"));
    cards->Add(panel_, wxSizerFlags(1).Expand().Border(wxALL));
    grid_ = new wxFlexGridSizer(3, wxSize(3 * GetCharWidth(), 0));
    grid_->SetFlexibleDirection(wxHORIZONTAL);
    panel_->SetSizer(grid_);
    // Room for a card's name, the longest of what it may hold, and a result of common length.
    const wxString tooLong = wxString::Format(_("Not copied: %s"), _("Another program is using the file"));
    const int rowHeight = 2 * GetCharHeight();
    const int width = GetTextExtent("RECORDER_CARD").x + 4 * GetCharWidth() +
                      GetTextExtent(wxString::Format(wxPLURAL("Different schedule (%u entry)",
                                                              "Different schedule (%u entries)", 256u),
                                                     256u)).x +
                      GetTextExtent(tooLong).x + 8 * GetCharWidth() +
                      wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
    panel_->SetMinSize(wxSize(width, kVisibleRows * rowHeight));
    panel_->SetScrollRate(0, rowHeight);
    panel_->ShowScrollbars(wxSHOW_SB_NEVER, wxSHOW_SB_DEFAULT);  // the rows fit the width

    // TRANSLATORS: R0000001.DAT and CONFIG01.DAT are the names of files on the card: keep them as they are.
    hint_ = new wxStaticText(this, wxID_ANY, _("Insert a card that holds R0000001.DAT and CONFIG01.DAT."));

    auto* actions = new wxBoxSizer(wxHORIZONTAL);
    selectAll_ = new wxButton(this, ID_SELECT_ALL, _("Select &All"));
    copyButton_ = new wxButton(this, wxID_OK, _("&Copy"));
    copyAgain_ = new wxButton(this, ID_COPY_AGAIN, _("Copy A&gain"));
    actions->Add(selectAll_);
    actions->AddStretchSpacer();
    actions->Add(copyButton_, wxSizerFlags().Border(wxRIGHT));
    actions->Add(copyAgain_);

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(cards, wxSizerFlags(1).Expand());
    content->Add(hint_, wxSizerFlags().Expand().DoubleBorder(wxTOP).ReserveSpaceEvenIfHidden());
    content->Add(actions, wxSizerFlags().Expand().DoubleBorder(wxTOP));
    FinishLayout(content, wxCLOSE);
    close_ = wxDynamicCast(FindWindow(wxID_CLOSE), wxButton);
    close_->SetLabel(_("Close"));
    // Enter copies; Escape and the close box press Close.
    copyButton_->SetDefault();
    SetEscapeId(wxID_CLOSE);
    UpdateButtons();
}

void CCopyToCardsDlg::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    Rescan();
    timer_.Start(kRescanPeriodMs);
}

void CCopyToCardsDlg::OnTimer(wxTimerEvent&) { Rescan(); }

bool CCopyToCardsDlg::InRun(const std::string& label) const {
    return IsCopying() && std::find(runLabels_.begin(), runLabels_.end(), label) != runLabels_.end();
}

void CCopyToCardsDlg::Rescan() {
    // One row a label: a second card of a name already listed is not offered. A card being
    // written is not read meanwhile (a read could meet a half-written file, and on Windows
    // hold it open against the write); its row keeps what it said.
    const std::unique_ptr<FileSystem> fs = NewSystemFileSystem();
    std::set<std::string> found;
    bool rowsChanged = false;
    for (const CardRoot& card : locator_.Cards()) {
        if (ShownLabel(card.label).empty() || !found.insert(card.label).second) continue;
        Row* row = FindRow(card.label);
        if (!row) {
            row = &AddRow({card, {}});
            rowsChanged = true;
        }
        row->card = card;
        row->inserted = true;
        if (!InRun(card.label)) row->survey = SurveyCard(card.root, schedule_, *fs);
    }
    // A card that went keeps its row while it is being written or has a result to show.
    for (auto it = rows_.begin(); it != rows_.end();) {
        Row& row = **it;
        if (found.count(row.card.label)) {
            ++it;
            continue;
        }
        row.inserted = false;
        if (row.copied || InRun(row.card.label)) {
            ++it;
            continue;
        }
        row.box->Destroy();
        row.holds->Destroy();
        row.result->Destroy();
        it = rows_.erase(it);
        rowsChanged = true;
    }
    if (rowsChanged) {
        std::stable_sort(rows_.begin(), rows_.end(),
                         [](const auto& a, const auto& b) { return a->card.label < b->card.label; });
        PlaceRows();
    }
    for (const auto& row : rows_) ShowRow(*row);
    UpdateButtons();
}

CCopyToCardsDlg::Row& CCopyToCardsDlg::AddRow(const SurveyedCard& card) {
    auto row = std::make_unique<Row>();
    row->card = card.card;
    row->survey = card.survey;
    row->box = new wxCheckBox(panel_, wxID_ANY, wxControl::EscapeMnemonics(ShownLabel(card.card.label)));
    row->holds = new wxStaticText(panel_, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                                  wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
    row->result = new wxStaticText(panel_, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                                   wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
    rows_.push_back(std::move(row));
    return *rows_.back();
}

void CCopyToCardsDlg::PlaceRows() {
    // The columns share the panel's width: the name as wide as the widest, what the card holds
    // and the result splitting the rest.
    grid_->Clear(false);
    int nameWidth = 0;
    for (const auto& row : rows_) nameWidth = std::max(nameWidth, row->box->GetBestSize().x);
    const int rest = panel_->GetMinSize().x - wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this) - nameWidth -
                     2 * grid_->GetHGap() - 2 * GetCharWidth();
    const int holdsWidth = rest * 2 / 5;
    wxWindow* previous = nullptr;
    for (const auto& row : rows_) {
        row->holds->SetMinSize(wxSize(holdsWidth, row->holds->GetBestSize().y));
        row->result->SetMinSize(wxSize(rest - holdsWidth, row->result->GetBestSize().y));
        const wxSizerFlags cell = wxSizerFlags().CenterVertical().Border(wxTOP | wxBOTTOM, GetCharHeight() / 4);
        grid_->Add(row->box, wxSizerFlags(cell).Border(wxLEFT | wxTOP | wxBOTTOM, GetCharHeight() / 4));
        grid_->Add(row->holds, cell);
        grid_->Add(row->result, cell);
        // The tab order follows the rows.
        if (previous) row->box->MoveAfterInTabOrder(previous);
        previous = row->box;
    }
    panel_->FitInside();
    panel_->Layout();
}

void CCopyToCardsDlg::ShowRow(Row& row) {
    const bool written = InRun(row.card.label);
    if (!row.inserted)
        SetShown(row.holds, _("The card was removed"));
    else if (!written)
        SetShown(row.holds, HoldsWords(row.survey));
    SetShown(row.result, row.copied ? ResultWords(*row.copied) : wxString());
    const bool canTake = row.inserted && row.survey.CanTakeSchedule();
    // A tick means the card will be written: a card that cannot take the schedule loses it.
    if (!canTake && row.box->GetValue()) row.box->SetValue(false);
    // The boxes stay as they are while cards are written (a tick then counts for the next
    // Copy): greying and restoring every row costs GTK a frame and more.
    row.box->Enable(canTake);
    // A screen reader reads the row's texts with its check box; told again only when they
    // change, so that the rescan does not make it speak every 250 ms.
    const wxString result = row.result->GetLabel();
    const wxString description = result.empty() ? row.holds->GetLabel() : row.holds->GetLabel() + ". " + result;
    if (GetAccessibleDescription(row.box) != description) SetAccessibleDescription(row.box, description);
}

void CCopyToCardsDlg::UpdateButtons() {
    const bool copying = IsCopying();
    bool anyCanTake = false, anyTicked = false;
    for (const auto& row : rows_) {
        anyCanTake = anyCanTake || row->box->IsEnabled();
        anyTicked = anyTicked || (row->box->IsEnabled() && row->box->GetValue());
    }
    selectAll_->Enable(anyCanTake);
    copyButton_->Enable(!copying && anyTicked);
    copyAgain_->Enable(!copying && run_ && !run_->CardsToCopyAgain().empty());
    hint_->Show(rows_.empty());
}

CCopyToCardsDlg::Row* CCopyToCardsDlg::FindRow(const std::string& label) {
    for (const auto& row : rows_)
        if (row->card.label == label) return row.get();
    return nullptr;
}

const CCopyToCardsDlg::Row* CCopyToCardsDlg::FindRow(const wxString& label) const {
    for (const auto& row : rows_)
        if (ShownLabel(row->card.label) == label) return row.get();
    return nullptr;
}

void CCopyToCardsDlg::OnTick(wxCommandEvent&) { UpdateButtons(); }

void CCopyToCardsDlg::OnSelectAll(wxCommandEvent&) {
    for (const auto& row : rows_)
        if (row->box->IsEnabled()) row->box->SetValue(true);
    UpdateButtons();
}

void CCopyToCardsDlg::OnCopy(wxCommandEvent&) {
    if (IsCopying()) return;
    std::vector<CardRoot> cards;
    for (const auto& row : rows_)
        if (row->box->IsEnabled() && row->box->GetValue()) cards.push_back(row->card);
    if (cards.empty()) return;
    StartRun(std::move(cards));
}

void CCopyToCardsDlg::OnCopyAgain(wxCommandEvent&) {
    if (IsCopying() || !run_) return;
    std::vector<CardRoot> again = run_->CardsToCopyAgain();
    if (again.empty()) return;
    StartRun(std::move(again));
}

void CCopyToCardsDlg::StartRun(std::vector<CardRoot> cards) {
    runLabels_.clear();
    for (const CardRoot& card : cards) {
        runLabels_.push_back(card.label);
        if (Row* row = FindRow(card.label)) row->copied = CardCopyResult{card, CardCopyState::kWaiting, {}, {}};
    }
    runPending_ = cards.size();
    runEnded_ = false;
    // Each card's news comes on its worker's thread and is shown from this window's own.
    run_ = std::make_unique<CardCopyRun>(
        std::move(cards), schedule_,
        [this](std::size_t index, const CardCopyResult& result) {
            CallAfter([this, index, result] { OnCardChanged(index, result); });
        },
        copy_);
    for (const auto& row : rows_) ShowRow(*row);
    UpdateButtons();
    run_->Start();
}

void CCopyToCardsDlg::OnCardChanged(std::size_t index, const CardCopyResult& result) {
    if (runEnded_ || index >= runLabels_.size()) return;
    if (Row* row = FindRow(runLabels_[index])) {
        row->copied = result;
        ShowRow(*row);
    }
    const bool ended = result.state == CardCopyState::kCopied || result.state == CardCopyState::kFailed ||
                       result.state == CardCopyState::kSkipped;
    if (ended && runPending_ > 0 && --runPending_ == 0) EndRun();
}

void CCopyToCardsDlg::EndRun() {
    // Every card has told its end: the workers are leaving, this wait is theirs to return.
    run_->Wait();
    runEnded_ = true;
    if (closing_) {
        timer_.Stop();
        SetReturnCode(wxID_CLOSE);
        EndDialog(wxID_CLOSE);
        return;
    }
    Rescan();
}

void CCopyToCardsDlg::CloseWhenDone() {
    if (!IsCopying()) {
        timer_.Stop();
        SetReturnCode(wxID_CLOSE);
        EndDialog(wxID_CLOSE);
        return;
    }
    // Cards begun finish (never a half-written card); cards not begun are skipped.
    if (closing_) return;
    closing_ = true;
    run_->RequestStop();
    close_->Disable();
    hint_->SetLabel(_("Finishing the cards being written..."));
    hint_->Show();
}

void CCopyToCardsDlg::OnCloseButton(wxCommandEvent&) { CloseWhenDone(); }

void CCopyToCardsDlg::OnCloseWindow(wxCloseEvent& event) {
    if (IsCopying() && event.CanVeto()) event.Veto();
    CloseWhenDone();
}

std::vector<CardCopyResult> CCopyToCardsDlg::Results() const {
    std::vector<CardCopyResult> results;
    for (const auto& row : rows_)
        if (row->copied) results.push_back(*row->copied);
    return results;
}

bool CCopyToCardsDlg::EveryCardCopied() const {
    const std::vector<CardCopyResult> results = Results();
    return !IsCopying() && !results.empty() &&
           std::all_of(results.begin(), results.end(),
                       [](const CardCopyResult& r) { return r.state == CardCopyState::kCopied; });
}

std::vector<wxString> CCopyToCardsDlg::Labels() const {
    std::vector<wxString> labels;
    for (const auto& row : rows_) labels.push_back(ShownLabel(row->card.label));
    return labels;
}

wxCheckBox* CCopyToCardsDlg::CardBox(const wxString& label) const {
    const Row* row = FindRow(label);
    return row ? row->box : nullptr;
}

wxStaticText* CCopyToCardsDlg::HoldsText(const wxString& label) const {
    const Row* row = FindRow(label);
    return row ? row->holds : nullptr;
}

wxStaticText* CCopyToCardsDlg::ResultText(const wxString& label) const {
    const Row* row = FindRow(label);
    return row ? row->result : nullptr;
}
