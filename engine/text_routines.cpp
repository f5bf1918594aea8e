#include "engine/text_routines.h"

namespace engine {

std::string ReplaceChars(const std::string& source, char find, char replacement, std::string& result, int& count) {
    result = source;
    count = 0;
    for (char& c : result) {
        if (c == find) {
            c = replacement;
            ++count;
        }
    }
    return result;
}

std::string ReplaceChars(const std::string& source, char find, char replacement) {
    std::string result;
    int count = 0;
    return ReplaceChars(source, find, replacement, result, count);
}

std::string AfterFirst(const std::string& text, char separator) {
    const auto p = text.find(separator);
    if (p == std::string::npos) return text;
    return text.substr(p + 1);
}

std::string FileNamePart(const std::string& text, char separator) {
    const auto p = text.rfind(separator);
    if (p == std::string::npos) return text;
    return text.substr(p + 1);
}

}  // namespace engine
