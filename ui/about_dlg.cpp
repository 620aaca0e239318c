#include "ui/about_dlg.h"

#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "ui/accessibility.h"
#include "ui/app_icon.h"
#include "ui/version.h"

namespace {
constexpr const char* kAboutCaption = "About ORVANTIS and SELDORIX Config";
constexpr const char* kAboutText = "ORVANTIS and SELDORIX Config Version %s";
constexpr int kIconPixels = 32;
}  // namespace

CAboutDlg::CAboutDlg(wxWindow* parent) : CDialogBase(parent, kAboutCaption) {
    SetIcons(AppIcons());
    auto* icon = new wxStaticBitmap(this, wxID_ANY, AppIcon(kIconPixels));
    SetAccessibleName(icon, "Application icon");
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(icon, wxSizerFlags().CentreVertical());
    row->Add(new wxStaticText(this, wxID_ANY, wxString::Format(kAboutText, kProgramVersion)), wxSizerFlags().CentreVertical().DoubleBorder(wxLEFT));
    // OK is the default button and has the focus.
    FinishLayout(row, wxOK);
}
