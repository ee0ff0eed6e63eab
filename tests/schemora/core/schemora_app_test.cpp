// Start-up and shutdown of the schematic program, run headless through the test UI host.
#include "platform/app/command_ids.h"
#include "platform/app/doc_template.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/keys.h"
#include "platform/app/menu.h"
#include "platform/app/win_constants.h"
#include "platform/app/program.h"
#include "platform/core/archive.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/files.h"
#include "platform/system/registry.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/schemora_app.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/schemora_view.h"
#include "schemora/core/settings.h"
#include "schemora/core/workspace_services.h"
#include "schemora/workspace/part_editor.h"
#include "schemora/workspace/main_frame.h"
#include "../netlist/netlist_test_support.h"
#include "schemora/core/file_records.h"
#include "schemora/core/part_library.h"
#include "schemora/core/string_records.h"
#include "support/command_check.h"
#include "support/temp_folder.h"
#include "app_test_support.h"
#include "drawing_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <algorithm>
#include <climits>
#include <utility>

namespace {

class SchemoraStart : public schemora_test::SchemoraAppTest {
protected:
    static CMainFrame& mainFrame() { return *static_cast<CMainFrame*>(plat::GetMainWnd()); }
    static CSchemoraDoc* activeDrawing() { return static_cast<CSchemoraDoc*>(plat::GetMainWnd()->GetActiveDocument()); }
};

TEST_F(SchemoraStart, StartsWithPaletteColourRolesTimersAndAssociation)
{
    host.setSysColor(plat::kColorBtnFace, 0x00332211);
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());

    EXPECT_EQ(g_palette.entries[15].red, 0x11);
    EXPECT_EQ(g_palette.entries[15].green, 0x22);
    EXPECT_EQ(g_palette.entries[15].blue, 0x33);
    EXPECT_EQ(g_palette.entries[4].red, 255);
    EXPECT_EQ(g_colorRoles.index[1], 6);
    EXPECT_EQ(g_colorRoles.index[6], 15);
    EXPECT_EQ(g_colorRoles.index[20], 7);

    auto* frame = plat::GetMainWnd();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(host.timerPeriod(frame, scm::kTimerStatusAnimation), 500u);
    EXPECT_EQ(host.timerPeriod(frame, scm::kTimerBackup), 0u) << "BackupTime 0 starts no backup timer";
    EXPECT_TRUE(frame->IsZoomed());
    EXPECT_TRUE(harness.app().defaultLandscape()) << "printouts default to landscape sheets";
    EXPECT_FALSE(host.shown("dialog 293")) << "DoTips 0 builds the tip dialog but does not show it";
    EXPECT_TRUE(host.messageBoxes().empty());

    // One new drawing with the document defaults.
    ASSERT_EQ(harness.app().openDocumentCount(), 1);
    auto* doc = static_cast<CSchemoraDoc*>(frame->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetTitle(), "untitled1");
    EXPECT_EQ(doc->data().objectCount, 0);
    EXPECT_EQ(doc->data().sheetSize, 'A');
    EXPECT_EQ(doc->data().numberOfSheets, 1);
    EXPECT_EQ(doc->data().zoomLevel, 3);
    EXPECT_EQ(doc->data().grid, 703);
    EXPECT_FALSE(doc->IsModified());

    auto& reg = plat::Registry::shared();
    EXPECT_EQ(reg.queryString("HKEY_CLASSES_ROOT\\.pic", ""), "piccmd");
    // The load command goes under the class the framework's registration had just set.
    expectLoadCommandUnder("Schemora.Document", "schemora %1");
}

TEST_F(SchemoraStart, BackupTimerSoundAndTipFollowTheSettings)
{
    writeIni("BackupTime=5\nsound=1\nDoTips=1\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    EXPECT_EQ(host.timerPeriod(plat::GetMainWnd(), scm::kTimerBackup), 300000u);
    const std::string sound = "sound: " + g_folders.soundFolder + "welcome.wav";
    // Start-up runs its steps in a fixed order: the animation timer, the backup timer, the
    // welcome sound, then the tip of the day.
    const auto& events = host.events();
    auto at = [&](const std::string& line) {
        return std::find(events.begin(), events.end(), line) - events.begin();
    };
    const auto animation = at("timer set 185 500"), backup = at("timer set 1027 300000");
    const auto welcome = at(sound), tip = at("dialog 293");
    ASSERT_LT(tip, static_cast<long>(events.size())) << "the tip dialog was shown";
    EXPECT_LT(animation, backup);
    EXPECT_LT(backup, welcome);
    EXPECT_LT(welcome, tip);
}

TEST_F(SchemoraStart, BackupTickWritesTheChangedUntitledDrawingToTheSettingsFolder)
{
    writeIni("BackupTime=5\nDoTips=0\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    plat::Document* drawing = plat::GetMainWnd()->GetActiveDocument();
    ASSERT_NE(drawing, nullptr);
    const std::string title = drawing->GetTitle();
    const std::filesystem::path backup =
        config.path() / "Schemora" / ("untitled-" + title.substr(title.find_last_not_of("0123456789") + 1) + ".bak");
    host.advance(300000);
    EXPECT_FALSE(std::filesystem::exists(backup)) << "an unchanged drawing needs none";
    drawing->SetModifiedFlag(true);
    const CurrentDrawing before = g_current;
    host.advance(300000);
    EXPECT_TRUE(std::filesystem::exists(backup)) << backup;
    EXPECT_TRUE(drawing->IsModified());
    EXPECT_EQ(g_current.objects.data(), before.objects.data()) << "the drawing being edited stays current";
}

TEST_F(SchemoraStart, TheStatusAnimationAlternatesItsTwoIcons)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    auto& status = mainFrame().statusBarPanes();
    std::vector<plat::Icon> shown;
    for (int tick = 0; tick < 4; ++tick) {
        host.advance(500);
        shown.push_back(status.GetPaneIcon(2));
    }
    EXPECT_EQ(shown, (std::vector<plat::Icon>{scm::kIconActivityA, scm::kIconActivityB, scm::kIconActivityA,
                                              scm::kIconActivityB}));
}

TEST_F(SchemoraStart, MissingSoundFileSaysSo)
{
    writeIni("sound=1\nDoTips=0\n");
    host.setSoundWorks(false);
    auto harness = start();
    ASSERT_TRUE(harness.start());
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Error in Playing Sound"});

    // Without a sound folder nothing is played and nothing said.
    host.clearEvents();
    const std::string folder = g_folders.soundFolder;
    g_folders.soundFolder.clear();
    PlaySoundFile("welcome.wav");
    g_folders.soundFolder = folder;
    EXPECT_TRUE(host.events().empty());
}

TEST_F(SchemoraStart, RefusesUnsupportedCommandLines) { expectUnsupportedCommandLinesRefused("a.pic"); }

TEST_F(SchemoraStart, MissingTitleBlockEndsTheProgram)
{
    std::filesystem::remove(folder.path() / "Title.PIC");
    auto harness = start();
    EXPECT_FALSE(harness.start());
    EXPECT_EQ(harness.exitCode(), 1);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Unable to open file: Title.PIC"});
}

TEST_F(SchemoraStart, ADrawingOfTheCommandLineThatCannotBeOpenedLeavesTheProgramRunning)
{
    auto harness = startWithoutTips({folder.file("missing.pic")});
    expectMissingDocumentLeavesTheProgramRunning(harness);
}

TEST_F(SchemoraStart, APipeOrAFolderNamedAsADrawingIsRefusedAtOnce) { expectNonFileDocumentsRefused(".pic", 1); }

// Imported like a drawing is opened: no empty drawing is left for it.
TEST_F(SchemoraStart, APipeOrAFolderNamedAsADxfFileIsRefusedAtOnce) { expectNonFileDocumentsRefused(".dxf", 1); }

// The command line opens what File > Open opens: a DXF file is imported into a new drawing, a
// netlist goes to the text viewer.
TEST_F(SchemoraStart, TheCommandLineOpensEachKindOfFileAsFileOpenDoes)
{
    folder.write("part.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n0\nENDSEC\n0\nEOF\n");
    {
        auto harness = startWithoutTips({folder.file("part.dxf")});
        ASSERT_TRUE(harness.start());
        harness.idle();
        EXPECT_TRUE(host.messageBoxes().empty()) << testing::PrintToString(host.messageBoxes());
        ASSERT_EQ(harness.app().openDocumentCount(), 1);
        CSchemoraDoc* doc = activeDrawing();
        ASSERT_NE(doc, nullptr);
        EXPECT_EQ(doc->data().objectCount, 1);
        EXPECT_EQ(doc->data().objects[1].type(), kObjLine);
        harness.close();
    }
    host.clearEvents();
    folder.write("amp.net", "netlist\n");
    auto harness = startWithoutTips({folder.file("amp.net")});
    ASSERT_TRUE(harness.start());
    EXPECT_TRUE(host.shown("text viewer: " + folder.file("amp.net")));
    EXPECT_FALSE(host.shown("message box: Unsupported file format"));
    EXPECT_EQ(harness.app().openDocumentCount(), 0);
}

TEST_F(SchemoraStart, OpensTheDrawingOfTheCommandLineAndSavesItBack)
{
    writeIni("DoTips=0\n");
    // A drawing with one text on sheet 1.
    writeDrawing("amp.pic", "Amplifier",
                 {MakeDrawObject({10, 20, 0, 0, kObjText, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
                                 "hello world")});

    auto harness = start({folder.file("AMP.PIC")});   // found whatever the case
    ASSERT_TRUE(harness.start());
    auto* opened = activeDrawing();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->data().objectCount, 1);
    EXPECT_EQ(opened->data().titleText(), "Amplifier");
    ASSERT_NE(opened->data().objects[1].text, nullptr);
    EXPECT_STREQ(opened->data().objects[1].text, "hello world");

    // Saving gives back the same bytes.
    const auto before = folder.read("amp.pic");
    ASSERT_TRUE(opened->OnSaveDocument(folder.file("amp.pic")));
    auto after = folder.read("amp.pic");
    // The header and title are the same; only the date inside the document changed.
    EXPECT_EQ(after, before);
}

TEST_F(SchemoraStart, TheFirstPaintOfADrawingReadPlaysFileDoneOnce)
{
    writeIni("DoTips=0\nsound=1\n");
    writeDrawing("amp.pic");

    auto harness = start({folder.file("amp.pic")});
    ASSERT_TRUE(harness.start());
    harness.idle();
    harness.idle();
    EXPECT_EQ(host.count("sound: " + g_folders.soundFolder + "filedone.wav"), 1);
}

TEST_F(SchemoraStart, ClosingWritesTheSettingsAndKeepsTheOpenDrawingsListed)
{
    writeIni("DoTips=0\nBackupTime=2\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    harness.close();
    const std::string text = iniText();
    EXPECT_NE(text.find("BackupTime=2"), std::string::npos) << text;
    EXPECT_NE(text.find("file#0=untitled1"), std::string::npos) << text;
    EXPECT_NE(text.find("files=1"), std::string::npos) << text;
}

TEST_F(SchemoraStart, ObjectCountAndStatusTextGoToTheOpenPartEditor)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    auto* doc = activeDrawing();
    ASSERT_NE(doc, nullptr);
    ASSERT_EQ(g_current.activeDocument, doc);
    auto& status = mainFrame().statusBarPanes();

    // The count stored is one more than the last used slot, capped at 7,999.
    for (auto [last, stored] : {std::pair{4, 5}, {7998, 7999}, {7999, 7999}, {9000, 7999}, {INT_MAX, 7999}}) {
        SCOPED_TRACE(last);
        doc->SetModifiedFlag(false);
        EXPECT_EQ(SetObjectCount(last), stored);
        EXPECT_EQ(doc->data().objectCount, stored);
        EXPECT_TRUE(doc->IsModified());
    }
    SetStatusText("in the frame", 0);
    EXPECT_EQ(status.GetPaneText(0), "in the frame");
    const std::string sheetPane = status.GetPaneText(3);

    // While the part editor is open the document is left alone and texts go to the editor;
    // a string-table text still reaches the main frame.
    CPartEditorDlg editor;
    thePartEditor = &editor;
    doc->SetModifiedFlag(false);
    EXPECT_EQ(SetObjectCount(2), 3);
    EXPECT_TRUE(editor.isModified());
    SetStatusText("in the editor", 0);
    SetStatusText("ignored", 3);
    SetStatusTextId(859, 1);
    thePartEditor = nullptr;
    EXPECT_EQ(doc->data().objectCount, 7999);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(status.GetPaneText(0), "in the frame");
    EXPECT_EQ(status.GetPaneText(3), sheetPane);
    EXPECT_EQ(status.GetPaneText(1), "Schematic FULL--objects not loaded");
}

TEST_F(SchemoraStart, AFileThatCannotBeOpenedLeavesTheCurrentDrawing)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    auto* doc = activeDrawing();
    ASSERT_NE(doc, nullptr);
    g_current.objects = doc->data().objects.slots();
    g_current.count = 0;
    EXPECT_EQ(harness.app().OpenDocumentFile(folder.file("missing.pic")), nullptr);
    harness.idle();   // the failed document is deleted
    EXPECT_EQ(g_current.objects.data(), doc->data().objects.data());
    EXPECT_EQ(g_current.count, 0);
    EXPECT_EQ(host.messageBoxes().size(), 1u);
}

// Boards, netlists and stray bytes are not drawings: they open no document, so nothing can
// save over them.
TEST_F(SchemoraStart, FilesThatAreNoDrawingsOpenNothing)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());

    std::vector<unsigned char> board(40, 0);   // a board header: size word 'A', version 11 and 13
    board[0] = 1;
    board[8] = 'A';
    std::vector<unsigned char> boardNew = board;
    board[10] = ';';
    boardNew[10] = '=';
    const std::string netlist = "*  Netlist from Schemora\n*\nJ1 IN GROUND\n";
    std::vector<unsigned char> noise = noiseBytes(300, 12345);
    noise[10] = 0xC7;
    expectFilesOpenNothing(harness, {{"board.tlz", board}, {"new.tlz", boardNew},
                                     {"rc.net", std::vector<unsigned char>(netlist.begin(), netlist.end())},
                                     {"noise.pic", noise}, {"short.pic", std::vector<unsigned char>(20, 'A')}});
}

// The bytes the drawing writer makes of `count` texts; slot `deleted` (when not 0) is a
// deleted slot.
std::vector<unsigned char> drawingOfTexts(int count, int deleted = 0)
{
    DrawObjectStore store;
    store.allocate();
    for (int i = 1; i <= count; ++i)
        store[i] = MakeDrawObject({10 * i, 20, 0, 0, kObjText, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
                                  "text");
    if (deleted > 0) {
        ReleaseObjectData(store[deleted]);
        store[deleted].w[4] = kObjDeleted;
    }
    DrawingDocData data;
    g_current.objects = store.slots();
    g_current.count = count;
    plat::Archive ar(plat::Archive::Mode::Store);
    WriteDrawing(data, ar, kWriteDrawing, "texts.pic");
    g_current = CurrentDrawing{};
    return std::vector<unsigned char>(ar.bytes().begin(), ar.bytes().end());
}

// A drawing cut short opens with what could be read, says so once, and Save asks before it
// replaces the file; Save As is free.
TEST_F(SchemoraStart, ADrawingReadInPartAsksBeforeSaveReplacesIt)
{
    writeIni("DoTips=0\n");
    const std::vector<unsigned char> whole = drawingOfTexts(2);
    struct Case { const char* name; std::vector<unsigned char> bytes; int read; };
    std::vector<unsigned char> cut(whole.begin(), whole.end() - 5);
    std::vector<unsigned char> lying = whole;
    lying[0] = 1;   // the header counts one object, the file holds two
    std::vector<unsigned char> shortOfCount = whole;
    shortOfCount[0] = 3;   // the file ends on a record boundary before the third object
    for (const Case& c : {Case{"cut.pic", cut, 1}, Case{"lying.pic", lying, 1}, Case{"short.pic", shortOfCount, 2}}) {
        SCOPED_TRACE(c.name);
        folder.write(c.name, c.bytes);
        auto harness = start({folder.file(c.name)});
        ASSERT_TRUE(harness.start());
        auto* doc = activeDrawing();
        ASSERT_NE(doc, nullptr);
        EXPECT_EQ(doc->data().objectCount, c.read);
        expectReadInPartAndSaveAsks(harness, c.name, c.bytes, c.read);
        host.answerFileDialog({folder.file("copy.pic"), 1});
        harness.command(plat::kIdFileSaveAs);
        EXPECT_EQ(folder.read(c.name), c.bytes);
        EXPECT_FALSE(folder.read("copy.pic").empty());
        harness.close();
        host.clearEvents();
    }
}

// The header counts the records written, so a drawing saved after deletions reads back whole
// and quietly.
TEST_F(SchemoraStart, ADrawingSavedAfterDeletionsOpensWithoutAMessage)
{
    writeIni("DoTips=0\n");
    folder.write("deleted.pic", drawingOfTexts(3, 2));
    auto harness = start({folder.file("deleted.pic")});
    ASSERT_TRUE(harness.start());
    EXPECT_TRUE(host.messageBoxes().empty());
    auto* doc = activeDrawing();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->data().objectCount, 2);
}

// Design Rules run before the Netlist dialog was ever opened names its report after the active
// drawing, beside it.
TEST_F(SchemoraStart, DesignRulesReportIsNamedAfterTheActiveDrawing)
{
    writeIni("DoTips=0\n");
    std::filesystem::create_directory(folder.path() / "LIB");
    ASSERT_TRUE(netlist_test::writeLibrary(folder.file("LIB/DEVICE.CON"), {netlist_test::twoPin("R", "R?", nullptr)}));
    folder.write("amp.pic", schemora_test::drawingPlacingParts({"R:DEVICE\\R"}));

    auto harness = start({folder.file("amp.pic")});
    ASSERT_TRUE(harness.start());
    // Reading loaded the part ("Loading part DEVICE\R"); once read, the status line is idle.
    EXPECT_EQ(mainFrame().statusBarPanes().GetPaneText(0), "Ready");
    ASSERT_TRUE(harness.command(scm::kCmdDesignRules));
    const auto report = folder.read("amp.drc");
    const std::string text(report.begin(), report.end());
    EXPECT_EQ(text.rfind("Design rules check of " + folder.file("amp.pic") + "\n", 0), 0u) << text;
    EXPECT_FALSE(std::filesystem::exists(folder.path() / ".drc"));
}

TEST_F(SchemoraStart, PlaceDotButtonFollowsAutomaticDots)
{
    writeIni("DoTips=0\nAutoDots=1\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    plat::ToolBar& bar = mainFrame().drawToolBar();
    EXPECT_LT(bar.CommandToIndex(scm::kCmdPlaceDot), 0) << "automatic dots remove the button";
    g_settings.AutoDots = 0;
    for (int call = 0; call < 2; ++call) {
        SCOPED_TRACE(call);
        SyncDotToolButton();
        ASSERT_EQ(bar.CommandToIndex(scm::kCmdPlaceDot), 5);
        EXPECT_EQ(bar.button(5).image, 4) << "the connector dot's own picture";
    }
    const int buttons = bar.GetCount();
    g_settings.AutoDots = 1;
    SyncDotToolButton();
    SyncDotToolButton();
    EXPECT_EQ(bar.GetCount(), buttons - 1) << "only the place-dot button goes";
    EXPECT_LT(bar.CommandToIndex(scm::kCmdPlaceDot), 0);
}

// The view's zoom and sheet commands are reachable from the View menu and the keys.
TEST_F(SchemoraStart, ViewMenuAndKeysReachTheViewCommands)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    expectOnTheMenu({scm::kCmdZoomIn, scm::kCmdCenter, scm::kCmdScaleFirst + 6, scm::kCmdSizeA + 4, scm::kCmdGridFirst,
                     scm::kCmdLayerFirst + 4});
    EXPECT_EQ(commandOfKey(plat::kVkPrior), scm::kCmdZoomIn);
    EXPECT_EQ(commandOfKey(plat::kVkNext), scm::kCmdZoomOut);

    EXPECT_TRUE(harness.command(scm::kCmdScaleFirst + 2));
    EXPECT_EQ(g_current.zoomIndex, 2);
    EXPECT_TRUE(harness.command(scm::kCmdSizeA + 3));
    auto* doc = activeDrawing();
    EXPECT_EQ(doc->data().sheetSize, 'D');
    EXPECT_TRUE(doc->IsModified());

    // Each group's menu checks the item of the current value only.
    plat::View* view = mainFrame().GetActiveView();
    ASSERT_NE(view, nullptr);
    quill_test::ExpectChoosingChecksTheItem(harness, *view,
            {{scm::kCmdScaleFirst + 2, scm::kCmdScaleFirst + 3}, {scm::kCmdSizeA + 3, scm::kCmdSizeA},
             {scm::kCmdGridFirst + 1, scm::kCmdGridFirst}, {scm::kCmdLayerFirst + 4, scm::kCmdLayerFirst}});
}

// The fit view is left again: a click leaves it centred on the clicked point, and zoom, scale,
// centre and a change of tool go back to the normal view, where they change the picture.
TEST_F(SchemoraStart, TheFitViewIsLeftByAClickAndByTheViewCommands)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    auto* frame = static_cast<plat::MDIFrameWnd*>(plat::GetMainWnd());
    auto* view = static_cast<CSchemoraView*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
    const auto fit = [&] {
        EXPECT_TRUE(harness.command(scm::kCmdDrawToFit));
        EXPECT_TRUE(g_sheetView.fitToWindow);
        EXPECT_EQ(g_editState.CurrentTool, scm::kCmdDrawToFit);
    };

    fit();
    const plat::Rect client = view->clientRect();
    view->OnLButtonDown(0, {client.width() / 2 + 100, client.height() / 2});
    EXPECT_FALSE(g_sheetView.fitToWindow);
    EXPECT_EQ(g_editState.CurrentTool, 0);
    EXPECT_GT(g_current.viewCentreX, 100) << "the clicked point, right of the centre, is the new centre";
    EXPECT_EQ(g_current.viewCentreY, 0);

    const int zoom = g_current.zoomIndex;
    fit();
    EXPECT_TRUE(harness.command(scm::kCmdZoomIn));
    EXPECT_FALSE(g_sheetView.fitToWindow);
    EXPECT_EQ(g_current.zoomIndex, zoom + 1);

    for (const unsigned command : {unsigned(scm::kCmdScaleFirst + 1), unsigned(scm::kCmdCenter)}) {
        SCOPED_TRACE(command);
        fit();
        EXPECT_TRUE(harness.command(command));
        EXPECT_FALSE(g_sheetView.fitToWindow);
        EXPECT_NE(g_editState.CurrentTool, scm::kCmdDrawToFit);
    }
}

}  // namespace
