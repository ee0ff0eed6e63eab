// Start-up tables, the layer-viewing flip and the grid menu texts of the board program.
#include "common/common_state.h"
#include "common/string_helpers.h"
#include "platform/core/test_ui_host.h"
#include "tracelyn/core/app_state.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/grid_menu_texts.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"

#include <gtest/gtest.h>

namespace {

TEST(BoardStartTables, PrepareSwitchesRouterLayersAndEmptiesThePackages)
{
    g_selectiveEdit.on.fill(0);
    g_router.layerSwitches.fill(1);
    g_packages.count = 3;
    g_packages.objectCount = 40;

    PrepareProcessTables();

    for (int32_t on : g_selectiveEdit.on)
        EXPECT_EQ(on, 1);
    for (int layer = 0; layer < kRouterLayerSwitches; ++layer)
        EXPECT_EQ(g_router.layerSwitches[static_cast<size_t>(layer)], layer < 2 ? 1 : 0) << "layer " << layer;
    EXPECT_EQ(g_packages.count, 0);
    EXPECT_EQ(g_packages.objectCount, 0);

    // A failed string copy tells the board program's own text, once.
    plat::TestUiHost host;
    quill::g_stringSpace.warningShown = false;
    quill::g_stringSpace.simulatedFailures = 2;
    EXPECT_EQ(StrDupChecked("label"), nullptr);
    EXPECT_EQ(StrDupChecked("label"), nullptr);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Out of string space"});
    quill::g_stringSpace.warningShown = false;
}

TEST(BoardStartTables, SelectionListHas32000ZeroedEntries)
{
    g_selection.list.assign(5, 7);
    g_selection.count = 5;
    ASSERT_TRUE(AllocateSelectionList());
    ASSERT_EQ(g_selection.list.size(), 32000u);
    EXPECT_EQ(g_selection.list[4], 0);
    EXPECT_EQ(g_selection.count, 0);
}

TEST(BoardStartTables, LayerViewFlipAndTheModeStartUpStoresBeforeIt)
{
    struct Case {
        int32_t from;
        int32_t to;
        int image;
    };
    for (const Case c : {Case{1040, 1041, 5}, Case{1041, 1040, 0}, Case{7, 1040, 0}}) {
        SCOPED_TRACE(c.from);
        g_edit.layerViewMode = c.from;
        EXPECT_EQ(FlipLayerViewMode(), c.image);
        EXPECT_EQ(g_edit.layerViewMode, c.to);
    }
    // Start-up stores the other mode and flips back to the mode of the settings.
    for (int32_t settings : {1040, 1041}) {
        g_edit.layerViewMode = LayerViewModeBefore(settings);
        const int image = FlipLayerViewMode();
        EXPECT_EQ(g_edit.layerViewMode, settings);
        EXPECT_EQ(image, settings == 1041 ? 5 : 0);
    }
    g_edit = BoardEditState{};
}

TEST(GridMenuTexts, FollowTheUnitMode)
{
    EXPECT_STREQ(GridMenuText(725, 698), ".5 mils");
    EXPECT_STREQ(GridMenuText(725, 704), "100 mils");
    EXPECT_STREQ(GridMenuText(726, 698), ".1 mm");
    EXPECT_STREQ(GridMenuText(726, 701), ".8 mm");
    EXPECT_STREQ(GridMenuText(726, 704), "2.0 mm");
    EXPECT_STREQ(GridMenuText(0, 702), "1.0 mm") << "any mode but English is metric";
    for (int32_t units : {725, 726}) {
        EXPECT_STREQ(GridMenuText(units, 705), "Variable...");
        EXPECT_STREQ(GridMenuText(units, 706), "Polar...");
        EXPECT_EQ(GridMenuText(units, 697), nullptr);
        EXPECT_EQ(GridMenuText(units, 707), nullptr);
    }
}

}  // namespace
