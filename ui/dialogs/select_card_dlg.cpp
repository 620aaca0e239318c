#include "ui/dialogs/select_card_dlg.h"

#include <algorithm>

#include <wx/event.h>
#include <wx/settings.h>
#include <wx/sizer.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include "ui/common/accessibility.h"
#include "ui/common/ids.h"

namespace {
constexpr int kRescanTimerId = 0;

// What the dialog waits for while no card is listed, in English; shown translated.
// TRANSLATORS: R0000001.DAT and CONFIG01.DAT are the names of files on the card: keep them as they are.
constexpr const char* kWaitingText = wxTRANSLATE("Insert a card that holds R0000001.DAT and CONFIG01.DAT.");
// Why OK went disabled when the selected card's row went away, in English; shown translated.
constexpr const char* kRemovedText = wxTRANSLATE("The card was removed. Insert it again or choose another.");
// The list's height, in dialog units: room for a few cards.
constexpr int kListHeightDlu = 50;

// The list must show a typical card name whole. Drive letters need little room; volume
// labels and the serial-number names of unlabelled media need much more.
#ifdef __WXMSW__
constexpr const char* kTypicalLabel = "E";
#else
constexpr const char* kTypicalLabel = "RECORDER_CARD";
#endif

// GTK selects the first row of a list that gets the focus while it has no cursor row, so
// the dialog would open with a card chosen for the operator. The list is given its cursor
// on the first row beforehand, with the selection left as it was. wx has no call for a
// cursor row apart from the selection, so the GTK tree view inside the list's scrolled
// window (its public handle) is asked directly; the list's own events are held back meanwhile.
void PlaceCursorWithoutSelecting(wxListBox* list) {
#ifdef __WXGTK__
    if (list->IsEmpty()) return;
    GtkWidget* scrolled = list->GetHandle();
    if (!scrolled || !GTK_IS_BIN(scrolled)) return;
    GtkWidget* child = gtk_bin_get_child(GTK_BIN(scrolled));
    if (!child || !GTK_IS_TREE_VIEW(child)) return;
    GtkTreeView* view = GTK_TREE_VIEW(child);
    GtkTreePath* cursor = nullptr;
    gtk_tree_view_get_cursor(view, &cursor, nullptr);
    if (cursor) {
        gtk_tree_path_free(cursor);
        return;
    }
    const int selected = list->GetSelection();
    {
        wxEventBlocker quiet(list, wxEVT_LISTBOX);
        GtkTreePath* first = gtk_tree_path_new_first();
        gtk_tree_view_set_cursor(view, first, nullptr, FALSE);
        gtk_tree_path_free(first);
        gtk_tree_selection_unselect_all(gtk_tree_view_get_selection(view));
    }
    if (selected != wxNOT_FOUND) list->SetSelection(selected);
#else
    (void)list;
#endif
}

// Folder names are UTF-8 as a rule; a name in another encoding is still shown, byte by byte.
wxString ShownLabel(const std::string& label) {
    const wxString utf8 = wxString::FromUTF8(label);
    return utf8.empty() && !label.empty() ? wxString(label.c_str(), wxConvISO8859_1) : utf8;
}
}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CSelectCardDlg, CDialogBase)
    EVT_INIT_DIALOG(CSelectCardDlg::OnInitDialog)
    EVT_TIMER(kRescanTimerId, CSelectCardDlg::OnTimer)
    EVT_LISTBOX(IDC_CARD_LIST, CSelectCardDlg::OnSelectionChanged)
    EVT_LISTBOX_DCLICK(IDC_CARD_LIST, CSelectCardDlg::OnDoubleClick)
    EVT_BUTTON(wxID_OK, CSelectCardDlg::OnOK)
wxEND_EVENT_TABLE()
// clang-format on

CSelectCardDlg::CSelectCardDlg(wxWindow* parent, CardLocator cards)
    : CDialogBase(parent, _("Select Card")), locator_(std::move(cards)), timer_(this, kRescanTimerId) {
    CreateControls();
}

void CSelectCardDlg::CreateControls() {
    list_ = new wxListBox(this, IDC_CARD_LIST, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                          wxLB_SINGLE | wxLB_SORT | wxLB_HSCROLL | wxBORDER_SUNKEN);
    SetAccessibleName(list_, _("Cards"));
    // Wide enough for a typical name beside the scroll bar.
    const int listWidth = GetTextExtent(kTypicalLabel).x + 4 * GetCharWidth() +
                          wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
    list_->SetMinSize(wxSize(listWidth, ConvertDialogToPixels(wxSize(0, kListHeightDlu)).y));
    const wxString waiting = wxGetTranslation(kWaitingText);
    hint_ = new wxStaticText(this, wxID_ANY, waiting, wxDefaultPosition, wxDefaultSize, wxST_NO_AUTORESIZE);
    hint_->SetMinSize(wxSize(std::max(GetTextExtent(waiting).x, GetTextExtent(wxGetTranslation(kRemovedText)).x),
                             hint_->GetBestSize().y));

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(list_, wxSizerFlags(1).Expand());
    // The line has room for either text and keeps it while hidden, so the dialog never changes size.
    content->Add(hint_, wxSizerFlags().Expand().DoubleBorder(wxTOP).ReserveSpaceEvenIfHidden());
    // OK is the default button; it stays disabled until a card is selected.
    ok_ = FinishLayout(content, wxOK | wxCANCEL)->GetAffirmativeButton();
    ok_->Disable();
}

void CSelectCardDlg::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    ok_->Disable();
    removed_.clear();
    Rescan();
    timer_.Start(kRescanPeriodMs);
    // The cards are what the dialog is for. Windows would give the focus to Cancel, OK being
    // disabled; GTK gives it to the list already.
    list_->SetFocus();
}

void CSelectCardDlg::OnTimer(wxTimerEvent&) { Rescan(); }

void CSelectCardDlg::Rescan() {
    // Each row stands for exactly one root: a card without a name to click, or a second
    // card of a name already listed, is not offered.
    present_.clear();
    for (const CardRoot& card : locator_.Cards()) {
        const wxString shown = ShownLabel(card.label);
        if (!shown.empty() && !FindCard(shown)) present_.push_back({shown, card.root});
    }

    // wxGTK's sorted list box drops its selection when a row is added, so the selected
    // card is remembered by name and selected again; a row that goes takes it along.
    const int selectedRow = list_->GetSelection();
    const wxString selected = selectedRow == wxNOT_FOUND ? wxString() : list_->GetString(selectedRow);
    bool changed = false;
    for (int row = static_cast<int>(list_->GetCount()) - 1; row >= 0; --row) {
        if (FindCard(list_->GetString(row))) continue;
        list_->Delete(row);
        changed = true;
    }
    for (const Offered& card : present_) {
        if (list_->FindString(card.shown, /*bCase=*/true) != wxNOT_FOUND) continue;
        list_->Append(card.shown);
        changed = true;
    }
    if (changed) {
        const int row = selected.empty() ? wxNOT_FOUND : list_->FindString(selected, /*bCase=*/true);
        if (row == wxNOT_FOUND)
            list_->SetSelection(wxNOT_FOUND);
        else if (list_->GetSelection() != row)
            list_->SetSelection(row);
        if (!selected.empty() && row == wxNOT_FOUND) removed_ = selected;
    }
    // The removed card is back: the line says again what it says without one.
    if (!removed_.empty() && FindCard(removed_)) removed_.clear();
    PlaceCursorWithoutSelecting(list_);
    UpdateOkAndHint();
}

const CSelectCardDlg::Offered* CSelectCardDlg::FindCard(const wxString& shown) const {
    for (const Offered& card : present_)
        if (card.shown == shown) return &card;
    return nullptr;
}

void CSelectCardDlg::UpdateOkAndHint() {
    const bool selected = list_->GetSelection() != wxNOT_FOUND;
    if (selected) removed_.clear();
    ok_->Enable(selected);
    const bool removed = !removed_.empty();
    const wxString hint = wxGetTranslation(removed ? kRemovedText : kWaitingText);
    if (hint_->GetLabel() != hint) hint_->SetLabel(hint);
    hint_->Show(removed || list_->IsEmpty());
}

void CSelectCardDlg::OnSelectionChanged(wxCommandEvent&) { UpdateOkAndHint(); }

void CSelectCardDlg::OnDoubleClick(wxCommandEvent& event) { OnOK(event); }

void CSelectCardDlg::OnOK(wxCommandEvent&) {
    // A click may arrive after the rescan that took the selected card's row away (a key
    // pressed just then, a click queued before): the dialog then stays open, OK disabled.
    const int row = list_->GetSelection();
    const Offered* card = row == wxNOT_FOUND ? nullptr : FindCard(list_->GetString(row));
    if (!card) {
        UpdateOkAndHint();
        return;
    }
    chosenLabel_ = card->shown;
    chosenRoot_ = card->root;
    // EndDialog sets the result only for a modal run; set it for any run.
    SetReturnCode(wxID_OK);
    EndDialog(wxID_OK);
}
