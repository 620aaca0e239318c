#include "ui/select_card_dlg.h"

#include <algorithm>
#include <cmath>

#include <wx/settings.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include "ui/accessibility.h"
#include "ui/ids.h"
#include "ui/template_layout.h"

namespace {
constexpr int kRescanTimerId = 0;

// The template, in dialog units.
constexpr int kTemplateWidth = 130;
constexpr int kTemplateHeight = 82;
constexpr int kListX = 51, kListY = 16, kListWidth = 27, kListHeight = 35;
constexpr int kOkX = 10, kCancelX = 70, kButtonY = 61, kButtonWidth = 50, kButtonHeight = 14;
constexpr int kSideMargin = 10;

// The list must show a typical card name whole. Drive letters need little room; volume
// labels and the serial-number names of unlabelled media need much more.
#ifdef __WXMSW__
constexpr const char* kTypicalLabel = "E";
#else
constexpr const char* kTypicalLabel = "RECORDER_CARD";
#endif

// GTK selects the first row of a list that gets the focus while it has no cursor row, so
// the dialog would open with a card chosen for the operator. The list is given its cursor
// on the first row beforehand, with the selection left as it was.
void PlaceCursorWithoutSelecting(wxListBox* list) {
#ifdef __WXGTK__
    if (list->IsEmpty()) return;
    GtkTreeView* view = list->m_treeview;
    GtkTreePath* cursor = nullptr;
    gtk_tree_view_get_cursor(view, &cursor, nullptr);
    if (cursor) {
        gtk_tree_path_free(cursor);
        return;
    }
    const int selected = list->GetSelection();
    list->GTKDisableEvents();
    GtkTreePath* first = gtk_tree_path_new_first();
    gtk_tree_view_set_cursor(view, first, nullptr, FALSE);
    gtk_tree_path_free(first);
    gtk_tree_selection_unselect_all(gtk_tree_view_get_selection(view));
    list->GTKEnableEvents();
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
wxBEGIN_EVENT_TABLE(CSelectCardDlg, wxDialog)
    EVT_INIT_DIALOG(CSelectCardDlg::OnInitDialog)
    EVT_TIMER(kRescanTimerId, CSelectCardDlg::OnTimer)
    EVT_LISTBOX(IDC_CARD_LIST, CSelectCardDlg::OnSelectionChanged)
    EVT_BUTTON(wxID_OK, CSelectCardDlg::OnOK)
wxEND_EVENT_TABLE()
// clang-format on

CSelectCardDlg::CSelectCardDlg(wxWindow* parent, CardLocator cards)
    : wxDialog(parent, wxID_ANY, "Select Card", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      locator_(std::move(cards)),
      timer_(this, kRescanTimerId) {
    SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    CreateControls();
    Centre();
}

void CSelectCardDlg::CreateControls() {
    list_ = new wxListBox(this, IDC_CARD_LIST, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                          wxLB_SINGLE | wxLB_SORT | wxLB_HSCROLL | wxBORDER_SUNKEN);
    SetAccessibleName(list_, "Cards");
    ok_ = new wxButton(this, wxID_OK, "OK");
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");
    ok_->SetDefault();
    ok_->Disable();

    // Widen the list until a typical name fits beside its scroll bar, and the dialog with
    // it, keeping everything centred as the template has it.
    const int neededPx = GetTextExtent(kTypicalLabel).x + 4 * GetCharWidth() +
                         wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
    const wxPoint perDlu = ConvertDialogToPixels(wxPoint(4, 8));
    const int neededDlu = static_cast<int>(std::ceil(neededPx * 4.0 / std::max(perDlu.x, 1)));
    const int listWidth = std::max(kListWidth, neededDlu);
    const int width = std::max(kTemplateWidth, listWidth + 2 * kSideMargin);
    const int shift = (width - kTemplateWidth) / 2;
    const int listX = listWidth == kListWidth ? kListX + shift : (width - listWidth) / 2;

    TemplateLayout layout;
    layout.Add(list_, listX, kListY, listWidth, kListHeight);
    layout.Add(ok_, kOkX + shift, kButtonY, kButtonWidth, kButtonHeight);
    layout.Add(cancel, kCancelX + shift, kButtonY, kButtonWidth, kButtonHeight);
    layout.Apply(this, width, kTemplateHeight);
}

void CSelectCardDlg::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    ok_->Disable();
    Rescan();
    timer_.Start(kRescanPeriodMs);
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
    }
    PlaceCursorWithoutSelecting(list_);
    UpdateOk();
}

const CSelectCardDlg::Offered* CSelectCardDlg::FindCard(const wxString& shown) const {
    for (const Offered& card : present_)
        if (card.shown == shown) return &card;
    return nullptr;
}

void CSelectCardDlg::UpdateOk() { ok_->Enable(list_->GetSelection() != wxNOT_FOUND); }

void CSelectCardDlg::OnSelectionChanged(wxCommandEvent&) { UpdateOk(); }

void CSelectCardDlg::OnOK(wxCommandEvent&) {
    chosenLabel_.clear();
    chosenRoot_.clear();
    const int row = list_->GetSelection();
    if (row != wxNOT_FOUND) {
        chosenLabel_ = list_->GetString(row);
        if (const Offered* card = FindCard(chosenLabel_)) chosenRoot_ = card->root;
    }
    // EndDialog sets the result only for a modal run; set it for any run.
    SetReturnCode(wxID_OK);
    EndDialog(wxID_OK);
}
