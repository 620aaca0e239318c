#pragma once
// Alt and a control's underlined letter act on that control wherever it sits in the window: a
// button is pressed, a check box ticked or cleared, a radio button chosen, and a label or a
// group box caption moves the focus to the control it names.
#include <wx/event.h>
#include <wx/window.h>

// Makes label (a wxStaticText or a wxStaticBox) name control: its mnemonic then moves the focus
// there, and assistive tools read label as control's label.
void SetMnemonicTarget(wxWindow* label, wxWindow* control);

// True when an enabled, shown control of window carries the key's letter as its mnemonic and
// was acted on. A button's click is queued, to run from the event loop once the key has been handled.
bool HandleMnemonicKey(wxWindow* window, const wxKeyEvent& event);

// The letter after the first single '&' of caption ("&&" is a literal ampersand), upper
// case; 0 for a caption without one.
wxChar MnemonicOf(const wxString& caption);

// Queues a click of button, as a press of it from the keyboard does.
void QueueButtonClick(wxWindow* button);
