// The router's work memory: allocated and locked once by start-up, freed by the main frame.
#include "tracelyn/core/router_memory.h"

#include <gtest/gtest.h>

namespace {

TEST(RouterWorkMemoryTest, AllocateLocksThreeZeroedBlocksThatUnlockAndFreeRelease)
{
    ASSERT_EQ(RouterMemory(kRouterMemoryAllocate), 1);
    RouterWorkMemory& m = g_routerMemory;
    ASSERT_NE(m.connections, nullptr);
    ASSERT_NE(m.nets, nullptr);
    ASSERT_NE(m.pins, nullptr);
    EXPECT_EQ(m.connections[kRouterConnectionBytes - 1], 0);
    EXPECT_EQ(m.nets[kRouterNetBytes - 1], 0);
    EXPECT_EQ(m.pins[kRouterPinBytes - 1], 0);

    // Unlocking keeps the blocks: locking again gives the same tables and their contents.
    m.nets[0] = 42;
    uint8_t* const nets = m.nets;
    EXPECT_EQ(RouterMemory(kRouterMemoryUnlock), 1);
    EXPECT_EQ(m.nets, nullptr);
    ASSERT_EQ(RouterMemory(kRouterMemoryAllocate), 1);
    EXPECT_EQ(m.nets, nets);
    EXPECT_EQ(m.nets[0], 42);

    EXPECT_EQ(RouterMemory(kRouterMemoryFree), 1);
    EXPECT_EQ(m.connections, nullptr);
    EXPECT_EQ(m.connectionBlock, nullptr);
    EXPECT_EQ(RouterMemory(2), 0) << "not an operation";
}

}  // namespace
