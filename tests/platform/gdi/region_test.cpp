// Regions without a device context: the point tests the hit-testing code relies on.
#include "platform/gdi/region.h"

#include <gtest/gtest.h>

namespace plat {
namespace {

TEST(Region, RectangleHoldsLeftAndTopEdgesOnly)
{
    Region r(Rect{10, 20, 30, 40});
    EXPECT_TRUE(r.PtInRegion(10, 20));
    EXPECT_TRUE(r.PtInRegion(29, 39));
    EXPECT_FALSE(r.PtInRegion(30, 25));
    EXPECT_FALSE(r.PtInRegion(15, 40));
    EXPECT_FALSE(r.PtInRegion(9, 25));
    r.SetRectRgn(5, 5, 0, 0);             // corners in any order
    EXPECT_TRUE(r.PtInRegion(0, 0));
    EXPECT_FALSE(r.PtInRegion(5, 5));
    EXPECT_EQ(r.kind(), kSimpleRegion);
    EXPECT_EQ(Region().kind(), kNullRegion);
}

TEST(Region, PolygonPointsFollowTheFillModeAndEdgeRule)
{
    // A square polygon covers the same pixels as the rectangle region of its corners.
    const Point square[] = {{16000, 16000}, {16010, 16000}, {16010, 16010}, {16000, 16010}};
    const Region poly = Region::polygon(square, kWinding);
    const Region rect(Rect{16000, 16000, 16010, 16010});
    for (int y = 15998; y < 16012; ++y)
        for (int x = 15998; x < 16012; ++x)
            ASSERT_EQ(poly.PtInRegion(x, y), rect.PtInRegion(x, y)) << x << "," << y;

    // A diagonal strip, as wire hit tests build: points on the strip's centre line are in.
    const Point strip[] = {{0, 4}, {4, 0}, {104, 100}, {100, 104}};
    const Region s = Region::polygon(strip, kWinding);
    EXPECT_TRUE(s.PtInRegion(50, 50));
    EXPECT_TRUE(s.PtInRegion(2, 2));
    EXPECT_FALSE(s.PtInRegion(50, 60));
    EXPECT_FALSE(s.PtInRegion(0, 0));

    // Two overlapping squares traced the same way: the overlap is a hole only in alternate mode.
    const Point twice[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {5, 5}, {15, 5}, {15, 15}, {5, 15}, {5, 5}};
    EXPECT_FALSE(Region::polygon(twice, kAlternate).PtInRegion(7, 7));
    EXPECT_TRUE(Region::polygon(twice, kWinding).PtInRegion(7, 7));
    EXPECT_TRUE(Region::polygon(twice, kAlternate).PtInRegion(2, 2));
}

TEST(Region, IntersectionAndOffset)
{
    const Point tri[] = {{0, 0}, {20, 0}, {0, 20}};
    Region r = Region::polygon(tri, kAlternate);
    r.intersect(Region(Rect{0, 0, 10, 10}));
    EXPECT_TRUE(r.PtInRegion(9, 9));
    EXPECT_FALSE(r.PtInRegion(10, 2));
    EXPECT_EQ(r.GetRgnBox(), (Rect{0, 0, 10, 10}));
    r.OffsetRgn(100, 0);
    EXPECT_TRUE(r.PtInRegion(105, 5));
    EXPECT_FALSE(r.PtInRegion(5, 5));
    Region none(Rect{0, 0, 5, 5});
    none.intersect(Region(Rect{5, 5, 9, 9}));
    EXPECT_TRUE(none.isEmpty());
}

}  // namespace
}  // namespace plat
