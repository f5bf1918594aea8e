#include "announcer/core/format_fixed_down.h"

#include "engine/format_fixed.h"

#include <cmath>

namespace announcer {

double RoundDown(double number, int digits) {
    const double p = std::pow(10.0, digits);
    return std::floor(number * p) / p;
}

std::string FormatFixedDown(double& value, int width, int decimals) {
    value = RoundDown(value, decimals);
    return engine::FixedField(value, width, decimals, RoundDown);
}

}  // namespace announcer
