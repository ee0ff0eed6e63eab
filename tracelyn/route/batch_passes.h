#pragma once
// The passes of one batch-routing run over the connection table: each routes the connections
// still open through the maze router; a connection that fails keeps a rats-nest line (kind 16
// on layer 31) as its marker, never copper.

#include "tracelyn/route/copper_pads.h"
#include "tracelyn/route/maze_router.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct NetConnection;

inline constexpr std::string_view kNoPadTypeMessage = "Can't find pad type";

// The connections the last netlist read filled.
std::span<NetConnection> RunConnections();

// The first part pad within 50 units of the point on both axes; null when none.
const CopperPad* FindPadAtPoint(const std::vector<CopperPad>& pads, int32_t x, int32_t y);

class BatchRun {
public:
    // Every connection open and untried; the run's own records start at `firstRunObject`.
    void prepareConnections(int firstRunObject = 0);
    // Thermal pads on the planes for the power nets whose switch is on.
    void connectPowerNets();
    // Bus connections between pins on one row, detoured round the one pad between them.
    int memoryRoute();
    // Main pass, rip-up series, final main pass, single-layer pass, straight rip-up.
    void routeAll();
    // Via optimiser and the layer-pair and single-layer passes after it.
    void optimize();
    // A rats-nest line for every connection no pass tried (no layer was enabled, or the run
    // stopped): the netlist read took the old lines away.
    void markUnrouted();

    int routedCount() const { return routed_; }
    // Why the connections still open did not route: a count per cause of their last failure,
    // one line each (empty when every connection routed).
    std::string unroutedText() const;
    // True when a pass stopped because the object store had no room left for routes.
    bool storeStopped() const { return storeStopped_; }
    // Drops the run's deleted records from the store, keeping the connections' object indexes
    // right; returns the records dropped.
    int compactStore();
    int passCounter() const { return passCounter_; }

    // Connects the net's pins to `plane` with thermal pads; returns the connections tied.
    int connectPowerNet(int net, int plane);
    // A surface pad's way down to a plane: a stub and a through via at (x, y); false when no
    // side of the pad has room.
    static bool fanOutToPlane(const CopperPad& pad, int32_t& x, int32_t& y);
    // Routes connection c on the current layer and mode; 1 routed. Pass 3 may start the route
    // at a via of the net that already joins c's first pin.
    int routeConnection(int c, int pass);
    // Routes c's net, when c is its last open connection, from one of c's pins to a pin that
    // copper already joins to the other; 1 routed.
    int routeToNetNeighbour(int c, int net);

private:
    // Where a route starts, and the routed connections whose copper joins that start to the
    // pin the connection names (locked once the route stands on them).
    struct NetStart {
        int32_t x = 0, y = 0;
        std::vector<int> joining;
    };

    bool open(const NetConnection& c) const;
    bool anyOpen() const;
    static bool layerEnabled(int layer);
    static bool pairAbove(int layer);
    void mainRoutePass();
    void retryFailedAfterLayerChange();
    void retrySubPass();
    int ripupPass(int mode);
    int singleLayerPass();
    int layerPairPass();
    void ripupAndRetry(int mode, int c);
    std::vector<int> findBlockingRoutes(int c, int mode) const;
    // A route taken off the board: its objects are marked deleted, their kind words kept.
    struct RippedRoute {
        int connection = 0;
        int firstObject = 0, objectSpan = 0;
        std::vector<int32_t> kindWords;
    };
    RippedRoute ripUp(int c);
    // Puts a ripped route's copper back, as routed, in place of any marker its retry left.
    void restoreRoute(const RippedRoute& ripped);
    void measureRoutes();
    // Room in the store for one more route, made by dropping deleted records when short.
    bool roomForRoute();
    void noteDeleted(int records) { deletedSinceCompact_ += records; }
    void setLayer(int layer);
    std::vector<int> enabledLayers() const;
    void progress(const char* text);
    void applyNoViaRule(const NetConnection& k);
    int appendPlaceholder(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    void recordRoute(int c, int firstObject);
    NetStart nearestNetVia(int c) const;
    static std::vector<int> netChain(int net);
    // The pins of c's net, for the maze router: copper on them is the route's own.
    void noteNetPins(int c);
    // Locks `routes` for c, which stands on their copper; ripping c up releases them.
    void lockRoutes(int c, const std::vector<int>& routes);
    void releaseLocks(int c);
    bool tryNeighbourRoute(int c, int32_t x1, int32_t y1, int32_t x2, int32_t y2, const std::vector<int>& joining);

    CMazeRouter router_;
    int routed_ = 0;
    int passCounter_ = 0;
    int routedBeforeStraight_ = 0;   // the routed count before the straight rip-up pass
    int32_t proximity_ = 0;
    int firstRunObject_ = 0;
    int deletedSinceCompact_ = 0;
    bool storeStopped_ = false;
    bool ripPending_ = false;
    std::vector<RouteFailure> failures_;        // per connection: why its last try failed
    void noteFailure(int c);   // a ripped route's deleted records must stay in place
    bool forcedLayer_ = false;
    std::vector<int> holders_;                  // per connection: routes standing on it
    std::map<int, std::vector<int>> lockedBy_;  // per route: the connections it locked
};
