#include "engine/leading_number.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace engine {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

struct Scan {
    std::size_t numberStart = 0;  // where the sign or first digit is
    std::size_t end = 0;          // one past the number; 0 when there is none
    bool negative = false;
};

Scan ScanNumber(std::string_view s) {
    Scan scan;
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    scan.numberStart = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        scan.negative = s[i] == '-';
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return scan;  // "", "-", ".", "x": no number
    scan.end = i;
    // An exponent counts only when it has digits: "2E5" is 200000, "2E" is 2.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            scan.end = j;
        }
    }
    return scan;
}

}  // namespace

std::size_t LeadingNumberLength(std::string_view text) { return ScanNumber(text).end; }

double LeadingNumber(std::string_view text) {
    const Scan scan = ScanNumber(text);
    if (scan.end == 0) return 0;
    std::size_t first = scan.numberStart;
    if (text[first] == '+' || text[first] == '-') ++first;
    const char* begin = text.data() + first;
    const char* end = text.data() + scan.end;
    double magnitude = 0;
    const auto result = std::from_chars(begin, end, magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Tell overflow from underflow by the exponent's sign.
        bool tiny = false;
        for (const char* p = begin; p != end; ++p) {
            if (*p == 'e' || *p == 'E') tiny = p + 1 != end && p[1] == '-';
        }
        magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (result.ec != std::errc()) {
        magnitude = 0;
    }
    return scan.negative ? -magnitude : magnitude;
}

bool IsFiniteNumber(std::string_view text) { return std::isfinite(LeadingNumber(text)); }

}  // namespace engine
