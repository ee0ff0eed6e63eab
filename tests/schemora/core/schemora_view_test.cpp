// Zooming with PgUp and PgDn: the cursor point and its mark go to the window centre, snapped to
// the grid, and the selection frame stays about its objects.
#include "edit_view_fixture.h"

#include "platform/app/keys.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/sheet_state.h"

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
