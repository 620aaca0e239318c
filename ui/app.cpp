#include "ui/app.h"

#include "ui/config_dlg.h"
#include "ui/version.h"

bool CConfigApp::OnInit() {
    SetAppName("dvr-config");
    SetAppDisplayName(kDisplayName);
    // The native theme draws every control; there is no separate 3-D look to switch on.
    return true;
}

int CConfigApp::OnRun() {
    {
        CConfigDlg dlg;
        SetTopWindow(&dlg);
        dlg.ShowModal();
        SetTopWindow(nullptr);
    }
    return 0;
}
