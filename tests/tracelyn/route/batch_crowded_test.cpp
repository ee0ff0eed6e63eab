// Batch runs on a crowded board, where the rip-up passes take many routes up: no pass leaves
// fewer routes than it found, a store short of room is tidied instead of stopping the run, and
// the summary says why the connections left open stayed open.
#include "tracelyn/route/route_fixture.h"

#include "tracelyn/core/board_store.h"

#include <string>

namespace route_test {
namespace {

class BatchCrowdedTest : public BatchRunTest {
protected:
    struct Outcome {
        int routed = 0, main = 0, connections = 0;
        std::string summary;
        std::vector<std::array<int32_t, 14>> board;
    };
    // Forty DIP8s in rows too close for all their nets: ten-part buses on every pin. With
    // `capacity` > 0 the store holds only that many records, record 0 included; with `spare`
    // > 0 only that many beyond the parts.
    Outcome runCrowded(int capacity, int spare = 0)
    {
        g_board.sizeLetter = 'C';
        netDipGrid(40, 10, 6000, 4500, 8, 10);
        const int savedCapacity = g_board.capacity;
        if (capacity > 0)
            g_board.capacity = capacity;
        if (spare > 0)
            g_board.capacity = g_board.count + spare;
        answerRun(false);
        CBatchRouter router;
        router.BatchRoute();
        g_board.capacity = savedCapacity;
        expectHonestSummary();
        return {g_batchStats.routed, g_batchStats.main, g_batchStats.connections, summary(), words()};
    }
};

TEST_F(BatchCrowdedTest, RipupsNeverLeaveFewerRoutesThanTheMainPassMade)
{
    const Outcome run = runCrowded(0);
    ASSERT_GT(run.main, 0);
    EXPECT_LT(run.main, run.connections) << "the board is meant to be crowded";
    EXPECT_GE(run.routed, run.main);
    EXPECT_GE(g_batchStats.ripup, 0);
    EXPECT_GE(g_batchStats.straight, 0);
    // The summary tells why the rest stayed open, one cause a line, the counts adding up.
    SCOPED_TRACE(run.summary);
    const size_t at = run.summary.find("\nNot routed: " + std::to_string(run.connections - run.routed));
    ASSERT_NE(at, std::string::npos);
    int causes = 0;
    for (size_t line = run.summary.find('\n', at + 1); line != std::string::npos; line = run.summary.find('\n', line + 1)) {
        const size_t colon = run.summary.find(": ", line);
        ASSERT_NE(colon, std::string::npos);
        causes += std::stoi(run.summary.substr(colon + 2));
    }
    EXPECT_EQ(causes, run.connections - run.routed);
}

TEST_F(BatchCrowdedTest, StoreShortOfRoomDropsDeletedRecordsAndRoutesAsFar)
{
    const Outcome roomy = runCrowded(0);
    TearDown();
    SetUp();
    // Room for what the run leaves on the board and a route more: the records its rip-ups
    // delete must be dropped on the way.
    const Outcome tight = runCrowded(static_cast<int>(roomy.board.size()) + 1 + 512 + 64);
    EXPECT_EQ(tight.routed, roomy.routed);
    EXPECT_EQ(tight.board, roomy.board);
    EXPECT_EQ(tight.summary.find("no room for more objects"), std::string::npos) << tight.summary;
}

TEST_F(BatchCrowdedTest, FullStoreStopsTheRunAndSaysSo)
{
    const Outcome run = runCrowded(0, 600);
    EXPECT_LT(run.routed, run.connections);
    EXPECT_NE(run.summary.find("Stopped: the board has no room for more objects"), std::string::npos) << run.summary;
}

}  // namespace
}  // namespace route_test
