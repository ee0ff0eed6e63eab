#pragma once
// The shapes of the copper pour: what each board object keeps clear of copper (a list of thick
// segments and boxes), and the outline and interior of the enclosing object.

#include "tracelyn/core/board_object.h"
#include "tracelyn/route/fill_grid.h"

#include <optional>
#include <vector>

struct FillExtent {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // x1 <= x2, y1 <= y2

    bool meets(const FillExtent& o) const { return x1 <= o.x2 && o.x1 <= x2 && y1 <= o.y2 && o.y1 <= y2; }
    bool covers(const FillExtent& o) const { return x1 <= o.x1 && y1 <= o.y1 && x2 >= o.x2 && y2 >= o.y2; }
};

// One piece of an obstacle: every point within r of the segment (capsule), or a box grown by r.
struct FillShape {
    enum Kind { kCapsule, kBox } kind = kCapsule;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double r = 0;
};

// How far copper keeps away: the clearance, whether traces, arcs, polygons and vias get it
// (the fill mode), and the half width of the outline the fill rectangles are drawn with.
struct FillReach {
    double mask = 250;
    bool clearTraces = true;
    double pen = 10;
};

// The pieces of copper of object o that lie on the fill layer (layer 31 fills every layer);
// empty for objects that keep no copper away (texts, rats-nest lines, the outline, ...).
std::vector<FillShape> ObstacleShapes(const BoardObject& o, int layer, const FillReach& reach);
FillExtent ExtentOf(const std::vector<FillShape>& shapes);
void MarkShapes(FillGrid& grid, const std::vector<FillShape>& shapes, uint8_t value);

// The enclosing object's extent; nothing when it cannot enclose a fill (not a rectangle,
// ellipse or polygon, a rotated rectangle, a polygon of fewer than three vertices).
std::optional<FillExtent> EnclosingExtent(const BoardObject& o);
// Marks the enclosing object's edge, drawn with its width, as outline cells.
void MarkEnclosingEdge(FillGrid& grid, const BoardObject& o, double pen);
// The x ranges (pairs, ascending) inside the enclosing object along the line at height y.
std::vector<double> InteriorAt(const BoardObject& o, double y);
