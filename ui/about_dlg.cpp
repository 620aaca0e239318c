#include "ui/about_dlg.h"

#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "ui/accessibility.h"
#include "ui/app_icon.h"
#include "ui/version.h"

namespace {
constexpr int kIconPixels = 32;
}  // namespace

// TRANSLATORS: the About box's title; ORVANTIS and SELDORIX are product names.
CAboutDlg::CAboutDlg(wxWindow* parent) : CDialogBase(parent, _("About ORVANTIS and SELDORIX Config")) {
    SetIcons(AppIcons());
    auto* icon = new wxStaticBitmap(this, wxID_ANY, AppIcon(kIconPixels));
    SetAccessibleName(icon, _("Application icon"));
    // TRANSLATORS: ORVANTIS and SELDORIX are product names; %s is the version, "1.4.0".
    const wxString about = wxString::Format(_("ORVANTIS and SELDORIX Config Version %s"), kProgramVersion);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(icon, wxSizerFlags().CentreVertical());
    row->Add(new wxStaticText(this, wxID_ANY, about), wxSizerFlags().CentreVertical().DoubleBorder(wxLEFT));
    // OK is the default button and has the focus.
    FinishLayout(row, wxOK);
}
