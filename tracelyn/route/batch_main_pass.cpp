// The batch router's main pass: the connections in table order, moving up through the enabled
// layers (or layer pairs) as the table goes by and retrying the failures after each change; then
// the retry pass, which joins a net's last open connection to whichever pin of the net copper
// already reaches. Also the via starts of the rip-up pass.
#include "tracelyn/route/batch_passes.h"

#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/route/batch_router.h"
#include "tracelyn/route/route_edit.h"

#include <algorithm>

namespace {

// A via start farther than this (squared, netlist units) from the pin is never taken.
constexpr double kViaSearchBound = 1.0e8;

NetConnection& connection(int c) { return RunConnections()[static_cast<size_t>(c)]; }

int connectionCount() { return static_cast<int>(RunConnections().size()); }

bool aborted() { return g_progress.abort != 0; }

// Whether `next` starts where `previous` ends: the chain runs pin to pin.
bool continues(int previous, int next)
{
    const NetConnection& a = connection(previous);
    const NetConnection& b = connection(next);
    return a.x2 == b.x1 && a.y2 == b.y1;
}

double squaredDistance(int32_t ax, int32_t ay, int32_t bx, int32_t by)
{
    const double dx = static_cast<double>(ax) - bx, dy = static_cast<double>(ay) - by;
    return dx * dx + dy * dy;
}

// The next enabled layer above `layer`, past its pair partner when routing pairs; -1 when none.
int nextLayerAbove(int layer, bool pairs, const std::vector<int>& enabled)
{
    const int from = layer + (pairs ? 2 : 1);
    for (int candidate : enabled)
        if (candidate >= from)
            return candidate;
    return -1;
}

}  // namespace

void BatchRun::mainRoutePass()
{
    // The run clears the abort flag once when it starts: a Cancel pressed during an earlier
    // pass must stop this one too.
    const int32_t savedMode = g_boardSettings.RouteMode;
    g_boardSettings.RouteMode = kRouteTwoLayers;
    const std::vector<int> layers = enabledLayers();
    const int n = static_cast<int>(layers.size());
    if (n == 0) {
        g_boardSettings.RouteMode = savedMode;
        return;
    }
    g_mazeSettings.routeLayer = layers.front();
    const int count = connectionCount();
    int k = 0;
    for (int i = 0; i < count; ++i) {
        forcedLayer_ = false;
        g_boardSettings.RouteMode = pairAbove(g_mazeSettings.routeLayer) ? kRouteTwoLayers : kRouteOneLayer;
        PumpMessage();
        applyNoViaRule(connection(i));
        if (open(connection(i)) && routeConnection(i, 1) == 1)
            progress("Main router");
        if (aborted())
            break;
        // The table is shared out among the layers (or pairs): each takes its share in turn,
        // and the failures so far try again on the next.
        ++k;
        const bool pairs = g_boardSettings.RouteMode == kRouteTwoLayers;
        const bool last = i == count - 1;
        const int share = count / (pairs ? std::max(n / 2, 1) : n);
        if (!last && !(n >= 2 && k > share))
            continue;
        k = 0;
        if (last) {
            g_mazeSettings.routeLayer = 0;
            if (!(layerEnabled(0) && n >= 2))
                break;
        } else {
            const int next = nextLayerAbove(g_mazeSettings.routeLayer, pairs, layers);
            if (next < 0)
                continue;
            g_mazeSettings.routeLayer = next;
        }
        forcedLayer_ = false;
        g_boardSettings.RouteMode = pairAbove(g_mazeSettings.routeLayer) ? kRouteTwoLayers : kRouteOneLayer;
        retryFailedAfterLayerChange();
        if (aborted())
            break;
    }
    forcedLayer_ = false;
    g_batchStats.main = routed_;
    if (!aborted() && n >= 2 && anyOpen())
        retrySubPass();
    forcedLayer_ = false;
    g_boardSettings.RouteMode = savedMode;
}

void BatchRun::retryFailedAfterLayerChange()
{
    const int count = connectionCount();
    for (int c = 0; c < count && !aborted(); ++c) {
        if (connection(c).routeState > 1 && routeConnection(c, 0) == 1)
            progress("Main router");
        PumpMessage();   // the progress window's Cancel, between any two routes
    }
}

void BatchRun::retrySubPass()
{
    if (!layerEnabled(0))
        return;
    g_mazeSettings.routeLayer = 0;
    g_boardSettings.RouteMode = layerEnabled(1) ? kRouteTwoLayers : kRouteOneLayer;
    const int nets = std::clamp(g_netlist.netCount, 0, kMaxNets);
    for (int net = 0; net < nets && !aborted(); ++net) {
        bool gained = false;
        for (int c : netChain(net)) {
            if (connection(c).routeState <= 1)
                continue;
            forcedLayer_ = false;
            applyNoViaRule(connection(c));
            gained = routeToNetNeighbour(c, net) == 1 || gained;
            PumpMessage();
            if (aborted())
                break;
        }
        if (gained)
            progress("Retry pass");
    }
    g_batchStats.retry = routed_ - g_batchStats.main;
}

std::vector<int> BatchRun::netChain(int net)
{
    std::vector<int> chain;
    const int count = connectionCount();
    if (net < 0 || net >= std::clamp(g_netlist.netCount, 0, kMaxNets))
        return chain;
    int c = NetTable()[static_cast<size_t>(net)].firstConnection;
    for (int steps = 0; c >= 0 && c < count && steps < count && connection(c).net == net; ++steps) {
        chain.push_back(c);
        c = connection(c).next;
    }
    return chain;
}

void BatchRun::lockRoutes(int c, const std::vector<int>& routes)
{
    if (routes.empty())
        return;
    holders_.resize(static_cast<size_t>(connectionCount()));
    for (int r : routes) {
        connection(r).lockFlag = 1;
        ++holders_[static_cast<size_t>(r)];
    }
    lockedBy_[c] = routes;
}

void BatchRun::releaseLocks(int c)
{
    const auto held = lockedBy_.find(c);
    if (held == lockedBy_.end())
        return;
    for (int r : held->second)
        if (--holders_[static_cast<size_t>(r)] == 0)
            connection(r).lockFlag = 0;
    lockedBy_.erase(held);
}

bool BatchRun::tryNeighbourRoute(int c, int32_t x1, int32_t y1, int32_t x2, int32_t y2, const std::vector<int>& joining)
{
    const int index = appendPlaceholder(x1, y1, x2, y2);
    if (index == 0)
        return false;
    g_mazeRoute.forcedLayer = forcedLayer_ ? 1 : 0;
    noteNetPins(c);
    const int done = router_.RouteTrace(x1, y1, x2, y2, 0);
    g_mazeRoute.forcedLayer = 0;
    g_mazeRoute.netPins.clear();
    if (done == 1) {
        recordRoute(c, index);
        // The connection now stands on their copper: none of them may be ripped up.
        lockRoutes(c, joining);
        return true;
    }
    noteFailure(c);
    if (g_board.count == index)
        TruncateObjects(index - 1);
    return false;
}

int BatchRun::routeToNetNeighbour(int c, int net)
{
    if (aborted() || !roomForRoute())
        return 0;
    int openCount = 0;
    for (const NetConnection& k : RunConnections())
        openCount += k.net == net && k.routeState != 0;
    if (openCount != 1)
        return 0;
    const std::vector<int> chain = netChain(net);
    const auto at = std::find(chain.begin(), chain.end(), c);
    if (at == chain.end())
        return 0;
    const size_t pos = static_cast<size_t>(at - chain.begin());
    const NetConnection k = connection(c);
    // Every other connection is routed: the pins after c are joined to its second pin, those
    // before it to its first, as far as the chain runs pin to pin.
    std::vector<int> joining;
    for (size_t j = pos + 1; j < chain.size() && continues(chain[j - 1], chain[j]); ++j) {
        joining.push_back(chain[j]);
        const NetConnection& target = connection(chain[j]);
        if (tryNeighbourRoute(c, k.x1, k.y1, target.x2, target.y2, joining))
            return 1;
        if (aborted())
            return 0;
    }
    joining.clear();
    for (size_t j = pos; j > 0 && continues(chain[j - 1], chain[j]); --j) {
        joining.push_back(chain[j - 1]);
        const NetConnection& target = connection(chain[j - 1]);
        if (tryNeighbourRoute(c, k.x2, k.y2, target.x1, target.y1, joining))
            return 1;
        if (aborted())
            return 0;
    }
    return 0;
}

BatchRun::NetStart BatchRun::nearestNetVia(int c) const
{
    const NetConnection& k = connection(c);
    NetStart pin{k.x1, k.y1, {}};
    if (k.net < 0 || k.net >= std::clamp(g_netlist.netCount, 0, kMaxNets) ||
        NetTable()[static_cast<size_t>(k.net)].routedCount <= 0)
        return pin;
    const std::vector<int> chain = netChain(k.net);
    const auto at = std::find(chain.begin(), chain.end(), c);
    if (at == chain.end())
        return pin;
    // Only vias whose copper already reaches the first pin: the routed run of the chain that
    // ends at it.
    NetStart best = pin;
    double nearest = kViaSearchBound;
    std::vector<int> joining;
    for (size_t j = static_cast<size_t>(at - chain.begin()); j > 0 && continues(chain[j - 1], chain[j]); --j) {
        const NetConnection& route = connection(chain[j - 1]);
        if (route.routeState != 0)
            break;
        joining.push_back(chain[j - 1]);
        const int last = std::min(route.firstObject + route.objectSpan, g_board.count);
        for (int i = std::max(route.firstObject, 1); route.firstObject > 0 && i <= last; ++i) {
            const BoardObject& o = g_board.objects[i];
            const int style = o.w[5] & 15;
            const bool via = o.kind() == kKindPad &&
                             (style == kPadThroughVia || (style == kPadPairVia && o.layer() == g_mazeSettings.routeLayer));
            if (!via || o.w[0] % kNetlistUnit != 0 || o.w[1] % kNetlistUnit != 0)
                continue;
            const int32_t vx = o.w[0] / kNetlistUnit, vy = o.w[1] / kNetlistUnit;
            const double d = squaredDistance(vx, vy, k.x1, k.y1);
            if (d > 0 && d < nearest) {
                nearest = d;
                best = NetStart{vx, vy, joining};
            }
        }
    }
    if (nearest >= squaredDistance(k.x1, k.y1, k.x2, k.y2))
        return pin;
    return best;
}
