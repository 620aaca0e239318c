#pragma once
// The application: it runs the main window modally and ends when it closes.
#include <wx/app.h>

class CConfigApp : public wxApp {
public:
    // The editor takes no command line: GTK's own options are consumed by the toolkit,
    // anything else is ignored rather than refused.
    bool OnInit() override;
    // The main window's modal run is the whole application: no main loop of its own,
    // and a clean exit status whatever the window returned.
    int OnRun() override;
};
