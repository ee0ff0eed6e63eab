#include "tracelyn/route/drc_shapes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Closest {
    double squared = std::numeric_limits<double>::infinity();
    ShapePoint a, b;   // nearest points of the two cores
};

double dot(double ax, double ay, double bx, double by) { return ax * bx + ay * by; }

// The middle of [0, 1] and [u, v] where they overlap, else the end of [0, 1] nearer to them.
double sharedMiddle(double u, double v)
{
    const double low = std::max(0.0, std::min(u, v)), high = std::min(1.0, std::max(u, v));
    return low <= high ? (low + high) / 2 : std::clamp(u, 0.0, 1.0);
}

// The nearest points of segments p1-q1 and p2-q2 (either may be a single point).
Closest segmentsClosest(ShapePoint p1, ShapePoint q1, ShapePoint p2, ShapePoint q2)
{
    const double d1x = q1.x - p1.x, d1y = q1.y - p1.y;
    const double d2x = q2.x - p2.x, d2y = q2.y - p2.y;
    const double rx = p1.x - p2.x, ry = p1.y - p2.y;
    const double a = dot(d1x, d1y, d1x, d1y), e = dot(d2x, d2y, d2x, d2y), f = dot(d2x, d2y, rx, ry);
    double s = 0, t = 0;
    if (a <= 0 && e <= 0) {
        s = t = 0;
    } else if (a <= 0) {
        t = std::clamp(f / e, 0.0, 1.0);
    } else {
        const double c = dot(d1x, d1y, rx, ry);
        if (e <= 0) {
            s = std::clamp(-c / a, 0.0, 1.0);
        } else {
            const double b = dot(d1x, d1y, d2x, d2y);
            const double denom = a * e - b * b;
            // Parallel segments are nearest all along their common run: its middle is taken.
            s = denom > 1e-9 * a * e ? std::clamp((b * f - c * e) / denom, 0.0, 1.0) : sharedMiddle(-c / a, (b - c) / a);
            t = (b * s + f) / e;
            if (t < 0) {
                t = 0;
                s = std::clamp(-c / a, 0.0, 1.0);
            } else if (t > 1) {
                t = 1;
                s = std::clamp((b - c) / a, 0.0, 1.0);
            }
        }
    }
    Closest r;
    r.a = {p1.x + d1x * s, p1.y + d1y * s};
    r.b = {p2.x + d2x * t, p2.y + d2y * t};
    const double dx = r.a.x - r.b.x, dy = r.a.y - r.b.y;
    r.squared = dx * dx + dy * dy;
    return r;
}

// The edges of a core: a point is one edge of no length, a segment one edge, a polygon its
// closed ring.
size_t edgeCount(std::span<const ShapePoint> core)
{
    return core.size() < 3 ? 1 : core.size();
}

void edgeOf(std::span<const ShapePoint> core, size_t k, ShapePoint& from, ShapePoint& to)
{
    from = core[k];
    to = core.size() == 1 ? core[0] : core[(k + 1) % core.size()];
}

}  // namespace

void ShapeSet::add(std::span<const ShapePoint> points, double radius, int source)
{
    ShapePiece piece;
    piece.first = static_cast<int>(points_.size());
    piece.count = static_cast<int>(points.size());
    piece.radius = std::max(radius, 0.0);
    piece.source = source;
    double left = points[0].x, right = left, top = points[0].y, bottom = top;
    for (const ShapePoint& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
        points_.push_back(p);
    }
    // Boxes are kept in whole units, clamped so that hostile coordinates cannot overflow them.
    const auto unit = [](double v) {
        return static_cast<int32_t>(std::clamp(v, -2.0e9, 2.0e9));
    };
    piece.box = {unit(std::floor(left - piece.radius)), unit(std::floor(top - piece.radius)),
                 unit(std::ceil(right + piece.radius)), unit(std::ceil(bottom + piece.radius))};
    pieces_.push_back(piece);
}

void ShapeSet::addDisc(double x, double y, double radius, int source)
{
    const ShapePoint p{x, y};
    add(std::span<const ShapePoint>(&p, 1), radius, source);
}

void ShapeSet::addStroke(double x1, double y1, double x2, double y2, double radius, int source)
{
    const ShapePoint p[2] = {{x1, y1}, {x2, y2}};
    add(p, radius, source);
}

void ShapeSet::addPolygon(std::span<const ShapePoint> points, double radius, int source)
{
    if (!points.empty())
        add(points, radius, source);
}

void ShapeSet::addChain(std::span<const ShapePoint> points, double radius, bool closed, int source)
{
    if (points.size() == 1)
        addDisc(points[0].x, points[0].y, radius, source);
    for (size_t k = 0; k + 1 < points.size(); ++k)
        addStroke(points[k].x, points[k].y, points[k + 1].x, points[k + 1].y, radius, source);
    if (closed && points.size() > 2)
        addStroke(points.back().x, points.back().y, points[0].x, points[0].y, radius, source);
}

bool PolygonHolds(std::span<const ShapePoint> polygon, double x, double y)
{
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        if (EdgeCrossesRay(polygon[i], polygon[j], x, y))
            inside = !inside;
    }
    return inside;
}

ShapeGap PieceGap(std::span<const ShapePoint> a, double ra, std::span<const ShapePoint> b, double rb)
{
    // A core lying inside a filled polygon meets it; testing one of its points is enough, since
    // a core reaching out of the polygon crosses one of its edges.
    if (a.size() >= 3 && PolygonHolds(a, b[0].x, b[0].y))
        return {0, b[0]};
    if (b.size() >= 3 && PolygonHolds(b, a[0].x, a[0].y))
        return {0, a[0]};
    Closest best;
    ShapePoint a1, a2, b1, b2;
    for (size_t i = 0; i < edgeCount(a); ++i) {
        edgeOf(a, i, a1, a2);
        for (size_t k = 0; k < edgeCount(b); ++k) {
            edgeOf(b, k, b1, b2);
            const Closest c = segmentsClosest(a1, a2, b1, b2);
            if (c.squared < best.squared)
                best = c;
        }
    }
    const double cores = std::sqrt(best.squared);
    const double gap = cores - ra - rb;
    if (gap <= 0 || cores <= 0)
        return {0, {(best.a.x + best.b.x) / 2, (best.a.y + best.b.y) / 2}};
    // The middle of the gap between the two edges, on the line joining the nearest core points.
    const double t = (ra + gap / 2) / cores;
    return {gap, {best.a.x + (best.b.x - best.a.x) * t, best.a.y + (best.b.y - best.a.y) * t}};
}
