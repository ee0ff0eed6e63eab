// The copper pour: clearance round every piece of copper, the enclosing shapes, the limits,
// and the removal of floating copper.
#include "tests/tracelyn/core/board_fixture.h"
#include "tests/tracelyn/route/fill_board_fixture.h"

#include "tracelyn/core/app_state.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/route/flood_fill.h"

#include <algorithm>
#include <cmath>
#include <unistd.h>

namespace {

using board_test::makeObject;

struct Box {
    double x1, y1, x2, y2;
};

double pointBoxDistance(double x, double y, const Box& b)
{
    const double dx = std::max({b.x1 - x, 0.0, x - b.x2});
    const double dy = std::max({b.y1 - y, 0.0, y - b.y2});
    return std::hypot(dx, dy);
}

double pointSegmentDistance(double px, double py, double ax, double ay, double bx, double by)
{
    const double dx = bx - ax, dy = by - ay;
    const double l2 = dx * dx + dy * dy;
    const double t = l2 == 0 ? 0 : std::clamp(((px - ax) * dx + (py - ay) * dy) / l2, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// Distance between an axis-parallel segment or point and a box (the fixture's traces run
// along the axes, so the nearest points lie at an end or a box corner, or they cross).
double segmentBoxDistance(double ax, double ay, double bx, double by, const Box& b)
{
    const bool crossesX = std::min(ax, bx) <= b.x2 && std::max(ax, bx) >= b.x1;
    const bool crossesY = std::min(ay, by) <= b.y2 && std::max(ay, by) >= b.y1;
    if (crossesX && crossesY)
        return 0;
    double d = std::min(pointBoxDistance(ax, ay, b), pointBoxDistance(bx, by, b));
    for (const auto& [cx, cy] : {std::pair{b.x1, b.y1}, {b.x2, b.y1}, {b.x1, b.y2}, {b.x2, b.y2}})
        d = std::min(d, pointSegmentDistance(cx, cy, ax, ay, bx, by));
    return d;
}

double boxBoxDistance(const Box& a, const Box& b)
{
    const double dx = std::max({a.x1 - b.x2, 0.0, b.x1 - a.x2});
    const double dy = std::max({a.y1 - b.y2, 0.0, b.y1 - a.y2});
    return std::hypot(dx, dy);
}

// A fill rectangle as drawn: its box and half its 20-unit outline round it.
Box drawnCopper(const BoardObject& r)
{
    const double half = r.w[7] / 2.0;
    return {std::min<double>(r.w[0], r.w[0] + r.w[2]) - half, std::min<double>(r.w[1], r.w[1] + r.w[3]) - half,
            std::max<double>(r.w[0], r.w[0] + r.w[2]) + half, std::max<double>(r.w[1], r.w[1] + r.w[3]) + half};
}

class FloodFillTest : public board_test::BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        ASSERT_TRUE(AllocateSelectionList());
        g_fill = FillSettings{};
        g_boardSettings.fillmode = 365;
        g_edit.currentLayer = kLayerTop;
    }
    void TearDown() override
    {
        g_selection.count = 0;
        BoardTest::TearDown();
        std::filesystem::remove_all(folder);
    }
    void select(int index)
    {
        g_selection.list[1] = index;
        g_selection.count = 1;
    }
    // Runs the pour round `enclosing`; returns the number of rectangles appended.
    int fill(int enclosing, bool minimize = false)
    {
        select(enclosing);
        CFloodFiller filler;
        if (filler.PrepareFill(1, g_board.count) == 0)
            return -1;
        const int before = g_board.count;
        const int appended = filler.FloodFill(minimize);
        if (filler.secondPass())
            filler.ClearFillFlags(before);
        return appended;
    }
    int addRectangle(int32_t x, int32_t y, int32_t w, int32_t h, int layer = kLayerTop)
    {
        return add(makeObject(kKindRectangle, layer, {x, y, w, h, 0, 0, 0, 100}));
    }
    int addTrace(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width = 100)
    {
        return add(makeObject(kKindLine, kLayerTop, {x1, y1, x2, y2, 0, 0, 0, width}));
    }
    std::vector<BoardObject> fillRectangles(int first) const
    {
        std::vector<BoardObject> out;
        for (int i = first + 1; i <= g_board.count; ++i)
            if (g_board.objects[i].kind() == kKindRectangle)
                out.push_back(g_board.objects[i]);
        return out;
    }
    bool covered(int first, double x, double y) const
    {
        for (const BoardObject& r : fillRectangles(first)) {
            const Box b{double(r.w[0]), double(r.w[1]), double(r.w[0] + r.w[2]), double(r.w[1] + r.w[3])};
            if (pointBoxDistance(x, y, b) == 0)
                return true;
        }
        return false;
    }

    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("flood_fill_test_" + std::to_string(getpid()));
};

TEST_F(FloodFillTest, NoFillRectangleComesNearerThanTheClearanceToOtherCopper)
{
    const fill_test::GeneratedBoard board = fill_test::generateBoard(folder, 12, 8, 1200, 1500, 16000, 13000);
    const int before = g_board.count;
    for (const int mask : {250, 120}) {
        SCOPED_TRACE(mask);
        g_fill.mask = mask;
        const int first = g_board.count;
        ASSERT_GT(fill(board.enclosing), 100);
        std::vector<Box> pads;
        std::vector<std::array<double, 5>> traces;
        for (int i = 1; i < board.enclosing; ++i) {
            const BoardObject& o = g_board.objects[i];
            if (o.kind() == kKindLine) {
                traces.push_back({double(o.w[0]), double(o.w[1]), double(o.w[2]), double(o.w[3]), o.w[7] / 2.0});
            } else if (o.isPart()) {
                // Pads 300 units either side of the part, along y when it is turned.
                const bool turned = o.w[6] == 900;
                for (const int side : {-300, 300}) {
                    const double x = o.w[0] + (turned ? 0 : side), y = o.w[1] + (turned ? side : 0);
                    const double hx = turned ? 175 : 125, hy = turned ? 125 : 175;
                    pads.push_back({x - hx, y - hy, x + hx, y + hy});
                }
            }
        }
        for (const BoardObject& r : fillRectangles(first)) {
            const Box copper = drawnCopper(r);
            for (const Box& p : pads)
                ASSERT_GE(boxBoxDistance(copper, p), mask) << r.w[0] << "," << r.w[1];
            for (const auto& t : traces)
                ASSERT_GE(segmentBoxDistance(t[0], t[1], t[2], t[3], copper) - t[4], mask) << r.w[0] << "," << r.w[1];
        }
        // The fill reaches between the rows of parts and round them.
        EXPECT_TRUE(covered(first, -5400, -4500));
        EXPECT_TRUE(covered(first, -7700, 0));
        EXPECT_FALSE(covered(first, -6600, -5250));
        // Take this fill away again before the next one.
        for (int i = first + 1; i <= g_board.count; ++i)
            g_board.objects[i] = BoardObject{};
        g_board.count = first;
    }
    EXPECT_EQ(g_board.count, before);
}

TEST_F(FloodFillTest, EnclosingShapesBoundTheFill)
{
    struct Case {
        const char* name;
        std::function<int()> make;
        std::vector<std::pair<double, double>> inside, outside;
    };
    const std::vector<Case> cases = {
        {"rectangle", [&] { return addRectangle(-5000, -3000, 10000, 6000); }, {{0, 0}, {4500, 2500}}, {{5200, 0}, {0, -3200}}},
        {"ellipse", [&] { return add(makeObject(kKindEllipse, kLayerTop, {0, 0, 5000, 3000, 0, 0, 0, 50})); },
         {{0, 0}, {4000, 0}}, {{4000, 2500}, {-4900, 1000}}},
        {"L-shaped polygon", [&] {
             BoardObject o = makeObject(kKindPolygon, kLayerTop, {0, 0, 6, 0, 0, 0, 0, 50});
             int32_t* p = NewPointBlock(12);
             const int32_t xy[12] = {-5000, -5000, 5000, -5000, 5000, 0, 0, 0, 0, 5000, -5000, 5000};
             std::copy(xy, xy + 12, p);
             o.data = p;
             return add(o);
         }, {{-2500, -2500}, {2500, -2500}, {-2500, 2500}}, {{2500, 2500}, {6000, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int enclosing = c.make();
        const int first = g_board.count;
        ASSERT_GT(fill(enclosing), 0);
        for (const auto& [x, y] : c.inside)
            EXPECT_TRUE(covered(first, x, y)) << x << "," << y;
        for (const auto& [x, y] : c.outside)
            EXPECT_FALSE(covered(first, x, y)) << x << "," << y;
        for (int i = enclosing; i <= g_board.count; ++i)
            FreeObjectData(g_board.objects[i]), g_board.objects[i] = BoardObject{};
        g_board.count = enclosing - 1;
    }
}

TEST_F(FloodFillTest, AnEmptyRectangleIsFilledByOneMergedRectangle)
{
    const int enclosing = addRectangle(0, 0, 3000, 2000);
    ASSERT_EQ(fill(enclosing), 1);
    const BoardObject& r = g_board.objects[g_board.count];
    EXPECT_EQ(r.kind(), kKindRectangle);
    EXPECT_EQ(r.layer(), kLayerTop);
    EXPECT_EQ(r.w[6], 1);
    EXPECT_EQ(r.w[7], 20);
    EXPECT_GT(r.w[2], 2800);
    EXPECT_GT(r.w[3], 1800);
}

TEST_F(FloodFillTest, WhatKeepsNoCopperAway)
{
    const int enclosing = addRectangle(0, 0, 3000, 2000);
    addText("GND", 1500, 1000);
    // The board outline and a plane round the whole area.
    addRectangle(-10000, -10000, 30000, 30000);
    // Copper on another layer.
    add(makeObject(kKindLine, 1, {0, 1000, 3000, 1000, 0, 0, 0, 100}));
    EXPECT_EQ(fill(enclosing), 1);
}

// A part whose package is not loaded cannot keep copper away: the fill goes on and says so.
TEST_F(FloodFillTest, APartWhosePackageCannotBeReadIsNamed)
{
    const int enclosing = addRectangle(0, 0, 3000, 2000);
    BoardObject part = makeObject(kKindPart + 150, 0, {1500, 1000, 0, 0, 0, -1, 0, 7});
    part.data = StrDupChecked("U");
    add(part);
    host.clearEvents();
    EXPECT_EQ(fill(enclosing), 1);
    ASSERT_FALSE(host.messageBoxes().empty());
    EXPECT_EQ(host.messageBoxes().front(), "Something wrong with part:U");
}

TEST_F(FloodFillTest, ATraceAcrossTheAreaSplitsTheFill)
{
    const int enclosing = addRectangle(0, 0, 3000, 2000);
    addTrace(-500, 1000, 3500, 1000);
    const int first = g_board.count;
    EXPECT_EQ(fill(enclosing), 2);
    EXPECT_FALSE(covered(first, 1500, 1000));
    EXPECT_TRUE(covered(first, 1500, 400));
    EXPECT_TRUE(covered(first, 1500, 1600));
}

TEST_F(FloodFillTest, LimitsRefuseTheFillAndLeaveTheBoard)
{
    // 6,000 mils: more than 4,665 cells of one mil, fine at three.
    const int enclosing = addRectangle(0, 0, 60000, 10000);
    g_fill.gridIndex = 0;
    const int count = g_board.count;
    EXPECT_EQ(fill(enclosing), -1);
    EXPECT_EQ(host.messageBoxes().back(), kFillAreaExceededMessage);
    EXPECT_EQ(g_board.count, count);
    g_fill.gridIndex = 2;
    EXPECT_GT(fill(enclosing), 0);

    // No selection, or a selection that cannot enclose.
    g_selection.count = 0;
    CFloodFiller filler;
    EXPECT_EQ(filler.PrepareFill(1, g_board.count), 0);
    EXPECT_EQ(fill(addTrace(0, 0, 100, 100)), -1);
}

TEST_F(FloodFillTest, AFullStoreTakesNoneOfTheFill)
{
    const int enclosing = addRectangle(0, 0, 3000, 2000);
    addTrace(-500, 1000, 3500, 1000);
    g_board.count = kMaxBoardObjects - 2;
    const int count = g_board.count;
    EXPECT_EQ(fill(enclosing), 0);
    EXPECT_EQ(host.messageBoxes().back(), "Database FULL--objects not loaded");
    EXPECT_EQ(g_board.count, count);
    g_board.count = 3;
}

TEST_F(FloodFillTest, FloatingCopperGoesWhenAskedAndLargeCopperStays)
{
    // A square ring of traces closes a small pocket of copper inside the area.
    const int enclosing = addRectangle(0, 0, 6000, 6000);
    addTrace(2000, 2000, 2800, 2000);
    addTrace(2800, 2000, 2800, 2800);
    addTrace(2800, 2800, 2000, 2800);
    addTrace(2000, 2800, 2000, 2000);
    const int first = g_board.count;
    ASSERT_GT(fill(enclosing, false), 0);
    EXPECT_TRUE(covered(first, 2400, 2400));
    for (int i = first + 1; i <= g_board.count; ++i)
        g_board.objects[i] = BoardObject{};
    g_board.count = first;

    ASSERT_GT(fill(enclosing, true), 0);
    EXPECT_FALSE(covered(first, 2400, 2400));
    EXPECT_TRUE(covered(first, 500, 500));
    EXPECT_TRUE(covered(first, 5500, 5500));
}

TEST_F(FloodFillTest, IslandsAreFoundOnceAndMarked)
{
    std::vector<BoardObject> records = {
        makeObject(kKindRectangle, 0, {0, 0, 100, 30, 0, 0, 1, 20}),        // lone, 3,000 units
        makeObject(kKindRectangle, 0, {1000, 0, 2000, 30, 0, 0, 1, 20}),    // wide lone rectangle
        makeObject(kKindRectangle, 0, {5000, 0, 200, 30, 0, 0, 1, 20}),     // two stacked
        makeObject(kKindRectangle, 0, {5100, 30, 200, 30, 0, 0, 1, 20}),
        makeObject(kKindRectangle, 0, {9000, 0, 5000, 5000, 0, 0, 1, 20}), // large
        makeObject(kKindRectangle, 1, {0, 0, 100, 30, 0, 0, 1, 20}),        // other layer
    };
    struct Case {
        double grid;
        std::vector<int> islands;
    };
    for (const Case& c : {Case{3.0, {0, 1, 2, 3}}, Case{4.0, {0, 2, 3}}}) {
        SCOPED_TRACE(c.grid);
        for (BoardObject& o : records)
            o.w[8] = 0;
        EXPECT_EQ(FindFloatingCopper(records, 0, c.grid), c.islands);
        EXPECT_EQ(records[4].w[8], kFillGroupedMark);
        EXPECT_EQ(records[5].w[8], 0);
        EXPECT_TRUE(FindFloatingCopper(records, 0, c.grid).empty());
    }
}

}  // namespace
