#include "common/alignment_commands.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>

namespace {

// A store of first points: index 1 a horizontal line from (0, 0) to (100, 0), index 2 a box at
// (0, 0) sized 100 × 60, the rest points that Align On Line moves unless they are odd.
struct FakeStore {
    std::map<int, plat::Point> points;
    plat::Point moved;

    AlignmentStore store(std::vector<int> selection)
    {
        return {std::move(selection),
                [](int index) {
                    if (index == 1)
                        return AlignReference{AlignShape::Line, 0, 0, 100, 0};
                    if (index == 2)
                        return AlignReference{AlignShape::Box, 0, 0, 100, 60};
                    return AlignReference{};
                },
                [this](int index) { return PointAnchorItem(points[index].x, points[index].y); },
                [this](plat::Point offset) { moved = offset; },
                [this](int index) -> std::optional<plat::Point> {
                    if (index % 2)
                        return std::nullopt;
                    return points[index];
                },
                [this](int index, plat::Point p) { points[index] = p; }};
    }
};

}  // namespace

TEST(AlignmentCommands, TextAnchorSitsAQuarterOfItsHeightAboveItsFirstPoint)
{
    const AnchorItem item = TextAnchorItem({10, 100, 50, 60}, 12, 90);
    EXPECT_TRUE(item.counts);
    EXPECT_EQ(item.single, (plat::Point{30, 80}));
    EXPECT_EQ(item.summed, (plat::Point{12, 90}));
    EXPECT_EQ(TextAnchorItem({0, 0, 0, 400}, 0, INT_MIN).single.y, INT_MIN);
    const AnchorItem dot = PointAnchorItem(-4, 7);
    EXPECT_TRUE(dot.counts);
    EXPECT_EQ(dot.single, (plat::Point{-4, 7}));
    EXPECT_EQ(dot.summed, (plat::Point{-4, 7}));
}

TEST(AlignmentCommands, EdgeAndCentreMoveTheSelectionByTheOffsetFromItsAnchor)
{
    FakeStore fake;
    fake.points[4] = {10, 20};
    AlignSelectionToCenter(fake.store({4}), 2);
    EXPECT_EQ(fake.moved, (plat::Point{40, 10}));
    fake.moved = {};
    AlignSelectionWithEdge(fake.store({4}), 2, 3, false);
    EXPECT_EQ(fake.moved, (plat::Point{40, 0}));
    fake.moved = {7, 7};
    AlignSelectionToCenter(fake.store({4}), 1);  // a line has no centre: nothing moves
    EXPECT_EQ(fake.moved, (plat::Point{7, 7}));
    EXPECT_EQ(AnchorOfSelection(fake.store({4})), (plat::Point{10, 20}));
}

TEST(AlignmentCommands, OnLineDropsTheChosenFirstPointsOntoTheLineOnly)
{
    FakeStore fake;
    fake.points[4] = {30, 40};
    fake.points[5] = {30, 40};
    AlignSelectionOnLine(fake.store({4, 5}), 1);
    EXPECT_NEAR(fake.points[4].x, 30, 1);
    EXPECT_EQ(fake.points[4].y, 0);
    EXPECT_EQ(fake.points[5], (plat::Point{30, 40}));
    fake.points[4] = {30, 40};
    AlignSelectionOnLine(fake.store({4}), 2);  // a box is no line
    EXPECT_EQ(fake.points[4], (plat::Point{30, 40}));
}

TEST(AlignmentCommands, AMenuCommandTakesItsUndoSnapshotBeforeTheMoveAndRepaintsAfter)
{
    FakeStore fake;
    fake.points[4] = {10, 20};
    std::string steps;
    AlignmentEditor editor{[&] {
                               steps += "read ";
                               return fake.store({4});
                           },
                           [&] { steps += "undo "; },
                           [&] { steps += "redraw"; },
                           3,
                           false};
    RunAlignCommand(editor, AlignCommand::WithEdge, 2);
    EXPECT_EQ(steps, "undo read redraw");
    EXPECT_EQ(fake.moved, (plat::Point{40, 0}));
    RunAlignCommand(editor, AlignCommand::ToCenter, 2);
    EXPECT_EQ(fake.moved, (plat::Point{40, 10}));
    RunAlignCommand(editor, AlignCommand::OnLine, 1);
    EXPECT_EQ(fake.points[4].y, 0);
}

TEST(AlignmentCommands, TheObjectSelectedLastBecomesTheReference)
{
    const std::vector<int32_t> list = {0, 7, 3, 9, 0};
    struct Case {
        int32_t count;
        std::optional<int> reference;
        int32_t countAfter;
    };
    const Case cases[] = {
        {3, 9, 2},              // the last of three leaves the selection
        {2, 3, 1},
        {1, std::nullopt, 1},   // one object has nothing to align against
        {0, std::nullopt, 0},
        {5, std::nullopt, 5},   // a full list is left as it is
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        int32_t count = c.count;
        EXPECT_EQ(TakeAlignReference(list, count), c.reference);
        EXPECT_EQ(count, c.countAfter);
    }
    const AlignMenuIds ids{40, 41};
    EXPECT_EQ(AlignCommandOf(40, ids), AlignCommand::WithEdge);
    EXPECT_EQ(AlignCommandOf(41, ids), AlignCommand::ToCenter);
    EXPECT_EQ(AlignCommandOf(42, ids), AlignCommand::OnLine);
}

namespace {
std::vector<std::pair<AlignCommand, int>> g_aligned;
void recordAlign(AlignCommand command, int reference) { g_aligned.emplace_back(command, reference); }
}  // namespace

TEST(AlignmentCommands, AMenuItemAlignsAgainstTheObjectSelectedLast)
{
    const std::vector<int32_t> list = {0, 7, 3, 9, 0};
    const AlignMenuIds ids{40, 41};
    g_aligned.clear();
    int32_t count = 3;
    RunAlignMenuItem(41, ids, list, count, recordAlign);
    ASSERT_EQ(g_aligned.size(), 1u);
    EXPECT_EQ(g_aligned[0], std::make_pair(AlignCommand::ToCenter, 9));
    EXPECT_EQ(count, 2);
    count = 1;
    RunAlignMenuItem(40, ids, list, count, recordAlign);
    EXPECT_EQ(g_aligned.size(), 1u) << "one object has nothing to align against";
    EXPECT_EQ(count, 1);
}
