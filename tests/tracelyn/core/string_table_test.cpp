// Every string the program's code loads by id is in its string table: a missing one would
// show an empty message box or status text.
#include "platform/app/resources.h"
#include "platform/core/test_ui_host.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "support/string_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(TracelynStringTable, EveryIdTheCodeLoadsIsThere)
{
    plat::TestUiHost host;
    registerTracelynResources();
    quill_test::expectEveryDeclaredStringLoads({"tracelyn", "resources/tracelyn", "common"});
}

// Every command of View > Scale, Setup > Work Area and View > Current Layer has its status-bar
// prompt; the zoom prompts carry no stray blank.
TEST(TracelynStringTable, ViewCommandsHaveTheirPrompts)
{
    plat::TestUiHost host;
    registerTracelynResources();
    std::vector<unsigned> ids;
    for (unsigned id = tly::kCmdScaleFirst; id <= tly::kCmdScaleFirst + 9; ++id)
        ids.push_back(id);
    for (unsigned id = tly::kCmdWorkAreaFirst; id <= tly::kCmdWorkAreaFirst + 6; ++id)
        ids.push_back(id);
    for (unsigned id = tly::kCmdLayerFirst; id <= tly::kCmdLayerFirst + 29; ++id)
        ids.push_back(id);
    for (const unsigned id : ids) {
        SCOPED_TRACE(id);
        const std::string prompt = plat::LoadString(id);
        EXPECT_FALSE(prompt.empty());
        EXPECT_NE(prompt.find('\n'), std::string::npos) << "prompt and tooltip";
    }
    EXPECT_EQ(plat::LoadString(tly::kCmdScaleFirst), "Draw artwork at 20% of full size\n20%");
    EXPECT_EQ(plat::LoadString(tly::kCmdLayerFirst + 16), "Select top silk screen layer for viewing/editing\nTop Silk Screen");
    EXPECT_EQ(plat::LoadString(tly::kCmdLayerFirst + 18), "Select top solder layer for viewing\nTop Solder");
    EXPECT_EQ(plat::LoadString(tly::kCmdZoomOut), "Zoom out one level\nZoom out");
}

}  // namespace
