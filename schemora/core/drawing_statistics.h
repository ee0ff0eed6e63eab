#pragma once
// Aux > Statistics: the objects of a drawing counted by kind.

#include "schemora/core/draw_object.h"

#include <span>
#include <string>

struct DrawingStatistics {
    int parts = 0, rectangles = 0, triangles = 0, strings = 0;
    int roundedRectangles = 0, dots = 0, lines = 0, arcs = 0;
    int arrows = 0, busses = 0, ellipses = 0, polygons = 0;
    int records = 0;     // objects 1 to count, deleted records included
    int live = 0;        // records whose kind is not 0
};

// Counts objects 1 to count (cut to the store's size).
DrawingStatistics CountDrawingStatistics(std::span<const DrawObject> objects, int count);
// The text of the "Schematic Statistics" box; partTypes is the number of loaded part symbols.
std::string StatisticsText(const DrawingStatistics& s, int partTypes);
