// Text as the programs hold it: UTF-8. A name read from a file written on the
// original platform is in its Western code page and is turned into UTF-8 here;
// capitals are raised letter by letter, not byte by byte.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view bytes);

// A text taken from a file, as UTF-8: bytes that are UTF-8 already stay as they
// are; anything else was written in Windows-1252 and is read as such.
std::string FileTextAsUtf8(std::string_view bytes);

// The text with every letter in capitals: ASCII, Latin-1, Latin Extended-A and
// the common Latin Extended-B and Latin Extended Additional letters, Greek,
// Cyrillic and Armenian. One letter gives one letter ("ß" stays). Bytes that
// are not UTF-8 are kept as they stand.
std::string UpperCaseText(std::string_view text);

// The text with only its first letter in capitals.
std::string UpperCaseFirst(std::string_view text);

}  // namespace engine
