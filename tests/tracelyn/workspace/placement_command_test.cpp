// Process > Placement: the placement program beside this one is started without arguments and
// without waiting; when it cannot be started the user is told.
#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tests/tracelyn/core/program_folder_fixture.h"

namespace {

class PlacementCommand : public ProgramFolderTest {};

TEST_F(PlacementCommand, StartsThePlacementProgramOrSaysItCannot)
{
    plat::AppHarness harness = startWithoutTips();
    ASSERT_TRUE(harness.start());
    const std::string started = "program: " + plat::joinPath(plat::programFolder(), "place");

    EXPECT_TRUE(harness.command(tly::kCmdPlacement));
    EXPECT_TRUE(host.shown(started));
    EXPECT_TRUE(host.messageBoxes().empty());

    host.clearEvents();
    host.setProgramsStart(false);
    EXPECT_TRUE(harness.command(tly::kCmdPlacement));
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Can't execute place utility"});
}

}  // namespace
