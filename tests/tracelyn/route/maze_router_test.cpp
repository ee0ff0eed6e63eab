// The maze router on real boards: the pad-to-pad tool routes rats-nest lines into copper that
// the checker finds joined and short-free, in one and two layers; the refusals leave the board
// as it was.
#include "tracelyn/route/route_fixture.h"

namespace route_test {
namespace {

class MazeRouterTest : public RouteTest {
protected:
    void placeTwoPins(int32_t x1, int32_t x2, int32_t y = 0)
    {
        writeLibrary(twoPin());
        const int two = package("TWO");
        place(two, "U", 1, x1, y);
        place(two, "U", 2, x2, y);
    }
    // Routes the nets on two layers with vias of size 300: every line routed and joined without a
    // short, the vias standing as pads.
    void expectTwoLayerRoutesJoin(const char* nets, int count)
    {
        g_boardSettings.RouteMode = kRouteTwoLayers;
        g_mazeSettings.viaSize = 300;
        loadNets(nets, count);
        EXPECT_EQ(routeEveryLine(), count);
        const ConnectivityReport report = CheckCopper();
        EXPECT_EQ(report.joined, count);
        EXPECT_TRUE(report.shorts.empty());
        EXPECT_GE(countKind(kKindPad), 2);
    }
};

TEST_F(MazeRouterTest, ToolRoutesOneConnectionOnOneLayer)
{
    placeTwoPins(-4000, 4000);
    loadNets("A----u1-2,u2-1\n", 1);
    ASSERT_EQ(ratsNestLines().size(), 1u);
    EXPECT_EQ(routeLine(*ratsNestLines().front()), 1);
    EXPECT_TRUE(ratsNestLines().empty());
    const ConnectivityReport report = CheckCopper();
    EXPECT_EQ(report.joined, 1);
    EXPECT_TRUE(report.shorts.empty());
    EXPECT_EQ(countKind(kKindPad), 0);
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(MazeRouterTest, RoutedTracesKeepTheirMarkThroughSaveAndReopen)
{
    placeTwoPins(-4000, 4000);
    loadNets("A----u1-2,u2-1\n", 1);
    ASSERT_EQ(routeLine(*ratsNestLines().front()), 1);
    const auto routed = [] {
        int n = 0;
        for (int i = 1; i <= g_board.count; ++i)
            n += IsRouterTrace(g_board.objects[i]) ? 1 : 0;
        return n;
    };
    const int laid = routed();
    ASSERT_GT(laid, 0);
    BoardDocumentData reopened;
    roundTrip(reopened);
    EXPECT_EQ(routed(), laid);
}

TEST_F(MazeRouterTest, TwoLayerRoutesKeepTheLayerAxesAndJoinByVias)
{
    writeLibrary(twoPin());
    const int two = package("TWO");
    // Four parts on a diagonal: each connection needs a horizontal and a vertical run.
    place(two, "U", 1, -6000, -6000);
    place(two, "U", 2, 6000, 6000);
    place(two, "U", 3, -6000, 6000);
    place(two, "U", 4, 6000, -6000);
    expectTwoLayerRoutesJoin("A----u1-2,u2-1\nB----u3-2,u4-1\n", 2);
    EXPECT_EQ(axisViolations(), 0);
    EXPECT_GT(countKind(kKindLine, 0), 0);
    EXPECT_GT(countKind(kKindLine, 1), 0);
}

TEST_F(MazeRouterTest, RoutesAroundPartsWithoutShorts)
{
    writeLibrary(dip8(), twoPin());
    const int dip = package("DIP8");
    const int two = package("TWO");
    // A DIP between the two ends: the route must leave its pads alone.
    place(dip, "U", 1, 0, 0);
    place(two, "U", 2, -8000, 500);
    place(two, "U", 3, 8000, 500);
    loadNets("A----u2-2,u3-1\nB----u1-1,u1-8\n", 2);
    EXPECT_EQ(routeEveryLine(), 2);
    const ConnectivityReport report = CheckCopper();
    EXPECT_EQ(report.joined, 2);
    EXPECT_TRUE(report.shorts.empty());
}

TEST_F(MazeRouterTest, TraceBetweenUnconnectedPointsStaysAsDrawn)
{
    placeTwoPins(-4000, 4000);
    loadNets("A----u1-2,u2-1\n", 1);
    // Boxed in: a closed rectangle of traces round the second part.
    BoardObject box = MakeRouteObject(kKindRectangle, 0, 2500, -1500, 5500, 1500);
    box.w[7] = 120;
    add(box);
    BoardObject trace = MakeRouteObject(kKindLine, 0, -3500, 0, 3500, 0);
    trace.w[7] = g_mazeSettings.traceWidth;
    const int index = AppendRouteObject(trace);
    const auto before = words();
    EXPECT_EQ(RouteOneConnection(index), 0);
    EXPECT_EQ(words(), before);
    EXPECT_EQ(ratsNestLines().size(), 1u);
}

TEST_F(MazeRouterTest, RefusalsLeaveTheBoardAndSayWhy)
{
    struct Case {
        const char* name;
        int32_t x2;
        int32_t grid;
        int size;
        std::string_view message;
    };
    const Case cases[] = {
        {"neighbouring cells", -3550, 703, 'A', kEndPointMessage},
        {"grid wider than the array", 4000, 701, 'G', kGridRangeMessage},
        {"grid below 10 mils", 4000, 700, 'A', kGridRangeMessage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.clearEvents();
        g_progress.abort = 0;
        g_board.sizeLetter = c.size;
        g_board.gridCommand = c.grid;
        BoardObject placeholder = MakeRouteObject(kKindLine, 0, -4000, 0, c.x2, 0);
        placeholder.w[7] = 120;
        ASSERT_GT(AppendRouteObject(placeholder), 0);
        const int count = g_board.count;
        CMazeRouter router;
        EXPECT_EQ(router.RouteTrace(-400, 0, c.x2 / 10, 0, 2), 0);
        EXPECT_EQ(g_board.count, count);
        EXPECT_EQ(g_board.objects[count].kind(), kKindNoRoute);
        ASSERT_FALSE(host.messageBoxes().empty());
        EXPECT_EQ(host.messageBoxes().back(), c.message);
        TruncateObjects(count - 1);
    }
    g_board.sizeLetter = 'A';
    g_board.gridCommand = 703;
}

TEST_F(MazeRouterTest, CloseEndsFailOnlyTheirConnectionInABatch)
{
    g_mazeRoute.batch = 1;
    g_mazeRoute.quiet = 1;
    ASSERT_GT(AppendRouteObject(MakeRouteObject(kKindLine, 0, -4000, 0, -3550, 0)), 0);
    CMazeRouter router;
    EXPECT_EQ(router.RouteTrace(-400, 0, -355, 0, 0), 0);
    EXPECT_EQ(g_progress.abort, 0);
    EXPECT_TRUE(host.messageBoxes().empty());
    g_mazeRoute.batch = 0;
    ASSERT_GT(AppendRouteObject(MakeRouteObject(kKindLine, 0, -4000, 0, -3550, 0)), 0);
    EXPECT_EQ(router.RouteTrace(-400, 0, -355, 0, 0), 0);
    EXPECT_EQ(g_progress.abort, 1);
}

TEST_F(MazeRouterTest, ARouteOverItsLimitsLeavesTheStoreAsItWas)
{
    writeLibrary(twoPin());
    const int two = package("TWO");
    place(two, "U", 1, -6000, -6000);
    place(two, "U", 2, 6000, 6000);
    g_boardSettings.RouteMode = kRouteTwoLayers;
    g_mazeSettings.viaSize = 300;
    for (const auto& [vias, length] : {std::pair{0, 24000}, std::pair{5, 100}}) {
        SCOPED_TRACE(testing::Message() << "vias " << vias << " length " << length);
        g_mazeSettings.maxVias = vias;
        g_mazeSettings.maxLength = length;
        ASSERT_GT(AppendRouteObject(MakeRouteObject(kKindLine, 0, -5500, -6000, 5500, 6000)), 0);
        const auto before = words();
        CMazeRouter router;
        EXPECT_EQ(router.RouteTrace(-550, -600, 550, 600, 0), 0);
        EXPECT_EQ(words(), before);
        TruncateObjects(g_board.count - 1);
    }
}

TEST_F(MazeRouterTest, AFullStoreFailsTheRouteCleanly)
{
    placeTwoPins(-4000, 4000);
    // Fill the store up to two records below its limit with deleted records.
    while (g_board.count < kMaxBoardObjects - 3)
        add(BoardObject{});
    ASSERT_GT(AppendRouteObject(MakeRouteObject(kKindLine, 0, -3500, 0, 3500, 0)), 0);
    const auto before = words();
    CMazeRouter router;
    g_boardSettings.RouteMode = kRouteTwoLayers;
    g_mazeSettings.viaSize = 300;
    // A route with a bend needs more records than are left.
    EXPECT_EQ(router.RouteTrace(-350, 0, 350, 400, 0), 0);
    EXPECT_EQ(words(), before);
    EXPECT_TRUE(g_routeStore.full);
}

TEST_F(MazeRouterTest, SurfacePadsFanOutThroughAVia)
{
    writeLibrary(smdRow(2));
    const int smd = package("SMD2");
    place(smd, "U", 1, -5000, 0);
    place(smd, "U", 2, 5000, 3000);
    expectTwoLayerRoutesJoin("A----u1-2,u2-1\n", 1);
}

TEST_F(MazeRouterTest, SurfacePadsOffTheRouteLayerAreReachedOrRefused)
{
    struct Case {
        const char* name;
        int32_t mode;
        int layer;
        int joined;
    };
    // One layer cannot reach Top's pads from layer 1; a pair above Top reaches them through
    // fan-out vias. Either way no trace ends on a pad it does not touch.
    for (const Case& c : {Case{"layer 1 alone", kRouteOneLayer, 1, 0}, Case{"pair 2/3", kRouteTwoLayers, 2, 1}}) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        writeLibrary(smdRow(2));
        const int smd = package("SMD2");
        place(smd, "U", 1, -5000, 0);
        place(smd, "U", 2, 5000, 3000);
        g_boardSettings.RouteMode = c.mode;
        g_mazeSettings.viaSize = 300;
        g_edit.currentLayer = c.layer;
        loadNets("A----u1-2,u2-1\n", 1);
        EXPECT_EQ(routeEveryLine(), c.joined);
        const ConnectivityReport report = CheckCopper();
        EXPECT_EQ(report.joined, c.joined);
        EXPECT_TRUE(report.shorts.empty());
        if (c.joined == 0) {
            EXPECT_EQ(countKind(kKindLine), 0);
        }
    }
}

}  // namespace
}  // namespace route_test
