// The board program's toolbars, status icons, pointers and window icon as a person sees them:
// drawn pictures, one per command, with tooltips that name the command and its key.
#include "platform/app/wnd_state.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "support/toolbar_looks.h"
#include "tracelyn/core/program_folder_fixture.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/workspace/main_frame.h"

#include <QMainWindow>

namespace {

constexpr unsigned kIconRouterA = 185;
constexpr unsigned kIconRouterB = 186;
constexpr unsigned kIconFileLoading = 3415;

class TracelynToolbarPictures : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeIni("DoTips=0\n");
    }
    QMainWindow* window() { return qobject_cast<QMainWindow*>(plat::GetMainWnd()->state()->widget.data()); }
};

TEST_F(TracelynToolbarPictures, EveryButtonShowsItsOwnDrawnPicture)
{
    auto harness = start();
    ASSERT_TRUE(harness.start());
    harness.idle();
    ASSERT_NE(window(), nullptr);
    quill_test::expectDistinctDrawnButtons(window());
}

TEST_F(TracelynToolbarPictures, EveryCommandPictureOfTheResourcesIsItsOwn)
{
    quill_test::expectDistinctCommandPictures();
}

TEST_F(TracelynToolbarPictures, TheDesktopEntriesShowTheWindowIcon)
{
    quill_test::expectShippedIconIsTheWindowIcon("tracelyn.svg");
}

TEST_F(TracelynToolbarPictures, ToolTipsNameTheToolAndItsKey)
{
    auto harness = start();
    ASSERT_TRUE(harness.start());
    harness.idle();
    ASSERT_NE(window(), nullptr);
    quill_test::expectTooltipsShown(window(), {"Enter text (T)", "Draw rectangle (R)", "Draw trace (L)",
                                               "Route pad to pad (F3)", "Draw ellipse (E)", "Draw pad (C)", "Draw arc (K)",
                                               "Insert library part (F5)", "Draw polygon (Y)", "Enter edit mode (F9)",
                                               "Erase (Del)", "Rotate (X)", "Mirror (M)", "Undo (Ctrl+Z)"});
}

TEST_F(TracelynToolbarPictures, PointersStatusIconsAndWindowIconAreDrawn)
{
    auto harness = start();
    ASSERT_TRUE(harness.start());
    quill_test::expectDrawnPointers({tly::kCursorA, tly::kCursorB, tly::kCursorC});
    quill_test::expectDrawnIcons(window(), {unsigned(tly::kIconReady), kIconRouterA, kIconRouterB, kIconFileLoading});
    EXPECT_NE(plat::imagePixmap(kIconRouterA, 16, 16).toImage(), plat::imagePixmap(kIconRouterB, 16, 16).toImage());
}

// Switching to the layer-pair view shows the pair's picture on the layer-view button.
TEST_F(TracelynToolbarPictures, LayerViewButtonShowsTheViewMode)
{
    auto harness = start();
    ASSERT_TRUE(harness.start());
    harness.idle();
    plat::ToolBar* bar = LayerViewToolBar();
    ASSERT_NE(bar, nullptr);
    const int index = bar->CommandToIndex(tly::kCmdLayerView);
    ASSERT_GE(index, 0);
    EXPECT_EQ(bar->imageCommand(bar->button(index).image), tly::kCmdLayerView);
    ToggleLayerPairView();
    EXPECT_EQ(bar->imageCommand(bar->button(index).image), tly::kCmdLayerPair);
    ToggleLayerPairView();
    EXPECT_EQ(bar->imageCommand(bar->button(index).image), tly::kCmdLayerView);
}

}  // namespace
