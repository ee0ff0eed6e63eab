#include "tracelyn/route/copper_index.h"

#include "tracelyn/core/board_state.h"

#include <algorithm>

namespace {

int32_t saturated(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// Half a width, rounded up, and one unit more for the rounding of the distance tests; a
// negative width reaches no further than the centre line.
int64_t halfReach(int32_t width)
{
    return (std::max<int64_t>(width, 0) + 1) / 2 + 1;
}

SlotExtent traceExtent(const BoardObject& o)
{
    if (o.kind() != kKindLine && o.kind() != kKindArc)
        return SlotExtent::nothing();
    return SlotExtent::inside(SegmentBox(o.w[0], o.w[1], o.w[2], o.w[3], halfReach(o.w[7])));
}

}  // namespace

ExtentBox PointBox(int32_t x, int32_t y, int64_t grow)
{
    return SegmentBox(x, y, x, y, grow);
}

ExtentBox SegmentBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int64_t grow)
{
    return {saturated(int64_t{std::min(x1, x2)} - grow), saturated(int64_t{std::min(y1, y2)} - grow),
            saturated(int64_t{std::max(x1, x2)} + grow), saturated(int64_t{std::max(y1, y2)} + grow)};
}

CopperIndex::CopperIndex(std::span<const CopperPad> pads)
{
    const int count = g_board.objects != nullptr ? g_board.count : 0;
    for (int slot = 1; slot <= count; ++slot)
        traces_.set(slot, traceExtent(g_board.objects[slot]));
    for (size_t p = 0; p < pads.size(); ++p) {
        const CopperPad& pad = pads[p];
        const int64_t hx = halfReach(pad.sizeX), hy = halfReach(pad.sizeY);
        const ExtentBox box{saturated(int64_t{pad.x} - hx), saturated(int64_t{pad.y} - hy),
                            saturated(int64_t{pad.x} + hx), saturated(int64_t{pad.y} + hy)};
        pads_.set(static_cast<int>(p) + 1, SlotExtent::inside(box));
    }
}

void CopperIndex::refile(int slot)
{
    if (g_board.objects != nullptr && slot >= 1 && slot <= g_board.count)
        traces_.set(slot, traceExtent(g_board.objects[slot]));
}

void CopperIndex::tracesNear(const ExtentBox& box, std::vector<int>& slots)
{
    slots.clear();
    traces_.query(box, slots);
}

void CopperIndex::padsNear(const ExtentBox& box, std::vector<int>& found)
{
    found.clear();
    pads_.query(box, found);
    for (int& p : found)
        --p;
}
