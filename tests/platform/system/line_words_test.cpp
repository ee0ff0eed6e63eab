#include "platform/system/line_words.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

using Words = std::vector<std::string_view>;

TEST(LineWords, SplitsAtRunsOfBlanksAndTabsOnly)
{
    EXPECT_EQ(plat::LineWords(""), Words{});
    EXPECT_EQ(plat::LineWords(" \t  "), Words{});
    EXPECT_EQ(plat::LineWords("R1 DEVICE\\R  DIP14"), (Words{"R1", "DEVICE\\R", "DIP14"}));
    EXPECT_EQ(plat::LineWords("\t 0\t\tv(out)  1.5e-3,0 \r"), (Words{"0", "v(out)", "1.5e-3,0", "\r"}));
    const std::string_view line = "a, b;c";
    const Words words = plat::LineWords(line);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[1].data(), line.data() + 3) << "views into the line";
}
