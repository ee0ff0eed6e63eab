// Setup > General as a person uses it: only the visited pages are stored, widths in metric
// units, the automatic-dots question, and the backup timer that follows the interval.
#include "platform/app/property_sheet.h"
#include "platform/app/win_app.h"
#include "resources/schemora/general_setup_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/app_test_support.h"
#include "schemora/core/settings.h"
#include "support/group_boxes.h"

#include <gtest/gtest.h>

#include <map>

#include <cmath>

namespace {

using schemora_test::SchemoraAppTest;

class GeneralSetup : public SchemoraAppTest {};

TEST_F(GeneralSetup, OkStoresVisitedPagesOnlyAndCancelNothing)
{
    writeIni("DoTips=0\nunits=725\nwidth=10\nclipboard=348\nbreaks=0\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());

    // Cancel after changing two pages stores nothing.
    host.answerDialog([](plat::Dialog& d) {
        auto& sheet = static_cast<plat::PropertySheet&>(d);
        EXPECT_EQ(sheet.caption(), "General Setup");
        EXPECT_EQ(sheet.GetPageCount(), 4);
        sheet.GetPage(0)->SetDlgItemText(scm::kIdcWidth, "250");
        sheet.SetActivePage(1);
        sheet.GetPage(1)->PressButton(scm::kIdcPageBreaks);
        return sheet.PressButton(plat::kIdCancel);
    });
    ASSERT_TRUE(harness.command(scm::kCmdGeneralSetup));
    EXPECT_EQ(g_settings.width, 10);
    EXPECT_EQ(g_settings.breaks, 0);

    // The metric width shows 25 for 10 units; OK stores the Drawing and Miscellaneous pages, the
    // unvisited Display page keeps its settings even though its values were changed behind it.
    host.answerDialog([](plat::Dialog& d) {
        auto& sheet = static_cast<plat::PropertySheet&>(d);
        plat::PropertyPage& draw = *sheet.GetPage(0);
        EXPECT_EQ(draw.GetDlgItemText(scm::kIdcWidth), "25");
        draw.SetDlgItemText(scm::kIdcWidth, "-7");
        draw.PressButton(scm::kIdcStyleFirst + 2);
        draw.PressButton(scm::kIdcFillFirst + 4);
        sheet.SetActivePage(2);
        plat::PropertyPage& misc = *sheet.GetPage(2);
        EXPECT_EQ(misc.GetDlgItemText(scm::kIdcRotationAngle), "90.00");
        EXPECT_EQ(misc.GetDlgItemText(scm::kIdcBackup), "None");
        misc.SetDlgItemText(scm::kIdcBackup, "10 Min.");
        misc.SetDlgItemText(scm::kIdcEllipseAspect, "-2.5");
        return sheet.PressButton(plat::kIdOk);
    });
    g_settings.breaks = 1;
    ASSERT_TRUE(harness.command(scm::kCmdGeneralSetup));
    EXPECT_EQ(g_settings.width, 0);
    EXPECT_EQ(g_settings.CurrentStyle, 2);
    EXPECT_EQ(g_settings.fillPattern, 4);
    EXPECT_EQ(g_settings.BackupTime, 10);
    EXPECT_DOUBLE_EQ(g_settings.ellipseAspect, 2.5);
    EXPECT_NEAR(g_settings.rotationAngle, 90 * 0.017453292222222222, 1e-12);
    EXPECT_EQ(g_settings.breaks, 1);
    EXPECT_EQ(g_settings.clipboard, 348);
    EXPECT_EQ(host.timerPeriod(scm::kTimerBackup), 600'000u);
}

TEST_F(GeneralSetup, AutomaticDotsStayOnWhenTheQuestionIsAnsweredNoAndNoneStopsTheBackup)
{
    writeIni("DoTips=0\nBackupTime=5\nAutoDots=1\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    EXPECT_EQ(host.timerPeriod(scm::kTimerBackup), 300'000u);
    for (const int answer : {plat::kIdNo, plat::kIdYes}) {
        SCOPED_TRACE(answer);
        g_settings.AutoDots = 1;
        host.answerDialog([](plat::Dialog& d) {
            auto& sheet = static_cast<plat::PropertySheet&>(d);
            sheet.SetActivePage(2);
            sheet.GetPage(2)->PressButton(scm::kIdcAutoDots);
            sheet.GetPage(2)->SetDlgItemText(scm::kIdcBackup, "None");
            return sheet.PressButton(plat::kIdOk);
        });
        host.answerMessageBox(answer);
        ASSERT_TRUE(harness.command(scm::kCmdGeneralSetup));
        EXPECT_EQ(g_settings.AutoDots, answer == plat::kIdNo ? 1 : 0);
        EXPECT_EQ(host.timerPeriod(scm::kTimerBackup), 0u);
    }
}

// The pages' group boxes frame their radio buttons, and the current fill sample is a swatch of
// the patterns' size.
TEST_F(GeneralSetup, PagesFrameTheirButtonsAndTheFillSampleIsASwatch)
{
    using Contents = std::map<std::string, std::vector<unsigned>>;
    const auto contents = [](unsigned id) {
        const plat::DialogTemplate* t = plat::findDialogTemplate(id);
        return t ? quill_test::GroupBoxContents(*t) : Contents{};
    };
    EXPECT_EQ(contents(scm::kIddGenMisc), (Contents{{"Units", {scm::kIdcEnglish, scm::kIdcMetric}}}));
    EXPECT_EQ(contents(scm::kIddGenLib), (Contents{{"Default Package", {scm::kIdcThroughHole, scm::kIdcSurfaceMount}},
                                                  {"Hidden Pins", {scm::kIdcHidePins, scm::kIdcShowPins}}}));
    const plat::DialogTemplate* drawing = plat::findDialogTemplate(scm::kIddGenDraw);
    ASSERT_NE(drawing, nullptr);
    for (const plat::ControlTemplate& c : drawing->controls) {
        if (c.id != scm::kIdcFillCurrent && c.id != scm::kIdcFillFirst)
            continue;
        SCOPED_TRACE(c.id);
        EXPECT_EQ(c.width, 16);
        EXPECT_EQ(c.height, 10);
        EXPECT_TRUE(c.kind == plat::ControlKind::OwnerDrawButton || (c.style & plat::kCsFixedSize));
    }
}

}  // namespace
