// The batch router's main pass: how the connection table is shared out among the enabled layers
// and layer pairs; the retry pass joining a net's last open connection to a pin its copper
// already reaches; routes that start at a via of their net. Every run reports what copper joins.
#include "tracelyn/route/route_fixture.h"

#include "tracelyn/route/batch_passes.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace route_test {
namespace {

// One through pad at the package origin.
TestPackage onePad()
{
    TestPackage p("ONE");
    p.text(-10000, -5000, ";One pad");
    p.pad(1, -10000, -5000);
    p.text(-10000, -5500, "p?");
    return p;
}

// Two through pads 500 units apart, small enough not to touch: neighbouring grid cells.
TestPackage closePair()
{
    TestPackage p("PAIR");
    p.text(-10000, -5000, ";Close pair");
    for (int pin : {1, 2}) {
        const int32_t x = pin == 1 ? -10250 : -9750;
        BoardObject& o = p.add(kKindPad, kLayerAll, x, -5000);
        o.w[2] = o.w[3] = 300;
        o.w[6] = 150;
        p.text(x, -5000, std::to_string(pin), kLayerAll);
    }
    p.text(-10000, -5500, "p?");
    return p;
}

class BatchMainPassTest : public BatchRunTest {
protected:
    void enableOnly(std::initializer_list<int> layers)
    {
        g_router.layerSwitches.fill(0);
        for (int layer : layers)
            g_router.layerSwitches[static_cast<size_t>(layer)] = 1;
    }
    // `rows` two-pin nets, each a straight horizontal run on its own row, in table order.
    void placeRows(int rows)
    {
        writeLibrary(onePad());
        const int one = package("ONE");
        std::string nets;
        for (int r = 0; r < rows; ++r) {
            const int32_t y = (r - rows / 2) * 2000;
            place(one, "U", 2 * r + 1, -4000, y);
            place(one, "U", 2 * r + 2, 4000, y);
            nets += "R" + std::to_string(r) + "----u" + std::to_string(2 * r + 1) + "-1,u" + std::to_string(2 * r + 2) + "-1\n";
        }
        writeNetlist(netlistHeader(rows) + nets);
    }
    // The copper layers of the router traces on each row.
    static std::map<int, std::set<int>> layersByRow(int rows)
    {
        std::map<int, std::set<int>> layers;
        for (int i = 1; i <= g_board.count; ++i) {
            const BoardObject& o = g_board.objects[i];
            if (IsRouterTrace(o) && std::abs(o.w[2] - o.w[0]) > 1000)
                layers[o.w[1] / 2000 + rows / 2].insert(o.layer());
        }
        return layers;
    }
};

TEST_F(BatchMainPassTest, TableIsSharedOutAmongTheEnabledLayers)
{
    struct Case {
        const char* name;
        std::initializer_list<int> layers;
        int rows;
        std::vector<int> expected;   // the layer of each row's run
    };
    const Case cases[] = {
        // Two pairs: half the table (and one more) on 0/1, the rest on 2/3; runs along x go on the odd layer.
        {"two pairs", {0, 1, 2, 3}, 8, {1, 1, 1, 1, 1, 3, 3, 3}},
        // Three single layers: a third of the table (and one more) on each in turn.
        {"three layers", {0, 2, 4}, 9, {0, 0, 0, 0, 2, 2, 2, 2, 4}},
        // One pair: the whole table on it.
        {"one pair", {0, 1}, 4, {1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        enableOnly(c.layers);
        placeRows(c.rows);
        answerRun(false);
        CBatchRouter router;
        EXPECT_EQ(router.BatchRoute(), 1);
        expectHonestSummary();
        EXPECT_EQ(g_batchStats.routed, c.rows);
        const auto layers = layersByRow(c.rows);
        for (int r = 0; r < c.rows; ++r) {
            SCOPED_TRACE(r);
            EXPECT_EQ(layers.count(r) ? layers.at(r) : std::set<int>{}, std::set<int>{c.expected[static_cast<size_t>(r)]});
        }
    }
}

TEST_F(BatchMainPassTest, NoLayerEnabledRoutesNothing)
{
    enableOnly({});
    placeRows(3);
    answerRun(false);
    CBatchRouter router;
    EXPECT_EQ(router.BatchRoute(), 1);
    EXPECT_EQ(summary().rfind("Percentage Complete:0.0%", 0), 0u) << summary();
    EXPECT_EQ(countKind(kKindLine), 0);
    EXPECT_EQ(countKind(kKindNoRoute, kLayerAll), 3);
    expectHonestSummary();
}

TEST_F(BatchMainPassTest, LastOpenConnectionOfANetJoinsAPinItsCopperReaches)
{
    // u2's pins sit in neighbouring cells: the connection between them can never be routed
    // directly, but from its second pin to the net's first pin it can.
    writeLibrary(onePad(), closePair());
    place(package("ONE"), "U", 1, -5500, 0);
    place(package("PAIR"), "U", 2, 3000, 0);
    writeNetlist(netlistHeader(1) + "A----u1-1,u2-1,u2-2\n");
    answerRun(false);
    CBatchRouter router;
    EXPECT_EQ(router.BatchRoute(), 1);
    EXPECT_EQ(g_batchStats.connections, 2);
    EXPECT_EQ(g_batchStats.retry, 1);
    EXPECT_EQ(summary().rfind("Percentage Complete:100.0%", 0), 0u) << summary();
    expectHonestSummary();
    // The route it stands on may not be ripped up.
    const NetConnection& first = RunConnections()[0];
    EXPECT_EQ(first.x1, -550);
    EXPECT_EQ(first.lockFlag, 1);
}

class ViaStartTest : public BatchMainPassTest {
protected:
    void SetUp() override
    {
        BatchMainPassTest::SetUp();
        // A to B turns a corner (a via); C lies beyond B, farther from it than that via.
        writeLibrary(onePad());
        const int one = package("ONE");
        place(one, "U", 1, -4000, -4000);
        place(one, "U", 2, 0, 0);
        place(one, "U", 3, 0, 8000);
        loadNets("V----u1-1,u2-1,u3-1\n", 1);
        g_boardSettings.RouteMode = kRouteTwoLayers;
        g_mazeSettings.routeLayer = 0;
        g_mazeSettings.maxVias = 5;
        g_mazeRoute.batch = 1;
        g_mazeRoute.quiet = 1;
        run.prepareConnections();
    }
    static bool traceEndsAt(int from, int32_t x, int32_t y)
    {
        for (int i = from; i <= g_board.count; ++i) {
            const BoardObject& o = g_board.objects[i];
            if (o.kind() == kKindLine && ((o.w[0] == x && o.w[1] == y) || (o.w[2] == x && o.w[3] == y)))
                return true;
        }
        return false;
    }
    BatchRun run;
};

TEST_F(ViaStartTest, RouteStartsAtTheNetsViaNearestItsFirstPin)
{
    ASSERT_EQ(RunConnections().size(), 2u);
    ASSERT_EQ(run.routeConnection(0, 1), 1);
    int32_t vx = 0, vy = 0;
    int vias = 0;
    for (int i = 1; i <= g_board.count; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() == kKindPad && (o.w[5] & 15) == kPadThroughVia) {
            vx = o.w[0];
            vy = o.w[1];
            ++vias;
        }
    }
    ASSERT_EQ(vias, 1);
    const int from = g_board.count + 1;
    EXPECT_EQ(run.routeConnection(1, 3), 1);
    EXPECT_TRUE(traceEndsAt(from, vx, vy));
    EXPECT_FALSE(traceEndsAt(from, 0, 0));   // not from B's pad
    EXPECT_EQ(RunConnections()[0].lockFlag, 1);
    const ConnectivityReport report = CheckCopper();
    EXPECT_EQ(report.joined, 2);
    EXPECT_TRUE(report.shorts.empty());
}

TEST_F(ViaStartTest, WithoutRoutedCopperAtItsFirstPinTheRouteStartsThere)
{
    // A to B is still open: none of the net's vias reaches B, so C's route starts at B.
    const int from = g_board.count + 1;
    EXPECT_EQ(run.routeConnection(1, 3), 1);
    EXPECT_EQ(RunConnections()[0].lockFlag, 0);
    const ConnectivityReport report = CheckCopper();
    EXPECT_EQ(report.joined, 1);
    EXPECT_TRUE(report.shorts.empty());
    EXPECT_TRUE(traceEndsAt(from, 0, 0));
}

}  // namespace
}  // namespace route_test
