#include "ui/about_dlg.h"

#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "ui/accessibility.h"
#include "ui/app_icon.h"
#include "ui/config_dlg.h"
#include "ui/version.h"

namespace {
constexpr const char* kAboutCaption = "About ORVANTIS and SELDORIX Config";
constexpr const char* kAboutText = "ORVANTIS and SELDORIX Config Version %s";
constexpr int kIconPixels = 32;
}  // namespace

CAboutDlg::CAboutDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, kAboutCaption, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
    SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    SetIcons(AppIcons());
    auto* icon = new wxStaticBitmap(this, wxID_ANY, AppIcon(kIconPixels));
    SetAccessibleName(icon, "Application icon");
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(icon, wxSizerFlags().CentreVertical());
    row->Add(new wxStaticText(this, wxID_ANY, wxString::Format(kAboutText, kProgramVersion)), wxSizerFlags().CentreVertical().DoubleBorder(wxLEFT));
    auto* whole = new wxBoxSizer(wxVERTICAL);
    whole->Add(row, wxSizerFlags().DoubleBorder());
    // OK is the default button and has the focus.
    whole->Add(CreateStdDialogButtonSizer(wxOK), wxSizerFlags().Expand().DoubleBorder(wxLEFT | wxRIGHT | wxBOTTOM));
    SetSizerAndFit(whole);
    CentreOnParent();
}

void CConfigDlg::ShowAbout() {
    CAboutDlg about(this);
    about.ShowModal();
}
