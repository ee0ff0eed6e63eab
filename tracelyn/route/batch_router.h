#pragma once
// The batch autorouter: routes every connection of the active board's netlist through the maze
// router in a fixed sequence of passes (main, retry, rip-up and retry, single layer), ties power
// nets to their planes with thermal pads, optimises the vias on request and reports the share
// of connections routed. One undo entry takes the whole run back.

#include "tracelyn/route/router_dialogs.h"

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::string_view kAlreadyRoutedQuestion =
    "This board has already contains traces and/or vias.\nDo you want to proceed?";

// Why a run does not start, each told in a box titled "Batch Router".
inline constexpr std::string_view kBatchNoBoard = "Batch Route needs an open board.";
inline constexpr std::string_view kBatchNoConnections =
    "The netlist gives this board no connections to route.";
inline constexpr std::string_view kBatchRouterStopped =
    "The router stopped the run: a connection could not be laid on the routing grid.";

// The refusal when pins lie outside the work area, which the routing grid covers: the first of
// them by name and how many more, with the work area's size in mils.
std::string OutsideWorkAreaText(std::string_view firstPin, int more, int32_t widthMils, int32_t heightMils);

// The counters of the last run (F12 shows them).
struct BatchRouterStats {
    int32_t main = 0, retry = 0, ripup = 0, single = 0, oneVia = 0, final = 0, unique = 0, straight = 0, len = 0;
    double d1 = 0, dFinal = 0, ideal = 0;
    // The last run's outcome, for the summary and the benchmarks.
    int32_t connections = 0, routed = 0, passes = 0, fifoOverflows = 0;
    double seconds = 0;
    bool aborted = false;
};
extern BatchRouterStats g_batchStats;

// Owner of a batch-routing run; it keeps no data between runs.
class CBatchRouter {
public:
    // Routes the active board; 1 when the run went to its end, 0 when it did not start or was
    // stopped.
    int BatchRoute();
};

// After a board was opened from the command line: the setup dialog and, on Route, the run.
void OfferBatchRoute();

// F12: "Router Statistics"; returns the text shown.
std::string ShowRouterStatistics();

// The summary text of a run; `unrouted` (one cause a line) tells why connections stayed open.
std::string BatchSummaryText(double percent, int passes, double seconds, int fifoOverflows,
                             std::string_view unrouted = {});
// The line the summary ends with when the person stopped the run (Cancel or Escape).
inline constexpr const char* kBatchStoppedLine = "Stopped by the user before the end.";
