#include "announcer/core/report_text.h"

namespace announcer {

std::string PadRight(const std::string& text, int width) {
    std::string result = text;
    const long blanks = static_cast<long>(width) - static_cast<long>(text.size());
    if (blanks >= 1) result.append(static_cast<size_t>(blanks), ' ');
    return result;
}

std::string ReplaceFirst(const std::string& text, std::string_view find, std::string_view replacement, int& found) {
    const size_t p = text.find(find);
    if (p == std::string::npos) {
        found = 0;
        return text;
    }
    found = 1;
    std::string result = text.substr(0, p);
    result.append(replacement);
    result.append(text, p + find.size());
    return result;
}

std::string DropZeroFields(const std::string& text) {
    int found = 0;
    std::string result = ReplaceFirst(text, ":00", "", found);
    if (found == 1) result = ReplaceFirst(result, ":00", "", found);
    return result;
}

}  // namespace announcer
