// The usage bar: red up to the percentage of the width, black tick dots at the tenths.
#include "common/usage_bar.h"
#include "platform/gdi/raster_dc.h"

#include <gtest/gtest.h>

namespace {

TEST(UsageBar, FillsThePercentageInRedAndMarksTheTenths)
{
    constexpr plat::ColorRef red = plat::rgb(255, 0, 0), black = plat::rgb(0, 0, 0), white = plat::rgb(255, 255, 255);
    const struct {
        double percent;
        int lastRed;   // -1: no red at all
    } cases[] = {{25, 24}, {0, -1}, {100, 99}, {250, 99}, {-5, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.percent);
        plat::RasterDc dc(100, 10);
        DrawUsageBar(dc, {0, 0, 100, 10}, c.percent);
        EXPECT_EQ(dc.GetPixel(0, 2), white) << "the frame's edge stays";
        if (c.lastRed > 0) {
            EXPECT_EQ(dc.GetPixel(1, 2), red);
            EXPECT_EQ(dc.GetPixel(c.lastRed, 2), red);
        }
        EXPECT_NE(dc.GetPixel(c.lastRed + 1, 2), red);
        int ticks = 0;
        for (int x = 0; x < 100; ++x)
            ticks += dc.GetPixel(x, 5) == black && dc.GetPixel(x, 6) == black ? 1 : 0;
        EXPECT_EQ(ticks, 8);
        EXPECT_EQ(dc.GetPixel(10, 5), black);
    }
}

}  // namespace
