#include "tracelyn/route/maze_router.h"

#include "common/rounding.h"
#include "platform/app/keys.h"
#include "platform/core/ui_host.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/grid_menu_texts.h"
#include "tracelyn/core/mouse_edit.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/core/tracelyn_view.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/route/route_edit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

MazeRouterSettings g_mazeSettings;
MazeRouteState g_mazeRoute;

namespace {

constexpr int32_t kRatsNestKindWord = kLayerAll * 1024 + kKindNoRoute;
constexpr int kIconRouterA = 185;
constexpr int kIconRouterB = 186;
constexpr int kMaxZoomForRouting = 6;
constexpr int kViaSpotRetries = 4;   // new waves round corners whose via was refused

int32_t floorDiv(int32_t a, int32_t b)
{
    const int32_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

void tellUser(std::string_view text)
{
    if (g_mazeRoute.quiet == 0)
        plat::MessageBox(std::string(text));
}

void beep()
{
    if (g_boardSettings.sound != 0)
        plat::MessageBeep();
}

}  // namespace

int32_t CMazeRouter::GridPitch(int32_t gridCommand, int32_t units)
{
    const bool metric = units == kUnitsMetric;
    if (gridCommand < (metric ? 700 : 701) || gridCommand > 704)
        return 0;
    const char* text = GridMenuText(units, gridCommand);
    if (text == nullptr)
        return 0;
    const double value = std::atof(text);
    if (!metric)
        return static_cast<int32_t>(value * 10);
    return RoundHalfUp(value * 1000 * 0.39370078);
}

int32_t CMazeRouter::cellOf(int32_t v, int32_t origin) const
{
    const int32_t offset = v - origin;
    const int32_t q = floorDiv(offset, pitch_);
    const int32_t r = offset - q * pitch_;
    return q + (r >= pitch_ / 2 ? 1 : 0);
}

void CMazeRouter::toRatsNestLine(int mode)
{
    if (g_board.count < 1)
        return;
    BoardObject& placeholder = g_board.objects[g_board.count];
    placeholder.w[4] = kRatsNestKindWord;
    if (mode == 2)
        RedrawObject(g_board.count, 2);
}

bool CMazeRouter::checkGrid(int mode)
{
    const int32_t units = g_boardSettings.units;
    const int32_t grid = g_board.gridCommand;
    g_boardSettings.gridCommand = grid;
    pitch_ = GridPitch(grid, units);
    if (pitch_ <= 0) {
        tellUser(kGridRangeMessage);
        return false;
    }
    if ((grid == 700 || grid == 701) && g_boardSettings.RouteMode == kRouteTwoLayers) {
        tellUser(kSingleLayerGridMessage);
        return false;
    }
    if (mode == 2 && g_board.zoomIndex > kMaxZoomForRouting) {
        tellUser(kScaleMessage);
        return false;
    }
    // The grid keeps at least its own clearance, and the one the router was given.
    gridClearance_ = std::max(units == kUnitsMetric ? 178 : 70, g_mazeSettings.clearance);
    clearance_ = gridClearance_;
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    const int32_t width = area.width * 10, height = area.height * 10;
    // Rounded toward zero to a whole number of cells.
    originX_ = -(width / 2) / pitch_ * pitch_;
    originY_ = -(height / 2) / pitch_ * pitch_;
    const int32_t cellsI = width / pitch_ + 1, cellsJ = height / pitch_ + 1;
    if (cellsI >= kMazeGridSize || cellsJ >= kMazeGridSize) {
        tellUser(kGridRangeMessage);
        return false;
    }
    TheMazeGrid().reset(cellsI, cellsJ);
    return true;
}

int CMazeRouter::RouteTrace(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int mode)
{
    segments_.clear();
    g_mazeRoute.viaCount = 0;
    g_mazeRoute.length = 0;
    g_mazeRoute.lastFailure = RouteFailure::Other;
    if (g_board.objects == nullptr || g_board.count < 1)
        return 0;
    const int placeholder = g_board.count;
    if (!checkGrid(mode)) {
        toRatsNestLine(mode);
        return 0;
    }
    g_mazeRoute.failure = 0;
    g_progress.abort = 0;
    // A press since the last look counts as well as a held key: a quick tap between two
    // connections must stop the run too.
    if (plat::GetAsyncKeyState(plat::kVkEscape) != 0) {
        beep();
        g_progress.abort = 1;
        g_progress.stoppedByUser = 1;
        return 0;
    }
    if (++g_mazeRoute.calls % 5 == 0)
        SetStatusIcon((g_mazeRoute.calls / 5) % 2 == 0 ? kIconRouterA : kIconRouterB, kPaneIcon);

    sx_ = x1 * kNetlistUnit;
    sy_ = y1 * kNetlistUnit;
    tx_ = x2 * kNetlistUnit;
    ty_ = y2 * kNetlistUnit;
    source_ = {cellOf(sx_, originX_), cellOf(sy_, originY_)};
    target_ = {cellOf(tx_, originX_), cellOf(ty_, originY_)};
    MazeGrid& grid = TheMazeGrid();
    const bool outside = !grid.inside(source_.i, source_.j) || !grid.inside(target_.i, target_.j);
    const bool neighbours = std::abs(source_.i - target_.i) < 2 && std::abs(source_.j - target_.j) <= 1;
    if (outside || neighbours) {
        g_mazeRoute.lastFailure = RouteFailure::OutsideWindow;
        beep();
        tellUser(kEndPointMessage);
        g_mazeRoute.failure = 1;
        // In a batch run two close ends fail only their own connection.
        if (outside || g_mazeRoute.batch == 0)
            g_progress.abort = 1;
        toRatsNestLine(mode);
        return 0;
    }

    twoLayer_ = g_boardSettings.RouteMode == kRouteTwoLayers;
    layer_ = g_mazeSettings.routeLayer;
    if (twoLayer_)
        layer_ &= ~1;
    layer_ = std::clamp(layer_, 0, twoLayer_ ? 14 : 15);

    buildRouteGrid(placeholder);
    for (const RouteEndPad* end : {&sourcePad_, &targetPad_}) {
        if (!twoLayer_ && end->present && IsSurfacePad(end->pad) && end->pad.layer != layer_) {
            tellUser(kUnableMessage);
            toRatsNestLine(mode);
            return 0;
        }
    }
    markWindowEdges();

    sourceExit_ = targetExit_ = false;
    GridCell from = source_, to = target_;
    if (twoLayer_ && sourcePad_.present && IsSurfacePad(sourcePad_.pad)) {
        if (!findPadExit(sourcePad_, from, target_, sourceExitCell_)) {
                    SetStatusText(kUnableMessage, 0);
            return 0;
        }
        sourceExit_ = true;
    }
    if (twoLayer_ && targetPad_.present && IsSurfacePad(targetPad_.pad)) {
        if (!findPadExit(targetPad_, to, from, targetExitCell_)) {
                    SetStatusText(kUnableMessage, 0);
            return 0;
        }
        targetExit_ = true;
    }

    bool found = grid.expandWave(from, to, twoLayer_, path_);
    bool reversed = false;
    if (!found && !grid.overflowed()) {
        found = grid.expandWave(to, from, twoLayer_, path_);
        reversed = true;
        if (found)
            std::reverse(path_.begin(), path_.end());
    }
    if (!found) {
        g_mazeRoute.lastFailure = grid.overflowed() ? RouteFailure::QueueFull : RouteFailure::NoPath;
        if (grid.overflowed()) {
            if (g_mazeRoute.batch != 0)
                ++g_mazeRoute.fifoOverflows;
            else
                tellUser(kFifoMessage);
        }
        SetStatusText(kUnableMessage, 0);
        return 0;
    }
    // path_ runs from `to` back to `from`.
    std::reverse(path_.begin(), path_.end());
    bool emitted = emitRoute(path_, placeholder);
    // The wave takes the shortest path whatever its bends: when that one needs too many vias,
    // the wave from the other end (other ties, other bends) may find one within the limit.
    if (!emitted && !reversed && g_mazeRoute.lastFailure == RouteFailure::TooManyVias &&
        grid.expandWave(to, from, twoLayer_, path_))
        emitted = emitRoute(path_, placeholder);
    // A corner whose via would come too near other copper is closed, and the wave tried again.
    for (int retry = 0; !emitted && viaRefused_ && retry < kViaSpotRetries; ++retry) {
        grid.mark(refusedVia_.i, refusedVia_.j, kStateBlocked, false);
        if (!grid.expandWave(from, to, twoLayer_, path_))
            break;
        std::reverse(path_.begin(), path_.end());
        emitted = emitRoute(path_, placeholder);
    }
    if (!emitted) {
            SetStatusText(kUnableMessage, 0);
        return 0;
    }
    SetStatusText(kRoutedMessage, 0);
    g_mazeRoute.lastFailure = RouteFailure::None;
    if (mode == 2) {
        for (int i = firstNew_; i <= g_board.count; ++i)
            RedrawObject(i, kModeCopy);
    }
    return 1;
}

int RouteOneConnection(int traceIndex)
{
    // The tool's line is the placeholder: the store's last object.
    if (g_board.objects == nullptr || traceIndex < 1 || traceIndex != g_board.count)
        return 0;
    BoardObject& placeholder = g_board.objects[traceIndex];
    if (placeholder.kind() != kKindLine)
        return 0;
    if (g_edit.currentLayer >= 0 && g_edit.currentLayer <= 15)
        g_mazeSettings.routeLayer = g_edit.currentLayer;
    placeholder.w[7] = g_mazeSettings.traceWidth;
    const BoardObject line = placeholder;
    CMazeRouter router;
    const int routed = router.RouteTrace(line.w[0] / kNetlistUnit, line.w[1] / kNetlistUnit, line.w[2] / kNetlistUnit,
                                         line.w[3] / kNetlistUnit, 2);
    if (routed == 1)
        RemoveMatchingNoRoute(line.w[0], line.w[1], line.w[2], line.w[3]);
    RedrawActiveFrame();
    return routed;
}
