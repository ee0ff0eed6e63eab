// The memory router: before the maze passes, a bus connection between two pins on one row
// with exactly one pad of another part between them (the same pin of neighbouring memory
// chips) is laid as a fixed detour one pitch beside the row, round that pad. A detour is laid
// only where it keeps the batch clearance from all other copper of its layer and reaches both
// pin pads on that layer, so that what it counts as routed is joined and shorts nothing.
#include "tracelyn/route/batch_passes.h"

#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/route/copper_geometry.h"
#include "tracelyn/route/route_edit.h"
#include "tracelyn/route/route_outline.h"
#include "tracelyn/route/router_dialogs.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace {

// The band beside the row reaches one pitch and this much further.
constexpr int32_t kBandMargin = 50;
constexpr int kDetourLayer = 1;
constexpr int kBlockedBand = 3;

struct Point {
    int32_t x = 0, y = 0;
};

// The pads on the row strictly between the pins, and the layer a detour round them takes.
struct PadsBetween {
    int count = 0;
    int32_t x = 0;              // the last pad counted
    int layer = kDetourLayer;
};

// The slanted trace ends in the band above (side +1) or below (side -1) the row.
struct DiagonalEnds {
    int count = 0;
    int32_t e1 = 0, e2 = 0;     // x of the last first end and of the last second end found
};

bool nearPin(const CopperPad& pad, int32_t x, int32_t y)
{
    return std::abs(pad.x - x) < 50 && std::abs(pad.y - y) < 50;
}

PadsBetween CountPadsBetween(const std::vector<CopperPad>& partPads, int32_t x1, int32_t x2, int32_t y, int32_t pitch)
{
    PadsBetween found;
    for (const CopperPad& pad : partPads) {
        if (std::abs(pad.y - y) >= kNetlistUnit || pad.x <= x1 || pad.x >= x2 || nearPin(pad, x1, y) || nearPin(pad, x2, y))
            continue;
        if (pad.sizeX > 2 * pitch) {
            found.count = 0;
            continue;
        }
        ++found.count;
        found.x = pad.x;
        if (IsSurfacePad(pad))
            found.layer = pad.layer;
    }
    return found;
}

DiagonalEnds CountDiagonalEnds(int32_t x1, int32_t x2, int32_t y, int side, int32_t pitch)
{
    DiagonalEnds ends;
    const auto inBand = [&](int32_t ex, int32_t ey) {
        const int32_t offset = (ey - y) * side;
        return ex > x1 && ex < x2 && offset > 0 && offset < pitch + kBandMargin;
    };
    for (int i = 1; i <= g_board.count; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() != kKindLine || !IsCopperLayer(o.layer()) || o.w[0] == o.w[2] || o.w[1] == o.w[3])
            continue;
        const bool first = inBand(o.w[0], o.w[1]), second = inBand(o.w[2], o.w[3]);
        if (first && second) {
            ends.count = kBlockedBand;
            ends.e1 = o.w[0];
            ends.e2 = o.w[2];
            continue;
        }
        if (first) {
            ++ends.count;
            ends.e1 = o.w[0];
        }
        if (second) {
            ++ends.count;
            ends.e2 = o.w[2];
        }
    }
    return ends;
}

// Whether a trace along `path` on `layer` keeps `clearance` from every copper object of that
// layer other than the two pin pads, and both pin pads lie on the layer.
bool DetourClear(const std::vector<Point>& path, int layer, int32_t clearance, const std::vector<CopperPad>& partPads,
                 const std::vector<CopperPad>& pads, const RouteOutline& outline)
{
    const double keep = g_mazeSettings.traceWidth / 2.0 + clearance;
    for (size_t s = 0; s + 1 < path.size(); ++s)
        if (!outline.allowsRun(path[s].x, path[s].y, path[s + 1].x, path[s + 1].y, keep))
            return false;
    const Point from = path.front(), to = path.back();
    for (const Point pin : {from, to}) {
        const CopperPad* pad = FindPadAtPoint(partPads, pin.x, pin.y);
        if (pad == nullptr || !SharesCopperLayer(pad->layer, layer))
            return false;
    }
    const int32_t width = g_mazeSettings.traceWidth + 2 * clearance;
    for (size_t s = 0; s + 1 < path.size(); ++s) {
        const Point a = path[s], b = path[s + 1];
        for (const CopperPad& pad : pads) {
            if (!SharesCopperLayer(pad.layer, layer) || nearPin(pad, from.x, from.y) || nearPin(pad, to.x, to.y))
                continue;
            if (TraceOverlapsPad(a.x, a.y, b.x, b.y, width, pad))
                return false;
        }
        for (int i = 1; i <= g_board.count; ++i) {
            const BoardObject& o = g_board.objects[i];
            const int kind = o.kind();
            if ((kind != kKindLine && kind != kKindArc && kind != kKindRectangle) || !IsCopperLayer(o.layer()) ||
                !SharesCopperLayer(o.layer(), layer))
                continue;
            if (kind != kKindRectangle) {
                if (TraceOverlapsTrace(a.x, a.y, b.x, b.y, width, o))
                    return false;
                continue;
            }
            const int32_t l = o.w[0], t = o.w[1], r = o.w[2], btm = o.w[3];
            for (const auto& edge : {std::array{l, t, r, t}, std::array{l, btm, r, btm}, std::array{l, t, l, btm},
                                     std::array{r, t, r, btm}}) {
                BoardObject side = MakeRouteObject(kKindLine, o.layer(), edge[0], edge[1], edge[2], edge[3]);
                side.w[7] = o.w[7];
                if (TraceOverlapsTrace(a.x, a.y, b.x, b.y, width, side))
                    return false;
            }
        }
    }
    return true;
}

// The detour of a row connection from x1 to x2 (board units, x1 < x2), empty when none fits.
std::vector<Point> PlanDetour(int32_t x1, int32_t x2, int32_t y, int32_t padX, int32_t pitch)
{
    const int32_t d1 = padX - x1, d2 = x2 - padX;
    int32_t a = pitch, b = 2 * pitch;
    if (d1 > 3 * pitch && d2 > 4 * pitch) {
        a = 3 * pitch;
        b = 4 * pitch;
    } else if (d1 <= 2 * pitch || d2 <= 2 * pitch) {
        a = 0;
    }
    const DiagonalEnds above = CountDiagonalEnds(x1, x2, y, 1, pitch);
    if (above.count == 0 && a > 0)
        return {{x1, y}, {x1 + a, y}, {x1 + b, y + pitch}, {x2 - b, y + pitch}, {x2 - a, y}, {x2, y}};
    const DiagonalEnds below = CountDiagonalEnds(x1, x2, y, -1, pitch);
    if (below.count == 2)
        return {{x1, y}, {below.e1, y}, {below.e1 + pitch, y - pitch}, {below.e2, y - pitch}, {below.e2 + pitch, y}, {x2, y}};
    return {};
}

}  // namespace

int BatchRun::memoryRoute()
{
    const int32_t savedMode = g_boardSettings.RouteMode;
    g_boardSettings.RouteMode = kRouteOneLayer;
    const int32_t pitch = std::max(g_router.gridPitch, 1);
    const int before = routed_;
    const std::vector<CopperPad> partPads = CollectCopperPads(1, g_board.count, false);
    const std::vector<CopperPad> allPads = CollectCopperPads(1, g_board.count, true);
    const RouteOutline outline;
    const int count = static_cast<int>(RunConnections().size());
    for (int c = 0; c < count && g_progress.abort == 0 && !g_routeStore.full; ++c) {
        const NetConnection& k = RunConnections()[static_cast<size_t>(c)];
        if (!open(k) || k.y1 != k.y2 || k.x1 == k.x2)
            continue;
        const int32_t x1 = std::min(k.x1, k.x2) * kNetlistUnit, x2 = std::max(k.x1, k.x2) * kNetlistUnit;
        const int32_t y = k.y1 * kNetlistUnit;
        const PadsBetween between = CountPadsBetween(partPads, x1, x2, y, pitch);
        if (between.count != 1)
            continue;
        const std::vector<Point> path = PlanDetour(x1, x2, y, between.x, pitch);
        if (path.empty() || !DetourClear(path, between.layer, g_batchExtras.clearance, partPads, allPads, outline))
            continue;
        const int first = g_board.count + 1;
        bool laid = true;
        for (size_t s = 0; s + 1 < path.size() && laid; ++s) {
            if (path[s].x == path[s + 1].x && path[s].y == path[s + 1].y)
                continue;
            BoardObject segment = MakeRouteObject(kKindLine, between.layer, path[s].x, path[s].y, path[s + 1].x, path[s + 1].y);
            segment.w[5] = g_mazeSettings.traceStyle;
            segment.w[7] = g_mazeSettings.traceWidth;
            MarkRouterTrace(segment);
            laid = AppendRouteObject(segment) != 0;
        }
        if (!laid) {
            TruncateObjects(first - 1);
            break;
        }
        recordRoute(c, first);
    }
    g_boardSettings.RouteMode = savedMode;
    return routed_ - before;
}
