// Netlisting a drawing of 2,000 parts: 100 rows of parts in series, each joint a labelled wire,
// each row led by a part with hidden power pins.
#include "platform/core/test_ui_host.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/design_name.h"
#include "schemora/core/part_library.h"
#include "schemora/netlist/netlist_builder.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

using Words = std::array<int32_t, kDrawObjectWords>;

Words words(int type, int x, int y, int w2 = 0, int w3 = 0)
{
    return ObjectWords(type, x, y, w2, w3);
}

LibraryPart twoPin(const char* name)
{
    LibraryPart p{name, {}};
    p.elements.push_back(MakeDrawObject(words(kObjLine, -1000, -500, -900, -500), nullptr));
    p.elements.push_back(MakeDrawObject(words(kObjText, -950, -500, 0x0A01), "1"));
    p.elements.push_back(MakeDrawObject(words(kObjLine, -600, -500, -700, -500), nullptr));
    p.elements.push_back(MakeDrawObject(words(kObjText, -650, -500, 0x0A01), "2"));
    p.elements.push_back(MakeDrawObject(words(kObjRectangle, -900, -530, 200, 60), nullptr));
    p.elements.push_back(MakeDrawObject(words(kObjText, -850, -600, 0x0A01), "R?"));
    return p;
}

LibraryPart gate()
{
    LibraryPart p = twoPin("GATE");
    p.elements.push_back(MakeDrawObject(words(kObjText, -850, -700, 0x0A01), "v=14"));
    p.elements.push_back(MakeDrawObject(words(kObjText, -850, -750, 0x0A01), "g=7"));
    return p;
}

struct Drawing {
    plat::TestUiHost host;
    std::filesystem::path folder;
    DrawObjectStore store;

    Drawing(int rows, int perRow)
    {
        folder = std::filesystem::temp_directory_path() / ("netlist_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        g_folders.libraryFolder = folder.string() + "/";
        std::vector<LibraryPart> parts = {twoPin("R"), gate()};
        WritePartLibraryFile(folder.string() + "/BENCH.CON", parts);
        for (auto& p : parts)
            for (DrawObject& e : p.elements)
                ReleaseObjectData(e);
        LoadLibraryPart("BENCH", "R");
        const int resistor = g_partSymbols.current;
        LoadLibraryPart("BENCH", "GATE");
        const int quad = g_partSymbols.current;
        store.allocate();
        g_current.objects = store.slots();
        g_current.count = 0;
        auto add = [this](const DrawObject& o) { store[++g_current.count] = o; };
        int number = 0;
        for (int r = 0; r < rows; ++r) {
            const int y = r * 1000;
            for (int i = 0; i < perRow; ++i) {
                const int x = i * 800;
                const bool isGate = i == 0;
                Words w = words(kObjPart + (isGate ? quad : resistor), x, y);
                w[6] = ++number;
                // Lower-case resistor prefixes keep the parts out of the 498 reference records.
                add(MakeDrawObject(w, isGate ? "U" : "r:1k"));
                add(MakeDrawObject(words(kObjLine, x + 400, y, x + 800, y), nullptr));
                add(MakeDrawObject(words(kObjText, x + 600, y), ("N" + std::to_string(number % 1500)).c_str()));
            }
        }
        g_designName.text = folder.string() + "/bench.pic";
    }

    ~Drawing()
    {
        g_current = CurrentDrawing{};
        store.release();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

void BM_NetlistTwoThousandParts(benchmark::State& state)
{
    Drawing drawing(100, 20);
    for (auto _ : state) {
        CNetlistBuilder builder;
        if (builder.GenerateNetlist() != 1)
            state.SkipWithError("the netlist was not written");
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_NetlistTwoThousandParts)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
