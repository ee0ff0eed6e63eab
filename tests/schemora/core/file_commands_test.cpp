// The File, Window, Display and Help commands of the schematic program, run through the real
// program with menu commands and answered file dialogs.
#include "app_test_support.h"

#include "platform/app/command_ids.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/menu.h"
#include "platform/app/dialog.h"
#include "platform/system/paths.h"
#include "platform/system/startup.h"
#include "resources/schemora/file_resources.h"
#include "platform/core/archive.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/file_kinds.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/sheet_state.h"
#include "support/full_disk.h"
#include "support/function_table.h"

#include <filesystem>

namespace {

using namespace schemora_test;

class FileCommands : public SchemoraAppTest {
protected:
    void SetUp() override
    {
        SchemoraAppTest::SetUp();
        writeIni("DoTips=0\n");
    }

    CSchemoraDoc* activeDocument() const
    {
        return static_cast<CSchemoraDoc*>(plat::GetMainWnd()->GetActiveDocument());
    }

    // A drawing with one wire, saved as name in the program folder.
    std::string savedDrawing(plat::AppHarness& harness, const std::string& name)
    {
        CSchemoraDoc* doc = activeDocument();
        doc->data().objects[1] = MakeDrawObject(ObjectWords(kObjLine, 0, 0, 100, 0), nullptr);
        doc->data().objectCount = 1;
        doc->SetModifiedFlag(true);
        const std::string path = folder.file(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        host.answerFileDialog({path, 1});
        EXPECT_TRUE(harness.command(plat::kIdFileSaveAs));
        return path;
    }
};

TEST(FileKinds, FromTheFileNamesOwnExtension)
{
    quill_test::expectEachGives<const char*, OpenKind>(OpenKindOf, {
        {"/w/out.net", OpenKind::TextViewer},   {"/w/OUT.NTO", OpenKind::TextViewer},
        {"/w/a.cir", OpenKind::TextViewer},     {"/w/a.Ckt", OpenKind::TextViewer},
        {"/w/a.prt", OpenKind::TextViewer},     {"/w/a.ref", OpenKind::TextViewer},
        {"/w/a.mod", OpenKind::TextViewer},     {"/w/a.dxf", OpenKind::Dxf},
        {"/w/a.pic", OpenKind::Drawing},        {"/w/a.epc", OpenKind::Drawing},
        {"/w/a.rpt", OpenKind::Drawing},        {"/w/amp.network/a.pic", OpenKind::Drawing},
        {"/w/v1.dxf/amp.pic", OpenKind::Drawing}, {"/w/x.net.pic", OpenKind::Drawing},
    });
    EXPECT_EQ(SaveAsKindOf("/w/a.DXF", 1), SaveAsKind::Dxf);
    EXPECT_EQ(SaveAsKindOf("/w/a", 2), SaveAsKind::Dxf);
    EXPECT_EQ(SaveAsKindOf("/w/a.epc", 1), SaveAsKind::Encapsulated);
    EXPECT_EQ(SaveAsKindOf("/w/a", 3), SaveAsKind::Encapsulated);
    EXPECT_EQ(SaveAsKindOf("/w/a.pic", 4), SaveAsKind::PreviousVersion);
    EXPECT_EQ(SaveAsKindOf("/w/v1.dxf/a", 1), SaveAsKind::Drawing);
}

TEST_F(FileCommands, OpenSendsTextOutputsToTheViewerAndDrawingsToDocuments)
{
    auto harness = start();
    ASSERT_TRUE(harness.start());
    const int before = harness.app().openDocumentCount();
    folder.write("out.net", "netlist\n");
    host.answerFileDialog({folder.file("out.net"), 2});
    EXPECT_TRUE(harness.command(plat::kIdFileOpen));
    EXPECT_TRUE(host.shown("file dialog open: " + std::string(kOpenFilter)));
    EXPECT_TRUE(host.shown("text viewer: " + folder.file("out.net")));
    EXPECT_EQ(harness.app().openDocumentCount(), before);

    // A drawing in a folder whose name looks like a netlist opens as a drawing.
    const std::string drawing = savedDrawing(harness, "amp.network/amp.pic");
    host.clearEvents();
    host.answerFileDialog({drawing, 1});
    EXPECT_TRUE(harness.command(plat::kIdFileOpen));
    EXPECT_FALSE(host.shown("text viewer: " + drawing));
    EXPECT_EQ(activeDocument()->GetPathName(), drawing);
}

TEST_F(FileCommands, OpenRefusesAFileLargerThanAnyDrawingUnread)
{
    auto harness = start();
    ASSERT_TRUE(harness.start());
    const std::string drawing = savedDrawing(harness, "amp.pic");
    CSchemoraDoc* open = activeDocument();
    const int documents = harness.app().openDocumentCount();
    // 3 GB on no disk space, of each kind that opens as a drawing.
    for (const char* name : {"huge.pic", "huge.EPC", "huge.rpt"}) {
        SCOPED_TRACE(name);
        folder.write(name, "");
        std::filesystem::resize_file(folder.path() / name, std::uintmax_t{3} << 30);
        host.clearEvents();
        host.answerFileDialog({folder.file(name), 1});
        EXPECT_TRUE(harness.command(plat::kIdFileOpen));
        EXPECT_EQ(host.messageBoxes(),
                  std::vector<std::string>{"Unable to open document " + folder.file(name) +
                                           ": the file is larger than any document of its kind (" +
                                           plat::sizeText(kMaxDrawingFileBytes) + " at most)."});
        harness.idle();
        EXPECT_EQ(harness.app().openDocumentCount(), documents);
        EXPECT_EQ(activeDocument(), open);
        EXPECT_EQ(open->GetPathName(), drawing);
        EXPECT_EQ(open->data().objectCount, 1);
        EXPECT_EQ(g_current.count, 1) << "the open drawing stays current";
    }
}

TEST_F(FileCommands, OpenAndSaveAsStartBesideTheActiveDrawing)
{
    auto harness = start();
    ASSERT_TRUE(harness.start());
    const auto lastFolder = [&] { return host.fileDialogRequests().back().initialFolder; };
    host.answerFileDialog({"", 1});
    EXPECT_TRUE(harness.command(plat::kIdFileOpen));
    ASSERT_FALSE(host.fileDialogRequests().empty());
    EXPECT_EQ(lastFolder(), plat::launchFolder()) << "an untitled drawing: where the program was started";
    EXPECT_FALSE(lastFolder().empty());

    const std::string drawing = savedDrawing(harness, "job/amp.pic");
    ASSERT_EQ(activeDocument()->GetPathName(), drawing);
    host.answerFileDialog({"", 1});
    EXPECT_TRUE(harness.command(plat::kIdFileOpen));
    EXPECT_EQ(lastFolder(), plat::folderOf(drawing));
    host.answerFileDialog({"", 1});
    EXPECT_TRUE(harness.command(plat::kIdFileSaveAs));
    EXPECT_EQ(lastFolder(), plat::folderOf(drawing));
}

TEST_F(FileCommands, SaveAsByTypeAndByExtension)
{
    auto harness = start();
    ASSERT_TRUE(harness.start());
    // The first type without an extension: ".pic" is added.
    const std::string plain = savedDrawing(harness, "plain");
    EXPECT_TRUE(plat::fileExists(plain + ".pic"));
    EXPECT_EQ(activeDocument()->GetPathName(), plain + ".pic");
    EXPECT_FALSE(activeDocument()->IsModified());

    // The fourth type: the previous version, named after the file; in a dotted folder the file
    // lands beside the chosen name, never in a folder cut at the first dot.
    std::filesystem::create_directories(folder.path() / "v1.2");
    host.answerFileDialog({folder.file("v1.2/old.x"), 4});
    EXPECT_TRUE(harness.command(plat::kIdFileSaveAs));
    const std::vector<unsigned char> old = folder.read("v1.2/old.pic");
    ASSERT_GE(old.size(), 32u);
    EXPECT_EQ(old[10], ':') << "version byte of the previous version";
    EXPECT_EQ(std::string(old.begin() + 16, old.begin() + 16 + 15), plat::upperCasePath(folder.file("v1.2/old.pic")).substr(0, 15));
    EXPECT_FALSE(plat::fileExists(folder.file("v1.pic")));

    // ".DXF" by extension exports the drawing.
    host.clearEvents();
    host.answerFileDialog({folder.file("v1.2/amp.DXF"), 1});
    EXPECT_TRUE(harness.command(plat::kIdFileSaveAs));
    EXPECT_TRUE(plat::fileExists(folder.file("v1.2/amp.DXF")));
    EXPECT_TRUE(host.shown("message box: Saved 1 DXF elements"));

    // The third type writes the drawing beside the chosen name; an existing file that the
    // dialog did not show is replaced only when the person agrees.
    folder.write("keep.pic", "keep");
    host.clearEvents();
    host.answerFileDialog({folder.file("keep.epc"), 3});
    host.answerMessageBox(plat::kIdNo);
    EXPECT_TRUE(harness.command(plat::kIdFileSaveAs));
    EXPECT_EQ(folder.read("keep.pic").size(), 4u);
    host.answerFileDialog({folder.file("keep.epc"), 3});
    host.answerMessageBox(plat::kIdYes);
    EXPECT_TRUE(harness.command(plat::kIdFileSaveAs));
    EXPECT_GT(folder.read("keep.pic").size(), 4u);
}

// Save As on a full disk: the drawing, the earlier-version copy and the DXF export each keep the
// file that was there and say which file and why; the drawing stays unsaved under its name.
TEST_F(FileCommands, SaveAsOnAFullDiskKeepsTheOlderFiles)
{
    auto harness = start();
    ASSERT_TRUE(harness.start());
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        const std::vector<std::string> names{"amp.DXF", "amp.pic", "old.pic"};
        for (const std::string& name : names)
            disk.write(name, "older " + name);
        disk.fill();
        CSchemoraDoc* doc = activeDocument();
        doc->data().objects[1] = MakeDrawObject(ObjectWords(kObjLine, 0, 0, 100, 0), nullptr);
        doc->data().objectCount = 1;
        doc->SetModifiedFlag(true);
        const std::string title = doc->GetPathName();
        const auto full = [&](const std::string& name) {
            return "Cannot write " + disk.file(name) + ": No space left on device";
        };
        struct Save {
            std::string chosen;
            int type;
            std::string message;
        };
        const Save saves[] = {
            {"amp.pic", 1, "Unable to save document " + disk.file("amp.pic") + ".\n" + full("amp.pic")},
            {"old.x", 4, full("old.pic")},
            {"amp.DXF", 1, full("amp.DXF")},
        };
        for (const Save& save : saves) {
            SCOPED_TRACE(save.chosen);
            host.clearEvents();
            host.answerFileDialog({disk.file(save.chosen), save.type});
            host.answerMessageBox(plat::kIdYes);   // replace a file the dialog did not show
            EXPECT_TRUE(harness.command(plat::kIdFileSaveAs));
            ASSERT_FALSE(host.messageBoxes().empty());
            EXPECT_EQ(host.messageBoxes().back(), save.message);
            EXPECT_TRUE(doc->IsModified());
            EXPECT_EQ(doc->GetPathName(), title);
        }
        for (const std::string& name : names)
            EXPECT_EQ(disk.readText(name), "older " + name);
        EXPECT_EQ(disk.names(), names);
        doc->SetModifiedFlag(false);
    });
}

TEST_F(FileCommands, SaveIsGreyedUntilTheDrawingChanges)
{
    auto harness = start();
    ASSERT_TRUE(harness.start());
    CSchemoraDoc* doc = activeDocument();
    plat::CmdUI clean(plat::kIdFileSave);
    ASSERT_TRUE(doc->OnCmdMsg(plat::kIdFileSave, &clean));
    EXPECT_FALSE(clean.enabled());
    doc->SetModifiedFlag(true);
    plat::CmdUI changed(plat::kIdFileSave);
    ASSERT_TRUE(doc->OnCmdMsg(plat::kIdFileSave, &changed));
    EXPECT_TRUE(changed.enabled());
}

TEST_F(FileCommands, CloseAllStopsAtCancel)
{
    auto harness = start();
    ASSERT_TRUE(harness.start());
    activeDocument()->SetModifiedFlag(true);
    host.answerMessageBox(plat::kIdCancel);
    EXPECT_TRUE(harness.command(scm::kCmdCloseAllWindows));
    harness.idle();
    ASSERT_EQ(harness.app().openDocumentCount(), 1) << "Cancel keeps the unsaved drawing open";
    EXPECT_TRUE(activeDocument()->IsModified());

    host.answerMessageBox(plat::kIdNo);
    EXPECT_TRUE(harness.command(scm::kCmdCloseAllWindows));
    harness.idle();
    EXPECT_EQ(harness.app().openDocumentCount(), 0);
}

TEST_F(FileCommands, MenusReachPrintoutSettingsMarkAndHelp)
{
    auto harness = start();
    ASSERT_TRUE(harness.start());
    auto* frame = static_cast<plat::MDIFrameWnd*>(plat::GetMainWnd());
    for (unsigned id : {scm::kCmdPrintoutSettings, scm::kCmdCloseAllWindows, scm::kCmdDisplayMark,
                        scm::kCmdHelpContentsItem}) {
        SCOPED_TRACE(id);
        EXPECT_NE(frame->GetMenu()->findCommand(id), nullptr);
    }

    PrintoutSettings saved = g_printout;
    g_printout = PrintoutSettings{kPrintOneSheet, false, true};
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(scm::kIdcPrintOneSheet), 1);
        d.CheckRadioButton(scm::kIdcPrintOneSheet, scm::kIdcPrintToScale, scm::kIdcPrintToScale);
        d.CheckDlgButton(scm::kIdcPrintColor, 1);
        d.CheckDlgButton(scm::kIdcPrintPreserveAspect, 0);
        return d.PressButton(plat::kIdOk);
    });
    EXPECT_TRUE(harness.command(scm::kCmdPrintoutSettings));
    EXPECT_TRUE(host.shown("dialog 178"));
    EXPECT_EQ(g_printout.layout, kPrintToScale);
    EXPECT_TRUE(g_printout.color);
    EXPECT_FALSE(g_printout.preserveAspect);
    g_printout = saved;

    EXPECT_TRUE(harness.command(scm::kCmdDisplayMark));
    EXPECT_EQ(g_editState.CurrentTool, scm::kCmdDisplayMark);

    EXPECT_TRUE(harness.command(scm::kCmdHelpContentsItem));
    ASSERT_FALSE(host.events().empty());
    EXPECT_EQ(host.events().back().rfind("help: ", 0), 0u);
    EXPECT_EQ(host.events().back().substr(host.events().back().size() - 2), " 3");
}

}  // namespace
