#pragma once
// Where the parts bin's thumbnails go: the layout both programs' bin painters share.

#include "platform/gdi/gdi_types.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace quill {

inline constexpr int kPartsBinRowHeight = 100;

// The thumbnail cells as last painted (client pixels): two to a row of kPartsBinRowHeight
// pixels, each half the client's width, and the height they need, a spare row below the last.
struct PartsBinCells {
    std::vector<plat::Rect> cells;
    int scrollRange = 0;

    // Lays out count entries over the client area scrolled up by scrollY; returns scrollRange.
    int layOut(const plat::Rect& client, size_t count, int scrollY);
    // The first cell that strictly contains (x, y) once inset by `inset` on every side; -1 for none.
    int hitTest(int x, int y, int inset) const;
    // The outline of cell `cell` that follows the mouse: the cell's own rectangle when inPlace,
    // else one of its size centred on (x, y); nothing for a cell that does not exist.
    std::optional<plat::Rect> outline(int cell, int x, int y, bool inPlace) const;
};

}  // namespace quill
