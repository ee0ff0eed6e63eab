// The paint index of a board document: a view painted before an edit repaints, box by box,
// what a view opened after the edit paints, whichever path made the edit (the mouse, undo,
// paste, a record written straight into the store as file reads, netlist reads and the router
// write them); deleted objects vanish; every kind's extent holds what it paints at every zoom;
// hostile coordinates are filed and culled without overflow.
#include "paint_fixture.h"
#include "edit_fixture.h"

#include "tracelyn/route/route_fixture.h"

#include "platform/gdi/raster_dc.h"
#include "platform/app/command_ids.h"
#include "resources/tracelyn/board_command_ids.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "support/raster_hash.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_primitives.h"
#include "tracelyn/core/outline_editing.h"
#include "tracelyn/core/paint_extent.h"

#include <climits>
#include <functional>
#include <utility>

namespace paint_extent_test {
namespace {

using paint_test::object;
using paint_test::px;
using paint_test::py;

constexpr int kBox = 140;        // pixels
constexpr int kEdge = 50;        // pixels

// The document painted whole into `dc` as a view opened now would paint it: through an index
// built afresh, the document's own put back afterwards.
void paintFresh(plat::RasterDc& dc, BoardDocumentData& doc, const plat::Rect& client)
{
    ExtentIndex kept = std::exchange(doc.paintIndex, ExtentIndex{});
    PrepareScreenMapping(dc, client);
    PaintBoardView(dc, doc);
    doc.paintIndex = std::move(kept);
}

// Paints the document through its own index, as the open view does before an edit.
void paintThroughIndex(BoardDocumentData& doc, const plat::Rect& client)
{
    plat::RasterDc dc(client.right, client.bottom);
    PrepareScreenMapping(dc, client);
    PaintBoardView(dc, doc);
    EXPECT_EQ(doc.paintIndex.count(), doc.objectCount) << "the repaint walked the document's index";
}

// Repaints each box of the window in turn (RedrawRect) into a blank window through the
// document's own index, then into another through an index built afresh: the two must agree.
// An object the own index still files where it was before an edit is missing from the box it
// has moved into. The fresh repaints come last, since painters store measured widths in their
// records, which would tell the own index of the edit.
void expectBoxesAsFresh(BoardDocumentData& doc, const plat::Rect& client)
{
    auto repaintBoxes = [&](plat::RasterDc& dc) {
        // A rectangle's repaint grows it by 30 pixels and leaves the rulers and the window's
        // last row and column to the whole window's repaint: the boxes keep off the edges.
        for (int y = client.top + kEdge; y + kBox <= client.bottom - kEdge; y += kBox) {
            for (int x = client.left + kEdge; x + kBox <= client.right - kEdge; x += kBox) {
                PrepareScreenMapping(dc, client);
                plat::Point corners[2] = {{x, y}, {x + kBox, y + kBox}};
                dc.DPtoLP(corners);
                RedrawRect(dc, corners[0].x, corners[0].y, corners[1].x, corners[1].y);
            }
        }
    };
    plat::RasterDc kept(client.right, client.bottom), fresh(client.right, client.bottom);
    repaintBoxes(kept);
    ExtentIndex own = std::exchange(doc.paintIndex, ExtentIndex{});
    repaintBoxes(fresh);
    doc.paintIndex = std::move(own);
    EXPECT_EQ(quill_test::rasterHash(kept.bitmap()), quill_test::rasterHash(fresh.bitmap()))
        << "the window's boxes repaint unlike a fresh view's";
}

uint64_t freshHash(BoardDocumentData& doc, const plat::Rect& client)
{
    plat::RasterDc dc(client.right, client.bottom);
    paintFresh(dc, doc, client);
    return quill_test::rasterHash(dc.bitmap());
}

constexpr plat::Rect kWindow{0, 0, 800, 600};
// Board units a pixel at zoom 3.
constexpr int32_t kPixel = 50;

class PaintIndexTest : public paint_test::PaintTest {
protected:
    void SetUp() override
    {
        PaintTest::SetUp();
        g_boardSettings.layerSwitches[1] = 1;
        g_boardSettings.layerDisplay[0] = 1;
        g_edit.currentLayer = kLayerTop;
    }
    // The board point of a window pixel at zoom 3 with the view centred on the origin.
    static int32_t bx(int pixel) { return (pixel - 400) * kPixel; }
    static int32_t by(int pixel) { return (pixel - 300) * kPixel; }

    int addSilkPackagePart(int32_t x, int32_t y, int32_t rotation, const char* name = "U")
    {
        static int made = 0;
        const int n = paint_test::addPackage("LIB\\BOX" + std::to_string(++made),
                                             {object(kKindLine, 16, {px(-400), py(0), px(400), py(0), 0, 0, 0, 8}),
                                              object(kKindPad, 0, {px(-400), py(0), 200, 200, 0, 2, 0, 0})});
        BoardObject part = object(kKindPart + n, 0, {x, y, px(0), py(-600), 0, -1, rotation, 7});
        part.data = StrDupChecked(name);
        return add(part);
    }
};

TEST_F(PaintIndexTest, RecordsWrittenStraightIntoTheStoreRepaintAsAFreshView)
{
    const int trace = add(object(kKindLine, 0, {bx(-300), by(50), bx(-250), by(60), 0, 0, 0, 120}));
    const int text = addText("R", kLayerSilkTop, bx(-200), by(150), 0x601);
    const int pad = add(object(kKindPad, 31, {bx(150), by(400), 600, 600, 0, 0, 300, 0}));
    const int part = addSilkPackagePart(bx(-450), by(450), 0, "UUUUUU");
    BoardObject polygon = object(kKindPolygon, 0, {0, 0, 3, 0, 0, 0, kFillSolid, 10});
    polygon.data = NewPointBlock(6);
    const int32_t corners[6] = {bx(-300), by(80), bx(-280), by(80), bx(-290), by(100)};
    std::copy(std::begin(corners), std::end(corners), polygon.points());
    const int shape = add(polygon);
    auto at = [this](int i) -> BoardObject& { return (*doc.objects)[static_cast<size_t>(i)]; };

    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"a trace moved across the window", [&] {
             at(trace).w[0] = bx(500);
             at(trace).w[2] = bx(560);
         }},
        {"a text's string grown in place", [&] {
             FreeObjectData(at(text));
             at(text).data = StrDupChecked("RRRRRRRRRRRRRRRRRRRRRRRRR");
         }},
        {"a pad grown", [&] { at(pad).w[2] = at(pad).w[3] = 30000; }},
        {"a polygon's vertices moved", [&] {
             int32_t* v = at(shape).points();
             v[0] = bx(600);
             v[2] = bx(700);
         }},
        {"the package under a placed part lengthened", [&] {
             const int first = g_packages.defs[static_cast<size_t>(at(part).package())].firstObject();
             g_packages.objects[static_cast<size_t>(first + 1)].w[2] = px(30000);
             ComputePartExtent(at(part).package());   // as the package editor does on saving
         }},
        {"the part turned", [&] { at(part).w[6] = 100; }},
        {"the label font enlarged", [&] { g_boardSettings.lib_font = 8; }},
        {"an object appended past the old count", [&] {
             add(object(kKindEllipse, 0, {bx(650), by(500), 3000, 2000, 0, 0, 0, 40}));
         }},
        {"a slot reused for another kind", [&] {
             at(trace) = object(kKindMarker, 0, {bx(100), by(500), 0, 0, 0, 0, 0, 0});
         }},
        {"the outline's corners moved into the window", [&] { SetOutlineRectangle(bx(120), by(120), bx(680), by(480)); }},
    };
    for (const auto& [what, edit] : edits) {
        SCOPED_TRACE(what);
        paintThroughIndex(doc, kWindow);
        const uint64_t before = freshHash(doc, kWindow);
        edit();
        expectBoxesAsFresh(doc, kWindow);
        EXPECT_NE(freshHash(doc, kWindow), before) << "the edit shows";
    }
}

TEST_F(PaintIndexTest, DeletedObjectsVanish)
{
    const uint64_t empty = freshHash(doc, kWindow);
    const int trace = add(object(kKindLine, 0, {bx(100), by(100), bx(700), by(500), 0, 0, 0, 200}));
    const int text = addText("GONE", kLayerSilkTop, bx(300), by(300), 0x601);
    paintThroughIndex(doc, kWindow);
    EXPECT_NE(freshHash(doc, kWindow), empty);
    for (const int i : {trace, text}) {
        BoardObject& o = (*doc.objects)[static_cast<size_t>(i)];
        FreeObjectData(o);
        o.setKind(kKindDeleted);
    }
    expectBoxesAsFresh(doc, kWindow);
    plat::RasterDc dc(kWindow.right, kWindow.bottom);
    PrepareScreenMapping(dc, kWindow);
    PaintBoardView(dc, doc);
    EXPECT_EQ(quill_test::rasterHash(dc.bitmap()), empty) << "through the index, the window is as before they were drawn";
}

// Objects of every kind, turned and mirrored, straddling the boxes' edges: a box repainted
// alone shows what the whole window shows, so no kind's extent leaves out what it paints.
TEST_F(PaintIndexTest, EveryKindsExtentHoldsWhatItPaintsAtEveryZoom)
{
    g_edit.currentLayer = kLayerAll;
    const int32_t s = 4 * kPixel;
    for (int i = 0; i < 9; ++i) {
        const int32_t x = bx(90 + 80 * i), y = by(95);
        addText("Ref" + std::to_string(i), kLayerSilkTop, x, y, i << 8 | 1, (i * 450) | (i % 2) << 12);
    }
    add(object(kKindLine, 0, {bx(95), by(195), bx(305), by(205), 0, 0, 0, 300}));
    add(object(kKindArc, 0, {bx(395), by(195), bx(505), by(305), 0, 0, 0, 200}));
    add(object(kKindRectangle, 0, {bx(595), by(195), 80 * kPixel, 30 * kPixel, 0, 450 << 2, 0, 100}));
    add(object(kKindRectangle, 0, {bx(705), by(195), 80 * kPixel, 30 * kPixel, 0, 1 << 15, 0, 100}));
    add(object(kKindEllipse, 0, {bx(200), by(300), 12 * s, 5 * s, 0, 0, 0, 100}));
    add(object(kKindPad, 0, {bx(400), by(300), 3 * s, s, 0, 3 | 450 << 3, 0, 0}));
    add(object(kKindPad, kLayerGround, {bx(500), by(400), 3 * s, 3 * s, 0, kPadThermal, 2 * s, 0}));
    add(object(kKindFixedRectangle, 0, {bx(595), by(295), bx(595) + 20 * s, by(295) + 20 * s, 0, 0, 0, 0}));
    add(object(kKindMarker, 0, {bx(300), by(400), 0, 0, 0, 0, 0, 0}));
    BoardObject polygon = object(kKindPolygon, 0, {0, 0, 3, 0, 0, 0, kFillSolid, 60});
    polygon.data = NewPointBlock(6);
    const int32_t corners[6] = {bx(95), by(395), bx(210), by(420), bx(150), by(510)};
    std::copy(std::begin(corners), std::end(corners), polygon.points());
    add(polygon);
    for (int i = 0; i < 4; ++i)
        addSilkPackagePart(bx(100 + 200 * i), by(500), i * 675);
    // A round board edge across the boxes, one quarter bent the other way.
    const int32_t r = 180 * kPixel;
    const int32_t edge[4][5] = {{bx(400) - r, by(300), bx(400), by(300) - r, kSegmentArc},
                                {bx(400), by(300) - r, bx(400) + r, by(300), kSegmentArcReversed},
                                {bx(400) + r, by(300), bx(400), by(300) + r, kSegmentArc},
                                {bx(400), by(300) + r, bx(400) - r, by(300), kSegmentLine}};
    for (int k = 0; k < 4; ++k)
        std::copy(std::begin(edge[k]), std::end(edge[k]), (*doc.objects)[1].points() + k * kSegmentWords);
    for (const int z : {0, 3, 5, 6}) {
        SCOPED_TRACE("zoom " + std::to_string(z));
        zoom(z);
        paintThroughIndex(doc, kWindow);
        expectBoxesAsFresh(doc, kWindow);
    }
}

TEST_F(PaintIndexTest, HostileCoordinatesAreFiledAndCulledWithoutOverflow)
{
    const int32_t lo = INT32_MIN, hi = INT32_MAX;
    // Sizes near the limits saturate the extent instead of wrapping round.
    for (const BoardObject& o : {object(kKindLine, 0, {lo, lo, hi, hi, 0, 0, 0, hi}),
                                 object(kKindPad, 0, {lo, hi, hi, lo, 0, 0, lo, 0}),
                                 object(kKindEllipse, 0, {hi, lo, lo, lo, 0, 0, 0, lo}),
                                 object(kKindArc, 0, {lo, hi, hi, lo, 0, 0, 0, hi}),
                                 object(kKindRectangle, 0, {hi, hi, lo, hi, 0, 0, 0, lo}),
                                 object(kKindFixedRectangle, 0, {lo, lo, lo, lo, 0, 0, 0, 0})}) {
        const SlotExtent e = PaintExtentOf(o);
        SCOPED_TRACE("kind " + std::to_string(o.kind()));
        ASSERT_EQ(e.reach, SlotExtent::Reach::kBox);
        EXPECT_LE(e.box.left, e.box.right);
        EXPECT_LE(e.box.top, e.box.bottom);
    }

    // Objects placed at the limits are culled at every zoom, the one in view is painted.
    const int near = add(object(kKindLine, 0, {0, 0, 200, 100, 0, 0, 0, 120}));
    std::vector<int> far = {
        add(object(kKindLine, 0, {hi, hi, hi - 5, hi, 0, 0, 0, 120})),
        add(object(kKindPad, 0, {lo, lo, 600, 600, 0, 0, 300, 0})),
        add(object(kKindEllipse, 0, {hi, lo, 3000, 2000, 0, 0, 0, 40})),
        add(object(kKindArc, 0, {lo, hi, lo + 3000, hi - 3000, 0, 0, 0, 40})),
        add(object(kKindRectangle, 0, {hi, hi, 3000, 3000, 0, 0, 0, 40})),
        add(object(kKindFixedRectangle, 0, {lo, lo, lo + 3000, lo + 3000, 0, 0, 0, 0})),
        add(object(kKindMarker, 0, {hi, hi, 0, 0, 0, 0, 0, 0})),
        addText("FAR", kLayerSilkTop, hi, lo, 0x801),
        addSilkPackagePart(hi, hi, 450),
        addSilkPackagePart(lo, lo, 0),
    };
    plat::RasterDc dc(kWindow.right, kWindow.bottom);
    for (const int z : {0, 3, 6, 9}) {
        SCOPED_TRACE("zoom " + std::to_string(z));
        zoom(z);
        PrepareScreenMapping(dc, kWindow);
        std::vector<int> slots;
        PaintCandidates(doc.paintIndex, doc.objects->data(), doc.objectCount, PaintArea(dc), slots);
        EXPECT_NE(std::find(slots.begin(), slots.end(), near), slots.end()) << "the trace in view is asked for";
        for (const int i : far)
            EXPECT_EQ(std::find(slots.begin(), slots.end(), i), slots.end()) << "object " << i << " is culled";
        PaintBoardView(dc, doc);
    }
    zoom(3);
    expectBoxesAsFresh(doc, kWindow);
}

// The board program itself: a trace drawn, moved by the mouse, undone, copied and pasted,
// deleted; each time the view's boxes repaint as a fresh view does.
class EditedView : public edit_test::BoardEditTest {
protected:
    BoardDocumentData& data() { return board()->data(); }
    plat::Rect window() const { return g_view.clientRect; }
    void expectAsFresh(const char* what)
    {
        SCOPED_TRACE(what);
        expectBoxesAsFresh(data(), window());
        paintThroughIndex(data(), window());
    }
};

TEST_F(EditedView, MouseMovesUndoPasteAndDeleteRepaintAsAFreshView)
{
    paintThroughIndex(data(), window());
    tool(tly::kCmdToolTrace);
    drag(100, 100, 160, 100);
    command(tly::kCmdSelect);
    expectAsFresh("a trace drawn");
    click(130, 100);
    ASSERT_EQ(g_selection.count, 1);
    press(130, 100);
    moveTo(135, 105);
    moveTo(500, 450);
    release(500, 450);
    expectAsFresh("the trace moved by the mouse");
    command(tly::kCmdUndo);
    expectAsFresh("the move undone");
    click(130, 100);
    ASSERT_EQ(g_selection.count, 1);
    command(plat::kIdEditCopy);
    command(tly::kCmdEditPaste);
    expectAsFresh("the trace pasted");
    command(tly::kCmdEditClear);
    expectAsFresh("the pasted trace deleted");
}

// A netlist read appends its rats nest, the autorouter its traces and vias.
class ReadAndRouted : public route_test::BatchRunTest {};

TEST_F(ReadAndRouted, NetlistReadAndAutorouteRepaintAsAFreshView)
{
    paint_test::resetPaintState();
    g_boardSettings.layerSwitches[1] = 1;
    writeLibrary(route_test::dip8());
    const int dip = package("DIP8");
    const auto [nets, count] = placeGrid(dip, 4, 2, 6000, 6000, 8, 2);
    g_board.zoomIndex = doc.zoomIndex = 3;
    g_view.zoomDivisor = ZoomDivisorOf(3);
    paintThroughIndex(doc, kWindow);
    const uint64_t placed = freshHash(doc, kWindow);
    writeNetlist(route_test::netlistHeader(count) + nets);
    ASSERT_EQ(BuildRatsNest(1), 1);
    {
        SCOPED_TRACE("the netlist read");
        expectBoxesAsFresh(doc, kWindow);
    }
    EXPECT_NE(freshHash(doc, kWindow), placed) << "the rats nest shows";
    answerRun(false);
    CBatchRouter router;
    EXPECT_EQ(router.BatchRoute(), 1);
    SCOPED_TRACE("the board routed");
    expectBoxesAsFresh(doc, kWindow);
}

}  // namespace
}  // namespace paint_extent_test
