#include "tracelyn/route/batch_passes.h"

#include "platform/core/ui_host.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/route/batch_router.h"
#include "tracelyn/route/board_netlist.h"
#include "tracelyn/route/copper_geometry.h"
#include "tracelyn/route/route_edit.h"
#include "tracelyn/route/route_outline.h"
#include "tracelyn/route/via_optimizer.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

namespace {

constexpr int kMaxBlockingRoutes = 9;
constexpr int32_t kPinReach = 50;
constexpr int32_t kLongRun = 300;
constexpr int kPlaneLayers[6] = {kLayerVcc, kLayerGround, 26, 27, 28, 29};
constexpr int32_t kRatsNestKindWord = kLayerAll * 1024 + kKindNoRoute;

std::span<NetConnection> connections() { return RunConnections(); }

int connectionCount() { return static_cast<int>(connections().size()); }

NetConnection& connection(int c) { return connections()[static_cast<size_t>(c)]; }

int netCount() { return std::clamp(g_netlist.netCount, 0, kMaxNets); }

}  // namespace

std::span<NetConnection> RunConnections()
{
    return ConnectionTable().first(static_cast<size_t>(std::clamp(g_router.ratsNestCount, 0, kMaxConnections)));
}

// The first part pad within 50 units of the point on both axes.
const CopperPad* FindPadAtPoint(const std::vector<CopperPad>& pads, int32_t x, int32_t y)
{
    for (const CopperPad& p : pads)
        if (std::abs(p.x - x) < kPinReach && std::abs(p.y - y) < kPinReach)
            return &p;
    return nullptr;
}

bool BatchRun::open(const NetConnection& c) const { return c.routeState == -1 || c.routeState > 1; }

bool BatchRun::anyOpen() const
{
    for (const NetConnection& c : connections())
        if (open(c))
            return true;
    return false;
}

void BatchRun::progress(const char* text)
{
    ShowProgressStep(routed_, std::max(connectionCount(), 1), text);
}

void BatchRun::prepareConnections(int firstRunObject)
{
    firstRunObject_ = firstRunObject;
    routed_ = 0;
    g_netlist.routedCount = 0;
    for (NetConnection& c : connections())
        ClearRouteResult(c);
    for (int n = 0; n < netCount(); ++n)
        NetTable()[static_cast<size_t>(n)].routedCount = 0;
}

bool BatchRun::layerEnabled(int layer)
{
    return layer >= 0 && layer < 16 && g_router.layerSwitches[static_cast<size_t>(layer)] != 0;
}

// The router's layer pairs are an even layer and the odd one above it.
bool BatchRun::pairAbove(int layer)
{
    return (layer & 1) == 0 && layerEnabled(layer + 1);
}

std::vector<int> BatchRun::enabledLayers() const
{
    std::vector<int> layers;
    for (int layer = 0; layer < 16; ++layer)
        if (layerEnabled(layer))
            layers.push_back(layer);
    return layers;
}

void BatchRun::setLayer(int layer)
{
    g_mazeSettings.routeLayer = layer;
    g_boardSettings.RouteMode = pairAbove(layer) ? kRouteTwoLayers : kRouteOneLayer;
}

void BatchRun::recordRoute(int c, int firstObject)
{
    NetConnection& k = connection(c);
    if (k.routeState > 1 && k.routeState <= g_board.count) {
        g_board.objects[k.routeState].setKind(kKindDeleted);
        noteDeleted(1);
    }
    k.routeState = 0;
    k.firstObject = firstObject;
    k.objectSpan = g_board.count - firstObject;
    k.routeLength = 0;
    if (k.net >= 0 && k.net < netCount())
        ++NetTable()[static_cast<size_t>(k.net)].routedCount;
    ++routed_;
}

int BatchRun::appendPlaceholder(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    BoardObject placeholder = MakeRouteObject(kKindLine, g_mazeSettings.routeLayer, x1 * kNetlistUnit, y1 * kNetlistUnit,
                                              x2 * kNetlistUnit, y2 * kNetlistUnit);
    placeholder.w[5] = g_mazeSettings.traceStyle;
    placeholder.w[7] = g_mazeSettings.traceWidth;
    return AppendRouteObject(placeholder);
}

void BatchRun::applyNoViaRule(const NetConnection& k)
{
    if (g_mazeSettings.maxVias != 0 || !open(k))
        return;
    g_boardSettings.RouteMode = kRouteOneLayer;
    forcedLayer_ = true;
    // Without vias a long run goes on the layer of its axis, when the user lets the router use
    // that layer.
    const int32_t dx = std::abs(k.x1 - k.x2), dy = std::abs(k.y1 - k.y2);
    if (dx > kLongRun && dy <= kLongRun && layerEnabled(1))
        g_mazeSettings.routeLayer = 1;
    else if (dx <= kLongRun && dy > kLongRun && layerEnabled(0))
        g_mazeSettings.routeLayer = 0;
}

int BatchRun::routeConnection(int c, int pass)
{
    if (g_progress.abort != 0 || !roomForRoute())
        return 0;
    NetConnection& k = connection(c);
    const int index = appendPlaceholder(k.x1, k.y1, k.x2, k.y2);
    if (index == 0)
        return 0;
    NetStart start{k.x1, k.y1, {}};
    if (pass == 3)
        start = nearestNetVia(c);
    g_mazeRoute.forcedLayer = forcedLayer_ ? 1 : 0;
    noteNetPins(c);
    const int done = router_.RouteTrace(start.x, start.y, k.x2, k.y2, 0);
    g_mazeRoute.forcedLayer = 0;
    g_mazeRoute.netPins.clear();
    if (done == 1) {
        recordRoute(c, index);
        lockRoutes(c, start.joining);
        return 1;
    }
    noteFailure(c);
    // The router keeps the placeholder as the store's last object (or turns it into a
    // rats-nest line); it becomes the marker of a connection tried for the first time.
    if (g_board.count == index) {
        if (pass == 1 && k.routeState == -1) {
            g_board.objects[index].w[4] = kRatsNestKindWord;
            g_board.objects[index].w[13] = c;
            k.routeState = index;
        } else {
            TruncateObjects(index - 1);
        }
    }
    return 0;
}

bool BatchRun::fanOutToPlane(const CopperPad& pad, int32_t& x, int32_t& y)
{
    // A stub one pitch beyond the pad's edge and a via there, along the longer side first,
    // each way round, where the stub and the via keep the clearance and stay inside the outline.
    const int32_t pitch = std::max(g_router.gridPitch, 1);
    const bool wide = pad.sizeX >= pad.sizeY;
    const std::vector<CopperPad> pads = CollectCopperPads(1, g_board.count, true);
    const RouteOutline outline;
    const int before = g_board.count;
    const std::pair<int32_t, int32_t> ends[] = {{pad.x, pad.y}};
    const double clearance = std::max(g_batchExtras.clearance, 1);
    for (const bool alongX : {wide, !wide}) {
        const int32_t reach = ((alongX ? pad.sizeX : pad.sizeY) / 2 + pitch + pitch / 2) / pitch * pitch;
        for (const int sign : {1, -1}) {
            const int32_t vx = alongX ? pad.x + sign * reach : pad.x, vy = alongX ? pad.y : pad.y + sign * reach;
            const double keep = std::max(g_mazeSettings.viaSize, g_mazeSettings.traceWidth) / 2.0 + clearance;
            if (!outline.allowsRun(pad.x, pad.y, vx, vy, g_mazeSettings.traceWidth / 2.0 + clearance) ||
                !outline.allows(vx, vy, keep))
                continue;
            BoardObject stub = MakeRouteObject(kKindLine, pad.layer, pad.x, pad.y, vx, vy);
            stub.w[7] = g_mazeSettings.traceWidth;
            MarkRouterTrace(stub);
            BoardObject via = MakeRouteObject(kKindPad, kLayerAll, vx, vy, g_mazeSettings.viaSize, g_mazeSettings.viaSize);
            via.w[5] = kPadThroughVia;
            via.w[6] = g_mazeSettings.viaHole;
            if (AppendRouteObject(stub) == 0 || AppendRouteObject(via) == 0) {
                TruncateObjects(before);
                return false;
            }
            if (NewCopperKeepsClearance({before + 1, before + 2}, pads, before, ends, clearance)) {
                x = vx;
                y = vy;
                return true;
            }
            TruncateObjects(before);
        }
    }
    return false;
}

void BatchRun::noteNetPins(int c)
{
    std::vector<std::pair<int32_t, int32_t>>& pins = g_mazeRoute.netPins;
    pins.clear();
    const int net = connection(c).net;
    if (net < 0 || net >= netCount())
        return;
    for (const int k : netChain(net)) {
        const NetConnection& other = connection(k);
        pins.emplace_back(other.x1 * kNetlistUnit, other.y1 * kNetlistUnit);
        pins.emplace_back(other.x2 * kNetlistUnit, other.y2 * kNetlistUnit);
    }
}

int BatchRun::connectPowerNet(int net, int plane)
{
    if (net < 0 || net >= netCount())
        return 0;
    const std::vector<CopperPad> pads = CollectCopperPads(1, g_board.count, false);
    int tied = 0;
    const auto tie = [&](int32_t x, int32_t y) {
        const CopperPad* pad = FindPadAtPoint(pads, x * kNetlistUnit, y * kNetlistUnit);
        if (pad == nullptr) {
            // A power pin with no pad under it stays open, and the user is told.
            plat::MessageBox(std::string(kNoPadTypeMessage));
            return false;
        }
        int32_t px = pad->x, py = pad->y, sx = pad->sizeX, sy = pad->sizeY;
        if (IsSurfacePad(*pad)) {
            if (!fanOutToPlane(*pad, px, py))
                return false;
            sx = sy = g_mazeSettings.viaSize;
        }
        BoardObject thermal = MakeRouteObject(kKindPad, plane, px, py, sx * 4 / 3, sy * 4 / 3);
        thermal.w[5] = kPadThermal;
        thermal.w[6] = sx * 4 / 3 + 5;
        return AppendRouteObject(thermal) != 0;
    };
    // Each pin is tied once; a connection counts when both its pins reached the plane.
    std::map<std::pair<int32_t, int32_t>, bool> pins;
    const auto tiePin = [&](int32_t x, int32_t y) {
        const auto [at, added] = pins.try_emplace({x, y}, false);
        if (added)
            at->second = tie(x, y);
        return at->second;
    };
    int c = NetTable()[static_cast<size_t>(net)].firstConnection;
    for (int steps = 0; c >= 0 && c < connectionCount() && steps < connectionCount(); ++steps) {
        NetConnection& k = connection(c);
        const bool first = tiePin(k.x1, k.y1);
        const bool second = tiePin(k.x2, k.y2);
        if (first && second && open(k)) {
            k.routeState = 0;
            k.routeLength = 0;
            ++tied;
        }
        c = k.next;
    }
    return tied;
}

void BatchRun::connectPowerNets()
{
    for (size_t slot = 0; slot < 6; ++slot) {
        if (g_batchExtras.power[slot] == 0)
            continue;
        routed_ += connectPowerNet(g_netlist.powerNets[slot], kPlaneLayers[slot]);
    }
}

BatchRun::RippedRoute BatchRun::ripUp(int c)
{
    NetConnection& k = connection(c);
    RippedRoute ripped{c, k.firstObject, k.objectSpan, {}};
    for (int i = k.firstObject; i <= k.firstObject + k.objectSpan && i <= g_board.count; ++i) {
        if (i <= 0)
            continue;
        ripped.kindWords.push_back(g_board.objects[i].w[4]);
        g_board.objects[i].setKind(kKindDeleted);
    }
    noteDeleted(static_cast<int>(ripped.kindWords.size()));
    k.routeState = -1;
    k.firstObject = 0;
    k.objectSpan = 0;
    k.routeLength = 1;
    if (k.net >= 0 && k.net < netCount())
        --NetTable()[static_cast<size_t>(k.net)].routedCount;
    --routed_;
    return ripped;
}

void BatchRun::restoreRoute(const RippedRoute& ripped)
{
    NetConnection& k = connection(ripped.connection);
    // The marker its failed retry left goes: the copper is back.
    if (k.routeState > 1 && k.routeState <= g_board.count) {
        g_board.objects[k.routeState].setKind(kKindDeleted);
        noteDeleted(1);
    }
    for (size_t n = 0; n < ripped.kindWords.size(); ++n)
        g_board.objects[std::max(ripped.firstObject, 1) + static_cast<int>(n)].w[4] = ripped.kindWords[n];
    k.routeState = 0;
    k.firstObject = ripped.firstObject;
    k.objectSpan = ripped.objectSpan;
    k.routeLength = 0;
    if (k.net >= 0 && k.net < netCount())
        ++NetTable()[static_cast<size_t>(k.net)].routedCount;
    ++routed_;
}

std::vector<int> BatchRun::findBlockingRoutes(int c, int mode) const
{
    std::vector<int> found;
    const NetConnection& k = connection(c);
    const int32_t x1 = k.x1 * kNetlistUnit, y1 = k.y1 * kNetlistUnit, x2 = k.x2 * kNetlistUnit, y2 = k.y2 * kNetlistUnit;
    for (int r = 0; r < connectionCount() && static_cast<int>(found.size()) < kMaxBlockingRoutes; ++r) {
        const NetConnection& route = connection(r);
        if (r == c || route.routeState != 0 || route.lockFlag != 0 || route.firstObject <= 0)
            continue;
        bool blocks = false;
        for (int i = route.firstObject; i <= route.firstObject + route.objectSpan && i <= g_board.count && !blocks; ++i) {
            const BoardObject& o = g_board.objects[i];
            if (o.kind() != kKindLine)
                continue;
            if (mode == 1) {
                blocks = SegmentsDistance(x1, y1, x2, y2, o.w[0], o.w[1], o.w[2], o.w[3]) == 0;
            } else {
                for (int e = 0; e < 2 && !blocks; ++e)
                    blocks = (std::abs(o.w[2 * e] - x1) < proximity_ && std::abs(o.w[2 * e + 1] - y1) < proximity_) ||
                             (std::abs(o.w[2 * e] - x2) < proximity_ && std::abs(o.w[2 * e + 1] - y2) < proximity_);
            }
        }
        if (blocks)
            found.push_back(r);
    }
    return found;
}

void BatchRun::ripupAndRetry(int mode, int c)
{
    for (int layer = 0; layer < 16 && g_progress.abort == 0; layer += 2) {
        if (!layerEnabled(layer) || connection(c).routeState <= 1)
            continue;
        setLayer(layer);
        const std::vector<int> blocking = findBlockingRoutes(c, mode);
        if (blocking.empty())
            continue;
        if (!roomForRoute())
            return;
        const RippedRoute ripped = ripUp(blocking.front());
        ripPending_ = true;
        // A connection the pin start cannot route may still reach the net's copper from a via
        // nearer its first pin.
        bool gained = routeConnection(c, 0) == 1;
        if (!gained && g_progress.abort == 0 && !nearestNetVia(c).joining.empty())
            gained = routeConnection(c, 3) == 1;
        // The ripped route tries again. The wave need not find its old path again (it takes the
        // shortest, whatever its vias): when neither got through, the old copper comes back, so a
        // rip-up never leaves the board with fewer routes than it found.
        const bool back = g_progress.abort == 0 && routeConnection(ripped.connection, 1) == 1;
        ripPending_ = false;
        if (!gained && !back)
            restoreRoute(ripped);
        else
            releaseLocks(ripped.connection);   // what stood on its old copper may go now
    }
}

int BatchRun::ripupPass(int mode)
{
    const int before = routed_;
    proximity_ = 3 * std::max(g_router.gridPitch, 1) + 1;
    for (int c = 0; c < connectionCount() && g_progress.abort == 0; ++c) {
        if (connection(c).routeState > 1)
            ripupAndRetry(mode, c);
        PumpMessage();
    }
    return routed_ - before;
}

int BatchRun::singleLayerPass()
{
    const int before = routed_;
    const int32_t savedLayer = g_mazeSettings.routeLayer;
    const int32_t savedMode = g_boardSettings.RouteMode;
    for (int layer : enabledLayers()) {
        g_mazeSettings.routeLayer = layer;
        g_boardSettings.RouteMode = kRouteOneLayer;
        for (int c = 0; c < connectionCount() && g_progress.abort == 0; ++c) {
            const NetConnection& k = connection(c);
            if (k.routeState > 1 && !(k.x1 == k.x2 && k.y1 == k.y2))
                routeConnection(c, 0);
            PumpMessage();   // the progress window's Cancel
        }
    }
    g_mazeSettings.routeLayer = savedLayer;
    g_boardSettings.RouteMode = savedMode;
    return routed_ - before;
}

int BatchRun::layerPairPass()
{
    const int before = routed_;
    const int32_t savedLayer = g_mazeSettings.routeLayer;
    const int32_t savedMode = g_boardSettings.RouteMode;
    for (int layer = 0; layer < 16 && g_progress.abort == 0; layer += 2) {
        if (!layerEnabled(layer) || !layerEnabled(layer + 1))
            continue;
        g_mazeSettings.routeLayer = layer;
        g_boardSettings.RouteMode = kRouteTwoLayers;
        for (int c = 0; c < connectionCount() && g_progress.abort == 0; ++c) {
            if (connection(c).routeState > 1)
                routeConnection(c, 0);
            PumpMessage();
        }
    }
    g_mazeSettings.routeLayer = savedLayer;
    g_boardSettings.RouteMode = savedMode;
    return routed_ - before;
}

void BatchRun::routeAll()
{
    BatchRouterStats& stats = g_batchStats;
    g_mazeSettings.maxVias = g_router.values[8];
    mainRoutePass();
    const int passes = g_router.passes;
    char text[40];
    const auto series = [&](int mode, bool limitByCounter) {
        for (int repeat = 0; repeat < passes && anyOpen() && g_progress.abort == 0; ++repeat) {
            if (limitByCounter && passCounter_ >= passes)
                break;
            ++passCounter_;
            const int gained = ripupPass(mode);
            std::snprintf(text, sizeof text, "Ripup and Retry-%d", passCounter_);
            progress(text);
            if (gained <= 0)
                break;
        }
    };
    if (anyOpen() && g_progress.abort == 0 && passes > 0)
        series(2, false);
    g_mazeSettings.maxVias = g_router.values[6];
    if (g_progress.abort == 0)
        mainRoutePass();
    if (anyOpen() && g_progress.abort == 0 && passes > 0)
        series(1, true);
    stats.ripup = routed_ - stats.main;
    if (anyOpen() && passes > 0 && g_progress.abort == 0)
        ripupPass(2);
    progress("Single-layer route");
    if (anyOpen() && passes > 0 && g_progress.abort == 0)
        stats.single = singleLayerPass();
    stats.oneVia = 0;
    routedBeforeStraight_ = routed_;
    if (passes > 0 && g_progress.abort == 0)
        stats.straight = ripupPass(3);
}

void BatchRun::measureRoutes()
{
    BatchRouterStats& stats = g_batchStats;
    stats.dFinal = 0;
    stats.ideal = 0;
    for (NetConnection& k : connections()) {
        if (k.routeState != 0 || k.firstObject <= 0)
            continue;
        int32_t length = 0, vias = 0;
        for (int i = k.firstObject; i <= k.firstObject + k.objectSpan && i <= g_board.count; ++i) {
            const BoardObject& o = g_board.objects[i];
            if (o.kind() == kKindLine)
                length += std::abs(o.w[2] - o.w[0]) + std::abs(o.w[3] - o.w[1]);
            vias += o.kind() == kKindPad;
        }
        k.routeLength = length;
        k.viaCount = vias;
        stats.dFinal += length;
        stats.ideal += std::abs(k.x1 - k.x2) + std::abs(k.y1 - k.y2);
    }
}

void BatchRun::optimize()
{
    measureRoutes();
    g_batchStats.d1 = g_batchStats.dFinal;
    COptimizeDlg optimizer;
    optimizer.OptimizeVias(0);
    measureRoutes();
    if (anyOpen() && g_router.passes > 0) {
        layerPairPass();
        if (anyOpen())
            singleLayerPass();
    }
    // What the straight rip-up and the passes after the optimiser added.
    g_batchStats.final = routed_ - routedBeforeStraight_;
}

void BatchRun::noteFailure(int c)
{
    if (c < 0 || c >= connectionCount())
        return;
    failures_.resize(static_cast<size_t>(connectionCount()), RouteFailure::None);
    failures_[static_cast<size_t>(c)] = g_mazeRoute.lastFailure;
}

std::string BatchRun::unroutedText() const
{
    static constexpr const char* kCauses[kRouteFailureKinds] = {
        "not tried", "no free path", "more vias than allowed", "longer than allowed",
        "end outside the routable window", "search queue full", "no room for a via or pad exit",
        "too near other nets at an end"};
    int counts[kRouteFailureKinds] = {};
    int open = 0;
    for (int c = 0; c < connectionCount(); ++c) {
        if (connection(c).routeState == 0)
            continue;
        ++open;
        const size_t at = static_cast<size_t>(c);
        const int cause = at < failures_.size() ? static_cast<int>(failures_[at]) : 0;
        ++counts[std::clamp(cause, 0, kRouteFailureKinds - 1)];
    }
    std::string text;
    if (open > 0) {
        text = "Not routed: " + std::to_string(open);
        for (int cause = 0; cause < kRouteFailureKinds; ++cause)
            if (counts[cause] > 0)
                text += "\n" + std::string(kCauses[cause]) + ": " + std::to_string(counts[cause]);
    }
    if (storeStopped_)
        text += std::string(text.empty() ? "" : "\n") + "Stopped: the board has no room for more objects";
    return text;
}

void BatchRun::markUnrouted()
{
    for (int c = 0; c < connectionCount(); ++c)
        if (connection(c).routeState == -1 && AppendRatsNestLine(c) == 0)
            return;
}
