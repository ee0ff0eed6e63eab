// The batch autorouter on generated boards: the summary's percentage is what the copper
// checker finds joined, nothing shorts, unrouted connections stay rats-nest lines, power nets
// tie to their planes, an abort keeps what was routed undoable; and its dialogs.
#include "tracelyn/route/route_fixture.h"

#include "platform/app/dialog.h"
#include "platform/app/keys.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/tracelyn/route_ids.h"
#include "support/full_disk.h"
#include "tracelyn/route/batch_passes.h"
#include "tracelyn/core/tracelyn_doc.h"

#include <algorithm>
#include <cstdio>

namespace route_test {
namespace {

using BatchRouterTest = BatchRunTest;

TEST_F(BatchRouterTest, SmallBoardRoutesWholly)
{
    netDipGrid(4, 2, 6000, 6000, 8, 2);
    answerRun(true);
    CBatchRouter router;
    EXPECT_EQ(router.BatchRoute(), 1);
    expectHonestSummary();
    EXPECT_EQ(g_batchStats.routed, g_batchStats.connections);
}

TEST_F(BatchRouterTest, FortyFivePartBoardReportsWhatCopperJoins)
{
    EXPECT_EQ(routeFortyFiveParts(), 1);
    EXPECT_EQ(g_batchStats.connections, 120);
    expectHonestSummary();
    EXPECT_GE(g_batchStats.routed * 100, g_batchStats.connections * 90);
}

TEST_F(BatchRouterTest, UnroutableConnectionsStayRatsNestLines)
{
    writeLibrary(twoPin());
    const int two = package("TWO");
    place(two, "U", 1, -4000, 0);
    place(two, "U", 2, 4000, 0);
    // A closed copper frame on both layers round the second part.
    for (int layer : {0, 1}) {
        BoardObject box = MakeRouteObject(kKindRectangle, layer, 2500, -1500, 5500, 1500);
        box.w[7] = 120;
        add(box);
    }
    writeNetlist(netlistHeader(1) + "A----u1-2,u2-1\n");
    answerRun(false);
    CBatchRouter router;
    router.BatchRoute();
    EXPECT_EQ(g_batchStats.routed, 0);
    EXPECT_EQ(countKind(kKindNoRoute, kLayerAll), 1);
    EXPECT_EQ(countKind(kKindLine), 0);   // no straight marker left as copper
    expectHonestSummary();
    EXPECT_NE(summary().find("\nNot routed: 1\nno free path: 1"), std::string::npos) << summary();
}

// A run that cannot start says why, and leaves the board as it was; with no board nothing is
// offered.
TEST_F(BatchRouterTest, ARunThatCannotStartSaysWhy)
{
    writeLibrary(twoPin());
    const int two = package("TWO");
    g_board.sizeLetter = 'A';   // 4,000 x 4,000 mils about the centre
    place(two, "U", 1, -4000, 0);
    place(two, "U", 2, 25000, 0);   // the second part beyond the work area's right edge
    writeNetlist(netlistHeader(2) + "A----u1-2,u2-1\nB----u1-1,u2-2\n");
    const auto before = words();
    CBatchRouter router;
    EXPECT_EQ(router.BatchRoute(), 0);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{OutsideWorkAreaText("u2-1", 1, 4000, 4000)});
    EXPECT_EQ(host.messageBoxes().front(),
              "Batch Route cannot start: pin U2-1 and 1 other lie outside the work area (4000 x 4000 mils), which "
              "the router's grid covers.\nMove the parts onto the work area.");
    EXPECT_EQ(words(), before);

    SCOPED_TRACE("a netlist without connections");
    host.clearEvents();
    g_board.objects[g_board.count].w[0] = 4000;
    writeNetlist(netlistHeader(1) + "A----u1-2\n");
    EXPECT_EQ(router.BatchRoute(), 0);
    ASSERT_FALSE(host.messageBoxes().empty());
    EXPECT_EQ(host.messageBoxes().back(), kBatchNoConnections);

    SCOPED_TRACE("no board");
    host.clearEvents();
    BoardObject* const objects = g_board.objects;
    g_board.objects = nullptr;
    OfferBatchRoute();
    EXPECT_EQ(host.count("dialog 146"), 0) << "no setup without a board";
    EXPECT_EQ(router.BatchRoute(), 0);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{std::string(kBatchNoBoard)});
    g_board.objects = objects;
}

TEST_F(BatchRouterTest, PowerNetsTieToTheirPlanes)
{
    writeLibrary(twoPin());
    const int two = package("TWO");
    place(two, "U", 1, -4000, 0);
    place(two, "U", 2, 4000, 0);
    g_batchExtras.power[0] = 1;
    g_batchExtras.power[1] = 1;
    writeNetlist(netlistHeader(2) + "Vcc----u1-1,u2-1\nGROUND----u1-2,u2-2\n");
    answerRun(false);
    CBatchRouter router;
    EXPECT_EQ(router.BatchRoute(), 1);
    EXPECT_EQ(countKind(kKindPad, kLayerVcc), 2);
    EXPECT_EQ(countKind(kKindPad, kLayerGround), 2);
    EXPECT_EQ(countKind(kKindLine), 0);
    EXPECT_EQ(summary().rfind("Percentage Complete:100.0%", 0), 0u);
    expectHonestSummary();
}

TEST_F(BatchRouterTest, PowerPinWithoutAPadStaysOpenAndSaysSo)
{
    writeLibrary(twoPin());
    const int two = package("TWO");
    place(two, "U", 1, -4000, 0);
    place(two, "U", 2, 4000, 0);
    loadNets("Vcc----u1-1,u2-1\n", 1);
    BatchRun run;
    run.prepareConnections();
    ASSERT_EQ(RunConnections().size(), 1u);
    // The second pin's part was moved after the netlist was read: nothing stands there now.
    RunConnections()[0].x2 = 0;
    RunConnections()[0].y2 = 300;
    const int before = g_board.count;
    EXPECT_EQ(run.connectPowerNet(0, kLayerVcc), 0);
    const std::vector<std::string> boxes = host.messageBoxes();
    EXPECT_EQ(std::count(boxes.begin(), boxes.end(), "Can't find pad type"), 1);
    EXPECT_EQ(RunConnections()[0].routeState, -1);
    // The first pin still reached its plane.
    EXPECT_EQ(g_board.count, before + 1);
    EXPECT_EQ(countKind(kKindPad, kLayerVcc), 1);
}

// A pin beyond the work area used to stop the run at its first connection there, silently,
// with half the board routed; it is now refused before anything is routed.
TEST_F(BatchRouterTest, APartBeyondTheWorkAreaIsRefusedBeforeAnythingIsRouted)
{
    writeLibrary(twoPin());
    const int two = package("TWO");
    place(two, "U", 1, -4000, 0);
    place(two, "U", 2, 4000, 0);
    place(two, "U", 3, 30000, 0);
    const auto before = words();
    writeNetlist(netlistHeader(2) + "A----u1-2,u2-1\nB----u2-2,u3-1\n");
    const int32_t width = g_mazeSettings.traceWidth;
    CBatchRouter router;
    EXPECT_EQ(router.BatchRoute(), 0);
    EXPECT_FALSE(g_batchStats.aborted);
    EXPECT_EQ(summary(), "");
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{OutsideWorkAreaText("u3-1", 0, 4000, 4000)});
    EXPECT_EQ(g_mazeSettings.traceWidth, width);   // settings restored
    EXPECT_EQ(g_progress.routing, 0);
    EXPECT_EQ(countKind(kKindLine), 0);
    EXPECT_EQ(words(), before);
}

TEST_F(BatchRouterTest, EscapeThatClosedADialogDoesNotStopTheNextRunButAHeldOneDoes)
{
    writeLibrary(twoPin());
    const int two = package("TWO");
    place(two, "U", 1, -4000, 0);
    place(two, "U", 2, 4000, 0);
    writeNetlist(netlistHeader(1) + "A----u1-2,u2-1\n");
    // The dialog goes on Escape's press; its release reaches no window of ours.
    host.answerDialog([](plat::Dialog& d) {
        plat::noteKeyDown(plat::kVkEscape);
        return d.PressButton(plat::kIdCancel);
    });
    plat::Dialog closedByEscape(tly::kIddProgress, nullptr);
    closedByEscape.DoModal();
    answerRun(false);
    CBatchRouter router;
    EXPECT_EQ(router.BatchRoute(), 1);
    EXPECT_FALSE(g_batchStats.aborted);
    expectHonestSummary();

    // Escape held as a run goes: it stops, and the summary says how far it got and why.
    undo();
    host.clearEvents();
    plat::noteKeyDown(plat::kVkEscape);
    host.answerMessageBox(plat::kIdOk);
    EXPECT_EQ(router.BatchRoute(), 0);
    plat::noteKeyUp(plat::kVkEscape);
    EXPECT_TRUE(g_batchStats.aborted);
    const std::string stopped = summary();
    EXPECT_EQ(stopped.rfind("Percentage Complete:0.0%", 0), 0u) << stopped;
    EXPECT_NE(stopped.find(kBatchStoppedLine), std::string::npos) << stopped;
    for (const std::string& text : host.messageBoxes())
        EXPECT_NE(text, "Optimize?");
}

TEST_F(BatchRouterTest, BoardWithRoutingAsksFirst)
{
    for (int i = 0; i < 11; ++i)
        add(MakeRouteObject(kKindLine, 0, 0, i * 1000, 1000, i * 1000));
    const auto before = words();
    host.answerMessageBox(plat::kIdNo);
    CBatchRouter router;
    EXPECT_EQ(router.BatchRoute(), 0);
    EXPECT_EQ(host.messageBoxes().front(), std::string(kAlreadyRoutedQuestion));
    EXPECT_EQ(words(), before);
}

TEST_F(BatchRouterTest, ShippedExampleRoutesWholly)
{
    BoardDocumentData opened;
    if (!prepareShippedExample(opened))
        GTEST_SKIP() << "the example board is written by the full build";
    answerRun(true);
    CBatchRouter router;
    EXPECT_EQ(router.BatchRoute(), 1);
    EXPECT_EQ(g_batchStats.connections, 3);
    EXPECT_EQ(summary().rfind("Percentage Complete:100.0%", 0), 0u) << summary();
    expectHonestSummary();
    CloseBoardDocument(opened, nullptr);
    LoadBoardGlobals(doc);
}

TEST_F(BatchRouterTest, SummaryAndStatisticsTexts)
{
    EXPECT_EQ(BatchSummaryText(97.5, 4, 1.25, 0), "Percentage Complete:97.5%\npasses=4\ntime==1.25");
    EXPECT_EQ(BatchSummaryText(50, 1, 0, 3), "Percentage Complete:50.0%\npasses=1\ntime==0.00\nFIFO overflow=3");
    EXPECT_EQ(BatchSummaryText(50, 1, 0, 0, "Not routed: 2\nno free path: 2"),
              "Percentage Complete:50.0%\npasses=1\ntime==0.00\nNot routed: 2\nno free path: 2");
    g_batchStats.main = 7;
    g_batchStats.dFinal = 12000;
    EXPECT_EQ(ShowRouterStatistics(), "main=7,retry=0,ripup=0\nsingle=0,one via=0,final=0\noptimize1=0\n"
                                      "unique=0,straight=0,len=0\nd1=0.0,d(final)=12.0,ideal=0.0");
    EXPECT_TRUE(host.shown("message box caption: Router Statistics"));
}

TEST_F(BatchRouterTest, SetupDialogPresetsAndChecks)
{
    using namespace tly;
    // Grid 25 with its presets passes both checks.
    host.answerDialog([](plat::Dialog& d) {
        d.PressButton(kIdcBatchGrid25);
        return d.PressButton(plat::kIdOk);
    });
    CBatchRouterSetupDlg setup;
    EXPECT_EQ(setup.DoModal(), plat::kIdOk);
    EXPECT_EQ(g_router.values[3], 702);
    EXPECT_EQ(g_router.values[2], 80);
    EXPECT_EQ(g_router.values[0], 160);
    EXPECT_EQ(g_batchExtras.clearance, 80);
    EXPECT_TRUE(host.messageBoxes().empty());

    // A 30-mil via on the 25-mil grid asks; No keeps the dialog open.
    host.answerMessageBox(plat::kIdNo);
    host.answerDialog([this](plat::Dialog& d) {
        d.PressButton(kIdcBatchGrid25);
        d.TypeDlgItemText(kIdcBatchViaSize, "30");
        const int first = d.PressButton(plat::kIdOk);
        questions.push_back(std::to_string(first));
        return d.PressButton(plat::kIdCancel);
    });
    CBatchRouterSetupDlg again;
    EXPECT_EQ(again.DoModal(), plat::kIdCancel);
    EXPECT_EQ(questions.back(), "-1");
    EXPECT_EQ(host.messageBoxes().back(), "Warning!---Via size(30) exceeds grid size.\nProceed?");
    EXPECT_EQ(g_router.values[0], 160);
}

// OK keeps the values for the router even when the active board's strategy file cannot take
// them, and says so; the older strategy file stays.
TEST_F(BatchRouterTest, SetupOnAFullDiskKeepsTheOlderStrategyFile)
{
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("amp.str", "[Autorouter]\npasses=2\n");
        disk.fill();
        CTracelynDoc board;
        board.SetPathName(disk.file("amp.tlz"), false);
        g_active.document = &board;
        host.clearEvents();
        host.answerDialog([](plat::Dialog& d) {
            d.PressButton(tly::kIdcBatchGrid25);
            return d.PressButton(plat::kIdOk);
        });
        CBatchRouterSetupDlg setup;
        EXPECT_EQ(setup.DoModal(), plat::kIdOk);
        EXPECT_EQ(g_router.values[3], 702);
        EXPECT_EQ(host.messageBoxes(),
                  std::vector<std::string>{"Cannot write " + disk.file("amp.str") + ": No space left on device"});
        EXPECT_EQ(disk.readText("amp.str"), "[Autorouter]\npasses=2\n");
        EXPECT_EQ(disk.names(), std::vector<std::string>{"amp.str"});
        g_active.document = nullptr;
    });
}

TEST_F(BatchRouterTest, BaseNamesStopAtHashAndExtension)
{
    EXPECT_EQ(BoardBaseName("/boards/amp#2.tlz"), "/boards/amp");
    EXPECT_EQ(BoardBaseName("/boards.v2/amp.tlz"), "/boards.v2/amp");
    EXPECT_EQ(BoardBaseName("/boards.v2/amp"), "/boards.v2/amp");
}

}  // namespace
}  // namespace route_test
