#include "common/parts_bin_layout.h"

#include <algorithm>

namespace quill {

std::vector<plat::Rect> LayOutPartsBinCells(const plat::Rect& client, size_t count, int rowHeight, int scrollY)
{
    std::vector<plat::Rect> cells;
    const int cellWidth = std::max(1, client.width() / 2);
    for (size_t k = 0; k < count; ++k) {
        const int col = static_cast<int>(k % 2);
        const int row = static_cast<int>(k / 2);
        cells.push_back({client.left + col * cellWidth, client.top + row * rowHeight - scrollY,
                         client.left + (col + 1) * cellWidth, client.top + (row + 1) * rowHeight - scrollY});
    }
    return cells;
}

int PartsBinCellsHeight(size_t count, int rowHeight) { return (static_cast<int>(count) / 2 + 1) * rowHeight; }

int HitTestCells(std::span<const plat::Rect> cells, int x, int y, int inset)
{
    for (size_t k = 0; k < cells.size(); ++k) {
        const plat::Rect& c = cells[k];
        if (x > c.left + inset && x < c.right - inset && y > c.top + inset && y < c.bottom - inset)
            return static_cast<int>(k);
    }
    return -1;
}

plat::Rect PartsBinOutline(const plat::Rect& cell, int x, int y, bool inPlace)
{
    if (inPlace)
        return cell;
    const int halfW = cell.width() / 2;
    const int halfH = cell.height() / 2;
    return {x - halfW, y - halfH, x + halfW, y + halfH};
}

void PartsBinCells::layOut(const plat::Rect& client, size_t count, int scrollY)
{
    cells = LayOutPartsBinCells(client, count, kPartsBinRowHeight, scrollY);
    scrollRange = PartsBinCellsHeight(count, kPartsBinRowHeight);
}

std::optional<plat::Rect> PartsBinCells::outline(int cell, int x, int y, bool inPlace) const
{
    if (cell < 0 || cell >= static_cast<int>(cells.size()))
        return std::nullopt;
    return PartsBinOutline(cells[static_cast<size_t>(cell)], x, y, inPlace);
}

}  // namespace quill
