// Painting a board of 30,000 objects, traces, pads, texts and placed parts (the cases of
// bench/paint_cases.h): the whole window at every zoom, a corner view with few objects in it,
// the view panning, and invalidated strips and boxes.
#include "bench/paint_cases.h"
#include "bench/tracelyn_bench_board.h"
#include "platform/core/test_ui_host.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_painter.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/package_tables.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

using tracelyn_bench::fillBoard;

using paint_bench::kClient;
using paint_bench::kHeight;
using paint_bench::kWidth;

// The board in its document, with the palette and layer switches of a fresh program.
class BoardScene {
public:
    static constexpr int kObjects = tracelyn_bench::kObjects;

    BoardScene(int zoom, int32_t originX, int32_t originY)
    {
        ClearPackageTables();
        SeedColorMap();
        BuildBoardPalette();
        g_boardSettings.layerSwitches[1] = 1;
        g_boardSettings.layerDisplay[0] = 1;
        fillBoard(doc_, 380000);
        g_board.zoomIndex = zoom;
        doc_.zoomIndex = zoom;
        g_view.zoomDivisor = ZoomDivisorOf(zoom);
        g_board.viewOriginX = originX;
        g_board.viewOriginY = originY;
    }
    ~BoardScene()
    {
        CloseBoardDocument(doc_, nullptr);
        ClearPackageTables();
        g_board.viewOriginX = g_board.viewOriginY = 0;
    }
    BoardScene(const BoardScene&) = delete;
    BoardScene& operator=(const BoardScene&) = delete;

    void paint(plat::RasterDc& dc)
    {
        PrepareScreenMapping(dc, kClient);
        PaintBoardView(dc, doc_);
    }
    void pan(int step) { g_board.viewOriginX = (step % 4000) * g_view.zoomDivisor; }
    void aim(plat::RasterDc& dc, const plat::Rect& pixels)
    {
        g_board.objects = doc_.objects->data();
        g_board.count = doc_.objectCount;
        area_[0] = {pixels.left, pixels.top};
        area_[1] = {pixels.right, pixels.bottom};
        dc.DPtoLP(area_);
    }
    void redraw(plat::RasterDc& dc)
    {
        PrepareScreenMapping(dc, kClient);
        RedrawRect(dc, area_[0].x, area_[0].y, area_[1].x, area_[1].y);
    }
    // The share of objects whose anchor lies in the client area.
    std::string label(const plat::Dc& dc)
    {
        g_board.objects = doc_.objects->data();
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

private:
    plat::TestUiHost host_;
    BoardDocumentData doc_;
    plat::Point area_[2]{};
};

// The whole window with the board's centre in the middle, at every zoom.
void PaintAtZoom(benchmark::State& state) { paint_bench::paintWindow<BoardScene>(state, 0, 0); }
BENCHMARK(PaintAtZoom)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

// The view on the board's corner, so that at most a tenth of the objects is in the window.
void PaintCorner(benchmark::State& state) { paint_bench::paintWindow<BoardScene>(state, -30000, -30000); }
BENCHMARK(PaintCorner)->Arg(3)->Arg(5)->Arg(7)->Unit(benchmark::kMillisecond);

void PaintPanning(benchmark::State& state) { paint_bench::paintPanning<BoardScene>(state, 0, 0); }
BENCHMARK(PaintPanning)->Arg(0)->Arg(3)->Arg(7)->Unit(benchmark::kMillisecond);

// A scroll step along the top and a moved object's box, at zoom 3 with the window full of
// objects.
void RedrawStrip(benchmark::State& state) { paint_bench::redrawRect<BoardScene>(state, 3, 0, 0); }
BENCHMARK(RedrawStrip)->Args({kWidth, 20})->Args({kWidth, 100})->Args({60, 60})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return paint_bench::runPaintBenchmarks(argc, argv); }
