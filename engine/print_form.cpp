#include "engine/print_form.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "engine/decimal_digits.h"

namespace engine {
namespace {

constexpr double kPow10[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};

// Sign position, then digits with the leading "0" of a fraction dropped.
std::string FromGeneral(bool negative, std::string digits) {
    if (digits.size() >= 2 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
    for (char& c : digits) {
        if (c == 'e') c = 'E';
    }
    return (negative ? "-" : " ") + digits;
}

// Exact and fast for the values the files hold: when v is the nearest double to a
// decimal with at most 6 decimals and fewer than 16 digits, printing that decimal is
// what rounding to 15 significant digits gives.
bool TryShortDecimal(double magnitude, bool negative, std::string& out) {
    // Below 1E-4 the print form switches to an exponent.
    if (!(magnitude < 1e9) || (magnitude != 0 && magnitude < 1e-4)) return false;
    for (int k = 0; k <= 6; ++k) {
        const double scaled = std::floor(magnitude * kPow10[k] + 0.5);
        if (scaled / kPow10[k] != magnitude) continue;
        auto n = static_cast<std::uint64_t>(scaled);
        char buf[32];
        int len = 0;
        char frac[8];
        int fracLen = 0;
        for (int i = 0; i < k; ++i) {
            frac[k - 1 - i] = static_cast<char>('0' + n % 10);
            n /= 10;
        }
        fracLen = k;
        while (fracLen > 0 && frac[fracLen - 1] == '0') --fracLen;
        buf[len++] = negative ? '-' : ' ';
        if (n != 0 || fracLen == 0) len = static_cast<int>(PutDigits(buf + len, n) - buf);
        if (fracLen > 0) {
            buf[len++] = '.';
            for (int i = 0; i < fracLen; ++i) buf[len++] = frac[i];
        }
        out.assign(buf, static_cast<std::size_t>(len));
        return true;
    }
    return false;
}

std::string General(double magnitude, bool negative, int digits) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::general, digits);
    return FromGeneral(negative, std::string(buf, r.ptr));
}

}  // namespace

std::string PrintForm(double v) {
    if (std::isnan(v)) return " NaN";
    const bool negative = v < 0;  // -0 prints as " 0"
    const double magnitude = std::fabs(v);
    if (std::isinf(v)) return negative ? "-Infinity" : " Infinity";
    std::string out;
    if (TryShortDecimal(magnitude, negative, out)) return out;
    return General(magnitude, negative, 15);
}

std::string PrintFormSingle(float v) {
    if (std::isnan(v)) return " NaN";
    const bool negative = v < 0;
    if (std::isinf(v)) return negative ? "-Infinity" : " Infinity";
    // A single widens to a double exactly, so its 7 digits are the same either way.
    return General(std::fabs(v), negative, 7);
}

}  // namespace engine
