// Holding the right button and pushing the pointer against an edge of the board view scrolls
// it by a sixth of the window, once per push.
#include "edit_fixture.h"

#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/edge_scroll.h"

#include <utility>

namespace {

using namespace edit_test;

class EdgeScroll : public BoardEditTest {
protected:
    void SetUp() override
    {
        BoardEditTest::SetUp();
        g_crosshair.on = false;   // the pointer is the cursor, no grid snap
        command(tly::kCmdWorkAreaFirst + 2);   // 8000 square: room to scroll, no page lines
        client = view()->clientRect();
    }
    void rightDragTo(int x, int y) { view()->SendMessage(plat::kWmMouseMove, plat::kMkRButton, at(x, y)); }
    void rightRelease(int x, int y) { view()->SendMessage(plat::kWmRButtonUp, 0, at(x, y)); }
    static plat::Point origin() { return {board()->data().viewOriginX, board()->data().viewOriginY}; }
    // Logical units of a sixth of the window along an axis at zoom 3 (5 a pixel).
    static int32_t sixth(int pixels) { return pixels * 5 / kEdgeScrollDivisor; }

    plat::Rect client;
};

TEST_F(EdgeScroll, APushAgainstEachEdgeScrollsOnceUntilTheButtonIsLetGo)
{
    const int midX = client.width() / 2, midY = client.height() / 2;
    rightDragTo(midX, midY);
    EXPECT_EQ(origin(), (plat::Point{0, 0})) << "away from the edges nothing scrolls";

    rightDragTo(client.right - 3, midY);
    EXPECT_EQ(origin(), (plat::Point{sixth(client.width()), 0}));
    rightDragTo(client.right - 2, midY);
    EXPECT_EQ(origin().x, sixth(client.width())) << "one scroll a push";
    rightRelease(client.right - 2, midY);

    rightDragTo(client.left + 5, midY);
    EXPECT_EQ(origin(), (plat::Point{0, 0}));
    rightRelease(client.left + 5, midY);
    rightDragTo(midX, client.bottom - 4);
    EXPECT_EQ(origin(), (plat::Point{0, sixth(client.height() - 1)}));
    // A left-button release, too, lets the next push scroll.
    click(midX, midY);
    rightDragTo(midX, client.top + 1);
    EXPECT_EQ(origin(), (plat::Point{0, 0}));

    // Without the right button the edge is only a place.
    view()->SendMessage(plat::kWmMouseMove, 0, at(client.right - 1, midY));
    EXPECT_EQ(origin(), (plat::Point{0, 0}));
}

TEST_F(EdgeScroll, TheWindowIsRepaintedAtOnceWithTheBoardAtItsNewPlace)
{
    tool(tly::kCmdToolTrace);
    const int y = client.height() / 2 + 20;
    drag(200, y, 400, y);
    ASSERT_EQ(count(), 2);
    tool(tly::kCmdSelect);
    view()->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    const uint32_t trace = view()->backingPixel(300, y);
    const auto traceRun = [&] {
        // The first and last pixel of the trace's colour along its row.
        int first = -1, last = -1;
        for (int x = 0; x < client.width(); ++x)
            if (view()->backingPixel(x, y) == trace) {
                first = first < 0 ? x : first;
                last = x;
            }
        return std::pair{first, last};
    };
    const auto [left, right] = traceRun();
    ASSERT_GE(left, 195);
    ASSERT_LE(right, 405);
    rightDragTo(client.right - 1, y + 40);
    ASSERT_EQ(origin().x, sixth(client.width()));
    const int shift = sixth(client.width()) / 5;
    const auto [newLeft, newRight] = traceRun();
    EXPECT_NEAR(newLeft, left - shift, 1) << "no repaint needed: the window shows the trace where it went";
    EXPECT_NEAR(newRight, right - shift, 1);
}

TEST_F(EdgeScroll, TheEdgeBandNarrowsAtTheFineZooms)
{
    EXPECT_EQ(EdgeScrollMargin(), 24) << "zoom 3";
    command(tly::kCmdScaleFirst + 9);
    EXPECT_EQ(EdgeScrollMargin(), 12) << "zoom 9";
    // 20 pixels in from the left: inside the band at zoom 3, outside it at zoom 9.
    const plat::Point before = origin();
    rightDragTo(client.left + 20, client.height() / 2);
    EXPECT_EQ(origin(), before);
}

TEST_F(EdgeScroll, TheOriginStaysInsideTheWorkArea)
{
    command(tly::kCmdWorkAreaFirst);   // the smallest: 4000 units wide
    const int32_t limit = std::max(2000 - client.width() * 5 / 4, 0);
    for (int push = 0; push < 10; ++push) {
        rightDragTo(client.right - 1, client.height() / 2);
        rightRelease(client.right - 1, client.height() / 2);
    }
    EXPECT_EQ(origin().x, limit);
}

}  // namespace
