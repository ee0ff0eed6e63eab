// Reading and writing a large drawing (7,000 objects of mixed kinds) through an in-memory
// archive, as opening and saving do.
#include "platform/core/archive.h"
#include "platform/core/test_ui_host.h"
#include "schemora/core/current_document.h"
#include "schemora/core/drawing_file.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kObjects = 7000;

DrawingDocData makeDrawing()
{
    DrawingDocData doc;
    doc.objects.allocate();
    doc.numberOfSheets = 4;
    const int32_t points[] = {0, 0, 50, 0, 50, 50, 0, 50, 25, 75};
    for (int i = 1; i <= kObjects; ++i) {
        std::array<int32_t, kDrawObjectWords> w{};
        w[0] = (i * 37) % 5000 - 2500;
        w[1] = (i * 53) % 4000 - 2000;
        w[2] = w[0] + 100;
        w[3] = w[1] + 50;
        w[6] = 6;
        w[23] = 1 + i % 4;
        const char* text = nullptr;
        switch (i % 10) {
        case 0: w[4] = kObjText; w[2] = 0x0801; w[3] = 0; text = "a label of some length"; break;
        case 1: w[4] = kObjText; w[2] = 0x0801; w[3] = 0; text = "N$17"; break;
        case 2: w[4] = kObjPolygon; w[2] = 5; break;
        case 3: w[4] = kObjRectangle; break;
        case 4: w[4] = kObjDot; break;
        default: w[4] = kObjLine; break;
        }
        doc.objects[i] = MakeDrawObject(w, text, points, 5);
    }
    doc.objectCount = kObjects;
    return doc;
}

std::vector<uint8_t> writeDrawing(DrawingDocData& doc)
{
    g_current.objects = doc.objects.slots();
    g_current.count = doc.objectCount;
    plat::Archive archive(plat::Archive::Mode::Store);
    WriteDrawing(doc, archive, kWriteDrawing, "bench.pic");
    return archive.takeBytes();
}

void BM_WriteDrawing(benchmark::State& state)
{
    DrawingDocData doc = makeDrawing();
    for (auto _ : state) {
        std::vector<uint8_t> bytes = writeDrawing(doc);
        benchmark::DoNotOptimize(bytes.data());
    }
    g_current = CurrentDrawing{};
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_WriteDrawing)->Unit(benchmark::kMillisecond);

void BM_ReadDrawing(benchmark::State& state)
{
    plat::TestUiHost host;
    DrawingDocData source = makeDrawing();
    const std::vector<uint8_t> bytes = writeDrawing(source);
    g_current = CurrentDrawing{};
    for (auto _ : state) {
        state.PauseTiming();
        DrawingDocData doc;
        doc.objects.allocate();
        plat::Archive archive(plat::Archive::Mode::Load, bytes, "bench.pic");
        state.ResumeTiming();
        int count = 0;
        ReadDrawing(doc, 0, &count, archive, doc.objects.slots());
        benchmark::DoNotOptimize(count);
        state.PauseTiming();
        doc.objects.release();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_ReadDrawing)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
