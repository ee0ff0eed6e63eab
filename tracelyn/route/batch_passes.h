#pragma once
// The passes of one batch-routing run over the connection table: each routes the connections
// still open through the maze router; a connection that fails keeps a rats-nest line (kind 16
// on layer 31) as its marker, never copper.

#include "tracelyn/route/copper_pads.h"
#include "tracelyn/route/maze_router.h"

#include <cstdint>
#include <map>
#include <span>
#include <vector>

struct NetConnection;

// The connections the last netlist read filled.
std::span<NetConnection> RunConnections();

// The first part pad within 50 units of the point on both axes; null when none.
const CopperPad* FindPadAtPoint(const std::vector<CopperPad>& pads, int32_t x, int32_t y);

class BatchRun {
public:
    // Every connection open and untried.
    void prepareConnections();
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
    int passCounter() const { return passCounter_; }

    // Connects the net's pins to `plane` with thermal pads; returns the connections tied.
    int connectPowerNet(int net, int plane);
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
    void ripUp(int c);
    void measureRoutes();
    void setLayer(int layer);
    std::vector<int> enabledLayers() const;
    void progress(const char* text);
    void applyNoViaRule(const NetConnection& k);
    int appendPlaceholder(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    void recordRoute(int c, int firstObject);
    NetStart nearestNetVia(int c) const;
    static std::vector<int> netChain(int net);
    // Locks `routes` for c, which stands on their copper; ripping c up releases them.
    void lockRoutes(int c, const std::vector<int>& routes);
    void releaseLocks(int c);
    bool tryNeighbourRoute(int c, int32_t x1, int32_t y1, int32_t x2, int32_t y2, const std::vector<int>& joining);

    CMazeRouter router_;
    int routed_ = 0;
    int passCounter_ = 0;
    int32_t proximity_ = 0;
    bool forcedLayer_ = false;
    std::vector<int> holders_;                  // per connection: routes standing on it
    std::map<int, std::vector<int>> lockedBy_;  // per route: the connections it locked
};
