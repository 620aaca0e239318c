#include "ui/about_access.h"

#include <wx/menu.h>

#include "ui/config_dlg.h"
#include "ui/ids.h"

const char* const kAboutMenuText = "&About Quillon...";

void InstallAboutAccess(CConfigDlg*) {}

bool HandleAboutKey(CConfigDlg* window, const wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_F1 || event.HasAnyModifiers()) return false;
    window->ShowAbout();
    return true;
}

bool ShowAboutMenu(CConfigDlg* window, const wxContextMenuEvent&) {
    wxMenu menu;
    menu.Append(IDM_ABOUTBOX, kAboutMenuText);
    window->PopupMenu(&menu);
    return true;
}
