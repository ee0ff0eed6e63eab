// The via optimiser moves jogs between vias to the other layer and removes the vias left
// joining one layer; the adjustment moves vias with their trace ends; connections never change.
#include "tracelyn/route/route_fixture.h"

#include <functional>

namespace route_test {
namespace {

class ViaOptimizerTest : public RouteTest {
protected:
    int via(int32_t x, int32_t y)
    {
        BoardObject v = MakeRouteObject(kKindPad, kLayerAll, x, y, 300, 300);
        v.w[5] = kPadThroughVia;
        v.w[6] = 150;
        return add(v);
    }
    int countVias() const
    {
        int n = 0;
        for (int i = 1; i <= g_board.count; ++i)
            n += g_board.objects[i].kind() == kKindPad && IsViaStyle(g_board.objects[i].w[5] & 15);
        return n;
    }
};

TEST_F(ViaOptimizerTest, JogBetweenTwoViasMovesAndTheViasGo)
{
    trace(0, 0, -3000, 0, 0);      // even layer down to the first via
    via(0, 0);
    const int jog = trace(1, 0, 0, 2000, 0);
    via(2000, 0);
    trace(0, 2000, 0, 2000, 3000);
    COptimizeDlg optimizer;
    EXPECT_EQ(optimizer.OptimizeVias(1), 2);
    EXPECT_EQ(g_board.objects[jog].layer(), 0);
    EXPECT_EQ(countVias(), 0);
    ASSERT_FALSE(host.messageBoxes().empty());
    EXPECT_EQ(host.messageBoxes().back().rfind("Number of vias removed: 2\ntime=", 0), 0u);
    EXPECT_EQ(g_optimizerStats.optimize1, 4);   // the jog stage's removals weigh twice
}

TEST_F(ViaOptimizerTest, StubFromAThroughPadTakesTheRunsLayerAndItsViaGoes)
{
    writeLibrary(twoPin());
    const int part = place(package("TWO"), "U", 1, 0, 0);   // pads at -500 and 500
    g_board.objects[part].setLayer(kLayerAll);
    // Pad, a bent stub on the even layer, a via, the run on the odd layer.
    const int stub1 = trace(0, 500, 0, 1500, 0);
    const int stub2 = trace(0, 1500, 0, 1500, 1000);
    via(1500, 1000);
    const int run = trace(1, 1500, 1000, 6000, 1000);
    COptimizeDlg optimizer;
    EXPECT_EQ(optimizer.OptimizeVias(0), 1);
    EXPECT_EQ(countVias(), 0);
    EXPECT_EQ(g_board.objects[stub1].layer(), 1);
    EXPECT_EQ(g_board.objects[stub2].layer(), 1);
    EXPECT_EQ(g_board.objects[run].layer(), 1);
    EXPECT_EQ(g_optimizerStats.optimize1, 1);
}

TEST_F(ViaOptimizerTest, RunBetweenTwoViasTakesItsNeighboursLayer)
{
    struct Case {
        const char* name;
        std::function<void()> extra;
        int vias;
    };
    const Case cases[] = {
        {"nothing in the way", [] {}, 0},
        {"a trace of another net on the new layer", [this] { trace(0, 500, 500, 3000, 500); }, 2},
        {"surface parts on both sides", [this] {
             writeLibrary(smdRow(2));
             const int smd = package("SMD2");
             const int top = place(smd, "U", 1, 0, 20000);
             const int bottom = place(smd, "U", 2, 8000, 20000);
             g_board.objects[top].setLayer(0);
             g_board.objects[bottom].setLayer(1);
         }, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TruncateObjects(1);
        // Even layer, via, a bend of two traces on the odd layer, via, even layer: no single
        // trace of the bend stands between two vias.
        trace(0, -3000, 0, 0, 0);
        via(0, 0);
        const int first = trace(1, 0, 0, 1000, 0);
        const int second = trace(1, 1000, 0, 1000, 1000);
        via(1000, 1000);
        trace(0, 1000, 1000, 1000, 4000);
        c.extra();
        COptimizeDlg optimizer;
        EXPECT_EQ(optimizer.OptimizeVias(0), 2 - c.vias);
        EXPECT_EQ(countVias(), c.vias);
        EXPECT_EQ(g_board.objects[first].layer(), c.vias == 0 ? 0 : 1);
        EXPECT_EQ(g_board.objects[second].layer(), c.vias == 0 ? 0 : 1);
        EXPECT_EQ(g_optimizerStats.optimize1, 0);   // the pairs stage is not counted
    }
}

TEST_F(ViaOptimizerTest, ViasThatStillJoinTwoLayersStay)
{
    struct Case {
        const char* name;
        std::function<void()> build;
        int vias;
    };
    const Case cases[] = {
        {"traces of two layers end on it", [this] {
             trace(0, 0, -3000, 0, 0);
             via(0, 0);
             trace(1, 0, 0, 3000, 0);
         }, 1},
        {"the jog would cross a trace", [this] {
             trace(0, 0, -3000, 0, 0);
             via(0, 0);
             trace(1, 0, 0, 2000, 0);
             via(2000, 0);
             trace(0, 2000, 0, 2000, 3000);
             trace(0, 1000, -2000, 1000, 2000);
         }, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TruncateObjects(1);
        c.build();
        const auto before = words();
        COptimizeDlg optimizer;
        EXPECT_EQ(optimizer.OptimizeVias(0), 0);
        EXPECT_EQ(countVias(), c.vias);
        EXPECT_EQ(words(), before);
    }
}

TEST_F(ViaOptimizerTest, AdjustmentMovesViasWithTheirTraces)
{
    writeLibrary(twoPin());
    const int two = package("TWO");
    place(two, "U", 1, 0, 0);          // pads at -500 and 500, 600 square
    // 455 above the pad centre: clear of the pad, but within 300 + 10 + 150.
    const int near = via(500, 455);
    const int t = trace(0, 500, 455, 500, 3000);
    // On the square pad's centre: counted, never moved.
    const int centred = via(-500, 0);
    host.answerMessageBox(plat::kIdYes);
    EXPECT_EQ(AdjustViaPositions(), 2);
    EXPECT_EQ(g_board.objects[near].w[1], 460);
    EXPECT_EQ(g_board.objects[t].w[1], 460);   // the trace end moved with it
    EXPECT_EQ(g_board.objects[centred].w[0], -500);
    EXPECT_EQ(host.messageBoxes().back(), "Adusted positions of 2 vias");
}

TEST_F(ViaOptimizerTest, AdjustmentThatWouldTouchOtherCopperIsLeftOut)
{
    writeLibrary(twoPin());
    const int two = package("TWO");
    place(two, "U", 1, 0, 0);
    const int near = via(500, 455);
    trace(1, -2000, 669, 2000, 669);   // a trace the moved via would reach
    host.answerMessageBox(plat::kIdYes);
    EXPECT_EQ(AdjustViaPositions(), 0);
    EXPECT_EQ(g_board.objects[near].w[1], 455);
    EXPECT_EQ(host.messageBoxes().back(), "No adjustments made");
}

TEST_F(ViaOptimizerTest, AnsweringNoAdjustsNothing)
{
    via(0, 0);
    via(10, 0);
    const auto before = words();
    host.answerMessageBox(plat::kIdNo);
    EXPECT_EQ(AdjustViaPositions(), -1);
    EXPECT_EQ(words(), before);
    EXPECT_EQ(host.messageBoxes().back(), "Adjust via positions for clearance?");
}

TEST_F(ViaOptimizerTest, CoincidentViasStayWhereTheyAre)
{
    const int a = via(0, 0);
    const int b = via(0, 0);
    host.answerMessageBox(plat::kIdYes);
    EXPECT_EQ(AdjustViaPositions(), 0);
    EXPECT_EQ(g_board.objects[a].w[0], 0);
    EXPECT_EQ(g_board.objects[b].w[0], 0);
}

TEST_F(ViaOptimizerTest, OptimisingRoutedBoardsKeepsEveryConnection)
{
    g_boardSettings.RouteMode = kRouteTwoLayers;
    g_mazeSettings.viaSize = 300;
    routeDipGrid();
    const ConnectivityReport before = CheckCopper();
    ASSERT_GT(countVias(), 0);
    COptimizeDlg optimizer;
    optimizer.OptimizeVias(0);
    EXPECT_EQ(CheckCopper(), before);
    host.answerMessageBox(plat::kIdYes);
    AdjustViaPositions();
    EXPECT_EQ(CheckCopper(), before);
}

}  // namespace
}  // namespace route_test
