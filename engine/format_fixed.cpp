#include "engine/format_fixed.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/decimal_digits.h"
#include "engine/print_form.h"

namespace engine {
namespace {

double Pow10(int decimals) {
    static constexpr double table[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    if (decimals >= 0 && decimals < 9) return table[decimals];
    return std::pow(10.0, decimals);
}

// Round to the nearest whole number, an exact half to the even one.
double RoundWholeHalfEven(double x) {
    const double down = std::floor(x);
    const double diff = x - down;
    if (diff > 0.5) return down + 1;
    if (diff < 0.5) return down;
    const double half = down * 0.5;
    return half == std::floor(half) ? down : down + 1;
}

// The field's steps, with the print form of the caller's precision.
template <class PrintFn>
std::string Field(double rounded, int width, int decimals, FractionRounding roundFraction, PrintFn print) {
    const double magnitude = std::fabs(rounded);
    const double ip = std::floor(magnitude);
    // The tiny addition keeps a fraction such as .07, which the subtraction leaves
    // as .06999..., at .07.
    const double frac = roundFraction(magnitude - ip + 0.000000001, decimals);
    const long nInt = static_cast<long>(PrintForm(ip).size());
    const long nFrac = frac == 0 ? 0 : static_cast<long>(PrintForm(frac).size()) - 2;
    long pad = width - nInt;
    if (ip == 0 && frac != 0) ++pad;  // no "0" before the point: keep the point's column
    std::string text;
    if (pad > 0) text.assign(static_cast<std::size_t>(pad), ' ');
    text += print();
    if (frac == 0) text += '.';
    if (decimals - nFrac > 0) text.append(static_cast<std::size_t>(decimals - nFrac), '0');
    return text;
}

}  // namespace

double RoundHalfEven(double v, int decimals) {
    const double scale = Pow10(decimals);
    const double scaled = v * scale;
    // Huge values have no fraction left; rounding them would only overflow.
    if (!std::isfinite(scaled)) return v;
    return RoundWholeHalfEven(scaled) / scale;
}

std::string FormatFixedBySteps(double& value, int width, int decimals) {
    value = RoundHalfEven(value, decimals);
    return FixedField(value, width, decimals, RoundHalfEven);
}

std::string FixedField(double rounded, int width, int decimals, FractionRounding roundFraction) {
    return Field(rounded, width, decimals, roundFraction, [rounded] { return PrintForm(rounded); });
}

std::string FormatFixed(double& value, int width, int decimals) {
    // The day lines format six times a day on every edit, so the usual case is built
    // straight from the rounded digits. Up to 4 decimals the print forms involved
    // never switch to an exponent, and below 1E9 the digits are exact.
    if (decimals < 0 || decimals > 4 || width > 40) return FormatFixedBySteps(value, width, decimals);
    value = RoundHalfEven(value, decimals);
    const double magnitude = std::fabs(value);
    if (!(magnitude < 1e9)) {
        return FixedField(value, width, decimals, RoundHalfEven);
    }
    const auto scale = static_cast<std::uint64_t>(Pow10(decimals));
    const auto digits = static_cast<std::uint64_t>(std::floor(magnitude * static_cast<double>(scale) + 0.5));
    const std::uint64_t whole = digits / scale;
    std::uint64_t fraction = digits % scale;
    const bool negative = value < 0 && digits != 0;

    const bool wholeIsZero = whole == 0;
    int nWhole = 1;
    for (std::uint64_t rest = whole / 10; rest != 0; rest /= 10) ++nWhole;

    char fracDigits[8];
    int nFrac = decimals;
    for (int i = decimals - 1; i >= 0; --i) {
        fracDigits[i] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    while (nFrac > 0 && fracDigits[nFrac - 1] == '0') --nFrac;

    int pad = width - (1 + nWhole);
    if (wholeIsZero && nFrac > 0) ++pad;
    // Assembled in place: a field is short, and this runs six times a day.
    char buf[64];  // pad < 40, sign, 9 whole digits, point, 4 decimals
    char* out = buf;
    for (int i = 0; i < pad; ++i) *out++ = ' ';
    *out++ = negative ? '-' : ' ';
    if (!wholeIsZero || nFrac == 0) out = PutDigits(out, whole);
    *out++ = '.';
    for (int i = 0; i < nFrac; ++i) *out++ = fracDigits[i];
    for (int i = nFrac; i < decimals; ++i) *out++ = '0';
    std::string text(buf, out);
    return text;
}

std::string FormatFixed(float& value, int width, int decimals) {
    const double rounded = RoundHalfEven(value, decimals);
    // Out of a single's range the value becomes infinite rather than undefined.
    constexpr double maxSingle = std::numeric_limits<float>::max();
    if (rounded > maxSingle) {
        value = std::numeric_limits<float>::infinity();
    } else if (rounded < -maxSingle) {
        value = -std::numeric_limits<float>::infinity();
    } else {
        value = static_cast<float>(rounded);
    }
    const float single = value;
    return Field(single, width, decimals, RoundHalfEven, [single] { return PrintFormSingle(single); });
}

}  // namespace engine
