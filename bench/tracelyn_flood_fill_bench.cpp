// Pouring a 6 x 4 inch ground area round the pads and traces of a 2,000-part board, on the
// default 3-mil fill grid with the 25-mil clearance; reports the rectangles it lays.
#include "tests/tracelyn/route/fill_board_fixture.h"

#include "platform/core/test_ui_host.h"
#include "tracelyn/core/app_state.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/route/flood_fill.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

class FillBoard {
public:
    FillBoard()
        : folder_(std::filesystem::temp_directory_path() / ("flood_fill_bench_" + std::to_string(getpid())))
    {
        InitNewBoard(doc_);
        AllocateSelectionList();
        // 50 x 40 parts on a 115 x 95 mil pitch fill most of the 6 x 4 inch area.
        board_ = fill_test::generateBoard(folder_, 50, 40, 1150, 950, 60000, 40000);
        doc_.objectCount = g_board.count;
        g_selection.list[1] = board_.enclosing;
        g_selection.count = 1;
        g_edit.currentLayer = kLayerTop;
        g_fill = FillSettings{};
    }
    ~FillBoard()
    {
        g_selection.count = 0;
        CloseBoardDocument(doc_, nullptr);
        ClearPackageTables();
        std::filesystem::remove_all(folder_);
    }
    // Takes the last fill off the board again.
    void removeFill(int first)
    {
        for (int i = first + 1; i <= g_board.count; ++i)
            g_board.objects[i] = BoardObject{};
        g_board.count = first;
        doc_.objectCount = first;
    }
    int parts() const { return board_.parts; }
    int traces() const { return board_.traces; }

private:
    std::filesystem::path folder_;
    BoardDocumentData doc_;
    fill_test::GeneratedBoard board_;
};

void BM_FloodFillGroundArea(benchmark::State& state)
{
    plat::TestUiHost host;
    FillBoard board;
    const int first = g_board.count;
    int appended = 0;
    for (auto _ : state) {
        CFloodFiller filler;
        if (filler.PrepareFill(1, g_board.count) == 0) {
            state.SkipWithError("the fill was refused");
            break;
        }
        appended = filler.FloodFill(true);
        filler.ClearFillFlags(first);
        state.PauseTiming();
        board.removeFill(first);
        state.ResumeTiming();
    }
    if (appended == 0 || !host.messageBoxes().empty())
        state.SkipWithError("the fill laid nothing");
    state.counters["rectangles"] = appended;
    state.counters["parts"] = board.parts();
    state.counters["traces"] = board.traces();
}
BENCHMARK(BM_FloodFillGroundArea)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
