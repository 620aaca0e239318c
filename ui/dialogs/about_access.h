#pragma once
// How the operator reaches the About box of a window. Windows appends it to the window's system
// menu; GTK offers no way to extend the window manager's menu, so there it is F1 and the
// entry at the end of the window's command menu (ui/main_window/command_menu.h). This is the one place that
// differs. Every way ends in the same command, IDM_ABOUTBOX as a menu event to the window,
// which opens the box.
#include <wx/event.h>
#include <wx/window.h>

// "&About Quillon...", in English; the menus show it through wxGetTranslation.
extern const char* const kAboutMenuText;

void InstallAboutAccess(wxWindow* window);
// True when the key asked window for its About box.
bool HandleAboutKey(wxWindow* window, const wxKeyEvent& event);
