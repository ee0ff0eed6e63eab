// Setup > Layers, File > Printout Settings, the Incremental Router dialog (the route tool
// chosen twice) and Ctrl+F3, driven through the frame as a person reaches them.
#include "tests/tracelyn/workspace/board_commands_fixture.h"

#include "platform/app/control_bars.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/setup_dialog_ids.h"
#include "tracelyn/route/maze_router.h"
#include "tracelyn/workspace/setup_dialogs.h"

#include <string>

namespace {

using namespace edit_test;
using namespace tly;

class BoardSetupDialogs : public BoardCommands {
protected:
    void SetUp() override
    {
        BoardCommands::SetUp();
        g_mazeSettings = MazeRouterSettings{};
    }
    static int layerViewImage()
    {
        const plat::ToolBar& bar = *frame().toolBar(kIdrViewBar);
        return bar.button(bar.CommandToIndex(kCmdLayerView)).image;
    }
};

TEST_F(BoardSetupDialogs, LayerSetupShowsAndStoresTheCopperLayersAndSilkOnly)
{
    BoardSettings& s = g_boardSettings;
    s.layerSwitches.fill(0);
    s.layerSwitches[3] = 1;
    s.layerSwitches[16] = 1;    // flags beyond the copper layers: not the dialog's
    s.layerSwitches[20] = 1;
    s.layerSwitches[31] = 1;
    s.layerDisplay = {0, 1};
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(kIdcLayerFirst + 3), 1);
        EXPECT_EQ(d.IsDlgButtonChecked(kIdcLayerFirst), 0);
        EXPECT_EQ(d.IsDlgButtonChecked(kIdcTopSilk), 0) << "layer 16's flag is not the silk box";
        EXPECT_EQ(d.IsDlgButtonChecked(kIdcBottomSilk), 1);
        d.GetDlgItem(kIdcLayerFirst + 3)->click();
        d.GetDlgItem(kIdcLayerFirst + 15)->click();
        d.GetDlgItem(kIdcTopSilk)->click();
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdLayerSetup);
    EXPECT_EQ(s.layerSwitches[3], 0);
    EXPECT_EQ(s.layerSwitches[15], 1);
    EXPECT_EQ(s.layerSwitches[16], 1);
    EXPECT_EQ(s.layerSwitches[20], 1);
    EXPECT_EQ(s.layerSwitches[31], 1) << "the all-layer pads stay shown";
    EXPECT_EQ(s.layerDisplay[0], 1);

    // Cancel changes nothing.
    host.answerDialog([](plat::Dialog& d) {
        d.GetDlgItem(kIdcLayerFirst + 15)->click();
        return d.PressButton(plat::kIdCancel);
    });
    command(kCmdLayerSetup);
    EXPECT_EQ(s.layerSwitches[15], 1);
}

TEST_F(BoardSetupDialogs, LayerPairChosenStaysThroughASecondOkAndShowsOnTheToolbar)
{
    ASSERT_EQ(g_edit.layerViewMode, kViewOneLayer);
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(kIdcViewOneLayer), 1);
        d.GetDlgItem(kIdcViewLayerPair)->click();
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdLayerSetup);
    EXPECT_EQ(g_edit.layerViewMode, kViewLayerPair);
    EXPECT_EQ(layerViewImage(), kImageLayerPair);

    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
    command(kCmdLayerSetup);
    EXPECT_EQ(g_edit.layerViewMode, kViewLayerPair);
    EXPECT_EQ(layerViewImage(), kImageLayerPair);

    host.answerDialog([](plat::Dialog& d) {
        d.GetDlgItem(kIdcViewOneLayer)->click();
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdLayerSetup);
    EXPECT_EQ(g_edit.layerViewMode, kViewOneLayer);
    EXPECT_EQ(layerViewImage(), kImageOneLayer);
}

TEST_F(BoardSetupDialogs, PrintoutScaleOfZeroOrNoNumberIsRefusedAndKeepsTheOldFactor)
{
    g_boardSettings.fXp = 1.5;
    g_boardSettings.fYp = 1.0;
    for (const char* typed : {"0", "abc", "", "1e400"}) {
        SCOPED_TRACE(typed);
        host.clearEvents();
        host.answerDialog([&](plat::Dialog& d) {
            EXPECT_EQ(d.GetDlgItemText(kIdcPrintScaleX), "150.0");
            d.SetDlgItemText(kIdcPrintScaleX, typed);
            d.GetDlgItem(kIdcPrintMirror)->click();
            EXPECT_EQ(d.PressButton(plat::kIdOk), -1) << "the dialog stays open";
            return d.PressButton(plat::kIdCancel);
        });
        command(kCmdPrintoutSettings);
        EXPECT_TRUE(host.shown(std::string("message box: ") + kPrintScaleRefused));
        EXPECT_DOUBLE_EQ(g_boardSettings.fXp, 1.5);
        EXPECT_EQ(g_boardSettings.PrMirror, 0);
    }

    host.answerDialog([](plat::Dialog& d) {
        d.SetDlgItemText(kIdcPrintScaleX, "-50");
        d.SetDlgItemText(kIdcPrintScaleY, "200");
        d.GetDlgItem(kIdcPrintMirror)->click();
        d.GetDlgItem(kIdcPrintColor)->click();
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdPrintoutSettings);
    EXPECT_DOUBLE_EQ(g_boardSettings.fXp, 0.5);
    EXPECT_DOUBLE_EQ(g_boardSettings.fYp, 2.0);
    EXPECT_EQ(g_boardSettings.PrMirror, 1);
    EXPECT_EQ(g_boardSettings.PrColor, 1);
    EXPECT_EQ(g_boardSettings.PrInvert, 0);
}

TEST_F(BoardSetupDialogs, RouteToolChosenTwiceOpensTheRouterDialogAndCtrlF3SwitchesLayers)
{
    int opened = 0;
    host.answerDialog([&](plat::Dialog& d) {
        ++opened;
        EXPECT_EQ(d.templateId(), kIddIncrementalRouter);
        EXPECT_EQ(d.GetDlgItemText(kIdcRouteTraceWidth), "12");
        EXPECT_EQ(d.GetDlgItemText(kIdcRouteUnits), "Units: mils");
        d.SetDlgItemText(kIdcRouteTraceWidth, "10");
        d.GetDlgItem(kIdcRouteTwoLayers)->click();
        d.GetDlgItem(kIdcRouteBevels)->click();
        return d.PressButton(plat::kIdOk);
    });
    key(plat::kVkF3);
    EXPECT_EQ(opened, 0) << "the first choice only chooses the tool";
    EXPECT_EQ(g_gesture.tool, kToolRoute);
    key(plat::kVkF3);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(g_mazeSettings.traceWidth, 100);
    EXPECT_EQ(g_mazeSettings.bevels, 1);
    EXPECT_EQ(g_boardSettings.RouteMode, kRouteTwoLayers);

    key(plat::kVkF3, {plat::kVkControl});
    EXPECT_EQ(g_boardSettings.RouteMode, kRouteOneLayer);
    key(plat::kVkF3, {plat::kVkControl});
    EXPECT_EQ(g_boardSettings.RouteMode, kRouteTwoLayers);
    EXPECT_EQ(opened, 1);
}

}  // namespace
