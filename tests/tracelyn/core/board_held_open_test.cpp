// One window per board across the suite's programs: a board open here answers another program
// (the schematic program making the board again), is read again in its own window only when
// it has no changes of its own, and a save over a file another program has written asks first.
#include "tests/tracelyn/core/edit_fixture.h"

#include "platform/app/command_ids.h"
#include "resources/tracelyn/board_command_ids.h"
#include "tracelyn/core/board_state.h"
#include "support/whole_file.h"

#include <filesystem>

namespace {

using plat::DocumentOwnerAnswer;
using plat::DocumentOwnerRequest;

class BoardHeldOpen : public edit_test::BoardEditTest {
protected:
    // Saves the active board to name and opens that file by File > Open; its path.
    std::string openSaved(const char* name)
    {
        const std::string path = folder.file(name);
        EXPECT_TRUE(board()->OnSaveDocument(path));
        host.answerFileDialog({path, 1});
        EXPECT_TRUE(harness->command(plat::kIdFileOpen));
        harness->idle();
        host.clearEvents();
        return path;
    }
    // A pad placed with the pad tool, as a change of the active board.
    void addPad(int x)
    {
        tool(tly::kCmdToolPad);
        click(x, 100);
        harness->idle();
    }
    // What another program writes over the file: a board of one pad more.
    void writeUpdatedBoard(const std::string& path, int padX)
    {
        addPad(padX);
        std::filesystem::path other = folder.path() / "other.tlz";
        ASSERT_TRUE(board()->OnSaveDocument(other.string()));
        std::filesystem::rename(other, path);
    }
};

TEST_F(BoardHeldOpen, AnOpenBoardAnswersOtherProgramsAndIsReadAgainOnlyWithoutChanges)
{
    const std::string path = openSaved("amp.tlz");
    EXPECT_EQ(host.publishedDocuments(), std::vector<std::string>{path});
    EXPECT_EQ(host.askDocumentOwner(path, DocumentOwnerRequest::State), DocumentOwnerAnswer::Unchanged);

    // With a change of its own the board is never read again.
    const int before = count();
    addPad(200);
    EXPECT_EQ(host.askDocumentOwner(path, DocumentOwnerRequest::State), DocumentOwnerAnswer::Unsaved);
    EXPECT_EQ(host.askDocumentOwner(path, DocumentOwnerRequest::Reload), DocumentOwnerAnswer::Unsaved);
    EXPECT_EQ(count(), before + 1);
    EXPECT_TRUE(board()->IsModified());

    // Saved, then written anew by the placement: read again, in one window, with the new part.
    host.clearEvents();
    ASSERT_TRUE(harness->command(plat::kIdFileSave));
    EXPECT_TRUE(host.messageBoxes().empty());
    const int openBoards = g_openDocuments.count;
    writeUpdatedBoard(path, 300);
    board()->SetModifiedFlag(false);   // the pad drawn for the other file is not this board's change
    EXPECT_EQ(host.askDocumentOwner(path, DocumentOwnerRequest::Reload), DocumentOwnerAnswer::Reloaded);
    harness->idle();
    EXPECT_EQ(g_openDocuments.count, openBoards);
    ASSERT_NE(board(), nullptr);
    EXPECT_EQ(board()->GetPathName(), path);
    EXPECT_EQ(count(), before + 2);
    EXPECT_FALSE(board()->IsModified());
    EXPECT_EQ(host.publishedDocuments(), std::vector<std::string>{path}) << "held once, by the new window";

    // Closed, nobody holds it.
    ASSERT_TRUE(harness->command(plat::kIdFileClose));
    harness->idle();
    EXPECT_EQ(host.askDocumentOwner(path, DocumentOwnerRequest::State), DocumentOwnerAnswer::NotOpen);
}

TEST_F(BoardHeldOpen, SaveOverAFileWrittenElsewhereAsksFirst)
{
    const std::string path = openSaved("amp.tlz");
    // A save over its own last save asks nothing.
    addPad(200);
    ASSERT_TRUE(harness->command(plat::kIdFileSave));
    EXPECT_TRUE(host.messageBoxes().empty());

    // Another program writes the file; this board changes and is saved: the question, and No
    // leaves the other program's file.
    std::filesystem::path other = folder.path() / "other.tlz";
    addPad(300);
    ASSERT_TRUE(board()->OnSaveDocument(other.string()));
    const std::string theirs = quill_test::readText(other.string());
    std::filesystem::rename(other, path);
    addPad(400);
    host.answerMessageBox(plat::kIdNo);
    ASSERT_TRUE(harness->command(plat::kIdFileSave));
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{path + " has been changed on disk since it was read. Save over it?"});
    EXPECT_EQ(quill_test::readText(path), theirs);
    EXPECT_TRUE(board()->IsModified());

    // Yes saves; the next save asks nothing again.
    host.clearEvents();
    host.answerMessageBox(plat::kIdYes);
    ASSERT_TRUE(harness->command(plat::kIdFileSave));
    EXPECT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_NE(quill_test::readText(path), theirs);
    EXPECT_FALSE(board()->IsModified());
    addPad(500);
    host.clearEvents();
    ASSERT_TRUE(harness->command(plat::kIdFileSave));
    EXPECT_TRUE(host.messageBoxes().empty());
}

}  // namespace
