// The shipped example board with its rats nest shown: moving, turning, mirroring and flipping a
// part redraws its rats-nest lines at its new pads, and the net lookup answers there.
#include "edit_fixture.h"

#include "resources/tracelyn/route_ids.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/rubber_banding.h"

#include <set>
#include <utility>

namespace {

using namespace edit_test;
using Point = std::pair<int32_t, int32_t>;

class NetsFollowParts : public BoardEditTest {
protected:
    // Opens the example board and shows its rats nest from its netlist, as the menus do.
    bool openExampleWithRatsNest()
    {
        if (!copyShippedFolders())
            return false;
        host.answerFileDialog({folder.file("examples/rc_filter.tlz"), 1});
        EXPECT_TRUE(harness->command(plat::kIdFileOpen));
        host.answerFileDialog({folder.file("examples/rc_filter.net"), 1});
        host.answerDialog([](plat::Dialog& d) {
            d.PressButton(tly::kIdcBrowse);
            return d.PressButton(plat::kIdOk);
        });
        EXPECT_TRUE(harness->command(tly::kCmdRatsNest));
        host.clearEvents();
        return true;
    }
    // The first part whose label begins with `letter`.
    static int partIndex(char letter)
    {
        for (int i = 1; i <= count(); ++i)
            if (object(i).isPart() && object(i).text() != nullptr && object(i).text()[0] == letter)
                return i;
        return 0;
    }
    // Where the part's pads lie now, in whole mils as the netlist places them.
    static std::set<Point> padPlaces(int index)
    {
        std::set<Point> places;
        const BoardObject& part = object(index);
        const PartPads pads = PadsOfPart(part);
        for (int p = pads.first; p < pads.first + pads.count; ++p) {
            const BoardObject& pad = g_packages.objects[static_cast<size_t>(p)];
            if (pad.kind() != kKindPad)
                continue;
            int32_t x = 0, y = 0;
            PartPadPosition(part, pad, x, y);
            places.insert({x / kNetlistUnit * kNetlistUnit, y / kNetlistUnit * kNetlistUnit});
        }
        return places;
    }
    static std::set<Point> ratsNestEnds()
    {
        std::set<Point> ends;
        for (int i = 1; i <= count(); ++i)
            if (object(i).kind() == kKindNoRoute) {
                ends.insert({object(i).w[0], object(i).w[1]});
                ends.insert({object(i).w[2], object(i).w[3]});
            }
        return ends;
    }
    static int ratsNestLines()
    {
        int n = 0;
        for (int i = 1; i <= count(); ++i)
            n += object(i).kind() == kKindNoRoute;
        return n;
    }
    // Every pad of the part is a rats-nest end, and the lookup names a net at each.
    void expectNestOnPads(int index)
    {
        const std::set<Point> ends = ratsNestEnds();
        for (const Point& pad : padPlaces(index)) {
            SCOPED_TRACE(std::to_string(pad.first) + "," + std::to_string(pad.second));
            EXPECT_TRUE(ends.count(pad)) << "a rats-nest line ends on the pad";
            int32_t x = pad.first, y = pad.second;
            WorldToScreen(x, y);
            EXPECT_EQ(FindNetAtPoint(x, y), 1);
            EXPECT_NE(g_netlist.netNameBuffer, "Unspecified");
        }
    }
    static void selectOnly(int index)
    {
        g_selection.count = 1;
        g_selection.list[1] = index;
        g_gesture.tool = kToolSelect;
    }
    // The pixel of the view at a board point.
    static std::pair<int, int> pixelOf(int32_t x, int32_t y)
    {
        BoardToCursorSpace(x, y);
        return {x / g_view.zoomDivisor, y / g_view.zoomDivisor};
    }
};

TEST_F(NetsFollowParts, TransformsRedrawTheRatsNestAtTheNewPads)
{
    if (!openExampleWithRatsNest())
        GTEST_SKIP() << "the program folder has not been laid out";
    const int r = partIndex('R');
    ASSERT_NE(r, 0);
    const int lines = ratsNestLines();
    ASSERT_GT(lines, 0);
    expectNestOnPads(r);
    std::set<Point> before;
    for (const unsigned command : {tly::kCmdMirror, tly::kCmdFlip, tly::kCmdRotate}) {
        SCOPED_TRACE(command);
        before = padPlaces(r);
        selectOnly(r);
        harness->command(command);
        expectNestOnPads(r);
        EXPECT_EQ(ratsNestLines(), lines);
    }
    EXPECT_NE(padPlaces(r), before) << "a quarter turn puts the pads elsewhere";
    EXPECT_TRUE(host.messageBoxes().empty()) << "a reload repeats no warning";

    // Undo puts the part back, and its rats nest with it.
    harness->command(tly::kCmdUndo);
    EXPECT_EQ(padPlaces(r), before);
    expectNestOnPads(r);
}

TEST_F(NetsFollowParts, ADraggedPartTakesItsRatsNestAndKeepsTheUndoRing)
{
    if (!openExampleWithRatsNest())
        GTEST_SKIP() << "the program folder has not been laid out";
    g_crosshair.on = false;
    const int c = partIndex('C');
    ASSERT_NE(c, 0);
    const int lines = ratsNestLines();
    const Point from = {object(c).w[0], object(c).w[1]};
    const BoardBox body = GetObjectExtent(c, kExtentPlain);
    const auto [px, py] = pixelOf(body.left / 2 + body.right / 2, body.top / 2 + body.bottom / 2);
    // A press on the middle of the part's body, away from its label.
    tool(tly::kCmdSelect);
    click(px, py);
    ASSERT_EQ(g_selection.count, 1);
    ASSERT_EQ(g_selection.list[1], c);
    drag(px, py, px + 40, py + 30);
    ASSERT_NE((Point{object(c).w[0], object(c).w[1]}), from);
    expectNestOnPads(c);
    EXPECT_EQ(ratsNestLines(), lines);
    EXPECT_GE(UndoDepth(), 1) << "redrawing the nest in place keeps the move undoable";
    harness->command(tly::kCmdUndo);
    EXPECT_EQ((Point{object(c).w[0], object(c).w[1]}), from);
    expectNestOnPads(c);
}

}  // namespace
