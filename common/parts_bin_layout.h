#pragma once
// Where the parts bin's thumbnails go: the layout both programs' bin painters share.

#include "platform/gdi/gdi_types.h"

#include <cstddef>
#include <span>
#include <vector>

namespace quill {

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

}  // namespace quill
