#include "ui/config_dlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/msgdlg.h>

#include "model/entry_texts.h"
#include "model/messages.h"
#include "ui/about_access.h"
#include "ui/accessibility.h"
#include "ui/app_icon.h"
#include "ui/ids.h"
#include "ui/template_layout.h"
#include "ui/week_strip.h"

namespace {
constexpr int kVideoOutColumn = 8;
constexpr const char* kCaption = "ORVANTIS and SELDORIX Configuration";
}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CConfigDlg, wxDialog)
    EVT_BUTTON(IDC_NEW, CConfigDlg::OnNew)
    EVT_BUTTON(IDC_COPY, CConfigDlg::OnCopy)
    EVT_BUTTON(IDC_EDIT, CConfigDlg::OnEdit)
    EVT_BUTTON(IDC_DELETE, CConfigDlg::OnDelete)
    EVT_BUTTON(IDC_DELETE_ALL, CConfigDlg::OnDeleteAll)
    EVT_BUTTON(IDC_LOAD_FROM_CARD, CConfigDlg::OnLoadFromCard)
    EVT_BUTTON(IDC_SAVE_TO_CARD, CConfigDlg::OnSaveToCard)
    EVT_BUTTON(IDC_LOAD_FROM_FILE, CConfigDlg::OnLoadFromFile)
    EVT_BUTTON(IDC_SAVE_TO_FILE, CConfigDlg::OnSaveToFile)
    EVT_BUTTON(wxID_OK, CConfigDlg::OnOK)
    EVT_BUTTON(wxID_CANCEL, CConfigDlg::OnCancel)
    EVT_LIST_ITEM_ACTIVATED(IDC_SCHEDULE_LIST, CConfigDlg::OnListActivated)
    EVT_CHAR_HOOK(CConfigDlg::OnCharHook)
    EVT_CLOSE(CConfigDlg::OnClose)
    EVT_CONTEXT_MENU(CConfigDlg::OnContextMenu)
    EVT_MENU(IDM_ABOUTBOX, CConfigDlg::OnAboutCommand)
    EVT_WEEK_STRIP_SELECT(IDC_WEEK_STRIP, CConfigDlg::OnWeekStripSelect)
    EVT_WEEK_STRIP_ACTIVATE(IDC_WEEK_STRIP, CConfigDlg::OnWeekStripActivate)
    EVT_LIST_ITEM_SELECTED(IDC_SCHEDULE_LIST, CConfigDlg::OnListSelectionChanged)
    EVT_LIST_ITEM_DESELECTED(IDC_SCHEDULE_LIST, CConfigDlg::OnListSelectionChanged)
    EVT_LIST_INSERT_ITEM(IDC_SCHEDULE_LIST, CConfigDlg::OnListRowsChanged)
    EVT_LIST_DELETE_ITEM(IDC_SCHEDULE_LIST, CConfigDlg::OnListRowsChanged)
    EVT_LIST_DELETE_ALL_ITEMS(IDC_SCHEDULE_LIST, CConfigDlg::OnListRowsChanged)
wxEND_EVENT_TABLE()
// clang-format on

CConfigDlg::CConfigDlg(wxWindow* parent, CardLocator cards)
    : wxDialog(parent, wxID_ANY, kCaption, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      cards_(std::move(cards)) {
    SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    SetEscapeId(wxID_NONE);  // Escape must not close the main window
    SetIcons(AppIcons());
    CreateControls();
    // image_ starts with its opening contents; nothing is modified yet.
    ClearModified();
    InstallAboutAccess(this);
    Centre();
}

void CConfigDlg::CreateControls() {
    TemplateLayout layout;
    auto group = [&](const char* caption, int x, int y, int w, int h) { layout.AddGroup(this, caption, x, y, w, h); };
    auto button = [&](int id, const char* caption, int x, int y, int w, int h) {
        auto* b = new wxButton(this, id, caption);
        layout.Add(b, x, y, w, h);
    };
    // Template order is the tab order.
    group("Load Configuration", 7, 7, 225, 40);
    button(IDC_LOAD_FROM_CARD, "Load From Card", 37, 20, 72, 18);
    button(IDC_LOAD_FROM_FILE, "Load From File", 130, 20, 72, 18);
    group("Save Configuration", 238, 7, 225, 40);
    button(IDC_SAVE_TO_CARD, "Save To Card", 268, 20, 72, 18);
    button(IDC_SAVE_TO_FILE, "Save To File", 361, 20, 72, 18);
    group("Recording Schedule", 7, 48, 456, 191);
    list_ = new wxListCtrl(this, IDC_SCHEDULE_LIST, wxDefaultPosition, kPlacedByLayout,
                           wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN);
    SetAccessibleName(list_, "Recording Schedule");
    for (int col = 0; col < kListColumns; ++col)
        list_->InsertColumn(col, kColumnTitles[col], wxLIST_FORMAT_LEFT, FromDIP(kColumnWidths[col]));
    layout.Add(list_, 15, 66, 439, 142, TemplateLayout::kNoMeasure);
    button(IDC_NEW, "New", 58, 216, 58, 14);
    button(IDC_COPY, "Copy", 132, 216, 58, 14);
    button(IDC_EDIT, "Edit", 206, 216, 58, 14);
    button(IDC_DELETE, "Delete", 280, 216, 58, 14);
    button(IDC_DELETE_ALL, "Delete All", 354, 216, 58, 14);
    // The week strip stands below the template's controls, which keep their places.
    group("Week", 7, 241, 456, 90);
    weekStrip_ = new CWeekStrip(this, IDC_WEEK_STRIP);
    layout.Add(weekStrip_, 15, 253, 439, 72);
    layout.Apply(this, 470, 338);
    // "Video Out" is never resized after this; it starts wide enough for its own title,
    // which a GTK font can make wider than its 60 pixels.
    list_->SetColumnWidth(kVideoOutColumn, wxLIST_AUTOSIZE_USEHEADER);
    list_->SetColumnWidth(kVideoOutColumn,
                          std::max(list_->GetColumnWidth(kVideoOutColumn), FromDIP(kColumnWidths[kVideoOutColumn])));
    AutosizeColumns();
}

void CConfigDlg::AddRow(std::size_t index) {
    const ScheduleEntry entry = image_.Entry(index);
    long pos = 0;
    const long rows = list_->GetItemCount();
    // Rows stand in order of start; equal starts keep the order they were added in.
    while (pos < rows && image_.Entry(list_->GetItemData(pos)).start <= entry.start) ++pos;
    const auto texts = EntryTexts(entry);
    pos = list_->InsertItem(pos, wxString::FromUTF8(texts[0]));
    for (int col = 1; col < kListColumns; ++col) list_->SetItem(pos, col, wxString::FromUTF8(texts[col]));
    list_->SetItemData(pos, static_cast<long>(index));
    list_->SetItemState(pos, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    list_->EnsureVisible(pos);
    AutosizeColumns();
}

void CConfigDlg::RebuildRows() {
    list_->DeleteAllItems();
    const std::uint32_t count = image_.EntryCount();
    for (std::uint32_t i = 0; i < count; ++i) AddRow(i);
}

void CConfigDlg::AutosizeColumns() {
    // Each column but "Video Out" ends as wide as the wider of its contents and its title.
    for (int col = 0; col < kVideoOutColumn; ++col) {
        list_->SetColumnWidth(col, wxLIST_AUTOSIZE);
        const int contents = list_->GetColumnWidth(col);
        list_->SetColumnWidth(col, wxLIST_AUTOSIZE_USEHEADER);
        const int header = list_->GetColumnWidth(col);
        if (header < contents) list_->SetColumnWidth(col, wxLIST_AUTOSIZE);
    }
}

long CConfigDlg::SelectedRow() const {
    return list_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
}

bool CConfigDlg::AskDiscard() {
    if (!modified_) return true;
    return wxMessageBox(kMsgDiscardCurrent, kTitleConfirm, wxYES_NO | wxICON_QUESTION, this) == wxYES;
}

void CConfigDlg::ShowError(const wxString& message) {
    wxMessageBox(message, kTitleError, wxOK | wxICON_EXCLAMATION, this);
}

void CConfigDlg::OnClose(wxCloseEvent& event) {
    if (event.CanVeto() && !AskDiscard()) {
        event.Veto();
        return;
    }
    if (IsModal())
        EndModal(0);
    else
        Hide();
}

// The main window has no OK or Cancel: Enter and Escape do nothing here.
void CConfigDlg::OnOK(wxCommandEvent&) {}
void CConfigDlg::OnCancel(wxCommandEvent&) {}

void CConfigDlg::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (key == WXK_ESCAPE) return;
    // Enter in the list would activate its row; only a double-click edits.
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && !event.HasAnyModifiers()) {
        wxWindow* target = wxDynamicCast(event.GetEventObject(), wxWindow);
        if (!target) target = FindFocus();
        if (target && (target == list_ || target->GetParent() == list_)) return;
    }
    if (HandleAboutKey(this, event)) return;
    event.Skip();
}

void CConfigDlg::OnListActivated(wxListEvent&) {
    // The row under the pointer is already the selected one; Edit works on the selection.
    wxCommandEvent none;
    OnEdit(none);
}

void CConfigDlg::OnContextMenu(wxContextMenuEvent& event) {
    if (!ShowAboutMenu(this, event)) event.Skip();
}

void CConfigDlg::OnAboutCommand(wxCommandEvent&) { ShowAbout(); }

void CConfigDlg::RefreshWeekStrip() {
    stripRefreshPending_ = false;
    weekStrip_->SetSchedule(image_.Entries());
    const long row = SelectedRow();
    weekStrip_->SetSelectedSlot(row < 0 ? -1 : static_cast<int>(list_->GetItemData(row)));
}

void CConfigDlg::OnListRowsChanged(wxListEvent& event) {
    event.Skip();
    // Every command changes the image and the rows together; redraw once it is done.
    if (stripRefreshPending_) return;
    stripRefreshPending_ = true;
    CallAfter([this] { if (stripRefreshPending_) RefreshWeekStrip(); });
}

void CConfigDlg::OnListSelectionChanged(wxListEvent& event) {
    event.Skip();
    const long row = SelectedRow();
    weekStrip_->SetSelectedSlot(row < 0 ? -1 : static_cast<int>(list_->GetItemData(row)));
}

void CConfigDlg::SelectSlotRow(int slot) {
    for (long row = 0; row < list_->GetItemCount(); ++row) {
        if (static_cast<int>(list_->GetItemData(row)) != slot) continue;
        list_->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                            wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        list_->EnsureVisible(row);
        return;
    }
}

void CConfigDlg::OnWeekStripSelect(wxCommandEvent& event) { SelectSlotRow(event.GetInt()); }

void CConfigDlg::OnWeekStripActivate(wxCommandEvent& event) {
    SelectSlotRow(event.GetInt());
    wxCommandEvent none;
    OnEdit(none);
}
