#include "common/pcb/package_points.h"

#include "common/pcb/paint_frame.h"
#include "common/rounding.h"

#include <cmath>

namespace pcb {

void RotatePoint(int32_t cx, int32_t cy, int32_t& x, int32_t& y, double angle, int mirror)
{
    const double dx = double(x) - cx;
    const double dy = double(y) - cy;
    const double r = std::sqrt(dx * dx + dy * dy);
    double t;
    if (dx == 0)
        t = dy > 0 ? 1.5707963 : 4.7123889;
    else
        t = std::atan2(dy, dx);
    const int ox = RoundHalfTowardZero(r * std::cos(t + angle));
    const int oy = RoundHalfTowardZero(r * std::sin(t + angle));
    x = mirror ? cx - ox : cx + ox;
    y = cy + oy;
}

void TransformPackagePoint(int zoomIndex, int32_t partX, int32_t partY, int32_t x, int32_t y, int32_t& outX,
                           int32_t& outY, int32_t rotation, int mirror, bool raw)
{
    int32_t ox = kPackageOriginX, oy = kPackageOriginY;
    if (!raw)
        ToLogical(zoomIndex, ox, oy);
    const int32_t px = partX, py = partY;
    const int32_t dx = x - ox, dy = y - oy;
    const int32_t sx = mirror ? -1 : 1;
    switch (rotation & 0xFFF) {
    case 0:
        outX = px + sx * dx;
        outY = py + dy;
        return;
    case 900:
        outX = px - sx * dy;
        outY = py + dx;
        return;
    case 1800:
        outX = px - sx * dx;
        outY = py - dy;
        return;
    case 2700:
        outX = px + sx * dy;
        outY = py - dx;
        return;
    default:
        break;
    }
    const double a = (rotation & 0xFFF) * kTenthDegree;
    const double r = std::sqrt(double(dx) * dx + double(dy) * dy);
    const double t = std::atan2(double(dy), double(dx));
    outX = px + sx * RoundHalfTowardZero(r * std::cos(t + a));
    outY = py + RoundHalfTowardZero(r * std::sin(t + a));
}

}  // namespace pcb
