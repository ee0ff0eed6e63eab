// Typed widths and backup intervals of the General Setup sheets: whatever is typed lands in a
// value the byte and the timer can hold.
#include "common/general_setup.h"

#include "support/function_table.h"

#include <gtest/gtest.h>

namespace {

TEST(GeneralSetupValues, WidthsAreShownAndReadInTheChosenUnitsWithinAByte)
{
    EXPECT_EQ(WidthShown(10, true), "25");
    EXPECT_EQ(WidthShown(10, false), "10");
    const struct {
        const char* typed;
        bool metric;
        int stored;
    } cases[] = {
        {"25", true, 10},   {"10", false, 10}, {"1000", false, 255}, {"300", false, 255},
        {"-5", false, 0},   {"-5", true, 0},   {"abc", false, 0},    {"99999999999999999999", false, 255},
        {"1000", true, 255}, {"", true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(WidthTyped(c.typed, c.metric), c.stored);
    }
}

TEST(GeneralSetupValues, BackupIntervalTakesTheLeadingNumberAndStaysInTheTimersRange)
{
    EXPECT_EQ(BackupShown(0), "None");
    EXPECT_EQ(BackupShown(15), "15 Min.");
    quill_test::expectEachGives<const char*, int>(BackupTyped, {
        {"None", 0}, {"15 Min.", 15}, {"10", 10}, {"-20", 0}, {"35792", 35792},
        {"99999999999999999999", kMaxBackupMinutes}, {"", 0},
    });
    EXPECT_LE(static_cast<unsigned long long>(kMaxBackupMinutes) * 60'000u, 0xFFFFFFFFull);
}

}  // namespace

namespace {

TEST(GeneralSetupValues, BackupTypedWithinKeepsTheOldIntervalForNonsense)
{
    struct Case {
        const char* typed;
        int stored;
    };
    for (const Case c : {Case{"15 Min.", 15}, Case{"None", 0}, Case{"1000", 1000}, Case{"1001", 7}, Case{"-3", 7},
                         Case{"99999999999999999999999", 7}, Case{"junk", 0}}) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(BackupTypedWithin(c.typed, 7, 1000), c.stored);
    }
}

}  // namespace
