// Setup > Layers, File > Printout Settings, the Incremental Router dialog (the route tool
// chosen twice) and Ctrl+F3, driven through the frame as a person reaches them.
#include "tests/tracelyn/workspace/board_commands_fixture.h"

#include "platform/app/control_bars.h"
#include "resources/tracelyn/edit_ids.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/setup_dialog_ids.h"
#include "tracelyn/route/maze_router.h"
#include "tracelyn/workspace/setup_dialogs.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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
        // The dialog's own words for the settings the sheet's page names at length.
        EXPECT_EQ(d.GetDlgItemText(kIdcRouteOneLayer), "1");
        EXPECT_EQ(d.GetDlgItemText(kIdcRouteTwoLayers), "2");
        EXPECT_EQ(d.GetDlgItemText(kIdcRouteBuried), "Buried");
        EXPECT_TRUE(std::ranges::any_of(d.controls(), [](const auto& c) { return c->text() == "Length:"; }));
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

TEST_F(BoardSetupDialogs, SelectiveEditingSetsTheSwitchesAndTheModeThatSelectAllObeys)
{
    struct Case {
        const char* name;
        std::function<void(plat::Dialog&)> clicks;
        int32_t mode;
    };
    const Case cases[] = {
        {"only Traces", [](plat::Dialog& d) { d.PressButton(kIdcSelEditNone); d.PressButton(kIdcSelEditFirstKind + 2); }, 713},
        {"Text and Traces",
         [](plat::Dialog& d) {
             d.PressButton(kIdcSelEditNone);
             d.PressButton(kIdcSelEditFirstKind);
             d.PressButton(kIdcSelEditFirstKind + 2);
         },
         710},
        {"All Objects", [](plat::Dialog& d) { d.PressButton(kIdcSelEditAll); }, 710},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.answerDialog([&](plat::Dialog& d) {
            c.clicks(d);
            return d.PressButton(plat::kIdOk);
        });
        command(kCmdSelectiveSetup);
        EXPECT_EQ(g_gesture.selectiveMode, c.mode);
        EXPECT_EQ(frame().frameCombo(kComboSelectiveEdit)->GetCurSel(), c.mode - 710);
    }
    EXPECT_EQ(g_selectiveEdit.on[kSwitchNets], 0) << "All Objects leaves Edit Nets Only off";

    // The menu marks each kind from its own switch: with text and traces on, those two (and not
    // "All") are checked.
    host.answerDialog([](plat::Dialog& d) {
        d.PressButton(kIdcSelEditNone);
        d.PressButton(kIdcSelEditFirstKind);
        d.PressButton(kIdcSelEditFirstKind + 2);
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdSelectiveSetup);
    std::vector<int> marked;
    for (unsigned id = kCmdSelectiveFirst; id <= kCmdSelectiveLast; ++id) {
        plat::CmdUI ui(id);
        frame().OnCmdMsg(id, &ui);
        if (ui.check() == 1)
            marked.push_back(static_cast<int>(id));
    }
    EXPECT_EQ(marked, (std::vector<int>{711, 713}));

    // "Artwork" switches on exactly pads and traces; Ctrl+A then takes exactly those.
    add(kKindText, 100, 100, 0, 0, "R1");
    add(kKindPad, 200, 200, 60, 60);
    add(kKindLine, 0, 0, 1000, 0);
    add(kKindArc, 500, 500, 100, 100);
    add(kKindPad, 900, 200, 60, 60);
    host.answerDialog([](plat::Dialog& d) {
        d.PressButton(kIdcSelEditArtwork);
        for (int k = 0; k < 10; ++k)
            EXPECT_EQ(d.IsDlgButtonChecked(kIdcSelEditFirstKind + static_cast<unsigned>(k)), k == 1 || k == 2 ? 1 : 0) << k;
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdSelectiveSetup);
    key('A', {plat::kVkControl});
    std::vector<int> selected;
    for (int i = 1; i <= g_selection.count; ++i)
        selected.push_back(g_selection.list[static_cast<size_t>(i)] - base_);
    EXPECT_EQ(selected, (std::vector<int>{2, 3, 5}));

    // "Edit Nets Only" keeps its own check and turns the nine others off (and on again).
    host.answerDialog([](plat::Dialog& d) {
        d.PressButton(kIdcSelEditAll);
        d.PressButton(kIdcSelEditNetsOnly);
        EXPECT_EQ(d.IsDlgButtonChecked(kIdcSelEditNetsOnly), 1);
        EXPECT_EQ(d.IsDlgButtonChecked(kIdcSelEditFirstKind), 0);
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdSelectiveSetup);
    EXPECT_EQ(g_gesture.selectiveMode, kSelectiveEditNetsOnly);
    EXPECT_EQ(g_selectiveEdit.on[kSwitchNets], 1);
    EXPECT_EQ(g_selectiveEdit.on[kSwitchText], 0);
}

TEST_F(BoardSetupDialogs, FontGivesSelectedTextsTheSizeAndTTwiceOpensIt)
{
    g_boardSettings.CurrentSize = 6;
    add(kKindText, 0, 0, 3 * 256 + 5, 0, "U1");
    add(kKindLine, 0, 0, 700, 0);
    add(kKindText, 50, 0, 4 * 256 + 0x8000 + 2, 0, "U2");
    select({1, 2, 3});
    // Cancel changes nothing.
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.GetDlgItem(kIdcFontHeight)->GetCurSel(), 4) << "size 6 is 100 mils";
        d.GetDlgItem(kIdcFontHeight)->choose(0);
        return d.PressButton(plat::kIdCancel);
    });
    command(kCmdFont);
    EXPECT_EQ(obj(1).w[2], 3 * 256 + 5);
    EXPECT_EQ(g_selection.count, 3);

    host.answerDialog([](plat::Dialog& d) {
        d.GetDlgItem(kIdcFontHeight)->choose(6);
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdFont);
    EXPECT_EQ(g_boardSettings.CurrentSize, 8);
    EXPECT_EQ(obj(1).w[2], 8 * 256 + 5);
    EXPECT_EQ(obj(3).w[2], 8 * 256 + 0x8000 + 2) << "the text's other bits stay";
    EXPECT_EQ(obj(2).w[2], 700) << "a trace has no font";
    EXPECT_EQ(g_selection.count, 0);

    int opened = 0;
    host.answerDialog([&](plat::Dialog& d) {
        ++opened;
        EXPECT_EQ(d.templateId(), kIddFont);
        return d.PressButton(plat::kIdCancel);
    });
    key('T');
    key('T');
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(g_gesture.tool, kToolText);
}

// Setting up what comes next, the dialogs open where the person last clicked (Font at its
// fixed corner); set on a selection, they open where the desktop puts them.
TEST_F(BoardSetupDialogs, PadRouterAndFontDialogsOpenAtTheLastClick)
{
    click(180, 120);
    ASSERT_EQ(g_selection.count, 0) << "an empty spot selects nothing";
    plat::Point clicked{180, 120};
    view()->ClientToScreen(&clicked);
    std::vector<std::optional<plat::Point>> places;
    const auto opened = [&](plat::Dialog& d) {
        places.push_back(d.openPosition());
        return d.PressButton(plat::kIdCancel);
    };
    host.answerDialog(opened);
    command(kCmdPadSetup);
    host.answerDialog(opened);
    key(plat::kVkF3);
    key(plat::kVkF3);
    host.answerDialog(opened);
    command(kCmdFont);
    EXPECT_EQ(places, (std::vector<std::optional<plat::Point>>{clicked, clicked, plat::Point{150, 70}}));

    places.clear();
    add(kKindPad, 0, 0, 50, 50);
    select({1});
    host.answerDialog(opened);
    command(kCmdPadSetup);
    host.answerDialog(opened);
    command(kCmdFont);
    EXPECT_EQ(places, (std::vector<std::optional<plat::Point>>{std::nullopt, std::nullopt}));
}

TEST_F(BoardSetupDialogs, AuxResourcesOpensTheThreeUsageBars)
{
    for (int i = 0; i < 100; ++i)
        add(kKindLine, i * 10, 0, i * 10 + 5, 0);
    int painted = 0;
    host.answerDialog([&](plat::Dialog& d) {
        EXPECT_EQ(d.title(), "Resource Usage");
        for (unsigned id : {kIdcUsageLibrary, kIdcUsageDesign, kIdcUsageSystem}) {
            plat::Control* bar = d.GetDlgItem(id);
            EXPECT_NE(bar, nullptr);
            if (bar != nullptr) {
                bar->OnPaint();
                ++painted;
            }
        }
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdResources);
    EXPECT_EQ(painted, 3);
}

}  // namespace
