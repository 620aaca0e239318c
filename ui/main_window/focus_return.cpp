#include "ui/main_window/focus_return.h"

#include <algorithm>
#include <iterator>

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
    // A dialog that another hook answered without showing it never comes back here: the
    // entries above this one are such dialogs.
    const auto entry = std::find_if(saved_.rbegin(), saved_.rend(), [dialog](const auto& e) { return e.first == dialog; });
    if (entry == saved_.rend()) return;
    wxWeakRef<wxWindow> focus = entry->second;
    saved_.erase(std::prev(entry.base()), saved_.end());
    if (!focus || !focus->IsShownOnScreen() || !focus->IsEnabled()) return;
    focus->SetFocus();
    // GTK hands the focus to the window's first control once it is active again; setting it
    // once more from the event loop wins over that.
    top_->CallAfter([focus] {
        if (focus && focus->IsShownOnScreen() && focus->IsEnabled()) focus->SetFocus();
    });
}
