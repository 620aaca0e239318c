#pragma once
// The About box: the application icon, the program's name as the main window's title gives it,
// its version, copyright and licence, and OK.
#include "ui/common/dialog_base.h"

class CAboutDlg : public CDialogBase {
public:
    explicit CAboutDlg(wxWindow* parent);
};
