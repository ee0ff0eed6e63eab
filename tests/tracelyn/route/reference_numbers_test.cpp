// Renumbering the parts' references in board order.
#include "../core/paint_fixture.h"

#include "tracelyn/core/route_services.h"

namespace {

using namespace paint_test;

class Renumber : public PaintTest {
protected:
    void SetUp() override
    {
        PaintTest::SetUp();
        g_selection.list.assign(kBoardStoreSize, 0);
        package = addPackage("LIB\\ONE", {object(kKindPad, 31, {px(0), py(0), 600, 600, 0, 0, 300, 0})});
    }
    int package = 0;
};

TEST_F(Renumber, EachLetterCountsFromTheStartInBoardOrder)
{
    const int u1 = addPart("U", package, 0, 0, 0, 0, 0);
    const int r1 = addPart("r", package, 0, 1000, 0, 0, 0);
    const int u2 = addPart("U", package, 0, 2000, 0, 0, 0);
    const int fixed = addPart("U", package, 0, 3000, 0, 0, -1);
    g_board.objects[fixed].w[7] = 77;
    RenumberReferences(5, "all", 0);
    EXPECT_EQ(g_board.objects[u1].w[7], 5);
    EXPECT_EQ(g_board.objects[u2].w[7], 6);
    EXPECT_EQ(g_board.objects[r1].w[7], 5);
    EXPECT_EQ(g_board.objects[fixed].w[7], 77) << "word 5 of -1 is never renumbered";

    RenumberReferences(1, "r", 0);
    EXPECT_EQ(g_board.objects[r1].w[7], 1);
    EXPECT_EQ(g_board.objects[u1].w[7], 5) << "only the R parts";
    EXPECT_EQ(g_selection.count, 0);
}

TEST_F(Renumber, CountersStopAt9999)
{
    const int a = addPart("C", package, 0, 0, 0, 0, 0);
    const int b = addPart("C", package, 0, 0, 0, 0, 0);
    RenumberReferences(9999, "ALL", 0);
    EXPECT_EQ(g_board.objects[a].w[7], 9999);
    EXPECT_EQ(g_board.objects[b].w[7], 9999);
}

}  // namespace
