// The board view's pointer over the selection.
#include "edit_fixture.h"

namespace {

using namespace edit_test;

class ViewPointer : public BoardEditTest {
protected:
    void hover(int x, int y) { view()->SendMessage(plat::kWmMouseMove, 0, at(x, y)); }
    // A trace across the middle of the window, selected with the select tool.
    int selectedTrace()
    {
        tool(tly::kCmdToolTrace);
        drag(200, kY, 400, kY);
        tool(tly::kCmdSelect);
        click(300, kY);
        return g_selection.count == 1 ? g_selection.list[1] : 0;
    }
    static constexpr int kY = 300;
};

TEST_F(ViewPointer, ThePointerShowsHandlesAndTheSelectionWithoutTheCrosshair)
{
    g_crosshair.on = false;
    ASSERT_EQ(selectedTrace(), 2);
    hover(300, kY);
    EXPECT_EQ(g_pointer.mode, kPointerDrag) << "over the selected trace";
    EXPECT_EQ(plat::GetCursor(), static_cast<plat::Cursor>(tly::kCursorB));
    hover(300, kY + 60);
    EXPECT_EQ(g_pointer.mode, kPointerNormal) << "beside it";
    EXPECT_EQ(plat::GetCursor(), plat::LoadStandardCursor(plat::kIdcArrow));
    hover(200, kY);
    EXPECT_EQ(g_pointer.mode, kPointerHandle) << "on the handle at its end";
    EXPECT_EQ(plat::GetCursor(), static_cast<plat::Cursor>(tly::kCursorA));
    click(300, kY + 150);
    hover(300, kY);
    EXPECT_EQ(g_pointer.mode, kPointerNormal) << "nothing selected";
}

TEST_F(ViewPointer, TheCrosshairTakesTheShapeOfTheMode)
{
    g_crosshair.on = true;
    ASSERT_EQ(selectedTrace(), 2);
    const int d = g_view.zoomDivisor;
    // The crosshair snaps to the grid: read where it stands after each move.
    const auto arrowHeadDrawn = [&](int x, int y) {
        hover(x, y);
        const int cx = g_view.cursorX / d, cy = g_view.cursorY / d;
        // A point of the head of the right-hand arrow, clear of the trace.
        const uint32_t crosshair = view()->backingPixel(cx + 8, cy - 2);
        command(tly::kCmdCrosshair);
        const uint32_t plain = view()->backingPixel(cx + 8, cy - 2);
        command(tly::kCmdCrosshair);
        return crosshair != plain;
    };
    EXPECT_TRUE(arrowHeadDrawn(300, kY)) << "over the selection";
    EXPECT_FALSE(arrowHeadDrawn(300, kY + 80)) << "the plain arms elsewhere";
}

}  // namespace
