#include "tracelyn/core/board_units.h"

#include "common/rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kHundredthsMmPerMil = 2.54;
constexpr double kMmStep = 0.0025;
constexpr double kMilsPerMm = 39.37008;
// Beyond this many mils the hundredfold value would not fit the 64-bit step below.
constexpr double kMilsLimit = 1e12;

}  // namespace

double UnitsToMils(int32_t units) { return units * 0.1; }

double MilsToMm(double mils)
{
    const double quarters = std::floor(mils * kHundredthsMmPerMil * 4 + 0.5);
    return quarters * kMmStep;
}

int32_t MilsToUnits(double mils)
{
    if (!std::isfinite(mils))
        return 0;
    const auto hundredths = static_cast<long long>(std::clamp(mils, -kMilsLimit, kMilsLimit) * 100);
    long long units = hundredths / 10;
    if (hundredths % 10 >= 5)
        ++units;
    return static_cast<int32_t>(std::clamp<long long>(units, std::numeric_limits<int32_t>::min(),
                                                      std::numeric_limits<int32_t>::max()));
}

double ShownLength(int32_t units, bool metric)
{
    const double mils = UnitsToMils(units);
    return metric ? MilsToMm(mils) : mils;
}

double TypedMils(double typed, bool metric) { return metric ? typed * kMilsPerMm : typed; }
