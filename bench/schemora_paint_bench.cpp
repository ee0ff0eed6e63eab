// Painting a full sheet of 7,000 objects into a raster image, at every scale. Fonts need a Qt
// application object, as in the test programs.
#include "platform/gdi/raster_dc.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/sheet_state.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <string>

namespace {

constexpr int kObjects = 7000;

std::array<int32_t, kDrawObjectWords> words(int type, int x, int y, int w2, int w3)
{
    std::array<int32_t, kDrawObjectWords> w{};
    w[0] = x;
    w[1] = y;
    w[2] = w2;
    w[3] = w3;
    w[4] = type;
    w[6] = 6;
    w[23] = 1;
    return w;
}

// A D-size sheet filled with a grid of small circuits: wires, boxes, texts, dots and circles.
struct BusySheet {
    DrawObjectStore store;

    BusySheet()
    {
        store.allocate();
        int n = 0;
        for (int i = 0; n < kObjects; ++i) {
            const int x = -8000 + (i % 80) * 200;
            const int y = -5000 + (i / 80) * 200;
            const std::array<std::array<int32_t, kDrawObjectWords>, 5> kinds{
                words(kObjLine, x, y, x + 150, y), words(kObjRectangle, x + 20, y + 20, 100, 60),
                words(kObjText, x, y + 150, (6 << 8) | 1, 0), words(kObjDot, x + 150, y, 0, 0),
                words(kObjEllipse, x + 80, y + 100, 30, 30)};
            for (const auto& w : kinds) {
                if (n == kObjects)
                    break;
                store[++n] = MakeDrawObject(w, w[4] == kObjText ? "U12" : nullptr);
            }
        }
        g_current.objects = store.slots();
        g_current.count = kObjects;
        g_current.sheetSize = 'D';
        g_current.gridCommand = 703;
        g_current.gridStep = 50;
    }
    ~BusySheet() { g_current = CurrentDrawing{}; }
};

void paletteAndRoles()
{
    for (int i = 0; i < kPaletteEntries; ++i)
        g_palette.entries[static_cast<size_t>(i)] = {static_cast<uint8_t>(i * 8), static_cast<uint8_t>(255 - i * 8),
                                                     static_cast<uint8_t>(i * 5), 0};
    for (int r = 0; r < kColorRoles; ++r)
        g_colorRoles.index[static_cast<size_t>(r)] = (r * 7) % kPaletteEntries;
}

void BM_PaintSheet(benchmark::State& state)
{
    paletteAndRoles();
    BusySheet sheet;
    g_current.zoomIndex = static_cast<int>(state.range(0));
    g_current.zoomFactor = ZoomDivisorOf(g_current.zoomIndex);
    const plat::Rect client{0, 0, 1280, 1024};
    plat::RasterDc dc(client.width(), client.height());
    for (auto _ : state) {
        PrepareScreenMapping(dc, client);
        PaintSheetView(dc, client);
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
    state.SetLabel(std::to_string(kZoomDivisors[static_cast<size_t>(g_current.zoomIndex)]) + " units/pixel");
}
BENCHMARK(BM_PaintSheet)->DenseRange(0, kMaxScaleIndex)->Unit(benchmark::kMillisecond);

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
