#include "platform/app/program.h"
#include "platform/core/test_ui_host.h"
#include "sample_run_fixture.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

using namespace sample;

struct Documents : SampleRunTest {
    quill_test::TempFolder folder;

    void SetUp() override
    {
        startSample(false);
        host.clearEvents();
    }
    SampleDoc* activeDoc() { return static_cast<SampleDoc*>(app().mainFrame()->GetActiveDocument()); }
    std::string read(const std::string& name)
    {
        const auto bytes = folder.read(name);
        return std::string(bytes.begin(), bytes.end());
    }
    void closeActiveFrame() { app().mainFrame()->MDIGetActive()->SendMessage(plat::kWmClose); harness->idle(); }
};

TEST_F(Documents, NewDocumentsAreNumberedUntitled)
{
    ASSERT_NE(activeDoc(), nullptr);
    EXPECT_EQ(activeDoc()->GetTitle(), "untitled1");
    EXPECT_EQ(activeDoc()->text, "new");
    EXPECT_TRUE(activeDoc()->GetPathName().empty());
    harness->command(plat::kIdFileNew);
    EXPECT_EQ(activeDoc()->GetTitle(), "untitled2");
    EXPECT_EQ(app().openDocumentCount(), 2);
    EXPECT_EQ(app().mainFrame()->GetActiveView()->GetDocument(), activeDoc());
}

TEST_F(Documents, OpenReadsThroughSerializeAndSaveWritesBack)
{
    folder.write("Board.smp", "hello");
    // The name is found whatever its case.
    auto* doc = static_cast<SampleDoc*>(app().OpenDocumentFile(folder.file("BOARD.SMP")));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->text, "hello");
    EXPECT_EQ(doc->GetTitle(), "Board.smp");
    EXPECT_EQ(doc->GetPathName(), folder.file("Board.smp"));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(app().recentFileList()->files().front(), folder.file("Board.smp"));

    // Opening it again activates the open document.
    EXPECT_EQ(app().OpenDocumentFile(folder.file("Board.smp")), doc);

    doc->text = "changed";
    doc->SetModifiedFlag(true);
    harness->command(plat::kIdFileSave);
    EXPECT_EQ(read("Board.smp"), "changed");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(Documents, FailuresAreReportedAndLeaveFilesAlone)
{
    const size_t before = app().openDocumentCount();
    EXPECT_EQ(app().OpenDocumentFile(folder.file("missing.smp")), nullptr);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Unable to open document " + folder.file("missing.smp") + "."});
    harness->idle();
    EXPECT_EQ(app().openDocumentCount(), before);

    // A save that cannot replace the target leaves what is there untouched.
    host.clearEvents();
    std::filesystem::create_directory(folder.path() / "taken.smp");
    folder.write("taken.smp/keep.txt", "kept");
    SampleDoc* doc = activeDoc();
    doc->SetModifiedFlag(true);
    EXPECT_FALSE(doc->OnSaveDocument(folder.file("taken.smp")));
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Unable to save document " + folder.file("taken.smp") +
                                                            ".\nCannot write " + folder.file("taken.smp") +
                                                            ": Is a directory"});
    EXPECT_EQ(read("taken.smp/keep.txt"), "kept");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST_F(Documents, RefusedFilesStayClosedAndPartlyReadFilesAskBeforeSave)
{
    const size_t before = app().openDocumentCount();
    folder.write("other.smp", "refuse: not a sample");
    EXPECT_EQ(app().OpenDocumentFile(folder.file("other.smp")), nullptr);
    harness->idle();
    EXPECT_EQ(app().openDocumentCount(), before) << "no document stays open on a refused file";
    EXPECT_TRUE(host.messageBoxes().empty()) << "the reader says why, the framework adds nothing";
    EXPECT_EQ(read("other.smp"), "refuse: not a sample");

    folder.write("damaged.smp", "part of a file");
    auto* doc = static_cast<SampleDoc*>(app().OpenDocumentFile(folder.file("damaged.smp")));
    ASSERT_NE(doc, nullptr);
    EXPECT_TRUE(doc->partlyRead());
    doc->text = "what was read";
    doc->SetModifiedFlag(true);
    const std::string ask = folder.file("damaged.smp") + " was read only in part. Replace the whole file with what was read?";
    for (const int answer : {plat::kIdNo, plat::kIdYes}) {
        SCOPED_TRACE(answer);
        host.clearEvents();
        host.answerMessageBox(answer);
        harness->command(plat::kIdFileSave);
        EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{ask});
        EXPECT_EQ(read("damaged.smp"), answer == plat::kIdYes ? "what was read" : "part of a file");
    }
    // Once replaced, the file holds the whole document: Save no longer asks.
    host.clearEvents();
    harness->command(plat::kIdFileSave);
    EXPECT_TRUE(host.messageBoxes().empty());

    // Save As to another file is free, and the document then lives there.
    folder.write("damaged2.smp", "part again");
    doc = static_cast<SampleDoc*>(app().OpenDocumentFile(folder.file("damaged2.smp")));
    ASSERT_NE(doc, nullptr);
    host.clearEvents();
    host.answerFileDialog({folder.file("copy.smp"), 1});
    harness->command(plat::kIdFileSaveAs);
    harness->command(plat::kIdFileSave);
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(read("copy.smp"), "part again");
    EXPECT_EQ(read("damaged2.smp"), "part again");
}

TEST_F(Documents, FilesTooLargeOrTooBigForMemoryAreMessagesAndChangeNothing)
{
    SampleDoc* open = activeDoc();
    open->text = "kept";
    const size_t before = app().openDocumentCount();
    const auto expectNothingChanged = [&] {
        harness->idle();
        EXPECT_EQ(app().openDocumentCount(), before);
        EXPECT_EQ(activeDoc(), open);
        EXPECT_EQ(open->text, "kept");
    };

    // A file larger than the kind holds is refused unread (3 GB here, on no disk space).
    folder.write("huge.smp", "");
    std::filesystem::resize_file(folder.path() / "huge.smp", std::uintmax_t{3} << 30);
    host.answerFileDialog({folder.file("huge.smp"), 1});
    harness->command(plat::kIdFileOpen);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Unable to open document " + folder.file("huge.smp") +
                                                            ": the file is larger than any document of its kind "
                                                            "(1 MB at most)."});
    expectNothingChanged();

    // Memory running out while the reader works is a message too.
    folder.write("starved.smp", "no memory for this one");
    host.clearEvents();
    EXPECT_EQ(app().OpenDocumentFile(folder.file("starved.smp")), nullptr);
    EXPECT_EQ(host.messageBoxes(),
              std::vector<std::string>{"Not enough memory to open document " + folder.file("starved.smp") + "."});
    expectNothingChanged();

    // A recent file that has grown too large since: the same message, and it leaves the list.
    folder.write("grown.smp", "small");
    ASSERT_NE(app().OpenDocumentFile(folder.file("grown.smp")), nullptr);
    harness->command(plat::kIdFileClose);
    std::filesystem::resize_file(folder.path() / "grown.smp", std::uintmax_t{2} << 20);
    ASSERT_EQ(app().recentFileList()->files().front(), folder.file("grown.smp"));
    host.clearEvents();
    harness->command(plat::kIdFileMruFile1);
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_TRUE(host.messageBoxes().front().ends_with("(1 MB at most)."));
    const std::vector<std::string>& recent = app().recentFileList()->files();
    EXPECT_EQ(std::find(recent.begin(), recent.end(), folder.file("grown.smp")), recent.end());
    expectNothingChanged();
}

TEST_F(Documents, ClosingAModifiedDocumentAsks)
{
    SampleDoc* doc = activeDoc();
    doc->SetModifiedFlag(true);

    host.answerMessageBox(plat::kIdCancel);
    closeActiveFrame();
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Save changes to untitled1?"});
    EXPECT_EQ(app().openDocumentCount(), 1);

    // Yes on an untitled document asks for a name; the template's extension is added.
    host.clearEvents();
    host.answerMessageBox(plat::kIdYes);
    host.answerFileDialog({folder.file("first"), 1});
    closeActiveFrame();
    EXPECT_TRUE(host.shown("file dialog save: Sample Files (*.smp)|*.smp|All Files (*.*)|*.*||"));
    EXPECT_EQ(read("first.smp"), "new");
    EXPECT_EQ(app().openDocumentCount(), 0);
    EXPECT_EQ(app().recentFileList()->files().front(), folder.file("first.smp"));

    // No closes without saving.
    harness->command(plat::kIdFileNew);
    activeDoc()->SetModifiedFlag(true);
    host.clearEvents();
    host.answerMessageBox(plat::kIdNo);
    closeActiveFrame();
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Save changes to untitled2?"});
    EXPECT_EQ(app().openDocumentCount(), 0);
}

TEST_F(Documents, ClosingTheMainWindowAsksForEveryModifiedDocument)
{
    harness->command(plat::kIdFileNew);
    for (const auto& d : app().docTemplates().front()->documents())
        d->SetModifiedFlag(true);
    host.answerMessageBox(plat::kIdNo);
    host.answerMessageBox(plat::kIdCancel);
    harness->close();
    EXPECT_EQ(host.messageBoxes().size(), 2u);
    EXPECT_NE(app().GetMainWnd(), nullptr) << "Cancel keeps the program open";
    host.answerMessageBox(plat::kIdNo);
    host.answerMessageBox(plat::kIdNo);
    harness->close();
    EXPECT_EQ(app().GetMainWnd(), nullptr);
    EXPECT_EQ(app().openDocumentCount(), 0);
}

TEST_F(Documents, TemporaryDocumentsWorkWithoutTemplateOrWindows)
{
    folder.write("part.smp", "symbol");
    SampleDoc temporary;
    ASSERT_TRUE(temporary.OnOpenDocument(folder.file("part.smp")));
    EXPECT_EQ(temporary.text, "symbol");
    EXPECT_TRUE(temporary.views().empty());
    temporary.text = "edited";
    ASSERT_TRUE(temporary.OnSaveDocument(folder.file("part.smp")));
    EXPECT_EQ(read("part.smp"), "edited");
    temporary.OnCloseDocument();
    EXPECT_TRUE(temporary.text.empty());

    // A view on the stack borrows a document for painting and leaves it alone.
    {
        SampleView view;
        view.SetDocument(&temporary);
        EXPECT_FALSE(view.IsWindow());
    }
    EXPECT_TRUE(temporary.views().empty());
}

}  // namespace
