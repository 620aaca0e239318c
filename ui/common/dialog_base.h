#pragma once
// What the editor's dialogs share: a fixed-size window with a caption, a system menu and a
// close box, drawn in the system's dialog font, its content above the standard buttons (the
// affirmative one the default button), opening at its natural size centred on its parent.
// The keyboard works alike in all of them: Alt and an underlined letter reach that control
// from anywhere, Enter presses the default button, Escape cancels.
#include <wx/dialog.h>
#include <wx/sizer.h>

class CDialogBase : public wxDialog {
protected:
    // A dialog titled title, in the dialog font that the children created after it take on.
    CDialogBase(wxWindow* parent, const wxString& title);

    // Puts content above buttons (CreateStdDialogButtonSizer's flags), fits, centres; returns the button row.
    wxStdDialogButtonSizer* FinishLayout(wxSizer* content, long buttons);

private:
    void OnCharHook(wxKeyEvent& event);
    void OnSize(wxSizeEvent& event);

    wxDECLARE_EVENT_TABLE();
};
