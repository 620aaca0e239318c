#pragma once
// How the operator reaches the About box. Windows appends it to the window's system menu;
// GTK offers no way to extend the window manager's menu, so there it is F1 and a right-click
// menu on the window, both carrying the same entry. This is the one place that differs.
#include <wx/dialog.h>
#include <wx/event.h>
#include <wx/menu.h>

class CConfigDlg;

extern const char* const kAboutMenuText;  // "&About Quillon..."

// The right-click menu: the About entry, under the system menu's command id.
wxMenu* MakeAboutMenu();

void InstallAboutAccess(CConfigDlg* window);
// True when the key opened the About box.
bool HandleAboutKey(CConfigDlg* window, const wxKeyEvent& event);
// True when the right-click menu was shown.
bool ShowAboutMenu(CConfigDlg* window, const wxContextMenuEvent& event);
