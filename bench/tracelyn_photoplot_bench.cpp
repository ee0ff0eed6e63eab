// Writing the full manufacturing file set (every film layer and the drill file) for a board
// of 30,000 objects: traces, vias, texts and placed parts with pads and silk.
#include "bench/tracelyn_bench_board.h"
#include "platform/core/test_ui_host.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/route/layer_artwork.h"
#include "tracelyn/route/photoplot_files.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using tracelyn_bench::fillBoard;
using tracelyn_bench::kObjects;

void WriteFullFileSet(benchmark::State& state)
{
    plat::TestUiHost host;
    ClearPackageTables();
    BoardDocumentData doc;
    fillBoard(doc, 38000);
    GerberLayerFlags layers;
    for (int layer = 0; layer < 33; ++layer)
        layers.on[static_cast<size_t>(layer)] = IsPlotLayer(layer) ? 1 : 0;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tracelyn_photoplot_bench";
    std::filesystem::create_directories(folder);
    const std::string board = (folder / "bench.tlz").string();
    size_t bytes = 0;
    for (auto _ : state) {
        const ManufacturingResult result = WriteManufacturingFiles(board, layers, true);
        if (!result.ok)
            state.SkipWithError("the file set was not written");
        bytes = 0;
        for (const std::string& path : result.written)
            bytes += std::filesystem::file_size(path);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetItemsProcessed(state.iterations() * kObjects);
    std::filesystem::remove_all(folder);
    CloseBoardDocument(doc, nullptr);
    ClearPackageTables();
}
BENCHMARK(WriteFullFileSet)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
