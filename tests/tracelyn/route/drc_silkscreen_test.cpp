// Silk on the solderable surface: silk over the mask opening of a pad on the same side is
// found once per silk object and pad; silk on the other side, silk over vias and the packages'
// "p?" name placeholder are not.
#include "tests/tracelyn/route/drc_fixture.h"

#include "tracelyn/route/drc_silkscreen.h"

namespace drc_test {
namespace {

using SilkscreenTest = DrcTest;

// A surface pad (400 x 600 on Top) with the name placeholder written across it, and a silk
// outline well clear of it.
TestPackage surfacePad()
{
    TestPackage p("SMD1");
    BoardObject& pad = p.add(kKindPad, 0, -10000, -5000);
    pad.w[2] = 400;
    pad.w[3] = 600;
    pad.w[5] = kPadSingleLayer;
    p.text(-10000, -5000, "1", 0);
    p.text(-10100, -5000, "p?");
    p.line(-11000, -6000, -9000, -6000);
    return p;
}

TEST_F(SilkscreenTest, SilkOverAPadOfItsOwnSideIsFound)
{
    EXPECT_TRUE(IsNamePlaceholder("p?"));
    EXPECT_FALSE(IsNamePlaceholder("U?"));
    writeLibrary(surfacePad());
    const int part = place(package("SMD1"), "U", 1, 0, 0);
    g_board.objects[part].w[2] = g_board.objects[part].w[3] = -13000;   // the label well away
    const int via = freePad(3000, 0, kPadThroughVia, kLayerAll, 400);
    const int hole = freePad(6000, 0, kRoundPad, kLayerAll, 600, 600, 300);
    const auto silk = [&](int layer, int32_t x) {
        BoardObject o = makeObject(kKindLine, layer, {x, -1000, x, 1000, 0, 0, 0, 80});
        return add(o);
    };
    silk(kLayerSilkTop, 3000);         // over the via
    silk(kLayerSilkBottom, 0);         // under the surface pad, on the other side
    const DrcSettings rule = only({DrcRule::kSilkscreen});
    EXPECT_EQ(check(rule), std::vector<Fault>{}) << "a clean board";

    const int top = silk(kLayerSilkTop, 150);
    EXPECT_EQ(check(rule), (std::vector<Fault>{{DrcRule::kSilkscreen, part, top}}));
    TruncateObjects(top - 1);
    const int bottom = silk(kLayerSilkBottom, 6200);
    EXPECT_EQ(check(rule), (std::vector<Fault>{{DrcRule::kSilkscreen, hole, bottom}}));
    (void)via;
}

}  // namespace
}  // namespace drc_test
