#include "tracelyn/route/fill_grid.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

struct Span {
    double lo = 0;
    double hi = 0;
};

void widen(std::optional<Span>& s, double lo, double hi)
{
    if (!s)
        s = Span{lo, hi};
    else
        s = Span{std::min(s->lo, lo), std::max(s->hi, hi)};
}

// x extent of a disk within the band ya <= y <= yb.
void diskInBand(std::optional<Span>& s, double cx, double cy, double r, double ya, double yb)
{
    double dy = 0;
    if (cy < ya)
        dy = ya - cy;
    else if (cy > yb)
        dy = cy - yb;
    if (dy > r)
        return;
    const double half = std::sqrt(std::max(r * r - dy * dy, 0.0));
    widen(s, cx - half, cx + half);
}

// x extent of a convex polygon (x, y pairs in order) within the band ya <= y <= yb.
void polygonInBand(std::optional<Span>& s, const double* p, int n, double ya, double yb)
{
    for (int k = 0; k < n; ++k) {
        const double x0 = p[2 * k], y0 = p[2 * k + 1];
        const double x1 = p[2 * ((k + 1) % n)], y1 = p[2 * ((k + 1) % n) + 1];
        if (y0 >= ya && y0 <= yb)
            widen(s, x0, x0);
        for (const double y : {ya, yb}) {
            if ((y0 - y) * (y1 - y) < 0) {
                const double x = x0 + (x1 - x0) * (y - y0) / (y1 - y0);
                widen(s, x, x);
            }
        }
    }
}

}  // namespace

FillGrid::FillGrid(int64_t left, int64_t top, int32_t cell, int cells)
    : left_(left), top_(top), cell_(cell), cells_(cells),
      grid_(static_cast<size_t>(cells) * static_cast<size_t>(cells), kCellEmpty)
{
}

bool FillGrid::rowsFor(double ylo, double yhi, int& j0, int& j1) const
{
    // Row j spans [top + j cell, top + (j + 1) cell] and meets [ylo, yhi] when both ends reach.
    j0 = std::max(static_cast<int>(std::ceil((ylo - top_) / cell_)) - 1, 0);
    j1 = std::min(static_cast<int>(std::floor((yhi - top_) / cell_)), cells_ - 1);
    return j0 <= j1;
}

void FillGrid::markSpan(int j, double xlo, double xhi, uint8_t value)
{
    const double a = std::ceil((xlo - left_) / cell_) - 1;
    const double b = std::floor((xhi - left_) / cell_);
    if (b < 0 || a > cells_ - 1)
        return;
    const int i0 = static_cast<int>(std::max(a, 0.0));
    const int i1 = static_cast<int>(std::min(b, double(cells_ - 1)));
    uint8_t* r = &grid_[static_cast<size_t>(j) * cells_];
    for (int i = i0; i <= i1; ++i)
        r[i] = std::max(r[i], value);
}

void FillGrid::markCapsule(double ax, double ay, double bx, double by, double r, uint8_t value)
{
    int j0 = 0, j1 = 0;
    if (!rowsFor(std::min(ay, by) - r, std::max(ay, by) + r, j0, j1))
        return;
    const double dx = bx - ax, dy = by - ay;
    const double length = std::hypot(dx, dy);
    double body[8] = {};
    const bool hasBody = length > 0;
    if (hasBody) {
        const double nx = -dy / length * r, ny = dx / length * r;
        const double quad[8] = {ax + nx, ay + ny, bx + nx, by + ny, bx - nx, by - ny, ax - nx, ay - ny};
        std::copy(quad, quad + 8, body);
    }
    for (int j = j0; j <= j1; ++j) {
        const double ya = double(rowTop(j)), yb = ya + cell_;
        std::optional<Span> s;
        diskInBand(s, ax, ay, r, ya, yb);
        diskInBand(s, bx, by, r, ya, yb);
        if (hasBody)
            polygonInBand(s, body, 4, ya, yb);
        if (s)
            markSpan(j, s->lo, s->hi, value);
    }
}

void FillGrid::markDisk(double cx, double cy, double r, uint8_t value)
{
    markCapsule(cx, cy, cx, cy, r, value);
}

void FillGrid::markBox(double x1, double y1, double x2, double y2, uint8_t value)
{
    int j0 = 0, j1 = 0;
    if (!rowsFor(std::min(y1, y2), std::max(y1, y2), j0, j1))
        return;
    for (int j = j0; j <= j1; ++j)
        markSpan(j, std::min(x1, x2), std::max(x1, x2), value);
}

void FillGrid::markClosedChain(const std::vector<double>& points, double r, uint8_t value)
{
    const size_t n = points.size() / 2;
    for (size_t k = 0; k < n; ++k) {
        const size_t next = (k + 1) % n;
        markCapsule(points[2 * k], points[2 * k + 1], points[2 * next], points[2 * next + 1], r, value);
    }
}

std::vector<double> ArcPoints(double cx, double cy, double radius, double a0, double a1, double& slack,
                              double tolerance)
{
    const double sweep = a1 - a0;
    // Chords of at most 3 degrees keep the sagitta below 0.035 % of the radius; a tolerance
    // lets the chords of small arcs grow as long as their sagitta stays within it.
    double chord = 3.0 * M_PI / 180.0;
    if (tolerance > 0 && std::fabs(radius) > tolerance)
        chord = std::max(chord, 2 * std::acos(1 - tolerance / std::fabs(radius)));
    else if (tolerance > 0)
        chord = M_PI / 2;
    const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / chord)));
    const double step = sweep / steps;
    slack = std::fabs(radius) * (1.0 - std::cos(step / 2));
    std::vector<double> points;
    points.reserve(static_cast<size_t>(2 * (steps + 1)));
    for (int k = 0; k <= steps; ++k) {
        const double a = a0 + step * k;
        points.push_back(cx + radius * std::cos(a));
        points.push_back(cy + radius * std::sin(a));
    }
    return points;
}

std::vector<double> ArcPointsBetween(double cx, double cy, double x1, double y1, double x2, double y2, double& slack,
                                     double tolerance)
{
    const double a0 = std::atan2(y1 - cy, x1 - cx);
    double a1 = std::atan2(y2 - cy, x2 - cx);
    if (a1 - a0 > M_PI)
        a1 -= 2 * M_PI;
    else if (a0 - a1 > M_PI)
        a1 += 2 * M_PI;
    return ArcPoints(cx, cy, std::hypot(x1 - cx, y1 - cy), a0, a1, slack, tolerance);
}
