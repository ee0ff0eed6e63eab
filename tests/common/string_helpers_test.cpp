#include "common/common_state.h"
#include "common/string_helpers.h"
#include "platform/core/test_ui_host.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(StringHelpers, SlicesTakeTheAskedPartAndStayBounded)
{
    struct Case {
        const char* what;
        std::string got;
        std::string want;
    };
    const std::string longText(400, 'x');
    const Case cases[] = {
        {"right, n beyond length", StrRight("abc", 5), "abc"},
        {"right", StrRight("abcdef", 2), "ef"},
        {"right, negative n", StrRight("abc", -1), ""},
        {"left, n beyond length", StrLeft("abc", 9), "abc"},
        {"left", StrLeft("abcdef", 4), "abcd"},
        {"mid", StrMid("abcdef", 3, 2), "cd"},
        {"mid runs off the end", StrMid("abcdef", 5, 10), "ef"},
        {"mid starts beyond the end", StrMid("abc", 9, 2), ""},
        {"mid from position 0 counts as 1", StrMid("abc", 0, 2), "ab"},
        {"right of a long text is cut to the buffer", StrRight(longText, 300),
         std::string(quill::kSliceBufferSize - 1, 'x')},
        {"mid of 200 characters fits whole", StrMid(longText, 1, 200), std::string(200, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.got, c.want);
    }
}

TEST(StringHelpers, SliceOfTheSliceBufferItself)
{
    const char* right = StrRight("hello world", 5);
    EXPECT_STREQ(StrLeft(right, 3), "wor");
    const char* mid = StrMid("abcdefgh", 2, 6);
    EXPECT_STREQ(StrMid(mid, 2, 3), "cde");
}

TEST(StringHelpers, TrimAndSkipBlanks)
{
    char text[] = "  ab c   ";
    EXPECT_EQ(TrimRight(text), text);
    EXPECT_STREQ(text, "  ab c");
    EXPECT_STREQ(SkipBlanks(text), "ab c");
    char empty[] = "";
    EXPECT_STREQ(TrimRight(empty), "");
    char blanks[] = "   ";
    EXPECT_STREQ(TrimRight(blanks), "");
    const char* noBlank = "x y";
    EXPECT_EQ(SkipBlanks(noBlank), noBlank);
    EXPECT_EQ(TrimRight(nullptr), nullptr);
}

// A part's library fields trim spaces only; an annotation file's lines trim any white space.
TEST(StringHelpers, TrimmedCutsTheCallersBlanksAtBothEnds)
{
    EXPECT_EQ(Trimmed("  DIP14 \t", " "), "DIP14 \t");
    EXPECT_EQ(Trimmed(" \tU12\r\n"), "U12");
    EXPECT_EQ(Trimmed(" a b "), "a b");
    EXPECT_EQ(Trimmed("   "), "");
    EXPECT_EQ(Trimmed(""), "");
}

TEST(StringHelpers, SwapInt)
{
    int32_t a = 3, b = -7;
    SwapInt(&a, &b);
    EXPECT_EQ(a, -7);
    EXPECT_EQ(b, 3);
}

TEST(StringHelpers, DuplicateAndFree)
{
    char* copy = StrDupChecked("resistor");
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, "resistor");
    FreeStr(copy);
    EXPECT_EQ(copy, nullptr);
    FreeStr(copy);   // a second free of the same owner is harmless

    char* none = StrDupChecked(static_cast<const char*>(nullptr));
    ASSERT_NE(none, nullptr);
    EXPECT_STREQ(none, "");
    char* empty = StrDupChecked("");
    FreeStr(empty);
    EXPECT_EQ(empty, none) << "an empty string is left in place";

    // A text that begins with a NUL is empty as a C string: it is the shared empty string too,
    // and a copy emptied in place is freed like any other (the sanitizer run reports a leak).
    char* nul = StrDupChecked(std::string_view("\0x", 2));
    EXPECT_EQ(nul, none);
    char* cut = StrDupChecked(std::string_view("ab\0cd", 5));
    EXPECT_STREQ(cut, "ab");
    cut[0] = 0;
    FreeStr(cut);
    EXPECT_EQ(cut, nullptr);
}

TEST(StringHelpers, OutOfStringSpaceIsShownOncePerRun)
{
    plat::TestUiHost host;
    quill::g_stringSpace = {};
    quill::g_stringSpace.simulatedFailures = 2;
    EXPECT_EQ(StrDupChecked("first"), nullptr);
    EXPECT_EQ(StrDupChecked("second"), nullptr);
    char* third = StrDupChecked("third");
    ASSERT_NE(third, nullptr);
    FreeStr(third);
    EXPECT_EQ(host.messageBoxes(), std::vector<std::string>{"Out of string space---push any key"});
    quill::g_stringSpace = {};
}

TEST(StringHelpers, WordsAreTheRunsBetweenTheCallersSeparators)
{
    using Words = std::vector<std::string>;
    EXPECT_EQ(WordsSeparatedBy("  R1  10K\tX ", " \t"), (Words{"R1", "10K", "X"}));
    // A separator the caller does not name stays inside its word.
    EXPECT_EQ(WordsSeparatedBy("1\t2 3", " "), (Words{"1\t2", "3"}));
    EXPECT_TRUE(WordsSeparatedBy("", " ").empty());
    EXPECT_TRUE(WordsSeparatedBy(" \r\n ", " \t\r\n").empty());
}
