#include "platform/gdi/region.h"

#include <algorithm>
#include <climits>

namespace plat {

namespace {

int64_t ceilDiv(int64_t a, int64_t b)  // b > 0
{
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

// Widens box to take in every edge of other; nothing is treated as empty, so a rectangle
// made of one point widens it to that point.
void widenToCover(Rect& box, const Rect& other)
{
    box.left = std::min(box.left, other.left);
    box.top = std::min(box.top, other.top);
    box.right = std::max(box.right, other.right);
    box.bottom = std::max(box.bottom, other.bottom);
}

Rect boundsOf(std::span<const Point> points)
{
    Rect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const Point& p : points)
        widenToCover(r, Rect{p.x, p.y, p.x, p.y});
    return r;
}

}  // namespace

std::vector<std::pair<int, int>> polygonRowSpans(std::span<const Point> points, int fillMode, int y)
{
    struct Crossing {
        int64_t x;     // first pixel whose centre is at or right of the edge
        int dir;
    };
    std::vector<Crossing> crossings;
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        const Point p0 = points[i];
        const Point p1 = points[(i + 1) % n];
        if (p0.y == p1.y || y < std::min(p0.y, p1.y) || y >= std::max(p0.y, p1.y))
            continue;
        // The row's sample line y + 0.5 never passes through a vertex, so no ties on y.
        int64_t den = 2 * (int64_t(p1.y) - p0.y);
        int64_t num = int64_t(p0.x) * den + (2 * int64_t(y) + 1 - 2 * int64_t(p0.y)) * (int64_t(p1.x) - p0.x);
        if (den < 0) {
            den = -den;
            num = -num;
        }
        crossings.push_back({ceilDiv(2 * num - den, 2 * den), p1.y > p0.y ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.x < b.x; });

    std::vector<std::pair<int, int>> spans;
    auto add = [&spans](int64_t a, int64_t b) {
        if (a >= b)
            return;
        const int ia = int(std::clamp<int64_t>(a, INT_MIN, INT_MAX));
        const int ib = int(std::clamp<int64_t>(b, INT_MIN, INT_MAX));
        if (!spans.empty() && spans.back().second >= ia)
            spans.back().second = std::max(spans.back().second, ib);
        else
            spans.emplace_back(ia, ib);
    };
    if (fillMode == kWinding) {
        int winding = 0;
        int64_t start = 0;
        for (const Crossing& c : crossings) {
            const int before = winding;
            winding += c.dir;
            if (before == 0 && winding != 0)
                start = c.x;
            else if (before != 0 && winding == 0)
                add(start, c.x);
        }
    } else {
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            add(crossings[i].x, crossings[i + 1].x);
    }
    return spans;
}

Region::Region(const Rect& r)
{
    SetRectRgn(r.left, r.top, r.right, r.bottom);
}

Region Region::polygon(std::span<const Point> points, int fillMode)
{
    Region region;
    if (points.size() < 3)
        return region;
    region.outline_.assign(points.begin(), points.end());
    region.fillMode_ = fillMode == kWinding ? kWinding : kAlternate;
    region.rasterized_ = false;
    return region;
}

void Region::SetRectRgn(int left, int top, int right, int bottom)
{
    outline_.clear();
    rects_.clear();
    rasterized_ = true;
    const Rect r = Rect{left, top, right, bottom}.normalized();
    if (!r.isEmpty())
        rects_.push_back(r);
}

void Region::rasterize() const
{
    if (rasterized_)
        return;
    rasterized_ = true;
    rects_.clear();
    const Rect box = boundsOf(outline_);
    std::vector<std::pair<int, int>> band;
    int bandTop = box.top;
    auto flush = [&](int bottom) {
        for (const auto& [x0, x1] : band)
            rects_.push_back(Rect{x0, bandTop, x1, bottom});
    };
    for (int y = box.top; y < box.bottom; ++y) {
        auto spans = polygonRowSpans(outline_, fillMode_, y);
        if (spans != band) {
            flush(y);
            band = std::move(spans);
            bandTop = y;
        }
    }
    flush(box.bottom);
}

bool Region::PtInRegion(int x, int y) const
{
    if (!outline_.empty()) {
        for (const auto& [x0, x1] : polygonRowSpans(outline_, fillMode_, y))
            if (x >= x0 && x < x1)
                return true;
        return false;
    }
    return std::any_of(rects_.begin(), rects_.end(), [x, y](const Rect& r) { return r.contains(x, y); });
}

const std::vector<Rect>& Region::rects() const
{
    rasterize();
    return rects_;
}

Rect Region::GetRgnBox() const
{
    const auto& rs = rects();
    if (rs.empty())
        return Rect{};
    Rect box = rs.front();
    for (const Rect& r : rs)
        widenToCover(box, r);
    return box;
}

bool Region::isEmpty() const
{
    return rects().empty();
}

int Region::kind() const
{
    const auto& rs = rects();
    return rs.empty() ? kNullRegion : rs.size() == 1 ? kSimpleRegion : kComplexRegion;
}

void Region::OffsetRgn(int dx, int dy)
{
    for (Point& p : outline_) {
        p.x += dx;
        p.y += dy;
    }
    for (Rect& r : rects_) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
}

void Region::intersect(const Region& other)
{
    const auto& mine = rects();
    const auto& theirs = other.rects();
    std::vector<Rect> result;
    for (const Rect& a : mine)
        for (const Rect& b : theirs) {
            const Rect r = a.intersected(b);
            if (!r.isEmpty())
                result.push_back(r);
        }
    std::sort(result.begin(), result.end(), [](const Rect& a, const Rect& b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    outline_.clear();
    rects_ = std::move(result);
    rasterized_ = true;
}

}  // namespace plat
