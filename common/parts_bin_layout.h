#pragma once
// Where the parts bin's thumbnails go: the layout both programs' bin painters share.

#include "platform/gdi/gdi_types.h"

#include <cstddef>
#include <vector>

namespace quill {

// The thumbnail cells of count entries over a client area: two to a row of rowHeight pixels,
// each half the width, scrolled up by scrollY.
std::vector<plat::Rect> LayOutPartsBinCells(const plat::Rect& client, size_t count, int rowHeight, int scrollY);
// The height those cells need: a spare row below the last.
int PartsBinCellsHeight(size_t count, int rowHeight);

}  // namespace quill
