// Reference designators: a part still numbered "?" or 0 is a finding, and so is every further
// part showing a designator already used; the sections of one package share their number.
#include "tests/tracelyn/route/drc_fixture.h"

#include "tracelyn/route/drc_references.h"

namespace drc_test {
namespace {

using ReferenceTest = DrcTest;

TEST_F(ReferenceTest, UnnumberedAndRepeatedDesignatorsAreFoundOnce)
{
    writeLibrary(dip8());
    const int dip = package("DIP8");
    // A package of two gates, four pads each.
    std::vector<BoardObject> pads;
    for (int i = 0; i < 8; ++i)
        pads.push_back(makeObject(kKindPad, kLayerAll, {-10000 + 1000 * i, -5000, 600, 600, 0, 0, 350, 0}));
    const int gate = addPackage("GATE", pads, 2);
    const DrcSettings rule = only({DrcRule::kReference});
    const int u1 = place(dip, "U:7400", 1, 0, 0);
    place(dip, "U", 2, 5000, 0);
    const int a = place(gate, "U", 4, 0, 5000);
    const int b = place(gate, "U", 4, 5000, 5000);
    g_board.objects[b].w[5] = 1;   // section b of the same package
    EXPECT_EQ(PartDesignator(u1), "U1");
    EXPECT_EQ(PartDesignator(a), "U4a");
    EXPECT_EQ(PartDesignator(b), "U4b");
    EXPECT_EQ(check(rule), std::vector<Fault>{}) << "a clean board";

    struct Case {
        const char* name;
        const char* label;
        int number;
    };
    const Case cases[] = {
        {"still a question mark", "U?", 3},
        {"no number", "R", 0},
        {"the designator of another part, in other letters", "u:74hc00", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int added = place(dip, c.label, c.number, 10000, 0);
        EXPECT_EQ(check(rule), (std::vector<Fault>{{DrcRule::kReference, 0, added}}));
        TruncateObjects(added - 1);
    }
}

}  // namespace
}  // namespace drc_test
