// The clipboard, net tracing, bookmarks and view commands in the running program.
#include "tests/tracelyn/core/edit_fixture.h"

#include "common/clipboard_block.h"
#include "platform/app/command_ids.h"
#include "resources/tracelyn/board_command_ids.h"
#include "tracelyn/core/blink_marker.h"
#include "tracelyn/core/bookmarks.h"
#include "tracelyn/core/draw_to_fit.h"
#include "tracelyn/core/board_clipboard.h"

namespace {

using edit_test::kUnitsPerPixel;

class BoardCommands : public edit_test::BoardEditTest {
protected:
    std::string pane0() { return frame().statusBarPanes().GetPaneText(0); }
    int drawTrace(int x1, int y1, int x2, int y2)
    {
        tool(tly::kCmdToolTrace);
        drag(x1, y1, x2, y2);
        command(tly::kCmdSelect);
        return count();
    }
};

// Objects copied from a larger board land inside the smaller board's work area, together.
TEST_F(BoardCommands, APasteIntoASmallerBoardStaysInsideItsWorkArea)
{
    command(tly::kCmdWorkAreaFirst + 6);   // 32 x 32 inches
    const int a = drawTrace(100, 100, 200, 100);
    const int b = drawTrace(100, 120, 200, 140);
    // Far out to the right and below, beyond the 4 x 4 inch board's half width of 20000 units.
    for (const int i : {a, b}) {
        BoardObject& o = (*board()->data().objects)[static_cast<size_t>(i)];
        o.w[0] += 100000, o.w[2] += 100000, o.w[1] += 60000, o.w[3] += 60000;
    }
    const int32_t gap = object(b).w[1] - object(a).w[1];
    g_selection.count = 2;
    g_selection.list[1] = a;
    g_selection.list[2] = b;
    command(plat::kIdEditCopy);

    command(plat::kIdFileNew);
    command(tly::kCmdWorkAreaFirst);       // 4 x 4 inches
    ASSERT_EQ(board()->data().sizeLetter, 'A');
    const int before = count();
    command(tly::kCmdEditPaste);
    ASSERT_EQ(count(), before + 2);
    for (int i = before + 1; i <= before + 2; ++i) {
        SCOPED_TRACE(i);
        for (const int w : {0, 1, 2, 3}) {
            EXPECT_LE(object(i).w[w], 20000);
            EXPECT_GE(object(i).w[w], -20000);
        }
    }
    EXPECT_EQ(object(before + 2).w[1] - object(before + 1).w[1], gap) << "the pasted group keeps its shape";
    EXPECT_EQ(g_selection.count, 2);
    command(tly::kCmdUndo);
    EXPECT_EQ(count(), before);
}

TEST_F(BoardCommands, CopyAndPasteLandFiveHundredMilsOffAsTheSelection)
{
    const int trace = drawTrace(100, 100, 200, 100);
    click(150, 100);
    ASSERT_EQ(g_selection.count, 1);
    command(plat::kIdEditCopy);
    EXPECT_EQ(pane0(), "Sent 1 objects to clipboard");
    EXPECT_EQ(g_selection.count, 0);
    const auto block = host.clipboard("TLYN");
    ASSERT_TRUE(block);
    EXPECT_TRUE(ClipboardBlockReader(*block, ClipboardLayout::BoardView).valid());
    // Other programs get a picture of the copied area: a PNG as wide as the trace on screen.
    const auto picture = host.clipboard("bitmap");
    ASSERT_TRUE(picture);
    ASSERT_GT(picture->size(), 24u);
    EXPECT_EQ(std::string(picture->begin() + 1, picture->begin() + 4), "PNG");
    const auto bigEndian = [&](size_t at) {
        return ((*picture)[at] << 24) | ((*picture)[at + 1] << 16) | ((*picture)[at + 2] << 8) | (*picture)[at + 3];
    };
    EXPECT_GE(bigEndian(16), 100) << "width";
    EXPECT_GT(bigEndian(20), 0) << "height";

    const int depth = g_undo.depth;
    command(tly::kCmdEditPaste);
    ASSERT_EQ(count(), trace + 1);
    const BoardObject& copy = object(trace + 1);
    EXPECT_EQ(copy.kind(), kKindLine);
    EXPECT_EQ(copy.w[0], object(trace).w[0] + 5000);
    EXPECT_EQ(copy.w[1], object(trace).w[1] + 5000);
    EXPECT_EQ(copy.w[2], object(trace).w[2] + 5000);
    EXPECT_EQ(g_selection.count, 1);
    EXPECT_EQ(g_selection.list[1], trace + 1);
    EXPECT_EQ(g_gesture.tool, kToolSelect);
    EXPECT_EQ(pane0(), "Inserted 1 elements from Clipboard");
    EXPECT_EQ(g_undo.depth, std::min(depth + 1, kUndoSteps));
    command(tly::kCmdUndo);
    EXPECT_EQ(count(), trace);

    // Another zoom refuses the block; a block of the schematic program is no board data.
    command(tly::kCmdZoomIn);
    command(tly::kCmdEditPaste);
    EXPECT_EQ(pane0(), "Drawing scale changed!");
    EXPECT_EQ(count(), trace);
    command(tly::kCmdZoomOut);
    std::vector<uint8_t> schematic = *block;
    schematic[4] = static_cast<uint8_t>(ClipboardLayout::SchematicView);
    host.setClipboard("TLYN", schematic);
    command(tly::kCmdEditPaste);
    EXPECT_EQ(host.messageBoxes().back(), "No clipboard data");
    EXPECT_EQ(count(), trace);
}

TEST_F(BoardCommands, TheOutlineIsNotCopied)
{
    command(tly::kCmdLayerFirst + 24);
    command(tly::kCmdSelect);
    click(150, 150);
    ASSERT_EQ(g_selection.list[1], 1);
    command(plat::kIdEditCopy);
    EXPECT_EQ(pane0(), "Sent 1 objects to clipboard");
    command(tly::kCmdEditPaste);
    EXPECT_EQ(count(), 1);
}

TEST_F(BoardCommands, NetsOnlyHighlightsTheTouchingCopper)
{
    const int first = drawTrace(100, 100, 200, 100);
    const int second = drawTrace(200, 100, 200, 200);
    const int apart = drawTrace(300, 300, 400, 300);
    command(tly::kCmdSelectiveLast);
    click(150, 100);
    ASSERT_EQ(g_selection.count, 2);
    EXPECT_EQ(g_selection.list[1], first);
    EXPECT_EQ(g_selection.list[2], second);
    EXPECT_NE(apart, second);
}

TEST_F(BoardCommands, BookmarksAreVisitedInTurnWithTheBlinkingMarker)
{
    std::vector<int> marks;
    for (const int x : {100, 200, 300}) {
        view()->SendMessage(plat::kWmMouseMove, 0, at(x, 150));
        command(tly::kCmdSetBookmark);
        marks.push_back(count());
        EXPECT_EQ(object(count()).kind(), kKindMarker);
    }
    g_bookmarks.next = 1;
    for (const int expected : {marks[0], marks[1], marks[2], marks[0]}) {
        command(tly::kCmdGoToBookmark);
        int32_t x = object(expected).w[0], y = object(expected).w[1];
        EXPECT_EQ(board()->data().viewOriginX, x / 10);
        EXPECT_EQ(board()->data().viewOriginY, y / 10);
    }
    EXPECT_EQ(host.timerPeriod(kBlinkTimer), kBlinkPeriod);
    const int ticks = BlinkTicks();
    host.advance(3 * kBlinkPeriod);
    EXPECT_EQ(BlinkTicks(), ticks + 3);

    command(tly::kCmdClearBookmarks);
    for (const int m : marks)
        EXPECT_EQ(object(m).kind(), kKindDeleted);
}

TEST_F(BoardCommands, CenterAndDrawToFitMoveTheViewOrigin)
{
    board()->data().viewOriginX = 700;
    board()->data().viewOriginY = -300;
    command(tly::kCmdCenterView);
    EXPECT_EQ(board()->data().viewOriginX, 0);
    EXPECT_EQ(board()->data().viewOriginY, 0);

    command(tly::kCmdDrawToFit);
    EXPECT_TRUE(g_view.drawToFit);
    EXPECT_EQ(g_gesture.tool, kToolDrawToFit);
    plat::Rect client;
    view()->GetClientRect(&client);
    view()->SendMessage(plat::kWmMouseMove, 0, at(client.right - 10, client.bottom - 10));
    view()->SendMessage(plat::kWmLButtonDown, plat::kMkLButton, at(client.right - 10, client.bottom - 10));
    EXPECT_FALSE(g_view.drawToFit);
    EXPECT_GT(board()->data().viewOriginX, 0);
    EXPECT_GT(board()->data().viewOriginY, 0);
    EXPECT_EQ(g_gesture.tool, kToolSelect);
}

// The fit view holds the mouse: a click on a toolbar or menu, off the window, goes back to the
// view there was before; its box is drawn only about a pointer over the window.
TEST_F(BoardCommands, DrawToFitLeftOffTheWindowKeepsTheViewBefore)
{
    board()->data().viewOriginX = 700;
    board()->data().viewOriginY = -300;
    view()->SendMessage(plat::kWmMouseMove, 0, at(-50, -40));
    command(tly::kCmdDrawToFit);
    ASSERT_TRUE(g_view.drawToFit);
    EXPECT_FALSE(g_fit.boxShown) << "no box about a point off the window";
    view()->SendMessage(plat::kWmMouseMove, 0, at(200, 150));
    EXPECT_TRUE(g_fit.boxShown);
    view()->SendMessage(plat::kWmMouseMove, 0, at(-50, -40));
    view()->SendMessage(plat::kWmLButtonDown, plat::kMkLButton, at(-50, -40));
    EXPECT_FALSE(g_view.drawToFit);
    EXPECT_EQ(board()->data().viewOriginX, 700);
    EXPECT_EQ(board()->data().viewOriginY, -300);
}

TEST_F(BoardCommands, ClearAsksAndKeepsTheOutline)
{
    drawTrace(100, 100, 200, 100);
    ASSERT_GT(g_undo.depth, 0);
    host.answerMessageBox(plat::kIdNo);
    command(tly::kCmdEditClear);
    EXPECT_EQ(count(), 2);
    host.answerMessageBox(plat::kIdYes);
    command(tly::kCmdEditClear);
    EXPECT_EQ(host.messageBoxes().back(), "Do you really want to clear?");
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(object(1).kind(), kKindOutline);
    EXPECT_EQ(object(2).kind(), kKindDeleted);
    EXPECT_EQ(g_undo.depth, 0);
}

}  // namespace
