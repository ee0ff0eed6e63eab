#pragma once
// A box that grows to hold every point added to it. It starts turned inside out (its minimum
// at `start`, its maximum at -start), so the first point sets it and an empty one stays
// inverted. Wide integers: sums of a coordinate and a radius never overflow.

#include <algorithm>

struct GrowingExtent {
    long long minX, minY, maxX, maxY;

    explicit GrowingExtent(long long start) : minX(start), minY(start), maxX(-start), maxY(-start) {}

    void add(long long x, long long y)
    {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    // An ellipse or circle by its centre and radii.
    void addCentred(long long x, long long y, long long rx, long long ry)
    {
        add(x - rx, y - ry);
        add(x + rx, y + ry);
    }
    bool empty() const { return minX > maxX; }
};
