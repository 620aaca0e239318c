#include "ui/common/dialog_base.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/settings.h>

#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>
#endif

#include "ui/common/mnemonic_keys.h"

namespace {
bool IsEnter(const wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    return (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && !event.HasAnyModifiers();
}

// True while control is a drop-down list showing its items. On GTK an open list holds the
// keyboard itself, so its keys never reach the dialog; the native list of Windows does not.
bool IsOpenDropDown(wxWindow* control) {
#ifdef __WXMSW__
    auto* list = dynamic_cast<wxChoice*>(control);
    return list && ::SendMessageW(static_cast<HWND>(list->GetHWND()), CB_GETDROPPEDSTATE, 0, 0) != 0;
#else
    (void)control;
    return false;
#endif
}
}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CDialogBase, wxDialog)
    EVT_CHAR_HOOK(CDialogBase::OnCharHook)
    EVT_SIZE(CDialogBase::OnSize)
wxEND_EVENT_TABLE()
// clang-format on

CDialogBase::CDialogBase(wxWindow* parent, const wxString& title)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
    SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
}

wxStdDialogButtonSizer* CDialogBase::FinishLayout(wxSizer* content, long buttons) {
    // The content and the buttons share one margin of twice the standard border all round.
    wxStdDialogButtonSizer* row = CreateStdDialogButtonSizer(buttons);
    auto* whole = new wxBoxSizer(wxVERTICAL);
    whole->Add(content, wxSizerFlags(1).Expand().DoubleBorder());
    whole->Add(row, wxSizerFlags().Expand().DoubleBorder(wxLEFT | wxRIGHT | wxBOTTOM));
    SetSizerAndFit(whole);
    CentreOnParent();
    return row;
}

void CDialogBase::OnCharHook(wxKeyEvent& event) {
    wxWindow* target = wxDynamicCast(event.GetEventObject(), wxWindow);
    if (!target) target = FindFocus();
    // An open drop-down list keeps Enter and Escape: they pick an item and close the list.
    const int key = event.GetKeyCode();
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_ESCAPE) && IsOpenDropDown(target)) {
        event.DoAllowNextEvent();
        return;
    }
    if (HandleMnemonicKey(this, event)) return;
    // Enter on a button presses that button; anywhere else it is the default button, and
    // nothing at all while that is disabled (a list would otherwise act on its cursor row).
    if (IsEnter(event) && !dynamic_cast<wxButton*>(target)) {
        if (auto* button = dynamic_cast<wxButton*>(GetDefaultItem())) {
            if (button->IsEnabled()) QueueButtonClick(button);
            return;
        }
    }
    event.Skip();  // Escape goes on to wxDialog, which presses Cancel
}

void CDialogBase::OnSize(wxSizeEvent& event) {
    event.Skip();
    // GTK settles the size of some controls (edits, the time pickers' parts) only once the
    // window is on screen, after the dialog was fitted; a dialog kept at its first size would
    // squeeze its sliders and check boxes below their minimum. It grows instead, about its centre.
    if (!GetSizer()) return;
    const wxSize need = GetSizer()->ComputeFittingClientSize(this);
    const wxSize have = GetClientSize();
    const wxSize grow(std::max(need.x - have.x, 0), std::max(need.y - have.y, 0));
    if (grow.x == 0 && grow.y == 0) return;
    const wxRect now = GetRect();
    SetSize(now.x - grow.x / 2, now.y - grow.y / 2, now.width + grow.x, now.height + grow.y);
}
