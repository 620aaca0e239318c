#pragma once
// The application: it runs the main window modally and ends when it closes.
#include <wx/app.h>

#include "ui/app/command_line.h"

class CConfigApp : public wxApp {
public:
    // Reads the command line the toolkit leaves (GTK takes its own options first): a file
    // named there is loaded once the main window shows; --help, --version and a wrong
    // command line are answered without opening any window.
    bool OnInit() override;
    // The main window's modal run is the whole application: no main loop of its own, and a
    // clean exit status whatever the window returned. An answered command line gives its own.
    int OnRun() override;

private:
    CommandLine commandLine_;
};
