#include "ui/mnemonic_keys.h"

#include <wx/button.h>

// Windows looks for a mnemonic only among the controls of the group box that holds the
// focus: wx makes each box a dialog of its own for the keyboard, so from "Load From Card"
// Alt+N would never reach "&New" in another box. The window therefore finds the button
// itself, the same way on every system.
namespace {
// The letter after the first single '&' ("&&" is a literal ampersand), upper case.
wxChar MnemonicOf(const wxString& label) {
    for (std::size_t i = 0; i + 1 < label.length(); ++i) {
        if (label[i] != '&') continue;
        if (label[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<wxChar>(wxToupper(label[i + 1]));
    }
    return 0;
}

wxButton* FindMnemonicButton(wxWindow* parent, wxChar letter) {
    for (wxWindow* child : parent->GetChildren()) {
        if (child->IsTopLevel() || !child->IsShown() || !child->IsEnabled()) continue;
        auto* button = dynamic_cast<wxButton*>(child);
        if (button && MnemonicOf(button->GetLabel()) == letter) return button;
        if (wxButton* inner = FindMnemonicButton(child, letter)) return inner;
    }
    return nullptr;
}
}  // namespace

bool HandleMnemonicKey(wxWindow* window, const wxKeyEvent& event) {
    if (event.GetModifiers() != wxMOD_ALT) return false;
    const int key = event.GetKeyCode();
    if (!(key >= 'A' && key <= 'Z') && !(key >= '0' && key <= '9')) return false;
    wxButton* button = FindMnemonicButton(window, static_cast<wxChar>(key));
    if (!button) return false;
    QueueButtonClick(button);
    return true;
}

void QueueButtonClick(wxWindow* button) {
    // Queued rather than run here: on Windows this key arrives inside a keyboard hook, where
    // a command's modal dialog must not start its own message loop.
    auto* click = new wxCommandEvent(wxEVT_BUTTON, button->GetId());
    click->SetEventObject(button);
    wxQueueEvent(button, click);
}
