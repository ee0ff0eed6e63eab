// Setup > Colors of the board program as a person uses it: slot and palette clicks, Cancel,
// the schemes of "Tracelyn.ini", the board painted in the chosen colours, and what is written
// back at exit.
#include "common/set_colors_dialog.h"
#include "platform/app/dialog.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/view.h"
#include "platform/app/win_app.h"
#include "platform/gdi/recording_dc.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tests/tracelyn/core/program_folder_fixture.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_settings.h"

#include "support/mouse_click.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace tly;

// Slot 26 ("Screen") is the colour the board's background is filled with.
constexpr int kScreenSlot = 26;
// A palette entry that the scheme "Mine" below does not give the screen.
constexpr int kChosen = 3;

std::array<int32_t, kLogicalColors> colorsFrom(int first)
{
    std::array<int32_t, kLogicalColors> colors{};
    for (int k = 0; k < kLogicalColors; ++k)
        colors[static_cast<size_t>(k)] = (first + k) % 32;
    return colors;
}

// A scheme line whose slot k holds first + k (mod 32).
std::string schemeLine(int number, const std::string& name, int first)
{
    std::string line = "scheme" + std::to_string(number) + "=" + name;
    for (const int32_t c : colorsFrom(first))
        line += "," + std::to_string(c);
    return line + "\n";
}

class BoardSetColors : public ProgramFolderTest {
protected:
    // The drawing calls of a paint of the active board that use palette entry `entry`.
    static int paintedWith(int entry)
    {
        plat::View* view = plat::GetMainWnd()->GetActiveView();
        EXPECT_NE(view, nullptr);
        if (view == nullptr)
            return 0;
        plat::RecordingDc dc;
        view->OnDraw(dc);
        const std::regex color("#" + std::to_string(entry) + "(?![0-9])");
        const std::vector<plat::DcCall> calls = dc.drawingCalls();
        return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                              [&](const plat::DcCall& call) { return std::regex_search(call.line, color); }));
    }
    std::string savedIni() const
    {
        std::ifstream ini(folder.path() / "Tracelyn.ini");
        std::stringstream text;
        text << ini.rdbuf();
        return text.str();
    }
};

TEST_F(BoardSetColors, CancelChangesNothingOkRepaintsAndTheSchemeIsWrittenAtExit)
{
    writeIni("DoTips=0\ncolorscheme=1\n" + schemeLine(1, "Mine", 1) + schemeLine(2, "Night", 10));
    auto harness = start();
    ASSERT_TRUE(harness.start());
    harness.idle();
    const auto live = colorsFrom(1);
    ASSERT_EQ(g_boardColors.colorMap, live);
    ASSERT_NE(live[kScreenSlot], kChosen);
    const int before = paintedWith(kChosen);

    host.answerDialog([](plat::Dialog& d) {
        quill_test::mouseClick(d, kIdcColorSlotFirst + kScreenSlot);
        quill_test::mouseClick(d, kIdcPaletteFirst + kChosen);
        EXPECT_EQ(static_cast<CSetColorsDlg&>(d).workingColors()[kScreenSlot], kChosen);
        return d.PressButton(plat::kIdCancel);
    });
    ASSERT_TRUE(harness.command(kCmdColors));
    EXPECT_EQ(g_boardColors.colorMap, live);
    EXPECT_EQ(g_boardSettings.schemes[0].colors, live);
    EXPECT_EQ(paintedWith(kChosen), before);

    // Reopened, it starts from the live table with the slot clicked last still selected.
    host.answerDialog([&](plat::Dialog& d) {
        auto& dlg = static_cast<CSetColorsDlg&>(d);
        EXPECT_EQ(dlg.workingColors().size(), static_cast<size_t>(kLogicalColors));
        EXPECT_EQ(dlg.workingColors()[kScreenSlot], live[kScreenSlot]);
        plat::Control* combo = d.GetDlgItem(kIdcColorScheme);
        EXPECT_EQ(combo->GetCount(), 2);
        EXPECT_EQ(combo->text(), "Mine");
        quill_test::mouseClick(d, kIdcPaletteFirst + kChosen);
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(harness.command(kCmdColors));
    EXPECT_EQ(g_boardColors.colorMap[kScreenSlot], kChosen);
    EXPECT_EQ(g_boardSettings.schemes[0].colors[kScreenSlot], kChosen);
    EXPECT_EQ(g_boardSettings.colorscheme, 1);
    EXPECT_GT(paintedWith(kChosen), before) << "the background is filled with the chosen entry";

    // Choosing the second scheme makes it current, in the file's counting from 1.
    host.answerDialog([](plat::Dialog& d) {
        d.GetDlgItem(kIdcColorScheme)->choose(1);
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(harness.command(kCmdColors));
    EXPECT_EQ(g_boardColors.colorMap, colorsFrom(10));
    EXPECT_EQ(g_boardSettings.colorscheme, 2);

    harness.close();
    const std::string ini = savedIni();
    EXPECT_NE(ini.find("colorscheme=2"), std::string::npos) << ini;
    EXPECT_NE(ini.find(schemeLine(2, "Night", 10)), std::string::npos) << ini;
    auto mine = live;
    mine[kScreenSlot] = kChosen;
    std::string mineLine = "scheme1=Mine";
    for (const int32_t c : mine)
        mineLine += "," + std::to_string(c);
    EXPECT_NE(ini.find(mineLine + "\n"), std::string::npos) << ini;
}

TEST_F(BoardSetColors, WithoutSchemesOnlyTheLiveTableChanges)
{
    writeIni("DoTips=0\ncolorscheme=4\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    harness.idle();
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.GetDlgItem(kIdcColorScheme)->GetCount(), 0);
        EXPECT_EQ(d.GetDlgItem(kIdcColorScheme)->text(), "");
        quill_test::mouseClick(d, kIdcColorSlotFirst + 5);
        quill_test::mouseClick(d, kIdcPaletteFirst + 12);
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_TRUE(harness.command(kCmdColors));
    EXPECT_EQ(g_boardColors.colorMap[5], 12);
    EXPECT_EQ(g_boardSettings.colorscheme, 4);
    for (const BoardColorScheme& scheme : g_boardSettings.schemes)
        EXPECT_FALSE(scheme.present);
    harness.close();
    EXPECT_EQ(savedIni().find("scheme1="), std::string::npos);
}

}  // namespace
