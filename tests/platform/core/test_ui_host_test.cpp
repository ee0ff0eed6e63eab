#include "platform/core/test_ui_host.h"

#include <gtest/gtest.h>

namespace {

struct Ticks : plat::TimerTarget {
    std::vector<unsigned> fired;
    void OnTimer(unsigned id) override { fired.push_back(id); }
};

TEST(TestUiHost, ScriptedMessageBoxAnswersAndDefaults)
{
    plat::TestUiHost host;
    host.answerMessageBox(plat::kIdYes);
    EXPECT_EQ(plat::MessageBox("Save?", plat::kMbYesNo), plat::kIdYes);
    EXPECT_EQ(plat::MessageBox("Again?", plat::kMbYesNo), plat::kIdNo);
    EXPECT_EQ(plat::MessageBox("Done"), plat::kIdOk);
    EXPECT_EQ(host.messageBoxes(), (std::vector<std::string>{"Save?", "Again?", "Done"}));
}

TEST(TestUiHost, TimersFireOnTheHandAdvancedClockInOrder)
{
    plat::TestUiHost host;
    Ticks t;
    host.setTimer(&t, 185, 500);
    host.setTimer(&t, 1027, 1200);
    host.advance(499);
    EXPECT_TRUE(t.fired.empty());
    host.advance(1001);  // now 1500: 185 at 500, 1000, 1500; 1027 at 1200
    EXPECT_EQ(t.fired, (std::vector<unsigned>{185, 185, 1027, 185}));
    host.setTimer(&t, 1027, 2000);   // a restart is one event
    EXPECT_EQ(host.count("timer set 1027 2000"), 1);
    EXPECT_EQ(host.count("timer killed 1027"), 0);
    host.killTimer(&t, 185);
    EXPECT_EQ(host.timerPeriod(&t, 185), 0u);
    EXPECT_TRUE(host.shown("timer set 185 500"));
    EXPECT_EQ(host.timerPeriod(1027), 2000u);
}

TEST(TestUiHost, ExitProcessUnwindsWithTheCode)
{
    plat::TestUiHost host;
    try {
        host.exitProcess(1);
        FAIL();
    } catch (const plat::ProcessExit& e) {
        EXPECT_EQ(e.code, 1);
    }
    EXPECT_TRUE(host.shown("exit 1"));
}

}  // namespace
