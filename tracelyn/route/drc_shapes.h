#pragma once
// The shapes the design-rule check measures, in board units. A piece is every point within its
// radius of its core: one point (a round pad, a round flash), a segment (a trace with round
// ends), or a filled polygon (a region, a turned or square pad). Pieces of one kind cover
// everything the plotted artwork puts on film, so the check measures what is manufactured.

#include "common/extent_index.h"

#include <cstdint>
#include <span>
#include <vector>

struct ShapePoint {
    double x = 0;
    double y = 0;
};

// Points [first, first + count) of a ShapeSet's point list: 1 a disc, 2 a stroke, 3 or more a
// filled polygon; every point within radius of that core belongs to the piece.
struct ShapePiece {
    int first = 0;
    int count = 0;
    double radius = 0;
    ExtentBox box;      // holds the whole piece (whole units, rounded outward)
    int source = 0;     // what the caller made the piece from
};

// How far apart two pieces are: 0 when they touch or overlap. `spot` lies between them (on
// both when they meet), where a mark shows the place.
struct ShapeGap {
    double distance = 0;
    ShapePoint spot;
};

class ShapeSet {
public:
    void addDisc(double x, double y, double radius, int source);
    void addStroke(double x1, double y1, double x2, double y2, double radius, int source);
    // A filled polygon; fewer than three points make a disc or a stroke instead.
    void addPolygon(std::span<const ShapePoint> points, double radius, int source);
    // A chain of strokes through the points, closed back to the first when asked.
    void addChain(std::span<const ShapePoint> points, double radius, bool closed, int source);

    std::span<const ShapePoint> core(const ShapePiece& piece) const
    {
        return std::span<const ShapePoint>(points_).subspan(static_cast<size_t>(piece.first),
                                                            static_cast<size_t>(piece.count));
    }
    const std::vector<ShapePiece>& pieces() const { return pieces_; }
    void clear()
    {
        pieces_.clear();
        points_.clear();
    }

private:
    void add(std::span<const ShapePoint> points, double radius, int source);

    std::vector<ShapePiece> pieces_;
    std::vector<ShapePoint> points_;
};

// The gap between two pieces given by their cores and radii.
ShapeGap PieceGap(std::span<const ShapePoint> a, double ra, std::span<const ShapePoint> b, double rb);

inline ShapeGap PieceGap(const ShapeSet& setA, const ShapePiece& a, const ShapeSet& setB, const ShapePiece& b)
{
    return PieceGap(setA.core(a), a.radius, setB.core(b), b.radius);
}

// Whether the edge a-b crosses the ray from (x, y) toward growing x: an odd number of crossings
// puts the point inside (the even-odd rule).
inline bool EdgeCrossesRay(const ShapePoint& a, const ShapePoint& b, double x, double y)
{
    return (a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x;
}

// Whether (x, y) lies inside the closed polygon (even-odd rule).
bool PolygonHolds(std::span<const ShapePoint> polygon, double x, double y);
