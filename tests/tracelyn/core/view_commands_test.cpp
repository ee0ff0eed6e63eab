// The view's right-button edit and its updates of the Edit commands.
#include "edit_fixture.h"

#include "platform/app/cmd_target.h"

namespace {

using namespace edit_test;

class ViewCommands : public BoardEditTest {
protected:
    void rightClick(int x, int y)
    {
        view()->SendMessage(plat::kWmMouseMove, 0, at(x, y));
        view()->SendMessage(plat::kWmRButtonDown, plat::kMkRButton, at(x, y));
    }
};

TEST_F(ViewCommands, RightClickOpensThePropertyDialogOfTheOneSelectedObject)
{
    tool(tly::kCmdToolPad);
    click(100, 100);
    command(tly::kCmdSelect);
    click(100, 100);
    ASSERT_EQ(g_selection.count, 1);
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.templateId(), static_cast<unsigned>(tly::kIddPadSetup));
        EXPECT_EQ(d.GetDlgItemText(870), "60.0") << "preset with the pad's own size";
        d.TypeDlgItemText(870, "80");
        return d.PressButton(plat::kIdOk);
    });
    rightClick(100, 100);
    EXPECT_EQ(object(2).w[2], 800) << "Pad Setup applies the new size to the pad";
    EXPECT_EQ(g_boardSettings.padSizeX, 800);
    EXPECT_EQ(g_gesture.tool, kToolSelect);
    command(tly::kCmdUndo);
    EXPECT_EQ(object(2).w[2], 600);

    // Away from the object the right button only drops the selection.
    click(100, 100);
    ASSERT_EQ(g_selection.count, 1);
    rightClick(400, 400);
    EXPECT_EQ(g_selection.count, 0);
    EXPECT_EQ(host.count("dialog 204"), 1);
}

TEST_F(ViewCommands, EditCommandsNeedASelectionInSelectMode)
{
    plat::CmdUI erase(tly::kCmdErase);
    plat::CmdUI undo(tly::kCmdUndo);
    view()->OnCmdMsg(tly::kCmdErase, &erase);
    view()->OnCmdMsg(tly::kCmdUndo, &undo);
    EXPECT_FALSE(erase.enabled());
    EXPECT_FALSE(undo.enabled()) << "greyed at depth 0";
    tool(tly::kCmdToolTrace);
    drag(100, 100, 200, 100);
    command(tly::kCmdSelect);
    click(150, 100);
    view()->OnCmdMsg(tly::kCmdErase, &erase);
    view()->OnCmdMsg(tly::kCmdUndo, &undo);
    EXPECT_TRUE(erase.enabled());
    EXPECT_TRUE(undo.enabled());
}

}  // namespace
