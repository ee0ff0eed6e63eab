// Smoothing: corners become 45-degree segments or arcs and go back with Orthogonalize; corners
// where anything else meets stay; routed copper keeps its connections; undo drops the corners.
#include "tracelyn/route/route_fixture.h"

#include "resources/tracelyn/route_ids.h"

namespace route_test {
namespace {

class SmoothingTest : public RouteTest {
protected:
    // An L: a horizontal trace into (0, 0), a vertical one out of it.
    void addCorner(int layer = 0)
    {
        trace(layer, -2000, 0, 0, 0);
        trace(layer, 0, 0, 0, 2000);
    }
    void answerSmoothing(unsigned mode)
    {
        host.answerDialog([mode](plat::Dialog& d) {
            d.PressButton(mode);
            return d.PressButton(plat::kIdOk);
        });
    }
};

TEST_F(SmoothingTest, CornersBecomeBevelsOrArcs)
{
    for (const auto& [mode, kind] : {std::pair{kSmooth45, kKindLine}, std::pair{kSmoothArcs, kKindArc}}) {
        SCOPED_TRACE(mode);
        TruncateObjects(1);
        addCorner();
        g_smoothing.mode = mode;
        const int first = 2, last = g_board.count;
        g_smoothing.step = 250;
        EXPECT_EQ(SmoothCorners(first, last, 0), 1);
        ASSERT_EQ(g_board.count, last + 1);
        const BoardObject& corner = g_board.objects[g_board.count];
        EXPECT_EQ(corner.kind(), kind);
        // A horizontal trace meeting a vertical one: from the vertical one's new end.
        EXPECT_EQ((std::array{corner.w[0], corner.w[1], corner.w[2], corner.w[3]}), (std::array{0, 250, -250, 0}));
        EXPECT_EQ(g_board.objects[2].w[2], -250);
        EXPECT_EQ(g_board.objects[3].w[1], 250);
    }
}

TEST_F(SmoothingTest, CornersWhereMoreCopperMeetsStay)
{
    struct Case {
        const char* name;
        std::function<void()> extra;
    };
    const Case cases[] = {
        {"a via", [this] {
             BoardObject via = MakeRouteObject(kKindPad, kLayerAll, 0, 0, 300, 300);
             via.w[5] = kPadThroughVia;
             add(via);
         }},
        {"a third trace", [this] { trace(0, 0, 0, 2000, 0); }},
        {"a trace in the way of the bevel", [this] { trace(0, -150, 150, -150, 1500); }},
        {"a short leg", [this] { trace(0, 0, 2000, 0, 2400); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TruncateObjects(1);
        if (std::string_view(c.name) == "a short leg") {
            trace(0, -2000, 0, 0, 0);
            trace(0, 0, 0, 0, 400);
        } else {
            addCorner();
            c.extra();
        }
        g_smoothing.mode = kSmooth45;
        g_smoothing.step = 250;
        const auto before = words();
        EXPECT_EQ(SmoothCorners(2, g_board.count, 0), 0);
        EXPECT_EQ(words(), before);
    }
}

TEST_F(SmoothingTest, MenuSmoothingReportsAndUndoesWholly)
{
    addCorner();
    addCorner(1);
    const auto before = words();
    answerSmoothing(tly::kIdcSmooth45);
    EXPECT_EQ(SmoothCorners(1, g_board.count, 1), 2);
    ASSERT_FALSE(host.messageBoxes().empty());
    EXPECT_EQ(host.messageBoxes().back(), "Number of corners smoothed: 2");
    EXPECT_EQ(g_smoothing.mode, kSmooth45);
    EXPECT_NE(words(), before);
    EXPECT_TRUE(undo());
    EXPECT_EQ(words(), before);   // the corners added are gone too
}

TEST_F(SmoothingTest, CancelledDialogChangesNothing)
{
    addCorner();
    const auto before = words();
    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdCancel); });
    EXPECT_EQ(SmoothCorners(1, g_board.count, 1), -1);
    EXPECT_EQ(words(), before);
    EXPECT_EQ(UndoDepth(), 0);
}

TEST_F(SmoothingTest, OrthogonalizeRestoresCopperCornersOnly)
{
    addCorner();
    g_smoothing.mode = kSmoothArcs;
    g_smoothing.step = 250;
    ASSERT_EQ(SmoothCorners(2, g_board.count, 0), 1);
    // A silkscreen arc of the same size is not copper and stays an arc.
    const int silk = add(MakeRouteObject(kKindArc, kLayerSilkTop, 5000, 0, 5250, 250));
    answerSmoothing(tly::kIdcSmoothOrthogonal);
    EXPECT_EQ(SmoothCorners(1, g_board.count, 1), 1);
    EXPECT_EQ(host.messageBoxes().back(), "Number of corners UNsmoothed: 1");
    EXPECT_EQ(g_board.objects[silk].kind(), kKindArc);
    EXPECT_EQ(g_board.objects[2].w[2], 0);
    EXPECT_EQ(g_board.objects[3].w[1], 0);
    EXPECT_EQ(countKind(kKindArc, 0), 0);
}

TEST_F(SmoothingTest, ShortenedTracesBelowOneStepDisappear)
{
    g_smoothing.step = 250;
    const int a = trace(0, 0, 0, 400, 0);
    EXPECT_EQ(ShortenTraceEnd(a, 1), 0);
    EXPECT_EQ(g_board.objects[a].kind(), kKindDeleted);
    const int b = trace(0, 0, 0, 0, 1000);
    EXPECT_EQ(ShortenTraceEnd(b, 0), 1);
    EXPECT_EQ(g_board.objects[b].w[1], 250);
}

TEST_F(SmoothingTest, CollinearPiecesOfOneWidthJoin)
{
    const int a = trace(0, 0, 0, 1000, 0);
    const int b = trace(0, 1000, 0, 3000, 0);
    const int narrow = trace(0, 3000, 0, 4000, 0, 80);
    EXPECT_EQ(MergeCollinearTrace(a, 0), 1);
    EXPECT_EQ(g_board.objects[a].w[2], 3000);
    EXPECT_EQ(g_board.objects[b].kind(), kKindDeleted);
    EXPECT_EQ(MergeCollinearTrace(a, 0), 0);   // the narrower piece stays apart
    EXPECT_EQ(g_board.objects[narrow].kind(), kKindLine);
}

TEST_F(SmoothingTest, SmoothingRoutedBoardsKeepsEveryConnection)
{
    routeDipGrid();
    const ConnectivityReport before = CheckCopper();
    ASSERT_GT(before.joined, 0);
    for (int32_t mode : {kSmooth45, kSmoothArcs, kSmoothOrthogonal}) {
        SCOPED_TRACE(mode);
        g_smoothing.mode = mode;
        const int corners = SmoothCorners(1, g_board.count, 0);
        if (mode == kSmooth45) {
            EXPECT_GT(corners, 0);
        }
        EXPECT_EQ(CheckCopper(), before);
    }
}

}  // namespace
}  // namespace route_test
