// Router strategy files beside boards: names, round trips, partial and missing files.
#include "tracelyn/core/router_strategy.h"

#include "platform/system/profile_file.h"
#include "support/function_table.h"
#include "support/temp_folder.h"
#include "tracelyn/core/route_services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

class RouterStrategyTest : public ::testing::Test {
protected:
    void SetUp() override { g_router = RouterState{}; }
    void TearDown() override { g_router = RouterState{}; }

    std::string text(const std::string& name) const
    {
        const std::vector<unsigned char> bytes = folder.read(name);
        return std::string(bytes.begin(), bytes.end());
    }

    quill_test::TempFolder folder;
};

TEST_F(RouterStrategyTest, FileNameReplacesEverythingFromTheFirstDot)
{
    quill_test::expectEachGives<const char*, std::string>(StrategyFileName, {
        {"/a/BOARDS/AMP.TLZ", "/a/BOARDS/AMP.str"},
        {"/a/BOARDS/AMP.V2.TLZ", "/a/BOARDS/AMP.str"},
        {"/home/u/.boards/amp.tlz", "/home/u/.boards/amp.str"},
        {"AMP", "AMP.str"},
    });
}

TEST_F(RouterStrategyTest, RoundTripWritesEachKeyOnce)
{
    g_router.values = {300, 150, 100, 702, 1027, 1, 4, 20000, 3};
    g_router.passes = 5;
    g_router.layerSwitches.fill(0);
    g_router.layerSwitches[0] = g_router.layerSwitches[3] = 1;
    g_router.layerSwitches[20] = 1;   // beyond the 16 layers a strategy keeps
    g_router.vccNet = 12;
    g_router.groundNet = 13;
    g_router.netlistName = "amp.net";
    ASSERT_TRUE(WriteRouterStrategy(folder.file("amp.tlz")));

    const std::string file = text("amp.str");
    EXPECT_NE(file.find("[Autorouter]"), std::string::npos);
    EXPECT_NE(file.find("router=300,150,100,702,1027,1,4,20000,3"), std::string::npos);
    EXPECT_NE(file.find("layers=1,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0\n"), std::string::npos);
    size_t passes = 0;
    for (size_t at = file.find("passes="); at != std::string::npos; at = file.find("passes=", at + 1))
        ++passes;
    EXPECT_EQ(passes, 1u);

    const RouterState written = g_router;
    g_router = RouterState{};
    ReadRouterStrategy(folder.file("AMP.TLZ"));   // the reader's capitals still find amp.str
    EXPECT_EQ(g_router.values, written.values);
    EXPECT_EQ(g_router.gridPitch, 250);
    EXPECT_EQ(g_router.passes, 5);
    EXPECT_EQ(g_router.layerSwitches[3], 1);
    EXPECT_EQ(g_router.layerSwitches[20], 0);
    EXPECT_EQ(g_router.vccNet, 12);
    EXPECT_EQ(g_router.groundNet, 13);
    EXPECT_EQ(g_router.netlistName, "amp.net");
}

// Only the file's name is matched in another case: the board's own folder holds its strategy,
// whatever folders beside it differ from it only in case.
TEST_F(RouterStrategyTest, StrategyComesFromTheBoardsOwnFolder)
{
    folder.write("Proj/amp.str", "[Autorouter]\npasses=7\n");
    folder.write("proj/amp.str", "[Autorouter]\npasses=4\n");
    ReadRouterStrategy(folder.file("proj/amp.tlz"));
    EXPECT_EQ(g_router.passes, 4);
    ReadRouterStrategy(folder.file("Proj/AMP.TLZ"));
    EXPECT_EQ(g_router.passes, 7);
}

TEST_F(RouterStrategyTest, PartialValuesReplaceOnlyWhatIsPresent)
{
    folder.write("b.str",
                 "[Autorouter]\n"
                 "router=,250,,704\n"
                 "layers=1,1,0,,,,,,,,,,,,,,1,1\n"
                 "passes=4\n"
                 "passes=9\n");   // a duplicated key: the first one counts
    g_router.layerSwitches[3] = 1;
    g_router.vccNet = 7;
    g_router.netlistName = "old.net";
    ReadRouterStrategy(folder.file("b.tlz"));
    EXPECT_EQ(g_router.values, (std::array<int32_t, 9>{400, 250, 120, 704, 1026, 0, 5, 24000, 2}));
    EXPECT_EQ(g_router.gridPitch, 500);
    EXPECT_EQ(g_router.passes, 4);
    EXPECT_EQ(g_router.layerSwitches[0], 1);
    EXPECT_EQ(g_router.layerSwitches[2], 0);
    EXPECT_EQ(g_router.layerSwitches[3], 1);    // an empty token leaves the layer alone
    EXPECT_EQ(g_router.layerSwitches[16], 1);   // the reader takes layer 16 too
    EXPECT_EQ(g_router.layerSwitches[17], 0);   // but no further
    EXPECT_EQ(g_router.vccNet, 7);
    EXPECT_EQ(g_router.netlistName, "");
}

TEST_F(RouterStrategyTest, BoardWithoutStrategyKeepsValuesButNotTheNetlist)
{
    folder.write("first.str", "[Autorouter]\nrouter=500,250,130,702\nnetlist=first.net\n");
    ReadRouterStrategy(folder.file("first.tlz"));
    ASSERT_EQ(g_router.netlistName, "first.net");
    ReadRouterStrategy(folder.file("second.tlz"));
    EXPECT_EQ(g_router.values[0], 500);
    EXPECT_EQ(g_router.gridPitch, 250);
    EXPECT_EQ(g_router.netlistName, "");

    // A netlist name is kept to 80 characters.
    folder.write("long.str", "[Autorouter]\nnetlist=" + std::string(100, 'n') + "\n");
    ReadRouterStrategy(folder.file("long.tlz"));
    EXPECT_EQ(g_router.netlistName.size(), 80u);
}

}  // namespace
