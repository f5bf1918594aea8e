#include "files/leftover_name.h"

#include <limits>

namespace files {
namespace {

// A decimal number as printf writes it: digits, no sign, no leading zero.
std::optional<unsigned long long> TakeNumber(std::string_view& text, unsigned long long max) {
    std::size_t n = 0;
    unsigned long long value = 0;
    while (n < text.size() && text[n] >= '0' && text[n] <= '9') {
        value = value * 10 + static_cast<unsigned>(text[n] - '0');
        if (value > max) return std::nullopt;
        ++n;
    }
    if (n == 0 || (n > 1 && text[0] == '0')) return std::nullopt;
    text.remove_prefix(n);
    return value;
}

bool TakeChar(std::string_view& text, char c) {
    if (text.empty() || text[0] != c) return false;
    text.remove_prefix(1);
    return true;
}

}  // namespace

std::optional<pid_t> ProcessNamedIn(std::string_view entry, std::string_view start, std::string_view& rest) {
    if (entry.substr(0, start.size()) != start) return std::nullopt;
    std::string_view text = entry.substr(start.size());
    if (!TakeChar(text, '.')) return std::nullopt;
    const auto pid = TakeNumber(text, static_cast<unsigned long long>(std::numeric_limits<pid_t>::max()));
    if (!pid || *pid == 0 || !TakeChar(text, '.')) return std::nullopt;
    if (!TakeNumber(text, std::numeric_limits<unsigned>::max())) return std::nullopt;
    rest = text;
    return static_cast<pid_t>(*pid);
}

}  // namespace files
