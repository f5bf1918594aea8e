#include "desktop/command_line.h"

#include <gtest/gtest.h>

namespace {

using desktop::KnownProgram;

struct LineCase {
    const char* line;
    KnownProgram known;
    const char* program;   // what is started (folder "/opt/suite", viewer "viewer")
    const char* argument;  // "" when none is given
};

class CommandLineTable : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLineTable, StartsOneProgramWithTheRestAsOneArgument) {
    const LineCase& c = GetParam();
    const desktop::CommandLine parsed = desktop::parseCommandLine(c.line);
    EXPECT_EQ(parsed.known, c.known);
    const desktop::Launch launch = desktop::planLaunch(parsed, "/opt/suite", "viewer");
    EXPECT_EQ(launch.program, c.program);
    if (*c.argument) {
        ASSERT_EQ(launch.arguments.size(), 1u);
        EXPECT_EQ(launch.arguments[0], c.argument);
    } else {
        EXPECT_TRUE(launch.arguments.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineTable,
    ::testing::Values(
        // The two blanks after the word are not part of the argument; its own blanks are.
        LineCase{"NOTEPAD  /path with blanks/AzaanTimes.dat", KnownProgram::TextViewer, "viewer",
                 "/path with blanks/AzaanTimes.dat"},
        LineCase{"notepad /x/ReadMe.txt", KnownProgram::TextViewer, "viewer", "/x/ReadMe.txt"},
        LineCase{"Notepad.EXE /x/azaan.log", KnownProgram::TextViewer, "viewer", "/x/azaan.log"},
        // Shell syntax is only text in the one argument.
        LineCase{"notepad /a;rm -rf x", KnownProgram::TextViewer, "viewer", "/a;rm -rf x"},
        LineCase{"notepad $(touch y) | cat > z", KnownProgram::TextViewer, "viewer", "$(touch y) | cat > z"},
        LineCase{"notepad", KnownProgram::TextViewer, "viewer", ""},
        LineCase{"notepad   ", KnownProgram::TextViewer, "viewer", ""},
        // The calculator is always the one beside the running program.
        LineCase{"velstra", KnownProgram::Calculator, "/opt/suite/velstra", ""},
        LineCase{"/x/Velstra.exe", KnownProgram::Calculator, "/opt/suite/velstra", ""},
        LineCase{"C:\\Suite\\VELSTRA.EXE", KnownProgram::Calculator, "/opt/suite/velstra", ""},
        LineCase{"/home/me/my apps/Velstra.exe", KnownProgram::Calculator, "/opt/suite/velstra", ""},
        // Any other word is started as it stands.
        LineCase{"  /usr/bin/less  /tmp/a b", KnownProgram::None, "/usr/bin/less", "/tmp/a b"},
        LineCase{"velstrax", KnownProgram::None, "velstrax", ""}, LineCase{"", KnownProgram::None, "", ""}));

TEST(CommandLine, KeepsTheArgumentExactlyAsWritten) {
    const desktop::CommandLine parsed = desktop::parseCommandLine("notepad \t /a  b\t\"c\" ");
    EXPECT_EQ(parsed.programWord, "notepad");
    EXPECT_EQ(parsed.argument, "/a  b\t\"c\" ");
}

}  // namespace
