// Lengths between internal units, mils and millimetres as the setup dialogs show and read them.
#include "tracelyn/core/board_units.h"

#include "support/function_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(BoardUnits, MilsToUnitsRoundsHalvesUpAndHoldsTheRange)
{
    quill_test::expectEachGives<double, int32_t>(MilsToUnits, {
        {10, 100}, {12.34, 123}, {12.35, 124}, {12.349, 123}, {0.04, 0}, {0.05, 1}, {255, 2550}, {-1.25, -12},
        {1e30, std::numeric_limits<int32_t>::max()}, {-1e30, std::numeric_limits<int32_t>::min()}, {NAN, 0},
    });
}

TEST(BoardUnits, MillimetresComeInStepsOfAQuarterHundredth)
{
    EXPECT_DOUBLE_EQ(UnitsToMils(2550), 255.0);
    EXPECT_NEAR(MilsToMm(10), 0.255, 1e-12);      // 0.254 lies nearer 0.255 than 0.2525
    EXPECT_NEAR(MilsToMm(1), 0.025, 1e-12);       // 0.0254
    EXPECT_NEAR(MilsToMm(0.5), 0.0125, 1e-12);    // 0.0127
    EXPECT_NEAR(MilsToMm(0.04), 0.0, 1e-12);      // 0.001016: less than half a step
    EXPECT_NEAR(MilsToMm(0.05), 0.0025, 1e-12);   // 0.00127: more than half a step
    EXPECT_NEAR(MilsToMm(100), 2.54, 1e-12);
    for (double mils = 0; mils < 50; mils += 0.7) {
        const double steps = MilsToMm(mils) / 0.0025;
        EXPECT_NEAR(steps, std::round(steps), 1e-6) << mils;
    }
    // A metric width typed back lands on the units it was shown for.
    EXPECT_EQ(MilsToUnits(TypedMils(ShownLength(100, true), true)), 100);
    EXPECT_EQ(MilsToUnits(TypedMils(ShownLength(123, false), false)), 123);
}

}  // namespace
