#pragma once
// The passes of one batch-routing run over the connection table: each routes the connections
// still open through the maze router; a connection that fails keeps a rats-nest line (kind 16
// on layer 31) as its marker, never copper.

#include "tracelyn/route/maze_router.h"

#include <cstdint>
#include <vector>

struct NetConnection;

class BatchRun {
public:
    // Every connection open and untried.
    void prepareConnections();
    // Thermal pads on the planes for the power nets whose switch is on.
    void connectPowerNets();
    // Main pass, rip-up series, final main pass, single-layer pass, straight rip-up.
    void routeAll();
    // Via optimiser and the layer-pair and single-layer passes after it.
    void optimize();

    int routedCount() const { return routed_; }
    int passCounter() const { return passCounter_; }

    // Connects the net's pins to `plane` with thermal pads; returns the connections tied.
    int connectPowerNet(int net, int plane);
    // Routes connection c on the current layer and mode; 1 routed.
    int routeConnection(int c, int pass);

private:
    bool open(const NetConnection& c) const;
    bool anyOpen() const;
    void mainRoutePass();
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

    CMazeRouter router_;
    int routed_ = 0;
    int passCounter_ = 0;
    int32_t proximity_ = 0;
};
