#include "common/rounding.h"

#include <climits>
#include <cmath>

namespace {

// Out-of-range values (and NaN) saturate instead of overflowing the conversion.
int toInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace

int RoundHalfTowardZero(double value)
{
    const double whole = std::trunc(value);
    const double rest = std::fabs(value - whole);
    if (rest <= 0.5)
        return toInt(whole);
    return toInt(whole + (value < 0 ? -1.0 : 1.0));
}

int RoundHalfUp(double value)
{
    const double floor = std::floor(value);
    return toInt(value - floor >= 0.5 ? floor + 1.0 : floor);
}
