// Utilities > Netlist and Compare Nets through the real frame: the copper's nets written as a
// netlist the reader takes back, and the differences from a loaded netlist in the text window.
#include "board_commands_fixture.h"

#include "resources/tracelyn/board_search_ids.h"
#include "support/default_stores.h"
#include "support/full_disk.h"
#include "tests/tracelyn/core/package_fixture.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/route_services.h"

#include <fstream>
#include <sstream>
#include <string>

namespace edit_test {
namespace {

using namespace tly;

class ArtworkNetlist : public BoardCommands {
protected:
    void SetUp() override
    {
        BoardCommands::SetUp();
        package_test::useDip8Library(folder);
        ASSERT_EQ(LoadLibraryPart("STD", "DIP8"), 1);
        package_ = g_packages.current;
        board()->SetPathName(folder.file("amp.tlz"), false);
    }
    void TearDown() override
    {
        ForgetNets();
        quill_test::resetToDefaults(g_netlist, g_router, g_boardFolders);
        BoardCommands::TearDown();
    }
    // A through-hole DIP8 on the top side: pins 1 to 4 at x - 1503 and 8 to 5 at x + 1500, from
    // y - 1500 down in steps of 1000. The traces run on inner layer 1, as the router lays them.
    void placeDip(const char* label, int number, int32_t x, int32_t y)
    {
        BoardObject& part = add(kKindPart + package_, x, y, 0, 0, label, kLayerTop);
        part.w[5] = -1;
        part.w[7] = number;
    }
    void trace(int32_t x1, int32_t y1, int32_t x2, int32_t y2) { add(kKindLine, x1, y1, x2, y2, nullptr, 1).w[7] = 100; }

    // U1-8 to U2-1 straight; U1-4 to U2-5 around below the parts.
    void twoNets()
    {
        placeDip("U", 1, 0, 0);
        placeDip("U", 2, 10000, 0);
        trace(1500, -1500, 8497, -1500);
        trace(-1503, 1500, -1503, 5000);
        trace(-1503, 5000, 11500, 5000);
        trace(11500, 5000, 11500, 1500);
    }
    void loadNetlist(const std::string& name, const std::string& nets)
    {
        folder.write(name, "Netlist for design: amp.pic\nTime: 9:05\nDate: 3/14/25 Fri\nProcessing time:  0\n"
                           "Number of signals found=2\n" + nets);
        host.answerFileDialog({folder.file(name), 1});
        command(kCmdLoadNetlist);
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(folder.file(name));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // The report of Compare Nets, after checking it went to the text window.
    std::string compare()
    {
        command(kCmdCompareNets);
        EXPECT_TRUE(host.shown("text viewer: " + folder.file("amp_compare.txt")));
        return read("amp_compare.txt");
    }

    int package_ = 0;
};

TEST_F(ArtworkNetlist, NetlistOfTheCopperIsWrittenBesideTheBoardAndReadsBack)
{
    twoNets();
    folder.write("amp.net", "the schematic's own netlist\n");
    command(kCmdArtworkNetlist);
    const std::string written = read("amp_artwork.net");
    EXPECT_TRUE(written.starts_with("Netlist for design: " + folder.file("amp.tlz") + "\nTime: ")) << written;
    EXPECT_TRUE(written.ends_with("Processing time:  0\nNumber of signals found=2\nN1----u1-4,u2-5\nN2----u1-8,u2-1\n"))
        << written;
    EXPECT_EQ(read("amp.net"), "the schematic's own netlist\n") << "a netlist beside the board is kept";
    EXPECT_EQ(pane0(), "Wrote 2 nets to " + folder.file("amp_artwork.net"));

    // The board's own netlist, loaded back, agrees with the board.
    host.answerFileDialog({folder.file("amp_artwork.net"), 1});
    command(kCmdLoadNetlist);
    EXPECT_EQ(g_netlist.netCount, 2);
    EXPECT_EQ(compare(), "Nets of " + folder.file("amp.tlz") + " compared with " + folder.file("amp_artwork.net") +
                             "\nNo differences\n");
    EXPECT_EQ(pane0(), "No differences");
}

// On a full disk the board netlist and the compare report keep their older files, each command
// says which file and why, and neither reports what it would have written.
TEST_F(ArtworkNetlist, OnAFullDiskTheOlderNetlistAndReportStay)
{
    twoNets();
    loadNetlist("same.net", "SIG----u1-8,U2-1\nGND----u2-5,u1-4\n");
    quill_test::onFullDisks([&](quill_test::FullDisk& disk) {
        disk.write("amp_artwork.net", "older netlist\n");
        disk.write("amp_compare.txt", "older report\n");
        disk.fill();
        board()->SetPathName(disk.file("amp.tlz"), false);
        frame().statusBarPanes().SetPaneText(0, "Ready");
        host.clearEvents();
        command(kCmdArtworkNetlist);
        command(kCmdCompareNets);
        const auto full = [&](const char* name) { return "Cannot write " + disk.file(name) + ": No space left on device"; };
        EXPECT_EQ(host.messageBoxes(), (std::vector<std::string>{full("amp_artwork.net"), full("amp_compare.txt")}));
        EXPECT_EQ(pane0(), "Ready");
        EXPECT_FALSE(host.shown("text viewer: " + disk.file("amp_compare.txt")));
        EXPECT_EQ(disk.readText("amp_artwork.net"), "older netlist\n");
        EXPECT_EQ(disk.readText("amp_compare.txt"), "older report\n");
        EXPECT_EQ(disk.names(), (std::vector<std::string>{"amp_artwork.net", "amp_compare.txt"}));
    });
}

TEST_F(ArtworkNetlist, CompareNetsListsMissingAndExtraConnections)
{
    twoNets();
    {
        SCOPED_TRACE("identical nets under other names and in capitals");
        loadNetlist("same.net", "SIG----u1-8,U2-1\nGND----u2-5,u1-4\n");
        const std::string report = compare();
        EXPECT_TRUE(report.ends_with("compared with " + folder.file("same.net") + "\nNo differences\n")) << report;
    }
    {
        SCOPED_TRACE("a missing connection");
        loadNetlist("missing.net", "SIG----u1-8,u2-1,u2-2\nGND----u1-4,u2-5\n");
        const std::string report = compare();
        EXPECT_NE(report.find("\nMissing connection in net SIG: u2-2 / u1-8,u2-1\n1 differences\n"), std::string::npos)
            << report;
        EXPECT_EQ(pane0(), "1 differences");
    }
    {
        SCOPED_TRACE("an extra connection: copper from U1-8 up to U1-7 of another net");
        trace(1500, -1500, 1500, -500);
        loadNetlist("extra.net", "SIG----u1-8,u2-1\nGND----u1-4,u2-5\nCLK----u1-7,u2-7\n");
        const std::string report = compare();
        EXPECT_NE(report.find("\nMissing connection in net CLK: u2-7 / u1-7\n"
                              "Extra connection joins CLK (u1-7) and SIG (u1-8,u2-1)\n2 differences\n"),
                  std::string::npos)
            << report;
    }
}

TEST_F(ArtworkNetlist, CommandsNeedASavedBoardAndALoadedNetlist)
{
    twoNets();
    command(kCmdCompareNets);
    EXPECT_TRUE(host.shown("message box: No netlist is loaded for this board (Process > Load Netlist)."));
    EXPECT_FALSE(host.shown("text viewer: " + folder.file("amp_compare.txt")));

    board()->SetPathName("", false);
    command(kCmdArtworkNetlist);
    EXPECT_TRUE(host.shown("message box: Save the board first: the netlist files are written beside it."));
}

}  // namespace
}  // namespace edit_test
