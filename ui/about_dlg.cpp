#include "ui/about_dlg.h"

#include <wx/button.h>
#include <wx/settings.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "ui/accessibility.h"
#include "ui/app_icon.h"
#include "ui/config_dlg.h"
#include "ui/template_layout.h"

namespace {
constexpr const char* kAboutCaption = "About ORVANTIS and SELDORIX Config";
constexpr const char* kAboutText = "ORVANTIS and SELDORIX Config Version 1.1.0";
constexpr int kIconPixels = 32;  // what a 21 x 20 box holds at the template's own font
}  // namespace

CAboutDlg::CAboutDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, kAboutCaption, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
    SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    SetIcons(AppIcons());
    TemplateLayout layout;
    auto* icon = new wxStaticBitmap(this, wxID_ANY, AppIcon(kIconPixels));
    SetAccessibleName(icon, "Application icon");
    layout.Add(icon, 11, 17, 21, 20);
    layout.Add(new wxStaticText(this, wxID_ANY, kAboutText), 40, 10, 209, 8);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    layout.Add(ok, 260, 7, 50, 14);
    layout.Apply(this, 317, 54);
    ok->SetFocus();
    CentreOnParent();
}

void CConfigDlg::ShowAbout() {
    CAboutDlg about(this);
    about.ShowModal();
}
