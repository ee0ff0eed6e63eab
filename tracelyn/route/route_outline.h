#pragma once
// Where the routers may lay copper: inside the board outline and at least the clearance (plus
// the copper's own half width) from its edge. A board whose outline encloses nothing leaves
// everything open.

#include <cstdint>
#include <vector>

class RouteOutline {
public:
    // Takes the current board's outline.
    RouteOutline();
    bool present() const { return present_; }
    // Whether copper reaching `keep` round (x, y) stays inside the outline, clear of its edge.
    bool allows(double x, double y, double keep) const;
    // Whether a straight run of copper between two points does.
    bool allowsRun(double x1, double y1, double x2, double y2, double keep) const;

private:
    struct Edge {
        double x1, y1, x2, y2;
    };
    std::vector<Edge> edges_;
    double left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    bool present_ = false;
};

// A run of grid cells of one row i, columns jLo to jHi.
struct GridRun {
    int32_t i, jLo, jHi;
};

// The cells of the maze grid (origin, pitch, rows 0..lastI, columns 0..lastJ) that a route may
// not take because of the outline: a centre outside it or nearer its edge than `keep`, or
// nearer a corner than `keep` and half a pitch (a run between two cells may pass a corner
// nearer than either centre). Worked out once for an outline and grid, then reused; empty
// when the board has no outline.
const std::vector<GridRun>& CellsBeyondOutline(int32_t originX, int32_t originY, int32_t pitch, int lastI, int lastJ,
                                               int32_t keep);
