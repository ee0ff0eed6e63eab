// Setup > Colors as a person uses it: slot and palette clicks, schemes, colour mode, Cancel, and
// colour values from the INI that are not palette entries.
#include "common/set_colors_dialog.h"
#include "platform/app/dialog.h"
#include "platform/app/win_app.h"
#include "resources/schemora/frame_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/app_test_support.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/settings.h"
#include "platform/gdi/raster_dc.h"
#include "platform/app/wnd.h"
#include "schemora/core/sheet_state.h"
#include "schemora/workspace/main_frame.h"
#include "support/group_boxes.h"
#include "support/mouse_click.h"

#include <gtest/gtest.h>

#include <map>

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using schemora_test::SchemoraAppTest;

// A scheme line whose slot k holds first + k (mod 32), with the given slots replaced.
std::string schemeLine(int number, const std::string& name, int first, const std::string& slot0 = "")
{
    std::string line = "scheme" + std::to_string(number) + "=" + name;
    for (int k = 0; k < kSchemeValues; ++k)
        line += "," + (k == 0 && !slot0.empty() ? slot0 : std::to_string((first + k) % 32));
    return line + "\n";
}

std::array<int32_t, kSchemeValues> colorsFrom(int first)
{
    std::array<int32_t, kSchemeValues> colors{};
    for (int k = 0; k < kSchemeValues; ++k)
        colors[static_cast<size_t>(k)] = (first + k) % 32;
    return colors;
}

class SetColors : public SchemoraAppTest {};

TEST_F(SetColors, CancelChangesNothingAndSchemesSwitchAndCommitOnOk)
{
    writeIni("DoTips=0\ncolorscheme=1\n" + schemeLine(1, "Mine", 1, "99") + schemeLine(2, "Night", 10));
    auto harness = start();
    ASSERT_TRUE(harness.start());
    // 99 is no palette entry: it is read as 0, in the scheme and in the live table.
    auto live = colorsFrom(1);
    live[0] = 0;
    EXPECT_EQ(g_settings.schemes[0].values, live);
    EXPECT_EQ(g_colorRoles.index, live);

    host.answerDialog([](plat::Dialog& d) {
        quill_test::mouseClick(d, scm::kIdcColorSlotFirst + 2);
        quill_test::mouseClick(d, scm::kIdcPaletteFirst + 7);
        EXPECT_EQ(static_cast<CSetColorsDlg&>(d).workingColors()[2], 7);
        return d.PressButton(plat::kIdCancel);
    });
    ASSERT_TRUE(harness.command(scm::kCmdSetColors));
    EXPECT_EQ(g_colorRoles.index, live);
    EXPECT_EQ(g_settings.schemes[0].values, live);

    // Reopened, it starts from the live table; the slot clicked last is still selected.
    host.answerDialog([&](plat::Dialog& d) {
        auto& dlg = static_cast<CSetColorsDlg&>(d);
        EXPECT_EQ(dlg.workingColors()[2], live[2]);
        plat::Control* combo = d.GetDlgItem(scm::kIdcColorScheme);
        EXPECT_EQ(combo->GetCount(), 2);
        EXPECT_EQ(combo->text(), "Mine");
        quill_test::mouseClick(d, scm::kIdcPaletteFirst + 30);
        EXPECT_EQ(dlg.workingColors()[2], 30);
        combo->choose(1);
        const auto night = colorsFrom(10);
        EXPECT_TRUE(std::equal(night.begin(), night.end(), dlg.workingColors().begin(), dlg.workingColors().end()));
        // Back to the first scheme: the colours that were live when the dialog opened.
        combo->choose(0);
        EXPECT_EQ(dlg.workingColors()[2], live[2]);
        combo->choose(1);
        d.GetDlgItem(scm::kIdcColorModePlanes)->click();
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(harness.command(scm::kCmdSetColors));
    EXPECT_EQ(g_colorRoles.index, colorsFrom(10));
    EXPECT_EQ(g_settings.colorscheme, 1);
    EXPECT_EQ(g_drawModes.colorMode, 1);
    EXPECT_EQ(g_drawModes.markColor, colorsFrom(10)[19]);

    host.answerMessageBox(plat::kIdNo);
    harness.close();
    std::ifstream ini(folder.path() / "schemora.ini");
    std::stringstream text;
    text << ini.rdbuf();
    EXPECT_NE(text.str().find("colorscheme=2"), std::string::npos);
    EXPECT_NE(text.str().find(schemeLine(2, "Night", 10)), std::string::npos);
}

TEST_F(SetColors, WithoutSchemesOnlyTheLiveTableChanges)
{
    writeIni("DoTips=0\ncolorscheme=4\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    const int before = g_settings.colorscheme;
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.GetDlgItem(scm::kIdcColorScheme)->GetCount(), 0);
        quill_test::mouseClick(d, scm::kIdcColorSlotFirst + 5);
        quill_test::mouseClick(d, scm::kIdcPaletteFirst + 12);
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(harness.command(scm::kCmdSetColors));
    EXPECT_EQ(g_colorRoles.index[5], 12);
    EXPECT_EQ(g_settings.colorscheme, before);
    for (const ColorScheme& scheme : g_settings.schemes)
        EXPECT_FALSE(scheme.present);
}

// The layer box's swatches are drawn in the colours the scheme gives the layers, and follow a
// change in Set Colors.
TEST_F(SetColors, LayerBoxSwatchesShowTheSchemesLayerColours)
{
    writeIni("DoTips=0\ncolorscheme=1\n" + schemeLine(1, "Mine", 3));
    auto harness = start();
    ASSERT_TRUE(harness.start());
    auto& frame = *static_cast<CMainFrame*>(plat::GetMainWnd());
    const auto swatch = [&](int item) {
        plat::RasterDc dc(110, 14);
        plat::DrawItem draw{.ctlId = scm::kIdcLayerCombo, .itemId = item, .itemAction = plat::kOdaDrawEntire,
                            .dc = &dc, .rcItem = {0, 0, 110, 14}};
        frame.OnDrawItem(scm::kIdcLayerCombo, draw);
        return dc.GetPixel(9, 7);
    };
    // Item 0 is all layers, in the first layer's colour; item n is layer n - 1.
    for (int item = 0; item <= 4; ++item) {
        SCOPED_TRACE(item);
        const int slot = std::max(item, 1);
        EXPECT_EQ(g_colorRoles.index[static_cast<size_t>(slot)], 3 + slot);
        EXPECT_EQ(swatch(item), PaletteRgb(3 + slot));
    }
    host.answerDialog([](plat::Dialog& d) {
        d.GetDlgItem(scm::kIdcColorSlotFirst + 2)->click();
        d.GetDlgItem(scm::kIdcPaletteFirst + 12)->click();
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(harness.command(scm::kCmdSetColors));
    EXPECT_EQ(swatch(2), PaletteRgb(12));
    EXPECT_NE(PaletteRgb(12), PaletteRgb(5));
    harness.close();
}

// The dialog frames the layer slots, the instrument slots and the colour mode.
TEST_F(SetColors, GroupBoxesFrameTheirSlotsAndTheMode)
{
    const plat::DialogTemplate* t = plat::findDialogTemplate(scm::kIddSetColors);
    ASSERT_NE(t, nullptr);
    std::vector<unsigned> scope;
    for (unsigned id = scm::kIdcColorSlotFirst + 6; id <= scm::kIdcColorSlotFirst + 15; ++id)
        scope.push_back(id);
    using Contents = std::map<std::string, std::vector<unsigned>>;
    EXPECT_EQ(quill_test::GroupBoxContents(*t),
              (Contents{{"Layers", {351, 352, 353, 354}},
                        {"Scope/Analyzer", scope},
                        {"Color Mode", {scm::kIdcColorModeThis, scm::kIdcColorModePlanes}}}));
}

}  // namespace
