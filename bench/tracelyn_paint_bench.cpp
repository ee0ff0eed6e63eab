// Painting a board of 30,000 objects (traces, pads, texts, placed parts) into a 1600 x 1000
// image: the whole window at every zoom, a corner view with few objects in it, and invalidated
// strips and boxes.
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

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;
constexpr plat::Rect kClient{0, 0, kWidth, kHeight};

// The board in its document, with the palette and layer switches of a fresh program.
struct BusyBoard {
    plat::TestUiHost host;
    BoardDocumentData doc;

    BusyBoard(int zoom, int32_t originX, int32_t originY)
    {
        ClearPackageTables();
        SeedColorMap();
        BuildBoardPalette();
        g_boardSettings.layerSwitches[1] = 1;
        g_boardSettings.layerDisplay[0] = 1;
        fillBoard(doc, 380000);
        g_board.zoomIndex = zoom;
        doc.zoomIndex = zoom;
        g_view.zoomDivisor = ZoomDivisorOf(zoom);
        g_board.viewOriginX = originX;
        g_board.viewOriginY = originY;
    }
    ~BusyBoard()
    {
        CloseBoardDocument(doc, nullptr);
        ClearPackageTables();
        g_board.viewOriginX = g_board.viewOriginY = 0;
    }
};

// The share of objects whose anchor lies in the client area, for the label.
std::string labelOf(const plat::Dc& dc)
{
    int inView = 0;
    for (int i = 1; i <= kObjects; ++i) {
        const BoardObject& o = g_board.objects[i];
        int32_t x = o.w[0], y = o.w[1];
        WorldToScreen(x, y);
        const plat::Point p = dc.LPtoDP(plat::Point{x, y});
        inView += p.x >= 0 && p.x < kWidth && p.y >= 0 && p.y < kHeight;
    }
    return std::to_string(inView * 100 / kObjects) + "% in view";
}

void paintWhole(benchmark::State& state, int32_t originX, int32_t originY)
{
    BusyBoard board(static_cast<int>(state.range(0)), originX, originY);
    plat::RasterDc dc(kWidth, kHeight);
    for (auto _ : state) {
        PrepareScreenMapping(dc, kClient);
        PaintBoardView(dc, board.doc);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
    g_board.objects = board.doc.objects->data();
    state.SetLabel(labelOf(dc));
}

// The whole window with the board's centre in the middle, at every zoom.
void PaintAtZoom(benchmark::State& state) { paintWhole(state, 0, 0); }
BENCHMARK(PaintAtZoom)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

// The view on the board's corner, so that at most a tenth of the objects is in the window.
void PaintCorner(benchmark::State& state) { paintWhole(state, -30000, -30000); }
BENCHMARK(PaintCorner)->Arg(3)->Arg(5)->Arg(7)->Unit(benchmark::kMillisecond);

// The view moving one pixel to the right before every repaint, so nothing drawn is where it
// was: what a first repaint of a view costs.
void PaintPanning(benchmark::State& state)
{
    BusyBoard board(static_cast<int>(state.range(0)), 0, 0);
    plat::RasterDc dc(kWidth, kHeight);
    static int step = 0;   // never back to a position an earlier run painted
    for (auto _ : state) {
        g_board.viewOriginX = (step++ % 4000) * g_view.zoomDivisor;
        PrepareScreenMapping(dc, kClient);
        PaintBoardView(dc, board.doc);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(PaintPanning)->Arg(0)->Arg(3)->Arg(7)->Unit(benchmark::kMillisecond);

// An invalidated rectangle of the window, in pixels: a scroll step along the top and a moved
// object's box, at zoom 3 with the window full of objects.
void RedrawStrip(benchmark::State& state)
{
    BusyBoard board(3, 0, 0);
    plat::RasterDc dc(kWidth, kHeight);
    PrepareScreenMapping(dc, kClient);
    PaintBoardView(dc, board.doc);
    g_board.objects = board.doc.objects->data();
    g_board.count = board.doc.objectCount;
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const int left = (kWidth - w) / 2, top = 100;
    plat::Point corners[2] = {{left, top}, {left + w, top + h}};
    dc.DPtoLP(corners);
    for (auto _ : state) {
        PrepareScreenMapping(dc, kClient);
        RedrawRect(dc, corners[0].x, corners[0].y, corners[1].x, corners[1].y);
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::to_string(w) + " x " + std::to_string(h) + " pixels");
}
BENCHMARK(RedrawStrip)->Args({kWidth, 20})->Args({kWidth, 100})->Args({60, 60})->Unit(benchmark::kMillisecond);

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
