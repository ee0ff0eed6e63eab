#include "platform/qt_host/command_line.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

TEST(SplitCommandLine, SplitsLikeAShellWithoutExpanding)
{
    const struct {
        const char* line;
        Words words;
    } cases[] = {
        {"build /home/ann/lib/TTL.LIB", {"build", "/home/ann/lib/TTL.LIB"}},
        {"  viewer \t out.net  ", {"viewer", "out.net"}},
        {"viewer \"/tmp/run 1.out\"", {"viewer", "/tmp/run 1.out"}},
        {"viewer '/tmp/a \"b\" c'", {"viewer", "/tmp/a \"b\" c"}},
        {"echo \"say \\\"hi\\\" \\\\ \\n\"", {"echo", "say \"hi\" \\ \\n"}},
        {"echo a\\ b", {"echo", "a b"}},
        {"echo pre\"fix mid\"post", {"echo", "prefix midpost"}},
        {"echo \"\" ''", {"echo", "", ""}},
        {"echo $HOME *.pic", {"echo", "$HOME", "*.pic"}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto words = plat::splitCommandLine(c.line);
        ASSERT_TRUE(words.has_value());
        EXPECT_EQ(*words, c.words);
    }
}

TEST(SplitCommandLine, RefusesAnOpenQuoteOrATrailingBackslash)
{
    for (const char* line : {"viewer \"/tmp/out", "viewer '/tmp/out", "viewer out\\", "a \"b\\\""}) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(plat::splitCommandLine(line).has_value());
    }
}

}  // namespace
