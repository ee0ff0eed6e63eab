// The memory router, switched on by the "Memory router" box of the batch setup: a connection
// between two pins on one row with one other pad between them is laid as the detour one pitch
// beside the row; where that detour would come near other copper or miss a pin pad's layer the
// maze router routes the connection instead. Nothing it counts is left unjoined or shorted.
#include "tracelyn/route/route_fixture.h"

#include "resources/tracelyn/route_ids.h"

#include <string>
#include <vector>

namespace route_test {
namespace {

// One pad at the package origin: a through pad, or a surface pad on Top.
TestPackage onePad(bool surface)
{
    TestPackage p(surface ? "SONE" : "ONE");
    p.text(-10000, -5000, ";One pad");
    BoardObject& o = p.add(kKindPad, surface ? 0 : kLayerAll, -10000, -5000);
    o.w[2] = o.w[3] = 600;
    o.w[5] = surface ? kPadSingleLayer : 0;
    o.w[6] = surface ? 0 : 350;
    p.text(-10000, -5000, "1", surface ? 0 : kLayerAll);
    p.text(-10000, -5500, "p?");
    return p;
}

class MemoryRouterTest : public BatchRunTest {
protected:
    // Pins of net M at x = -3000 and 3000 on row 0 and another part's pad at 0 between them.
    void placeBus(bool surfacePins)
    {
        writeLibrary(onePad(false), onePad(true));
        const int pin = package(surfacePins ? "SONE" : "ONE");
        place(pin, "U", 1, -3000, 0);
        place(package("ONE"), "U", 2, 0, 0);
        place(pin, "U", 3, 3000, 0);
        writeNetlist(netlistHeader(1) + "M----u1-1,u3-1\n");
    }
    // Route with the setup dialog's "Memory router" box as given.
    void routeThroughSetup(bool memoryRouter)
    {
        host.answerDialog([this, memoryRouter](plat::Dialog& d) {
            d.SetDlgItemText(tly::kIdcBatchNetlist, folder.file("test.net"));
            d.CheckDlgButton(tly::kIdcBatchMemoryRouter, memoryRouter ? 1 : 0);
            d.PressButton(tly::kIdcBatchGrid50);
            return d.PressButton(plat::kIdOk);
        });
        CBatchRouterSetupDlg setup;
        ASSERT_EQ(setup.DoModal(), plat::kIdOk);
        answerRun(false);
        CBatchRouter router;
        EXPECT_EQ(router.BatchRoute(), 1);
    }
    // The router traces of layer 1, as (x1, y1, x2, y2).
    static std::vector<std::array<int32_t, 4>> tracesOn(int layer)
    {
        std::vector<std::array<int32_t, 4>> traces;
        for (int i = 1; i <= g_board.count; ++i) {
            const BoardObject& o = g_board.objects[i];
            if (IsRouterTrace(o) && o.layer() == layer)
                traces.push_back({o.w[0], o.w[1], o.w[2], o.w[3]});
        }
        return traces;
    }
};

const std::vector<std::array<int32_t, 4>> kDetour = {{-3000, 0, -1500, 0},
                                                     {-1500, 0, -1000, 500},
                                                     {-1000, 500, 1000, 500},
                                                     {1000, 500, 1500, 0},
                                                     {1500, 0, 3000, 0}};

TEST_F(MemoryRouterTest, BoxLaysTheDetourRoundThePadBetween)
{
    placeBus(false);
    routeThroughSetup(true);
    EXPECT_EQ(g_batchExtras.memoryRouter, 1);
    EXPECT_EQ(tracesOn(1), kDetour);
    EXPECT_EQ(summary().rfind("Percentage Complete:100.0%", 0), 0u) << summary();
    expectHonestSummary();
}

TEST_F(MemoryRouterTest, WithoutTheBoxTheMazeRouterRoutesIt)
{
    placeBus(false);
    routeThroughSetup(false);
    EXPECT_NE(tracesOn(1), kDetour);
    EXPECT_EQ(g_batchStats.routed, 1);
    expectHonestSummary();
}

TEST_F(MemoryRouterTest, DetourThatWouldMeetCopperOrMissThePinsIsLeftToTheMazeRouter)
{
    struct Case {
        const char* name;
        bool surfacePins;
        bool copperBeside;
    };
    for (const Case& c : {Case{"a trace where the detour runs", false, true}, Case{"pins on Top only", true, false}}) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        placeBus(c.surfacePins);
        if (c.copperBeside)
            trace(1, -500, 500, 500, 500);
        routeThroughSetup(true);
        const auto traces = tracesOn(1);
        EXPECT_EQ(std::count(traces.begin(), traces.end(), kDetour[1]), 0);
        expectHonestSummary();
    }
}

}  // namespace
}  // namespace route_test
