#include "platform/system/clock.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

#include "platform/core/test_ui_host.h"

namespace {

std::tm sampleDate()
{
    std::tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mon = 2;        // March
    t.tm_mday = 5;
    t.tm_wday = 2;       // Tuesday
    t.tm_yday = 64;
    t.tm_hour = 14;
    t.tm_min = 7;
    t.tm_sec = 9;
    return t;
}

TEST(Clock, FormatsWithEnglishNames)
{
    const std::tm t = sampleDate();
    EXPECT_EQ(plat::formatTime("Date: %a, %B %d, %Y", t), "Date: Tue, March 05, 2024");
    EXPECT_EQ(plat::formatTime("%A %b %e %y %H:%M:%S %I %p %j %m %% %Q", t),
              "Tuesday Mar  5 24 14:07:09 02 PM 065 03 % %Q");
    EXPECT_EQ(plat::formatTime("trailing %", t), "trailing %");
    EXPECT_EQ(plat::englishDayName(7, true), "?");
}

TEST(Clock, NamesStayEnglishUnderAnotherLocale)
{
    const std::string saved = std::setlocale(LC_TIME, nullptr);
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8", "de_DE", "fr_FR"})
        if (std::setlocale(LC_TIME, name)) {
            chosen = name;
            break;
        }
    if (!chosen)
        GTEST_SKIP() << "no non-C locale installed";
    const std::string formatted = plat::formatTime("%a, %B %d, %Y", sampleDate());
    std::setlocale(LC_TIME, saved.c_str());
    EXPECT_EQ(formatted, "Tue, March 05, 2024") << "under " << chosen;
}

TEST(Clock, TickCountFollowsTheInstalledHost)
{
    plat::TestUiHost host;   // installs itself while it lives
    const uint32_t before = plat::tickCount();
    host.advance(1500);
    EXPECT_EQ(plat::tickCount() - before, 1500u);
}

}  // namespace
