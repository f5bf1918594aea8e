#include "announcer/core/format_fixed_down.h"

#include "engine/print_form.h"

#include <cmath>

namespace announcer {

double RoundDown(double number, int digits) {
    const double p = std::pow(10.0, digits);
    return std::floor(number * p) / p;
}

std::string FormatFixedDown(double& value, int width, int decimals) {
    const double v = RoundDown(value, decimals);
    value = v;
    const double i = std::floor(std::fabs(v));
    const double f = RoundDown(std::fabs(v) - i + 1e-9, decimals);
    int n = width - static_cast<int>(engine::PrintForm(i).size());
    if (i == 0 && f != 0) ++n;  // a blank in place of the "0" the print form leaves out
    std::string text;
    if (n > 0) text.assign(static_cast<std::size_t>(n), ' ');
    text += engine::PrintForm(v);
    if (f == 0) text += ".";
    const int z = decimals - (static_cast<int>(engine::PrintForm(f).size()) - 2);
    if (z > 0) text.append(static_cast<std::size_t>(z), '0');
    return text;
}

}  // namespace announcer
