#include "ui/command_menu.h"

#include "ui/about_access.h"
#include "ui/ids.h"
#include "ui/mnemonic_keys.h"

namespace {
// A menu entry that does what a button of the window does: its Alt key is the button's own
// mnemonic, which works from anywhere in the window, taken from the caption as translated.
wxString WithButtonKey(const wxString& label, const wxString& buttonCaption) {
    const wxChar letter = MnemonicOf(buttonCaption);
    return letter ? label + "\tAlt+" + wxString(letter) : label;
}
}  // namespace

std::unique_ptr<wxMenu> MakeCommandMenu(const ConfigDocument& document) {
    auto menu = std::make_unique<wxMenu>();
    menu->Append(IDC_NEW, WithButtonKey(_("&New..."), _("&New")));
    menu->Append(IDC_COPY, WithButtonKey(_("&Copy..."), _("&Copy")));
    menu->Append(IDC_COPY_TO_DAYS, WithButtonKey(_("Cop&y To Days..."), _("Cop&y To Days...")));
    menu->Append(IDC_EDIT, WithButtonKey(_("&Edit..."), _("&Edit")));
    menu->Append(IDC_DELETE, _("&Delete") + "\tDel");
    menu->AppendSeparator();
    menu->Append(wxID_UNDO, _("&Undo") + "\tCtrl+Z")->Enable(document.CanUndo());
    menu->Append(wxID_REDO, _("&Redo") + "\tCtrl+Y")->Enable(document.CanRedo());
    menu->AppendSeparator();
    menu->Append(IDC_SAVE, _("&Save") + "\tCtrl+S");
    menu->AppendSeparator();
    menu->Append(wxID_PREVIEW, _("Print Pre&view..."));
    menu->Append(wxID_PRINT, _("&Print...") + "\tCtrl+P");
    menu->AppendSeparator();
    menu->Append(IDM_ABOUTBOX, wxGetTranslation(kAboutMenuText) + "\tF1");
    const bool selected = document.SelectedSlot().has_value();
    for (int id : {IDC_COPY, IDC_COPY_TO_DAYS, IDC_EDIT, IDC_DELETE}) menu->Enable(id, selected);
    return menu;
}
