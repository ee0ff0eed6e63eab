#include "common/extent_index.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

// A box spanning more cells than this is kept on a list of its own and tested at every query,
// so one huge object (an outline, a hostile coordinate) does not fill the whole grid.
constexpr int64_t kMaxCellsPerBox = 64;
// Laid-out grids aim at about this many records per cell.
constexpr double kRecordsPerCell = 2.0;
constexpr int64_t kMaxCells = 1 << 16;

int64_t clampTo(int64_t value, int64_t limit)
{
    return std::clamp<int64_t>(value, 0, limit - 1);
}

}  // namespace

void ExtentIndex::clear()
{
    prints_.assign(1, 0);
    entries_.assign(1, Entry{});
    refreshed_ = 0;
    cells_.clear();
    wide_.clear();
    anywhere_.clear();
    marks_.clear();
    touched_.clear();
    gridValid_ = false;
    changedSinceGrid_ = 0;
}

void ExtentIndex::resize(int count)
{
    const auto slots = static_cast<size_t>(count) + 1;
    if (slots < entries_.size()) {
        for (size_t slot = slots; slot < entries_.size(); ++slot)
            if (gridValid_)
                unfile(static_cast<int>(slot));
    }
    prints_.resize(slots);
    entries_.resize(slots);
    marks_.resize((slots + 63) / 64, 0);
}

void ExtentIndex::update(int slot, uint64_t fingerprint, const SlotExtent& extent)
{
    // Filing records one by one keeps the grid laid out for the extents it was built from; after
    // many changes (a new file, a large paste) laying it out again is cheaper and fits better.
    if (gridValid_ && ++changedSinceGrid_ > std::max(256, count() / 4)) {
        gridValid_ = false;
        cells_.clear();
        wide_.clear();
        anywhere_.clear();
    }
    if (gridValid_)
        unfile(slot);
    prints_[static_cast<size_t>(slot)] = fingerprint;
    Entry& entry = entries_[static_cast<size_t>(slot)];
    entry = Entry{extent, false};
    if (entry.extent.reach == SlotExtent::Reach::kBox) {
        ExtentBox& box = entry.extent.box;
        if (box.left > box.right)
            std::swap(box.left, box.right);
        if (box.top > box.bottom)
            std::swap(box.top, box.bottom);
    }
    if (gridValid_)
        file(slot);
}

void ExtentIndex::set(int slot, const SlotExtent& extent)
{
    if (slot < 1)
        return;
    if (slot > count()) {
        resize(slot);
        refreshed_ = slot;
    }
    update(slot, 0, extent);
}

ExtentIndex::CellRange ExtentIndex::cellsOf(const ExtentBox& box) const
{
    // Coordinates beyond the grid fall into its edge cells, so every box has a cell range and
    // queries clamp the same way.
    return {clampTo((int64_t{box.left} - originX_) >> shift_, cols_),
            clampTo((int64_t{box.top} - originY_) >> shift_, rows_),
            clampTo((int64_t{box.right} - originX_) >> shift_, cols_),
            clampTo((int64_t{box.bottom} - originY_) >> shift_, rows_)};
}

void ExtentIndex::file(int slot)
{
    Entry& entry = entries_[static_cast<size_t>(slot)];
    if (entry.extent.reach == SlotExtent::Reach::kNothing)
        return;
    if (entry.extent.reach == SlotExtent::Reach::kAnywhere) {
        anywhere_.push_back(slot);
        return;
    }
    const CellRange range = cellsOf(entry.extent.box);
    if ((range.col1 - range.col0 + 1) * (range.row1 - range.row0 + 1) > kMaxCellsPerBox) {
        wide_.push_back(slot);
        return;
    }
    for (int64_t row = range.row0; row <= range.row1; ++row)
        for (int64_t col = range.col0; col <= range.col1; ++col)
            cells_[static_cast<size_t>(row * cols_ + col)].push_back(slot);
    entry.filed = true;
}

void ExtentIndex::unfile(int slot)
{
    Entry& entry = entries_[static_cast<size_t>(slot)];
    if (entry.extent.reach == SlotExtent::Reach::kNothing)
        return;
    if (entry.extent.reach == SlotExtent::Reach::kAnywhere) {
        eraseSlot(anywhere_, slot);
        return;
    }
    if (!entry.filed) {
        eraseSlot(wide_, slot);
        return;
    }
    const CellRange range = cellsOf(entry.extent.box);
    for (int64_t row = range.row0; row <= range.row1; ++row)
        for (int64_t col = range.col0; col <= range.col1; ++col)
            eraseSlot(cells_[static_cast<size_t>(row * cols_ + col)], slot);
    entry.filed = false;
}

void ExtentIndex::eraseSlot(std::vector<int>& list, int slot)
{
    const auto found = std::find(list.begin(), list.end(), slot);
    if (found == list.end())
        return;
    *found = list.back();
    list.pop_back();
}

void ExtentIndex::rebuildGrid()
{
    int64_t left = 0, top = 0, right = 0, bottom = 0;
    int64_t boxes = 0;
    for (const Entry& entry : entries_) {
        if (entry.extent.reach != SlotExtent::Reach::kBox)
            continue;
        const ExtentBox& box = entry.extent.box;
        left = boxes ? std::min<int64_t>(left, box.left) : box.left;
        top = boxes ? std::min<int64_t>(top, box.top) : box.top;
        right = boxes ? std::max<int64_t>(right, box.right) : box.right;
        bottom = boxes ? std::max<int64_t>(bottom, box.bottom) : box.bottom;
        ++boxes;
    }
    // Cells are squares of a power of two units, sized so the grid holds a few records per cell;
    // a long thin drawing gets larger cells until the cell count is bounded.
    const double width = static_cast<double>(right - left) + 1.0;
    const double height = static_cast<double>(bottom - top) + 1.0;
    const double cellsWanted = std::clamp(static_cast<double>(boxes) / kRecordsPerCell, 1.0, double(kMaxCells));
    const double side = std::sqrt(width * height / cellsWanted);
    shift_ = side <= 1.0 ? 0 : std::min(33, static_cast<int>(std::ceil(std::log2(side))));
    while (true) {
        cols_ = ((right - left) >> shift_) + 1;
        rows_ = ((bottom - top) >> shift_) + 1;
        if (cols_ * rows_ <= kMaxCells)
            break;
        ++shift_;
    }
    originX_ = left;
    originY_ = top;
    cells_.assign(static_cast<size_t>(cols_ * rows_), {});
    wide_.clear();
    anywhere_.clear();
    gridValid_ = true;
    changedSinceGrid_ = 0;
    for (size_t slot = 1; slot < entries_.size(); ++slot) {
        entries_[slot].filed = false;
        file(static_cast<int>(slot));
    }
}

void ExtentIndex::query(const ExtentBox& given, std::vector<int>& slots)
{
    ExtentBox area = given;
    if (area.left > area.right)
        std::swap(area.left, area.right);
    if (area.top > area.bottom)
        std::swap(area.top, area.bottom);
    if (!gridValid_)
        rebuildGrid();
    const CellRange range = cellsOf(area);
    const int64_t cellsInArea = (range.col1 - range.col0 + 1) * (range.row1 - range.row0 + 1);
    if (cellsInArea * 2 > cols_ * rows_) {
        // Most of the grid is in view: one pass over the records, already in slot order.
        for (size_t slot = 1; slot < entries_.size(); ++slot) {
            const SlotExtent& extent = entries_[slot].extent;
            if (extent.reach == SlotExtent::Reach::kAnywhere
                || (extent.reach == SlotExtent::Reach::kBox && extent.box.meets(area)))
                slots.push_back(static_cast<int>(slot));
        }
        return;
    }
    // A slot filed in several cells of the area is marked once; reading the marks back in word
    // order lists the slots in slot order without sorting them. A cell with cells of the area on
    // every side lies wholly inside the area, and so does a part of every box filed in it (only
    // the grid's edge cells hold boxes clamped into them from outside): its slots need no test.
    for (int64_t row = range.row0; row <= range.row1; ++row) {
        const bool innerRow = row > range.row0 && row < range.row1;
        for (int64_t col = range.col0; col <= range.col1; ++col) {
            const std::vector<int>& cell = cells_[static_cast<size_t>(row * cols_ + col)];
            if (innerRow && col > range.col0 && col < range.col1) {
                for (const int slot : cell)
                    mark(slot);
                continue;
            }
            for (const int slot : cell)
                if (entries_[static_cast<size_t>(slot)].extent.box.meets(area))
                    mark(slot);
        }
    }
    for (const int slot : wide_)
        if (entries_[static_cast<size_t>(slot)].extent.box.meets(area))
            mark(slot);
    for (const int slot : anywhere_)
        mark(slot);
    takeMarked(slots);
}

void ExtentIndex::takeMarked(std::vector<int>& slots)
{
    // A small area marks few words: sorting those beats reading every word of a large store.
    const bool few = touched_.size() * 16 < marks_.size();
    if (few)
        std::sort(touched_.begin(), touched_.end());
    const auto take = [&](size_t word) {
        uint64_t bits = marks_[word];
        marks_[word] = 0;
        const int base = static_cast<int>(word * 64);
        for (; bits != 0; bits &= bits - 1)
            slots.push_back(base + std::countr_zero(bits));
    };
    if (few) {
        for (const size_t word : touched_)
            take(word);
    } else {
        for (size_t word = 0; word < marks_.size(); ++word)
            if (marks_[word] != 0)
                take(word);
    }
    touched_.clear();
}
