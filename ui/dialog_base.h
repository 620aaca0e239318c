#pragma once
// What the editor's dialogs share: a fixed-size window with a caption, a system menu and a
// close box, drawn in the system's dialog font, its content above the standard buttons, and
// opening at its natural size centred on its parent.
#include <wx/dialog.h>
#include <wx/sizer.h>

class CDialogBase : public wxDialog {
protected:
    // A dialog titled title, in the system's dialog font, which its children take on when
    // created after this constructor.
    CDialogBase(wxWindow* parent, const wxString& title);

    // Sets content above the standard buttons (wxOK, wxCANCEL, ... as for
    // CreateStdDialogButtonSizer; the affirmative one becomes the default button), fits the
    // dialog to them and centres it on its parent. Returns the button row, to reach its buttons.
    wxStdDialogButtonSizer* FinishLayout(wxSizer* content, long buttons);
};
