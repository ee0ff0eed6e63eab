#include "common/find_replace_dialogs.h"
#include "common/text_search.h"

#include <gtest/gtest.h>

TEST(TextSearch, OccurrencesOverlapAndAnEmptyTextFindsNothing)
{
    EXPECT_EQ(FindOccurrences("U1 and U12", "U1"), (std::vector<std::size_t>{0, 7}));
    EXPECT_EQ(FindOccurrences("AAA", "AA"), (std::vector<std::size_t>{0, 1}));
    EXPECT_TRUE(FindOccurrences("abc", "").empty());
    EXPECT_TRUE(FindOccurrences("abc", "ABC").empty());   // case as typed
}

TEST(TextSearch, ReplacingScansOnBehindTheInsertedText)
{
    {
        SCOPED_TRACE("all at once");
        std::string text = "AAA";
        const ReplaceTally t = ReplaceOccurrences(text, "A", "AA", 200, {});
        EXPECT_EQ(text, "AAAAAA");
        EXPECT_EQ(t.made, 3);
    }
    {
        SCOPED_TRACE("R by RR does not loop");
        std::string text = "R1";
        EXPECT_EQ(ReplaceOccurrences(text, "R", "RR", 200, {}).made, 1);
        EXPECT_EQ(text, "RR1");
    }
    {
        SCOPED_TRACE("Continue keeps each, Cancel stops and keeps what was made");
        std::string text = "A-A-A";
        int asked = 0;
        EXPECT_EQ(ReplaceOccurrences(text, "A", "B", 200, [&](std::size_t) { ++asked; return ReplaceAnswer::Continue; }).made, 0);
        EXPECT_EQ(asked, 3);
        EXPECT_EQ(text, "A-A-A");
        asked = 0;
        const ReplaceTally t = ReplaceOccurrences(text, "A", "B", 200, [&](std::size_t) {
            return ++asked == 1 ? ReplaceAnswer::Replace : ReplaceAnswer::Cancel;
        });
        EXPECT_TRUE(t.cancelled);
        EXPECT_EQ(t.made, 1);
        EXPECT_EQ(text, "B-A-A");
    }
    {
        SCOPED_TRACE("a result past the longest text is not made or counted");
        std::string text(199, 'x');
        text += "A";
        const ReplaceTally t = ReplaceOccurrences(text, "A", "AA", 200, {});
        EXPECT_EQ(t.made, 0);
        EXPECT_EQ(t.tooLong, 1);
        EXPECT_EQ(text.size(), 200u);
    }
    {
        std::string text = "abc";
        EXPECT_EQ(ReplaceOccurrences(text, "", "x", 200, {}).made, 0);
    }
}

TEST(TextSearch, HistoryKeepsDistinctTextsWithoutReordering)
{
    FindHistory ten(10);
    for (int i = 1; i <= 11; ++i)
        ten.add("T" + std::to_string(i));
    EXPECT_EQ(ten.size(), 10);
    const auto list = ten.newestFirst();
    EXPECT_EQ(list.front(), "T11");
    EXPECT_EQ(list.back(), "T2");

    FindHistory four(4);
    for (const char* t : {"A", "B", "C", "B", "D"})
        four.add(t);
    EXPECT_EQ(four.newestFirst(), (std::vector<std::string>{"D", "C", "B", "A"}));
    four.add("E");
    EXPECT_EQ(four.newestFirst(), (std::vector<std::string>{"E", "D", "C", "B"}));
    EXPECT_EQ(four.newest(), "E");
}

TEST(TextSearch, ScalePercentagesMustBeNumbersAboveZero)
{
    EXPECT_FLOAT_EQ(ScaleFactorFromPercent("50"), 0.5f);
    EXPECT_FLOAT_EQ(ScaleFactorFromPercent("-200"), 2.0f);
    EXPECT_FLOAT_EQ(ScaleFactorFromPercent("100.0 "), 1.0f);
    for (const char* bad : {"", "abc", "0", "12x", "1e400", "nan"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ScaleFactorFromPercent(bad), 0.0f);
    }
}
