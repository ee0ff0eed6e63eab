#include "schemora/core/text_width_estimate.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextWidthEstimate, CharacterTableAndSums)
{
    EXPECT_EQ(EstimateTextWidth("W1."), 66 + 35 + 18);
    EXPECT_EQ(EstimateTextWidth(""), 0);
    EXPECT_EQ(EstimateTextWidth("IL/M"), 17 + 38 + 18 + 55);
    EXPECT_EQ(GetCharWidthUnits('a'), 50);
    EXPECT_EQ(EstimateTextWidth(std::string(300, 'x')), 147 * 50) << "at most 147 characters count";
}
