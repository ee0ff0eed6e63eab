#include "netlist_test_support.h"

#include "schemora/netlist/net_pin_display.h"

using namespace netlist_test;

namespace {

// Parts of the fixture are 400 units long: pin 1 ends at the origin, pin 2 400 units right.
TEST_F(NetlistFixture, NetPinsOfAWireAndItsConnectedWires)
{
    part(resistor, "R:1k", 1, 0, 0);
    const int first = wire(400, 0, 800, 0);
    const int second = wire(800, 0, 800, 400);
    part(capacitor, "C:1u", 1, 800, 400);
    const int apart = wire(2000, 2000, 2400, 2000);
    ShowNetPins(first);
    EXPECT_EQ(g_netPins.labels, (std::vector<std::string>{"R1-2", "C1-1"}));
    EXPECT_EQ(g_netPins.highlight, (std::vector<int>{first, second}));
    EXPECT_TRUE(host.messageBoxes().empty());

    host.clearEvents();
    ShowNetPins(apart);   // a wire that touches no pin shows nothing
    EXPECT_TRUE(g_netPins.labels.empty());
    ShowNetPins(1);       // not a wire
    EXPECT_TRUE(g_netPins.highlight.empty());
}

TEST_F(NetlistFixture, NetPinTextEndsWithPartialListPast72Characters)
{
    std::vector<std::string> labels;
    for (int i = 1; i <= 20; ++i)
        labels.push_back("R" + std::to_string(i) + "-1");
    const std::string text = NetPinText(labels);
    EXPECT_EQ(text.substr(text.size() - 15), " (partial list)");
    EXPECT_LE(text.size() - 15, 72u + 6);
    EXPECT_EQ(text.rfind("R1-1,R2-1", 0), 0u);
    EXPECT_EQ(NetPinText({"R1-1", "C2-2"}), "R1-1,C2-2");
    EXPECT_EQ(NetPinText({}), "");
}

TEST_F(NetlistFixture, NetPinLimitsStopTheTrace)
{
    // 51 resistors on one long wire: more pins than the list holds.
    const int bus = wire(0, 0, 60 * 400, 0);
    for (int i = 0; i < 51; ++i)
        part(resistor, "R:1k", i + 1, i * 400 + 100, -400 + 0 * i);
    for (int i = 0; i < 51; ++i)
        wire(i * 400 + 100, -400, i * 400 + 100, 0);
    ShowNetPins(bus);
    EXPECT_TRUE(host.shown("message box: Too many pins in net"));
    EXPECT_TRUE(g_netPins.labels.empty());

    // A chain of 30 wires, each joined to the next: deeper than the trace goes.
    host.clearEvents();
    for (int i = 1; i <= g_current.count; ++i)
        ReleaseObjectData(store[i]);
    g_current.count = 0;
    const int start = wire(0, 5000, 100, 5000);
    for (int i = 1; i < 30; ++i)
        wire(i * 100, 5000, i * 100 + 100, 5000);
    ShowNetPins(start);
    EXPECT_TRUE(host.shown("message box: Net too complicated"));
}

}  // namespace
