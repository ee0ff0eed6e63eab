#include "common/scoped_replace.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

TEST(ScopedReplace, GivesTheOldValueBackHoweverTheScopeEnds)
{
    std::string shared = "drawing";
    {
        const ScopedReplace<std::string> lent(shared, "editor");
        EXPECT_EQ(shared, "editor");
        EXPECT_EQ(lent.saved(), "drawing");
    }
    EXPECT_EQ(shared, "drawing");
    try {
        const ScopedReplace<std::string> lent(shared, "editor");
        throw std::runtime_error("failed save");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(shared, "drawing");
}
