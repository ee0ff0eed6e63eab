// Loading the netlist of a 500-part board and drawing its rats nest.
#include "bench/tracelyn_bench_folder.h"

#include "platform/core/test_ui_host.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_memory.h"
#include "tracelyn/route/board_netlist.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kParts = 500;
constexpr int kPartsPerNet = 10;

// 500 eight-pin parts in rows of 25, 600 mils apart; net k of each group of ten parts joins
// pin k of those parts: 400 nets of ten pins.
class RatsNestBoard : public tracelyn_bench::BenchBoardFolder {
public:
    RatsNestBoard() : BenchBoardFolder("ratsnest_bench_", package_test::dip8())
    {
        LoadLibraryPart("STD", "DIP8");
        const int package = g_packages.current;
        for (int p = 1; p <= kParts; ++p) {
            BoardObject& o = g_board.objects[++g_board.count];
            o.w[0] = ((p - 1) % 25) * 6000;
            o.w[1] = ((p - 1) / 25) * 6000;
            o.w[4] = kKindPart + package;
            o.w[7] = p;
            o.data = StrDupChecked("U");
        }
        doc_.objectCount = g_board.count;
        RouterMemory(kRouterMemoryAllocate);
        writeNetlist();
        g_netlist.netlistName = netlistPath().string();
    }

private:
    void writeNetlist() const
    {
        std::ofstream out(netlistPath());
        out << "Netlist for design: bench\nTime: 9:05\nDate: 3/14/25 Fri\nProcessing time:  0\n"
            << "Number of signals found=" << kParts / kPartsPerNet * 8 << "\n";
        for (int group = 0; group < kParts / kPartsPerNet; ++group) {
            for (int pin = 1; pin <= 8; ++pin) {
                out << "N" << group << "_" << pin << "----";
                for (int k = 1; k <= kPartsPerNet; ++k)
                    out << "u" << group * kPartsPerNet + k << "-" << pin << (k < kPartsPerNet ? "," : "\n");
            }
        }
    }
};

void BM_BuildRatsNest(benchmark::State& state)
{
    plat::TestUiHost host;
    RatsNestBoard board;
    for (auto _ : state) {
        BuildRatsNest(1);
        benchmark::DoNotOptimize(g_router.ratsNestCount);
    }
    if (g_router.ratsNestCount != kParts / kPartsPerNet * 8 * (kPartsPerNet - 1) || !host.messageBoxes().empty())
        state.SkipWithError("the rats nest did not come out whole");
    state.counters["connections"] = g_router.ratsNestCount;
}
BENCHMARK(BM_BuildRatsNest)->Unit(benchmark::kMillisecond);

void BM_SortConnections(benchmark::State& state)
{
    plat::TestUiHost host;
    RatsNestBoard board;
    g_router.values[4] = kTraceSortByX;
    for (auto _ : state) {
        state.PauseTiming();
        LoadNetlist(1);
        state.ResumeTiming();
        SortConnections();
    }
    g_router = RouterState{};
}
BENCHMARK(BM_SortConnections)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
