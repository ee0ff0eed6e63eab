#include "place/free_room.h"

#include "tracelyn/core/board_object.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_extent.h"

#include <algorithm>
#include <cmath>

namespace {

int32_t floorDiv(int64_t v, int32_t d) { return static_cast<int32_t>(v >= 0 ? v / d : -((-v + d - 1) / d)); }

// The board's edge as the chain of its segments' start points, the region the board program
// itself takes for the outline; empty when slot 1 holds no usable outline.
std::vector<std::pair<int32_t, int32_t>> outlineCorners(bool& rectangle)
{
    std::vector<std::pair<int32_t, int32_t>> corners;
    rectangle = false;
    if (g_board.objects == nullptr || g_board.count < 1)
        return corners;
    const BoardObject& o = g_board.objects[1];
    const int32_t* s = o.points();
    const int segments = std::clamp(o.w[2], 0, kMaxOutlineSegments);
    if (o.kind() != kKindOutline || s == nullptr || segments < 3)
        return corners;
    bool straightAndUpright = segments == 4;
    for (int i = 0; i < segments; ++i) {
        const int32_t* seg = s + i * kSegmentWords;
        corners.emplace_back(seg[0], seg[1]);
        straightAndUpright = straightAndUpright && seg[4] == 1 && (seg[0] == seg[2] || seg[1] == seg[3]);
    }
    rectangle = straightAndUpright;
    return corners;
}

bool holdsNothingToAvoid(const BoardObject& o)
{
    const int kind = o.kind();
    return kind == 0 || kind == kKindOutline || kind == kKindNoRoute || kind == kKindMarker ||
           kind == kKindFixedRectangle;
}

}  // namespace

FreeRoom::FreeRoom(const ExtentBox& outline, int32_t grid, int32_t gap) : outline_(outline), grid_(grid), gap_(gap)
{
    x0_ = floorDiv(outline.left, grid) * grid;
    y0_ = floorDiv(outline.top, grid) * grid;
    columns_ = column(outline.right) + 1;
    rows_ = row(outline.bottom) + 1;
    taken_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(rows_), 0);
    freeRun_.assign(taken_.size(), 0);
}

std::optional<FreeRoom> FreeRoom::OfCurrentBoard(int32_t grid, int32_t gap)
{
    bool rectangle = false;
    const auto corners = outlineCorners(rectangle);
    if (corners.empty())
        return std::nullopt;
    ExtentBox box{corners[0].first, corners[0].second, corners[0].first, corners[0].second};
    for (const auto& [x, y] : corners) {
        box.left = std::min(box.left, x), box.right = std::max(box.right, x);
        box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
    }
    // A grid over more than the largest work area would be a damaged outline, not a board.
    constexpr int64_t kMaxCells = 8'000'000;
    if ((int64_t{box.right} - box.left) / grid * ((int64_t{box.bottom} - box.top) / grid) > kMaxCells)
        return std::nullopt;
    FreeRoom room(box, grid, gap);
    room.rectangle_ = rectangle;
    room.markOutside(corners);
    for (size_t i = 0; i < corners.size(); ++i) {
        const auto& [x1, y1] = corners[i];
        const auto& [x2, y2] = corners[(i + 1) % corners.size()];
        room.markNearSegment(x1, y1, x2, y2);
    }
    for (int i = 1; i <= g_board.count; ++i)
        if (!holdsNothingToAvoid(g_board.objects[i]))
            room.markBox(GetObjectExtent(i, kExtentWithLabel));
    for (int32_t r = 0; r < room.rows_; ++r)
        room.updateRuns(r);
    return room;
}

int32_t FreeRoom::column(int32_t x) const { return floorDiv(int64_t{x} - x0_, grid_); }
int32_t FreeRoom::row(int32_t y) const { return floorDiv(int64_t{y} - y0_, grid_); }

// Cells whose centre lies outside the chain (even-odd, row by row).
void FreeRoom::markOutside(const std::vector<std::pair<int32_t, int32_t>>& corners)
{
    std::vector<double> crossings;
    for (int32_t r = 0; r < rows_; ++r) {
        const double y = y0_ + (r + 0.5) * grid_;
        crossings.clear();
        for (size_t i = 0; i < corners.size(); ++i) {
            const auto [x1, y1] = corners[i];
            const auto [x2, y2] = corners[(i + 1) % corners.size()];
            if ((y1 <= y) != (y2 <= y))
                crossings.push_back(x1 + (y - y1) * (double(x2) - x1) / (double(y2) - y1));
        }
        std::sort(crossings.begin(), crossings.end());
        size_t next = 0;
        bool inside = false;
        for (int32_t c = 0; c < columns_; ++c) {
            const double x = x0_ + (c + 0.5) * grid_;
            while (next < crossings.size() && crossings[next] <= x) {
                inside = !inside;
                ++next;
            }
            if (!inside)
                taken_[static_cast<size_t>(r) * columns_ + c] = 1;
        }
    }
}

// Cells within the gap of the edge from (x1, y1) to (x2, y2), walked in half-cell steps.
void FreeRoom::markNearSegment(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    const double length = std::hypot(double(x2) - x1, double(y2) - y1);
    const int steps = static_cast<int>(std::ceil(length / (grid_ / 2.0))) + 1;
    for (int i = 0; i <= steps; ++i) {
        const auto x = static_cast<int32_t>(std::lround(x1 + (double(x2) - x1) * i / steps));
        const auto y = static_cast<int32_t>(std::lround(y1 + (double(y2) - y1) * i / steps));
        markBox({x, y, x, y});
    }
}

void FreeRoom::markBox(const ExtentBox& box)
{
    markCells(column(box.left - gap_), row(box.top - gap_), column(box.right + gap_), row(box.bottom + gap_));
}

void FreeRoom::markCells(int32_t c1, int32_t r1, int32_t c2, int32_t r2)
{
    c1 = std::max(c1, 0), r1 = std::max(r1, 0);
    c2 = std::min(c2, columns_ - 1), r2 = std::min(r2, rows_ - 1);
    for (int32_t r = r1; r <= r2; ++r)
        for (int32_t c = c1; c <= c2; ++c)
            taken_[static_cast<size_t>(r) * columns_ + c] = 1;
}

void FreeRoom::updateRuns(int32_t r)
{
    const size_t at = static_cast<size_t>(r) * columns_;
    int32_t run = 0;
    for (int32_t c = columns_ - 1; c >= 0; --c) {
        run = taken_[at + c] ? 0 : run + 1;
        freeRun_[at + c] = run;
    }
}

std::optional<std::pair<int32_t, int32_t>> FreeRoom::take(const ExtentBox& box)
{
    // The box's cells relative to the part's position, which stands on the grid.
    const int32_t dl = floorDiv(box.left, grid_), dr = floorDiv(box.right, grid_);
    const int32_t dt = floorDiv(box.top, grid_), db = floorDiv(box.bottom, grid_);
    const int32_t width = dr - dl + 1, height = db - dt + 1;
    for (int32_t top = 0; top + height <= rows_; ++top) {
        for (int32_t left = 0; left + width <= columns_;) {
            int32_t blockedAt = -1;
            for (int32_t r = top; r < top + height && blockedAt < 0; ++r)
                if (const int32_t run = freeRun_[static_cast<size_t>(r) * columns_ + left]; run < width)
                    blockedAt = left + run;
            if (blockedAt < 0) {
                const int32_t x = x0_ + (left - dl) * grid_, y = y0_ + (top - dt) * grid_;
                const ExtentBox placed{x + box.left, y + box.top, x + box.right, y + box.bottom};
                markBox(placed);
                for (int32_t r = std::max(0, row(placed.top - gap_)); r <= std::min(rows_ - 1, row(placed.bottom + gap_)); ++r)
                    updateRuns(r);
                return std::make_pair(x, y);
            }
            left = blockedAt + 1;
        }
    }
    return std::nullopt;
}
