// The routers' speed: the maze wave on empty windows (cells per second and the queue peak), one
// route on a generated board, smoothing thousands of corners, and whole batch runs on generated
// boards with their per-cent routed, vias, passes and leftovers.
#include "bench/tracelyn_bench_folder.h"

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

using package_test::TestPackage;

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

// Surface pads (style 2, layer 0) in two rows, 500 units apart.
TestPackage smd8()
{
    TestPackage p("SMD8");
    p.text(-10000, -5000, ";Surface part");
    for (int i = 0; i < 8; ++i) {
        const int32_t x = -10000 - 750 + 500 * (i % 4);
        const int32_t y = -5000 + (i < 4 ? -1000 : 1000);
        BoardObject& o = p.add(kKindPad, 0, x, y);
        o.w[2] = 240;
        o.w[3] = 600;
        o.w[5] = 2;
        p.text(x, y, std::to_string(i + 1), 0);
    }
    p.text(-10000, -6500, "p?");
    return p;
}

// What a generated board holds: parts in a grid of columns, spacingX by spacingY apart, on a
// work area of sizeLetter; nets join pin k of groups of perNet parts; mixed makes every second
// part a surface part, power puts the last pin of every part on Vcc.
struct BoardShape {
    int parts;
    int columns;
    int32_t spacingX, spacingY;
    int perNet;
    int sizeLetter;
    bool mixed, power;
};

// A generated board in a temporary folder.
class GeneratedBoard : public tracelyn_bench::BenchBoardFolder {
public:
    explicit GeneratedBoard(const BoardShape& shape) : BenchBoardFolder("router_bench_", package_test::dip8(), smd8())
    {
        const auto [parts, columns, spacingX, spacingY, perNet, sizeLetter, mixed, power] = shape;
        g_board.sizeLetter = doc_.sizeLetter = sizeLetter;
        LoadLibraryPart("STD", "DIP8");
        const int dip = g_packages.current;
        LoadLibraryPart("STD", "SMD8");
        const int smd = g_packages.current;
        const int rows = (parts + columns - 1) / columns;
        for (int p = 0; p < parts; ++p) {
            const int index = AppendObject();
            BoardObject& o = g_board.objects[index];
            o.w[0] = static_cast<int32_t>((p % columns - (columns - 1) / 2.0) * spacingX);
            o.w[1] = static_cast<int32_t>((p / columns - (rows - 1) / 2.0) * spacingY);
            const bool surface = mixed && p % 2 == 1;
            o.w[4] = kKindPart + (surface ? smd : dip);
            if (surface)
                o.setLayer(0);
            o.w[7] = p + 1;
            o.data = StrDupChecked("U");
        }
        RouterMemory(kRouterMemoryAllocate);
        std::ostringstream nets;
        int count = 0;
        const int pins = power ? 7 : 8;
        for (int group = 0; group * perNet < parts; ++group)
            for (int pin = 1; pin <= pins; ++pin, ++count) {
                nets << "N" << group << "_" << pin << "----";
                for (int k = 0; k < perNet && group * perNet + k < parts; ++k)
                    nets << (k ? "," : "") << "u" << group * perNet + k + 1 << "-" << pin;
                nets << "\n";
            }
        if (power) {
            nets << "Vcc----";
            for (int p = 0; p < parts; ++p)
                nets << (p ? "," : "") << "u" << p + 1 << "-8";
            nets << "\n";
            ++count;
        }
        std::ofstream out(netlistPath());
        out << "Netlist for design: bench\nTime: 9:05\nDate: 3/14/25 Fri\nProcessing time:  0\n"
            << "Number of signals found=" << count << "\n" << nets.str();
        out.close();
        g_netlist.netlistName = netlistPath().string();
    }
};

void setBatch(int32_t grid, int32_t width, int32_t via, int32_t hole)
{
    g_router = RouterState{};
    g_router.layerSwitches[0] = g_router.layerSwitches[1] = 1;
    g_router.values = {via, hole, width, grid, 1026, 0, 5, 24000, 2};
    g_router.gridPitch = BatchGridPitch(grid);
    g_router.passes = 3;
    g_batchExtras = BatchRouterExtras{};
}

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

// The settings of a batch run: grid, trace width, via size and via hole.
struct BatchValues {
    int32_t grid, width, via, hole;
};

// Batch-routes a board of shape with values; extras, when given, changes the run's further
// settings first.
void runBatch(benchmark::State& state, const BoardShape& shape, const BatchValues& values,
              void (*extras)(BatchRouterExtras&) = nullptr)
{
    plat::TestUiHost host;
    GeneratedBoard board(shape);
    setBatch(values.grid, values.width, values.via, values.hole);
    if (extras)
        extras(g_batchExtras);
    for (auto _ : state) {
        CBatchRouter router;
        router.BatchRoute();
    }
    reportRun(state);
}

constexpr BoardShape k45Parts{45, 9, 7000, 9000, 3, 'C', false, false};
constexpr BatchValues kCoarseBatch{703, 120, 300, 150};

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
    runBatch(state, {500, 50, 6000, 12000, 10, 'F', false, false}, kCoarseBatch);
}
BENCHMARK(BM_BatchRoute500Parts)->Iterations(1)->Unit(benchmark::kSecond);

void BM_RouteOneConnection(benchmark::State& state)
{
    plat::TestUiHost host;
    GeneratedBoard board(k45Parts);
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
