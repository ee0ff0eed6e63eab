#include "common/common_state.h"
#include "common/object_slots.h"

#include <gtest/gtest.h>

TEST(ObjectSlots, CountStopsAtTheCapAndFlagsOverflow)
{
    quill::g_elementOverflow = {};
    int32_t counter = 31990;
    EXPECT_EQ(CountObjectSlot(&counter), 0);
    EXPECT_EQ(counter, 31991);
    EXPECT_FALSE(quill::g_elementOverflow.overflow);
    EXPECT_EQ(CountObjectSlot(&counter), 1);
    EXPECT_EQ(counter, 31991);
    EXPECT_TRUE(quill::g_elementOverflow.overflow);
    quill::g_elementOverflow = {};
}
