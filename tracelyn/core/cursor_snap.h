#pragma once
// Snapping the cursor to the rectangular or polar grid. All arithmetic is in board units so
// that fine grids at coarse zooms (a .5-mil grid is less than a logical unit there) snap
// correctly; a step of 0 or less leaves that coordinate as it is.

#include "tracelyn/core/board_view_state.h"

#include <cstdint>

struct GridStep {
    int32_t x = 0;
    int32_t y = 0;
};

// The x and y grid steps (board units) of grid command `id`: 698 to 704 the fixed English
// steps (.5 to 100 mils) or, in metric unit mode, .1 to 2.0 mm as the number x 1000; 705 the
// variable grid's two steps; any other id is returned as both steps.
GridStep GridStepFromId(int32_t id);

// value rounded to the nearest multiple of step, exact halves up; value itself when step <= 0.
int64_t SnapToStep(int64_t value, int32_t step);

// A point snapped to the polar grid, relative to the polar centre, in board units; radius and
// angle (tenths of a degree) for the read-out.
struct PolarSnap {
    int32_t x = 0;
    int32_t y = 0;
    double radius = 0;
    int32_t angle = 0;
};
// dx, dy: the cursor relative to the polar centre (board units). radiusStep and the grid's
// angle step of 0 or less snap nothing on that coordinate.
PolarSnap SnapPolar(int64_t dx, int64_t dy, const PolarGrid& grid, int32_t radiusStep);
