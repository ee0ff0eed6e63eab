#pragma once
// Objects outside of the board outline: copper (traces, pads, vias, fills, copper text) and
// placed parts (their pads and their package drawing) with any part beyond the board's edge or
// lying across it.

#include "tracelyn/route/drc_copper.h"
#include "tracelyn/route/drc_findings.h"
#include "tracelyn/route/drc_silkscreen.h"

#include <vector>

// The board's edge: its segments (arcs as chords) and what lies inside them. Inside is decided
// by the even-odd rule over every edge, so the segments need not follow one another in order.
class OutlineRegion {
public:
    // Takes the current board's outline; false when it has none that encloses anything.
    bool load();
    bool holds(double x, double y) const;
    const ShapeSet& edges() const { return edges_; }
    const ExtentBox& box() const { return box_; }

private:
    static constexpr int kBands = 64;
    int bandOf(double y) const;

    ShapeSet edges_;
    ExtentBox box_;
    std::vector<std::vector<int>> bands_;   // the edges crossing each horizontal band
};

// Adds a finding for every object beyond the outline; noOutline is set (and nothing found)
// when the board has no outline. False when the work was stopped.
bool CheckOutline(const BoardCopper& copper, const BoardSilk& silk, DrcWork& work, std::vector<DrcFinding>& findings,
                  bool& noOutline);
