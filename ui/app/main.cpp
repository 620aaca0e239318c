#include "ui/app/app.h"

#ifdef __WXMSW__
// Windows needs no display to answer, and its entry point hands wx the command line in UTF-16.
wxIMPLEMENT_APP(CConfigApp);
#else
#include <string>
#include <vector>

wxIMPLEMENT_APP_NO_MAIN(CConfigApp);

namespace {
// An argument read as UTF-8, as GLib and the desktop take file names whatever the locale
// says (in the C locale wx would garble every name beyond ASCII); one that is not UTF-8 is
// read in the locale's character set.
wxString ArgumentText(const char* arg) {
    const wxString text = wxString::FromUTF8(arg);
    return text.empty() && *arg ? wxString(arg) : text;
}
}  // namespace

// --help and --version are answered before GTK starts, so that they need no display.
// Everything else, GTK's own options among it, goes to the application, which reads what
// GTK leaves of the command line.
int main(int argc, char** argv) {
    wxDISABLE_DEBUG_SUPPORT();  // as wx's own main does: no assertions in a release build
    wxArrayString args;
    for (int i = 0; i < argc; ++i) args.push_back(ArgumentText(argv[i]));
    const CommandLine line = ReadCommandLine(args);
    if (line.action == CommandLine::Action::kHelp || line.action == CommandLine::Action::kVersion)
        return AnswerCommandLine(line);

    std::vector<std::wstring> wide;
    for (const wxString& arg : args) wide.push_back(arg.ToStdWstring());
    std::vector<wchar_t*> wideArgv;
    for (std::wstring& arg : wide) wideArgv.push_back(arg.data());
    wideArgv.push_back(nullptr);
    int count = argc;
    return wxEntry(count, wideArgv.data());
}
#endif
