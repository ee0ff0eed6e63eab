#include "common/parts_bin_layout.h"

#include <algorithm>

namespace quill {

int PartsBinCells::layOut(const plat::Rect& client, size_t count, int scrollY)
{
    cells.clear();
    const int cellWidth = std::max(1, client.width() / 2);
    for (size_t k = 0; k < count; ++k) {
        const int col = static_cast<int>(k % 2);
        const int row = static_cast<int>(k / 2);
        cells.push_back({client.left + col * cellWidth, client.top + row * kPartsBinRowHeight - scrollY,
                         client.left + (col + 1) * cellWidth, client.top + (row + 1) * kPartsBinRowHeight - scrollY});
    }
    scrollRange = (static_cast<int>(count) / 2 + 1) * kPartsBinRowHeight;
    return scrollRange;
}

int PartsBinCells::hitTest(int x, int y, int inset) const
{
    for (size_t k = 0; k < cells.size(); ++k) {
        const plat::Rect& c = cells[k];
        if (x > c.left + inset && x < c.right - inset && y > c.top + inset && y < c.bottom - inset)
            return static_cast<int>(k);
    }
    return -1;
}

std::optional<plat::Rect> PartsBinCells::outline(int cell, int x, int y, bool inPlace) const
{
    if (cell < 0 || cell >= static_cast<int>(cells.size()))
        return std::nullopt;
    const plat::Rect& c = cells[static_cast<size_t>(cell)];
    if (inPlace)
        return c;
    const int halfW = c.width() / 2;
    const int halfH = c.height() / 2;
    return plat::Rect{x - halfW, y - halfH, x + halfW, y + halfH};
}

}  // namespace quill
