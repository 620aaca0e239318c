#include "ui/main_window/command_menu.h"

#include "ui/dialogs/about_access.h"
#include "ui/common/ids.h"
#include "ui/common/messages.h"
#include "ui/common/mnemonic_keys.h"

namespace {
// A menu entry that does what a button of the window does: its Alt key is the button's own
// mnemonic, which works from anywhere in the window, taken from the caption as translated.
wxString WithButtonKey(const wxString& label, const wxString& buttonCaption) {
    const wxChar letter = MnemonicOf(buttonCaption);
    return letter ? label + "\tAlt+" + wxString(letter) : label;
}
}  // namespace

std::unique_ptr<wxMenu> MakeCommandMenu(const ConfigDocument& document, std::optional<int> day) {
    auto menu = std::make_unique<wxMenu>();
    menu->Append(IDC_NEW, WithButtonKey(_("&New..."), _("&New")));
    menu->Append(IDC_COPY, WithButtonKey(_("&Copy..."), _("&Copy")));
    menu->Append(IDC_COPY_TO_DAYS, WithButtonKey(_("Cop&y To Days..."), _("Cop&y To Days...")));
    menu->Append(IDC_EDIT, WithButtonKey(_("&Edit..."), _("&Edit")));
    menu->Append(IDC_DELETE, _("&Delete") + "\tDel");
    // The week strip's keys, listed where the operator looks for them.
    auto move = std::make_unique<wxMenu>();
    move->Append(IDM_MOVE_EARLIER, _("15 Minutes Earlier") + "\tAlt+Left");
    move->Append(IDM_MOVE_LATER, _("15 Minutes Later") + "\tAlt+Right");
    move->Append(IDM_MOVE_DAY_EARLIER, _("A Day Earlier") + "\tAlt+Up");
    move->Append(IDM_MOVE_DAY_LATER, _("A Day Later") + "\tAlt+Down");
    move->AppendSeparator();
    move->Append(IDM_STOP_EARLIER, _("Stop 15 Minutes Earlier") + "\tCtrl+Left");
    move->Append(IDM_STOP_LATER, _("Stop 15 Minutes Later") + "\tCtrl+Right");
    move->Append(IDM_STOP_DAY_EARLIER, _("Stop a Day Earlier") + "\tCtrl+Up");
    move->Append(IDM_STOP_DAY_LATER, _("Stop a Day Later") + "\tCtrl+Down");
    wxMenuItem* moves = menu->AppendSubMenu(move.release(), _("&Move Entry"));
    menu->AppendSeparator();
    menu->Append(IDM_COPY_DAY_TO_DAYS, _("Copy Day &To Days..."));
    menu->Append(IDM_CLEAR_DAY, _("C&lear Day..."));
    menu->AppendSeparator();
    menu->Append(wxID_UNDO, _("&Undo") + "\tCtrl+Z")->Enable(document.CanUndo());
    menu->Append(wxID_REDO, _("&Redo") + "\tCtrl+Y")->Enable(document.CanRedo());
    menu->AppendSeparator();
    menu->Append(IDC_SAVE, _("&Save") + "\tCtrl+S");
    const wxString copyToCards = wxGetTranslation(kCopyToCardsCaption);
    menu->Append(IDC_COPY_TO_CARDS, WithButtonKey(copyToCards, copyToCards));
    menu->AppendSeparator();
    menu->Append(wxID_PREVIEW, _("Print Pre&view..."));
    menu->Append(wxID_PRINT, _("&Print...") + "\tCtrl+P");
    menu->AppendSeparator();
    menu->Append(IDM_ABOUTBOX, wxGetTranslation(kAboutMenuText) + "\tF1");
    const bool selected = document.SelectedSlot().has_value();
    for (int id : {IDC_COPY, IDC_COPY_TO_DAYS, IDC_EDIT, IDC_DELETE}) menu->Enable(id, selected);
    moves->Enable(selected);
    // A day without an entry starting on it has nothing to copy or clear.
    const bool dayHasEntries = day && document.CountStartingOn(*day) > 0;
    for (int id : {IDM_COPY_DAY_TO_DAYS, IDM_CLEAR_DAY}) menu->Enable(id, dayHasEntries);
    return menu;
}
