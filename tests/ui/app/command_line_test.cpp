// The command line: a file to load, --help, --version, and what is refused.
#include <gtest/gtest.h>

#include "ui/app/command_line.h"
#include "ui/common/version.h"

namespace {
using Action = CommandLine::Action;

TEST(CommandLine, NamesAFileOrAsksForAnAnswer) {
    const struct {
        std::vector<wxString> args;
        Action action;
        wxString file;
        wxString culprit = {};  // what a wrong command line's answer names
    } cases[] = {
        {{}, Action::kEdit, ""},
        {{"WEEK.DAT"}, Action::kEdit, "WEEK.DAT"},
        {{"/media/op/CARD/CONFIG01.DAT"}, Action::kEdit, "/media/op/CARD/CONFIG01.DAT"},
        // Any name, as the system hands it over (UTF-16 on Windows).
        {{wxString::FromUTF8("Woche \xC3\xBC\xE2\x98\x83 \xF0\x9F\x93\xBC.DAT")}, Action::kEdit,
         wxString::FromUTF8("Woche \xC3\xBC\xE2\x98\x83 \xF0\x9F\x93\xBC.DAT")},
        {{"--", "-odd.DAT"}, Action::kEdit, "-odd.DAT"},
        {{"--help"}, Action::kHelp, ""},
        {{"-h"}, Action::kHelp, ""},
        {{"WEEK.DAT", "--help"}, Action::kHelp, ""},
        {{"--version"}, Action::kVersion, ""},
        {{"--bogus"}, Action::kWrong, "", "bogus"},
        {{"-x", "WEEK.DAT"}, Action::kWrong, "", "'x'"},
        {{"ONE.DAT", "TWO.DAT"}, Action::kWrong, "", "TWO.DAT"},
    };
    for (const auto& c : cases) {
        wxArrayString args;
        args.push_back("dvr-config");
        for (const wxString& arg : c.args) args.push_back(arg);
        SCOPED_TRACE(wxJoin(args, ' ').utf8_string());
        const CommandLine line = ReadCommandLine(args);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.file, c.file);
        switch (c.action) {
            case Action::kEdit: EXPECT_TRUE(line.answer.empty()); break;
            case Action::kHelp: EXPECT_TRUE(line.answer.Contains("Usage: dvr-config [-h] [--version] [FILE]")); break;
            case Action::kVersion: EXPECT_EQ(line.answer, wxString("dvr-config ") + kProgramVersion + "\n"); break;
            case Action::kWrong:
                EXPECT_TRUE(line.answer.Contains("Usage: dvr-config")) << line.answer;
                EXPECT_TRUE(line.answer.Contains(c.culprit)) << line.answer;
                break;
        }
    }
}

}  // namespace
