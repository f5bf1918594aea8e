#include "desktop/command_line.h"

#include <algorithm>
#include <cctype>

namespace desktop {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string lowered(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// The last component of a path written with either separator.
std::string_view fileNameOf(std::string_view path) {
    auto cut = path.find_last_of("/\\");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

KnownProgram knownByFileName(std::string_view word) {
    const std::string name = lowered(fileNameOf(word));
    if (name == "notepad" || name == "notepad.exe") return KnownProgram::TextViewer;
    if (name == "velstra" || name == "velstra.exe") return KnownProgram::Calculator;
    return KnownProgram::None;
}

std::string_view trimmedRight(std::string_view s) {
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

CommandLine parseCommandLine(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && isBlank(line[start])) ++start;
    std::size_t end = start;
    while (end < line.size() && !isBlank(line[end])) ++end;
    std::size_t rest = end;
    while (rest < line.size() && isBlank(line[rest])) ++rest;

    CommandLine parsed;
    parsed.programWord = std::string(line.substr(start, end - start));
    parsed.argument = std::string(line.substr(rest));
    parsed.known = knownByFileName(parsed.programWord);

    if (parsed.known == KnownProgram::None && !parsed.argument.empty()) {
        // "/home/my apps/Velstra.exe": the whole line is the calculator's path.
        const std::string_view whole = trimmedRight(line.substr(start));
        if (knownByFileName(whole) == KnownProgram::Calculator &&
            whole.find_first_of("/\\") != std::string_view::npos) {
            parsed.programWord = std::string(whole);
            parsed.argument.clear();
            parsed.known = KnownProgram::Calculator;
        }
    }
    return parsed;
}

Launch planLaunch(const CommandLine& line, const std::string& programFolder, const std::string& textViewer) {
    Launch launch;
    switch (line.known) {
        case KnownProgram::TextViewer: launch.program = textViewer; break;
        case KnownProgram::Calculator: launch.program = programFolder + "/velstra"; break;
        case KnownProgram::None: launch.program = line.programWord; break;
    }
    if (!line.argument.empty()) launch.arguments.push_back(line.argument);
    return launch;
}

}  // namespace desktop
