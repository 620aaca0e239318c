#pragma once
// Puts the focus back where it was in a window when a dialog or message that was shown over it
// closes: on the list, the strip or the button the operator pressed, never on whatever control
// the toolkit picks (where a later Enter would press a button the operator did not choose).
#include <utility>
#include <vector>

#include <wx/modalhook.h>
#include <wx/weakref.h>
#include <wx/window.h>

class CFocusReturn : public wxModalDialogHook {
public:
    // Watches every modal dialog shown while it lives; acts for those shown over top.
    explicit CFocusReturn(wxWindow* top);
    ~CFocusReturn() override;

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog* dialog) override;

private:
    wxWindow* top_;
    // The focus each open dialog found in top, innermost last.
    std::vector<std::pair<wxDialog*, wxWeakRef<wxWindow>>> saved_;
};
