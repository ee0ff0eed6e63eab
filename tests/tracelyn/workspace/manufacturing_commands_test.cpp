// The manufacturing commands as a person reaches them: File > Generate Manufacturing Files on
// the shipped example board, File > Import > Gerber of what it wrote, View > View DCODES.
#include "platform/app/menu.h"
#include "platform/app/program.h"
#include "platform/core/test_ui_host.h"
#include "platform/app/command_ids.h"
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/tracelyn/manufacturing_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "support/full_disk.h"
#include "support/temp_folder.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/tracelyn_app.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/route/gerber_import.h"
#include "tracelyn/workspace/main_frame.h"
#include "tests/tracelyn/core/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

class ManufacturingCommands : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeIni("DoTips=0\n");
    }
    void TearDown() override
    {
        g_importedDcodes = ImportedDcodeTable{};
        ProgramFolderTest::TearDown();
    }
};

// File > Generate Manufacturing Files on a full disk: the files of the earlier run stay, none
// is left beside them, the message names the file and the reason, and no "Wrote" follows.
TEST_F(ManufacturingCommands, OnAFullDiskGenerateKeepsTheEarlierFilesAndSaysWhy)
{
    if (!copyShippedFolders())
        GTEST_SKIP() << "the program folder has not been laid out";
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        std::filesystem::copy_file(folder.file("examples/rc_filter.tlz"), disk.path() / "rc.tlz");
        const std::vector<std::string> earlier{"rc-outline.gbr", "rc-top.gbr", "rc.drl"};
        for (const std::string& name : earlier)
            disk.write(name, "earlier " + name);
        disk.fill();
        plat::AppHarness harness = start({disk.file("rc.tlz")});
        ASSERT_TRUE(harness.start());
        harness.idle();
        host.clearEvents();
        host.answerDialog([](plat::Dialog& d) {
            d.CheckDlgButton(tly::kIdcLayerCheckFirst, 1);
            d.CheckDlgButton(tly::kIdcLayerCheckFirst + 25, 1);
            return d.PressButton(plat::kIdOk);
        });
        EXPECT_TRUE(harness.command(tly::kCmdGenerateManufacturing));
        const auto boxes = host.messageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(boxes[0].starts_with("Cannot write " + disk.file("rc")) &&
                    boxes[0].ends_with(": No space left on device"))
            << boxes[0];
        for (const std::string& name : earlier)
            EXPECT_EQ(disk.readText(name), "earlier " + name);
        EXPECT_EQ(disk.names(), (std::vector<std::string>{"rc-outline.gbr", "rc-top.gbr", "rc.drl", "rc.tlz"}));
    });
}

TEST_F(ManufacturingCommands, GenerateImportAndViewDcodesFromTheMenus)
{
    if (!copyShippedFolders())
        GTEST_SKIP() << "the program folder has not been laid out";
    plat::AppHarness harness = start({folder.file("examples/rc_filter.tlz")});
    ASSERT_TRUE(harness.start());
    auto& frame = *static_cast<CMainFrame*>(plat::GetMainWnd());
    for (unsigned id : {tly::kCmdGenerateManufacturing, tly::kCmdImportGerber, tly::kCmdViewDcodes}) {
        SCOPED_TRACE(id);
        EXPECT_NE(frame.GetMenu()->findCommand(id), nullptr);
    }
    harness.idle();   // the first paint resolves the parts' packages

    // Generate with the top layer and the outline added to what the board holds.
    host.answerDialog([](plat::Dialog& d) {
        d.CheckDlgButton(tly::kIdcLayerCheckFirst, 1);
        d.CheckDlgButton(tly::kIdcLayerCheckFirst + 25, 1);
        return d.PressButton(plat::kIdOk);
    });
    EXPECT_TRUE(harness.command(tly::kCmdGenerateManufacturing));
    const std::string top = folder.file("examples/rc_filter-top.gbr");
    EXPECT_TRUE(std::filesystem::exists(top));
    EXPECT_TRUE(std::filesystem::exists(folder.file("examples/rc_filter-outline.gbr")));
    EXPECT_TRUE(std::filesystem::exists(folder.file("examples/rc_filter.drl")));
    ASSERT_FALSE(host.messageBoxes().empty());
    EXPECT_EQ(host.messageBoxes().back().rfind("Wrote ", 0), 0u) << host.messageBoxes().back();

    // Import the top copper onto layer L1.
    const int before = g_board.count;
    host.answerFileDialog({top, 1});
    host.answerDialog([](plat::Dialog& d) {
        d.GetDlgItem(tly::kIdcLayerCombo)->choose(2);
        return d.PressButton(plat::kIdOk);
    });
    EXPECT_TRUE(harness.command(tly::kCmdImportGerber));
    ASSERT_GT(g_board.count, before);
    for (int i = before + 1; i <= g_board.count; ++i)
        EXPECT_EQ(g_board.objects[i].layer(), 1);
    EXPECT_FALSE(g_importedDcodes.records.empty());

    int lines = -1;
    host.answerDialog([&](plat::Dialog& d) {
        lines = d.GetDlgItem(tly::kIdcDcodeList)->GetCount();
        return d.PressButton(plat::kIdCancel);
    });
    EXPECT_TRUE(harness.command(tly::kCmdViewDcodes));
    EXPECT_EQ(lines, static_cast<int>(g_importedDcodes.records.size()));

    // File > Save As with the DXF type writes the drawing and leaves the board's own name.
    host.answerFileDialog({folder.file("examples/drawing"), 2});
    EXPECT_TRUE(harness.command(plat::kIdFileSaveAs));
    EXPECT_TRUE(std::filesystem::exists(folder.file("examples/drawing.dxf")));
    EXPECT_EQ(host.messageBoxes().back().rfind("Saved ", 0), 0u) << host.messageBoxes().back();
    auto* board = static_cast<CTracelynDoc*>(frame.GetActiveDocument());
    EXPECT_EQ(plat::fileNameOf(board->GetPathName()), "rc_filter.tlz");
}

// The silk-screen and mask boxes come back as the files were last generated, after a restart
// too, whatever the board holds; Cancel keeps the choice.
TEST_F(ManufacturingCommands, SilkAndMaskChoicesAreKeptAcrossRestarts)
{
    constexpr unsigned kTopSilk = tly::kIdcLayerCheckFirst + 16, kTopMask = tly::kIdcLayerCheckFirst + 18;
    const auto boxes = [](plat::Dialog& d) {
        std::vector<int> checked;
        for (unsigned id = kTopSilk; id < kTopSilk + 6; ++id)
            checked.push_back(d.IsDlgButtonChecked(id));
        return checked;
    };
    std::vector<std::vector<int>> shown;
    {
        plat::AppHarness harness = start();
        ASSERT_TRUE(harness.start());
        host.answerDialog([&](plat::Dialog& d) {
            shown.push_back(boxes(d));
            d.CheckDlgButton(kTopSilk, 1);
            d.CheckDlgButton(kTopMask, 1);
            return d.PressButton(plat::kIdOk);
        });
        EXPECT_TRUE(harness.command(tly::kCmdGenerateManufacturing));
        harness.close();
    }
    EXPECT_NE(iniText().find("GerberSilkMask=1,0,1,0,0,0"), std::string::npos) << iniText();
    g_boardSettings = BoardSettings{};
    plat::AppHarness harness = start();
    ASSERT_TRUE(harness.start());
    for (int run = 0; run < 2; ++run) {
        host.answerDialog([&](plat::Dialog& d) {
            shown.push_back(boxes(d));
            d.PressButton(tly::kIdcClearSettings);
            return d.PressButton(plat::kIdCancel);
        });
        host.answerMessageBox(plat::kIdYes);   // "Clear all Gerber check boxes?"
        EXPECT_TRUE(harness.command(tly::kCmdGenerateManufacturing));
    }
    EXPECT_EQ(shown, (std::vector<std::vector<int>>{{0, 0, 0, 0, 0, 0}, {1, 0, 1, 0, 0, 0}, {1, 0, 1, 0, 0, 0}}));
}

}  // namespace
