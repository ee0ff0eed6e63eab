// Marking the board's copper into the maze grid. Every cell whose centre a route of the
// current width (or a via, in two-layer mode) could not take without coming within the grid
// clearance of existing copper is marked; what the route may still cross on the other layer
// of the pair is marked for one layer only.
#include "tracelyn/route/maze_router.h"

#include "tracelyn/core/board_state.h"
#include "tracelyn/route/copper_geometry.h"
#include "tracelyn/route/route_outline.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int32_t ceilDiv(int32_t a, int32_t b)
{
    const int32_t q = a / b;
    return (a % b != 0 && ((a < 0) == (b < 0))) ? q + 1 : q;
}



}  // namespace

int32_t CMazeRouter::obstacleGrow() const
{
    // Room for a trace; a via's spot is measured with its own size when it is placed.
    return g_mazeSettings.traceWidth / 2 + gridClearance_;
}

uint8_t CMazeRouter::stateForLayer(int layer) const
{
    if (layer == kLayerAll)
        return kStateBlocked;
    if (!twoLayer_)
        return layer == layer_ ? kStateBlocked : kStateFree;
    if (layer == layer_)
        return kStateEven;
    if (layer == layer_ + 1)
        return kStateOdd;
    return kStateFree;
}

void CMazeRouter::markBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t grow, uint8_t state)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    MazeGrid& grid = TheMazeGrid();
    // Cells whose centre lies strictly inside the grown box.
    const int32_t iLo = std::max(ceilDiv(x1 - grow - originX_ + 1, pitch_), 0);
    const int32_t iHi = std::min(ceilDiv(x2 + grow - originX_, pitch_) - 1, grid.lastI());
    const int32_t jLo = std::max(ceilDiv(y1 - grow - originY_ + 1, pitch_), 0);
    const int32_t jHi = std::min(ceilDiv(y2 + grow - originY_, pitch_) - 1, grid.lastJ());
    grid.markRect(iLo, iHi, jLo, jHi, state, twoLayer_);
}

void CMazeRouter::markSlanted(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t grow, uint8_t state)
{
    // A run between two free centres passes within half a pitch of one of them.
    const double reach = grow + pitch_ / 2.0;
    MazeGrid& grid = TheMazeGrid();
    const int32_t r = static_cast<int32_t>(std::ceil(reach));
    const int32_t iLo = std::max(ceilDiv(std::min(x1, x2) - r - originX_, pitch_), 0);
    const int32_t iHi = std::min((std::max(x1, x2) + r - originX_) / pitch_, grid.lastI());
    const int32_t jLo = std::max(ceilDiv(std::min(y1, y2) - r - originY_, pitch_), 0);
    const int32_t jHi = std::min((std::max(y1, y2) + r - originY_) / pitch_, grid.lastJ());
    for (int32_t i = iLo; i <= iHi; ++i)
        for (int32_t j = jLo; j <= jHi; ++j)
            if (SegmentDistance(centreX(i), centreY(j), x1, y1, x2, y2) < reach)
                grid.mark(i, j, state, twoLayer_);
}

void CMazeRouter::markTrace(const BoardObject& o, uint8_t state)
{
    const int32_t half = std::max(o.w[7], 0) / 2;
    const int32_t grow = obstacleGrow();
    if (o.kind() == kKindLine && (o.w[0] == o.w[2] || o.w[1] == o.w[3]))
        markBox(o.w[0] - half, o.w[1] - half, o.w[2] + (o.w[0] <= o.w[2] ? half : -half),
                o.w[3] + (o.w[1] <= o.w[3] ? half : -half), grow, state);
    else
        markSlanted(o.w[0], o.w[1], o.w[2], o.w[3], grow + half, state);
}

void CMazeRouter::markPad(const CopperPad& pad)
{
    if (pad.layer != kLayerAll && !IsCopperLayer(pad.layer))
        return;   // thermal pads of the planes
    if (stateForLayer(pad.layer) == kStateFree)
        return;
    const int32_t hx = pad.sizeX / 2, hy = pad.sizeY / 2;
    // Pads block both layers: a through pad is on both, a surface pad keeps its clearance.
    markBox(pad.x - hx, pad.y - hy, pad.x + hx, pad.y + hy, obstacleGrow(), kStateBlocked);
}

void CMazeRouter::buildRouteGrid(int placeholder)
{
    sourcePad_ = RouteEndPad{};
    targetPad_ = RouteEndPad{};
    pads_.clear();
    for (int i = 1; i < placeholder; ++i) {
        const BoardObject& o = g_board.objects[i];
        const int kind = o.kind();
        if (o.isPart()) {
            AppendPartPads(i, pads_);
            continue;
        }
        if (kind == kKindPad) {
            pads_.push_back(FreePad(i));
            continue;
        }
        if (kind != kKindLine && kind != kKindArc && kind != kKindRectangle)
            continue;
        const uint8_t state = stateForLayer(o.layer());
        if (state == kStateFree)
            continue;
        if (kind == kKindRectangle) {
            const int32_t half = std::max(o.w[7], 0) / 2;
            const int32_t grow = obstacleGrow();
            markBox(o.w[0] - half, o.w[1] - half, o.w[2] + half, o.w[1] + half, grow, state);
            markBox(o.w[0] - half, o.w[3] - half, o.w[2] + half, o.w[3] + half, grow, state);
            markBox(o.w[0] - half, o.w[1] - half, o.w[0] + half, o.w[3] + half, grow, state);
            markBox(o.w[2] - half, o.w[1] - half, o.w[2] + half, o.w[3] + half, grow, state);
        } else {
            markTrace(o, state);
        }
    }
    // The end pads are the pads the true end points stand on, the one with the nearest centre
    // when several do; every other pad is marked, a pad of another net in an end cell too.
    const auto endPad = [&](int32_t x, int32_t y) {
        int best = -1;
        double bestDistance = 0;
        for (size_t k = 0; k < pads_.size(); ++k) {
            const CopperPad& pad = pads_[k];
            if (!IsCopperLayer(pad.layer) && pad.layer != kLayerAll)
                continue;
            if (std::abs(double(x) - pad.x) * 2 > pad.sizeX || std::abs(double(y) - pad.y) * 2 > pad.sizeY)
                continue;   // the point is off the pad
            const double d = std::hypot(double(pad.x) - x, double(pad.y) - y);
            if (best < 0 || d < bestDistance) {
                best = static_cast<int>(k);
                bestDistance = d;
            }
        }
        return best;
    };
    const int sourceAt = endPad(sx_, sy_), targetAt = endPad(tx_, ty_);
    for (size_t k = 0; k < pads_.size(); ++k)
        if (static_cast<int>(k) != sourceAt && static_cast<int>(k) != targetAt)
            markPad(pads_[k]);
    for (const auto& [at, end] : {std::pair{sourceAt, &sourcePad_}, std::pair{targetAt, &targetPad_}}) {
        if (at >= 0 && !end->present) {
            end->present = true;
            end->pad = pads_[static_cast<size_t>(at)];
        }
    }
}

void CMazeRouter::markWindowEdges()
{
    MazeGrid& grid = TheMazeGrid();
    // Copper stays inside the board outline, its clearance away from the edge.
    for (const GridRun& run : CellsBeyondOutline(originX_, originY_, pitch_, grid.lastI(), grid.lastJ(), obstacleGrow()))
        grid.markRect(run.i, run.i, run.jLo, run.jHi, kStateBlocked, false);
    for (int i = 0; i <= grid.lastI(); ++i) {
        grid.mark(i, 0, kStateBlocked, false);
        grid.mark(i, grid.lastJ(), kStateBlocked, false);
    }
    for (int j = 0; j <= grid.lastJ(); ++j) {
        grid.mark(0, j, kStateBlocked, false);
        grid.mark(grid.lastI(), j, kStateBlocked, false);
    }
}

bool CMazeRouter::findPadExit(RouteEndPad& end, GridCell& cell, GridCell other, GridCell& exit)
{
    MazeGrid& grid = TheMazeGrid();
    const CopperPad& pad = end.pad;
    const auto distance = [&](int32_t half) {
        const int32_t v = half + g_mazeSettings.viaSize / 2 + 10;
        int32_t d = v / pitch_;
        if ((v % pitch_) * 3 > pitch_ * 2)
            ++d;
        return d + 1;
    };
    const bool wideX = pad.sizeX >= pad.sizeY;
    for (int axis = 0; axis < 2; ++axis) {
        const bool alongI = (axis == 0) == wideX;
        const int32_t half = alongI ? pad.sizeX / 2 : pad.sizeY / 2;
        const int towardOther = alongI ? (other.i >= cell.i ? 1 : -1) : (other.j >= cell.j ? 1 : -1);
        for (int sign : {towardOther, -towardOther}) {
            // The pad may sit off its cell's centre: the via must clear the pad itself.
            int32_t steps = distance(half);
            const int32_t padAt = alongI ? pad.x : pad.y;
            const auto centreAt = [&](int32_t k) {
                return alongI ? centreX(cell.i + sign * k) : centreY(cell.j + sign * k);
            };
            while (std::abs(centreAt(steps) - padAt) < half + g_mazeSettings.viaSize / 2 + 10)
                ++steps;
            bool free = true;
            GridCell at = cell;
            for (int32_t k = 1; k <= steps && free; ++k) {
                at = alongI ? GridCell{cell.i + sign * k, cell.j} : GridCell{cell.i, cell.j + sign * k};
                free = grid.inside(at.i, at.j) && at.i > 0 && at.j > 0 && at.i < grid.lastI() && at.j < grid.lastJ() &&
                       grid.state(at.i, at.j) == kStateFree;
            }
            if (!free || at == other)
                continue;
            // The stub and the pad are out of bounds for the rest of the route.
            const int32_t hx = pad.sizeX / 2, hy = pad.sizeY / 2;
            markBox(pad.x - hx, pad.y - hy, pad.x + hx, pad.y + hy, g_mazeSettings.traceWidth / 2 + gridClearance_,
                    kStateBlocked);
            for (int32_t k = 0; k < steps; ++k)
                grid.mark(alongI ? cell.i + sign * k : cell.i, alongI ? cell.j : cell.j + sign * k, kStateBlocked, false);
            exit = at;
            cell = at;
            return true;
        }
    }
    g_mazeRoute.failure = 1;
    return false;
}
