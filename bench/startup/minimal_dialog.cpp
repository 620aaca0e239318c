// The least a wx program can do to show a dialog: the yardstick for the editor's start-up.
// Built the same way as the editor (same libraries, same flags) and started the same way:
// the application runs one modal dialog and ends when it closes.
#include <cstdio>
#include <cstdlib>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>

class MinimalApp : public wxApp {
public:
    int OnRun() override {
        wxDialog dlg(nullptr, wxID_ANY, "Minimal Dialog");
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(new wxButton(&dlg, wxID_OK, "OK"), 0, wxALL, 10);
        dlg.SetSizerAndFit(sizer);
        // MINIMAL_DIALOG_SIZE=WxH gives the window that size, to compare with a window of the
        // same area.
        int width = 0, height = 0;
        const char* size = std::getenv("MINIMAL_DIALOG_SIZE");
        if (size && std::sscanf(size, "%dx%d", &width, &height) == 2 && width > 0 && height > 0)
            dlg.SetSize(width, height);
        dlg.Centre();
        dlg.ShowModal();
        return 0;
    }
};

wxIMPLEMENT_APP(MinimalApp);
