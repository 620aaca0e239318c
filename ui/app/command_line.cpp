#include "ui/app/command_line.h"

#include <cstdio>
#include <string>
#include <vector>

#include <wx/cmdline.h>
#include <wx/msgout.h>

#include "ui/common/version.h"

#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>
#endif

namespace {
constexpr const char* kVersionSwitch = "version";

// Keeps what the parser would print, so that the caller decides where it goes.
class CollectedOutput : public wxMessageOutput {
public:
    wxString text;

protected:
    void Output(const wxString& message) override { text += message; }
};

#ifdef __WXMSW__
// A Windows program with windows starts without standard output unless it was redirected: the
// answer then goes to the console of the command prompt it was started from, if there is one.
void ReachParentConsole() {
    if (::GetFileType(::GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN) return;
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}
#endif
}  // namespace

CommandLine ReadCommandLine(const wxArrayString& args) {
    // The parser takes the arguments as the C runtime hands them over.
    std::vector<std::wstring> copies;
    for (const wxString& arg : args) copies.push_back(arg.ToStdWstring());
    std::vector<wchar_t*> argv;
    for (std::wstring& copy : copies) argv.push_back(copy.data());
    argv.push_back(nullptr);

    wxCmdLineParser parser(static_cast<int>(copies.size()), argv.data());
    // Options start with "-" on every system, so that any path is a file, "/data/WEEK.DAT" on
    // Windows too (wx would take a "/" there for an option).
    parser.SetSwitchChars("-");
    parser.AddSwitch("h", "help", _("show this help and exit"), wxCMD_LINE_OPTION_HELP);
    parser.AddLongSwitch(kVersionSwitch, _("show the version and exit"));
    parser.AddParam("FILE", wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL);
    // TRANSLATORS: the first line of --help; %s is the program's name. FILE stands for the
    // file named on the command line, as the usage line shows it: keep it as it is.
    parser.SetLogo(wxString::Format(_("%s: edits a recorder's weekly recording schedule, and loads FILE at start."),
                                    wxGetTranslation(wxString::FromUTF8(kDisplayName))));

    CollectedOutput collected;
    wxMessageOutput* const previous = wxMessageOutput::Set(&collected);
    const int parsed = parser.Parse(true);
    wxMessageOutput::Set(previous);

    CommandLine line;
    if (parsed == -1) {
        line.action = CommandLine::Action::kHelp;
        line.answer = collected.text;
    } else if (parsed != 0) {
        line.action = CommandLine::Action::kWrong;
        line.answer = collected.text;
    } else if (parser.FoundSwitch(kVersionSwitch) == wxCMD_SWITCH_ON) {
        line.action = CommandLine::Action::kVersion;
        line.answer = wxString::Format("dvr-config %s\n", kProgramVersion);
    } else if (parser.GetParamCount() == 1) {
        line.file = parser.GetParam(0);
    }
    return line;
}

int AnswerCommandLine(const CommandLine& line) {
#ifdef __WXMSW__
    ReachParentConsole();
#endif
    const bool wrong = line.action == CommandLine::Action::kWrong;
    wxMessageOutputStderr(wrong ? stderr : stdout).Output(line.answer);
    return wrong ? 2 : 0;
}
