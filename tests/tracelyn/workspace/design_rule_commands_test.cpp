// Aux > Check through the real frame and dialog: the dialog shows and keeps its switches, Check
// marks the faults on the board as one undo step and says what it found, the marks are painted
// and Find > DRC Mark steps to them, and a second check does not stack its marks.
#include "board_commands_fixture.h"

#include "platform/app/dialog.h"
#include "platform/gdi/raster_dc.h"
#include "resources/tracelyn/board_search_ids.h"
#include "resources/tracelyn/route_ids.h"
#include "support/default_stores.h"
#include "support/find_replace_answers.h"
#include "tests/tracelyn/core/package_fixture.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_painter.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/package_library.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/route/board_checks.h"
#include "tracelyn/route/drc_report.h"

#include <string>
#include <vector>

namespace edit_test {
namespace {

using namespace tly;
using DesignRuleCommand = BoardCommands;

constexpr quill_test::FindAnswer searchAnswer{{kIdcSearchText, kIdcSearchReference, kIdcSearchHiddenVia}};
constexpr unsigned kSwitches[] = {kIdcCheckPadToVia, kIdcCheckPadToTrace, kIdcCheckReferences, kIdcCheckTraceToTrace,
                                  kIdcCheckSilkscreen, kIdcCheckBottomText, kIdcCheckOutside};

plat::Bitmap paintView()
{
    plat::RasterDc raster(800, 600);
    PrepareScreenMapping(raster, plat::Rect{0, 0, 800, 600});
    PaintBoardView(raster, *g_active.data);
    return raster.bitmap();
}

int markCount()
{
    int n = 0;
    for (int i = 1; i <= g_board.count; ++i)
        n += g_board.objects[i].kind() == kKindFixedRectangle;
    return n;
}

TEST_F(DesignRuleCommand, CheckMarksTheFaultsAndFindStepsToThem)
{
    expectOnTheMenu({kCmdDesignRules});
    add(kKindLine, -2000, 0, 2000, 0).w[7] = 100;
    add(kKindLine, -2000, 180, 2000, 180).w[7] = 100;   // 80 apart: the one fault
    g_designRules = DesignRuleClearances{};
    board()->SetModifiedFlag(false);
    const plat::Bitmap before = paintView();

    std::vector<int> shown;
    std::string padToTrace;
    host.answerDialog([&](plat::Dialog& d) {
        for (const unsigned id : kSwitches)
            shown.push_back(d.IsDlgButtonChecked(id));
        padToTrace = d.GetDlgItemText(kIdcPadToTrace);
        d.CheckDlgButton(kIdcCheckSilkscreen, 0);
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdDesignRules);
    EXPECT_EQ(shown, (std::vector<int>{1, 1, 0, 1, 1, 1, 1})) << "every check on but the designators";
    EXPECT_EQ(padToTrace, "10.0");
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{std::string("Design rule errors found:\nTrace to trace clearance: 1\n")
                                                            + kDrcNoNetlistLine});
    EXPECT_EQ(markCount(), 1);
    EXPECT_TRUE(board()->IsModified());
    EXPECT_EQ(g_undo.depth, 1);

    // The mark is painted round the spot between the traces, in a colour of its own.
    const plat::Bitmap after = paintView();
    int changed = 0;
    plat::ColorRef markColor = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (after.pixel(x, y) != before.pixel(x, y)) {
                ++changed;
                markColor = after.pixel(x, y);
            }
    EXPECT_GT(changed, 20);
    EXPECT_LT(changed, 200);
    EXPECT_NE(markColor, before.pixel(400, 300));

    host.clearEvents();
    host.answerDialog(searchAnswer(kIdcSearchDrcMark, ""));
    host.answerDialog(quill_test::continueSearch);
    key('F', {plat::kVkControl});
    EXPECT_EQ(host.count("dialog 164"), 1) << "one stop, at the mark";
    EXPECT_TRUE(host.messageBoxes().empty());

    // The switches stay as left; a second check lays its mark in place of the first.
    host.clearEvents();
    shown.clear();
    host.answerDialog([&](plat::Dialog& d) {
        for (const unsigned id : kSwitches)
            shown.push_back(d.IsDlgButtonChecked(id));
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdDesignRules);
    EXPECT_EQ(shown, (std::vector<int>{1, 1, 0, 1, 0, 1, 1}));
    EXPECT_EQ(markCount(), 1);
    command(kCmdUndo);
    EXPECT_EQ(markCount(), 1) << "undo brings back the first check's mark";
    command(kCmdUndo);
    EXPECT_EQ(markCount(), 0);

    // Cancel checks nothing.
    host.clearEvents();
    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdCancel); });
    command(kCmdDesignRules);
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(markCount(), 0);
}

// A fresh board's trace and pad tools draw copper a board maker makes: the check passes it at
// the dialog's minimums, and finds each trace, pad, hole and ring once the minimums are raised.
TEST_F(DesignRuleCommand, WhatTheToolsDrawMeetsTheMinimumSizes)
{
    tool(kCmdToolTrace);
    drag(100, 100, 200, 100);
    tool(kCmdToolPad);
    click(300, 200);
    ASSERT_EQ(count(), base_ + 2);
    EXPECT_EQ(obj(1).w[7], 120) << "a 12 mil trace";
    EXPECT_EQ(obj(2).w[2], 600) << "a 60 mil pad";
    EXPECT_EQ(obj(2).w[6], 320) << "with a 32 mil hole";

    std::vector<std::string> minimums;
    const unsigned fields[] = {kIdcMinimumTrace, kIdcMinimumPad, kIdcMinimumHole, kIdcMinimumRing};
    const auto onlyMinimums = [&](plat::Dialog& d) {
        for (const unsigned id : kSwitches)
            d.CheckDlgButton(id, 0);
        EXPECT_EQ(d.IsDlgButtonChecked(kIdcCheckMinimums), 1) << "on from the start";
        for (const unsigned id : fields)
            minimums.push_back(d.GetDlgItemText(id));
    };
    host.answerDialog([&](plat::Dialog& d) {
        onlyMinimums(d);
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdDesignRules);
    EXPECT_EQ(minimums, (std::vector<std::string>{"6.0", "20.0", "12.0", "5.0"}));
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{kDrcNothingFound});
    EXPECT_EQ(markCount(), 0);

    host.clearEvents();
    minimums.clear();
    host.answerDialog([&](plat::Dialog& d) {
        onlyMinimums(d);
        const char* raised[] = {"15", "70", "40", "15"};
        for (size_t k = 0; k < std::size(fields); ++k)
            d.TypeDlgItemText(fields[k], raised[k]);
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdDesignRules);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Design rule errors found:\n"
                                                            "Traces below the minimum width: 1\n"
                                                            "Pads below the minimum size: 1\n"
                                                            "Holes below the minimum size: 1\n"
                                                            "Rings below the minimum width: 1"});
    EXPECT_EQ(markCount(), 4);

    // The raised minimums stay for the next check; with the switch off nothing is measured.
    host.clearEvents();
    minimums.clear();
    host.answerDialog([&](plat::Dialog& d) {
        onlyMinimums(d);
        d.CheckDlgButton(kIdcCheckMinimums, 0);
        return d.PressButton(plat::kIdOk);
    });
    command(kCmdDesignRules);
    EXPECT_EQ(minimums, (std::vector<std::string>{"15.0", "70.0", "40.0", "15.0"}));
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{kDrcNoRules});
}

// Shorts are told against the board's netlist: the one loaded, else the ".net" of the board's
// name beside it, read fresh; without either the message says shorts were not checked.
class ShortsCheck : public BoardCommands {
protected:
    void SetUp() override
    {
        BoardCommands::SetUp();
        package_test::useDip8Library(folder);
        ASSERT_EQ(LoadLibraryPart("STD", "DIP8"), 1);
        const int package = g_packages.current;
        board()->SetPathName(folder.file("amp.tlz"), false);
        for (const int n : {1, 2}) {
            BoardObject& part = add(kKindPart + package, (n - 1) * 10000, 0, 0, 0, "U", kLayerTop);
            part.w[5] = -1;
            part.w[7] = n;
        }
        // U1-8 to U2-1 on layer 1: one net by the copper, two by the schematic.
        add(kKindLine, 1500, -1500, 8497, -1500, nullptr, 1).w[7] = 100;
        g_designRules = DesignRuleClearances{};
    }
    void TearDown() override
    {
        ForgetNets();
        quill_test::resetToDefaults(g_netlist, g_router, g_boardFolders);
        BoardCommands::TearDown();
    }
    void writeNets(const std::string& name, const std::string& nets)
    {
        folder.write(name, "Netlist for design: amp.pic\nTime: 9:05\nDate: 3/14/25 Fri\nProcessing time:  0\n"
                           "Number of signals found=2\n" + nets);
    }
    // Aux > Check with the dialog's switches as they start; the closing message.
    std::string checkBoard()
    {
        host.clearEvents();
        host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdOk); });
        command(kCmdDesignRules);
        const std::vector<std::string> boxes = host.messageBoxes();
        return boxes.empty() ? std::string() : boxes.back();
    }
};

TEST_F(ShortsCheck, TheNetlistBesideTheBoardIsReadFreshAndNoneIsSaid)
{
    EXPECT_EQ(checkBoard(), std::string("No design rule errors found\n") + kDrcNoNetlistLine);

    writeNets("amp.net", "A----u1-8,u1-1\nB----u2-1,&\nu2-8\n");
    EXPECT_EQ(checkBoard(), "Design rule errors found:\nShorts between nets: 1");
    EXPECT_EQ(g_netlist.netCount, 0) << "the check reads the netlist without loading it";
    EXPECT_EQ(markCount(), 1);

    // The same pins on one net: nothing to find.
    writeNets("amp.net", "A----u1-8,u2-1\nB----u1-1,u2-8\n");
    EXPECT_EQ(checkBoard(), "No design rule errors found");
}

TEST_F(ShortsCheck, ALoadedNetlistIsTheOneTheCheckUses)
{
    writeNets("amp.net", "A----u1-8,u2-1\nB----u1-1,u2-8\n");
    writeNets("other.net", "A----u1-8,u1-1\nB----u2-1,u2-8\n");
    host.answerFileDialog({folder.file("other.net"), 1});
    command(kCmdLoadNetlist);
    ASSERT_EQ(g_netlist.netCount, 2);
    EXPECT_EQ(checkBoard(), "Design rule errors found:\nShorts between nets: 1");
}

}  // namespace
}  // namespace edit_test
