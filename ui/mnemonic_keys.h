#pragma once
// Alt and a button's underlined letter press that button wherever it sits in the window.
#include <wx/event.h>
#include <wx/window.h>

// True when an enabled, shown button of window carries the key's letter as its mnemonic;
// its click is then queued, to run from the event loop once the key has been handled.
bool HandleMnemonicKey(wxWindow* window, const wxKeyEvent& event);

// Queues a click of button, as a press of it from the keyboard does.
void QueueButtonClick(wxWindow* button);
