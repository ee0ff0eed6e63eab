// Objects outside of the outline: copper beyond or across the board's edge, and parts with a
// pad or drawing beyond it, each found once; the edge's arcs count; a board without an outline
// is reported as such.
#include "tests/tracelyn/route/drc_fixture.h"

#include "tracelyn/core/outline_editing.h"
#include "tracelyn/route/drc_outline.h"

namespace drc_test {
namespace {

using OutlineTest = DrcTest;

TEST_F(OutlineTest, CopperAndPartsBeyondTheEdgeAreFoundOnceEach)
{
    writeLibrary(dip8());
    const int dip = package("DIP8");
    SetOutlineRectangle(-10000, -10000, 10000, 10000);
    trace(0, -5000, 0, 5000, 0);
    freePad(9000, 9000, kRoundPad, kLayerAll, 600);
    place(dip, "U", 1, 0, 5000);
    const DrcSettings rule = only({DrcRule::kOutside});
    EXPECT_EQ(check(rule), std::vector<Fault>{}) << "a clean board";

    struct Case {
        const char* name;
        std::function<int()> add;
    };
    const Case cases[] = {
        {"a trace across the edge", [this] { return trace(1, 9000, 0, 11000, 0); }},
        {"a via beyond it", [this] { return freePad(12000, 12000, kPadThroughVia, kLayerAll, 300); }},
        {"a part with its pads across it", [&] { return place(dip, "U", 2, 10000, -5000); }},
        {"a part whose drawing alone reaches over it",
         [&] { return place(dip, "U", 3, 0, -8000); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int added = c.add();
        EXPECT_EQ(check(rule), (std::vector<Fault>{{DrcRule::kOutside, 0, added}}));
        TruncateObjects(added - 1);
    }

    // A round board: the corners of its square are outside.
    ASSERT_EQ(CreateCircleOutline(), 1);
    OutlineRegion region;
    ASSERT_TRUE(region.load());
    EXPECT_TRUE(region.holds(0, 0));
    EXPECT_FALSE(region.holds(region.box().right - 100, region.box().bottom - 100));
    const int corner = freePad(region.box().right - 300, region.box().bottom - 300, kRoundPad, kLayerAll, 200);
    const std::vector<Fault> found = check(rule);
    EXPECT_NE(std::find(found.begin(), found.end(), Fault{DrcRule::kOutside, 0, corner}), found.end());

    // No outline: nothing to measure against, and the result says so.
    FreeObjectData(g_board.objects[1]);
    g_board.objects[1].setKind(kKindDeleted);
    const DrcResult none = CheckDesignRules(rule);
    EXPECT_TRUE(none.noOutline);
    EXPECT_TRUE(none.findings.empty());
}

}  // namespace
}  // namespace drc_test
