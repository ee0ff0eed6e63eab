// Painting a board of 30,000 objects (traces, pads, texts, placed parts) at every zoom level
// into an 800 x 600 image.
#include "bench/tracelyn_bench_board.h"
#include "platform/core/test_ui_host.h"
#include "platform/gdi/raster_dc.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_painter.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/package_tables.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

using tracelyn_bench::fillBoard;
using tracelyn_bench::kObjects;

void PaintAtZoom(benchmark::State& state)
{
    plat::TestUiHost host;
    ClearPackageTables();
    SeedColorMap();
    BuildBoardPalette();
    g_boardSettings.layerSwitches[1] = 1;
    g_boardSettings.layerDisplay[0] = 1;
    BoardDocumentData doc;
    fillBoard(doc, 380000);
    const int zoom = static_cast<int>(state.range(0));
    g_board.zoomIndex = zoom;
    doc.zoomIndex = zoom;
    g_view.zoomDivisor = ZoomDivisorOf(zoom);
    plat::RasterDc dc(800, 600);
    for (auto _ : state) {
        PrepareScreenMapping(dc, plat::Rect{0, 0, 800, 600});
        PaintBoardView(dc, doc);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
    CloseBoardDocument(doc, nullptr);
    ClearPackageTables();
}
BENCHMARK(PaintAtZoom)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

}  // namespace

// Ruler labels and pin numbers are drawn with fonts, which need an application object; the
// offscreen platform needs no display.
int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
