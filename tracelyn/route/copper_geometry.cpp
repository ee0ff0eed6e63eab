#include "tracelyn/route/copper_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

double cross(double ax, double ay, double bx, double by, double cx, double cy)
{
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

bool properCross(double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy)
{
    const double d1 = cross(ax, ay, bx, by, cx, cy), d2 = cross(ax, ay, bx, by, dx, dy);
    const double d3 = cross(cx, cy, dx, dy, ax, ay), d4 = cross(cx, cy, dx, dy, bx, by);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0)) && d1 != 0 && d2 != 0 && d3 != 0 && d4 != 0;
}

}  // namespace

double SegmentDistance(double px, double py, double ax, double ay, double bx, double by)
{
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(ax + t * dx - px, ay + t * dy - py);
}

double SegmentsDistance(double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy)
{
    if (properCross(ax, ay, bx, by, cx, cy, dx, dy))
        return 0;
    return std::min({SegmentDistance(ax, ay, cx, cy, dx, dy), SegmentDistance(bx, by, cx, cy, dx, dy),
                     SegmentDistance(cx, cy, ax, ay, bx, by), SegmentDistance(dx, dy, ax, ay, bx, by)});
}

double PadBoxDistance(double px, double py, const CopperPad& pad)
{
    const double dx = std::max(std::abs(px - pad.x) - pad.sizeX / 2.0, 0.0);
    const double dy = std::max(std::abs(py - pad.y) - pad.sizeY / 2.0, 0.0);
    // Beside the box on one axis: the distance is the other axis's, exactly.
    if (dx == 0 || dy == 0)
        return dx + dy;
    return std::hypot(dx, dy);
}

double SegmentPadDistance(double ax, double ay, double bx, double by, const CopperPad& pad)
{
    const double x1 = pad.x - pad.sizeX / 2.0, x2 = pad.x + pad.sizeX / 2.0;
    const double y1 = pad.y - pad.sizeY / 2.0, y2 = pad.y + pad.sizeY / 2.0;
    if (PadBoxDistance(ax, ay, pad) == 0 || PadBoxDistance(bx, by, pad) == 0)
        return 0;
    const double edges[4][4] = {{x1, y1, x2, y1}, {x2, y1, x2, y2}, {x2, y2, x1, y2}, {x1, y2, x1, y1}};
    double best = 1e300;
    for (const auto& e : edges)
        best = std::min(best, SegmentsDistance(ax, ay, bx, by, e[0], e[1], e[2], e[3]));
    return best;
}

bool TraceOverlapsTrace(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t width, const BoardObject& o)
{
    return SegmentsDistance(ax, ay, bx, by, o.w[0], o.w[1], o.w[2], o.w[3]) < (width + o.w[7]) / 2.0;
}

bool TraceOverlapsPad(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t width, const CopperPad& pad)
{
    return SegmentPadDistance(ax, ay, bx, by, pad) < width / 2.0;
}
