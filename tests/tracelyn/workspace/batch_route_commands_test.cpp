// The batch router as a person reaches it on the shipped example board: the offer when a board
// is opened from the command line, Process > Rats Nest Display, Process > Batch Route, Edit >
// Undo of a run (which brings the rats-nest lines back) and F12's statistics.
#include "platform/app/dialog.h"
#include "platform/app/program.h"
#include "platform/system/files.h"
#include "platform/core/test_ui_host.h"
#include "resources/tracelyn/route_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "support/temp_folder.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/tracelyn_app.h"
#include "tracelyn/workspace/main_frame.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

class BatchRouteCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerTracelynResources();
        plat::setConfigFolder(config.path().string());
        g_boardSettings = BoardSettings{};
        g_boardFolders = BoardFolders{};
        g_edit = BoardEditState{};
        g_openDocuments = OpenDocumentTable{};
        g_board = CurrentBoard{};
        g_active = ActiveDocument{};
        folder.write("Tracelyn.ini", "[Tracelyn]\nDoTips=0\n");
    }
    void TearDown() override { plat::setConfigFolder(""); }

    // The setup dialog closed with Route on the 25-mil grid and its presets; then Optimize? with
    // `optimize`, the summary's OK and No to adjusting the vias.
    void answerRun(bool optimize)
    {
        host.answerDialog([](plat::Dialog& d) {
            d.PressButton(tly::kIdcBatchGrid25);
            return d.PressButton(plat::kIdOk);
        });
        host.answerMessageBox(optimize ? plat::kIdYes : plat::kIdNo);
        host.answerMessageBox(plat::kIdOk);
        host.answerMessageBox(plat::kIdNo);
    }
    static int count(int kind)
    {
        int n = 0;
        for (int i = 1; i <= g_board.count; ++i)
            n += g_board.objects[i].kind() == kind;
        return n;
    }
    static std::vector<std::array<int32_t, 14>> words()
    {
        std::vector<std::array<int32_t, 14>> all;
        for (int i = 1; i <= g_board.count; ++i)
            all.push_back(g_board.objects[i].w);
        return all;
    }
    size_t summaries() const
    {
        size_t n = 0;
        for (const std::string& text : host.messageBoxes())
            n += text.rfind("Percentage Complete:100.0%\npasses=", 0) == 0;
        return n;
    }

    quill_test::TempFolder folder;
    quill_test::TempFolder config;
    plat::TestUiHost host;
};

TEST_F(BatchRouteCommands, OfferMenuRunsAndUndoBringBackTheBoardWithItsRatsNest)
{
    const char* shipped = std::getenv("QUILL_PROGRAM_DIR");
    const std::filesystem::path program = shipped ? shipped : "";
    if (!std::filesystem::exists(program / "examples" / "rc_filter.tlz"))
        GTEST_SKIP() << "the program folder has not been laid out";
    for (const char* sub : {"PACKAGES", "examples"})
        std::filesystem::copy(program / sub, folder.path() / sub, std::filesystem::copy_options::recursive);

    // Opened from the command line: the offered run routes the whole board.
    answerRun(true);
    plat::AppHarness harness([] { return std::make_unique<CTracelynApp>(); },
                             {folder.file("examples/rc_filter.tlz")}, folder.path().string());
    ASSERT_TRUE(harness.start());
    EXPECT_EQ(summaries(), 1u);
    EXPECT_GT(count(kKindLine), 0);
    EXPECT_EQ(count(kKindNoRoute), 0);

    // Undo: the board as it was opened, its rats nest back.
    EXPECT_TRUE(harness.command(tly::kCmdUndo));
    EXPECT_EQ(count(kKindLine), 0);
    EXPECT_EQ(count(kKindNoRoute), 3);

    // Process > Rats Nest Display draws the nest afresh; Process > Batch Route routes it; Undo
    // gives back every word of every record as it was before the run.
    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
    EXPECT_TRUE(harness.command(tly::kCmdRatsNest));
    EXPECT_EQ(host.messageBoxes().back(), "Rats Nest Complete\nNo. of nets=3");
    EXPECT_EQ(count(kKindNoRoute), 3);
    const auto before = words();
    answerRun(false);
    EXPECT_TRUE(harness.command(tly::kCmdBatchRoute));
    EXPECT_EQ(summaries(), 2u);
    EXPECT_EQ(count(kKindNoRoute), 0);
    EXPECT_TRUE(harness.command(tly::kCmdUndo));
    EXPECT_EQ(words(), before);

    // F12: the counters of the run.
    EXPECT_TRUE(harness.command(tly::kCmdRouterStatistics));
    EXPECT_EQ(host.messageBoxes().back().rfind("main=", 0), 0u) << host.messageBoxes().back();
}

TEST_F(BatchRouteCommands, MissingNetlistLeavesTheRatsNestInPlace)
{
    const char* shipped = std::getenv("QUILL_PROGRAM_DIR");
    const std::filesystem::path program = shipped ? shipped : "";
    if (!std::filesystem::exists(program / "examples" / "rc_filter.tlz"))
        GTEST_SKIP() << "the program folder has not been laid out";
    for (const char* sub : {"PACKAGES", "examples"})
        std::filesystem::copy(program / sub, folder.path() / sub, std::filesystem::copy_options::recursive);
    plat::AppHarness harness([] { return std::make_unique<CTracelynApp>(); },
                             {folder.file("examples/rc_filter.tlz")}, folder.path().string());
    ASSERT_TRUE(harness.start());   // the start-up offer is cancelled
    const auto before = words();
    ASSERT_EQ(count(kKindNoRoute), 3);

    host.answerDialog([this](plat::Dialog& d) {
        d.SetDlgItemText(tly::kIdcBatchNetlist, folder.file("examples/missing"));
        d.PressButton(tly::kIdcBatchGrid25);
        return d.PressButton(plat::kIdOk);
    });
    EXPECT_TRUE(harness.command(tly::kCmdBatchRoute));
    EXPECT_EQ(host.messageBoxes().back().rfind("File ", 0), 0u) << host.messageBoxes().back();
    EXPECT_EQ(words(), before);
}

}  // namespace
