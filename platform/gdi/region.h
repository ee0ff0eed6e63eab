#pragma once
// Regions: sets of whole pixels, used as clip regions (in device pixels) and, without any device
// context, for hit tests. A pixel (x, y) belongs to a polygon region when its centre
// (x + 0.5, y + 0.5) lies inside the polygon; an edge passing exactly through a centre keeps the
// pixel on its left or top side and drops it on its right or bottom side, so a rectangle region
// holds its left and top edges but not its right and bottom ones.

#include "platform/gdi/gdi_types.h"

#include <span>
#include <vector>

namespace plat {

class Region {
public:
    Region() = default;                                   // empty
    explicit Region(const Rect& r);                      // CreateRectRgn
    // CreatePolygonRgn with kAlternate or kWinding.
    static Region polygon(std::span<const Point> points, int fillMode);

    void SetRectRgn(int left, int top, int right, int bottom);
    bool PtInRegion(int x, int y) const;
    Rect GetRgnBox() const;
    bool isEmpty() const;
    void OffsetRgn(int dx, int dy);
    // This region cut to what it shares with `other`.
    void intersect(const Region& other);
    // kNullRegion, kSimpleRegion (one rectangle) or kComplexRegion.
    int kind() const;
    // Non-overlapping rectangles covering the region, top to bottom.
    const std::vector<Rect>& rects() const;

private:
    void rasterize() const;

    // A polygon region keeps its outline for exact, cheap point tests; its rectangles are built
    // only when needed (clipping, combining).
    std::vector<Point> outline_;
    int fillMode_ = kAlternate;
    mutable std::vector<Rect> rects_;
    mutable bool rasterized_ = true;
};

// The pixel columns [x0, x1) of row `y` that a polygon covers under the rule above.
std::vector<std::pair<int, int>> polygonRowSpans(std::span<const Point> points, int fillMode, int y);

}  // namespace plat
