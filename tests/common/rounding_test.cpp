#include "common/rounding.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>

TEST(Rounding, HalvesGoTowardZeroOrUp)
{
    struct Case {
        double value;
        int towardZero;
        int up;
    };
    const Case cases[] = {
        {2.5, 2, 3},   {-2.5, -2, -2}, {2.4, 2, 2},    {2.6, 3, 3},     {-2.6, -3, -3},
        {-2.4, -2, -2}, {0.5, 0, 1},   {-0.5, 0, 0},   {0.49999999999999994, 0, 0},
        {1e10, INT_MAX, INT_MAX}, {-1e10, INT_MIN, INT_MIN}, {NAN, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RoundHalfTowardZero(c.value), c.towardZero);
        EXPECT_EQ(RoundHalfUp(c.value), c.up);
    }
}
