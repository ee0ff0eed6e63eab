#include "common/selection_alignment.h"

#include <gtest/gtest.h>

#include <vector>

TEST(SelectionAlignment, ProjectPointOnLineDropsThePerpendicular)
{
    struct Case {
        int ax, ay, bx, by, px, py;
        plat::Point foot;
    };
    const Case cases[] = {
        {0, 0, 100, 0, 30, 40, {30, 0}},          // horizontal line: straight down
        {0, 0, 100, 0, -30, 40, {-30, 0}},        // beyond the start: the line, not the segment
        {0, 0, 0, 100, 40, 30, {0, 30}},          // vertical
        {0, 0, 100, 100, 100, 0, {50, 50}},       // sloped
        {10, 10, 10, 10, 50, 60, {10, 10}},       // a line of no length gives A
        {0, 0, 100, 0, 30, 0, {30, 0}},           // a point on the line stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.px << "," << c.py);
        const plat::Point p = ProjectPointOnLine(c.ax, c.ay, c.bx, c.by, c.px, c.py);
        EXPECT_NEAR(p.x, c.foot.x, 1);
        EXPECT_NEAR(p.y, c.foot.y, 1);
    }
}

TEST(SelectionAlignment, AnchorOfOneObjectOrTheAverageOverTheWholeSelection)
{
    EXPECT_EQ(SelectionAnchor({}), (plat::Point{0, 0}));
    const AnchorItem text{true, {100, 40}, {110, 50}};
    const AnchorItem wire{false, {}, {}};
    EXPECT_EQ(SelectionAnchor(std::vector{text}), (plat::Point{100, 40}));
    EXPECT_EQ(SelectionAnchor(std::vector{wire}), (plat::Point{0, 0}));
    // Two counting objects and one that only counts in the divisor.
    const AnchorItem dot{true, {0, 0}, {40, 70}};
    EXPECT_EQ(SelectionAnchor(std::vector{text, dot, wire}), (plat::Point{50, 40}));
}

TEST(SelectionAlignment, EdgeAndCentreOffsetsByReferenceShape)
{
    const plat::Point anchor{10, 20};
    const AlignReference box{AlignShape::Box, 100, 200, 50, 40};   // corner and size
    EXPECT_EQ(AlignWithEdgeOffset(box, 1, anchor, false), (plat::Point{0, 200}));
    EXPECT_EQ(AlignWithEdgeOffset(box, 4, anchor, false), (plat::Point{115, 0}));
    EXPECT_EQ(AlignWithEdgeOffset(box, 0, anchor, false), (plat::Point{0, 0}));
    EXPECT_EQ(AlignToCenterOffset(box, anchor), (plat::Point{115, 200}));

    const AlignReference horizontal{AlignShape::Line, 0, 500, 200, 500};
    const AlignReference vertical{AlignShape::Line, 300, 0, 300, 100};
    const AlignReference sloped{AlignShape::Line, 0, 0, 100, 100};
    // A line ignores an edge code a box hit left behind.
    EXPECT_EQ(AlignWithEdgeOffset(horizontal, 3, anchor, false), (plat::Point{90, 0}));
    EXPECT_EQ(AlignWithEdgeOffset(vertical, 0, anchor, false), (plat::Point{0, 0}));
    EXPECT_EQ(AlignWithEdgeOffset(vertical, 0, anchor, true), (plat::Point{0, 30}));
    EXPECT_EQ(AlignWithEdgeOffset(sloped, 0, anchor, true), (plat::Point{0, 0}));
    EXPECT_FALSE(AlignToCenterOffset(horizontal, anchor).has_value());

    const AlignReference ellipse{AlignShape::Ellipse, 70, 80, 5, 5};
    EXPECT_EQ(AlignToCenterOffset(ellipse, anchor), (plat::Point{60, 60}));
    EXPECT_FALSE(AlignWithEdgeOffset(ellipse, 1, anchor, false).has_value());
    EXPECT_FALSE(AlignWithEdgeOffset(AlignReference{}, 1, anchor, true).has_value());
}
