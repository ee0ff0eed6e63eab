// Painting a board of 30,000 objects (traces, pads, texts, placed parts) at every zoom level
// into an 800 x 600 image.
#include "common/string_helpers.h"
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

constexpr int kObjects = 30000;

BoardObject makeObject(int kind, int layer, std::array<int32_t, 8> words)
{
    BoardObject o;
    std::copy(words.begin(), words.end(), o.w.begin());
    o.w[4] = static_cast<int32_t>(static_cast<uint32_t>(layer) << 10) | kind;
    return o;
}

// An 8-pad package with a silk outline.
int addPackage()
{
    const int n = ++g_packages.count;
    g_packages.defs[static_cast<size_t>(n)].name = "LIB\\SO8";
    const int header = g_packages.objectCount + 1;
    int i = header;
    for (int p = 0; p < 8; ++p)
        g_packages.objects[static_cast<size_t>(++i)] =
            makeObject(kKindPad, 0, {-10000 + (p % 4) * 500, -5000 + (p / 4) * 2000, 300, 600, 0, 2, 0, 0});
    g_packages.objects[static_cast<size_t>(++i)] = makeObject(kKindRectangle, 16, {-10300, -4500, 2100, 1000, 0, 0, 0, 60});
    BoardObject& h = g_packages.objects[static_cast<size_t>(header)];
    h.w[0] = i - header;
    h.w[1] = i;
    h.w[4] = 1;
    g_packages.defs[static_cast<size_t>(n)].setObjects(header, i - header + 1);
    g_packages.objectCount = i;
    ComputePartExtent(n);
    return n;
}

// Spread over the 'C' work area (8000 x 8000 mils) in the proportions of a dense layout.
void fillBoard(BoardDocumentData& doc)
{
    g_board.sizeLetter = 'C';
    InitNewBoard(doc);
    const int package = addPackage();
    for (int i = 2; i <= kObjects; ++i) {
        const auto x = static_cast<int32_t>((int64_t{i} * 7919) % 760000 - 380000);
        const auto y = static_cast<int32_t>((int64_t{i} * 104729) % 760000 - 380000);
        BoardObject& o = g_board.objects[i];
        if (i % 50 == 0) {
            o = makeObject(kKindPart + package, 0, {x, y, -10300, -5600, 0, -1, (i % 4) * 900, i / 50});
            o.data = StrDupChecked("U");
        } else if (i % 10 == 0) {
            o = makeObject(kKindText, 16, {x, y, 0x301, 0, 0, 0, 0, 0});
            o.data = StrDupChecked("R" + std::to_string(i));
        } else if (i % 3 == 0) {
            o = makeObject(kKindPad, 31, {x, y, 600, 600, 0, i % 2 ? 0 : 5, 350, 0});
        } else {
            o = makeObject(kKindLine, i % 2, {x, y, x + 1234, y - 567, 0, 0, 0, 120});
        }
    }
    g_board.count = kObjects;
    doc.objectCount = kObjects;
}

void PaintAtZoom(benchmark::State& state)
{
    plat::TestUiHost host;
    ClearPackageTables();
    SeedColorMap();
    BuildBoardPalette();
    g_boardSettings.layerSwitches[1] = 1;
    g_boardSettings.layerDisplay[0] = 1;
    BoardDocumentData doc;
    fillBoard(doc);
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
