#pragma once
// Where the parts bin's thumbnails go: the layout both programs' bin painters share.

#include "platform/gdi/gdi_types.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace quill {

inline constexpr int kPartsBinRowHeight = 100;

// The thumbnail cells of count entries over a client area: two to a row of rowHeight pixels,
// each half the width, scrolled up by scrollY.
std::vector<plat::Rect> LayOutPartsBinCells(const plat::Rect& client, size_t count, int rowHeight, int scrollY);
// The height those cells need: a spare row below the last.
int PartsBinCellsHeight(size_t count, int rowHeight);
// The first cell that strictly contains (x, y) once inset by `inset` on every side; -1 for none.
int HitTestCells(std::span<const plat::Rect> cells, int x, int y, int inset);
// The outline of one cell that follows the mouse: the cell's own rectangle, or one of its size
// centred on (x, y).
plat::Rect PartsBinOutline(const plat::Rect& cell, int x, int y, bool inPlace);

// The bin's cells as last painted (client pixels), two per row of kPartsBinRowHeight, and the
// vertical scroll range they need.
struct PartsBinCells {
    std::vector<plat::Rect> cells;
    int scrollRange = 0;

    // Lays out the cells of count entries over the client area scrolled up by scrollY.
    void layOut(const plat::Rect& client, size_t count, int scrollY);
    // The cell under (x, y) once inset by `inset`, -1 for none.
    int hitTest(int x, int y, int inset) const { return HitTestCells(cells, x, y, inset); }
    // The outline of a cell that follows the mouse (PartsBinOutline); nullopt for no such cell.
    std::optional<plat::Rect> outline(int cell, int x, int y, bool inPlace) const;
};

}  // namespace quill
