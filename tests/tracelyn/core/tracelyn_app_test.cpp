// Start-up and shutdown of the board program, run headless through the test UI host.
#include "common/string_helpers.h"
#include "platform/app/command_ids.h"
#include "platform/app/control_bars.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/keys.h"
#include "platform/app/win_constants.h"
#include "platform/app/menu.h"
#include "platform/app/program.h"
#include "platform/app/resources.h"
#include "platform/core/archive.h"
#include "platform/core/test_ui_host.h"
#include "platform/system/files.h"
#include "platform/system/registry.h"
#include "resources/tracelyn/route_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "support/command_check.h"
#include "support/full_disk.h"
#include "support/temp_folder.h"
#include "support/whole_file.h"
#include "tracelyn/core/app_state.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_file.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/router_memory.h"
#include "tracelyn/core/tracelyn_app.h"
#include "tracelyn/core/tracelyn_doc.h"
#include "tracelyn/core/tracelyn_view.h"
#include "tracelyn/workspace/main_frame.h"
#include "tests/tracelyn/core/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

// A program folder with, when given, a "Tracelyn.ini"; the registry store of the run lives
// beside it.
class TracelynStart : public ProgramFolderTest {
protected:
    // A board with its outline and one text, written by the board writer.
    // The default outline and a text; with `deletedSlot` the text stands in slot 3 after a
    // deleted slot 2.
    void writeBoard(std::string_view name, bool deletedSlot = false)
    {
        BoardDocumentData doc;
        ASSERT_TRUE(InitNewBoard(doc));
        BoardObject text;
        text.w = {100, 200, 0x305, 0, kLayerSilkTop * 1024 + kKindText};
        text.data = StrDupChecked("U1");
        const int slot = deletedSlot ? 3 : 2;
        g_board.objects[slot] = text;
        g_board.count = doc.objectCount = slot;
        plat::Archive ar(plat::Archive::Mode::Store);
        WriteBoard(ar, kFileModeBoard);
        folder.write(name, std::vector<unsigned char>(ar.bytes().begin(), ar.bytes().end()));
        CloseBoardDocument(doc, nullptr);
        g_board = CurrentBoard{};
        g_active = ActiveDocument{};
    }

    static CMainFrame& mainFrame() { return *static_cast<CMainFrame*>(plat::GetMainWnd()); }
    static CTracelynDoc* activeBoard()
    {
        return static_cast<CTracelynDoc*>(plat::GetMainWnd()->GetActiveDocument());
    }

};

TEST_F(TracelynStart, StartsWithPaletteTablesTimersAndANewBoard)
{
    host.setSysColor(plat::kColorBtnFace, 0x00332211);
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());

    const auto& palette = g_boardPalette.palette.entries();
    ASSERT_EQ(palette.size(), 256u);
    EXPECT_EQ(palette[15], (plat::PaletteEntry{0x11, 0x22, 0x33, 0})) << "entry 15 is the button face";
    EXPECT_EQ(palette[4], (plat::PaletteEntry{255, 0, 0, 0}));
    EXPECT_EQ(palette[40], (plat::PaletteEntry{}));
    EXPECT_EQ(g_boardColors.colorMap[26], 7) << "the background role's colour";
    EXPECT_EQ(g_boardColors.colorMap[5], 13);

    EXPECT_EQ(g_selectiveEdit.on[9], 1);
    EXPECT_EQ(g_router.layerSwitches[1], 1);
    EXPECT_EQ(g_router.layerSwitches[2], 0);
    EXPECT_NE(g_routerMemory.connections, nullptr);
    EXPECT_EQ(g_selection.list.size(), 32000u);
    EXPECT_TRUE(g_crosshair.on);
    EXPECT_EQ(g_view.zoomDivisor, 5) << "divisor of zoom index 3";
    EXPECT_TRUE(g_appImages.outlineMenu.findCommand(tly::kCmdOutlineInsertArc));

    CMainFrame& frame = mainFrame();
    EXPECT_EQ(host.timerPeriod(&frame, tly::kTimerStatusAnimation), 500u);
    EXPECT_EQ(host.timerPeriod(&frame, tly::kTimerBackup), 0u) << "BackupTime 0 starts no backup timer";
    EXPECT_EQ(frame.statusBarPanes().GetPaneIcon(2), tly::kIconReady);
    EXPECT_TRUE(frame.IsZoomed());
    EXPECT_FALSE(host.shown("dialog 293")) << "DoTips 0 builds the tip dialog but does not show it";
    EXPECT_FALSE(host.shown("dialog 146")) << "no batch route without a command line";
    EXPECT_TRUE(host.messageBoxes().empty());

    // One new board: its record 1 is the outline on layer 25.
    ASSERT_EQ(harness.app().openDocumentCount(), 1);
    CTracelynDoc* doc = activeBoard();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetTitle(), "untitled1");
    const BoardDocumentData& data = doc->data();
    EXPECT_EQ(data.objectCount, 1);
    EXPECT_EQ((*data.objects)[1].kind(), kKindOutline);
    EXPECT_EQ((*data.objects)[1].layer(), kLayerOutline);
    EXPECT_EQ(data.zoomIndex, 3);
    EXPECT_EQ(data.gridCommand, 703);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(g_openDocuments.count, 1);
    EXPECT_EQ(g_openDocuments.entries[0].name, "untitled1");
    EXPECT_EQ(g_openDocuments.entries[0].untitled, 1);

}

TEST_F(TracelynStart, BoardFileTypeCommandGoesUnderTheClassRegisteredBefore)
{
    writeIni("DoTips=0\n");
    auto& reg = plat::Registry::shared();
    // The first start finds the framework's class; later starts find "tlzcmd".
    for (const char* className : {"Tracelyn.Document", "tlzcmd"}) {
        SCOPED_TRACE(className);
        auto harness = start();
        ASSERT_TRUE(harness.start());
        EXPECT_EQ(reg.queryString("HKEY_CLASSES_ROOT\\.tlz", ""), "tlzcmd");
        expectLoadCommandUnder(className, "/tracelyn %1");
    }
}

TEST_F(TracelynStart, BackupTimerWelcomeSoundAndTipFollowTheSettings)
{
    writeIni("BackupTime=2\nsound=1\nDoTips=1\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    EXPECT_EQ(host.timerPeriod(&mainFrame(), tly::kTimerBackup), 120000u);
    const std::string sound = "sound: " + g_boardFolders.soundFolder + "welcome.wav";
    EXPECT_TRUE(host.shown(sound)) << sound;
    EXPECT_TRUE(host.shown("dialog 293"));
}

// Make PCB starts the board program on the board it has just placed: no tip stands before it.
TEST_F(TracelynStart, ABoardOnTheCommandLineOpensWithoutTheTipOfTheDay)
{
    writeBoard("board.tlz");
    writeIni("DoTips=1\n");
    host.answerDialog([](plat::Dialog& dialog) { return dialog.PressButton(plat::kIdCancel); });
    auto harness = start({folder.file("board.tlz")});
    ASSERT_TRUE(harness.start());
    EXPECT_FALSE(host.shown("dialog 293"));
    ASSERT_NE(activeBoard(), nullptr);
}

TEST_F(TracelynStart, RefusesPrintToAndDdeCommandLines) { expectUnsupportedCommandLinesRefused("a.tlz"); }

TEST_F(TracelynStart, BoardOfTheCommandLineIsOfferedOneBatchRouteAndNothingElse)
{
    writeBoard("board.tlz");
    writeBoard("other.tlz");
    writeIni("DoTips=0\nsound=1\nstart=1\nfiles=1\nfile#1=" + folder.file("other.tlz") + "\n");
    int offers = 0;
    host.answerDialog([&offers](plat::Dialog& dialog) {
        offers += dialog.templateId() == tly::kIddBatchRouterSetup ? 1 : 0;
        return dialog.PressButton(plat::kIdCancel);
    });

    auto harness = start({folder.file("BOARD")});   // ".TLZ" added, found whatever the case
    ASSERT_TRUE(harness.start());
    EXPECT_EQ(offers, 1);
    EXPECT_EQ(host.count("dialog 146"), 1);
    EXPECT_EQ(harness.app().openDocumentCount(), 1) << "the boards of the last exit stay closed";
    EXPECT_FALSE(host.shown("sound: " + g_boardFolders.soundFolder + "welcome.wav"));

    CTracelynDoc* doc = activeBoard();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->data().objectCount, 2) << "cancelling leaves the board as it was read";
    EXPECT_FALSE(doc->IsModified());
    ASSERT_NE((*doc->data().objects)[2].text(), nullptr);
    EXPECT_STREQ((*doc->data().objects)[2].text(), "U1");
    EXPECT_EQ(g_openDocuments.entries[0].untitled, 0);
}

// A full disk: the older backup stays, nothing is left beside it, and the status bar names the
// file and the reason.
TEST_F(TracelynStart, ABackupOnAFullDiskKeepsTheOlderBackup)
{
    writeBoard("board.tlz");
    writeIni("BackupTime=2\nDoTips=0\n");
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        std::filesystem::copy_file(folder.file("board.tlz"), disk.path() / "board.tlz");
        auto harness = start({disk.file("board.tlz")});
        ASSERT_TRUE(harness.start());
        // A backup that works first: a failure is reported once until a backup works again.
        activeBoard()->SetModifiedFlag(true);
        host.advance(120000);
        ASSERT_TRUE(std::filesystem::exists(disk.path() / "board.tlz.bak"));
        disk.write("board.tlz.bak", "older backup");
        disk.fill();
        host.advance(120000);
        EXPECT_EQ(mainFrame().statusBarPanes().GetPaneText(0),
                  "Backup failed: Cannot write " + disk.file("board.tlz.bak") + ": No space left on device");
        EXPECT_EQ(disk.readText("board.tlz.bak"), "older backup");
        EXPECT_EQ(disk.names(), (std::vector<std::string>{"board.tlz", "board.tlz.bak"}));
        activeBoard()->SetModifiedFlag(false);
    });
}

TEST_F(TracelynStart, BackupTickCopiesChangedBoardsBesideTheirFiles)
{
    writeBoard("board.tlz");
    writeIni("BackupTime=2\nDoTips=0\n");
    auto harness = start({folder.file("board.tlz")});
    ASSERT_TRUE(harness.start());
    const std::string original = quill_test::readText(folder.file("board.tlz"));
    CTracelynDoc* board = activeBoard();
    ASSERT_NE(board, nullptr);

    // Nothing changed: nothing is written.
    host.advance(120000);
    EXPECT_FALSE(std::filesystem::exists(folder.file("board.tlz.bak")));

    board->SetModifiedFlag(true);
    ASSERT_TRUE(harness.command(plat::kIdFileNew));
    activeBoard()->SetModifiedFlag(true);
    host.advance(120000);
    EXPECT_EQ(quill_test::readText(folder.file("board.tlz.bak")), original) << "the board as its own file holds it";
    EXPECT_EQ(quill_test::readText(folder.file("board.tlz")), original) << "the board's file is not touched";
    EXPECT_TRUE(board->IsModified()) << "a backup is no save";
    // The untitled board goes to the settings folder under the number of its title.
    const std::string title = activeBoard()->GetTitle();
    const std::string number = title.substr(title.find_last_not_of("0123456789") + 1);
    const std::filesystem::path untitled = config.path() / "Tracelyn" / ("untitled-" + number + ".bak");
    EXPECT_TRUE(std::filesystem::exists(untitled)) << untitled;

    // A backup that cannot be written says so once, not at every tick.
    std::filesystem::remove(folder.file("board.tlz.bak"));
    std::filesystem::create_directory(folder.file("board.tlz.bak"));
    auto& status = mainFrame().statusBarPanes();
    host.advance(120000);
    EXPECT_EQ(status.GetPaneText(0), "Backup failed: Cannot write " + folder.file("board.tlz.bak") + ": Is a directory");
    status.SetPaneText(0, "Ready");
    host.advance(120000);
    EXPECT_EQ(status.GetPaneText(0), "Ready");
    EXPECT_EQ(quill_test::readText(folder.file("board.tlz")), original);
}

TEST_F(TracelynStart, WindowMenuListsTheBoardsAndClosingKeepsTheWindowMaximised)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    ASSERT_TRUE(harness.command(plat::kIdFileNew));
    ASSERT_TRUE(harness.command(plat::kIdFileNew));
    CMainFrame& frame = mainFrame();
    ASSERT_EQ(frame.children().size(), 3u);
    const auto listed = [&] {
        std::vector<std::pair<std::string, bool>> entries;
        for (unsigned id = plat::kIdFirstMdiChild; id <= plat::kIdMdiChildListEnd; ++id)
            if (const plat::MenuItem* item = frame.GetMenu()->findCommand(id))
                entries.emplace_back(item->text, (item->flags & plat::kMfChecked) != 0);
        return entries;
    };
    const auto titleOf = [&](size_t i) { return frame.children()[i]->GetActiveDocument()->GetTitle(); };
    EXPECT_EQ(listed(), (std::vector<std::pair<std::string, bool>>{
                            {"&1 " + titleOf(0), false}, {"&2 " + titleOf(1), false}, {"&3 " + titleOf(2), true}}));

    // Closing the maximised board leaves the next one maximised, not restored to a small window.
    ASSERT_TRUE(frame.MDIGetActive()->IsZoomed());
    frame.MDIGetActive()->SendMessage(plat::kWmClose);
    harness.idle();
    ASSERT_EQ(frame.children().size(), 2u);
    ASSERT_NE(frame.MDIGetActive(), nullptr);
    EXPECT_TRUE(frame.MDIGetActive()->IsZoomed());
    EXPECT_EQ(listed().size(), 2u);

    // Choosing an entry switches to that board, still maximised.
    ASSERT_TRUE(harness.command(plat::kIdFirstMdiChild));
    EXPECT_EQ(frame.MDIGetActive(), frame.children()[0].get());
    EXPECT_TRUE(frame.MDIGetActive()->IsZoomed());
    EXPECT_EQ(listed(), (std::vector<std::pair<std::string, bool>>{{"&1 " + titleOf(0), true},
                                                                   {"&2 " + titleOf(1), false}}));
}

TEST_F(TracelynStart, ANewBoardClearsTheStatusOfTheBoardReadBefore)
{
    writeBoard("board.tlz");
    auto harness = startWithoutTips({folder.file("board.tlz")});
    ASSERT_TRUE(harness.start());
    auto& status = mainFrame().statusBarPanes();
    EXPECT_EQ(status.GetPaneText(0), "Loaded 2 elements");
    ASSERT_TRUE(harness.command(plat::kIdFileNew));
    EXPECT_EQ(status.GetPaneText(0), "Ready");
}

TEST_F(TracelynStart, BoardsOfTheLastExitReopenWithoutACommandLine)
{
    writeBoard("other.tlz");
    writeIni("DoTips=0\nstart=1\nfiles=2\nfile#1=" + folder.file("other") + "\nfile#2=untitled3\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    EXPECT_EQ(harness.app().openDocumentCount(), 2) << "the new board and other.tlz";
    EXPECT_EQ(g_openDocuments.count, 2);
}

TEST_F(TracelynStart, BoardThatCannotBeOpenedLeavesTheProgramRunningWithNoStoreBehind)
{
    auto harness = startWithoutTips({folder.file("missing.tlz")});
    expectMissingDocumentLeavesTheProgramRunning(harness);
    EXPECT_EQ(g_board.objects, nullptr);
    EXPECT_EQ(g_active.data, nullptr);
    EXPECT_EQ(g_openDocuments.count, 0);
}

TEST_F(TracelynStart, APipeOrAFolderNamedAsABoardIsRefusedAtOnce)
{
    expectNonFileDocumentsRefused(".tlz", 1);
    EXPECT_EQ(g_board.objects, nullptr);
    EXPECT_EQ(g_openDocuments.count, 0);
}

// Drawings, boards of a later version and stray bytes are not boards: they open no document,
// so nothing can save over them.
TEST_F(TracelynStart, FilesThatAreNoBoardsOpenNothing)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());

    std::vector<unsigned char> drawing(96, 0);   // a drawing header: sheet 'A', revision 'A', version 11
    drawing[0] = 2;
    drawing[8] = 'A';
    drawing[9] = 'A';
    drawing[10] = ';';
    std::vector<unsigned char> later(40, 0);
    later[8] = 'A';
    later[10] = '0' + 14;
    std::vector<unsigned char> noise = noiseBytes(300, 777);
    noise[9] = 0x5A;
    expectFilesOpenNothing(harness, {{"rc.pic", drawing}, {"later.tlz", later}, {"noise.tlz", noise},
                                     {"short.tlz", std::vector<unsigned char>(9, 0)}});
}

// A board cut short inside a record opens with what could be read, says so once, and Save asks
// before it replaces the file. (One ending on a record boundary may have counted deleted slots.)
TEST_F(TracelynStart, ABoardReadInPartAsksBeforeSaveReplacesIt)
{
    writeBoard("whole.tlz");
    const auto whole = folder.read("whole.tlz");
    writeIni("DoTips=0\n");
    struct Case { const char* name; size_t cut; };
    // The text's string record cut in two; its object record cut in two.
    for (const Case& c : {Case{"cut.tlz", 7}, Case{"short.tlz", 20 + 10}}) {
        SCOPED_TRACE(c.name);
        const std::vector<unsigned char> cut(whole.begin(), whole.end() - static_cast<long>(c.cut));
        folder.write(c.name, cut);
        auto harness = start({folder.file(c.name)});
        ASSERT_TRUE(harness.start());
        CTracelynDoc* doc = activeBoard();
        ASSERT_NE(doc, nullptr);
        EXPECT_EQ(doc->data().objectCount, 1) << "the outline";
        expectReadInPartAndSaveAsks(harness, c.name, cut, 1);
        harness.close();
        host.clearEvents();
    }
}

// The header counts the records written: a board saved after deletions reads back whole and
// quietly.
TEST_F(TracelynStart, ABoardSavedAfterDeletionsOpensWithoutAMessage)
{
    writeIni("DoTips=0\n");
    writeBoard("deleted.tlz", true);
    auto harness = start({folder.file("deleted.tlz")});
    ASSERT_TRUE(harness.start());
    EXPECT_TRUE(host.messageBoxes().empty());
    ASSERT_NE(activeBoard(), nullptr);
    EXPECT_EQ(activeBoard()->data().objectCount, 2);
}

TEST_F(TracelynStart, SavingAnUntitledBoardNamesItsEntryAndReadsBack)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    CTracelynDoc* doc = activeBoard();
    ASSERT_NE(doc, nullptr);
    doc->SetModifiedFlag(true);
    const std::string path = folder.file("new.tlz");
    ASSERT_TRUE(doc->OnSaveDocument(path));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(g_openDocuments.entries[0].name, path);
    EXPECT_EQ(g_openDocuments.entries[0].untitled, 0);

    {
        // A temporary document on the stack reads the file and leaves the table as it was.
        CTracelynDoc temporary;
        ASSERT_TRUE(temporary.OnOpenDocument(folder.file("NEW")));
        EXPECT_EQ(temporary.data().objectCount, 1);
        EXPECT_EQ((*temporary.data().objects)[1].w[4], 0x6413);
        EXPECT_EQ(g_openDocuments.count, 2);
    }
    EXPECT_EQ(g_openDocuments.count, 1);
    EXPECT_EQ(g_board.objects, nullptr) << "no global points into the temporary store";
}

TEST_F(TracelynStart, LayerViewOfTheSettingsShowsOnTheToolbar)
{
    struct Case {
        const char* planes;
        int32_t mode;
        int image;
    };
    for (const Case c : {Case{"1041", 1041, tly::kImageLayerPair}, Case{"1040", 1040, tly::kImageOneLayer}}) {
        SCOPED_TRACE(c.planes);
        g_edit = BoardEditState{};
        writeIni(std::string("DoTips=0\nplanes=") + c.planes + "\n");
        auto harness = start();
        ASSERT_TRUE(harness.start());
        EXPECT_EQ(g_edit.layerViewMode, c.mode);
        plat::ToolBar& bar = *mainFrame().toolBar(tly::kIdrViewBar);
        const int button = bar.CommandToIndex(tly::kCmdLayerView);
        ASSERT_GE(button, 0);
        EXPECT_EQ(bar.button(button).image, c.image);
        EXPECT_TRUE(bar.IsButtonHidden(tly::kCmdLayerPair));
    }
}

TEST_F(TracelynStart, GridMenuFollowsTheUnitModeFromTheFirstStart)
{
    struct Case {
        const char* units;
        const char* first;
        const char* seventh;
    };
    for (const Case c : {Case{"726", ".1 mm", "2.0 mm"}, Case{"725", ".5 mils", "100 mils"}}) {
        SCOPED_TRACE(c.units);
        writeIni(std::string("DoTips=0\nunits=") + c.units + "\n");
        auto harness = start();
        ASSERT_TRUE(harness.start());
        plat::Menu* menu = plat::GetMainWnd()->GetMenu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->GetMenuString(698), c.first);
        EXPECT_EQ(menu->GetMenuString(704), c.seventh);
        EXPECT_EQ(menu->GetMenuString(706), "Polar...");
    }
}

TEST_F(TracelynStart, MissingIconWarnsAndStartUpGoesOn)
{
    plat::ResourceSet set = plat::registeredResources();
    std::erase_if(set.images, [](const plat::ImageResource& r) {
        return r.id == 186 && r.kind == plat::ImageResource::Kind::Icon;
    });
    plat::registerResources(std::move(set));
    auto harness = startWithoutTips();
    EXPECT_TRUE(harness.start());
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Warning low resources!"});
}

TEST_F(TracelynStart, ClosingWritesTheSettingsKeepsTheBoardsListedAndSaysGoodbye)
{
    writeIni("DoTips=0\nBackupTime=2\nsound=1\n");
    auto harness = start();
    ASSERT_TRUE(harness.start());
    const std::string goodbye = "sound: " + g_boardFolders.soundFolder + "goodbye.wav";
    harness.close();
    const std::string text = iniText();
    EXPECT_NE(text.find("BackupTime=2"), std::string::npos) << text;
    EXPECT_NE(text.find("file#1=untitled1"), std::string::npos) << text;
    EXPECT_NE(text.find("files=1"), std::string::npos) << text;
    EXPECT_TRUE(host.shown(goodbye)) << goodbye;
    EXPECT_EQ(g_routerMemory.connections, nullptr);
}

int ratsNestLines()
{
    int lines = 0;
    for (int i = 1; i <= g_board.count; ++i)
        lines += g_board.objects[i].kind() == kKindNoRoute;
    return lines;
}

// The shipped example board and its netlist, through the Edit and Process menus.
TEST_F(TracelynStart, MenusClearAndRedrawTheRatsNestOfTheExampleBoard)
{
    if (!copyShippedFolders())
        GTEST_SKIP() << "the program folder has not been laid out";
    writeIni("DoTips=0\n");

    auto harness = start({folder.file("examples/rc_filter.tlz")});
    ASSERT_TRUE(harness.start());
    ASSERT_NE(activeBoard(), nullptr);
    EXPECT_EQ(ratsNestLines(), 3) << "the example is saved with its rats nest";

    host.answerMessageBox(plat::kIdYes);   // "Clear net names?"
    EXPECT_TRUE(harness.command(tly::kCmdClearRatsNest));
    EXPECT_EQ(ratsNestLines(), 0);

    // "Rats Nest Display Setup": Browse... for the netlist, then OK.
    host.answerFileDialog({folder.file("examples/rc_filter.net"), 1});
    host.answerDialog([](plat::Dialog& d) {
        d.PressButton(tly::kIdcBrowse);
        return d.PressButton(plat::kIdOk);
    });
    g_edit.currentLayer = kLayerTop;
    EXPECT_TRUE(harness.command(tly::kCmdRatsNest));
    EXPECT_EQ(ratsNestLines(), 3);
    EXPECT_EQ(g_edit.currentLayer, kLayerAll) << "the rats nest shows on all layers";
    for (const auto& text : host.messageBoxes())
        EXPECT_EQ(text.find("not found"), std::string::npos) << text;
}

// The view's zoom, work-area and layer commands are reachable from the menus and the keys.
TEST_F(TracelynStart, ViewAndSetupMenusAndKeysReachTheViewCommands)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    expectOnTheMenu({tly::kCmdZoomIn, tly::kCmdZoomOut, tly::kCmdScaleFirst + 9, tly::kCmdWorkAreaFirst + 6,
                     tly::kCmdLayerFirst + 25, tly::kCmdRedraw});
    EXPECT_EQ(commandOfKey(plat::kVkPrior), tly::kCmdPageUp);
    EXPECT_EQ(commandOfKey(plat::kVkAdd), tly::kCmdNextLayer);
    EXPECT_EQ(commandOfKey(plat::kVkEscape), tly::kCmdRedraw);

    EXPECT_TRUE(harness.command(tly::kCmdScaleFirst + 3));
    EXPECT_EQ(g_board.zoomIndex, 3);
    EXPECT_TRUE(harness.command(tly::kCmdWorkAreaFirst + 2));
    EXPECT_EQ(activeBoard()->data().sizeLetter, 'C');

    // Each group's menu checks the item of the current value only.
    plat::View* view = mainFrame().GetActiveView();
    ASSERT_NE(view, nullptr);
    quill_test::ExpectChoosingChecksTheItem(harness, *view,
            {{tly::kCmdScaleFirst + 3, tly::kCmdScaleFirst + 4}, {tly::kCmdWorkAreaFirst + 2, tly::kCmdWorkAreaFirst},
             {tly::kCmdLayerFirst + 3, tly::kCmdLayerFirst + 1}, {tly::kCmdGridFirst + 1, tly::kCmdGridFirst},
             {tly::kCmdLayerFirst + 24, tly::kCmdLayerFirst + 25}, {tly::kCmdLayerFirst + 25, tly::kCmdLayerFirst + 24}});
}

// PgUp and PgDn zoom about the cursor: the board point under the mouse comes to the window
// centre, where the mouse pointer goes, and stepping back keeps it there.
TEST_F(TracelynStart, PageUpAndDownKeepThePointUnderTheCursor)
{
    auto harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    harness.idle();
    auto* view = static_cast<CTracelynView*>(mainFrame().GetActiveView());
    ASSERT_NE(view, nullptr);
    const plat::Rect client = view->clientRect();
    ASSERT_GT(client.width(), 100);
    const plat::Point centre{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    // The logical point shown at a pixel of the view.
    const auto pointAt = [](plat::Point pixel) {
        return plat::Point{g_board.viewOriginX + pixel.x * g_view.zoomDivisor - g_view.clientCentreX,
                           g_board.viewOriginY + pixel.y * g_view.zoomDivisor - g_view.clientCentreY};
    };
    const plat::Point mouse{centre.x + 60, centre.y - 40};
    view->OnMouseMove(0, mouse);
    const plat::Point target = pointAt(mouse);
    ASSERT_EQ(g_board.zoomIndex, 3);
    for (const unsigned command : {tly::kCmdPageUp, tly::kCmdPageDown, tly::kCmdPageDown, tly::kCmdPageUp}) {
        SCOPED_TRACE(command);
        ASSERT_TRUE(harness.command(command));
        harness.idle();
        EXPECT_EQ(pointAt(centre).x, target.x);
        EXPECT_EQ(pointAt(centre).y, target.y);
        view->OnMouseMove(0, centre);   // the pointer was moved to the centre
    }
    EXPECT_EQ(g_board.zoomIndex, 3);
}

}  // namespace
