// The board program's toolbars, status icons, pointers and window icon as a person sees them:
// drawn pictures, one per command, with tooltips that name the command and its key.
#include "platform/app/wnd_state.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/program_folder_fixture.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/workspace/main_frame.h"

// Qt's headers come after the program's: Qt's keyword macros would rename its members.
#include "support/toolbar_pictures_suite.h"

#include <QMainWindow>

#include <array>

namespace quill_test {

// The status pane's router animation and file-loading icons.
constexpr unsigned kIconRouterA = 185;
constexpr unsigned kIconRouterB = 186;
constexpr unsigned kIconFileLoading = 3415;

struct TracelynToolbar {
    using Fixture = ProgramFolderTest;
    static constexpr const char* kIni = "DoTips=0\n";
    static constexpr const char* kShippedIcon = "tracelyn.svg";
    static constexpr const char* kTooltips[] = {
        "Enter text (T)", "Draw rectangle (R)", "Draw trace (L)", "Route pad to pad (F3)", "Draw ellipse (E)",
        "Draw pad (C)", "Draw arc (K)", "Insert library part (F5)", "Draw polygon (Y)", "Enter edit mode (F9)",
        "Erase (Del)", "Rotate (X)", "Mirror (M)", "Undo (Ctrl+Z)"};
    static constexpr unsigned kPointers[] = {tly::kCursorA, tly::kCursorB, tly::kCursorC};
    static constexpr unsigned kStatusIcons[] = {tly::kIconReady, kIconRouterA, kIconRouterB, kIconFileLoading};
    static constexpr std::array<unsigned, 2> kAnimation = {kIconRouterA, kIconRouterB};
    static void showEveryButton() {}
};
INSTANTIATE_TYPED_TEST_SUITE_P(TracelynToolbarPictures, ToolbarPictures, TracelynToolbar);

namespace {

using TracelynToolbarPictures = ProgramFolderTest;

// Switching to the layer-pair view shows the pair's picture on the layer-view button.
TEST_F(TracelynToolbarPictures, LayerViewButtonShowsTheViewMode)
{
    auto harness = startWithoutTips();
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
}  // namespace quill_test
