// Turning a found path into board objects: straight segments, a via at every change of layer,
// links and fan-outs at the true end points, and the acceptance checks. A route that fails here
// leaves the store as it was before, placeholder included.
#include "tracelyn/route/maze_router.h"

#include "tracelyn/core/board_state.h"
#include "tracelyn/route/copper_geometry.h"
#include "tracelyn/route/route_edit.h"
#include "tracelyn/route/trace_smoothing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kMaxSegments = 100;
constexpr int kStraightenWindow = 200;
constexpr int32_t kLinkThreshold = 6;
constexpr int32_t kForcedTravelLimit = 301;

bool alongJ(const RouteSegment& s) { return s.a.i == s.b.i; }
int cellLength(const RouteSegment& s) { return std::abs(s.a.i - s.b.i) + std::abs(s.a.j - s.b.j); }

int sign(int v) { return (v > 0) - (v < 0); }

// Cells of the run from `from` (excluded) to `to` (included unless `excludeEnd`) may be entered
// along the run's axis.
bool legClear(const MazeGrid& grid, GridCell from, GridCell to, bool twoLayer, bool excludeEnd)
{
    const int di = sign(to.i - from.i), dj = sign(to.j - from.j);
    const bool stepJ = di == 0;
    for (GridCell c = from; !(c == to);) {
        c = {c.i + di, c.j + dj};
        if (excludeEnd && c == to)
            break;
        if (!grid.inside(c.i, c.j) || !MazeGrid::passable(grid.state(c.i, c.j), stepJ, twoLayer))
            return false;
    }
    return true;
}


}  // namespace

std::vector<RouteSegment> CMazeRouter::SegmentsOfPath(const std::vector<GridCell>& path)
{
    std::vector<RouteSegment> segments;
    if (path.size() < 2)
        return segments;
    RouteSegment current{path[0], path[1]};
    for (size_t k = 2; k < path.size(); ++k) {
        const GridCell& next = path[k];
        const bool sameAxis = alongJ(current) ? next.i == current.b.i : next.j == current.b.j;
        if (sameAxis) {
            current.b = next;
        } else {
            segments.push_back(current);
            current = {current.b, next};
        }
    }
    segments.push_back(current);
    return segments;
}

void CMazeRouter::StraightenSegments(std::vector<RouteSegment>& segments, const MazeGrid& grid, bool twoLayer)
{
    for (size_t start : {0u, 1u, 0u, 1u}) {
        for (size_t k = start; k + 1 < segments.size();) {
            RouteSegment& s1 = segments[k];
            RouteSegment& s2 = segments[k + 1];
            if (cellLength(s1) > kStraightenWindow || cellLength(s2) > kStraightenWindow || alongJ(s1) == alongJ(s2)) {
                ++k;
                continue;
            }
            const GridCell a = s1.a, c = s2.b;
            const GridCell corner{a.i + (c.i - s1.b.i), a.j + (c.j - s1.b.j)};
            // The corner must be open on both axes; the outer ends are the route's own.
            const bool open = grid.inside(corner.i, corner.j) &&
                              MazeGrid::passable(grid.state(corner.i, corner.j), true, twoLayer) &&
                              MazeGrid::passable(grid.state(corner.i, corner.j), false, twoLayer) &&
                              legClear(grid, a, corner, twoLayer, false) && legClear(grid, corner, c, twoLayer, true);
            if (open) {
                s1 = {a, corner};
                s2 = {corner, c};
                k += 2;
            } else {
                ++k;
            }
        }
        std::vector<RouteSegment> merged;
        for (const RouteSegment& s : segments) {
            if (!merged.empty() && alongJ(merged.back()) == alongJ(s) && merged.back().b == s.a &&
                (alongJ(s) ? merged.back().a.i == s.b.i : merged.back().a.j == s.b.j) &&
                sign(alongJ(s) ? s.b.j - s.a.j : s.b.i - s.a.i) ==
                    sign(alongJ(s) ? merged.back().b.j - merged.back().a.j : merged.back().b.i - merged.back().a.i))
                merged.back().b = s.b;
            else
                merged.push_back(s);
        }
        segments = std::move(merged);
    }
}

int CMazeRouter::segmentLayer(const RouteSegment& s) const
{
    if (!twoLayer_)
        return layer_;
    return alongJ(s) ? layer_ : layer_ + 1;
}

bool CMazeRouter::addTrace(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int layer)
{
    BoardObject o = MakeRouteObject(kKindLine, layer, x1, y1, x2, y2);
    o.w[5] = g_mazeSettings.traceStyle;
    o.w[7] = g_mazeSettings.traceWidth;
    MarkRouterTrace(o);
    if (AppendRouteObject(o) == 0)
        return false;
    g_mazeRoute.length += std::abs(x2 - x1) + std::abs(y2 - y1);
    return true;
}

bool CMazeRouter::viaSpotClear(int32_t x, int32_t y, int lastOld) const
{
    const double half = g_mazeSettings.viaSize / 2.0;
    const bool through = g_mazeSettings.buried == 0;
    const auto onLayer = [&](int layer) {
        if (layer == kLayerAll)
            return true;
        if (layer < 0 || layer > 15)
            return false;
        return through || layer == layer_ || layer == layer_ + 1;
    };
    for (int i = 1; i <= lastOld; ++i) {
        const BoardObject& o = g_board.objects[i];
        if ((o.kind() != kKindLine && o.kind() != kKindArc) || !onLayer(o.layer()))
            continue;
        // Copper of other routes keeps the clearance from a via.
        const double reach = half + clearance_ + o.w[7] / 2.0;
        // Far outside the trace's box on either axis: farther than reach from the trace too.
        if (x < std::min(o.w[0], o.w[2]) - reach || x > std::max(o.w[0], o.w[2]) + reach ||
            y < std::min(o.w[1], o.w[3]) - reach || y > std::max(o.w[1], o.w[3]) + reach)
            continue;
        if (SegmentDistance(x, y, o.w[0], o.w[1], o.w[2], o.w[3]) < reach)
            return false;
    }
    for (const CopperPad& pad : pads_) {
        if (!onLayer(pad.layer))
            continue;
        const bool endPad = (sourcePad_.present && pad.x == sourcePad_.pad.x && pad.y == sourcePad_.pad.y) ||
                            (targetPad_.present && pad.x == targetPad_.pad.x && pad.y == targetPad_.pad.y);
        // The route's own end pads may come as near as touching; every other pad keeps the
        // clearance.
        const double keep = endPad ? half : half + clearance_;
        const double dx = std::max(std::abs(x - pad.x) - pad.sizeX / 2.0, 0.0);
        const double dy = std::max(std::abs(y - pad.y) - pad.sizeY / 2.0, 0.0);
        // Squares of half units are exact in a double: no rounding at the boundary.
        const bool inside = dx < keep && dy < keep && dx * dx + dy * dy < keep * keep;
        if (!inside)
            continue;
        // A via may stand in its own through-hole end pad, never in a surface pad.
        if (!endPad || pad.style == kPadSingleLayer || pad.style == kPadEdge)
            return false;
    }
    return true;
}

bool CMazeRouter::placeVia(int32_t x, int32_t y)
{
    if (!viaSpotClear(x, y, firstNew_ - 1))
        return false;
    const bool through = g_mazeSettings.buried == 0;
    BoardObject via = MakeRouteObject(kKindPad, through ? kLayerAll : layer_, x, y, g_mazeSettings.viaSize,
                                      g_mazeSettings.viaSize);
    via.w[5] = through ? kPadThroughVia : kPadPairVia;
    via.w[6] = g_mazeSettings.viaHole;
    if (AppendRouteObject(via) == 0)
        return false;
    ++g_mazeRoute.viaCount;
    return true;
}

bool CMazeRouter::addPadLink(int32_t gx, int32_t gy, int32_t tx, int32_t ty, int layer)
{
    if (std::abs(gx - tx) < kLinkThreshold && std::abs(gy - ty) < kLinkThreshold)
        return true;
    return addTrace(gx, gy, tx, ty, layer);
}

bool CMazeRouter::addFanoutVia(const RouteEndPad& end, GridCell exit)
{
    const int32_t ex = centreX(exit.i), ey = centreY(exit.j);
    const CopperPad& pad = end.pad;
    const int layer = pad.layer;
    const int stubFrom = g_board.count + 1;
    if (pad.x != ex && pad.y != ey) {
        // Two orthogonal pieces: out of the pad along the exit's axis, on the pad's own centre
        // line, then the jog of the smaller difference at the exit. A jog taken first would run
        // beside the pad into the gap toward its neighbour.
        const bool alongX = std::abs(pad.x - ex) > std::abs(pad.y - ey);
        const int32_t bx = alongX ? ex : pad.x, by = alongX ? pad.y : ey;
        if (!addTrace(pad.x, pad.y, bx, by, layer) || !addTrace(bx, by, ex, ey, layer))
            return false;
    } else if (!addTrace(pad.x, pad.y, ex, ey, layer)) {
        return false;
    }
    // No via where the route itself meets the exit on the pad's layer; the stub's own second
    // piece (a bent stub) does not count.
    for (int i = firstNew_; i < stubFrom; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (IsRouterTrace(o) && o.layer() == layer &&
            ((o.w[0] == ex && o.w[1] == ey) || (o.w[2] == ex && o.w[3] == ey)))
            return true;
    }
    // A through via: the surface pad's layer may be any of the board's.
    const int32_t saved = g_mazeSettings.buried;
    g_mazeSettings.buried = 0;
    const bool placed = placeVia(ex, ey);
    g_mazeSettings.buried = saved;
    return placed;
}

bool CMazeRouter::emitRoute(const std::vector<GridCell>& path, int placeholder)
{
    std::vector<RouteSegment> segments = SegmentsOfPath(path);
    if (segments.empty() || static_cast<int>(segments.size()) > kMaxSegments * 4)
        return false;
    StraightenSegments(segments, TheMazeGrid(), twoLayer_);
    if (static_cast<int>(segments.size()) > kMaxSegments)
        return false;
    int layerChanges = 0;
    for (size_t k = 0; k < segments.size(); ++k) {
        segments[k].layer = segmentLayer(segments[k]);
        layerChanges += k > 0 && segments[k - 1].layer != segments[k].layer;
    }
    // Every change of layer takes a via: a path with too many is refused before any is placed.
    if (layerChanges > g_mazeSettings.maxVias) {
        g_mazeRoute.lastFailure = RouteFailure::TooManyVias;
        return false;
    }

    viaRefused_ = false;
    const BoardObject saved = g_board.objects[placeholder];
    TruncateObjects(placeholder - 1);
    firstNew_ = placeholder;
    g_mazeRoute.viaCount = 0;
    g_mazeRoute.length = 0;
    const auto fail = [&] {
        TruncateObjects(placeholder - 1);
        AppendRouteObject(saved);
        return false;
    };

    int64_t travelX[2] = {0, 0}, travelY[2] = {0, 0};
    std::vector<int> segmentObjects;
    for (size_t k = 0; k < segments.size(); ++k) {
        const RouteSegment& s = segments[k];
        if (!addTrace(centreX(s.a.i), centreY(s.a.j), centreX(s.b.i), centreY(s.b.j), s.layer))
            return fail();
        segmentObjects.push_back(g_board.count);
        travelX[s.layer & 1] += std::abs(s.a.i - s.b.i) * int64_t{pitch_};
        travelY[s.layer & 1] += std::abs(s.a.j - s.b.j) * int64_t{pitch_};
        if (k > 0 && segments[k - 1].layer != s.layer && !placeVia(centreX(s.a.i), centreY(s.a.j))) {
            viaRefused_ = true;
            refusedVia_ = s.a;
            g_mazeRoute.lastFailure = RouteFailure::Other;
            return fail();
        }
    }
    g_mazeRoute.lastLayer = segments.back().layer;
    const int endObjects = g_board.count + 1;

    if (sourceExit_) {
        if (!addFanoutVia(sourcePad_, sourceExitCell_))
            return fail();
    } else if (!addPadLink(centreX(segments.front().a.i), centreY(segments.front().a.j), sx_, sy_, segments.front().layer)) {
        return fail();
    }
    if (targetExit_) {
        if (!addFanoutVia(targetPad_, targetExitCell_))
            return fail();
    } else if (!addPadLink(centreX(segments.back().b.i), centreY(segments.back().b.j), tx_, ty_, segments.back().layer)) {
        return fail();
    }

    // The segments that reach the end cells, and the links, stubs and vias at the ends.
    std::vector<int> ends;
    const size_t n = segmentObjects.size();
    for (size_t k = 0; k < n; ++k)
        if (k < 2 || k + 2 >= n)
            ends.push_back(segmentObjects[k]);
    for (int i = endObjects; i <= g_board.count; ++i)
        ends.push_back(i);
    if (!endPiecesKeepClearance(ends)) {
        g_mazeRoute.lastFailure = RouteFailure::Clearance;
        return fail();
    }
    if (g_mazeRoute.viaCount > g_mazeSettings.maxVias) {
        g_mazeRoute.lastFailure = RouteFailure::TooManyVias;
        return fail();
    }
    if (g_mazeRoute.length > int64_t{g_mazeSettings.maxLength} * 10) {
        g_mazeRoute.lastFailure = RouteFailure::TooLong;
        return fail();
    }
    if (g_mazeRoute.forcedLayer != 0 &&
        (travelX[0] >= kForcedTravelLimit || travelY[1] >= kForcedTravelLimit))
        return fail();
    segments_ = std::move(segments);
    if (g_mazeSettings.bevels != 0)
        SmoothNewCorners(firstNew_, g_board.count);
    return true;
}
