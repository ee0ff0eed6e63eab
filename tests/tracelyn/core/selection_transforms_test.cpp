// Rotate, mirror, flip and erase the selection through the view's commands.
#include "edit_fixture.h"
#include "board_objects.h"
#include "common/string_helpers.h"

#include "platform/app/keys.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/selection_transforms.h"

namespace {

using namespace edit_test;

class Transforms : public BoardEditTest {
protected:
    BoardObject& record(int i) { return (*board()->data().objects)[static_cast<size_t>(i)]; }
    int put(const BoardObject& o)
    {
        const int i = board()->data().objectCount + 1;
        record(i) = o;
        board()->data().objectCount = i;
        return i;
    }
    void selectOnly(int index)
    {
        g_selection.count = 1;
        g_selection.list[1] = index;
        g_gesture.tool = kToolSelect;
    }
    static BoardObject make(int kind, std::array<int32_t, 8> w)
    {
        BoardObject o;
        std::copy(w.begin(), w.end(), o.w.begin());
        o.w[4] = kind;
        return o;
    }
};

TEST_F(Transforms, RectanglesTurnBySizeOrByTheirRotationField)
{
    const int r = put(make(kKindRectangle, {1000, 1000, 3000, 1000, 0, 0, 0, 10}));
    selectOnly(r);
    command(tly::kCmdRotate);
    EXPECT_EQ(record(r).w[2], -1000);
    EXPECT_EQ(record(r).w[3], 3000);
    g_drawDefaults.rotationAngle = 45 * 0.0174532922;
    selectOnly(r);
    command(tly::kCmdRotate);
    EXPECT_EQ((record(r).w[5] >> 2) & 0xFFF, 450);
    command(tly::kCmdUndo);
    command(tly::kCmdUndo);
    EXPECT_EQ(record(r).w[2], 3000) << "each transform is one undo step";
    EXPECT_EQ(record(r).w[5], 0);
}

TEST_F(Transforms, PartsAndTextsFlipWithTheirMirrorFlag)
{
    const int part = put(make(kKindPart + 1, {0, 0, 0, 0, 0, 0, 900, 1}));
    record(part).data = nullptr;
    selectOnly(part);
    command(tly::kCmdFlip);
    EXPECT_EQ(record(part).w[6], 2700 | 0x1000);
    selectOnly(part);
    command(tly::kCmdFlip);
    EXPECT_EQ(record(part).w[6], 900);

    const int text = put(make(kKindText, {0, 0, 0x601, 0, 0, 0, 0, 0}));
    selectOnly(text);
    command(tly::kCmdFlip);
    EXPECT_EQ(record(text).w[3], 1800 | 0x1000);
    record(text).w[3] = 1800;
    selectOnly(text);
    command(tly::kCmdFlip);
    EXPECT_EQ(record(text).w[3] & 0xFFF, 3600 & 0xFFF);
    selectOnly(text);
    command(tly::kCmdMirror);
    EXPECT_EQ(record(text).w[3] & 0x1000, 0) << "mirror toggles the flag only";
}

TEST_F(Transforms, ArcsKeepTheirBendWhenTheyTurn)
{
    const int arc = put(make(kKindArc, {0, 0, 1000, 2000, 0, 0, 0, 10}));
    selectOnly(arc);
    command(tly::kCmdRotate);
    // Turned a quarter about its first point: the ends change quadrant and are exchanged.
    EXPECT_EQ(record(arc).w[2], 0);
    EXPECT_EQ(record(arc).w[3], 0);
    EXPECT_EQ(record(arc).w[0], -2000);
    EXPECT_EQ(record(arc).w[1], 1000);
}

TEST_F(Transforms, ALargeEraseIsOneStep)
{
    for (int i = 0; i < 700; ++i)
        put(make(kKindLine, {i * 10, 0, i * 10, 500, 0, 0, 0, 10}));
    g_selection.count = 0;
    for (int i = 2; i <= 80; ++i)
        g_selection.list[static_cast<size_t>(++g_selection.count)] = i;
    g_gesture.tool = kToolSelect;
    command(tly::kCmdErase);
    EXPECT_EQ(record(2).kind(), kKindDeleted);
    EXPECT_EQ(record(81).kind(), kKindLine);
    EXPECT_EQ(frame().statusBarPanes().GetPaneText(0), "Erase complete");
    command(tly::kCmdUndo);
    EXPECT_EQ(record(2).kind(), kKindLine);
    EXPECT_EQ(record(80).kind(), kKindLine);
}

TEST_F(Transforms, ReorderingNeverMovesTheOutline)
{
    const int a = put(make(kKindLine, {0, 0, 100, 0, 0, 0, 0, 10}));
    const int b = put(make(kKindLine, {0, 0, 200, 0, 0, 0, 0, 10}));
    const int c = put(make(kKindLine, {0, 0, 300, 0, 0, 0, 0, 10}));
    selectOnly(c);
    command(tly::kCmdToBack);
    EXPECT_EQ(record(a).w[2], 300);
    EXPECT_EQ(record(c).w[2], 100);
    selectOnly(1);
    command(tly::kCmdToBack);
    EXPECT_EQ(record(1).kind(), kKindOutline) << "object 1 stays the outline";
    selectOnly(a);
    command(tly::kCmdToFront);
    EXPECT_EQ(record(c).w[2], 300);
    g_selection.count = 2;
    g_selection.list[2] = b;
    command(tly::kCmdToFront);
    EXPECT_EQ(record(c).w[2], 300) << "two selected objects: nothing";
    command(tly::kCmdUndo);
    EXPECT_EQ(record(a).w[2], 300) << "both slots come back with one undo";
}

TEST_F(Transforms, HandlesReshapeARectangleAndAnOutlineVertex)
{
    tool(tly::kCmdToolRectangle);
    drag(100, 100, 200, 160);
    command(tly::kCmdSelect);
    click(100, 130);
    ASSERT_EQ(g_selection.count, 1);
    // Handle 1 is the far corner: dragged left of the first corner the width turns negative.
    press(200, 160);
    EXPECT_TRUE(g_gesture.overHandle);
    moveTo(150, 170);
    moveTo(60, 170);
    release(60, 170);
    EXPECT_EQ(object(2).w[2], -40 * kUnitsPerPixel);
    EXPECT_EQ(object(2).w[3], 70 * kUnitsPerPixel);
    command(tly::kCmdUndo);
    EXPECT_EQ(object(2).w[2], 100 * kUnitsPerPixel) << "the drag is one undo step";
}

TEST_F(Transforms, RubberBandedTracesFollowAMovedPart)
{
    BoardObject pad;
    pad.w = {-10000, -5000, 600, 600, kKindPad | (31 << 10), 0, 300, 0};
    ClearPackageTables();
    const int package = ++g_packages.count;
    PackageDef& def = g_packages.defs[static_cast<size_t>(package)];
    def.name = "LIB\\ONE";
    BoardObject& header = g_packages.objects[1];
    header = BoardObject{};
    header.w[0] = 1;
    header.w[1] = 2;
    header.w[4] = 1;
    g_packages.objects[2] = pad;
    def.setObjects(1, 2);
    g_packages.objectCount = 2;
    ComputePartExtent(package);

    BoardObject part = make(kKindPart + package, {0, 0, 0, 0, 0, 0, 0, 1});
    const int p = put(part);
    record(p).data = nullptr;
    const int trace = put(make(kKindLine, {0, 0, 5000, 0, 0, 0, 0, 10}));
    g_boardSettings.rubber = 1;
    selectOnly(p);
    command(tly::kCmdRotate);
    EXPECT_EQ(record(trace).w[0], 0) << "a pad at the part's origin stays put under a turn";
    EXPECT_EQ(record(trace).w[2], 5000) << "the far end stays";
    ClearPackageTables();
}

// With rubber-banding on, the trace end and the pad at a dragged trace end go with it, and one
// undo puts all three back.
TEST_F(Transforms, AHandleDragTakesTheJoinedTraceEndAndPadAlong)
{
    tool(tly::kCmdToolTrace);
    drag(100, 100, 200, 100);
    const int a = count();
    drag(200, 100, 200, 160);
    const int b = count();
    tool(tly::kCmdToolPad);
    click(200, 100);
    const int pad = count();
    ASSERT_EQ(record(pad).kind(), kKindPad);
    const std::array<int32_t, 14> padBefore = record(pad).w;
    const std::array<int32_t, 14> bBefore = record(b).w;
    g_boardSettings.rubber = 1;
    command(tly::kCmdSelect);
    click(150, 100);
    ASSERT_EQ(g_selection.count, 1);
    ASSERT_EQ(g_selection.list[1], a);
    press(200, 100);
    ASSERT_TRUE(g_gesture.overHandle);
    moveTo(215, 115);
    moveTo(230, 130);
    release(230, 130);
    const int32_t x = record(a).w[0] + 130 * kUnitsPerPixel, y = record(a).w[1] + 30 * kUnitsPerPixel;
    EXPECT_EQ(record(a).w[2], x);
    EXPECT_EQ(record(a).w[3], y);
    EXPECT_EQ(record(b).w[0], x) << "the joined trace end follows";
    EXPECT_EQ(record(b).w[1], y);
    EXPECT_EQ(record(b).w[2], bBefore[2]) << "its far end stays";
    EXPECT_EQ(record(pad).w[0], x) << "the pad follows";
    EXPECT_EQ(record(pad).w[1], y);
    command(tly::kCmdUndo);
    EXPECT_EQ(record(a).w[2], bBefore[0]);
    EXPECT_EQ(record(b).w, bBefore);
    EXPECT_EQ(record(pad).w, padBefore);
}

// A press on a part's label drags the label in the part's own frame; the part stays and one undo
// puts the label back.
TEST_F(Transforms, DraggingAPartsLabelMovesOnlyTheLabel)
{
    BoardObject pad;
    pad.w = {-10000, -5000, 600, 600, kKindPad | (31 << 10), 0, 300, 0};
    ClearPackageTables();
    const int package = board_test::addPackage("LIB\\ONE", {pad});
    g_crosshair.on = false;
    command(tly::kCmdSelect);
    struct Case {
        int32_t rotation;
        int32_t dx, dy;   // expected change of words 2 and 3 for a drag of (+20, +10) pixels
    };
    const Case cases[] = {{0, 20, 10}, {900, 10, -20}, {1800, -20, -10}, {2700 + 4096, -10, -20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rotation);
        BoardObject part = make(kKindPart + package, {2000, 3000, 1500, -1000, 0, 0, c.rotation, 1});
        const int p = put(part);
        record(p).data = StrDupChecked("R");
        const std::array<int32_t, 14> before = record(p).w;
        g_partPosition = {before[0], before[1]};
        int32_t lx = 0, ly = 0;
        TransformPoint(before[2], before[3], lx, ly, c.rotation & 0xFFF, (c.rotation >> 12) & 1, true);
        BoardToCursorSpace(lx, ly);
        const int px = lx / g_view.zoomDivisor, py = ly / g_view.zoomDivisor;
        selectOnly(p);
        drag(px, py, px + 20, py + 10);
        EXPECT_EQ(record(p).w[0], before[0]) << "the part stays";
        EXPECT_EQ(record(p).w[1], before[1]);
        EXPECT_EQ(record(p).w[2], before[2] + c.dx * kUnitsPerPixel);
        EXPECT_EQ(record(p).w[3], before[3] + c.dy * kUnitsPerPixel);
        command(tly::kCmdUndo);
        EXPECT_EQ(record(p).w, before);
        EraseObject(p);
    }
    ClearPackageTables();
}

}  // namespace
