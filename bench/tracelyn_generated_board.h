#pragma once
// The generated boards of the routing benchmarks: through-hole and surface parts in a grid with
// their nets written as a netlist beside them, the batch settings they are routed with, and the
// shapes of the 45-part and 500-part boards.

#include "bench/tracelyn_bench_folder.h"

#include "common/string_helpers.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/route/router_dialogs.h"

#include <fstream>
#include <sstream>
#include <string>

namespace tracelyn_bench {

// Surface pads (style 2, layer 0) in two rows, 500 units apart.
inline package_test::TestPackage smd8()
{
    package_test::TestPackage p("SMD8");
    p.text(-10000, -5000, ";Surface part");
    for (int i = 0; i < 8; ++i) {
        const int32_t x = -10000 - 750 + 500 * (i % 4);
        const int32_t y = -5000 + (i < 4 ? -1000 : 1000);
        BoardObject& o = p.add(kKindPad, 0, x, y);
        o.w[2] = 240;
        o.w[3] = 600;
        o.w[5] = 2;
        p.text(x, y, std::to_string(i + 1), 0);
    }
    p.text(-10000, -6500, "p?");
    return p;
}

// What a generated board holds: parts in a grid of columns, spacingX by spacingY apart, on a
// work area of sizeLetter; nets join pin k of groups of perNet parts; mixed makes every second
// part a surface part, power puts the last pin of every part on Vcc.
struct BoardShape {
    int parts;
    int columns;
    int32_t spacingX, spacingY;
    int perNet;
    int sizeLetter;
    bool mixed, power;
};

// A generated board in a temporary folder.
class GeneratedBoard : public tracelyn_bench::BenchBoardFolder {
public:
    GeneratedBoard(const BoardShape& shape, const std::string& prefix) : BenchBoardFolder(prefix, package_test::dip8(), smd8())
    {
        const auto [parts, columns, spacingX, spacingY, perNet, sizeLetter, mixed, power] = shape;
        g_board.sizeLetter = doc_.sizeLetter = sizeLetter;
        // The board's edge round the whole work area: the routers keep inside it.
        const WorkAreaSize area = WorkAreaOf(sizeLetter);
        SetOutlineRectangle(-area.width * 5, -area.height * 5, area.width * 5, area.height * 5);
        LoadLibraryPart("STD", "DIP8");
        const int dip = g_packages.current;
        LoadLibraryPart("STD", "SMD8");
        const int smd = g_packages.current;
        const int rows = (parts + columns - 1) / columns;
        for (int p = 0; p < parts; ++p) {
            const int index = AppendObject();
            BoardObject& o = g_board.objects[index];
            o.w[0] = static_cast<int32_t>((p % columns - (columns - 1) / 2.0) * spacingX);
            o.w[1] = static_cast<int32_t>((p / columns - (rows - 1) / 2.0) * spacingY);
            const bool surface = mixed && p % 2 == 1;
            o.w[4] = kKindPart + (surface ? smd : dip);
            if (surface)
                o.setLayer(0);
            o.w[7] = p + 1;
            o.data = StrDupChecked("U");
        }
        RouterMemory(kRouterMemoryAllocate);
        std::ostringstream nets;
        int count = 0;
        const int pins = power ? 7 : 8;
        for (int group = 0; group * perNet < parts; ++group)
            for (int pin = 1; pin <= pins; ++pin, ++count) {
                nets << "N" << group << "_" << pin << "----";
                for (int k = 0; k < perNet && group * perNet + k < parts; ++k)
                    nets << (k ? "," : "") << "u" << group * perNet + k + 1 << "-" << pin;
                nets << "\n";
            }
        if (power) {
            nets << "Vcc----";
            for (int p = 0; p < parts; ++p)
                nets << (p ? "," : "") << "u" << p + 1 << "-8";
            nets << "\n";
            ++count;
        }
        std::ofstream out(netlistPath());
        out << "Netlist for design: bench\nTime: 9:05\nDate: 3/14/25 Fri\nProcessing time:  0\n"
            << "Number of signals found=" << count << "\n" << nets.str();
        out.close();
        g_netlist.netlistName = netlistPath().string();
    }
};

inline void setBatch(int32_t grid, int32_t width, int32_t via, int32_t hole)
{
    g_router = RouterState{};
    g_router.layerSwitches[0] = g_router.layerSwitches[1] = 1;
    g_router.values = {via, hole, width, grid, 1026, 0, 5, 24000, 2};
    g_router.gridPitch = BatchGridPitch(grid);
    g_router.passes = 3;
    g_batchExtras = BatchRouterExtras{};
}

// The settings of a batch run: grid, trace width, via size and via hole.
struct BatchValues {
    int32_t grid, width, via, hole;
};

inline constexpr BoardShape k45Parts{45, 9, 7000, 9000, 3, 'C', false, false};
inline constexpr BoardShape k500Parts{500, 50, 6000, 12000, 10, 'F', false, false};
inline constexpr BatchValues kCoarseBatch{703, 120, 300, 150};

}  // namespace tracelyn_bench
