// Outline edits at a vertex and the whole-edge replacements.
#include "tests/tracelyn/core/board_fixture.h"

#include "tracelyn/core/outline_editing.h"

namespace {

using Segments = std::vector<std::array<int32_t, 5>>;

class OutlineEditingTest : public board_test::BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        g_boardSize = BoardSize{};
        ASSERT_EQ(CreateRectangleOutline(), 1);
        doc.modified = false;
    }
    static Segments segments()
    {
        const BoardObject& o = g_board.objects[1];
        Segments out(static_cast<size_t>(o.w[2]));
        for (size_t i = 0; i < out.size(); ++i)
            std::copy_n(o.points() + i * kSegmentWords, kSegmentWords, out[i].begin());
        return out;
    }
};

TEST_F(OutlineEditingTest, RectangleOutlineOfTheStartUpBoardSize)
{
    EXPECT_EQ(segments(), (Segments{{-17000, -17000, 17000, -17000, 1}, {17000, -17000, 17000, 17000, 1},
                                    {17000, 17000, -17000, 17000, 1}, {-17000, 17000, -17000, -17000, 1}}));
    ASSERT_EQ(CreateCircleOutline(), 1);
    EXPECT_EQ(segments(), (Segments{{-17000, 0, 0, -17000, 10}, {17000, 0, 0, -17000, 10},
                                    {-17000, 0, 0, 17000, 10}, {17000, 0, 0, 17000, 10}}));
    EXPECT_TRUE(doc.modified);
}

TEST_F(OutlineEditingTest, DeletingAVertexClosesTheChain)
{
    ASSERT_EQ(DeleteOutlineVertex(0), 1);
    // The last segment now ends where the old segment 0 ended.
    EXPECT_EQ(segments(), (Segments{{17000, -17000, 17000, 17000, 1}, {17000, 17000, -17000, 17000, 1},
                                    {-17000, 17000, 17000, -17000, 1}}));
    // Three segments cannot shrink further.
    EXPECT_EQ(DeleteOutlineVertex(0), 0);
    EXPECT_EQ(segments().size(), 3u);
}

TEST_F(OutlineEditingTest, DeletingALaterVertexJoinsItsNeighbours)
{
    ASSERT_EQ(DeleteOutlineVertex(2), 1);
    EXPECT_EQ(segments(), (Segments{{-17000, -17000, 17000, -17000, 1}, {17000, -17000, -17000, 17000, 1},
                                    {-17000, 17000, -17000, -17000, 1}}));
}

TEST_F(OutlineEditingTest, InsertCutsTheCornerBetweenTheMidpoints)
{
    ASSERT_EQ(InsertOutlineSegment(kSegmentLine, 0), 1);
    EXPECT_EQ(segments(), (Segments{{-17000, 0, 0, -17000, 1}, {0, -17000, 17000, -17000, 1},
                                    {17000, -17000, 17000, 17000, 1}, {17000, 17000, -17000, 17000, 1},
                                    {-17000, 17000, -17000, 0, 1}}));
    ASSERT_EQ(InsertOutlineSegment(kSegmentArc, 3), 1);
    EXPECT_EQ(segments()[3], (std::array<int32_t, 5>{17000, 0, 0, 17000, 10}));
    EXPECT_EQ(segments().size(), 6u);
}

TEST_F(OutlineEditingTest, ReverseArcTurnsOnlyArcs)
{
    ASSERT_EQ(CreateCircleOutline(), 1);
    EXPECT_EQ(ReverseOutlineArc(1), 1);
    EXPECT_EQ(segments()[1][4], kSegmentArcReversed);
    EXPECT_EQ(ReverseOutlineArc(1), 1);
    EXPECT_EQ(segments()[1][4], kSegmentArc);
    ASSERT_EQ(CreateRectangleOutline(), 1);
    EXPECT_EQ(ReverseOutlineArc(1), 0);
    EXPECT_EQ(segments()[1][4], kSegmentLine);
}

TEST_F(OutlineEditingTest, EditsRefuseWhatWouldDamageTheBlockOrTheBoard)
{
    // The block holds 50 segments: inserting stops there.
    for (int i = 4; i < kMaxOutlineSegments; ++i)
        ASSERT_EQ(InsertOutlineSegment(kSegmentLine, 1), 1) << i;
    EXPECT_EQ(InsertOutlineSegment(kSegmentLine, 1), 0);
    EXPECT_EQ(segments().size(), static_cast<size_t>(kMaxOutlineSegments));

    // A picked handle that is no vertex of the outline.
    for (const int vertex : {-1, kMaxOutlineSegments, 255}) {
        SCOPED_TRACE(vertex);
        EXPECT_EQ(DeleteOutlineVertex(vertex), 0);
        EXPECT_EQ(InsertOutlineSegment(kSegmentArc, vertex), 0);
        EXPECT_EQ(ReverseOutlineArc(vertex), 0);
    }
    EXPECT_EQ(segments().size(), static_cast<size_t>(kMaxOutlineSegments));

    // Object 1 is not an outline (cleared, reordered or from a foreign file).
    BoardObject outline = g_board.objects[1];
    g_board.objects[1] = board_test::makeObject(kKindLine, 0, {0, 0, 100, 100, 0, 0, 0, 10});
    EXPECT_EQ(EditableOutline(), nullptr);
    EXPECT_EQ(DeleteOutlineVertex(0), 0);
    EXPECT_EQ(InsertOutlineSegment(kSegmentLine, 0), 0);
    EXPECT_EQ(CreateRectangleOutline(), 0);
    EXPECT_EQ(g_board.objects[1].kind(), kKindLine);
    g_board.objects[1] = outline;
}

}  // namespace
