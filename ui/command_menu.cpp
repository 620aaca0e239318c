#include "ui/command_menu.h"

#include "ui/about_access.h"
#include "ui/ids.h"

std::unique_ptr<wxMenu> MakeCommandMenu(const ConfigDocument& document) {
    auto menu = std::make_unique<wxMenu>();
    // The Alt keys are the buttons' own mnemonics, which work from anywhere in the window.
    menu->Append(IDC_NEW, "&New...\tAlt+N");
    menu->Append(IDC_COPY, "&Copy...\tAlt+C");
    menu->Append(IDC_COPY_TO_DAYS, "Cop&y To Days...\tAlt+Y");
    menu->Append(IDC_EDIT, "&Edit...\tAlt+E");
    menu->Append(IDC_DELETE, "&Delete\tDel");
    menu->AppendSeparator();
    menu->Append(wxID_UNDO, "&Undo\tCtrl+Z")->Enable(document.CanUndo());
    menu->Append(wxID_REDO, "&Redo\tCtrl+Y")->Enable(document.CanRedo());
    menu->AppendSeparator();
    menu->Append(wxID_PREVIEW, "Print Pre&view...");
    menu->Append(wxID_PRINT, "&Print...\tCtrl+P");
    menu->AppendSeparator();
    menu->Append(IDM_ABOUTBOX, wxString(kAboutMenuText) + "\tF1");
    const bool selected = document.SelectedSlot().has_value();
    for (int id : {IDC_COPY, IDC_COPY_TO_DAYS, IDC_EDIT, IDC_DELETE}) menu->Enable(id, selected);
    return menu;
}
