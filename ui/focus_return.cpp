#include "ui/focus_return.h"

#include <wx/dialog.h>
#include <wx/toplevel.h>

CFocusReturn::CFocusReturn(wxWindow* top) : top_(top) { Register(); }

CFocusReturn::~CFocusReturn() { Unregister(); }

int CFocusReturn::Enter(wxDialog* dialog) {
    wxWindow* focus = wxWindow::FindFocus();
    if (focus && wxGetTopLevelParent(focus) == top_) saved_.emplace_back(dialog, focus);
    return wxID_NONE;
}

void CFocusReturn::Exit(wxDialog* dialog) {
    // A dialog answered by another hook was never entered here.
    if (saved_.empty() || saved_.back().first != dialog) return;
    wxWeakRef<wxWindow> focus = saved_.back().second;
    saved_.pop_back();
    if (!focus || !focus->IsShownOnScreen() || !focus->IsEnabled()) return;
    focus->SetFocus();
    // GTK hands the focus to the window's first control once it is active again; setting it
    // once more from the event loop wins over that.
    top_->CallAfter([focus] {
        if (focus && focus->IsShownOnScreen() && focus->IsEnabled()) focus->SetFocus();
    });
}
