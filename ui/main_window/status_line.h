#pragma once
// The line under the week strip that says where the schedule stands: what the last load or
// save did, whether there are unsaved changes, and how many entries there are. Plain labels,
// so that a screen reader reads them as they are.
#include <wx/panel.h>
#include <wx/stattext.h>

#include "document/config_document.h"

class CStatusLine : public wxPanel {
public:
    CStatusLine(wxWindow* parent, ConfigDocument& document);
    ~CStatusLine() override;

    // What the last load or save did, as the window words it: "Saved to card CARD at 14:02".
    // It stands until the next load or save, but for notes.
    void SetLastAction(const wxString& text);
    // What a command on the schedule did or why it was refused ("Not changed: ...", "Undid
    // moving an entry"); it stands in place of the last action until the schedule next changes.
    void SetNote(const wxString& text);

    wxString LastAction() const { return action_->GetLabel(); }
    // Only words: Tab passes it by.
    bool AcceptsFocus() const override { return false; }
    bool AcceptsFocusFromKeyboard() const override { return false; }
    // "12 of 256 entries", after "Unsaved changes" while there are some; translated.
    wxString State() const;
    // The room left free at the line's right end for the window's size grip.
    int GripWidth() const;

private:
    void ShowState();
    void ShowAction(const wxString& text);

    ConfigDocument& document_;
    int listenerId_ = 0;
    wxString lastAction_;  // what the last load or save did
    wxStaticText* action_;
    wxStaticText* unsaved_;
    wxStaticText* count_;
};
