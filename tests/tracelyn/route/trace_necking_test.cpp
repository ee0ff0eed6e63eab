// Necking: traces running past a pad inside the clearance are narrowed beside it and moved
// away from it; turned parts neck against their true pad sizes; connections never change.
#include "tracelyn/route/route_fixture.h"

#include "resources/tracelyn/route_ids.h"
#include "tracelyn/route/board_checks.h"

namespace route_test {
namespace {

class NeckingTest : public RouteTest {
protected:
    // A two-pad surface part on layer 0 at the origin; its pads (240 x 600) at x -250 and 250.
    int placeSmd(int32_t rotation)
    {
        writeLibrary(smdRow(2));
        const int smd = package("SMD2");
        const int part = place(smd, "U", 1, 0, 0, rotation);
        g_board.objects[part].setLayer(0);
        return part;
    }
};

TEST_F(NeckingTest, TraceBesideAPadIsNarrowedAndMovedAway)
{
    placeSmd(0);
    // 400 above the pads' centre: the pads reach 300, the clearance 100 + 60 more.
    const int t = trace(0, -3000, 400, 3000, 400);
    EXPECT_EQ(NeckTraces(g_board.count), 2);
    EXPECT_EQ(host.messageBoxes().back(), "Added necking to 2 traces");
    int narrow = 0;
    for (int i = t; i <= g_board.count; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() == kKindLine && o.w[7] == g_necking.neckWidth) {
            ++narrow;
            EXPECT_EQ(o.w[1], 410);   // the outer edge stays at 460
        }
    }
    EXPECT_EQ(narrow, 2);
}

TEST_F(NeckingTest, TurnedPartsNeckAgainstTheirTurnedPads)
{
    struct Case {
        int32_t rotation;
        int32_t y;          // the trace's distance above the part
        int necked;
    };
    // Half turns keep the pads 600 tall side by side; quarter turns stack them (at y -250 and
    // 250) 240 tall and 600 wide.
    const Case cases[] = {{0, 400, 2}, {1800, 400, 2}, {900, 400, 1}, {900, 900, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "rotation " << c.rotation << " y " << c.y);
        TruncateObjects(1);
        ClearPackageTables();
        placeSmd(c.rotation);
        trace(0, -3000, c.y, 3000, c.y);
        EXPECT_EQ(NeckTraces(g_board.count), c.necked);
    }
}

TEST_F(NeckingTest, NothingToNeckIsSaid)
{
    placeSmd(0);
    trace(0, -3000, 2000, 3000, 2000);
    trace(0, -250, 0, -250, -3000);   // ends on the pad: connected, left alone
    const auto before = words();
    EXPECT_EQ(NeckTraces(g_board.count), 0);
    EXPECT_EQ(host.messageBoxes().back(), "No necking performed");
    EXPECT_EQ(words(), before);
}

TEST_F(NeckingTest, PieceNeckedTwiceKeepsItsWidth)
{
    writeLibrary(smdRow(2));
    const int smd = package("SMD2");
    // Pads above and below the same stretch of trace.
    g_board.objects[place(smd, "U", 1, 0, 400)].setLayer(0);
    g_board.objects[place(smd, "U", 2, 0, -400)].setLayer(0);
    const int t = trace(0, -3000, 0, 3000, 0);
    NeckTraces(g_board.count);
    int twice = 0;
    for (int i = t; i <= g_board.count; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() == kKindLine && o.w[6] == 5) {
            ++twice;
            EXPECT_EQ(o.w[7], 120);
            EXPECT_EQ(o.w[1], 0);
        }
    }
    EXPECT_EQ(twice, 2);
}

TEST_F(NeckingTest, DialogShowsAndStoresMils)
{
    CNeckingDlg dialog;
    host.answerDialog([this](plat::Dialog& d) {
        questions.push_back(d.GetDlgItemText(tly::kIdcNeckWidth) + " " + d.GetDlgItemText(tly::kIdcNeckClearance));
        d.TypeDlgItemText(tly::kIdcNeckWidth, "8.5");
        d.TypeDlgItemText(tly::kIdcNeckClearance, "12");
        return d.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(dialog.DoModal(), plat::kIdOk);
    EXPECT_EQ(questions.back(), "10.0 10.0");
    EXPECT_EQ(g_necking.neckWidth, 85);
    EXPECT_EQ(g_designRules.padToTrace, 120);
}

TEST_F(NeckingTest, NeckingRoutedBoardsKeepsEveryConnectionAndUndoes)
{
    routeDipGrid();
    const ConnectivityReport before = CheckCopper();
    const auto words0 = words();
    g_designRules.padToTrace = 250;   // wide enough to reach traces routed past pads
    PushRouteUndo();
    const int necked = NeckTraces(g_board.count);
    EXPECT_GT(necked, 0);
    EXPECT_EQ(CheckCopper(), before);
    EXPECT_TRUE(undo());
    EXPECT_EQ(words(), words0);
}

}  // namespace
}  // namespace route_test
