// Painting a sheet of 7,000 objects (the cases of bench/paint_cases.h): the whole window at
// every scale, a corner view with few objects in it, the view panning, and invalidated strips
// and boxes.
#include "bench/paint_cases.h"
#include "bench/schemora_bench_sheet.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/sheet_state.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

using schemora_bench::BusySheet;

void paletteAndRoles()
{
    for (int i = 0; i < kPaletteEntries; ++i)
        g_palette.entries[static_cast<size_t>(i)] = {static_cast<uint8_t>(i * 8), static_cast<uint8_t>(255 - i * 8),
                                                     static_cast<uint8_t>(i * 5), 0};
    for (int r = 0; r < kColorRoles; ++r)
        g_colorRoles.index[static_cast<size_t>(r)] = (r * 7) % kPaletteEntries;
}

using paint_bench::kClient;

// The share of objects whose anchor lies in the client area, for the label.
int percentInView(const plat::Dc& dc, const plat::Rect& client)
{
    int inView = 0;
    for (int i = 1; i <= g_current.count; ++i) {
        const DrawObject& o = g_current.objects[static_cast<size_t>(i)];
        const plat::Point p = dc.LPtoDP(plat::Point{o.w[0], o.w[1]});
        inView += p.x >= client.left && p.x < client.right && p.y >= client.top && p.y < client.bottom;
    }
    return inView * 100 / g_current.count;
}

// The busy sheet with a palette and colour roles, the view placed at a zoom.
class SheetScene {
public:
    static constexpr int kObjects = schemora_bench::kObjects;

    SheetScene(int zoom, int32_t centreX, int32_t centreY)
    {
        paletteAndRoles();
        g_current.zoomIndex = zoom;
        g_current.zoomFactor = ZoomDivisorOf(zoom);
        g_current.viewCentreX = centreX;
        g_current.viewCentreY = centreY;
    }
    void paint(plat::RasterDc& dc)
    {
        PrepareScreenMapping(dc, kClient);
        PaintSheetView(dc, kClient);
    }
    void pan(int step) { g_current.viewCentreX = -4000 + (step % 8000) * g_current.zoomFactor; }
    void aim(plat::RasterDc&, const plat::Rect& pixels)
    {
        const int zoom = g_current.zoomFactor;
        area_ = {pixels.left * zoom, pixels.top * zoom, pixels.right * zoom, pixels.bottom * zoom};
    }
    void redraw(plat::RasterDc& dc)
    {
        PrepareScreenMapping(dc, kClient);
        RedrawSheetRect(dc, area_.left, area_.top, area_.right, area_.bottom, 1);
    }
    std::string label(const plat::Dc& dc) const
    {
        return std::to_string(kZoomDivisors[static_cast<size_t>(g_current.zoomIndex)]) + " units/pixel, " +
               std::to_string(percentInView(dc, kClient)) + "% in view";
    }

private:
    BusySheet sheet_;
    plat::Rect area_{};
};

// The whole window, with the view on the middle of the circuits (x 0, y -3300).
void BM_PaintSheet(benchmark::State& state) { paint_bench::paintWindow<SheetScene>(state, 0, -3300); }
BENCHMARK(BM_PaintSheet)->DenseRange(0, kMaxScaleIndex)->Unit(benchmark::kMillisecond);

// The view on one corner of the circuits, so that at most a tenth of them is in the window.
void BM_PaintSheetCorner(benchmark::State& state) { paint_bench::paintWindow<SheetScene>(state, -7000, -4500); }
BENCHMARK(BM_PaintSheetCorner)->Arg(5)->Arg(6)->Unit(benchmark::kMillisecond);

void BM_PaintSheetPanning(benchmark::State& state) { paint_bench::paintPanning<SheetScene>(state, 0, -3300); }
BENCHMARK(BM_PaintSheetPanning)->Arg(0)->Arg(3)->Arg(6)->Unit(benchmark::kMillisecond);

// A scroll step along the top and a moved object's box, at a middle zoom (5 units/pixel) with
// the window full of circuits.
void BM_RedrawSheetRect(benchmark::State& state) { paint_bench::redrawRect<SheetScene>(state, 3, 0, -3300); }
BENCHMARK(BM_RedrawSheetRect)
    ->Args({paint_bench::kWidth, 20})
    ->Args({paint_bench::kWidth, 100})
    ->Args({60, 60})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return paint_bench::runPaintBenchmarks(argc, argv); }
