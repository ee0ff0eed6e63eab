// The copper commands in the running program: the flood fill of a drawn rectangle and its
// undo, copper islands, thermal-pad alignment and the Outline menu at a vertex handle.
#include "tests/tracelyn/core/edit_fixture.h"

#include "platform/app/menu.h"
#include "platform/app/dialog.h"
#include "resources/tracelyn/copper_ids.h"
#include "tracelyn/core/handle_drag.h"
#include "tracelyn/route/flood_fill.h"

namespace {

using edit_test::kUnitsPerPixel;

class CopperCommands : public edit_test::BoardEditTest {
protected:
    void SetUp() override
    {
        BoardEditTest::SetUp();
        g_fill = FillSettings{};
    }
    // A 2,000 x 1,500 unit rectangle drawn with the rectangle tool, then selected by a click
    // on its edge.
    int drawRectangle()
    {
        tool(tly::kCmdToolRectangle);
        drag(100, 100, 140, 130);
        const int index = count();
        command(tly::kCmdSelect);
        click(100, 115);
        return index;
    }
    void answerFill(bool fill, bool removeEnclosing = true)
    {
        host.answerDialog([=](plat::Dialog& d) {
            d.CheckDlgButton(tly::kIdcRemoveEnclosing, removeEnclosing ? 1 : 0);
            return d.PressButton(fill ? plat::kIdOk : plat::kIdCancel);
        });
    }
    int live(int kind) const
    {
        int n = 0;
        for (int i = 1; i <= count(); ++i)
            n += object(i).kind() == kind ? 1 : 0;
        return n;
    }
};

TEST_F(CopperCommands, FillPoursInsideTheRectangleAndUndoTakesItBack)
{
    const int rectangle = drawRectangle();
    ASSERT_EQ(g_selection.count, 1);
    ASSERT_EQ(g_selection.list[1], rectangle);
    const int depth = g_undo.depth;
    answerFill(true);
    command(tly::kCmdToolFill);
    EXPECT_TRUE(host.shown("dialog 254"));
    ASSERT_GT(count(), rectangle);
    EXPECT_EQ(object(rectangle).kind(), kKindDeleted) << "the enclosing rectangle goes";
    EXPECT_EQ(object(count()).kind(), kKindRectangle);
    EXPECT_EQ(object(count()).w[6], 1);
    EXPECT_EQ(g_selection.count, 0);
    EXPECT_EQ(host.messageBoxes().back().rfind("Flood fill time=", 0), 0u);
    EXPECT_EQ(g_undo.depth, std::min(depth + 2, kUndoSteps));

    command(tly::kCmdUndo);
    EXPECT_LE(count(), rectangle) << "the fill is taken back";
    command(tly::kCmdUndo);
    EXPECT_EQ(object(rectangle).kind(), kKindRectangle) << "and then the rectangle comes back";
    EXPECT_EQ(count(), rectangle);
}

TEST_F(CopperCommands, CancelAndKeepingTheShapeLeaveItWhereItWas)
{
    const int rectangle = drawRectangle();
    const int depth = g_undo.depth;
    answerFill(false);
    command(tly::kCmdToolFill);
    EXPECT_EQ(count(), rectangle);
    EXPECT_EQ(object(rectangle).kind(), kKindRectangle);
    EXPECT_EQ(g_undo.depth, depth);

    answerFill(true, false);
    command(tly::kCmdToolFill);
    EXPECT_GT(count(), rectangle);
    EXPECT_EQ(object(rectangle).kind(), kKindRectangle);
    EXPECT_EQ(g_undo.depth, std::min(depth + 1, kUndoSteps));
}

TEST_F(CopperCommands, FillWithoutAnEnclosingShapeSaysWhatToSelect)
{
    command(tly::kCmdToolFill);
    EXPECT_EQ(host.messageBoxes().back(), "Select a rectangle, ellipse or polygon that encloses your fill region.");
    EXPECT_FALSE(host.shown("dialog 254"));
    tool(tly::kCmdToolTrace);
    drag(100, 100, 200, 100);
    command(tly::kCmdSelect);
    click(150, 100);
    ASSERT_EQ(g_selection.count, 1);
    command(tly::kCmdToolFill);
    EXPECT_FALSE(host.shown("dialog 254"));
    EXPECT_EQ(count(), 2);
}

TEST_F(CopperCommands, CopperIslandsGoAsOneUndoableStep)
{
    BoardDocumentData& data = board()->data();
    auto addRect = [&](int32_t x, int32_t w) {
        BoardObject& o = (*data.objects)[static_cast<size_t>(++data.objectCount)];
        o.w = {x, 0, w, 30, kKindRectangle, 0, 1, 20};
    };
    addRect(0, 100);         // a 3,000-unit island
    addRect(5000, 5000);     // large copper
    command(tly::kCmdRemoveCopperIslands);
    EXPECT_EQ(object(2).kind(), kKindDeleted);
    EXPECT_EQ(object(3).kind(), kKindRectangle);
    EXPECT_EQ(g_selection.count, 0);
    command(tly::kCmdUndo);
    EXPECT_EQ(object(2).kind(), kKindRectangle);
}

TEST_F(CopperCommands, AlignThermalPadsIsUndoableAndLeavesNothingSelected)
{
    BoardDocumentData& data = board()->data();
    (*data.objects)[2].w = {1000, 1000, 600, 600, kLayerAll * 1024 + kKindPad, 0, 350, 0};
    (*data.objects)[3].w = {1050, 950, 300, 300, kLayerGround * 1024 + kKindPad, 8, 100, 0};
    data.objectCount = 3;
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.GetDlgItemText(tly::kIdcThermalThreshold), "10");
        return d.PressButton(plat::kIdOk);
    });
    command(tly::kCmdAlignThermalPads);
    EXPECT_EQ(host.messageBoxes().back(), "Aligned 1 thermal pads");
    EXPECT_EQ(object(3).w[0], 1000);
    EXPECT_EQ(object(3).w[6], 350);
    EXPECT_EQ(g_selection.count, 0);
    command(tly::kCmdUndo);
    EXPECT_EQ(object(3).w[0], 1050);

    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdCancel); });
    command(tly::kCmdAlignThermalPads);
    EXPECT_EQ(object(3).w[0], 1050);
}

TEST_F(CopperCommands, OutlineMenuEditsThePickedVertex)
{
    // Current Layer > Outline, Select, a click inside the board.
    command(tly::kCmdLayerFirst + 24);
    ASSERT_EQ(g_edit.currentLayer, kLayerOutline);
    command(tly::kCmdSelect);
    click(150, 150);
    ASSERT_EQ(g_selection.count, 1);
    ASSERT_EQ(g_selection.list[1], 1);
    // The pointer over the first vertex, then the right button and Insert Line.
    const BoardObject& outline = object(1);
    ASSERT_EQ(outline.w[2], 4);
    const int32_t vx = outline.points()[0], vy = outline.points()[1];
    plat::Rect client;
    view()->GetClientRect(&client);
    const int px = (client.left + client.right) / 2 + vx / kUnitsPerPixel;
    const int py = (client.top + client.bottom) / 2 + vy / kUnitsPerPixel;
    view()->SendMessage(plat::kWmMouseMove, 0, at(px, py));
    EXPECT_EQ(PickedHandle(), 0);
    plat::Menu::chooseNextPopupCommand(tly::kCmdOutlineInsertLine);
    view()->SendMessage(plat::kWmRButtonDown, plat::kMkRButton, at(px, py));
    EXPECT_EQ(object(1).w[2], 5);
    command(tly::kCmdUndo);
    EXPECT_EQ(object(1).w[2], 4);

    host.answerMessageBox(plat::kIdYes);
    command(tly::kCmdOutlineCircle);
    EXPECT_EQ(object(1).points()[4], 10);
}

}  // namespace
