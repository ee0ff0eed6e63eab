#include "sim_test_support.h"

#include "resources/schemora/simulation_ids.h"
#include "schemora/netlist/step_control.h"

using namespace netlist_test;
using namespace scm;

namespace {

// A digital listing line: the time in the first 12 characters, then the levels of the probes
// 1, 2, 3 at columns 16, 18 and 20.
std::string listingLine(int time, const char* levels)
{
    char head[16];
    std::snprintf(head, sizeof head, " %11d", time);
    std::string line = std::string(head) + std::string(10, ' ');
    for (size_t i = 0; levels[i]; ++i)
        line[16 + 2 * i] = levels[i];
    return line + "\n";
}

class StepControl : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        ASSERT_TRUE(writeLibrary(folder.file("STEP.CON"), {twoPin("VDISP", "D?", nullptr), twoPin("SPKR", "S?", nullptr),
                                                           twoPin("RELAY", "K?", nullptr)}));
        display = load("STEP", "VDISP");
        speaker = load("STEP", "SPKR");
        relay = load("STEP", "RELAY");
        g_stepControl = StepControlState{};
        label(0, 0, "A*");
        label(0, 0, "B*");
        lamp = part(resistor, "DEV:L", 1, 0, 0);
        writeResult(".ckt", ".PROBE A B\n");
        // Lines 0..5: A = 1 0 1 1 0 1, B = 0 1 1 0 0 1.
        const char* levels[] = {"10", "01", "11", "10", "00", "11"};
        std::string listing = "SCALE 1e-9\nTIME\n";
        for (int i = 0; i < 6; ++i)
            listing += listingLine(10 * i, levels[i]);
        writeResult(".lst", listing);
    }
    void TearDown() override
    {
        if (theStepControlDlg.IsWindow())
            theStepControlDlg.DestroyWindow();
        SimFixture::TearDown();
    }
    int state(int index) const { return (store[index].w[5] >> 3) & 3; }

    int display = 0, speaker = 0, relay = 0, lamp = 0;
};

TEST_F(StepControl, StepShowsEachLineOnTheDevicesAndWraps)
{
    writeResult(".dev", "DEV1 A B\n");
    ASSERT_TRUE(theStepControlDlg.Open(nullptr));
    EXPECT_EQ(g_simTraces.deviceCount, 1);
    EXPECT_EQ(g_simTraces.digitalCount, 6);
    EXPECT_EQ(theStepControlDlg.GetDlgItemText(kIdcDigStop), "20");
    theStepControlDlg.SetDlgItemText(kIdcDigStart, "");
    const int expected[] = {1, 2, 3, 1, 0, 3};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        theStepControlDlg.PressButton(kIdcStepButton);
        EXPECT_EQ(state(lamp), expected[i]);
        EXPECT_EQ(theStepControlDlg.GetDlgItemText(kIdcStepNumber), std::to_string(i + 1));
    }
    theStepControlDlg.PressButton(kIdcStepButton);   // past the last line: back to the first
    EXPECT_EQ(theStepControlDlg.GetDlgItemText(kIdcStepNumber), "0");
    // Stop returns to the start field; a typed start beyond the listing is wrapped.
    theStepControlDlg.PressButton(plat::kIdOk);
    EXPECT_TRUE(theStepControlDlg.IsWindow());
    theStepControlDlg.SetDlgItemText(kIdcDigStart, "8");
    theStepControlDlg.PressButton(kIdcStepButton);
    EXPECT_EQ(state(lamp), 3);   // line 2
    EXPECT_EQ(theStepControlDlg.GetDlgItemText(kIdcStepNumber), "3");
}

TEST_F(StepControl, CycleRunsOnTheTimerTwoLinesATick)
{
    writeResult(".dev", "DEV1 A B\n");
    ASSERT_TRUE(theStepControlDlg.Open(nullptr));
    theStepControlDlg.SetDlgItemText(kIdcDigStop, "3");
    theStepControlDlg.PressButton(kIdcCycleButton);
    EXPECT_EQ(host.timerPeriod(kTimerStepRun), kStepPeriodMs);
    const int shown[] = {1, 3, 0};   // lines 0, 2, 4
    for (int tick = 0; tick < 3; ++tick) {
        SCOPED_TRACE(tick);
        host.advance(kStepPeriodMs);
        EXPECT_EQ(state(lamp), shown[tick]);
        EXPECT_EQ(theStepControlDlg.GetDlgItemText(kIdcStepNumber), std::to_string(tick + 1));
    }
    EXPECT_EQ(host.timerPeriod(kTimerStepRun), 0u);

    theStepControlDlg.SetDlgItemText(kIdcDigStop, "50");
    theStepControlDlg.PressButton(kIdcCycleButton);
    host.advance(kStepPeriodMs);
    EXPECT_EQ(theStepControlDlg.GetDlgItemText(kIdcStepNumber), "0");   // 6 + 2 passes the listing
    g_stepControl.stopRequest = true;
    host.advance(kStepPeriodMs);
    EXPECT_EQ(host.timerPeriod(kTimerStepRun), 0u);
    EXPECT_FALSE(g_stepControl.stopRequest);
}

TEST_F(StepControl, DisplaysSpeakersAndRelays)
{
    const int shown = part(display, "DEV:COUNT", 2, 0, 0);
    const int bare = part(display, "DEV", 3, 0, 0);
    const int beeper = part(speaker, "DEV:S", 4, 0, 0);
    const int switcher = part(relay, "DEV:K", 5, 0, 0);
    writeResult(".dev", "DEV2 A B\nDEV3 B\nDEV4 B\nDEV5 A B\nDEV1 A NONE\n");
    ASSERT_TRUE(theStepControlDlg.Open(nullptr));
    theStepControlDlg.PressButton(kIdcStepButton);   // line 0: A 1, B 0
    EXPECT_STREQ(store[shown].text, "DEV:1");
    EXPECT_EQ(state(shown), 0);
    EXPECT_STREQ(store[bare].text, "DEV:0");
    EXPECT_EQ(state(switcher), 1);
    EXPECT_EQ(state(lamp), 1);                        // its second signal has no channel
    EXPECT_FALSE(host.shown("beep"));
    theStepControlDlg.PressButton(kIdcStepButton);   // line 1: A 0, B 1
    EXPECT_STREQ(store[shown].text, "DEV:2");
    EXPECT_EQ(state(switcher), 0);
    EXPECT_TRUE(host.shown("beep"));
    EXPECT_EQ(state(beeper), 1);
}

}  // namespace
