#pragma once

#include <string>

namespace engine {

// source with every `find` replaced by `replacement`; the text is also stored in
// result and count receives the number of replacements.
std::string ReplaceChars(const std::string& source, char find, char replacement, std::string& result, int& count);
std::string ReplaceChars(const std::string& source, char find, char replacement);

// What follows the first separator; the whole text when there is none.
std::string AfterFirst(const std::string& text, char separator);

// What follows the last separator; the whole text when there is none.
std::string FileNamePart(const std::string& text, char separator);

}  // namespace engine
