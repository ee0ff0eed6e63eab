#include "paint_fixture.h"

#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_primitives.h"
#include "tracelyn/core/object_painters.h"

#include <initializer_list>

namespace paint_test {
namespace {

BoardObject trace(int layer, int32_t y, int32_t width = 100)
{
    return object(kKindLine, layer, {0, y, 1000, y, 0, 0, 0, width});
}

BoardObject pad(int layer, int32_t x, int shape = kPadRect)
{
    return object(kKindPad, layer, {x, 0, 600, 600, 0, shape, 300, 0});
}

class LayerPassTest : public PaintTest {
protected:
    // The readable drawing calls (kind, coordinates, pen, brush) of objects first..last.
    std::vector<std::string> drawn(int first = 2, int last = -1)
    {
        std::vector<std::string> lines;
        for (const plat::DcCall& call : paint(first, last))
            lines.push_back(call.line);
        return lines;
    }
    // What the objects draw each painted alone, one after the other in the order given.
    std::vector<std::string> alone(std::initializer_list<int> slots)
    {
        std::vector<std::string> lines;
        for (const int slot : slots) {
            const std::vector<std::string> own = drawn(slot, slot);
            EXPECT_FALSE(own.empty()) << "object " << slot << " draws something";
            lines.insert(lines.end(), own.begin(), own.end());
        }
        return lines;
    }
};

// Copper is painted from the innermost layer up to the top layer, then what lies on the higher
// layers (silk); objects of one pass keep their order in the store, whatever comes between them.
TEST_F(LayerPassTest, EachPassPaintsItsObjectsInStoreOrder)
{
    g_edit.currentLayer = kLayerAll;
    g_boardSettings.layerSwitches[15] = 1;
    g_boardSettings.layerDisplay[0] = 1;
    const int silk = addText("S", kLayerSilkTop, 0, 2000);
    const int top1 = add(trace(kLayerTop, 0));
    const int inner15 = add(trace(15, 100));
    const int inner7a = add(trace(7, 200));
    const int top2 = add(trace(kLayerTop, 300));
    const int inner7b = add(trace(7, 400));
    const int allLayers = add(pad(kLayerAll, 3000));   // after the copper, before the silk text
    const int silkPad = add(pad(kLayerSilkTop, 5000));

    EXPECT_EQ(drawn(), alone({inner15, inner7a, inner7b, top1, top2, silk, allLayers, silkPad}));
}

// An object on a layer numbered below the top layer (a hostile or old record) is painted after
// the top layer, in the pass 15 minus its layer, as copper is. Silk shares the pass of layer -2,
// whose traces are drawn in its first sub-pass and texts in the second.
TEST_F(LayerPassTest, LayersBelowTheTopAreTheLastPasses)
{
    g_edit.currentLayer = kLayerAll;
    g_boardSettings.layerDisplay[0] = 1;
    const int silk = addText("S", kLayerSilkTop, 0, 2000);
    const int below3 = add(trace(-3, 0));
    const int below1 = add(trace(-1, 100));
    const int below2 = add(trace(-2, 200));
    const int top = add(trace(kLayerTop, 300));
    EXPECT_EQ(drawn(), alone({top, below1, below2, silk, below3}));
}

// In the solder-mask view only the pads seen through the mask are drawn enlarged: the look
// belongs to each object, not to the one painted before it.
TEST_F(LayerPassTest, MaskLookBelongsToEachObject)
{
    g_boardSettings.mask = 100;
    g_edit.currentLayer = kLayerMaskTop;
    g_boardSettings.layerDisplay[0] = 1;
    const int allLayers = add(pad(kLayerAll, 0));        // seen through the top mask
    const int silkPad = add(pad(kLayerSilkTop, 2000));  // same pass, not seen through it
    const auto calls = paint();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].brush.color, colorOf(RoleColor(kRoleClearance)));   // enlarged ring
    EXPECT_EQ(calls[1].brush.color, colorOf(kMarkColor));
    EXPECT_EQ(calls[2].brush.color, colorOf(RoleColor(kRoleTopSilk)));     // plain pad
    EXPECT_EQ(drawn(), alone({allLayers, silkPad}));
}

// In the paste view a top pad is painted as copper in its own pass and once more, as paste, in
// the paste pass after all copper; only the paste pass gives it the paste look.
TEST_F(LayerPassTest, PastePassComesAfterAllCopper)
{
    g_edit.currentLayer = kLayerPasteTop;
    g_boardSettings.layerSwitches[0] = 1;
    g_boardSettings.layerSwitches[1] = 1;
    add(pad(kLayerTop, 0));
    add(trace(1, 2000));
    const auto calls = paint();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].name, "LineTo");                                    // the inner trace (pass 14)
    EXPECT_EQ(calls[1].brush.color, colorOf(0));                           // the pad as top copper (pass 15)
    EXPECT_EQ(calls[2].brush.color, colorOf(RoleColor(kRoleClearance)));   // then as paste (pass 16)
    EXPECT_EQ(calls[3].brush.color, colorOf(kMarkColor));
}

// Over a plane, thermal pads are painted once more at the very end, after every other object.
TEST_F(LayerPassTest, ThermalPadsOverAPlaneComeLast)
{
    g_edit.currentLayer = kLayerGround;
    const int thermal = add(object(kKindPad, kLayerGround, {0, 0, 600, 600, 0, kPadThermal, 300, 0}));
    const int all = add(pad(kLayerAll, 3000));
    const std::vector<std::string> whole = drawn();
    const std::vector<std::string> thermalAlone = alone({thermal});
    const std::vector<std::string> allAlone = alone({all});
    ASSERT_GT(thermalAlone.size(), 1u);
    // The thermal pad in its own pass, the all-layer pad, then the thermal pad again.
    std::vector<std::string> expected(thermalAlone.begin(), thermalAlone.begin() + thermalAlone.size() / 2);
    expected.insert(expected.end(), allAlone.begin(), allAlone.end());
    expected.insert(expected.end(), thermalAlone.begin() + thermalAlone.size() / 2, thermalAlone.end());
    EXPECT_EQ(whole, expected);
}

// A part placed by its package's name takes the package when its copper is painted, and in
// the same repaint gets the silk a part placed by number gets.
TEST_F(LayerPassTest, PartPlacedByNameGetsItsSilkInTheRepaintThatResolvesIt)
{
    const int n = addPackage("LIB\\PAD", {object(kKindPad, 0, {px(0), py(0), 600, 600, 0, kPadRect, 0, 0}),
                                          object(kKindRectangle, kLayerSilkTop, {px(-300), py(-300), 1200, 600, 0, 0, 0, 60})});
    g_edit.currentLayer = kLayerTop;
    g_boardSettings.layerDisplay[0] = 1;
    const int byNumber = addPart("U1:LIB\\PAD", n, kLayerTop, 0, 0);
    const std::vector<std::string> placed = drawn(byNumber, byNumber);
    bool silkDrawn = false;
    for (const plat::DcCall& call : paint(byNumber, byNumber))
        silkDrawn = silkDrawn || call.pen.color == colorOf(RoleColor(kRoleTopSilk));
    ASSERT_TRUE(silkDrawn) << "the package's silk rectangle is drawn";

    g_board.objects[byNumber].setKind(kKindPart);   // placed by name, not resolved yet
    EXPECT_EQ(drawn(), placed);
    EXPECT_EQ(g_board.objects[byNumber].package(), n);
}

}  // namespace
}  // namespace paint_test
