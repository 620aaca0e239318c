#include "ui/app/app.h"

#include "ui/main_window/config_dlg.h"
#include "ui/app/language.h"
#include "ui/common/version.h"

bool CConfigApp::OnInit() {
    SetAppName("dvr-config");
    SetAppDisplayName(kDisplayName);
    UseDesktopLanguage();
    // The native theme draws every control; there is no separate 3-D look to switch on.
    commandLine_ = ReadCommandLine(argv.GetArguments());
    return true;
}

int CConfigApp::OnRun() {
    if (commandLine_.action != CommandLine::Action::kEdit) return AnswerCommandLine(commandLine_);
    {
        CConfigDlg dlg;
        SetTopWindow(&dlg);
        // Loaded once the window shows, so that a message about the file stands over it.
        if (!commandLine_.file.empty()) dlg.CallAfter([&dlg, file = commandLine_.file] { dlg.OpenFile(file); });
        dlg.ShowModal();
        SetTopWindow(nullptr);
    }
    return 0;
}
