#pragma once
// The grid maze router: routes one trace between two points of the current board with a
// breadth-first wave on the byte grid (maze_grid.h) and appends the trace segments and vias to
// the store. The batch router calls it for every connection; the board view's pad-to-pad tool
// calls it for one rats-nest line.
//
// In two-layer mode the route uses a layer pair: runs along board y (grid j) on the even layer,
// runs along board x (grid i) on the odd layer, a via at every change of layer.

#include "tracelyn/core/board_object.h"
#include "tracelyn/route/copper_pads.h"
#include "tracelyn/route/maze_grid.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

inline constexpr int32_t kRouteOneLayer = 360;
inline constexpr int32_t kRouteTwoLayers = 361;
// Router-made traces carry this mark in their rotation word (w6), which the board file
// stores, so a reopened board still knows which traces the router laid.
inline constexpr int32_t kRouterTraceMark = 0x1234;
inline void MarkRouterTrace(BoardObject& trace) { trace.w[6] = kRouterTraceMark; }
inline bool IsRouterTrace(const BoardObject& o) { return o.kind() == kKindLine && o.w[6] == kRouterTraceMark; }

// The router settings (the Incremental Router page): lengths in board units.
struct MazeRouterSettings {
    int32_t bevels = 0;
    int32_t viaSize = 400;
    int32_t viaHole = 200;
    int32_t clearance = 100;
    int32_t maxLength = 24000;      // mils: a route may run maxLength x 10 board units
    int32_t maxVias = 5;
    int32_t buried = 0;
    int32_t traceWidth = 120;
    int32_t traceStyle = 0;
    int32_t routeLayer = 0;         // the layer a route starts on (the pair's even layer)
};
extern MazeRouterSettings g_mazeSettings;

// Why the last route failed, for the batch run's summary.
enum class RouteFailure : int32_t {
    None,
    NoPath,          // the wave found no free path
    TooManyVias,     // a path needs more vias than allowed
    TooLong,         // a path is longer than the length limit
    OutsideWindow,   // an end or a pad lies outside the routable window, or the ends touch
    QueueFull,       // the wave's queue overflowed
    Other,           // a pad exit, a via spot or the grid settings refused it
    Clearance,       // the route's ends would come nearer other nets' copper than the clearance
};
inline constexpr int kRouteFailureKinds = 8;
// Gaps are compared with this much play for the rounding of distances.
inline constexpr double kClearanceSlack = 1e-6;

// What the last route left for the batch router.
struct MazeRouteState {
    int32_t failure = 0;            // a grid error ended the route
    int32_t viaCount = 0;
    int64_t length = 0;             // board units
    int32_t lastLayer = 0;
    int32_t quiet = 0;              // 1 while the progress window is shown: no messages
    int32_t batch = 0;              // 1 during a batch run: overflow counted, neighbours not fatal
    int32_t forcedLayer = 0;        // the batch router forced one layer without vias
    int32_t fifoOverflows = 0;
    int32_t calls = 0;
    // The pins (board units) of the net being routed: copper on them is the route's own.
    std::vector<std::pair<int32_t, int32_t>> netPins;
    RouteFailure lastFailure = RouteFailure::None;
};
extern MazeRouteState g_mazeRoute;

// Message texts.
inline constexpr std::string_view kGridRangeMessage = "Grid too small or too large";
inline constexpr std::string_view kSingleLayerGridMessage = "Only single layer route allowed on this grid";
inline constexpr std::string_view kScaleMessage = "Reduce drawing scale to 500% or less";
inline constexpr std::string_view kEndPointMessage = "Line end point out of bounds";
inline constexpr std::string_view kUnableMessage = "Unable to route trace";
inline constexpr std::string_view kRoutedMessage = "Routed trace";
inline constexpr std::string_view kFifoMessage = "FIFO overflow";

// Whether the new objects `pieces` (traces and pads) keep `clearance` from the copper of other
// nets: every pad of `pads` and every trace among objects 1..lastOld, except the pads the
// points `ends` stand on and the copper touching those pads or points.
bool NewCopperKeepsClearance(const std::vector<int>& pieces, const std::vector<CopperPad>& pads, int lastOld,
                             std::span<const std::pair<int32_t, int32_t>> ends, double clearance);

struct RouteSegment {
    GridCell a, b;
    int layer = 0;
};

// The pad an end of the route stands on.
struct RouteEndPad {
    bool present = false;
    CopperPad pad;
    int32_t exitCells = 0;
};

class CMazeRouter {
public:
    // Routes from (x1, y1) to (x2, y2) in netlist units (x 10 = board units). The caller has
    // appended the placeholder (a kind-1 line between the points) as the store's last object.
    // Mode 2: the view's tool (messages shown, objects redrawn); 0: batch. 1 routed, else 0;
    // a failed route leaves the store as it was, the placeholder kept or turned into a
    // rats-nest line.
    int RouteTrace(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int mode);

    // The segments of the last successful route (after straightening), for tests.
    const std::vector<RouteSegment>& segments() const { return segments_; }
    int32_t pitch() const { return pitch_; }
    GridCell sourceCell() const { return source_; }
    GridCell targetCell() const { return target_; }
    bool twoLayer() const { return twoLayer_; }

    // The grid pitch for a grid command in the unit mode, 0 when the grid cannot route.
    static int32_t GridPitch(int32_t gridCommand, int32_t units);

    // Steps shared with the tests and benchmarks: the straightening of a segment list.
    static void StraightenSegments(std::vector<RouteSegment>& segments, const MazeGrid& grid, bool twoLayer);
    static std::vector<RouteSegment> SegmentsOfPath(const std::vector<GridCell>& sourceToTarget);

private:
    bool checkGrid(int mode);
    void toRatsNestLine(int mode);
    int32_t cellOf(int32_t v, int32_t origin) const;
    int32_t centreX(int i) const { return originX_ + i * pitch_; }
    int32_t centreY(int j) const { return originY_ + j * pitch_; }

    // Grid building (maze_grid_build.cpp).
    void buildRouteGrid(int placeholder);
    void markBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t grow, uint8_t state);
    void markSlanted(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t grow, uint8_t state);
    void markTrace(const BoardObject& o, uint8_t state);
    void markPad(const CopperPad& pad);
    uint8_t stateForLayer(int layer) const;
    int32_t obstacleGrow() const;
    void markWindowEdges();
    bool findPadExit(RouteEndPad& end, GridCell& cell, GridCell other, GridCell& exit);

    // Emitting (maze_emit.cpp).
    bool emitRoute(const std::vector<GridCell>& path, int placeholder);
    bool placeVia(int32_t x, int32_t y);
    bool viaSpotClear(int32_t x, int32_t y, int lastOld) const;
    bool addTrace(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int layer);
    bool addPadLink(int32_t gx, int32_t gy, int32_t tx, int32_t ty, int layer);
    bool addFanoutVia(const RouteEndPad& end, GridCell exit);
    int segmentLayer(const RouteSegment& s) const;

    // Whether the new objects `pieces` keep the clearance from the copper of other nets
    // (maze_clearance.cpp).
    bool endPiecesKeepClearance(const std::vector<int>& pieces) const;

    // The corner cell whose via the last emission refused: the wave may go round it.
    bool viaRefused_ = false;
    GridCell refusedVia_;
    int32_t pitch_ = 500;
    int32_t gridClearance_ = 70;    // what the grid keeps round copper: the clearance given
    double clearance_ = 70;
    int32_t originX_ = 0, originY_ = 0;
    bool twoLayer_ = false;
    int layer_ = 0;
    int32_t sx_ = 0, sy_ = 0, tx_ = 0, ty_ = 0;      // true end points, board units
    GridCell source_, target_;
    RouteEndPad sourcePad_, targetPad_;
    bool sourceExit_ = false, targetExit_ = false;
    GridCell sourceExitCell_, targetExitCell_;
    std::vector<CopperPad> pads_;
    std::vector<GridCell> path_;
    std::vector<RouteSegment> segments_;
    int firstNew_ = 0;
};
