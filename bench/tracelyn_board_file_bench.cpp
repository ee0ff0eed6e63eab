// Writing and reading a board of 30,000 objects in memory.
#include "common/string_helpers.h"
#include "platform/core/archive.h"
#include "platform/core/test_ui_host.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_file.h"
#include "tracelyn/core/board_state.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kObjects = 30000;

// A board of traces, pads and texts in the proportions of a dense layout.
void fillBoard(BoardDocumentData& doc)
{
    InitNewBoard(doc);
    for (int i = 2; i <= kObjects; ++i) {
        BoardObject& o = g_board.objects[i];
        const auto x = static_cast<int32_t>((int64_t{i} * 7919) % 300000 - 150000);
        const auto y = static_cast<int32_t>((int64_t{i} * 104729) % 300000 - 150000);
        if (i % 10 == 0) {
            o.w = {x, y, 0x305, 0, kKindText + 16 * 1024};
            o.data = StrDupChecked("R" + std::to_string(i) + " 10k 0805");
        } else if (i % 3 == 0) {
            o.w = {x, y, 600, 600, kKindPad, 1, 350, 0};
        } else {
            o.w = {x, y, x + 1234, y - 567, kKindLine + (i % 4) * 1024, 0, 0, 120};
        }
    }
    g_board.count = kObjects;
    doc.objectCount = kObjects;
}

std::vector<uint8_t> writeBoard()
{
    plat::Archive archive(plat::Archive::Mode::Store);
    WriteBoard(archive, kFileModeBoard);
    return archive.takeBytes();
}

void BM_WriteBoard(benchmark::State& state)
{
    plat::TestUiHost host;
    BoardDocumentData doc;
    fillBoard(doc);
    size_t bytes = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> file = writeBoard();
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    CloseBoardDocument(doc, nullptr);
}
BENCHMARK(BM_WriteBoard)->Unit(benchmark::kMillisecond);

void BM_ReadBoard(benchmark::State& state)
{
    plat::TestUiHost host;
    std::vector<uint8_t> file;
    {
        BoardDocumentData source;
        fillBoard(source);
        file = writeBoard();
        CloseBoardDocument(source, nullptr);
    }
    for (auto _ : state) {
        BoardDocumentData doc;
        PrepareBoardForOpen(doc);
        plat::Archive archive(plat::Archive::Mode::Load, file, "bench.tlz");
        int32_t count = 0;
        ReadBoard(0, &count, archive, kFileModeBoard);
        doc.objectCount = count;
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ReadBoard)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
