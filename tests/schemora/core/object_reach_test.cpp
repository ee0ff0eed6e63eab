// The repaint's walk over the store's extent index, through the real view: whatever path
// changes a record (the mouse, undo, paste, a file read, typing into a text, a write straight
// into the store), the next repaint of a view painted before shows what a view painting the
// drawing for the first time shows.
#include "edit_view_fixture.h"
#include "paint_test_support.h"

#include "common/extent_index.h"
#include "common/string_helpers.h"
#include "platform/app/keys.h"
#include "platform/app/win_constants.h"
#include "platform/core/archive.h"
#include "platform/gdi/recording_dc.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/drawing_file.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/object_append.h"
#include "schemora/core/object_reach.h"
#include "schemora/core/object_store.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/text_entry.h"

#include <climits>
#include <cstdlib>
#include <string>

using namespace schemora_test;
using namespace scm;

namespace {

class IndexedRepaint : public EditView {
protected:
    // FNV-1a over the client area of the view after a whole repaint.
    uint64_t shown()
    {
        view()->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
        return fingerprint();
    }
    uint64_t fingerprint() const
    {
        const plat::Rect r = view()->clientRect();
        uint64_t h = 14695981039346656037ull;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                h = (h ^ view()->backingPixel(x, y)) * 1099511628211ull;
        return h;
    }
    // The same view with the store's index forgotten, as a view painting the drawing first.
    uint64_t fresh()
    {
        ExtentIndex* index = PaintIndexOf(doc()->data().objects.data());
        EXPECT_NE(index, nullptr) << "a document's store has an index";
        if (index)
            index->clear();
        return shown();
    }
    // Repaints only the box (drawing units) around an edited place, as the editors do, and
    // fingerprints the whole view.
    uint64_t shownAfterRepaintOf(int x1, int y1, int x2, int y2)
    {
        const plat::Point a = pixelOf(x1, y1), b = pixelOf(x2, y2);
        const plat::Rect box = plat::Rect{a.x, a.y, b.x, b.y}.normalized();
        view()->RedrawWindow(&box, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
        return fingerprint();
    }
    // The view, repainted only around the edit, shows the edit and what a fresh view shows.
    void expectRepaintShowsTheEdit(uint64_t before, int x1, int y1, int x2, int y2)
    {
        const uint64_t after = shownAfterRepaintOf(x1, y1, x2, y2);
        EXPECT_NE(after, before) << "the edit changed the view";
        EXPECT_EQ(after, fresh()) << "the repaint after the edit shows what a fresh view shows";
    }
    // Dots far outside the view fill the first slots, so that the index's cells are small
    // beside the view and an object's old box and new place lie in different cells.
    void scatterDots()
    {
        int slot = 0;
        for (int y = -20000; y <= 20000; y += 600)
            for (int x = -20000; x <= 20000; x += 600)
                if (std::abs(x) > 4000 || std::abs(y) > 4000)
                    doc()->data().objects[++slot] = MakeDrawObject(ObjectWords(kObjDot, x, y), nullptr);
        dots = slot;
        doc()->data().objectCount = slot;
        view()->LoadCurrentDocument();
    }
    DrawObject& at(int k) const { return object(dots + k); }
    void putText(int k, int x, int y, const char* text)
    {
        DrawObject& o = doc()->data().objects[dots + k];
        ReleaseObjectData(o);
        o = MakeDrawObject(ObjectWords(kObjText, x, y), text);
        doc()->data().objectCount = std::max(doc()->data().objectCount, dots + k);
        view()->LoadCurrentDocument();
    }
    void SetUp() override
    {
        EditView::SetUp();
        scatterDots();
    }
    int dots = 0;
    void selectAll() { ASSERT_TRUE(key('A', true)); }
    void selectMode() { ASSERT_TRUE(key(plat::kVkF9)); }
    void type(std::string_view text)
    {
        for (char c : text)
            if (!character(c))
                view()->SendMessage(plat::kWmChar, static_cast<unsigned char>(c), 1);
        harness->idle();
    }
    void TearDown() override
    {
        EndTextEntry(nullptr);
        EditView::TearDown();
    }
};

}  // namespace

TEST_F(IndexedRepaint, MovingByMouseAndUndoingRepaintAsAFreshView)
{
    putText(1, -1500, -1200, "R1");
    const uint64_t placed = shown();

    selectMode();
    selectAll();
    drag(-1480, -1210, 1520, 1790);
    ASSERT_EQ(at(1).x(), 1500) << "the text moved";
    key(plat::kVkEscape);
    expectRepaintShowsTheEdit(placed, 1300, 1500, 1800, 1900);
    const uint64_t moved = fingerprint();

    ASSERT_TRUE(key('Z', true));
    ASSERT_EQ(at(1).x(), -1500) << "undo put the text back";
    expectRepaintShowsTheEdit(moved, -1700, -1500, -1200, -1100);
}

TEST_F(IndexedRepaint, APasteAndADeletionRepaintAsAFreshView)
{
    command(kCmdToolLine);
    drag(0, 0, 400, 0);
    putText(2, 0, 200, "OUT");
    const uint64_t drawn = shown();
    selectMode();
    selectAll();
    ASSERT_TRUE(key('C', true));
    ASSERT_TRUE(key('V', true));
    ASSERT_EQ(count(), dots + 4) << "the line and the text pasted";
    key(plat::kVkEscape);
    expectRepaintShowsTheEdit(drawn, 100, 100, 700, 500);

    // Deleted objects vanish.
    selectAll();
    ASSERT_TRUE(key(plat::kVkDelete));
    key(plat::kVkEscape);
    EXPECT_EQ(at(1).type(), kObjDeleted);
    const uint64_t empty = shownAfterRepaintOf(-100, -200, 800, 500);
    EXPECT_EQ(empty, fresh());
    for (int k = 1; k <= 4; ++k)
        doc()->data().objects[dots + k].setType(kObjDeleted);
    EXPECT_EQ(empty, shown()) << "nothing of the deleted objects is left";
}

TEST_F(IndexedRepaint, TypingIntoATextRepaintsAsAFreshView)
{
    ASSERT_TRUE(character('t'));
    click(-1500, 0);
    ASSERT_TRUE(TextEntryActive());
    type("A");
    view()->SendMessage(plat::kWmKeyDown, plat::kVkEscape, 1);
    harness->idle();
    const uint64_t shortText = shown();

    // Opening the text again and typing on makes it reach far past its old box.
    ASSERT_TRUE(character('t'));
    click(-1490, -5);   // on the text: opened, not a new one
    ASSERT_TRUE(TextEntryActive());
    ASSERT_EQ(count(), dots + 1);
    view()->SendMessage(plat::kWmKeyDown, plat::kVkEnd, 1);
    type("BCDEFGHIJKLMNOPQRSTUVWXYZ");
    view()->SendMessage(plat::kWmKeyDown, plat::kVkEscape, 1);
    harness->idle();
    ASSERT_NE(at(1).text, nullptr);
    EXPECT_GT(std::string(at(1).text).size(), 10u);
    // Only the part of the text beyond its old box is repainted.
    expectRepaintShowsTheEdit(shortText, -1150, -100, -750, 20);
}

TEST_F(IndexedRepaint, AFileReadIntoTheDocumentRepaintsAsAFreshView)
{
    // A drawing with a text and a wire, written as a file.
    putText(1, -600, -300, "FROM FILE");
    command(kCmdToolLine);
    drag(-600, -200, 600, -200);
    const std::string path = folder.file("other.pic");
    {
        plat::Archive ar(plat::Archive::Mode::Store);
        g_current.count = count();
        WriteDrawing(doc()->data(), ar, kWriteDrawing, path);
        folder.write("other.pic", std::vector<unsigned char>(ar.bytes().begin(), ar.bytes().end()));
    }
    const uint64_t fromFile = shown();
    // The view shows something else, then reads the file into the same document.
    putText(1, 300, 300, "BEFORE");
    at(2).w[1] = at(2).w[3] = 250;
    const uint64_t before = shown();
    ASSERT_NE(before, fromFile);
    ASSERT_TRUE(doc()->OnOpenDocument(path));
    view()->LoadCurrentDocument();
    const uint64_t read = shown();
    EXPECT_EQ(read, fresh());
    EXPECT_EQ(read, fromFile) << "the file's objects show where they were";
}

TEST_F(IndexedRepaint, ARecordWrittenStraightIntoTheStoreRepaintsAsAFreshView)
{
    putText(1, 15000, 15000, "U1");
    command(kCmdToolLine);
    drag(-300, 100, 300, 100);
    const uint64_t before = shown();
    // No editing path at all: the words and the string change in place; the text comes from
    // far outside the view into it.
    DrawObject& text = at(1);
    text.w[0] = 1000;
    text.w[1] = -1000;
    FreeStr(text.text);
    text.text = StrDupChecked("A MUCH LONGER TEXT");
    at(2).w[1] = at(2).w[3] = -1200;
    shownAfterRepaintOf(-400, 0, 400, 200);   // where the wire was
    shownAfterRepaintOf(-400, -1300, 400, -1100);   // where it is
    expectRepaintShowsTheEdit(before, 800, -1400, 1900, -800);
}

TEST_F(IndexedRepaint, HostileCoordinatesPaintOrCullWithoutOverflow)
{
    command(kCmdToolLine);
    drag(-300, 0, 300, 0);
    const uint64_t plain = shown();
    struct Hostile {
        int type, x, y, w2, w3;
    };
    // At the 32-bit limits, far away or spanning the view, sized to run past the range when
    // grown by a pen or added up by a painter.
    const Hostile hostile[] = {
        {kObjRectangle, INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX},
        {kObjRectangle, INT_MIN + 5, INT_MIN + 5, INT_MIN, INT_MIN},
        {kObjRectangle, 100, 100, INT_MAX, INT_MAX},
        {kObjEllipse, INT_MAX, INT_MIN, INT_MAX, INT_MAX},
        {kObjEllipse, 0, 0, INT_MAX, INT_MAX},
        {kObjBus, INT_MIN, INT_MAX, INT_MIN, INT_MAX},
        {kObjDot, INT_MAX, INT_MAX, 0, 0},
        {kObjLine, INT_MIN, 0, INT_MAX, 0},
        {kObjArc, INT_MIN, INT_MIN, INT_MAX, INT_MAX},
        {kObjArrow, INT_MIN, 10, INT_MAX, 10},
        {kObjTriangle, 0, 0, INT_MAX, INT_MIN},
        {kObjRoundRect, -10, -10, INT_MAX, INT_MAX},
        {kObjRing, INT_MIN, INT_MAX, 0, 0},
    };
    int slot = count();
    const int first = slot + 1;
    for (const Hostile& h : hostile) {
        std::array<int32_t, kDrawObjectWords> w = ObjectWords(h.type, h.x, h.y, h.w2, h.w3);
        w[6] = 0xFF;   // the widest pen
        doc()->data().objects[++slot] = MakeDrawObject(w, nullptr);
    }
    doc()->data().objects[++slot] = MakeDrawObject(ObjectWords(kObjText, INT_MAX - 3, INT_MAX - 3), "EDGE");
    doc()->data().objects[++slot] = MakeDrawObject(ObjectWords(kObjText, INT_MIN, INT_MIN), "EDGE");
    doc()->data().objectCount = slot;
    view()->LoadCurrentDocument();
    EXPECT_EQ(shown(), plain) << "records beyond the drawable range draw nothing, in the view or not";
    EXPECT_EQ(fresh(), plain);
    plat::RecordingDc dc;
    for (int i = first; i <= count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(WithinDrawableRange(object(i)));
        EXPECT_EQ(PaintExtent(dc, object(i)).reach, SlotExtent::Reach::kNothing);
    }

    // At the edge of the drawable range, with the widest pen, the boxes and the walk's test
    // still hold without overflow, and such objects paint.
    constexpr int kEdge = 1 << 25;
    const std::array<int32_t, kDrawObjectWords> edgeWords[] = {
        ObjectWords(kObjRectangle, -kEdge, -kEdge, kEdge, kEdge),
        ObjectWords(kObjEllipse, kEdge, kEdge, kEdge, kEdge),
        ObjectWords(kObjArc, -kEdge, -kEdge, kEdge, kEdge),
        ObjectWords(kObjTriangle, -kEdge, kEdge, kEdge, -kEdge),
    };
    for (const auto& words : edgeWords) {
        std::array<int32_t, kDrawObjectWords> w = words;
        w[6] = 0xFF;
        doc()->data().objects[++slot] = MakeDrawObject(w, nullptr);
        const DrawObject& o = object(slot);
        SCOPED_TRACE(slot);
        EXPECT_TRUE(WithinDrawableRange(o));
        const SlotExtent extent = PaintExtent(dc, o);
        ASSERT_EQ(extent.reach, SlotExtent::Reach::kBox);
        EXPECT_LE(extent.box.left, extent.box.right);
        EXPECT_LE(extent.box.top, extent.box.bottom);
        EXPECT_TRUE(MayTouchClip(o, plat::Rect{o.x(), o.y(), o.x(), o.y()}));
    }
    doc()->data().objectCount = slot;
    view()->LoadCurrentDocument();
    EXPECT_EQ(shown(), fresh());
}

namespace {

using paint_test::words;

// Every kind with a reach of its own, turned, mirrored, bulged and with the widest pens.
void addEveryKind(paint_test::PaintState& state)
{
    for (int i = 0; i < 8; ++i) {
        const int x = -1600 + (i % 4) * 900, y = -1200 + (i / 4) * 1300;
        const int angle = i * 450;
        paint_test::Words tri = words(kObjTriangle, x, y, 300, 200, 6 + i * 30);
        tri[5] = (angle << 2) | (i % 2 ? 0x8000 : 0);
        state.add(tri);
        paint_test::Words round = words(kObjRoundRect, x + 400, y, 250, -180, 12);
        round[5] = ((3600 - angle) % 3600) << 2;
        state.add(round);
        paint_test::Words arc = words(kObjArc, x, y + 500, x + 150 + 40 * i, y + 400 - 30 * i, 20);
        arc[7] = 20 + i * 2;   // bulge
        state.add(arc);
        paint_test::Words arrow = words(kObjArrow, x + 100, y + 700, x + 500 - 90 * i, y + 900, 255);
        arrow[7] = (i % 3) | ((i % 2) << 8);   // head style, and a head at the start
        state.add(arrow);
        const int32_t points[] = {x, y - 200, x + 300, y - 100, x + 100 + 20 * i, y + 100, x - 50, y};
        g_current.objects[static_cast<size_t>(++g_current.count)] =
            MakeDrawObject(words(kObjPolygon, x, y, 4, 0, 40), nullptr, points, 4);
        paint_test::Words text = words(kObjText, x + 200, y + 300, ((20 + i * 10) << 8) | (i % 3 + 1), angle);
        state.add(text, "Wide text");
        paint_test::Words wire = words(kObjLine, x, y + 1100, x + 600, y + 1100);
        wire[11] = x + 100;
        wire[12] = y + 1080;
        wire[13] = 'C' | ('L' << 8) | ('K' << 16);
        state.add(wire);
    }
}

}  // namespace

// Every point a painter draws through (line ends, shape corners, polygon points, text
// anchors) lies in the box the index files for its object, and the walk's own test lets the
// object through for a clip on that point.
TEST(ObjectReach, EveryPointDrawnLiesInTheFiledBox)
{
    paint_test::PaintState state;
    addEveryKind(state);
    const plat::Rect client{0, 0, 1024, 768};
    for (const int zoom : {0, 3}) {
        g_current.zoomIndex = zoom;
        g_current.zoomFactor = ZoomDivisorOf(zoom);
        for (int i = 1; i <= g_current.count; ++i) {
            SCOPED_TRACE("zoom " + std::to_string(zoom) + ", object " + std::to_string(i));
            const DrawObject& o = g_current.objects[static_cast<size_t>(i)];
            plat::RecordingDc dc;
            PrepareScreenMapping(dc, client);
            const SlotExtent extent = PaintExtent(dc, o);
            ASSERT_EQ(extent.reach, SlotExtent::Reach::kBox);
            DrawObjects(i, i, dc);
            int points = 0;
            for (const plat::DcCall& call : dc.calls()) {
                if (!call.drawing && call.name != "MoveTo")
                    continue;
                const size_t used = call.name == "RoundRect" ? 4 : call.name.find("TextOut") != std::string::npos ? 2 : call.args.size();
                for (size_t k = 0; k + 1 < used; k += 2) {
                    const int x = call.args[k], y = call.args[k + 1];
                    SCOPED_TRACE(call.line);
                    EXPECT_TRUE(extent.box.left <= x && x <= extent.box.right && extent.box.top <= y &&
                                y <= extent.box.bottom);
                    EXPECT_TRUE(MayTouchClip(o, plat::Rect{x, y, x, y}));
                    ++points;
                }
            }
            EXPECT_GT(points, 0) << "the object was drawn";
        }
    }
}
