// The batch router as a person reaches it on the shipped example board: the offer when a board
// is opened from the command line, Process > Rats Nest Display, Process > Batch Route, Edit >
// Undo of a run (which brings the rats-nest lines back) and F12's statistics.
#include "platform/app/dialog.h"
#include "resources/tracelyn/route_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tests/tracelyn/core/program_folder_fixture.h"
#include "tracelyn/workspace/main_frame.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace {

class BatchRouteCommands : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeIni("DoTips=0\n");
    }

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
};

TEST_F(BatchRouteCommands, OfferMenuRunsAndUndoBringBackTheBoardWithItsRatsNest)
{
    if (!copyShippedFolders())
        GTEST_SKIP() << "the program folder has not been laid out";

    // Opened from the command line: the offered run routes the whole board.
    answerRun(true);
    plat::AppHarness harness = start({folder.file("examples/rc_filter.tlz")});
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
    if (!copyShippedFolders())
        GTEST_SKIP() << "the program folder has not been laid out";
    plat::AppHarness harness = start({folder.file("examples/rc_filter.tlz")});
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

// After Process > Load Netlist the netlist fields of both setup dialogs start with the chosen
// netlist, not with the board's own name; another board starts with its own.
TEST_F(BatchRouteCommands, NetlistFieldsStartWithTheNetlistLastLoadedForTheBoard)
{
    if (!copyShippedFolders())
        GTEST_SKIP() << "the program folder has not been laid out";
    std::filesystem::create_directory(folder.file("nets"));
    const std::string chosen = folder.file("nets/filter.net");
    std::filesystem::copy_file(folder.file("examples/rc_filter.net"), chosen);
    plat::AppHarness harness = start({folder.file("examples/rc_filter.tlz")});
    ASSERT_TRUE(harness.start());   // the start-up offer is cancelled

    std::string field;
    const auto readField = [&field](unsigned id) {
        return [&field, id](plat::Dialog& d) {
            field = d.GetDlgItemText(id);
            return d.PressButton(plat::kIdCancel);
        };
    };
    host.answerDialog(readField(tly::kIdcRatsNestName));
    EXPECT_TRUE(harness.command(tly::kCmdRatsNest));
    EXPECT_EQ(field, folder.file("examples/rc_filter"));

    // Load Netlist and the dialogs' Browse start in the board's folder.
    host.answerDialog([](plat::Dialog& d) {
        d.PressButton(tly::kIdcBrowse);
        return d.PressButton(plat::kIdCancel);
    });
    EXPECT_TRUE(harness.command(tly::kCmdBatchRoute));
    ASSERT_FALSE(host.fileDialogRequests().empty());
    EXPECT_EQ(host.fileDialogRequests().back().initialFolder, folder.file("examples"));
    host.answerFileDialog({chosen, 1});
    EXPECT_TRUE(harness.command(tly::kCmdLoadNetlist));
    EXPECT_EQ(host.fileDialogRequests().back().initialFolder, folder.file("examples"));
    host.answerDialog(readField(tly::kIdcRatsNestName));
    EXPECT_TRUE(harness.command(tly::kCmdRatsNest));
    EXPECT_EQ(field, chosen);
    host.answerDialog(readField(tly::kIdcBatchNetlist));
    EXPECT_TRUE(harness.command(tly::kCmdBatchRoute));
    EXPECT_EQ(field, chosen);

    EXPECT_TRUE(harness.command(plat::kIdFileNew));
    host.answerDialog(readField(tly::kIdcBatchNetlist));
    EXPECT_TRUE(harness.command(tly::kCmdBatchRoute));
    EXPECT_NE(field, chosen);
}

}  // namespace
