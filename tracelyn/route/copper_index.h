#pragma once
// The copper of the current store by place, for the passes that ask, for each corner or segment
// they look at, which traces, arcs and pads may meet it: asking the index instead of walking the
// whole store keeps such a pass near-linear in the size of the board. The pass that holds the
// index edits the store itself and files each record it changed again (`refile`); nothing else
// may change the store while the index is in use.

#include "common/extent_index.h"
#include "tracelyn/route/copper_pads.h"

#include <cstdint>
#include <span>
#include <vector>

// The box of a point grown by `grow` either way, and of a segment's two ends grown likewise.
ExtentBox PointBox(int32_t x, int32_t y, int64_t grow = 0);
ExtentBox SegmentBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int64_t grow);

class CopperIndex {
public:
    // Files every trace and arc of objects 1..count of the current store, with their width, and
    // every pad of `pads`, which must outlive the index.
    explicit CopperIndex(std::span<const CopperPad> pads);

    // Files object `slot` again after the pass changed it (moved an end, deleted or appended it).
    void refile(int slot);

    // Into `slots`, in slot order: every trace and arc whose copper may reach `box`.
    void tracesNear(const ExtentBox& box, std::vector<int>& slots);
    // Into `found`, in list order: the indexes of the pads whose box may reach `box`.
    void padsNear(const ExtentBox& box, std::vector<int>& found);

private:
    ExtentIndex traces_;
    ExtentIndex pads_;
};
