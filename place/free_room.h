#pragma once
// The room left on a board that already holds parts, copper and an outline: a grid of
// placement-grid cells over the outline's box, a cell free when it lies inside the outline and
// keeps the part gap from the outline and from everything the board holds. New parts take the
// first free spot from the top left, so a design that grew is placed into the board it has.

#include "common/extent_index.h"

#include <cstdint>
#include <optional>
#include <vector>

class FreeRoom {
public:
    // The room on the current board; none when the board has no outline to place inside.
    static std::optional<FreeRoom> OfCurrentBoard(int32_t grid, int32_t gap);

    // Takes the first free spot, top row first, for a part whose box about its position is
    // `box` (package extent and label room); answers the part's position, on the grid.
    std::optional<std::pair<int32_t, int32_t>> take(const ExtentBox& box);

    const ExtentBox& outlineBox() const { return outline_; }
    // An upright rectangle of four straight sides, which can grow to hold more parts.
    bool outlineIsRectangle() const { return rectangle_; }

private:
    FreeRoom(const ExtentBox& outline, int32_t grid, int32_t gap);
    void markOutside(const std::vector<std::pair<int32_t, int32_t>>& corners);
    void markNearSegment(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    void markBox(const ExtentBox& box);   // grown by the gap
    void markCells(int32_t c1, int32_t r1, int32_t c2, int32_t r2);
    void updateRuns(int32_t r);
    int32_t column(int32_t x) const;
    int32_t row(int32_t y) const;

    ExtentBox outline_;
    bool rectangle_ = false;
    int32_t grid_, gap_;
    int32_t x0_ = 0, y0_ = 0;       // board point of cell (0, 0)'s top left corner
    int32_t columns_ = 0, rows_ = 0;
    std::vector<uint8_t> taken_;     // one per cell, row after row
    std::vector<int32_t> freeRun_;   // free cells from each cell to the right, its own included
};
