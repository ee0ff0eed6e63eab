// The maze router's wave against a reference breadth-first search on seeded random grids, its
// back-trace direction, its tie-break order, its queue overflow and the straightening of the
// found path.
#include "tracelyn/route/maze_grid.h"
#include "tracelyn/route/maze_router.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <queue>
#include <random>
#include <vector>

namespace {

struct Grid {
    int rows, cols;
    std::vector<uint8_t> states;
    uint8_t at(int i, int j) const { return states[static_cast<size_t>(i * cols + j)]; }
};

void load(const Grid& g)
{
    MazeGrid& grid = TheMazeGrid();
    grid.reset(g.rows - 1, g.cols - 1);
    for (int i = 0; i < g.rows; ++i)
        for (int j = 0; j < g.cols; ++j)
            if (g.at(i, j) != kStateFree)
                grid.mark(i, j, g.at(i, j), false);
}

// Steps from source to target by plain breadth-first search; -1 when unreachable. The target
// may be entered whatever its state, as the wave does.
int referenceDistance(const Grid& g, GridCell s, GridCell t, bool twoLayer)
{
    std::vector<int> dist(static_cast<size_t>(g.rows * g.cols), -1);
    std::queue<GridCell> q;
    dist[static_cast<size_t>(s.i * g.cols + s.j)] = 0;
    q.push(s);
    while (!q.empty()) {
        const GridCell c = q.front();
        q.pop();
        const int d = dist[static_cast<size_t>(c.i * g.cols + c.j)];
        const int di[4] = {0, 0, 1, -1}, dj[4] = {1, -1, 0, 0};
        for (int k = 0; k < 4; ++k) {
            if (!(c == s) && !MazeGrid::passable(g.at(c.i, c.j), k < 2, twoLayer))
                continue;
            const GridCell n{c.i + di[k], c.j + dj[k]};
            if (n.i < 0 || n.j < 0 || n.i >= g.rows || n.j >= g.cols)
                continue;
            if (n == t)
                return d + 1;
            int& nd = dist[static_cast<size_t>(n.i * g.cols + n.j)];
            if (nd >= 0 || !MazeGrid::passable(g.at(n.i, n.j), k < 2, twoLayer))
                continue;
            nd = d + 1;
            q.push(n);
        }
    }
    return -1;
}

Grid randomGrid(std::mt19937& rng, bool twoLayer)
{
    std::uniform_int_distribution<int> size(8, 60);
    Grid g{size(rng), size(rng), {}};
    g.states.resize(static_cast<size_t>(g.rows * g.cols));
    std::uniform_int_distribution<int> pick(0, 99);
    for (uint8_t& s : g.states) {
        const int p = pick(rng);
        if (!twoLayer)
            s = p < 28 ? kStateBlocked : kStateFree;
        else
            s = p < 12 ? kStateBlocked : p < 30 ? kStateEven : p < 48 ? kStateOdd : kStateFree;
    }
    return g;
}

// Each step of the cells is one cell long and joins two cells open for its axis (the two ends
// belong to the route).
void expectValidWalk(const Grid& g, const std::vector<GridCell>& cells, bool twoLayer)
{
    for (size_t k = 1; k < cells.size(); ++k) {
        const GridCell a = cells[k - 1], b = cells[k];
        ASSERT_EQ(std::abs(a.i - b.i) + std::abs(a.j - b.j), 1) << "step " << k;
        if (k + 1 < cells.size()) {
            EXPECT_TRUE(MazeGrid::passable(g.at(b.i, b.j), a.i == b.i, twoLayer)) << "cell " << b.i << "," << b.j;
        }
        if (k > 1) {
            EXPECT_TRUE(MazeGrid::passable(g.at(a.i, a.j), a.i == b.i, twoLayer)) << "cell " << a.i << "," << a.j;
        }
    }
}

std::vector<GridCell> cellsOf(const std::vector<RouteSegment>& segments)
{
    std::vector<GridCell> cells{segments.front().a};
    for (const RouteSegment& s : segments) {
        GridCell c = s.a;
        EXPECT_EQ(c, cells.back());
        while (!(c == s.b)) {
            c = {c.i + (s.b.i > c.i) - (s.b.i < c.i), c.j + (s.b.j > c.j) - (s.b.j < c.j)};
            cells.push_back(c);
        }
    }
    return cells;
}

TEST(MazeGridTest, WaveMatchesReferenceSearchOnRandomGrids)
{
    for (bool twoLayer : {false, true}) {
        std::mt19937 rng(twoLayer ? 2026 : 1999);
        int found = 0;
        for (int round = 0; round < 300; ++round) {
            SCOPED_TRACE(testing::Message() << "two layers " << twoLayer << " round " << round);
            const Grid g = randomGrid(rng, twoLayer);
            std::uniform_int_distribution<int> row(0, g.rows - 1), col(0, g.cols - 1);
            const GridCell s{row(rng), col(rng)}, t{row(rng), col(rng)};
            if (s == t)
                continue;
            load(g);
            std::vector<GridCell> path;
            const bool routed = TheMazeGrid().expandWave(s, t, twoLayer, path);
            const int reference = referenceDistance(g, s, t, twoLayer);
            ASSERT_FALSE(TheMazeGrid().overflowed());
            ASSERT_EQ(routed, reference >= 0);
            if (!routed)
                continue;
            ++found;
            ASSERT_EQ(path.front(), t);
            ASSERT_EQ(path.back(), s);
            EXPECT_EQ(static_cast<int>(path.size()) - 1, reference);
            std::vector<GridCell> forward(path.rbegin(), path.rend());
            expectValidWalk(g, forward, twoLayer);

            // Straightening keeps the walk valid and its length.
            std::vector<RouteSegment> segments = CMazeRouter::SegmentsOfPath(forward);
            CMazeRouter::StraightenSegments(segments, TheMazeGrid(), twoLayer);
            const std::vector<GridCell> straightened = cellsOf(segments);
            EXPECT_EQ(straightened.front(), s);
            EXPECT_EQ(straightened.back(), t);
            EXPECT_EQ(static_cast<int>(straightened.size()) - 1, reference);
            expectValidWalk(g, straightened, twoLayer);
            for (size_t k = 1; k < segments.size(); ++k)
                EXPECT_NE(segments[k - 1].a.i == segments[k - 1].b.i, segments[k].a.i == segments[k].b.i)
                    << "consecutive segments share an axis";
        }
        EXPECT_GT(found, 100);
    }
}

TEST(MazeGridTest, BackTraceWalksTowardTheSource)
{
    const Grid g{1, 5, std::vector<uint8_t>(5, kStateFree)};
    Grid tall{5, 1, std::vector<uint8_t>(5, kStateFree)};
    for (const auto& [grid, s, t] : {std::tuple{g, GridCell{0, 0}, GridCell{0, 4}}, std::tuple{g, GridCell{0, 4}, GridCell{0, 0}},
                                     std::tuple{tall, GridCell{0, 0}, GridCell{4, 0}}, std::tuple{tall, GridCell{4, 0}, GridCell{0, 0}}}) {
        load(grid);
        std::vector<GridCell> path;
        ASSERT_TRUE(TheMazeGrid().expandWave(s, t, false, path));
        ASSERT_EQ(path.size(), 5u);
        EXPECT_EQ(path.front(), t);
        EXPECT_EQ(path.back(), s);
    }
}

TEST(MazeGridTest, TiesGoToTheNeighbourFoundFirst)
{
    load(Grid{10, 10, std::vector<uint8_t>(100, kStateFree)});
    std::vector<GridCell> path;
    ASSERT_TRUE(TheMazeGrid().expandWave({5, 5}, {6, 6}, false, path));
    ASSERT_EQ(path.size(), 3u);
    EXPECT_EQ(path[1], (GridCell{5, 6}));   // j + 1 is looked at before i + 1
}

TEST(MazeGridTest, TwoLayerCellsLetTheOtherAxisCross)
{
    // A wall of even-layer cells across the window: steps along i pass, steps along j do not.
    Grid g{3, 7, std::vector<uint8_t>(21, kStateFree)};
    for (int i = 0; i < 3; ++i)
        g.states[static_cast<size_t>(i * 7 + 3)] = kStateEven;
    load(g);
    std::vector<GridCell> path;
    EXPECT_FALSE(TheMazeGrid().expandWave({1, 0}, {1, 6}, true, path));
    Grid h{7, 3, std::vector<uint8_t>(21, kStateFree)};
    for (int j = 0; j < 3; ++j)
        h.states[static_cast<size_t>(3 * 3 + j)] = kStateEven;
    load(h);
    EXPECT_TRUE(TheMazeGrid().expandWave({0, 1}, {6, 1}, true, path));
    load(h);
    EXPECT_FALSE(TheMazeGrid().expandWave({0, 1}, {6, 1}, false, path));
}

TEST(MazeGridTest, AFullQueueEndsTheSearchAsAnOverflow)
{
    TheMazeGrid().reset(999, 999);
    std::vector<GridCell> path;
    EXPECT_FALSE(TheMazeGrid().expandWave({500, 500}, {990, 990}, false, path));
    EXPECT_TRUE(TheMazeGrid().overflowed());
    EXPECT_TRUE(path.empty());
    // From a corner the frontier stays within the ring.
    TheMazeGrid().reset(299, 299);
    EXPECT_TRUE(TheMazeGrid().expandWave({0, 0}, {299, 299}, false, path));
    EXPECT_FALSE(TheMazeGrid().overflowed());
    EXPECT_LE(TheMazeGrid().queuePeak(), kMazeQueueSize);
}

TEST(MazeGridTest, MarksOutsideTheUsedAreaAreIgnored)
{
    MazeGrid& grid = TheMazeGrid();
    grid.reset(9, 9);
    grid.mark(-1, 4, kStateBlocked, false);
    grid.mark(4, 2000, kStateBlocked, false);
    grid.mark(12, 3, kStateBlocked, false);
    EXPECT_FALSE(grid.inside(12, 3));
    EXPECT_EQ(grid.state(4, 4), kStateFree);
    grid.reset(5000, 5000);
    EXPECT_EQ(grid.lastI(), kMazeGridSize - 1);
}

}  // namespace
