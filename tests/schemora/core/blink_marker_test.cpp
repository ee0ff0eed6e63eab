// The blinking marker of Go To Bookmark: started by F2, inverted again on each tick of the main
// frame's timer 1600, stopped by a paint, a press or its last tick.
#include "edit_view_fixture.h"

#include "platform/app/keys.h"
#include "platform/app/win_constants.h"
#include "resources/schemora/schemora_ids.h"
#include "resources/schemora/edit_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/blink_marker.h"
#include "schemora/core/edit_state.h"

#include <vector>

using namespace schemora_test;
using namespace scm;

namespace {

class BlinkingMarker : public EditView {
protected:
    void SetUp() override
    {
        EditView::SetUp();
        // No cursor mark: the pixels about the window centre are the drawing's and the marker's.
        g_cursor.crossHairOn = false;
        g_cursorMark.visible = false;
        command(kCmdToolLine);
        drag(0, 0, 400, 0);
        move(1000, 500);
        ASSERT_TRUE(key(plat::kVkF2, true));   // a bookmark at the cursor
        ASSERT_EQ(count(), 2);
    }

    // The pixels of the square 70 pixels across about the window centre.
    std::vector<uint32_t> centrePixels() const
    {
        const plat::Rect r = view()->clientRect();
        const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
        std::vector<uint32_t> pixels;
        for (int y = cy - 35; y <= cy + 35; ++y)
            for (int x = cx - 35; x <= cx + 35; ++x)
                pixels.push_back(view()->backingPixel(x, y));
        return pixels;
    }

    // Pixels where a and b differ; each must be the other inverted.
    static int invertedPixels(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
    {
        int inverted = 0;
        for (size_t i = 0; i < a.size(); ++i) {
            if (a[i] == b[i])
                continue;
            EXPECT_EQ(a[i] & 0xFFFFFF, ~b[i] & 0xFFFFFF) << "pixel " << i;
            ++inverted;
        }
        return inverted;
    }

    unsigned blinkPeriod() const { return host.timerPeriod(kTimerBlinkMarker); }
};

}  // namespace

TEST_F(BlinkingMarker, GoToBookmarkBlinksAtTheWindowCentreUntilTheViewIsPainted)
{
    ASSERT_TRUE(key(plat::kVkF2));
    EXPECT_EQ(g_current.viewCentreX, object(2).x());
    EXPECT_EQ(blinkPeriod(), kBlinkPeriodMs);
    EXPECT_TRUE(BlinkMarkerShown());
    const std::vector<uint32_t> shown = centrePixels();

    host.advance(kBlinkPeriodMs);
    EXPECT_EQ(BlinkMarkerTicks(), 1);
    EXPECT_FALSE(BlinkMarkerShown());
    const std::vector<uint32_t> hidden = centrePixels();
    EXPECT_GT(invertedPixels(shown, hidden), 40) << "a circle 28 pixels across";

    host.advance(kBlinkPeriodMs);
    EXPECT_EQ(centrePixels(), shown) << "the second inversion draws it again";

    // A paint covers the marker and stops the timer.
    view()->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    EXPECT_EQ(blinkPeriod(), 0u);
    EXPECT_EQ(centrePixels(), hidden);
}

TEST_F(BlinkingMarker, APressStopsItAndTakesItOff)
{
    ASSERT_TRUE(key(plat::kVkF2));
    host.advance(kBlinkPeriodMs);
    const std::vector<uint32_t> hidden = centrePixels();
    host.advance(kBlinkPeriodMs);
    ASSERT_TRUE(BlinkMarkerShown());
    command(kCmdToolLine);
    view()->SendMessage(plat::kWmLButtonDown, plat::kMkLButton, plat::makePointParam(pixelOf(object(2).x() + 2000, object(2).y())));
    EXPECT_EQ(blinkPeriod(), 0u);
    EXPECT_FALSE(BlinkMarkerShown());
    EXPECT_EQ(centrePixels(), hidden);
    view()->SendMessage(plat::kWmLButtonUp, 0, plat::makePointParam(pixelOf(object(2).x() + 2000, object(2).y())));
}

TEST_F(BlinkingMarker, ItStopsAfterItsLastTickWithTheMarkerOff)
{
    ASSERT_TRUE(key(plat::kVkF2));
    host.advance(kBlinkPeriodMs);
    const std::vector<uint32_t> hidden = centrePixels();
    host.advance((kBlinkMaxTicks - 1) * kBlinkPeriodMs);
    EXPECT_EQ(BlinkMarkerTicks(), kBlinkMaxTicks);
    EXPECT_EQ(blinkPeriod(), kBlinkPeriodMs);
    host.advance(kBlinkPeriodMs);
    EXPECT_EQ(blinkPeriod(), 0u);
    EXPECT_FALSE(BlinkMarkerShown());
    EXPECT_EQ(centrePixels(), hidden);
}
