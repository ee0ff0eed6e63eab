// One of every starter package on a board placed by the placement program, opened in the board
// program and routed by Process > Batch Route with the setup dialog's defaults: the design-rule
// check finds no short and no copper clearance fault, the routing tests' copper checker finds
// no two nets joined, and no copper comes nearer the board's edge than the clearance.
#include "place/board_placement.h"
#include "platform/app/dialog.h"
#include "platform/system/paths.h"
#include "resources/tracelyn/route_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tests/tracelyn/core/program_folder_fixture.h"
#include "tests/tracelyn/route/copper_connectivity.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/route/copper_geometry.h"
#include "tracelyn/route/router_dialogs.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Every package the starter library ships.
constexpr const char* kStarterPackages[] = {
    "AXIAL0.3", "AXIAL0.4", "AXIAL0.5", "AXIAL0.6", "RADIAL0.1", "RADIAL0.2", "TO92", "DIP8", "DIP14", "DIP16",
    "SOIC8", "SOIC14", "SOIC16", "0603", "0805", "1206", "SOT23", "HDR1X2", "HDR1X3", "HDR1X4", "HDR1X5", "HDR1X6",
    "HDR1X7", "HDR1X8", "HDR1X9", "HDR1X10", "HDR2X3", "HDR2X5", "HDR2X8", "HDR2X10", "RES400", "IND400", "DO35",
    "CAP200", "CAPR200", "LED3MM", "SIP2", "SIP3", "SIP4", "SIP6", "SIP8"};

int pinCount(std::string_view package)
{
    const auto digits = [](std::string_view s) { return std::stoi(std::string(s)); };
    if (package.starts_with("DIP") || package.starts_with("SOIC") || package.starts_with("SIP"))
        return digits(package.substr(package.find_first_of("0123456789")));
    if (package.starts_with("HDR"))
        return digits(package.substr(3, 1)) * digits(package.substr(5));
    if (package == "TO92" || package == "SOT23")
        return 3;
    return 2;
}

class StarterBoardRoute : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeIni("DoTips=0\n");
    }

    // The reference list and the netlist: the lower half of each part's pins joined, pin by
    // pin, to the upper half of the next part's, so that nets run between neighbours and pads
    // of other nets stand beside every route's ends.
    void writeDesign()
    {
        std::string refs, nets;
        const int parts = static_cast<int>(std::size(kStarterPackages));
        int count = 0;
        for (int p = 0; p < parts; ++p)
            refs += "U" + std::to_string(p + 1) + " STARTER\\PART 1 " + kStarterPackages[p] + "\n";
        for (int p = 0; p + 1 < parts; ++p) {
            const int here = pinCount(kStarterPackages[p]), next = pinCount(kStarterPackages[p + 1]);
            for (int pin = 1; pin <= std::min(here / 2, next / 2); ++pin) {
                nets += "N" + std::to_string(++count) + "----u" + std::to_string(p + 1) + "-" + std::to_string(pin) + ",u" +
                        std::to_string(p + 2) + "-" + std::to_string(next - pin + 1) + "\n";
            }
        }
        folder.write("starter.ref", refs);
        folder.write("starter.net", "Netlist for design: starter.pic\nTime: 12:00\nDate: 1/01/25 Wed\n"
                                    "Processing time:  0\nNumber of signals found=" + std::to_string(count) + "\n" + nets);
        connections = count;
    }

    // The board's copper nearest the outline rectangle, in board units.
    static double nearestToEdge()
    {
        const int32_t* edge = g_board.objects[1].points();
        const int32_t left = std::min(edge[0], edge[10]), right = std::max(edge[0], edge[10]);
        const int32_t top = std::min(edge[1], edge[11]), bottom = std::max(edge[1], edge[11]);
        double nearest = 1e18;
        for (int i = 1; i <= g_board.count; ++i) {
            const BoardObject& o = g_board.objects[i];
            const bool copperTrace = o.kind() == kKindLine && IsCopperLayer(o.layer());
            const bool via = o.kind() == kKindPad && IsViaStyle(o.w[5] & 15);
            if (!copperTrace && !via)
                continue;
            const double half = copperTrace ? o.w[7] / 2.0 : o.w[2] / 2.0;
            const int32_t x2 = copperTrace ? o.w[2] : o.w[0], y2 = copperTrace ? o.w[3] : o.w[1];
            for (const double d : {std::min(o.w[0], x2) - double(left), right - double(std::max(o.w[0], x2)),
                                   std::min(o.w[1], y2) - double(top), bottom - double(std::max(o.w[1], y2))})
                nearest = std::min(nearest, d - half);
        }
        return nearest;
    }

    int connections = 0;
};

TEST_F(StarterBoardRoute, EveryStarterPackageRoutedByTheBatchRouterKeepsItsClearance)
{
    if (!copyShippedFolders())
        GTEST_SKIP() << "the program folder has not been laid out";
    writeDesign();
    g_boardFolders.libraryFolder = plat::withTrailingSeparator(folder.file("PACKAGES"));
    const PlacementRequest request{folder.file("starter.ref"), folder.file("starter.net"), folder.file("starter.tlz"),
                                   true};
    const PlacementReport placed = PlaceDesign(request);
    ASSERT_TRUE(placed.written) << placed.refusal;
    ASSERT_EQ(placed.placed, static_cast<int>(std::size(kStarterPackages)));
    ASSERT_TRUE(placed.unplaced.empty()) << placed.unplaced.front();

    // Opened from the command line: the offered run, the setup dialog's defaults, Route; the
    // vias optimised and adjusted.
    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
    host.answerMessageBox(plat::kIdYes);
    host.answerMessageBox(plat::kIdOk);
    host.answerMessageBox(plat::kIdYes);
    host.answerMessageBox(plat::kIdOk);
    plat::AppHarness harness = start({folder.file("starter.tlz")});
    ASSERT_TRUE(harness.start());
    std::string summary;
    for (const std::string& text : host.messageBoxes())
        if (text.rfind("Percentage Complete:", 0) == 0)
            summary = text;
    ASSERT_FALSE(summary.empty()) << "the run did not end with its summary";
    EXPECT_EQ(g_router.ratsNestCount, connections);

    const copper_test::ConnectivityReport copper = copper_test::CheckCopper();
    EXPECT_TRUE(copper.shorts.empty()) << "nets " << copper.shorts.begin()->first << " and "
                                       << copper.shorts.begin()->second << " joined";
    // The packages stand close together on the 50-mil grid: some connections find no room,
    // and they stay rats-nest lines rather than run too near another net.
    EXPECT_GE(copper.joined * 4, copper.connections * 3) << summary;
    EXPECT_GE(nearestToEdge(), g_batchExtras.clearance) << "copper nearer the edge than the clearance";

    // Aux > Check with the copper rules: nothing found.
    host.clearEvents();
    host.answerDialog([](plat::Dialog& d) {
        d.CheckDlgButton(tly::kIdcCheckSilkscreen, 0);
        d.CheckDlgButton(tly::kIdcCheckReferences, 0);
        d.CheckDlgButton(tly::kIdcCheckBottomText, 0);
        return d.PressButton(plat::kIdOk);
    });
    host.answerMessageBox(plat::kIdOk);
    EXPECT_TRUE(harness.command(tly::kCmdDesignRules));
    ASSERT_FALSE(host.messageBoxes().empty());
    EXPECT_EQ(host.messageBoxes().front().rfind("No design rule errors found", 0), 0u) << host.messageBoxes().front();
}

}  // namespace
