#pragma once
// The About box: the application icon, the name and version, and OK.
#include "ui/dialog_base.h"

class CAboutDlg : public CDialogBase {
public:
    explicit CAboutDlg(wxWindow* parent);
};
