// Painting a sheet of 7,000 objects into a 1600 x 1000 raster image: the whole window at every
// scale, a corner view with few objects in it, and invalidated strips and boxes. Fonts need a Qt
// application object, as in the test programs.
#include "bench/schemora_bench_sheet.h"
#include "platform/gdi/raster_dc.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/sheet_state.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

using schemora_bench::BusySheet;
using schemora_bench::kObjects;

void paletteAndRoles()
{
    for (int i = 0; i < kPaletteEntries; ++i)
        g_palette.entries[static_cast<size_t>(i)] = {static_cast<uint8_t>(i * 8), static_cast<uint8_t>(255 - i * 8),
                                                     static_cast<uint8_t>(i * 5), 0};
    for (int r = 0; r < kColorRoles; ++r)
        g_colorRoles.index[static_cast<size_t>(r)] = (r * 7) % kPaletteEntries;
}

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

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

void setZoom(int index, int centreX, int centreY)
{
    g_current.zoomIndex = index;
    g_current.zoomFactor = ZoomDivisorOf(index);
    g_current.viewCentreX = centreX;
    g_current.viewCentreY = centreY;
}

std::string labelOf(const plat::Dc& dc, const plat::Rect& client)
{
    return std::to_string(kZoomDivisors[static_cast<size_t>(g_current.zoomIndex)]) + " units/pixel, " +
           std::to_string(percentInView(dc, client)) + "% in view";
}

void paintWindow(benchmark::State& state, int centreX, int centreY)
{
    paletteAndRoles();
    BusySheet sheet;
    setZoom(static_cast<int>(state.range(0)), centreX, centreY);
    const plat::Rect client{0, 0, kWidth, kHeight};
    plat::RasterDc dc(client.width(), client.height());
    for (auto _ : state) {
        PrepareScreenMapping(dc, client);
        PaintSheetView(dc, client);
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
    state.SetLabel(labelOf(dc, client));
}

// The whole window, with the view on the middle of the circuits (x 0, y -3300).
void BM_PaintSheet(benchmark::State& state) { paintWindow(state, 0, -3300); }
BENCHMARK(BM_PaintSheet)->DenseRange(0, kMaxScaleIndex)->Unit(benchmark::kMillisecond);

// The view on one corner of the circuits, so that at most a tenth of them is in the window.
void BM_PaintSheetCorner(benchmark::State& state) { paintWindow(state, -7000, -4500); }
BENCHMARK(BM_PaintSheetCorner)->Arg(5)->Arg(6)->Unit(benchmark::kMillisecond);

// The view moving one pixel to the right before every repaint, so nothing drawn is where it
// was: what a first repaint of a view costs.
void BM_PaintSheetPanning(benchmark::State& state)
{
    paletteAndRoles();
    BusySheet sheet;
    setZoom(static_cast<int>(state.range(0)), 0, -3300);
    const plat::Rect client{0, 0, kWidth, kHeight};
    plat::RasterDc dc(client.width(), client.height());
    static int step = 0;   // never back to a position an earlier run painted
    for (auto _ : state) {
        g_current.viewCentreX = -4000 + (step++ % 8000) * g_current.zoomFactor;
        PrepareScreenMapping(dc, client);
        PaintSheetView(dc, client);
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
    state.SetLabel(labelOf(dc, client));
}
BENCHMARK(BM_PaintSheetPanning)->Arg(0)->Arg(3)->Arg(6)->Unit(benchmark::kMillisecond);

// An invalidated rectangle of the window, in pixels: a scroll step along the top and a moved
// object's box, at a middle zoom (5 units/pixel) with the window full of circuits.
void BM_RedrawSheetRect(benchmark::State& state)
{
    paletteAndRoles();
    BusySheet sheet;
    setZoom(3, 0, -3300);
    const plat::Rect client{0, 0, kWidth, kHeight};
    plat::RasterDc dc(client.width(), client.height());
    PrepareScreenMapping(dc, client);
    PaintSheetView(dc, client);
    const int zoom = g_current.zoomFactor;
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const int left = (kWidth - w) / 2, top = 100;
    for (auto _ : state) {
        PrepareScreenMapping(dc, client);
        RedrawSheetRect(dc, left * zoom, top * zoom, (left + w) * zoom, (top + h) * zoom, 1);
    }
    state.SetLabel(std::to_string(w) + " x " + std::to_string(h) + " pixels");
}
BENCHMARK(BM_RedrawSheetRect)->Args({kWidth, 20})->Args({kWidth, 100})->Args({60, 60})->Unit(benchmark::kMillisecond);

}  // namespace

// Included last: Qt's keyword macros (slots, ...) would clash with the store's names above.
#include <QGuiApplication>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
