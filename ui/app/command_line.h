#pragma once
// The editor's command line, "dvr-config [FILE]", read with wx's own parser.
#include <wx/arrstr.h>
#include <wx/string.h>

// What a command line asks for: the editor (with a file to load first, or none), or an
// answer printed instead of opening any window.
struct CommandLine {
    enum class Action { kEdit, kHelp, kVersion, kWrong };
    Action action = Action::kEdit;
    wxString file;    // kEdit: the file named, as given; empty for none
    wxString answer;  // the usage, the version, or what was wrong followed by the usage
};

// Reads the arguments as the program got them, its own name first.
CommandLine ReadCommandLine(const wxArrayString& args);
// Prints the answer (help and version on standard output, a wrong command line on standard
// error) and gives the exit status: 0, or 2 for a wrong command line.
int AnswerCommandLine(const CommandLine& line);
