#include "ui/common/mnemonic_keys.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clntdata.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

// Windows looks for a mnemonic only among the controls of the group box that holds the
// focus: wx makes each box a dialog of its own for the keyboard, so from "Load From Card"
// Alt+N would never reach "&New" in another box. GTK, for its part, sends a label's mnemonic
// nowhere unless told where. The window therefore finds the control itself, the same way on
// every system.
namespace {
// What a label's mnemonic leads to, kept with the label.
class MnemonicTarget : public wxClientData {
public:
    explicit MnemonicTarget(wxWindow* control) : control(control) {}
    wxWindow* control;
};

bool CanAct(const wxWindow* window) { return window->IsShown() && window->IsEnabled(); }

// Acts on control when it has a caption and the caption carries letter; false when it does
// not or cannot take it. Only captions count: some systems give an edit's text as its label.
bool Act(wxWindow* control, wxChar letter) {
    const bool label = dynamic_cast<wxStaticText*>(control) || dynamic_cast<wxStaticBox*>(control);
    const bool captioned = label || dynamic_cast<wxButton*>(control) || dynamic_cast<wxCheckBox*>(control) ||
                           dynamic_cast<wxRadioButton*>(control);
    if (!captioned || MnemonicOf(control->GetLabel()) != letter) return false;
    if (auto* button = dynamic_cast<wxButton*>(control)) {
        QueueButtonClick(button);
        return true;
    }
    if (auto* box = dynamic_cast<wxCheckBox*>(control)) {
        box->SetFocus();
        box->SetValue(!box->GetValue());
        auto* changed = new wxCommandEvent(wxEVT_CHECKBOX, box->GetId());
        changed->SetInt(box->GetValue());
        changed->SetEventObject(box);
        wxQueueEvent(box, changed);
        return true;
    }
    if (auto* radio = dynamic_cast<wxRadioButton*>(control)) {
        radio->SetFocus();
        if (radio->GetValue()) return true;
        radio->SetValue(true);
        auto* chosen = new wxCommandEvent(wxEVT_RADIOBUTTON, radio->GetId());
        chosen->SetInt(1);
        chosen->SetEventObject(radio);
        wxQueueEvent(radio, chosen);
        return true;
    }
    // A label or a group box caption: the control it names, when that can take the focus.
    auto* target = label ? dynamic_cast<MnemonicTarget*>(control->GetClientObject()) : nullptr;
    if (!target || !CanAct(target->control)) return false;
    target->control->SetFocus();
    return true;
}

bool FindAndAct(wxWindow* parent, wxChar letter) {
    for (wxWindow* child : parent->GetChildren()) {
        if (child->IsTopLevel() || !CanAct(child)) continue;
        if (Act(child, letter) || FindAndAct(child, letter)) return true;
    }
    return false;
}
}  // namespace

wxChar MnemonicOf(const wxString& caption) {
    for (std::size_t i = 0; i + 1 < caption.length(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<wxChar>(wxToupper(caption[i + 1]));
    }
    return 0;
}

void SetMnemonicTarget(wxWindow* label, wxWindow* control) {
    label->SetClientObject(new MnemonicTarget(control));
#ifdef __WXGTK__
    // GTK's own mnemonic target, which is also the relation screen readers read the label by.
    GtkWidget* text = label->GetHandle();
    if (text && GTK_IS_FRAME(text)) text = gtk_frame_get_label_widget(GTK_FRAME(text));
    if (text && GTK_IS_LABEL(text)) gtk_label_set_mnemonic_widget(GTK_LABEL(text), control->GetConnectWidget());
#endif
}

bool HandleMnemonicKey(wxWindow* window, const wxKeyEvent& event) {
    if (event.GetModifiers() != wxMOD_ALT) return false;
    const int key = event.GetKeyCode();
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return FindAndAct(window, static_cast<wxChar>(key));
    // A translated caption may carry a letter beyond ASCII ("&Ändern"); its key comes with
    // no key code of its own, only as the character typed.
    const wxChar typed = event.GetUnicodeKey();
    if (typed == WXK_NONE || typed < 0x80) return false;
    return FindAndAct(window, static_cast<wxChar>(wxToupper(typed)));
}

void QueueButtonClick(wxWindow* button) {
    // Queued rather than run here: on Windows this key arrives inside a keyboard hook, where
    // a command's modal dialog must not start its own message loop.
    auto* click = new wxCommandEvent(wxEVT_BUTTON, button->GetId());
    click->SetEventObject(button);
    wxQueueEvent(button, click);
}
