// The board program's main window as a person uses it: the five toolbars and their combos,
// the status panes, the Setup switches and the units key, the kept toolbar layout, the status
// animation, the progress bar of long operations, and what closing windows leaves behind.
#include "platform/app/frame_wnd.h"
#include "platform/app/win_app.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tests/tracelyn/core/program_folder_fixture.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/core/status_progress.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/workspace/main_frame.h"
#include "support/frame_combo_measure.h"

#include <string>
#include <vector>

namespace {

using namespace tly;

class BoardMainFrame : public ProgramFolderTest {
protected:
    static CMainFrame& frame() { return *static_cast<CMainFrame*>(plat::GetMainWnd()); }
    static plat::ToolBarCombo& combo(unsigned id)
    {
        plat::ToolBarCombo* c = frame().frameCombo(id);
        EXPECT_NE(c, nullptr) << id;
        return *c;
    }
    static std::vector<unsigned> buttons(unsigned barId)
    {
        std::vector<unsigned> ids;
        const plat::ToolBar* bar = frame().toolBar(barId);
        for (int i = 0; bar != nullptr && i < bar->GetCount(); ++i)
            if (!(bar->button(i).style & (plat::kTbbsSeparator | plat::kTbbsHidden)))
                ids.push_back(bar->button(i).id);
        return ids;
    }
    static std::vector<std::string> texts(unsigned comboId)
    {
        std::vector<std::string> all;
        for (const auto& e : combo(comboId).entries())
            all.push_back(e.text);
        return all;
    }
    static bool checked(unsigned barId, unsigned id) { return frame().toolBar(barId)->IsButtonChecked(id); }
    static bool enabled(unsigned barId, unsigned id) { return frame().toolBar(barId)->IsButtonEnabled(id); }
};

TEST_F(BoardMainFrame, BarsCombosAndPanesInEnglishAndMetricUnits)
{
    struct Case {
        const char* units;
        const char* firstGrid;
        const char* firstWidth;
        const char* fifthWidth;
    };
    for (const Case c : {Case{"725", ".5 mils", "1", "12"}, Case{"726", ".1 mm", ".05", ".5"}}) {
        SCOPED_TRACE(c.units);
        writeIni(std::string("DoTips=0\nunits=") + c.units + "\n");
        auto harness = start();
        ASSERT_TRUE(harness.start());
        harness.idle();
        EXPECT_EQ(buttons(kIdrMainBar), (std::vector<unsigned>{57601, 57603, 57607, 999, 232, 57669, 32876}));
        EXPECT_EQ(buttons(kIdrSetupBar), (std::vector<unsigned>{328, 320, 377, 32887, 517, 32884, 32885, 32823}));
        EXPECT_EQ(buttons(kIdrViewBar), (std::vector<unsigned>{130, 153, 152, 5001, 215}));
        EXPECT_EQ(buttons(kIdrModifyBar), (std::vector<unsigned>{1309, 1310, 1311, 1312, 1313, 1314, 216, 187}));
        EXPECT_EQ(combo(kComboLayer).GetCount(), 29);
        EXPECT_EQ(combo(kComboLayer).GetLBText(25), "Power 1");
        EXPECT_EQ(combo(kComboScale).GetLBText(combo(kComboScale).GetCurSel()), "100%");
        EXPECT_EQ(texts(kComboGrid).size(), 9u);
        EXPECT_EQ(texts(kComboGrid).front(), c.firstGrid);
        EXPECT_EQ(texts(kComboStockWidth).size(), 12u);
        EXPECT_EQ(texts(kComboStockWidth)[0], c.firstWidth);
        EXPECT_EQ(texts(kComboStockWidth)[4], c.fifthWidth);
        EXPECT_EQ(texts(kComboSelectiveEdit).back(), "Nets only");
        EXPECT_TRUE(combo(kComboLayer).ownerDraw() && combo(kComboStockWidth).ownerDraw());

        const plat::StatusBar& status = frame().statusBarPanes();
        ASSERT_EQ(status.GetCount(), 5);
        for (auto [pane, width] : {std::pair{1, 140}, std::pair{2, 32}, std::pair{3, 30}, std::pair{4, 30}}) {
            unsigned id = 0, style = 0;
            int got = 0;
            status.GetPaneInfo(pane, id, style, got);
            EXPECT_EQ(got, width) << "pane " << pane;
        }
        // The panes follow the new board: the 4X4 work area, an all but empty store.
        EXPECT_EQ(status.GetPaneText(3), "4X4");
        EXPECT_EQ(status.GetPaneText(4), "0% ");
    }
}

TEST_F(BoardMainFrame, ComboChoicesSetLayerScaleGridAndWidth)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    harness.idle();

    combo(kComboLayer).choose(25);
    EXPECT_EQ(g_edit.currentLayer, 26) << "Power 1 is layer 26";
    combo(kComboLayer).choose(0);
    EXPECT_EQ(g_edit.currentLayer, 31);
    combo(kComboLayer).choose(24);
    EXPECT_EQ(g_edit.currentLayer, 23);

    combo(kComboScale).choose(5);
    EXPECT_EQ(g_board.zoomIndex, 5);
    EXPECT_EQ(g_active.data->zoomIndex, 5) << "the board keeps its scale";

    combo(kComboGrid).choose(3);
    EXPECT_EQ(g_active.data->gridCommand, 701);

    combo(kComboStockWidth).choose(3);
    EXPECT_EQ(g_boardSettings.trace_width, 100) << "\"10\" mils";
    combo(kComboStockWidth).choose(11);
    EXPECT_EQ(g_boardSettings.trace_width, 100) << "Var keeps the width";

    // With a trace selected, the width picked goes to it.
    const int trace = AppendObject();
    ASSERT_GT(trace, 0);
    BoardObject& line = g_board.objects[trace];
    line.w = {0, 0, 1000, 0, kKindLine, 0, 0, 50};
    g_selection.list[1] = trace;
    g_selection.count = 1;
    combo(kComboStockWidth).choose(6);
    EXPECT_EQ(g_board.objects[trace].w[7], 200) << "\"20\" mils";
    g_selection.count = 0;

    // A board repaint brings the combos back in line with what the board holds.
    g_edit.currentLayer = kLayerOutline;
    g_boardSettings.trace_width = 77;
    ASSERT_TRUE(harness.command(kCmdRedraw));
    harness.idle();
    EXPECT_EQ(combo(kComboLayer).GetCurSel(), -1) << "the outline has no entry";
    EXPECT_EQ(combo(kComboStockWidth).GetCurSel(), 11);
    EXPECT_EQ(combo(kComboScale).GetCurSel(), 5);
    EXPECT_EQ(combo(kComboGrid).GetCurSel(), 3);
}

// U switches the units: the grid menu, the grid and the width lists all change, and a width
// picked afterwards is read in the new units (not millimetres under a mil label).
TEST_F(BoardMainFrame, UnitsKeyRefillsTheUnitCombosKeepingThePosition)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    harness.idle();
    combo(kComboStockWidth).choose(3);
    const unsigned u = frame().accelerators().translate(plat::kWmKeyDown, 'U', false, false, false);
    EXPECT_EQ(u, kCmdUnits);
    ASSERT_TRUE(harness.command(u));
    EXPECT_EQ(g_boardSettings.units, 726);
    EXPECT_EQ(texts(kComboGrid).front(), ".1 mm");
    EXPECT_EQ(combo(kComboStockWidth).GetLBText(combo(kComboStockWidth).GetCurSel()), "Var")
        << "10 mils is no metric stock width";
    combo(kComboStockWidth).choose(4);
    EXPECT_EQ(g_boardSettings.trace_width, 196) << "\".5\" mm";
    EXPECT_EQ(frame().GetMenu()->findCommand(698)->text, ".1 mm");
    harness.idle();
    EXPECT_TRUE(checked(kIdrSetupBar, kCmdUnits));

    ASSERT_TRUE(harness.command(u));
    EXPECT_EQ(texts(kComboStockWidth)[4], "12");
    combo(kComboStockWidth).choose(4);
    EXPECT_EQ(g_boardSettings.trace_width, 120);
}

TEST_F(BoardMainFrame, SetupSwitchesFlipTheirSettingsAndGreyWithoutABoard)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    struct Case {
        unsigned id;
        int32_t* setting;
    };
    BoardSettings& s = g_boardSettings;
    for (const Case c : {Case{kCmdRubberBand, &s.rubber}, Case{kCmdLimit90, &s.limit}, Case{kCmdSnapGridVisible, &s.visible},
                         Case{kCmdPageBreaks, &s.breaks}, Case{kCmdPinNumbers, &s.hidden}, Case{kCmdTopSilk, &s.layerDisplay[0]},
                         Case{kCmdBottomSilk, &s.layerDisplay[1]}, Case{kCmdPadSnap, &s.padsnap}}) {
        SCOPED_TRACE(c.id);
        const int32_t before = *c.setting != 0 ? 1 : 0;
        ASSERT_TRUE(harness.command(c.id));
        EXPECT_EQ(*c.setting, 1 - before);
        harness.idle();
        if (c.id != kCmdPageBreaks) {
            EXPECT_EQ(checked(kIdrSetupBar, c.id), before == 0);
        }
        EXPECT_TRUE(c.id == kCmdPageBreaks || enabled(kIdrSetupBar, c.id));
    }
    ASSERT_TRUE(harness.command(plat::kIdFileClose));
    harness.idle();
    EXPECT_EQ(g_openDocuments.count, 0);
    for (unsigned id : std::initializer_list<unsigned>{kCmdRubberBand, kCmdSnapGridVisible, kCmdTopSilk, kCmdUnits}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(enabled(kIdrSetupBar, id));
    }
    const int32_t visible = s.visible;
    harness.command(kCmdSnapGridVisible);
    EXPECT_EQ(s.visible, visible) << "nothing to switch without a board";
}

TEST_F(BoardMainFrame, ToolBarLayoutIsKeptAndALayoutNamingAMissingBarIsIgnored)
{
    writeIni("DoTips=0\n");
    {
        auto harness = start();
        ASSERT_TRUE(harness.start());
        ASSERT_TRUE(harness.command(kCmdToolbarFirst + 3));   // View > Toolbars > Setup
        EXPECT_FALSE(frame().toolBar(kIdrSetupBar)->isShown());
        harness.close();
    }
    {
        auto harness = start();
        ASSERT_TRUE(harness.start());
        EXPECT_FALSE(frame().toolBar(kIdrSetupBar)->isShown()) << "hidden as it was left";
        harness.idle();
        EXPECT_TRUE(frame().GetMenu()->findCommand(kCmdToolbarFirst) != nullptr);
        ASSERT_TRUE(harness.command(kCmdDefaultToolbars));
        EXPECT_TRUE(frame().toolBar(kIdrSetupBar)->isShown());
        ASSERT_TRUE(harness.command(kCmdToolbarFirst + 3));
        harness.close();
    }
    {
        // The kept layout hides Setup and names a bar this frame does not have.
        auto harness = start();
        ASSERT_TRUE(harness.start());
        plat::WinApp& app = harness.app();
        const int bars = app.GetProfileInt("ToolBars-Summary", "Bars", 0);
        ASSERT_GT(bars, 1);
        bool named = false;
        for (int i = 0; i < bars; ++i) {
            const std::string section = "ToolBars-Bar" + std::to_string(i);
            const int id = app.GetProfileInt(section, "BarID", 0);
            EXPECT_TRUE(id != static_cast<int>(kIdrSetupBar) || app.GetProfileInt(section, "Visible", 1) == 0);
            if (id == static_cast<int>(kIdrMainBar)) {
                app.WriteProfileInt(section, "BarID", 9999);
                named = true;
            }
        }
        ASSERT_TRUE(named);
    }
    auto harness = start();
    ASSERT_TRUE(harness.start());
    for (unsigned id : std::initializer_list<unsigned>{kIdrMainBar, kIdrInsertBar, kIdrModifyBar, kIdrSetupBar, kIdrViewBar})
        EXPECT_TRUE(frame().toolBar(id)->isShown()) << id;
}

TEST_F(BoardMainFrame, StatusIconStandsStillWhileTheRouterWorks)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    const plat::StatusBar& status = frame().statusBarPanes();
    host.advance(500);
    const int phase = frame().animationPhase();
    const plat::Icon icon = status.GetPaneIcon(2);
    g_progress.routing = 1;
    host.advance(2000);
    EXPECT_EQ(frame().animationPhase(), phase);
    EXPECT_EQ(status.GetPaneIcon(2), icon);
    g_progress.routing = 0;
    host.advance(500);
    EXPECT_EQ(frame().animationPhase(), (phase + 1) % 4);
    EXPECT_NE(status.GetPaneIcon(2), icon) << "the two pictures alternate";
}

TEST_F(BoardMainFrame, ProgressBarLivesOverTheMessagePaneForTheOperation)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    const plat::StatusBar& status = frame().statusBarPanes();
    SetStatusBarProgress(0, 250.7, "Filling", kProgressStart);
    ASSERT_TRUE(status.hasProgress());
    EXPECT_EQ(status.progressRange(), 250);
    EXPECT_EQ(status.progressRect().left - status.GetItemRect(0).left, 120);
    EXPECT_EQ(status.progressRect().right - status.GetItemRect(0).left, 260);
    SetStatusBarProgress(0, 999, "", kProgressStart);
    EXPECT_EQ(status.progressRange(), 250) << "a second start keeps the bar";
    SetStatusBarProgress(100, 250, "Filling copper", kProgressUpdate);
    EXPECT_EQ(status.progressPos(), 100);
    EXPECT_EQ(status.GetPaneText(0), "Filling copper");
    SetStatusBarProgress(1e12, 250, "Filling copper", kProgressUpdate);
    EXPECT_EQ(status.progressPos(), 250);
    SetStatusBarProgress(250, 250, "", kProgressEnd);
    EXPECT_FALSE(status.hasProgress());
}

TEST_F(BoardMainFrame, ClosingTheLastBoardLeavesNothingSelected)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    g_selection.list[1] = 1;
    g_selection.count = 1;
    ASSERT_TRUE(harness.command(plat::kIdFileClose));
    EXPECT_EQ(g_selection.count, 0);
    EXPECT_EQ(g_openDocuments.count, 0);
}

// Cancelling the save question keeps the program, and boards closed later leave the
// open-document table as they should.
TEST_F(BoardMainFrame, CancelledCloseLeavesTheProgramAsItWas)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    static_cast<CTracelynDoc*>(frame().GetActiveDocument())->SetModifiedFlag(true);
    host.answerMessageBox(plat::kIdCancel);
    harness.close();
    ASSERT_NE(plat::GetMainWnd(), nullptr);
    EXPECT_FALSE(g_active.programClosing);
    static_cast<CTracelynDoc*>(frame().GetActiveDocument())->SetModifiedFlag(false);
    ASSERT_TRUE(harness.command(plat::kIdFileClose));
    EXPECT_EQ(g_openDocuments.count, 0);
    harness.idle();
    EXPECT_FALSE(enabled(kIdrSetupBar, kCmdRubberBand));
}

TEST_F(BoardMainFrame, HelpMenuAndToolKeys)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    ASSERT_TRUE(harness.command(kCmdHelpContents));
    EXPECT_EQ(host.count("help: " + harness.app().helpFile() + " 3") + host.count("help: " +
                  (std::string(folder.path().string()) + "/Tracelyn.hlp") + " 3"), 1);
    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
    ASSERT_TRUE(harness.command(kCmdTipOfTheDay));
    EXPECT_TRUE(host.shown("dialog 293"));
    ASSERT_TRUE(harness.command(kCmdWebsite));
    EXPECT_TRUE(host.shown("web page: https://www.quillmere.com/"));

    // Shift and a tool's letter: the tool, never its style dialog.
    const auto key = [&](unsigned vk) { return frame().accelerators().translate(plat::kWmKeyDown, vk, false, true, false); };
    g_gesture.tool = kToolTrace;
    host.clearEvents();
    ASSERT_TRUE(harness.command(key('L')));
    EXPECT_EQ(g_gesture.tool, kToolTrace);
    EXPECT_TRUE(host.events().empty() || !host.shown("dialog 207"));
    ASSERT_TRUE(harness.command(key('K')));
    EXPECT_EQ(g_gesture.tool, kToolArc);
    ASSERT_TRUE(harness.command(kCmdKeyToolFirst));
    EXPECT_EQ(g_gesture.tool, kToolPad);
}

}  // namespace

// The shared frame measures the toolbar combos' items and leaves other owner-drawn items alone.
TEST_F(BoardMainFrame, ToolbarComboItemsAreMeasuredOneSize)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    quill_test::ExpectComboItemsMeasuredOneSize(
        frame(), {kComboLayer, kComboScale, kComboGrid, kComboStockWidth, kComboSelectiveEdit});
}
