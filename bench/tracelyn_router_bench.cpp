// The routers' speed: the maze wave on empty windows (cells per second and the queue peak), one
// route on a generated board, smoothing thousands of corners, and whole batch runs on generated
// boards with their per-cent routed, vias, passes and leftovers.
#include "bench/tracelyn_generated_board.h"

#include "platform/core/test_ui_host.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/mouse_edit.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_memory.h"
#include "tracelyn/route/batch_router.h"
#include "tracelyn/route/board_netlist.h"
#include "tracelyn/route/maze_grid.h"
#include "tracelyn/route/maze_router.h"
#include "tracelyn/route/route_edit.h"
#include "tracelyn/route/trace_smoothing.h"
#include "tests/tracelyn/route/copper_connectivity.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using namespace tracelyn_bench;

void BM_ExpandWave(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    MazeGrid& grid = TheMazeGrid();
    std::vector<GridCell> path;
    int64_t cells = 0;
    int peak = 0;
    for (auto _ : state) {
        grid.reset(n - 1, n - 1);
        const int64_t before = grid.cellsVisited();
        benchmark::DoNotOptimize(grid.expandWave({0, 0}, {n - 1, n - 1}, false, path));
        cells += grid.cellsVisited() - before;
        peak = std::max(peak, grid.queuePeak());
    }
    state.counters["cells/s"] = benchmark::Counter(static_cast<double>(cells), benchmark::Counter::kIsRate);
    state.counters["queue peak"] = peak;
    if (path.empty())
        state.SkipWithError("no path on an empty window");
}
BENCHMARK(BM_ExpandWave)->Arg(80)->Arg(160)->Arg(320)->Arg(400)->Unit(benchmark::kMicrosecond);

void reportRun(benchmark::State& state)
{
    const BatchRouterStats& s = g_batchStats;
    int vias = 0, objects = 0;
    for (int i = 1; i <= g_board.count; ++i) {
        vias += g_board.objects[i].kind() == kKindPad && g_board.objects[i].layer() == kLayerAll;
        objects += g_board.objects[i].kind() != kKindDeleted;
    }
    state.counters["connections"] = s.connections;
    state.counters["routed %"] = s.connections > 0 ? s.routed * 100.0 / s.connections : 0;
    state.counters["unrouted"] = s.connections - s.routed;
    state.counters["vias"] = vias;
    state.counters["passes"] = s.passes;
    state.counters["objects"] = objects;
    state.counters["FIFO overflow"] = s.fifoOverflows;
    state.counters["seconds"] = s.seconds;
    // What copper really joins, and any short between nets, by the routing tests' checker.
    const copper_test::ConnectivityReport copper = copper_test::CheckCopper();
    state.counters["joined %"] = copper.connections > 0 ? copper.joined * 100.0 / copper.connections : 0;
    state.counters["shorts"] = static_cast<double>(copper.shorts.size());
}


// Batch-routes a board of shape with values; extras, when given, changes the run's further
// settings first.
// With optimise, "Optimize?" (the run's first question) is answered Yes: the time then includes
// the via optimiser, and the via count is what it leaves.
void runBatch(benchmark::State& state, const BoardShape& shape, const BatchValues& values,
              void (*extras)(BatchRouterExtras&) = nullptr, bool optimise = false)
{
    plat::TestUiHost host;
    GeneratedBoard board(shape, "router_bench_");
    setBatch(values.grid, values.width, values.via, values.hole);
    if (extras)
        extras(g_batchExtras);
    for (auto _ : state) {
        if (optimise)
            host.answerMessageBox(plat::kIdYes);
        CBatchRouter router;
        router.BatchRoute();
    }
    reportRun(state);
}


void BM_BatchRoute45Parts(benchmark::State& state) { runBatch(state, k45Parts, kCoarseBatch); }
BENCHMARK(BM_BatchRoute45Parts)->Iterations(1)->Unit(benchmark::kSecond);

// The same board with the memory router's bus detours laid first.
void BM_BatchRoute45PartsMemoryRouter(benchmark::State& state)
{
    runBatch(state, k45Parts, kCoarseBatch, [](BatchRouterExtras& extras) { extras.memoryRouter = 1; });
}
BENCHMARK(BM_BatchRoute45PartsMemoryRouter)->Iterations(1)->Unit(benchmark::kSecond);

void BM_BatchRoute194PartsMixed(benchmark::State& state)
{
    runBatch(state, {194, 14, 5500, 5000, 3, 'D', true, true}, {702, 80, 160, 80},
             [](BatchRouterExtras& extras) { extras.power[0] = 1; });
}
BENCHMARK(BM_BatchRoute194PartsMixed)->Iterations(1)->Unit(benchmark::kSecond);

void BM_BatchRoute500Parts(benchmark::State& state)
{
    runBatch(state, k500Parts, kCoarseBatch);
}
BENCHMARK(BM_BatchRoute500Parts)->Iterations(1)->Unit(benchmark::kSecond);

// The same boards routed and optimised.
void BM_BatchRouteOptimised45Parts(benchmark::State& state) { runBatch(state, k45Parts, kCoarseBatch, nullptr, true); }
BENCHMARK(BM_BatchRouteOptimised45Parts)->Iterations(1)->Unit(benchmark::kSecond);

void BM_BatchRouteOptimised194PartsMixed(benchmark::State& state)
{
    runBatch(state, {194, 14, 5500, 5000, 3, 'D', true, true}, {702, 80, 160, 80},
             [](BatchRouterExtras& extras) { extras.power[0] = 1; }, true);
}
BENCHMARK(BM_BatchRouteOptimised194PartsMixed)->Iterations(1)->Unit(benchmark::kSecond);

void BM_BatchRouteOptimised500Parts(benchmark::State& state) { runBatch(state, k500Parts, kCoarseBatch, nullptr, true); }
BENCHMARK(BM_BatchRouteOptimised500Parts)->Iterations(1)->Unit(benchmark::kSecond);

void BM_RouteOneConnection(benchmark::State& state)
{
    plat::TestUiHost host;
    GeneratedBoard board(k45Parts, "router_bench_");
    BuildRatsNest(1);
    g_boardSettings.RouteMode = kRouteTwoLayers;
    g_mazeSettings.viaSize = 300;
    int routed = 0, tried = 0;
    for (auto _ : state) {
        state.PauseTiming();
        int line = 0;
        for (int i = 1; i <= g_board.count && line == 0; ++i)
            if (g_board.objects[i].kind() == kKindNoRoute)
                line = i;
        if (line == 0) {
            state.ResumeTiming();
            break;
        }
        const BoardObject o = g_board.objects[line];
        g_board.objects[line].setKind(kKindDeleted);
        const int index = AppendRouteObject(MakeRouteObject(kKindLine, 0, o.w[0], o.w[1], o.w[2], o.w[3]));
        state.ResumeTiming();
        routed += RouteOneConnection(index);
        ++tried;
    }
    state.counters["routed"] = routed;
    state.counters["tried"] = tried;
}
BENCHMARK(BM_RouteOneConnection)->Iterations(100)->Unit(benchmark::kMicrosecond);

void BM_SmoothCorners(benchmark::State& state)
{
    plat::TestUiHost host;
    const int traces = static_cast<int>(state.range(0));
    BoardDocumentData doc;
    InitNewBoard(doc);
    g_view.gridStepX = 500;
    int corners = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TruncateObjects(1);
        // L-shaped pairs 3,000 units apart on a square lattice.
        const int side = static_cast<int>(std::sqrt(traces / 2.0)) + 1;
        for (int k = 0; k < traces / 2; ++k) {
            const int32_t x = (k % side) * 3000 - side * 1500, y = (k / side) * 3000 - side * 1500;
            BoardObject a = MakeRouteObject(kKindLine, 0, x, y, x + 2000, y);
            BoardObject b = MakeRouteObject(kKindLine, 0, x + 2000, y, x + 2000, y + 2000);
            a.w[7] = b.w[7] = 120;
            AppendRouteObject(a);
            AppendRouteObject(b);
        }
        g_smoothing.mode = kSmooth45;
        state.ResumeTiming();
        corners = SmoothCorners(2, g_board.count, 0);
    }
    state.counters["corners"] = corners;
    CloseBoardDocument(doc, nullptr);
}
BENCHMARK(BM_SmoothCorners)->Arg(2000)->Arg(8000)->Arg(16000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
