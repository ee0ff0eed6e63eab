// Zooming with PgUp and PgDn: the cursor point and its mark go to the window centre, snapped to
// the grid, and the selection frame stays about its objects.
#include "edit_view_fixture.h"

#include "platform/app/keys.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"

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
