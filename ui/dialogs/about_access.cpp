#include "ui/dialogs/about_access.h"

#include "ui/common/ids.h"

#include <wx/translation.h>

#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>
#endif

const char* const kAboutMenuText = wxTRANSLATE("&About Quillon...");

namespace {
// Asks window for its About box, as choosing the menu entry does.
void SendAboutCommand(wxWindow* window) {
    wxCommandEvent command(wxEVT_MENU, IDM_ABOUTBOX);
    command.SetEventObject(window);
    window->HandleWindowEvent(command);
}

#ifdef __WXMSW__
// The system menu's About item arrives as WM_SYSCOMMAND; Windows keeps the low four bits
// of the command for itself. Only windows that installed the entry have it in their menu.
bool OnSysCommand(wxWindowMSW* win, WXUINT, WXWPARAM wParam, WXLPARAM) {
    if ((wParam & 0xFFF0) != IDM_ABOUTBOX) return false;
    SendAboutCommand(win);
    return true;
}
#endif
}  // namespace

#ifdef __WXMSW__
void InstallAboutAccess(wxWindow* window) {
    if (HMENU menu = ::GetSystemMenu(static_cast<HWND>(window->GetHWND()), FALSE)) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, wxGetTranslation(kAboutMenuText).wc_str());
    }
    static const bool registered = wxWindow::MSWRegisterMessageHandler(WM_SYSCOMMAND, OnSysCommand);
    (void)registered;  // one handler serves every main window
}
#else
// The window manager owns the title bar's menu on GTK; F1 and the right-click menu take
// its place.
void InstallAboutAccess(wxWindow*) {}
#endif

bool HandleAboutKey(wxWindow* window, const wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_F1 || event.HasAnyModifiers()) return false;
    SendAboutCommand(window);
    return true;
}
