// Bottom silk text: unmirrored text on the bottom silk layer, and an unmirrored part on the
// bottom side that carries text, are found; mirrored ones, top text and parts on top are not.
#include "tests/tracelyn/route/drc_fixture.h"

namespace drc_test {
namespace {

using BottomTextTest = DrcTest;

TEST_F(BottomTextTest, UnmirroredBottomTextAndBottomPartsAreFound)
{
    writeLibrary(dip8());
    const int dip = package("DIP8");
    const DrcSettings rule = only({DrcRule::kBottomText});
    const auto text = [&](int layer, int32_t angleWord) {
        BoardObject o = makeObject(kKindText, layer, {0, 0, 0x301, angleWord, 0, 0, 0, 0});
        o.data = StrDupChecked("BOTTOM");
        return add(o);
    };
    text(kLayerSilkTop, 0);
    text(kLayerSilkBottom, 1 << 12);
    text(kLayerSilkBottom, 900 | 1 << 12);
    place(dip, "U", 1, 0, 0);
    const int mirroredPart = place(dip, "U", 2, 5000, 0, 1 << 12);
    g_board.objects[mirroredPart].setLayer(1);
    EXPECT_EQ(check(rule), std::vector<Fault>{}) << "a clean board";

    const int unmirrored = text(kLayerSilkBottom, 900);
    EXPECT_EQ(check(rule), (std::vector<Fault>{{DrcRule::kBottomText, 0, unmirrored}}));
    TruncateObjects(unmirrored - 1);

    const int bottomPart = place(dip, "U", 3, 10000, 0);
    g_board.objects[bottomPart].setLayer(1);
    EXPECT_EQ(check(rule), (std::vector<Fault>{{DrcRule::kBottomText, 0, bottomPart}}));
}

}  // namespace
}  // namespace drc_test
