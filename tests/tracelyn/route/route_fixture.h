#pragma once
// Boards for the routing tests: parts placed from test packages, a netlist written beside the
// board and read into the rats nest, the router settings at known values, and the copper
// checker at hand.

#include "support/default_stores.h"
#include "tracelyn/route/copper_connectivity.h"
#include "tracelyn/route/netlist_fixture.h"

#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/mouse_edit.h"
#include "tracelyn/route/batch_router.h"
#include "tracelyn/route/board_checks.h"
#include "tracelyn/route/board_netlist.h"
#include "tracelyn/route/maze_router.h"
#include "tracelyn/route/route_edit.h"
#include "tracelyn/route/router_dialogs.h"
#include "tracelyn/route/trace_necking.h"
#include "tracelyn/route/trace_smoothing.h"
#include "tracelyn/route/via_optimizer.h"

#include <cstdio>
#include <random>
#include <sstream>

namespace route_test {

using namespace netlist_test;
using copper_test::CheckCopper;
using copper_test::ConnectivityReport;

// `pins` surface pads (style 2, layer 0) in a row 500 units apart, 240 x 600 units.
inline TestPackage smdRow(int pins)
{
    TestPackage p("SMD" + std::to_string(pins));
    p.text(-10000, -5000, ";Surface pads");
    for (int i = 1; i <= pins; ++i) {
        const int32_t x = -10000 + 500 * (i - 1) - 250 * (pins - 1);
        BoardObject& o = p.add(kKindPad, 0, x, -5000);
        o.w[2] = 240;
        o.w[3] = 600;
        o.w[5] = kPadSingleLayer;
        p.text(x, -5000, std::to_string(i), 0);
    }
    p.text(-10000, -5800, "p?");
    return p;
}

class RouteTest : public NetlistTest {
protected:
    void SetUp() override
    {
        NetlistTest::SetUp();
        quill_test::resetToDefaults(g_mazeSettings, g_mazeRoute, g_smoothing, g_necking, g_routeStore, g_batchExtras,
                                    g_designRules);
        g_boardSettings.RouteMode = kRouteOneLayer;
        g_view.gridStepX = g_view.gridStepY = 500;
        g_board.gridCommand = 703;
        g_board.zoomIndex = 3;
        ClearUndoRing();
    }
    void TearDown() override
    {
        // A pass run without its report leaves the progress window to its caller.
        CloseProgressWindow();
        ClearUndoRing();
        g_boardSettings.RouteMode = kRouteOneLayer;
        NetlistTest::TearDown();
    }

    // Reads the netlist and draws its rats nest.
    void loadNets(const std::string& nets, int count)
    {
        writeNetlist(netlistHeader(count) + nets);
        ASSERT_EQ(BuildRatsNest(1), 1);
    }

    // Routes one rats-nest line as tool 303 does: its straight trace appended as the
    // placeholder, then the maze router. 1 routed; a failed attempt leaves nothing behind.
    int routeLine(const BoardObject& line)
    {
        BoardObject trace = MakeRouteObject(kKindLine, 0, line.w[0], line.w[1], line.w[2], line.w[3]);
        const int before = g_board.count;
        const int index = AppendRouteObject(trace);
        if (index == 0)
            return 0;
        const int routed = RouteOneConnection(index);
        if (routed == 0)
            TruncateObjects(before);
        return routed;
    }

    // Routes every rats-nest line in turn, over again while any is routed; the number routed.
    int routeEveryLine()
    {
        int routed = 0;
        for (bool more = true; more;) {
            more = false;
            for (int i = 1; i <= g_board.count; ++i) {
                const BoardObject o = g_board.objects[i];
                if (o.kind() == kKindNoRoute && routeLine(o) == 1) {
                    ++routed;
                    more = true;
                    break;
                }
            }
        }
        return routed;
    }

    static bool undo() { return UndoLastStep(g_active.document) == UndoOutcome::Undone; }

    // The router-made traces: every one runs along its layer's axis (even vertical, odd
    // horizontal), pad links and fan-out stubs aside.
    static int axisViolations()
    {
        int bad = 0;
        for (int i = 1; i <= g_board.count; ++i) {
            const BoardObject& o = g_board.objects[i];
            if (!IsRouterTrace(o))
                continue;
            const int32_t dx = std::abs(o.w[2] - o.w[0]), dy = std::abs(o.w[3] - o.w[1]);
            if (dx + dy < 250)
                continue;   // a link inside the pad
            if ((o.layer() % 2 == 0 && dx != 0) || (o.layer() % 2 == 1 && dy != 0))
                ++bad;
        }
        return bad;
    }
    // A trace of `width` on `layer`, appended to the board.
    int trace(int layer, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width = 120)
    {
        BoardObject o = MakeRouteObject(kKindLine, layer, x1, y1, x2, y2);
        o.w[7] = width;
        return add(o);
    }
    static int countKind(int kind, int layer = -1)
    {
        int n = 0;
        for (int i = 1; i <= g_board.count; ++i)
            n += g_board.objects[i].kind() == kind && (layer < 0 || g_board.objects[i].layer() == layer);
        return n;
    }
    // `parts` parts of package `package` in a grid of `columns`, centred on the board; nets join
    // pin k of consecutive groups of `perNet` parts. Returns the netlist lines and their count.
    std::pair<std::string, int> placeGrid(int package, int parts, int columns, int32_t spacingX, int32_t spacingY,
                                          int pins, int perNet)
    {
        const int rows = (parts + columns - 1) / columns;
        // The board's edge round the whole work area: the routers keep inside it.
        const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
        SetOutlineRectangle(-area.width * 5, -area.height * 5, area.width * 5, area.height * 5);
        for (int p = 0; p < parts; ++p) {
            const auto x = static_cast<int32_t>((p % columns - (columns - 1) / 2.0) * spacingX);
            const auto y = static_cast<int32_t>((p / columns - (rows - 1) / 2.0) * spacingY);
            place(package, "U", p + 1, x, y);
        }
        std::ostringstream out;
        int nets = 0;
        for (int group = 0; group * perNet < parts; ++group) {
            for (int pin = 1; pin <= pins; ++pin) {
                out << "N" << group << "_" << pin << "----";
                for (int k = 0; k < perNet && group * perNet + k < parts; ++k)
                    out << (k ? "," : "") << "u" << group * perNet + k + 1 << "-" << pin;
                out << "\n";
                ++nets;
            }
        }
        return {out.str(), nets};
    }

    // `parts` DIP8 parts placed as placeGrid places them, their nets written as the schematic
    // program's netlist file.
    void netDipGrid(int parts, int columns, int32_t spacingX, int32_t spacingY, int pins, int perNet)
    {
        writeLibrary(dip8());
        const auto [nets, count] = placeGrid(package("DIP8"), parts, columns, spacingX, spacingY, pins, perNet);
        writeNetlist(netlistHeader(count) + nets);
    }

    // Six DIP8 parts in two rows of three, the like pins of each row netted, every rats-nest
    // line routed.
    void routeDipGrid()
    {
        writeLibrary(dip8());
        const auto [nets, count] = placeGrid(package("DIP8"), 6, 3, 6000, 7000, 8, 3);
        loadNets(nets, count);
        routeEveryLine();
    }

    static std::vector<std::array<int32_t, 14>> words()
    {
        std::vector<std::array<int32_t, 14>> all;
        for (int i = 1; i <= g_board.count; ++i)
            all.push_back(g_board.objects[i].w);
        return all;
    }
};

// A board for batch runs: Top and layer 1 routed on the 50-mil grid with three re-tries.
class BatchRunTest : public RouteTest {
protected:
    void SetUp() override
    {
        RouteTest::SetUp();
        g_router.layerSwitches[0] = 1;
        g_router.layerSwitches[1] = 1;
        g_router.values = {300, 150, 120, 703, 1026, 0, 5, 24000, 2};
        g_router.passes = 3;
        g_batchStats = BatchRouterStats{};
        g_optimizerStats = OptimizerStats{};
    }
    // Optimize? Yes or No, the summary's OK, and No to adjusting the vias.
    void answerRun(bool optimize)
    {
        host.answerMessageBox(optimize ? plat::kIdYes : plat::kIdNo);
        host.answerMessageBox(plat::kIdOk);
        host.answerMessageBox(plat::kIdNo);
    }
    // The 45-part board of the routing benchmarks batch-routed, Optimize? answered No; the run's
    // result.
    int routeFortyFiveParts()
    {
        g_board.sizeLetter = 'C';
        netDipGrid(45, 9, 7000, 9000, 4, 3);
        answerRun(false);
        CBatchRouter router;
        return router.BatchRoute();
    }
    // Reads the shipped example board into `opened`, names its netlist and sets the batch values
    // for the 25-mil pitch its parts sit on; false when the full build has not written it.
    bool prepareShippedExample(BoardDocumentData& opened)
    {
        const Bytes board = shippedExampleBoard();
        if (board.empty())
            return false;
        EXPECT_GT(read(opened, board), 0);
        g_netlist.netlistName = shippedExample("rc_filter.net");
        g_router.values[3] = 702;
        g_router.values[0] = 160;
        g_router.values[2] = 80;
        g_router.gridPitch = 250;
        return true;
    }
    std::string summary() const
    {
        for (const std::string& text : host.messageBoxes())
            if (text.rfind("Percentage Complete:", 0) == 0)
                return text;
        return {};
    }
    // The percentage the summary shows equals the share of connections copper joins.
    void expectHonestSummary()
    {
        const ConnectivityReport report = CheckCopper();
        EXPECT_TRUE(report.shorts.empty());
        char expected[32];
        std::snprintf(expected, sizeof expected, "Percentage Complete:%.1f%%", report.joined * 100.0 / report.connections);
        EXPECT_EQ(summary().rfind(expected, 0), 0u) << summary();
        EXPECT_EQ(g_batchStats.routed, report.joined);
    }
};

}  // namespace route_test
