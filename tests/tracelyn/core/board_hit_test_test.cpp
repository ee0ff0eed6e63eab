// Hit tests of the board objects under the cursor.
#include "paint_fixture.h"

#include "tracelyn/core/app_state.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_hit_test.h"
#include "tracelyn/core/object_extent.h"

namespace {

using namespace paint_test;

class HitTest : public PaintTest {
protected:
    void SetUp() override
    {
        PaintTest::SetUp();
        g_selection.list.assign(kBoardStoreSize, 0);
        g_selectiveEdit.on.fill(1);
        g_gesture = EditGesture{};
        g_edit.currentLayer = 0;
    }
    int hitAt(int32_t x, int32_t y)
    {
        g_gesture.boardX = x;
        g_gesture.boardY = y;
        HitTestObject(1, g_board.count);
        return g_selection.count == 1 ? g_selection.list[1] : 0;
    }
};

TEST_F(HitTest, RectanglesAreHitAtTheirEdgesOnly)
{
    const int r = add(object(kKindRectangle, 0, {0, 0, 10000, 8000, 0, 0, 0, 20}));
    EXPECT_EQ(hitAt(5000, 4000), 0) << "the inside of a large rectangle";
    EXPECT_EQ(hitAt(15, 4000), r);
    EXPECT_EQ(g_gesture.rectangleEdge, 1);
    EXPECT_EQ(hitAt(5000, 8000), r);
    EXPECT_EQ(g_gesture.rectangleEdge, 4);
    EXPECT_EQ(hitAt(-100, 4000), 0);
}

TEST_F(HitTest, TracesAreHitAcrossTheirWidthAndAtTheirEnds)
{
    const int t = add(object(kKindLine, 0, {0, 0, 10000, 0, 0, 0, 0, 100}));
    EXPECT_EQ(hitAt(5000, 60), t) << "width / 2 + 10";
    EXPECT_EQ(hitAt(5000, 61), 0);
    EXPECT_EQ(hitAt(10050, 0), 0) << "no end caps";
    g_gesture.selectiveMode = kSelectiveEditNetsOnly;
    g_selectiveEdit.on.fill(0);
    EXPECT_EQ(hitAt(5000, 0), t) << "nets-only editing hits traces whatever the trace switch";
}

TEST_F(HitTest, AnythingHitBeatsAPartUnderIt)
{
    const int package = addPackage("LIB\\BODY", {object(kKindPad, 31, {px(0), py(0), 600, 600, 0, 0, 300, 0}),
                                                 object(kKindPad, 31, {px(4000), py(0), 600, 600, 0, 0, 300, 0})});
    const int part = addPart("U1", package, 0, 0, 0);
    const int trace = add(object(kKindLine, 0, {-2000, 0, 6000, 0, 0, 0, 0, 100}));
    EXPECT_EQ(hitAt(2000, 0), trace) << "the trace wins though the part comes first";
    EXPECT_EQ(hitAt(2000, 250), part) << "inside the body only the part";
}

TEST_F(HitTest, LayersDecideWhatCanBeHit)
{
    const int pad = add(object(kKindPad, kLayerAll, {0, 0, 600, 600, 0, 0, 300, 0}));
    const int silk = add(object(kKindLine, kLayerSilkTop, {5000, 0, 8000, 0, 0, 0, 0, 100}));
    EXPECT_EQ(hitAt(0, 0), pad);
    EXPECT_EQ(hitAt(6000, 0), 0) << "silk is not the current layer";
    g_edit.currentLayer = kLayerSilkTop;
    EXPECT_EQ(hitAt(0, 0), 0) << "all-layer objects are not hit on the silk layers";
    EXPECT_EQ(hitAt(6000, 0), silk);
    g_edit.currentLayer = kLayerAll;
    EXPECT_EQ(hitAt(6000, 0), silk);
}

TEST_F(HitTest, RotatedTextIsHitWhereItIsDrawn)
{
    const int upright = addText("HELLO", 0, 0, 0, 0x601, 0);
    const BoardBox box = UnrotatedTextBox(upright);
    ASSERT_GT(box.right, 1000);
    EXPECT_EQ(hitAt(box.right / 2, -100), upright);
    g_board.objects[upright].w[3] = 900;   // a quarter turn: the text runs upward
    EXPECT_EQ(hitAt(box.right / 2, -100), 0);
    EXPECT_EQ(hitAt(-100, -box.right / 2), upright) << "its letters stand to the left of the anchor";
}

}  // namespace
