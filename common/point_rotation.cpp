#include "common/point_rotation.h"

#include "common/rounding.h"

#include <cmath>

void RotatePointByAngle(int cx, int cy, int* x, int* y, double angle, bool mirror)
{
    const double dx = static_cast<double>(*x) - cx;
    const double dy = static_cast<double>(*y) - cy;
    const double r = std::sqrt(dx * dx + dy * dy);
    double direction = 0;
    if (dx == 0)
        direction = dy < 0 ? 4.7123889 : 1.5707963;
    else
        direction = std::atan2(dy, dx);
    const int offX = RoundHalfTowardZero(r * std::cos(direction + angle));
    const int offY = RoundHalfTowardZero(r * std::sin(direction + angle));
    *x = mirror ? cx - offX : cx + offX;
    *y = cy + offY;
}
