// Grid steps and snapping in board units.
#include "tracelyn/core/cursor_snap.h"

#include "tracelyn/core/board_settings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(CursorSnap, RectangularStepsRoundHalvesUpAndAZeroStepSnapsNothing)
{
    struct Case {
        int64_t value;
        int32_t step;
        int64_t snapped;
    };
    const Case cases[] = {{249, 500, 0},   {250, 500, 500},  {-250, 500, 0}, {-251, 500, -500},
                          {7, 5, 5},       {8, 5, 10},       {123, 0, 123},  {123, -5, 123}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(SnapToStep(c.value, c.step), c.snapped);
    }
}

TEST(CursorSnap, GridStepsByCommand)
{
    g_boardSettings = BoardSettings{};
    EXPECT_EQ(GridStepFromId(698).x, 5) << ".5 mils";
    EXPECT_EQ(GridStepFromId(703).y, 500);
    EXPECT_EQ(GridStepFromId(704).x, 1000);
    g_boardSettings.gridX = 30;
    g_boardSettings.gridY = 70;
    EXPECT_EQ(GridStepFromId(705).x, 30);
    EXPECT_EQ(GridStepFromId(705).y, 70);
    EXPECT_EQ(GridStepFromId(706).x, 706) << "the polar grid keeps its own values";
    g_boardSettings.units = 726;
    EXPECT_EQ(GridStepFromId(698).x, 100) << ".1 mm";
    g_boardSettings = BoardSettings{};
}

TEST(CursorSnap, PolarAnglesSnapToTheNearestStep)
{
    PolarGrid grid;
    grid.angleStep = 450;
    const double r = 10000;
    auto at = [&](double degrees) {
        const double a = degrees * 3.14159265358979 / 180;
        return SnapPolar(static_cast<int64_t>(r * std::cos(a)), static_cast<int64_t>(r * std::sin(a)), grid, 0);
    };
    EXPECT_EQ(at(30).angle, 450);
    EXPECT_EQ(at(20).angle, 0);
    EXPECT_EQ(at(-30).angle, -450);
    const PolarSnap s = SnapPolar(1234, 0, grid, 500);
    EXPECT_EQ(s.x, 1000) << "a radius fraction up to one half rounds down";
    EXPECT_EQ(SnapPolar(1300, 0, grid, 500).x, 1500);
    grid.angleStep = 0;
    const PolarSnap free = SnapPolar(300, 400, grid, 0);
    EXPECT_NEAR(free.x, 300, 1) << "a zero angle step snaps nothing (the new point is truncated)";
    EXPECT_NEAR(free.y, 400, 1);
}

}  // namespace
