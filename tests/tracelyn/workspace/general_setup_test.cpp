// Setup > General of the board program as a person uses it: the pages, mils and millimetres,
// the stored and the unstored, the selection that takes the drawing style, the backup timer,
// the units the grid menu and combos follow, and the clearance warning that still stores.
#include "tests/tracelyn/workspace/board_commands_fixture.h"

#include "platform/app/control_bars.h"
#include "platform/app/menu.h"
#include "platform/app/property_sheet.h"
#include "platform/app/win_constants.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/setup_dialog_ids.h"
#include "tracelyn/route/maze_router.h"

#include <string>

namespace {

using namespace edit_test;
using namespace tly;

class BoardGeneralSetup : public BoardCommands {
protected:
    void SetUp() override
    {
        BoardCommands::SetUp();
        g_mazeSettings = MazeRouterSettings{};
    }
    // Runs Setup > General with a script over the sheet.
    void runSheet(std::function<int(plat::PropertySheet&)> script)
    {
        host.answerDialog([script](plat::Dialog& d) { return script(static_cast<plat::PropertySheet&>(d)); });
        command(kCmdGeneralSetup);
    }
    static plat::PropertyPage& page(plat::PropertySheet& sheet, int index)
    {
        sheet.SetActivePage(index);
        return *sheet.GetPage(index);
    }
};

TEST_F(BoardGeneralSetup, WidthsInMilsAndMillimetresAreStoredOnOkOnly)
{
    plat::CmdUI ui(kCmdGeneralSetup);
    frame().OnCmdMsg(kCmdGeneralSetup, &ui);
    EXPECT_TRUE(ui.enabled());

    struct Case {
        int32_t units;
        const char* typed;
        int32_t stored;
    };
    for (const Case c : {Case{725, "300", 2550}, Case{725, "-12", 0}, Case{725, "12.25", 123}, Case{726, "0.254", 100},
                         Case{726, "junk", 0}}) {
        SCOPED_TRACE(c.typed);
        g_boardSettings.units = c.units;
        g_boardSettings.trace_width = 77;
        runSheet([&](plat::PropertySheet& sheet) {
            EXPECT_EQ(sheet.caption(), "General Setup");
            EXPECT_EQ(sheet.GetPageCount(), 4);
            plat::PropertyPage& draw = page(sheet, 0);
            EXPECT_EQ(draw.GetDlgItemText(kIdcGenWidthLabel), c.units == 726 ? "Width (mm):" : "Width (mils):");
            draw.SetDlgItemText(kIdcGenWidth, c.typed);
            return sheet.PressButton(plat::kIdOk);
        });
        EXPECT_EQ(g_boardSettings.trace_width, c.stored);
    }

    // Metric units show 10.1 mils in steps of 0.0025 mm; handed back untouched the width keeps
    // its exact value.
    g_boardSettings.units = 726;
    g_boardSettings.trace_width = 101;
    runSheet([](plat::PropertySheet& sheet) {
        EXPECT_EQ(page(sheet, 0).GetDlgItemText(kIdcGenWidth), "0.26");
        return sheet.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(g_boardSettings.trace_width, 101);

    // Cancel keeps every value.
    g_boardSettings.trace_width = 100;
    g_boardSettings.clipboard = 750;
    runSheet([](plat::PropertySheet& sheet) {
        plat::PropertyPage& draw = page(sheet, 0);
        draw.SetDlgItemText(kIdcGenWidth, "2");
        draw.PressButton(kIdcGenStyleFirst + 3);
        page(sheet, 1).PressButton(kIdcGenPageBreaks);
        return sheet.PressButton(plat::kIdCancel);
    });
    EXPECT_EQ(g_boardSettings.trace_width, 100);
    EXPECT_EQ(g_drawDefaults.outlineStyle, 0);
    EXPECT_EQ(g_boardSettings.breaks, 0);
    EXPECT_EQ(g_boardSettings.clipboard, 750);
}

TEST_F(BoardGeneralSetup, UnvisitedPagesKeepTheirSettingsAndFontSizesStayInTheirTables)
{
    g_boardSettings.lib_font = 4;
    g_boardSettings.net_font = 2;
    g_boardSettings.pin_font = 1;
    runSheet([](plat::PropertySheet& sheet) {
        plat::PropertyPage& display = page(sheet, 1);
        EXPECT_EQ(display.GetDlgItemText(kIdcGenLibFont), "4");
        for (int i = 0; i < 3; ++i)
            display.GetDlgItem(kIdcGenLibFontSpin)->spin(-1);
        EXPECT_EQ(display.GetDlgItemText(kIdcGenLibFont), "5");
        for (int i = 0; i < 7; ++i)
            display.GetDlgItem(kIdcGenLibFontSpin)->spin(1);
        EXPECT_EQ(display.GetDlgItemText(kIdcGenLibFont), "0");
        display.GetDlgItem(kIdcGenLibFontSpin)->spin(-1);
        for (int i = 0; i < 3; ++i)
            display.GetDlgItem(kIdcGenPinFontSpin)->spin(1);
        EXPECT_EQ(display.GetDlgItemText(kIdcGenPinFont), "0");
        display.SetDlgItemText(kIdcGenNetFont, "99");
        display.SetDlgItemText(kIdcGenMask, "-3");
        display.PressButton(kIdcGenRoundVias);
        return sheet.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(g_boardSettings.lib_font, 1);
    EXPECT_EQ(g_boardSettings.net_font, 4);
    EXPECT_EQ(g_boardSettings.pin_font, 0);
    EXPECT_EQ(g_boardSettings.mask, 0);
    EXPECT_EQ(g_boardSettings.RoundVias, 1);

    // The Drawing page opens first; with only the Display page visited besides, the units and
    // the router mode stay as they are, even when they change behind the unvisited pages.
    runSheet([](plat::PropertySheet& sheet) {
        page(sheet, 1).SetDlgItemText(kIdcGenMask, "12.5");
        g_boardSettings.units = 726;
        g_boardSettings.RouteMode = kRouteTwoLayers;
        return sheet.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(g_boardSettings.mask, 125);
    EXPECT_EQ(g_boardSettings.units, 726);
    EXPECT_EQ(g_boardSettings.RouteMode, kRouteTwoLayers);
}

TEST_F(BoardGeneralSetup, SelectedObjectsTakeTheDrawingStyleWhileTheDefaultsStay)
{
    add(kKindLine, 0, 0, 1000, 0).w[7] = 50;
    add(kKindRectangle, 0, 0, 500, 500);
    select({1, 2});
    runSheet([](plat::PropertySheet& sheet) {
        plat::PropertyPage& draw = page(sheet, 0);
        draw.SetDlgItemText(kIdcGenWidth, "25");
        draw.PressButton(kIdcGenStyleFirst + 2);
        draw.PressButton(kIdcGenFillFirst + 1);
        return sheet.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(obj(1).w[7], 250);
    EXPECT_EQ(obj(1).w[5], 2);
    EXPECT_EQ(obj(2).w[6], 1);
    EXPECT_EQ(g_boardSettings.trace_width, BoardSettings{}.trace_width);
    EXPECT_EQ(g_drawDefaults.outlineStyle, 0);
    EXPECT_EQ(g_drawDefaults.fillPattern, 0);
}

TEST_F(BoardGeneralSetup, BackupTimerUnitsAndGridFollowTheMiscellaneousPage)
{
    struct Case {
        const char* typed;
        int32_t minutes;
        unsigned period;
    };
    for (const Case c : {Case{"10 Min.", 10, 600'000}, Case{"-5", 10, 600'000}, Case{"99999999999", 10, 600'000},
                         Case{"1001", 10, 600'000}, Case{"1000", 1000, 60'000'000}, Case{"None", 0, 0}}) {
        SCOPED_TRACE(c.typed);
        runSheet([&](plat::PropertySheet& sheet) {
            page(sheet, 2).SetDlgItemText(kIdcGenBackup, c.typed);
            return sheet.PressButton(plat::kIdOk);
        });
        EXPECT_EQ(g_boardSettings.BackupTime, c.minutes);
        EXPECT_EQ(host.timerPeriod(kTimerBackup), c.period);
    }

    runSheet([](plat::PropertySheet& sheet) {
        plat::PropertyPage& misc = page(sheet, 2);
        EXPECT_EQ(misc.GetDlgItemText(kIdcGenRotation), "90.00");
        misc.PressButton(kIdcGenMetric);
        misc.PressButton(kIdcGenShowVias);
        return sheet.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(g_boardSettings.units, 726);
    EXPECT_EQ(g_boardSettings.viamode, 367);
    EXPECT_EQ(frame().frameCombo(kComboGrid)->GetLBText(0), ".1 mm");
    EXPECT_EQ(frame().GetMenu()->GetMenuString(kCmdGridFirst, plat::kMfByCommand), ".1 mm");
}

TEST_F(BoardGeneralSetup, RouterPageStoresLengthsAndWarnsOfATooLargeClearanceButStoresIt)
{
    const std::string warning = "message box: Warning!---Insufficient clearance.\nChange trace width and/or via size.";
    g_view.gridStepX = 500;
    g_mazeSettings.traceWidth = 120;
    struct Case {
        unsigned mode;
        const char* clearance;
        int32_t stored;
        bool warned;
    };
    // One layer leaves 500 - 120 = 380 units; two layers 500 - 200 - 60 = 240 (via 400).
    for (const Case c : {Case{kIdcRouteOneLayer, "38", 380, false}, Case{kIdcRouteOneLayer, "38.1", 381, true},
                         Case{kIdcRouteTwoLayers, "24", 240, false}, Case{kIdcRouteTwoLayers, "25", 250, true}}) {
        SCOPED_TRACE(c.clearance);
        host.clearEvents();
        runSheet([&](plat::PropertySheet& sheet) {
            plat::PropertyPage& router = page(sheet, 3);
            router.PressButton(c.mode);
            router.SetDlgItemText(kIdcRouteViaSize, "40");
            router.SetDlgItemText(kIdcRouteClearance, c.clearance);
            return sheet.PressButton(plat::kIdOk);
        });
        EXPECT_EQ(g_mazeSettings.clearance, c.stored);
        EXPECT_EQ(g_mazeSettings.viaSize, 400);
        EXPECT_EQ(g_boardSettings.RouteMode, static_cast<int32_t>(c.mode));
        EXPECT_EQ(host.shown(warning), c.warned);
    }

    // Metric units show and read millimetres; the maximum length stays in mils.
    g_boardSettings.units = 726;
    g_mazeSettings.maxLength = 1000;
    runSheet([](plat::PropertySheet& sheet) {
        plat::PropertyPage& router = page(sheet, 3);
        EXPECT_EQ(router.GetDlgItemText(kIdcRouteUnits), "Units: mm");
        EXPECT_EQ(router.GetDlgItemText(kIdcRouteViaSize), "1.02");
        EXPECT_EQ(router.GetDlgItemText(kIdcRouteMaxLength), "25.40");
        router.SetDlgItemText(kIdcRouteViaHole, "0.5");
        router.SetDlgItemText(kIdcRouteMaxLength, "50.8");
        router.SetDlgItemText(kIdcRouteMaxVias, "-4");
        return sheet.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(g_mazeSettings.viaHole, 197);
    EXPECT_EQ(g_mazeSettings.maxLength, 2000);
    EXPECT_EQ(g_mazeSettings.maxVias, 0);
}

}  // namespace
