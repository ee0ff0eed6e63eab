// The progress window's percentage, bar and shown flag.
#include "platform/gdi/raster_dc.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/route/progress_window.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressWindow, PercentageIsCappedBelowAHundredAndAboveZero)
{
    struct Case {
        float done, total;
        const char* text;
    };
    const Case cases[] = {
        {0, 10, "0.0%"}, {1, 3, "33.3%"}, {10, 10, "99.9%"}, {25, 10, "99.9%"}, {-4, 10, "0.0%"},
        {0, 0, "0.0%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgressPercentText(ProgressPercent(c.done, c.total)), c.text) << c.done << "/" << c.total;
}

TEST(ProgressWindow, BarGrowsRedFromTheLeftWithTickDots)
{
    plat::RasterDc dc(105, 20);
    const plat::Rect client{0, 0, 105, 20};
    PaintProgressBar(dc, client, 50);
    const plat::Bitmap image = dc.bitmap();
    const plat::ColorRef red = plat::rgb(255, 0, 0), white = plat::rgb(255, 255, 255), black = 0;
    EXPECT_EQ(image.pixel(0, 5), white);
    EXPECT_EQ(image.pixel(1, 5), red);
    EXPECT_EQ(image.pixel(40, 1), red);
    EXPECT_EQ(image.pixel(40, 0), white);
    EXPECT_EQ(image.pixel(60, 5), white);
    // Ticks every tenth of the width, in the middle rows, nine of them.
    int ticks = 0;
    for (int x = 0; x < 105; ++x)
        ticks += image.pixel(x, 10) == black && image.pixel(x, 11) == black;
    EXPECT_EQ(ticks, 9);
    EXPECT_EQ(image.pixel(20, 10), black);
    EXPECT_EQ(image.pixel(90, 11), black);

    // A later update paints over what is there: the bar only grows.
    PaintProgressBar(dc, client, 10);
    EXPECT_EQ(dc.bitmap().pixel(40, 5), red);
    PaintProgressBar(dc, client, 99.9);
    EXPECT_EQ(dc.bitmap().pixel(100, 5), red);
}

TEST(ProgressWindow, ShownFlagFollowsStartAndEnd)
{
    g_progress = ProgressState{};
    ShowProgressWindow(5, 10, "Main router", kProgressUpdate);   // not shown: ignored
    EXPECT_EQ(g_progress.shown, 0);
    ShowProgressWindow(0, 10, " ", kProgressStart);
    EXPECT_EQ(g_progress.shown, 1);
    ShowProgressWindow(0, 10, " ", kProgressStart);
    ShowProgressWindow(3, 0, nullptr, kProgressUpdate);
    EXPECT_EQ(g_progress.shown, 1);
    ShowProgressWindow(0, 1, nullptr, kProgressEnd);
    EXPECT_EQ(g_progress.shown, 0);
    g_progress.shown = 1;
    CloseProgressWindow();
    EXPECT_EQ(g_progress.shown, 0);
    EXPECT_EQ(g_progress.abort, 0) << "the window leaves the abort flag to the operations";
}

}  // namespace
