#include "ui/dialog_base.h"

#include <wx/settings.h>

CDialogBase::CDialogBase(wxWindow* parent, const wxString& title)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
    SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
}

wxStdDialogButtonSizer* CDialogBase::FinishLayout(wxSizer* content, long buttons) {
    // The content and the buttons share one margin of twice the standard border all round.
    wxStdDialogButtonSizer* row = CreateStdDialogButtonSizer(buttons);
    auto* whole = new wxBoxSizer(wxVERTICAL);
    whole->Add(content, wxSizerFlags(1).Expand().DoubleBorder());
    whole->Add(row, wxSizerFlags().Expand().DoubleBorder(wxLEFT | wxRIGHT | wxBOTTOM));
    SetSizerAndFit(whole);
    CentreOnParent();
    return row;
}
