#pragma once
// The copper pour's cell grid: one byte per square cell over the area being filled, and the
// marking of shapes into it. A cell is marked when any point of its closed square lies in the
// shape, so copper laid on unmarked cells never comes nearer to a shape than the shape's own
// reach (its half width plus the clearance the caller adds).

#include <cstddef>
#include <cstdint>
#include <vector>

// Cell values.
inline constexpr uint8_t kCellEmpty = 0;
inline constexpr uint8_t kCellObstacle = 1;
inline constexpr uint8_t kCellOutline = 2;

class FillGrid {
public:
    // cells x cells squares of `cell` board units; cell (0, 0) has its top-left corner at
    // (left, top).
    FillGrid(int64_t left, int64_t top, int32_t cell, int cells);

    int cells() const { return cells_; }
    int32_t cell() const { return cell_; }
    int64_t cellLeft(int i) const { return left_ + int64_t{i} * cell_; }
    int64_t rowTop(int j) const { return top_ + int64_t{j} * cell_; }
    uint8_t at(int i, int j) const { return grid_[static_cast<size_t>(j) * cells_ + i]; }
    const uint8_t* row(int j) const { return &grid_[static_cast<size_t>(j) * cells_]; }

    // Every point within r of the segment (a, b).
    void markCapsule(double ax, double ay, double bx, double by, double r, uint8_t value);
    void markDisk(double cx, double cy, double r, uint8_t value);
    // The closed box between the two corners (in any order).
    void markBox(double x1, double y1, double x2, double y2, uint8_t value);
    // A closed chain of points (x, y pairs) drawn with reach r.
    void markClosedChain(const std::vector<double>& points, double r, uint8_t value);

private:
    // Rows whose band meets [ylo, yhi]; false when none.
    bool rowsFor(double ylo, double yhi, int& j0, int& j1) const;
    // Marks the cells of row j that meet [xlo, xhi].
    void markSpan(int j, double xlo, double xhi, uint8_t value);

    int64_t left_;
    int64_t top_;
    int32_t cell_;
    int cells_;
    std::vector<uint8_t> grid_;
};

// Points along a quarter or smaller arc about (cx, cy) from angle a0 to a1 (radians), close
// enough that the chords stay within `slack` of the arc; slack receives the largest sagitta.
// Chords span at most 3 degrees, or, with a tolerance, as much as keeps the sagitta within it.
std::vector<double> ArcPoints(double cx, double cy, double radius, double a0, double a1, double& slack,
                              double tolerance = 0);
// The same for the arc about (cx, cy) from (x1, y1), at that end's distance, round to the
// direction of (x2, y2), whichever way round is shorter: the quarter turns of arc traces and
// plotted arcs.
std::vector<double> ArcPointsBetween(double cx, double cy, double x1, double y1, double x2, double y2, double& slack,
                                     double tolerance = 0);
