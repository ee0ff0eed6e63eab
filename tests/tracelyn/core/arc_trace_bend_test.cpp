// The bend of an arc trace: the painter, the copper fill and the Gerber plotter all take it here.
#include "tracelyn/core/arc_trace_bend.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace {

TEST(ArcTraceBend, RunsAlongTheLongerAxisUntilTheOffsetsLeftAreEqual)
{
    struct Case {
        int64_t x1, y1, x2, y2;
        int64_t bx, by, run;
    };
    for (const Case c : {Case{0, 0, 100, 30, 70, 0, 70}, Case{0, 0, -100, 30, -70, 0, 70},
                         Case{0, 0, 30, 100, 0, 70, 70}, Case{0, 0, 30, -100, 0, -70, 70},
                         Case{500, 500, 400, 400, 500, 500, 0}, Case{10, 20, 15, 50, 10, 45, 25},
                         Case{-2000000000, 0, 2000000000, 1, 1999999999, 0, 3999999999}}) {
        SCOPED_TRACE(testing::Message() << c.x1 << ',' << c.y1 << " -> " << c.x2 << ',' << c.y2);
        const ArcTraceBend bend = ArcTraceBendOf(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(bend.x, c.bx);
        EXPECT_EQ(bend.y, c.by);
        EXPECT_EQ(bend.run, c.run);
        // What is left after the bend is a true quarter turn: equal offsets in x and y.
        EXPECT_EQ(std::abs(c.x2 - bend.x), std::abs(c.y2 - bend.y));
    }
}

}  // namespace
