#include "ui/main_window/config_dlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "ui/common/messages.h"
#include "ui/dialogs/about_access.h"
#include "ui/dialogs/about_dlg.h"
#include "ui/common/app_icon.h"
#include "ui/main_window/command_menu.h"
#include "ui/main_window/config_drop_target.h"
#include "ui/main_window/file_chooser.h"
#include "ui/main_window/focus_return.h"
#include "ui/common/ids.h"
#include "ui/common/mnemonic_keys.h"
#include "ui/main_window/schedule_list.h"
#include "ui/main_window/status_line.h"
#include "ui/common/version.h"
#include "ui/week_strip/week_strip.h"

namespace {
// Rows of the schedule the window shows at the least, and when there is room. Three at the
// least, so that the window with the week's two lines of coverage and the save buttons in two
// rows still fits a 600-pixel screen; the list scrolls, and takes any height the window gains.
constexpr int kMinimumRows = 3;
constexpr int kPreferredRows = 14;
}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CConfigDlg, wxDialog)
    EVT_BUTTON(IDC_NEW, CConfigDlg::OnNew)
    EVT_BUTTON(IDC_COPY, CConfigDlg::OnCopy)
    EVT_BUTTON(IDC_COPY_TO_DAYS, CConfigDlg::OnCopyToDays)
    EVT_BUTTON(IDC_EDIT, CConfigDlg::OnEdit)
    EVT_BUTTON(IDC_DELETE, CConfigDlg::OnDelete)
    EVT_BUTTON(IDC_DELETE_ALL, CConfigDlg::OnDeleteAll)
    EVT_BUTTON(IDC_LOAD_FROM_CARD, CConfigDlg::OnLoadFromCard)
    EVT_BUTTON(IDC_SAVE_TO_CARD, CConfigDlg::OnSaveToCard)
    EVT_BUTTON(IDC_COPY_TO_CARDS, CConfigDlg::OnCopyToCards)
    EVT_MENU(IDC_COPY_TO_CARDS, CConfigDlg::OnCopyToCards)
    EVT_BUTTON(IDC_LOAD_FROM_FILE, CConfigDlg::OnLoadFromFile)
    EVT_BUTTON(IDC_SAVE_TO_FILE, CConfigDlg::OnSaveToFile)
    EVT_BUTTON(IDC_SAVE, CConfigDlg::OnSave)
    EVT_MENU(IDC_SAVE, CConfigDlg::OnSave)
    EVT_BUTTON(wxID_OK, CConfigDlg::OnOK)
    EVT_BUTTON(wxID_CANCEL, CConfigDlg::OnCancel)
    EVT_DATAVIEW_ITEM_ACTIVATED(IDC_SCHEDULE_LIST, CConfigDlg::OnListActivated)
    EVT_CHAR_HOOK(CConfigDlg::OnCharHook)
    EVT_CLOSE(CConfigDlg::OnClose)
    EVT_CONTEXT_MENU(CConfigDlg::OnContextMenu)
    EVT_MENU(IDM_ABOUTBOX, CConfigDlg::OnAboutCommand)
    EVT_WEEK_STRIP_ACTIVATE(IDC_WEEK_STRIP, CConfigDlg::OnWeekStripActivate)
    EVT_WEEK_STRIP_DRAWN(IDC_WEEK_STRIP, CConfigDlg::OnWeekStripDrawn)
    EVT_WEEK_STRIP_MOVED(IDC_WEEK_STRIP, CConfigDlg::OnWeekStripMoved)
    EVT_DATAVIEW_ITEM_CONTEXT_MENU(IDC_SCHEDULE_LIST, CConfigDlg::OnListContextMenu)
    EVT_MENU(IDC_NEW, CConfigDlg::OnNew)
    EVT_MENU(IDC_COPY, CConfigDlg::OnCopy)
    EVT_MENU(IDC_COPY_TO_DAYS, CConfigDlg::OnCopyToDays)
    EVT_MENU(IDC_EDIT, CConfigDlg::OnEdit)
    EVT_MENU(IDC_DELETE, CConfigDlg::OnDelete)
    EVT_MENU(IDM_COPY_DAY_TO_DAYS, CConfigDlg::OnCopyDayToDays)
    EVT_MENU(IDM_CLEAR_DAY, CConfigDlg::OnClearDay)
    EVT_MENU(wxID_PRINT, CConfigDlg::OnPrint)
    EVT_MENU(wxID_PREVIEW, CConfigDlg::OnPrintPreview)
    EVT_MENU_RANGE(IDM_MOVE_EARLIER, IDM_STOP_DAY_LATER, CConfigDlg::OnMoveMenu)
    EVT_MENU(wxID_UNDO, CConfigDlg::OnUndo)
    EVT_MENU(wxID_REDO, CConfigDlg::OnRedo)
wxEND_EVENT_TABLE()
// clang-format on

CConfigDlg::CConfigDlg(wxWindow* parent, CardLocator cards)
    : wxDialog(parent, wxID_ANY, wxGetTranslation(wxString::FromUTF8(kDisplayName)), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMAXIMIZE_BOX | wxRESIZE_BORDER),
      cards_(std::move(cards)) {
    SetEscapeId(wxID_NONE);  // Escape must not close the main window
    SetIcons(AppIcons());
    CreateControls();
    documentListener_ = document_.AddListener([this](const ConfigDocument::Change& change) {
        EnableCommands();
        if (change.kind == ConfigDocument::ChangeKind::kModified || change.kind == ConfigDocument::ChangeKind::kReset)
            UpdateTitle();
    });
    EnableCommands();
    InstallAboutAccess(this);
    SetDropTarget(new CConfigDropTarget(this));
    SizeToDisplay();
    focusReturn_ = std::make_unique<CFocusReturn>(this);
    // The operator starts on the schedule: Enter on a fresh window presses no button.
    list_->SetFocus();
}

wxString CConfigDlg::SourcePath() const {
    return source_.kind == ScheduleSource::Kind::kNone ? wxString() : PathText(source_.path);
}

wxString CConfigDlg::SourceText() const {
    switch (source_.kind) {
        case ScheduleSource::Kind::kNone: return wxString();
        case ScheduleSource::Kind::kFile: return PathText(source_.path);
        // TRANSLATORS: where the schedule came from: a card, by its name.
        case ScheduleSource::Kind::kCard: return wxString::Format(_("Card %s"), wxString::FromUTF8(source_.cardLabel));
    }
    return wxString();
}

void CConfigDlg::UpdateTitle() {
    const wxString application = wxGetTranslation(wxString::FromUTF8(kDisplayName));
    wxString open;
    if (source_.kind == ScheduleSource::Kind::kFile) open = PathText(source_.path.filename());
    if (source_.kind == ScheduleSource::Kind::kCard) open = SourceText();
    if (open.empty()) {
        SetTitle(application);
        return;
    }
    // TRANSLATORS: the main window's title: what is open, then the application's name,
    // "WEEK.DAT – ORVANTIS and SELDORIX Configuration".
    const wxString title = wxString::Format(wxGetTranslation(wxString::FromUTF8(kTitlePattern)), open, application);
    SetTitle(document_.IsModified() ? "*" + title : title);
}

CConfigDlg::~CConfigDlg() {
    document_.RemoveListener(documentListener_);
    // The table and the strip draw from the document: they go while it is still there.
    DestroyChildren();
}

void CConfigDlg::EnableCommands() {
    // What works on the selected entry is greyed without one. Copy stays: with a full
    // schedule it still says so.
    const bool selected = document_.SelectedSlot().has_value();
    for (int id : {IDC_EDIT, IDC_DELETE, IDC_COPY_TO_DAYS}) FindWindow(id)->Enable(selected);
}

void CConfigDlg::CreateControls() {
    auto* top = new wxBoxSizer(wxVERTICAL);
    const wxSizerFlags inGroup = wxSizerFlags().Border(wxALL);
    auto group = [&](wxSizer* parent, const wxString& caption, wxSizerFlags flags) {
        auto* box = new wxStaticBoxSizer(wxHORIZONTAL, this, caption);
        parent->Add(box, flags);
        return box;
    };
    auto button = [&](wxStaticBoxSizer* box, int id, const wxString& caption, wxSizer* into = nullptr) {
        auto* control = new wxButton(box->GetStaticBox(), id, caption);
        if (into)
            into->Add(control, wxSizerFlags(inGroup).Expand());
        else
            box->Add(control, wxSizerFlags(inGroup).CenterVertical());
    };

    // Creation order is the tab order: the template's, with the week strip last.
    auto* files = new wxBoxSizer(wxHORIZONTAL);
    top->Add(files, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP));
    wxStaticBoxSizer* load = group(files, _("Load Configuration"), wxSizerFlags(1).Expand());
    load->AddStretchSpacer();
    button(load, IDC_LOAD_FROM_CARD, _("&Load From Card"));
    button(load, IDC_LOAD_FROM_FILE, _("Load From &File"));
    load->AddStretchSpacer();
    files->AddSpacer(wxSizerFlags::GetDefaultBorder());
    wxStaticBoxSizer* save = group(files, _("Save Configuration"), wxSizerFlags(1).Expand());
    // Four buttons in two rows: in one, the longer languages would widen the window past a
    // small screen.
    auto* saves = new wxFlexGridSizer(2, wxSize(0, 0));
    save->AddStretchSpacer();
    save->Add(saves, wxSizerFlags().CenterVertical());
    button(save, IDC_SAVE, _("Sa&ve"), saves);
    button(save, IDC_SAVE_TO_CARD, _("&Save To Card"), saves);
    button(save, IDC_SAVE_TO_FILE, _("Save &To File"), saves);
    button(save, IDC_COPY_TO_CARDS, wxGetTranslation(kCopyToCardsCaption), saves);
    save->AddStretchSpacer();
    // The groups share the width in proportion to what their buttons need, so that together
    // they need no more than the sum (equal shares would double the wider one).
    for (wxStaticBoxSizer* box : {load, save}) files->GetItem(box)->SetProportion(box->CalcMin().x);

    auto* schedule = new wxStaticBoxSizer(wxVERTICAL, this, _("Recording Schedule"));
    top->Add(schedule, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT | wxTOP));
    list_ = new CScheduleList(schedule->GetStaticBox(), IDC_SCHEDULE_LIST, document_);
    schedule->Add(list_, wxSizerFlags(1).Expand().Border(wxALL));
    auto* commands = new wxBoxSizer(wxHORIZONTAL);
    schedule->Add(commands, wxSizerFlags().Center());
    // The command menu's Alt keys are taken from the captions of New, Copy, Copy To Days and Edit.
    for (const auto& [id, caption] :
         {std::pair{IDC_NEW, _("&New")}, std::pair{IDC_COPY, _("&Copy")},
          std::pair{IDC_COPY_TO_DAYS, _("Cop&y To Days...")}, std::pair{IDC_EDIT, _("&Edit")},
          std::pair{IDC_DELETE, _("&Delete")}, std::pair{IDC_DELETE_ALL, _("Delete &All")}})
        commands->Add(new wxButton(schedule->GetStaticBox(), id, caption), inGroup);

    auto* week = new wxStaticBoxSizer(wxVERTICAL, this, _("Week"));
    top->Add(week, wxSizerFlags().Expand().Border(wxALL));
    weekStrip_ = new CWeekStrip(week->GetStaticBox(), IDC_WEEK_STRIP, document_);
    week->Add(weekStrip_, wxSizerFlags().Expand().Border(wxALL));
    statusLine_ = new CStatusLine(this, document_);
    top->Add(statusLine_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM));

    // The list asks for little on its own: its header and a few rows at the least.
    const int rowHeight = list_->GetCharHeight() + FromDIP(8);
    list_->SetMinSize(wxSize(FromDIP(320), rowHeight * (kMinimumRows + 1)));
    SetSizer(top);
}

void CConfigDlg::SizeToDisplay() {
    // At the least every control shows; beyond that the window opens as large as a full
    // schedule's nine columns and a good number of rows ask for, within the work area.
    Layout();
    const wxSize minimum = GetSizer()->ComputeFittingWindowSize(this);
    SetMinSize(minimum);
    const int rowHeight = list_->GetCharHeight() + FromDIP(8);
    const wxSize listNow = list_->GetMinSize();
    const int scrollBar = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, list_);
    const wxSize wanted(minimum.x + std::max(0, list_->FullScheduleWidth() + scrollBar + FromDIP(4) - listNow.x),
                        minimum.y + rowHeight * (kPreferredRows - kMinimumRows));
    const int display = wxDisplay::GetFromWindow(this);
    const wxRect area = wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
    // The window manager's frame takes a little of the work area too.
    const wxSize frame(FromDIP(16), FromDIP(48));
    SetSize(wxSize(std::clamp(wanted.x, minimum.x, std::max(minimum.x, area.width - frame.x)),
                   std::clamp(wanted.y, minimum.y, std::max(minimum.y, area.height - frame.y))));
    CentreOnScreen();
}

bool CConfigDlg::AskDiscard() {
    if (!document_.IsModified()) return true;
    // No is the default answer: Enter never throws the week away.
    return wxMessageBox(wxGetTranslation(kMsgDiscardCurrent), wxGetTranslation(kTitleConfirm),
                        wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION, this) == wxYES;
}

void CConfigDlg::ShowError(const wxString& message, const wxString& detail) {
    wxMessageDialog box(this, message, wxGetTranslation(kTitleError), wxOK | wxICON_EXCLAMATION);
    if (!detail.empty()) box.SetExtendedMessage(detail);
    box.ShowModal();
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
    // Ctrl+Z undoes; Ctrl+Y and Ctrl+Shift+Z redo.
    if (event.GetModifiers() == wxMOD_CONTROL && (key == 'Z' || key == 'Y')) {
        UndoStep(key == 'Y');
        return;
    }
    if (event.GetModifiers() == (wxMOD_CONTROL | wxMOD_SHIFT) && key == 'Z') {
        UndoStep(true);
        return;
    }
    // Ctrl+S saves back, Ctrl+Shift+S asks where, Ctrl+O opens, Ctrl+P prints; Ctrl+Q and
    // Ctrl+W close the window through the usual question.
    wxCommandEvent none;
    if (event.GetModifiers() == wxMOD_CONTROL) {
        switch (key) {
            case 'S': OnSave(none); return;
            case 'O': OnLoadFromFile(none); return;
            case 'P': OnPrint(none); return;
            case 'Q':
            case 'W': Close(); return;
            default: break;
        }
    }
    if (event.GetModifiers() == (wxMOD_CONTROL | wxMOD_SHIFT) && key == 'S') {
        OnSaveToFile(none);
        return;
    }
    // Enter in the table would activate its row; only a double-click edits.
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && !event.HasAnyModifiers() && InWindow(event, list_)) return;
    // Delete on the table or the strip deletes the selected entry, after its question.
    if ((key == WXK_DELETE || key == WXK_NUMPAD_DELETE) && !event.HasAnyModifiers() && InScheduleViews(event)) {
        wxCommandEvent none;
        OnDelete(none);
        return;
    }
    if (HandleMnemonicKey(this, event)) return;
    if (HandleAboutKey(this, event)) return;
    event.Skip();
}

bool CConfigDlg::InWindow(const wxKeyEvent& event, const wxWindow* window) const {
    const wxWindow* target = wxDynamicCast(event.GetEventObject(), wxWindow);
    if (!target) target = FindFocus();
    for (; target; target = target->GetParent())
        if (target == window) return true;
    return false;
}

bool CConfigDlg::InScheduleViews(const wxKeyEvent& event) const {
    return InWindow(event, list_) || InWindow(event, weekStrip_);
}

void CConfigDlg::OnListActivated(wxDataViewEvent&) {
    // The row double-clicked is already the selected one; Edit works on the selection.
    wxCommandEvent none;
    OnEdit(none);
}

void CConfigDlg::OnContextMenu(wxContextMenuEvent& event) {
    // From the keyboard (Shift+F10, the Menu key) the menu opens at the selected row or bar.
    const bool fromKeyboard = event.GetPosition() == wxDefaultPosition;
    const wxPoint at = fromKeyboard ? MenuAnchor() : ScreenToClient(event.GetPosition());
    // A right-click on the strip's rows acts on the day under the pointer.
    if (!fromKeyboard && event.GetEventObject() == weekStrip_)
        menuDay_ = weekStrip_->DayAtPoint(weekStrip_->ScreenToClient(event.GetPosition()));
    PopupMenu(MakeCommandMenu(document_, CommandDay()).get(), at);
    menuDay_.reset();
}

wxPoint CConfigDlg::MenuAnchor() const {
    const wxWindow* focus = FindFocus();
    const OptionalRow row = document_.SelectedRow();
    if (focus == weekStrip_ && row) {
        for (const WeekSegment& segment : weekStrip_->Segments()) {
            if (segment.slot != document_.SelectedSlot()) continue;
            const wxRect bar = weekStrip_->BarRect(segment);
            return ScreenToClient(weekStrip_->ClientToScreen(bar.GetBottomLeft()));
        }
    }
    if (row && list_->GetSelection().IsOk()) {
        const wxRect cell = list_->GetItemRect(list_->GetSelection());
        if (!cell.IsEmpty()) return ScreenToClient(list_->ClientToScreen(cell.GetBottomLeft()));
    }
    const wxWindow* anchor = focus ? focus : this;
    return ScreenToClient(anchor->GetScreenRect().GetBottomLeft());
}

void CConfigDlg::OnAboutCommand(wxCommandEvent&) {
    CAboutDlg about(this);
    about.ShowModal();
}

void CConfigDlg::OnListContextMenu(wxDataViewEvent&) { PopupMenu(MakeCommandMenu(document_, CommandDay()).get()); }

void CConfigDlg::OnMoveMenu(wxCommandEvent& event) {
    // Each entry of the menu as the strip's key makes the move: the entry or its stop, by days
    // or by steps.
    const struct {
        int id;
        bool stopOnly;
        int days, steps;
    } moves[] = {
        {IDM_MOVE_EARLIER, false, 0, -1},    {IDM_MOVE_LATER, false, 0, 1},
        {IDM_MOVE_DAY_EARLIER, false, -1, 0}, {IDM_MOVE_DAY_LATER, false, 1, 0},
        {IDM_STOP_EARLIER, true, 0, -1},     {IDM_STOP_LATER, true, 0, 1},
        {IDM_STOP_DAY_EARLIER, true, -1, 0}, {IDM_STOP_DAY_LATER, true, 1, 0},
    };
    for (const auto& move : moves)
        if (move.id == event.GetId()) weekStrip_->MoveSelected(move.stopOnly, move.days, move.steps);
}

void CConfigDlg::OnUndo(wxCommandEvent&) { UndoStep(false); }
void CConfigDlg::OnRedo(wxCommandEvent&) { UndoStep(true); }

void CConfigDlg::UndoStep(bool redo) {
    const std::optional<EditKind> step = redo ? document_.NextRedo() : document_.NextUndo();
    if (!step) return;
    redo ? document_.Redo() : document_.Undo();
    statusLine_->SetNote(UndoneText(*step, redo));
}

void CConfigDlg::OnWeekStripActivate(wxCommandEvent&) {
    // The strip has selected the entry it was double-clicked on.
    wxCommandEvent none;
    OnEdit(none);
}
