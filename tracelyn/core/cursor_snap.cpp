#include "tracelyn/core/cursor_snap.h"

#include "common/rounding.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/package_geometry.h"

#include <cmath>

namespace {

constexpr int32_t kEnglishSteps[7] = {5, 10, 50, 100, 250, 500, 1000};
constexpr int32_t kMetricSteps[7] = {100, 200, 500, 800, 1000, 1500, 2000};
constexpr double kTenthsPerRadian = 572.95;

}  // namespace

GridStep GridStepFromId(int32_t id)
{
    if (id >= 698 && id <= 704) {
        const int32_t step = (MetricUnits() ? kMetricSteps : kEnglishSteps)[id - 698];
        return {step, step};
    }
    if (id == kGridVariable)
        return {g_boardSettings.gridX, g_boardSettings.gridY};
    return {id, id};
}

int64_t SnapToStep(int64_t value, int32_t step)
{
    if (step <= 0)
        return value;
    const double q = std::floor(static_cast<double>(value) / step + 0.5);
    return static_cast<int64_t>(q) * step;
}

PolarSnap SnapPolar(int64_t dx, int64_t dy, const PolarGrid& grid, int32_t radiusStep)
{
    PolarSnap result;
    double r = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
    const double theta = std::atan2(static_cast<double>(dy), static_cast<double>(dx));
    int32_t tenths = RoundHalfTowardZero(theta * kTenthsPerRadian);
    const int32_t step = grid.angleStep;
    if (step > 0) {
        int32_t q = tenths / step;
        const int32_t rem = tenths % step;
        if (theta > 0 && rem > step / 2)
            ++q;
        else if (theta <= 0 && -rem > step / 2)
            --q;
        tenths = step * q + grid.startAngle;
    }
    if (radiusStep > 0) {
        double q = std::floor(r / radiusStep);
        if (r / radiusStep - q > 0.5)
            q += 1;
        r = q * radiusStep;
    }
    const double a = step > 0 ? tenths * kTenthDegree : theta;
    result.x = static_cast<int32_t>(r * std::cos(a));
    result.y = static_cast<int32_t>(r * std::sin(a));
    result.radius = r;
    result.angle = RoundHalfTowardZero(a * kTenthsPerRadian);
    return result;
}
