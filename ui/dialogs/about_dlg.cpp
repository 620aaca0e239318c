#include "ui/dialogs/about_dlg.h"

#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "ui/common/accessibility.h"
#include "ui/common/app_icon.h"
#include "ui/common/version.h"

namespace {
constexpr int kIconPixels = 32;
}  // namespace

// TRANSLATORS: the About box's title; ORVANTIS and SELDORIX are product names.
CAboutDlg::CAboutDlg(wxWindow* parent) : CDialogBase(parent, _("About ORVANTIS and SELDORIX Config")) {
    // The program named as the main window's title names it.
    const wxString name = wxGetTranslation(wxString::FromUTF8(kDisplayName));
    SetIcons(AppIcons());
    auto* icon = new wxStaticBitmap(this, wxID_ANY, AppIcon(kIconPixels));
    SetAccessibleName(icon, _("Application icon"));

    // TRANSLATORS: the program's version in the About box, "Version 1.4.0".
    const wxString version = wxString::Format(_("Version %s"), kProgramVersion);
    const wxString years = wxString::FromUTF8("\u00a9 ") + kCopyrightYears;
    // TRANSLATORS: the About box's copyright line; %s is the copyright sign and the years, "© 2026".
    const wxString copyright = wxString::Format(_("Copyright %s the dvr-config developers"), years);
    // TRANSLATORS: the About box's licence line; %s is the licence's name, "MIT License", kept as it is.
    const wxString licence = wxString::Format(_("Free software under the %s, with no warranty"), kLicenseName);

    auto* title = new wxStaticText(this, wxID_ANY, name);
    title->SetFont(title->GetFont().Bold());
    auto* lines = new wxBoxSizer(wxVERTICAL);
    lines->Add(title);
    for (const wxString& line : {version, copyright, licence})
        lines->Add(new wxStaticText(this, wxID_ANY, line), wxSizerFlags().Border(wxTOP));

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(icon, wxSizerFlags().Top());
    row->Add(lines, wxSizerFlags().DoubleBorder(wxLEFT));
    // OK is the default button and has the focus.
    FinishLayout(row, wxOK);
}
