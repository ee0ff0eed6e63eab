// Tracelyn's parts bin over a package catalogue written in the test: P opens it, Add Part goes
// through the Library Parts browser, a thumbnail dragged out places one component where a click
// of the part tool would, and the bin's entries come back from Tracelyn.ini.
#include "tests/tracelyn/core/edit_fixture.h"
#include "tests/tracelyn/core/package_fixture.h"
#include "support/parts_bin_driver.h"

#include "common/library_browser.h"
#include "common/parts_bin.h"
#include "platform/app/menu.h"
#include "resources/tracelyn/frame_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/parts_bin_cells.h"
#include "tracelyn/workspace/edit_dialogs.h"
#include "tracelyn/workspace/parts_bin_window.h"

#include <filesystem>

namespace edit_test {
namespace {

class BoardPartsBin : public BoardEditTest {
protected:
    void SetUp() override
    {
        BoardEditTest::SetUp();
        // The package folder the settings find again when they are read.
        std::filesystem::create_directory(folder.path() / "PACKAGES");
        g_boardFolders.libraryFolder = (folder.path() / "PACKAGES").string() + "/";
        package_test::writeCatalog(folder.file("PACKAGES/STD.CAT"), package_test::dip8());
        g_boardSettings.binParts.clear();
        g_boardSettings.binX = 3000;
        g_boardSettings.binY = 3000;
        g_packageChoice = {};
    }
    void TearDown() override
    {
        ThePartsBin().Close();
        g_boardSettings.binParts.clear();
        g_packageChoice = {};
        BoardEditTest::TearDown();
    }

    static CPartsBinDlg& bin() { return ThePartsBin(); }
    static plat::Control* cells() { return bin().GetDlgItem(quill::kIdcPartsBinCells); }
    void open()
    {
        plat::Msg msg{plat::kWmKeyDown, 'P', 1, view()};
        ASSERT_TRUE(frame().PreTranslateMessage(msg));
        ASSERT_TRUE(bin().isOpen());
        cells()->UpdateWindow();
    }
    static quill_test::PartsBinDriver hand() { return {bin(), g_partsBinCells.cells}; }
    void dragOut(int k, int x, int y) { hand().dragOut(k, *view(), {x, y}); }
};

TEST_F(BoardPartsBin, AddPartGoesThroughTheBrowserAndADragPlacesOneComponentWhereAClickWould)
{
    open();
    host.answerDialog([](plat::Dialog& d) {
        d.ChooseDlgItem(quill::kIdcBrowserLibraryList, d.GetDlgItem(quill::kIdcBrowserLibraryList)->FindStringExact(-1, "STD.CAT"));
        d.ChooseDlgItem(quill::kIdcBrowserPartList, d.GetDlgItem(quill::kIdcBrowserPartList)->FindStringExact(-1, "DIP8"));
        return d.PressButton(plat::kIdOk);
    });
    ASSERT_NE(bin().GetMenu()->findCommand(tly::kCmdToolPart), nullptr);
    bin().OnCommand(tly::kCmdToolPart);
    ASSERT_EQ(g_boardSettings.binParts, std::vector<std::string>{"STD\\DIP8"});
    cells()->UpdateWindow();
    ASSERT_EQ(g_partsBinCells.cells.size(), 1u);

    hand().mouse(plat::kWmMouseMove, hand().cellCentre(0));
    EXPECT_EQ(frame().statusBarPanes().GetPaneText(0), "Eight pins");

    const int before = count();
    const int depth = UndoDepth();
    dragOut(0, 300, 200);
    ASSERT_EQ(count(), before + 1) << "one component however far the mouse goes on";
    EXPECT_EQ(UndoDepth(), depth + 1);
    const BoardObject placed = object(count());
    EXPECT_EQ(placed.kind(), kKindPart + FindLoadedPackage("STD\\DIP8"));
    EXPECT_EQ(g_gesture.tool, kToolPart) << "the part tool goes on with the package";

    click(300, 200);
    ASSERT_EQ(count(), before + 2);
    EXPECT_EQ(object(count()).w[0], placed.w[0]);
    EXPECT_EQ(object(count()).w[1], placed.w[1]);
    EXPECT_EQ(object(count()).w[4], placed.w[4]) << "the same layer and package";
}

TEST_F(BoardPartsBin, ADragWhileTheViewIsPlacingAddsNothing)
{
    g_boardSettings.binParts = {"STD\\DIP8"};
    open();
    g_gesture.tool = kToolPart;
    g_packages.current = 0;
    ASSERT_NE(LoadLibraryPartByPath("STD\\DIP8"), 0);
    press(100, 100);
    const int placing = count();
    ASSERT_NE(g_gesture.newObject, 0);
    dragOut(0, 300, 200);
    EXPECT_EQ(count(), placing);
    release(100, 100);
}

TEST_F(BoardPartsBin, TheBinComesBackFromTheSettings)
{
    g_boardSettings.binParts = {"STD\\DIP8", "STD\\NOPE"};
    g_boardSettings.shut = 1;
    SaveSettings();
    g_boardSettings.binParts.clear();
    g_boardSettings.shut = 0;
    host.clearEvents();
    LoadSettings();
    EXPECT_EQ(g_boardSettings.binParts, std::vector<std::string>{"STD\\DIP8"}) << "a package that does not load is left out";
    EXPECT_EQ(g_boardSettings.shut, 0) << "whether the bin was shut is not written back";
    EXPECT_EQ(g_boardSettings.binX, 3000);
}

}  // namespace
}  // namespace edit_test
