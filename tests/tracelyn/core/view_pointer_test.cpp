// The board view's pointer over the selection, its grid commands and what it does when
// another board's window becomes active.
#include "edit_fixture.h"

#include "resources/tracelyn/edit_ids.h"
#include "resources/tracelyn/frame_ids.h"
#include "tracelyn/core/text_entry.h"
#include "tracelyn/workspace/parts_bin_window.h"

#include <string>

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

TEST_F(ViewPointer, TheGridCommandsStandUnderSetup)
{
    plat::Menu* bar = frame().GetMenu();
    ASSERT_NE(bar, nullptr);
    plat::Menu* grid = nullptr;
    std::string gridIn;
    for (int i = 0; i < bar->GetMenuItemCount(); ++i) {
        plat::Menu* top = bar->GetSubMenu(i);
        for (int j = 0; top != nullptr && j < top->GetMenuItemCount(); ++j)
            if (top->GetMenuString(static_cast<unsigned>(j), plat::kMfByPosition) == "G&rid") {
                grid = top->GetSubMenu(j);
                gridIn = bar->GetMenuString(static_cast<unsigned>(i), plat::kMfByPosition);
            }
    }
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(gridIn, "Se&tup");
    ASSERT_EQ(grid->GetMenuItemCount(), 9);
    EXPECT_EQ(grid->GetMenuItemID(0), 698);
    EXPECT_EQ(grid->GetMenuString(705), "Variable...");
    EXPECT_EQ(grid->GetMenuString(706), "Polar...");

    // Variable...: the dialog's spacings on OK, the item ticked; Cancel changes nothing.
    host.answerDialog([](plat::Dialog& d) {
        d.SetDlgItemText(tly::kIdcGridX, "20");
        d.SetDlgItemText(tly::kIdcGridY, "40");
        return d.PressButton(plat::kIdOk);
    });
    command(705);
    EXPECT_EQ(board()->data().gridCommand, 705);
    EXPECT_EQ(g_view.gridStepX, 200);
    EXPECT_EQ(g_view.gridStepY, 400);
    frame().updateMenuCommandUI(*grid);
    EXPECT_NE(grid->GetMenuState(705) & plat::kMfChecked, 0u);
    EXPECT_EQ(grid->GetMenuState(703) & plat::kMfChecked, 0u);
    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdCancel); });
    command(706);
    EXPECT_EQ(board()->data().gridCommand, 705);
}

TEST_F(ViewPointer, LeavingABoardWithThePartsBinOpenPutsItsGestureDown)
{
    command(plat::kIdFileNew);
    ASSERT_EQ(frame().children().size(), 2u);
    plat::MDIChildWnd* const firstChild = frame().children().front().get();
    plat::MDIChildWnd* const secondChild = frame().children().back().get();
    frame().MDIActivate(firstChild);
    CTracelynView* const first = view();
    command(tly::kCmdPartsBin);
    ASSERT_TRUE(ThePartsBin().isOpen());
    tool(tly::kCmdToolText);
    click(200, 200);
    ASSERT_TRUE(TextEntryActive());

    frame().MDIActivate(secondChild);
    ASSERT_NE(view(), first);
    EXPECT_FALSE(ThePartsBin().isOpen()) << "the bin closes with the board it was open over";
    EXPECT_FALSE(TextEntryActive());
    EXPECT_EQ(g_gesture.tool, kToolNone);
    EXPECT_EQ(g_selection.count, 0);

    // Without the bin open a change of window keeps the tool.
    tool(tly::kCmdToolTrace);
    frame().MDIActivate(firstChild);
    EXPECT_EQ(view(), first);
    EXPECT_EQ(g_gesture.tool, kToolTrace);
}

}  // namespace
