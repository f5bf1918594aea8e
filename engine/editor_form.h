#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/times_file.h"

namespace engine {

struct EditorDay {
    int dayNo = 0;
    std::string date;
    std::array<std::string, 6> timeTexts;  // "5:07:00 AM"
};

// The times file as the fine-tune editor rewrites it: the city line, header fields
// 2..14 one a line (numbers in print form and one blank), then one line a day;
// no closing block. Lines without line ends.
std::vector<std::string> EditorFormLines(const std::string& cityBoxText,
                                         const std::array<HeaderField, HeaderFieldCount>& header,
                                         const std::vector<EditorDay>& days);

}  // namespace engine
