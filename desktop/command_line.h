// Turning a command line such as "NOTEPAD  /path/AzaanTimes.dat" into a program to start.
// Pure C++: the Qt desktop only carries out the plan.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace desktop {

// The programs a command line can name that this desktop knows by another name.
enum class KnownProgram { None, TextViewer, Calculator };

struct CommandLine {
    std::string programWord;  // the first word as written
    std::string argument;     // everything after the first word's blanks, unsplit
    KnownProgram known = KnownProgram::None;
};

// program = first word; the rest after its blanks = one argument, never split
// and never given to a shell. "notepad"/"notepad.exe" (any case) is the text
// viewer; "velstra"/"velstra.exe" (any case, bare or as a path's file name) is
// the calculator. A calculator path whose folder holds blanks is recognised by
// the line's last file name, since such a path is not one word.
CommandLine parseCommandLine(std::string_view line);

struct Launch {
    std::string program;
    std::vector<std::string> arguments;  // empty or exactly one
};

// The calculator is the one beside the running program; the text viewer is the
// program given (already chosen by the desktop).
Launch planLaunch(const CommandLine& line, const std::string& programFolder, const std::string& textViewer);

}  // namespace desktop
