// The last five lines of a times file's header: the same, byte for byte, in the
// calculator's file and in the one the fine-tune editor writes back.
#pragma once

#include <string>
#include <vector>

namespace test_support {

inline std::vector<std::string> WithHeaderClosingLines(std::vector<std::string> lines) {
    for (const char* line : {"# Calculated prayer times are approximate and slight deviations are possible.",
                             "# Degree of accuracy is of the order of +/- 5 minutes.", "#",
                             "# DayNo # Date # Fajr # Tulu # Zuhr # Asr # Maghrib # Isha", "#"})
        lines.emplace_back(line);
    return lines;
}

}  // namespace test_support
