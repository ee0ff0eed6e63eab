// File > Open by kind, Save As in its four forms, Save's enabling, Close All Windows and the
// Ctrl+Q dump, through the running program.
#include "tests/tracelyn/core/edit_fixture.h"

#include "platform/app/cmd_target.h"
#include "platform/app/command_ids.h"
#include "platform/system/startup.h"
#include "resources/tracelyn/board_command_ids.h"
#include "platform/core/archive.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_file.h"
#include "tracelyn/core/board_file_commands.h"
#include "tracelyn/core/board_state.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

class BoardFileCommandsTest : public edit_test::BoardEditTest {
protected:
    void SetUp() override
    {
        BoardEditTest::SetUp();
        host.clearEvents();
    }
    static CTracelynDoc* activeBoard() { return board(); }
    void choose(const std::string& path, int filter = 1) { host.answerFileDialog({path, filter}); }
    std::string sub(const std::string& relative)
    {
        const std::filesystem::path p = folder.path() / relative;
        std::filesystem::create_directories(p.parent_path());
        return p.string();
    }
};

TEST_F(BoardFileCommandsTest, OpenSendsEachKindOfFileItsOwnWay)
{
    // A netlist in a folder whose name has a dot goes to the text viewer; nothing opens.
    const std::string netlist = sub("amp.board/AMP.NET");
    folder.write("amp.board/AMP.NET", "net\n");
    choose(netlist);
    ASSERT_TRUE(harness->command(plat::kIdFileOpen));
    EXPECT_TRUE(host.shown("text viewer: " + netlist));
    EXPECT_EQ(g_openDocuments.count, 1);

    // A board in a folder named like a netlist opens as a board.
    ASSERT_TRUE(activeBoard()->OnSaveDocument(sub("amp.network/board.tlz")));
    host.clearEvents();
    choose(sub("amp.network/board.tlz"));
    ASSERT_TRUE(harness->command(plat::kIdFileOpen));
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(g_openDocuments.count, 2);

    // DXF: its line work goes into the open board, and never without a board to take it.
    {
        std::ofstream dxf(sub("plot.dxf"), std::ios::binary);
        dxf << "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nLINE\r\n 10\r\n0.01\r\n 20\r\n0.02\r\n 11\r\n0.03\r\n"
               " 21\r\n0.02\r\n  0\r\nCIRCLE\r\n 10\r\n0\r\n 20\r\n0\r\n 40\r\n0.005\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
    }
    const int before = g_board.count;
    host.clearEvents();
    choose(sub("plot.dxf"));
    ASSERT_TRUE(harness->command(plat::kIdFileOpen));
    EXPECT_TRUE(host.messageBoxes().empty());
    ASSERT_EQ(g_board.count, before + 2);
    EXPECT_EQ(g_board.objects[before + 1].kind(), kKindLine);
    EXPECT_NEAR(g_board.objects[before + 1].w[1], -200, 1) << "inches, y turned downwards";
    EXPECT_EQ(g_board.objects[before + 2].kind(), kKindEllipse);
    EXPECT_NEAR(g_board.objects[before + 2].w[2], 50, 1);
    host.answerMessageBox(plat::kIdNo);
    host.answerMessageBox(plat::kIdNo);
    ASSERT_TRUE(harness->command(tly::kCmdCloseAllWindows));
    EXPECT_EQ(g_openDocuments.count, 0);
    choose(sub("plot.dxf"));
    ASSERT_TRUE(harness->command(plat::kIdFileOpen));
    EXPECT_EQ(host.messageBoxes().back(), kDxfWithoutBoardMessage);

    // Cancel does nothing; a board that cannot be read says so.
    host.clearEvents();
    choose("");
    ASSERT_TRUE(harness->command(plat::kIdFileOpen));
    EXPECT_TRUE(host.messageBoxes().empty());
    choose(sub("missing.tlz"));
    ASSERT_TRUE(harness->command(plat::kIdFileOpen));
    EXPECT_EQ(host.messageBoxes().back(), "File Error");
    EXPECT_EQ(g_board.count, 0);
}

TEST_F(BoardFileCommandsTest, OpenRefusesAFileLargerThanAnyBoardUnread)
{
    CTracelynDoc* open = activeBoard();
    const int count = open->data().objectCount;
    for (const char* name : {"huge.tlz", "huge.xpc"}) {
        SCOPED_TRACE(name);
        // 3 GB on no disk space.
        folder.write(name, "");
        std::filesystem::resize_file(folder.path() / name, std::uintmax_t{3} << 30);
        host.clearEvents();
        choose(folder.file(name));
        ASSERT_TRUE(harness->command(plat::kIdFileOpen));
        EXPECT_EQ(host.messageBoxes(), (std::vector<std::string>{"Unable to open document " + folder.file(name) +
                                                                 ": the file is larger than any document of its kind (" +
                                                                 plat::sizeText(kMaxBoardFileBytes) + " at most).",
                                                                 "File Error"}));
        harness->idle();
        EXPECT_EQ(g_openDocuments.count, 1);
        EXPECT_EQ(activeBoard(), open);
        EXPECT_EQ(open->data().objectCount, count);
        EXPECT_EQ(g_board.objects, open->data().objects->data()) << "the open board is current again";
        EXPECT_EQ(g_board.count, count);
    }
}

TEST_F(BoardFileCommandsTest, OpenAndSaveAsStartBesideTheActiveBoard)
{
    const auto lastFolder = [&] { return host.fileDialogRequests().back().initialFolder; };
    // An untitled board has no folder: the dialogs start where the program was started from.
    choose("");
    ASSERT_TRUE(harness->command(plat::kIdFileOpen));
    ASSERT_FALSE(host.fileDialogRequests().empty());
    EXPECT_EQ(lastFolder(), plat::launchFolder());
    EXPECT_FALSE(lastFolder().empty());

    ASSERT_TRUE(activeBoard()->OnSaveDocument(sub("work/amp.tlz")));
    activeBoard()->SetPathName(sub("work/amp.tlz"));
    const std::string work = (folder.path() / "work").string();
    choose("");
    ASSERT_TRUE(harness->command(plat::kIdFileOpen));
    EXPECT_EQ(lastFolder(), work);
    choose("");
    ASSERT_TRUE(harness->command(plat::kIdFileSaveAs));
    EXPECT_EQ(lastFolder(), work);
}

TEST_F(BoardFileCommandsTest, SaveAsWritesTheFormOfTheChosenFilter)
{
    const std::string dotted = sub("job.v2/AMP");
    choose(dotted, 1);
    ASSERT_TRUE(harness->command(plat::kIdFileSaveAs));
    EXPECT_TRUE(std::filesystem::exists(dotted + ".TLZ"));
    EXPECT_EQ(activeBoard()->GetPathName(), dotted + ".TLZ");

    choose(sub("job.v2/OLD.TLZ"), 3);
    ASSERT_TRUE(harness->command(plat::kIdFileSaveAs));
    std::ifstream old(sub("job.v2/OLD.TLZ"), std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(old)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 10u);
    EXPECT_EQ(bytes[10], ';');
    EXPECT_EQ(activeBoard()->GetPathName(), dotted + ".TLZ");

    choose(sub("job.v2/plot"), 2);
    ASSERT_TRUE(harness->command(plat::kIdFileSaveAs));
    EXPECT_TRUE(std::filesystem::exists(sub("job.v2/plot.dxf")));
    EXPECT_FALSE(std::filesystem::exists(sub("job.v2/plot")));
    EXPECT_EQ(activeBoard()->GetPathName(), dotted + ".TLZ") << "a DXF copy leaves the board's own name";
}

TEST_F(BoardFileCommandsTest, SaveIsEnabledOnlyForAChangedBoard)
{
    CTracelynDoc* doc = activeBoard();
    ASSERT_NE(doc, nullptr);
    doc->SetModifiedFlag(false);
    plat::CmdUI ui(plat::kIdFileSave);
    plat::GetMainWnd()->OnCmdMsg(plat::kIdFileSave, &ui);
    EXPECT_FALSE(ui.enabled());
    doc->SetModifiedFlag(true);
    plat::CmdUI changed(plat::kIdFileSave);
    plat::GetMainWnd()->OnCmdMsg(plat::kIdFileSave, &changed);
    EXPECT_TRUE(changed.enabled());
}

TEST_F(BoardFileCommandsTest, DumpListsTheOpenBoardsAndTheWindow)
{
    ASSERT_TRUE(harness->command(tly::kCmdDiagnosticDump));
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    const std::string dump = host.messageBoxes()[0];
    EXPECT_EQ(dump.rfind("[1] ", 0), 0u) << dump;
    EXPECT_NE(dump.find("---pc=1, pic="), std::string::npos) << dump;
    EXPECT_NE(dump.find("\nx1="), std::string::npos);
    EXPECT_NE(dump.find("pMainWnd="), std::string::npos);
}

}  // namespace

namespace {

// A board's parts as the file keeps them: kind, words 0 to 7 and the label.
std::vector<std::string> partsOf(const CTracelynDoc& doc)
{
    std::vector<std::string> parts;
    const BoardDocumentData& data = doc.data();
    for (int i = 1; i <= data.objectCount; ++i) {
        const BoardObject& o = (*data.objects)[static_cast<size_t>(i)];
        if (!o.isPart())
            continue;
        std::string text = std::to_string(o.kind());
        for (int w = 0; w < 8; ++w)
            text += " " + std::to_string(o.w[w]);
        parts.push_back(text + " " + (o.text() != nullptr ? o.text() : ""));
    }
    return parts;
}

TEST_F(BoardFileCommandsTest, AnExportSavedAndOpenedThroughTheMenusGivesTheSameBoardBack)
{
    if (!copyShippedFolders())
        GTEST_SKIP() << "the program folder has not been laid out";
    choose(folder.file("examples/rc_filter.tlz"));
    ASSERT_TRUE(harness->command(plat::kIdFileOpen));
    const std::vector<std::string> original = partsOf(*activeBoard());
    ASSERT_EQ(original.size(), 3u);
    const int objects = activeBoard()->data().objectCount;

    choose(sub("trip/rc.xpc"));
    ASSERT_TRUE(harness->command(plat::kIdFileSaveAs));
    choose(sub("trip/rc.xpc"));
    ASSERT_TRUE(harness->command(plat::kIdFileOpen));
    ASSERT_EQ(activeBoard()->GetPathName(), sub("trip/rc.xpc"));
    EXPECT_EQ(partsOf(*activeBoard()), original) << "the export reads back with its labels";
    choose(sub("trip/back.tlz"));
    ASSERT_TRUE(harness->command(plat::kIdFileSaveAs));
    choose(sub("trip/back.tlz"));
    ASSERT_TRUE(harness->command(plat::kIdFileOpen));
    EXPECT_EQ(partsOf(*activeBoard()), original);
    EXPECT_EQ(activeBoard()->data().objectCount, objects);
    EXPECT_TRUE(host.messageBoxes().empty()) << "no part goes missing";
}

}  // namespace
