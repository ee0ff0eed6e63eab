// Zooming with PgUp and PgDn: the cursor point and its mark go to the window centre, snapped to
// the grid, and the selection frame stays about its objects.
#include "edit_view_fixture.h"

#include "platform/app/keys.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_state.h"

#include <array>
#include <vector>

using namespace schemora_test;
using namespace scm;

namespace {

// The grid point nearest to c; halves go toward zero, as the cursor snaps.
int snapped(int c, int grid)
{
    const int q = c / grid, rem = c % grid;
    if (c >= 1 && rem > grid / 2)
        return (q + 1) * grid;
    if (c < 1 && -rem > grid / 2)
        return (q - 1) * grid;
    return q * grid;
}

class ViewZoom : public EditView {};

}  // namespace

TEST_F(ViewZoom, ZoomPutsTheCursorMarkAtTheWindowCentreOnTheGrid)
{
    struct Case {
        unsigned key;
        unsigned grid;
        int step;
    };
    for (const Case c : {Case{plat::kVkPrior, kCmdGridFirst + 3, 50}, Case{plat::kVkNext, kCmdGridFirst + 2, 25},
                         Case{plat::kVkPrior, kCmdGridFirst + 1, 10}}) {
        SCOPED_TRACE(c.step);
        ASSERT_TRUE(command(c.grid));
        move(1337, -861);
        ASSERT_TRUE(g_cursorMark.visible);
        const int index = g_current.zoomIndex;
        ASSERT_TRUE(key(c.key));
        ASSERT_NE(g_current.zoomIndex, index);
        EXPECT_EQ(doc()->data().viewCentreX, g_current.viewCentreX) << "painted and edited about one centre";
        EXPECT_EQ(doc()->data().viewCentreY, g_current.viewCentreY);
        const plat::Point centre{snapped(g_current.viewCentreX, c.step), snapped(g_current.viewCentreY, c.step)};
        EXPECT_EQ(CursorDrawingPoint().x, centre.x);
        EXPECT_EQ(CursorDrawingPoint().y, centre.y);
        EXPECT_EQ(g_cursor.markX, centre.x);
        EXPECT_EQ(g_cursor.markY, centre.y);
        // The mark's arm, 5 pixels right of the point, is on screen; F10 takes it off.
        const int zoom = g_current.zoomFactor;
        const uint32_t arm = pixelAt(centre.x + 5 * zoom, centre.y);
        ASSERT_TRUE(command(kCmdCrossHair));
        EXPECT_NE(pixelAt(centre.x + 5 * zoom, centre.y), arm);
        ASSERT_TRUE(command(kCmdCrossHair));
    }
}

TEST_F(ViewZoom, ZoomKeepsTheSelectionFrameAboutItsObjects)
{
    command(kCmdToolLine);
    drag(-200, 0, 200, 0);
    command(kCmdToolLine);
    drag(-200, 100, 200, 100);
    ASSERT_TRUE(key(plat::kVkF9));
    drag(-300, -100, 300, 200);
    ASSERT_EQ(g_editState.selectionCount, 2);
    ASSERT_TRUE(g_selection.frameShown);
    const plat::Rect frame = g_selection.frame;
    ASSERT_TRUE(key(plat::kVkPrior));
    EXPECT_EQ(g_selection.frame, frame);
    EXPECT_TRUE(g_selection.frameShown);
    EXPECT_EQ(g_editState.selectionCount, 2);
}

namespace {

// Every pixel of the view's backing image, to compare two states of the window.
std::vector<uint32_t> snapshot(const CSchemoraView& view)
{
    const plat::Rect r = view.clientRect();
    std::vector<uint32_t> pixels;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            pixels.push_back(view.backingPixel(x, y));
    return pixels;
}

class ViewMarks : public EditView {
protected:
    int add(const std::array<int32_t, kDrawObjectWords>& w, const char* text = nullptr)
    {
        DrawingDocData& data = doc()->data();
        data.objects[++data.objectCount] = MakeDrawObject(w, text);
        view()->LoadCurrentDocument();
        return data.objectCount;
    }
};

}  // namespace

TEST_F(ViewZoom, TheFitViewsZoomBoxFollowsThePointerAndLeavesNoTrail)
{
    move(300, 300);
    ASSERT_TRUE(g_cursorMark.visible);
    ASSERT_TRUE(command(kCmdDrawToFit));
    ASSERT_TRUE(g_sheetView.fitToWindow);
    EXPECT_FALSE(g_cursorMark.visible) << "the normal view's mark is not left standing in the fit view";
    const plat::Rect r = view()->clientRect();
    const plat::Point a{r.left + r.width() / 3, r.top + r.height() / 3};
    const plat::Point b{r.left + r.width() / 2, r.top + r.height() / 2};
    const auto over = [&](plat::Point p) {
        view()->SendMessage(plat::kWmMouseMove, 0, plat::makePointParam(p));
        return snapshot(*view());
    };
    const std::vector<uint32_t> bare = snapshot(*view());
    const std::vector<uint32_t> atA = over(a);
    EXPECT_NE(atA, bare) << "the box is drawn";
    const std::vector<uint32_t> atB = over(b);
    EXPECT_NE(atB, atA) << "and moves with the pointer";
    EXPECT_EQ(over(a), atA) << "the box at b is gone again";
    view()->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    EXPECT_EQ(snapshot(*view()), atA) << "a repaint keeps the box where it was";

    // Esc leaves the fit view; shown again it starts without a box.
    ASSERT_TRUE(key(plat::kVkEscape));
    ASSERT_FALSE(g_sheetView.fitToWindow);
    ASSERT_TRUE(command(kCmdDrawToFit));
    view()->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    EXPECT_EQ(snapshot(*view()), bare) << "a new fit view starts without a box";
}

TEST_F(ViewMarks, TheCursorHasATickOnEachRulerThatFollowsIt)
{
    g_settings.rulers = 1;
    view()->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    const plat::Point at = pixelOf(200, 200);
    move(1000, 800);
    const uint32_t top = view()->backingPixel(at.x, 5), left = view()->backingPixel(5, at.y);
    const uint32_t below = view()->backingPixel(at.x, 18);
    move(200, 200);
    EXPECT_NE(view()->backingPixel(at.x, 5), top) << "a tick on the top ruler above the cursor";
    EXPECT_NE(view()->backingPixel(5, at.y), left) << "and one on the left ruler beside it";
    EXPECT_EQ(view()->backingPixel(at.x, 18), below) << "the tick stays on the ruler";
    move(1000, 800);
    EXPECT_EQ(view()->backingPixel(at.x, 5), top) << "the tick moved on with the cursor";
    EXPECT_EQ(view()->backingPixel(5, at.y), left);
    g_settings.rulers = 0;
}

TEST_F(ViewMarks, TurnedTextsAndRoundedRectanglesAreHitWhereTheyAreDrawn)
{
    ASSERT_TRUE(key(plat::kVkF9));
    // A text turned a quarter counter-clockwise reads upward from its anchor.
    const int text = add(ObjectWords(kObjText, 0, 0, (100 << 8) | 1, 900), "TURNED");
    const plat::Rect upright = TextBox(object(text));
    const int w = upright.width(), h = upright.height();
    ASSERT_GT(w, 2 * h);
    click(w / 2, -h / 2);
    EXPECT_EQ(g_editState.selectionCount, 0) << "where the text would stand upright nothing is hit";
    click(-h / 2, -w / 2);
    ASSERT_EQ(g_editState.selectionCount, 1) << "the text is hit where it reads";
    EXPECT_EQ(g_editState.SelectionList[1], text);
    // Its frame is the turned box: as tall as the text is long, as wide as it is high.
    const plat::Rect frame = g_selection.hitExtent.normalized();
    EXPECT_NEAR(frame.height(), w, 4);
    EXPECT_NEAR(frame.width(), h, 4);
    EXPECT_LE(frame.left, -h + 1);
    EXPECT_GE(frame.right, -1);
    key(plat::kVkEscape);
    ASSERT_TRUE(key(plat::kVkF9));

    // A rounded rectangle 400 x 100 turned a quarter about its anchor stands 100 x 400.
    auto words = ObjectWords(kObjRoundRect, 2000, 0, 400, 100);
    words[5] = 900 << 2;
    const int rect = add(words);
    click(2200, 0);
    EXPECT_EQ(g_editState.selectionCount, 0);
    click(2000, 200);
    ASSERT_EQ(g_editState.selectionCount, 1);
    EXPECT_EQ(g_editState.SelectionList[1], rect);
    const plat::Rect box = g_selection.hitExtent.normalized();
    EXPECT_LE(box.left, 2000 - 100);
    EXPECT_GE(box.bottom, 400) << "its extent holds the turned rectangle";
}
