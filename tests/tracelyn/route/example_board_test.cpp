// The shipped example board reads back with its parts resolved from the starter packages and a
// rats nest that its netlist rebuilds line for line.
#include "tracelyn/route/netlist_fixture.h"

#include "platform/system/files.h"
#include "platform/system/paths.h"
#include "tracelyn/route/board_netlist.h"

namespace netlist_test {
namespace {

using Line = std::array<int32_t, 4>;

std::vector<Line> lineEnds(const std::vector<const BoardObject*>& lines)
{
    std::vector<Line> ends;
    for (const BoardObject* o : lines)
        ends.push_back({o->w[0], o->w[1], o->w[2], o->w[3]});
    return ends;
}

TEST_F(NetlistTest, ShippedExampleBoardIsReadyToRoute)
{
    const Bytes board = shippedExampleBoard();
    if (board.empty())
        GTEST_SKIP() << "the example board is written by the full build";

    BoardDocumentData opened;
    ASSERT_EQ(read(opened, board), 7);   // outline, three parts, three lines
    int parts = 0;
    for (int i = 1; i <= g_board.count; ++i)
        parts += g_board.objects[i].kind() > kKindPart;
    EXPECT_EQ(parts, 3);
    const std::vector<Line> saved = lineEnds(ratsNestLines());
    ASSERT_EQ(saved.size(), 3u);

    g_netlist.netlistName = shippedExample("rc_filter.net");
    EXPECT_EQ(BuildRatsNest(1), 1);
    EXPECT_EQ(g_netlist.netCount, 3);
    EXPECT_EQ(lineEnds(ratsNestLines()), saved);
    EXPECT_TRUE(host.messageBoxes().empty());
    CloseBoardDocument(opened, nullptr);
    LoadBoardGlobals(doc);
}

}  // namespace
}  // namespace netlist_test
