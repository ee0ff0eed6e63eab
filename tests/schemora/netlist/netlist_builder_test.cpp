#include "netlist_test_support.h"

#include "schemora/netlist/netlist_builder.h"

using namespace netlist_test;

namespace {

class NetlistBuilderTest : public NetlistFixture {
protected:
    int run(int kind = kNetlistPlain, int basic = 1, int range = kRangeAllSheets, int sheets = 1)
    {
        CNetlistBuilder builder;
        builder.m_kind = kind;
        builder.m_basicFormat = basic;
        builder.m_range = range;
        builder.m_sheetCount = sheets;
        return builder.GenerateNetlist();
    }
};

}  // namespace

TEST_F(NetlistBuilderTest, WiresJunctionsLabelsAndGroundGiveTheNetFile)
{
    part(resistor, "R:1k", 1, 0, 0);
    wire(400, 0, 1000, 0);
    label(700, 0, "MID");
    part(resistor, "R:2k", 2, 1000, 0);
    part(gnd, "", 0, 1400, 0);
    wire(700, 0, 700, 300);                 // a branch ending on the labelled wire
    dot(700, 0);
    part(resistor, "R", 3, 700, 300);
    wire(200, -200, 200, 200);              // crosses R1's wires without a dot: not connected
    const int before = g_current.count;

    ASSERT_EQ(run(), 1);
    EXPECT_EQ(readNetlistBody(".net"), "Netlist for design: " + g_designName.text + "\n"
                                       "Processing time:  0\n"
                                       "Number of signals found=4\n"
                                       "def0----r1-1\n"
                                       "MID----r1-2,r2-1,r3-1\n"
                                       "GND----r2-2\n"
                                       "def1----r3-2\n");
    EXPECT_EQ(read(".ref"), "R1 DEVICE\\R 1 AXIAL0.4\nR2 DEVICE\\R 1 AXIAL0.4\nR3 DEVICE\\R 1 AXIAL0.4\n");
    EXPECT_TRUE(host.shown("message box: Number of signals found=4"));
    // The default names are gone again and a second run writes the same nets.
    EXPECT_EQ(g_current.count, before);
    const std::string first = readNetlistBody(".net");
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(readNetlistBody(".net"), first);
}

TEST_F(NetlistBuilderTest, LabelsJoinSheetsAndHiddenPowerPinsFormPowerNets)
{
    part(gate, "U", 1, 0, 0, 0, 1);
    wire(400, 50, 800, 50, 1);
    label(600, 50, "OUT", 1);
    part(gate, "U", 1, 0, 0, 1, 2);
    wire(-400, 0, 0, 0, 2);
    label(-200, 0, "OUT", 2);
    part(gnd, "", 0, 0, 100, 0, 2);

    ASSERT_EQ(run(kNetlistPlain, 1, kRangeAllSheets, 2), 1);
    EXPECT_EQ(readNetlistBody(".net"), "Netlist for design: " + g_designName.text + "\n"
                                       "Processing time:  0\n"
                                       "Number of signals found=6\n"
                                       "def0----u1-1\n"
                                       "def1----u1-2\n"
                                       "OUT----u1-3,u1-4\n"
                                       "def2----u1-6\n"
                                       "Vcc----u1-14\n"
                                       "GROUND----u1-7,u1-5\n");
    EXPECT_EQ(read(".ref"), "U1 TTL\\7400 4 DIP14\n");

    SCOPED_TRACE("only the current sheet");
    CNetlistBuilder builder;
    builder.m_range = kRangeThisSheet;
    builder.m_currentSheet = 2;
    builder.m_sheetCount = 2;
    ASSERT_EQ(builder.GenerateNetlist(), 1);
    EXPECT_NE(readNetlistBody(".net").find("OUT----u1-4\n"), std::string::npos);
    EXPECT_EQ(readNetlistBody(".net").find("u1-3"), std::string::npos);
}

TEST_F(NetlistBuilderTest, UnconnectedPinsGetDefaultNamesOrNodes)
{
    part(resistor, "R:10k", 7, 0, 0);
    ASSERT_EQ(run(), 1);
    EXPECT_NE(readNetlistBody(".net").find("def0----r7-1\ndef1----r7-2\n"), std::string::npos);
    ASSERT_EQ(run(kNetlistSpice), 1);
    EXPECT_EQ(read(".cir"), "*SPICE NET\nR7 100 101 10k\n\n.END\n");
    EXPECT_TRUE(host.shown("message box: Warning SPICE analysis type not selected!\n(Click on SETUP button in SPICE run dialog.)"));
    EXPECT_EQ(g_current.count, 1);
    EXPECT_STREQ(store[1].text, "R:10k");
}

TEST_F(NetlistBuilderTest, DesignatorChecks)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> parts;   // reference number, section
        int result;
        std::vector<std::string> messages;
    };
    const std::string zero = "Part at x=0.0, y=0.9 has zero reference designator";
    std::vector<std::string> fourZerosAndDuplicate(4, zero);
    fourZerosAndDuplicate.push_back("Error----duplicate designator (R1)");
    const std::vector<Case> cases = {
        {"duplicate", {{1, 0}, {1, 0}}, 0, {"Error----duplicate designator (R1)"}},
        {"gates of one package", {{1, 0}, {1, 1}}, 1, {}},
        {"zero numbers, four shown",
         {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
         1,
         std::vector<std::string>(4, zero)},
        {"a duplicate past the four is still shown", {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {1, 0}, {1, 0}}, 0,
         fourZerosAndDuplicate},
        {"the next run counts its own messages", {{0, 0}}, 1, {zero}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store.release();
        store.allocate();
        g_current.objects = store.slots();
        g_current.count = 0;
        host.clearEvents();
        int x = 0;
        for (auto [number, section] : c.parts)
            part(resistor, "R", number, x += 2000, 500, section);
        for (int i = 1; i <= g_current.count; ++i)
            store[i].w[0] = 0;
        EXPECT_EQ(run(), c.result);
        std::vector<std::string> boxes = host.messageBoxes();
        if (c.result == 1)
            boxes.pop_back();   // "Number of signals found"
        EXPECT_EQ(boxes, c.messages);
    }
}

TEST_F(NetlistBuilderTest, SurfaceMountPackagesAndTheirErrors)
{
    part(resistor, "R", 1, 0, 0, 0, 1, 0, true);
    part(resistor, "R!MELF", 2, 0, 1000);
    part(capacitor, "C", 3, 0, 2000, 0, 1, 0, true);
    ASSERT_EQ(run(), 0);
    EXPECT_TRUE(host.shown("message box: Error: part C3 has package assignment error"));
    ReleaseObjectData(store[3]);
    store[3].setType(kObjDeleted);
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(read(".ref"), "R1 DEVICE\\R 1 0805\nR2 DEVICE\\R 1 MELF\n");
}

TEST_F(NetlistBuilderTest, CapsEndTheRun)
{
    for (int i = 1; i <= kMaxReferences + 1; ++i)
        part(resistor, "R", i, 0, 1000 * i);
    EXPECT_EQ(run(), 0);
    EXPECT_TRUE(host.shown("message box: Too many reference numbers."));
    EXPECT_EQ(g_current.count, kMaxReferences + 1);   // the default names are gone

    // A chain of more wires than the trace stack holds.
    store.release();
    store.allocate();
    g_current.objects = store.slots();
    g_current.count = 0;
    part(resistor, "R", 1, 0, 0);
    for (int i = 0; i < kTraceStackEntries + 2; ++i)
        wire(400 + 100 * i, 0, 500 + 100 * i, 0);
    EXPECT_EQ(run(), 0);
    EXPECT_TRUE(host.shown("message box: Net error--check schematic near pin R1-2 for error"));
}

TEST_F(NetlistBuilderTest, ClosedSwitchJoinsAndOpenSwitchSplitsSimulatorNodes)
{
    const int sw = load("DEVICE", "SPST");
    part(resistor, "R:1k", 1, 0, 0);
    part(sw, "S", 1, 400, 0);
    part(resistor, "R:1k", 2, 800, 0);
    ASSERT_EQ(run(kNetlistSpice), 1);
    EXPECT_EQ(read(".cir"), "*SPICE NET\nR1 100 101 1k\nR2 101 102 1k\n\n.END\n");
    store[2].w[5] = 8;   // second variant: open
    ASSERT_EQ(run(kNetlistSpice), 1);
    EXPECT_EQ(read(".cir"), "*SPICE NET\nR1 100 101 1k\nR2 102 103 1k\n\n.END\n");
    EXPECT_EQ(store[2].type(), kObjPart + sw);
}

TEST_F(NetlistBuilderTest, BusesCarrySignalsOnlyByTheirLabels)
{
    add(MakeDrawObject(words(kObjBus, 1000, -500, 1000, 1500), nullptr));
    // Resistors on both sides of the bus, each tied to it by a wire labelled in its middle.
    struct Stub {
        int number, x, y, wireFrom, wireTo;
        const char* signal;
    };
    for (const Stub& s : {Stub{1, 0, 0, 400, 1000, "D0"}, Stub{2, 0, 1000, 400, 1000, "D1"},
                          Stub{3, 1400, 200, 1000, 1400, "D1"}, Stub{4, 1400, 1200, 1000, 1400, "D0"}}) {
        part(resistor, "R", s.number, s.x, s.y);
        wire(s.wireFrom, s.y, s.wireTo, s.y);
        label((s.wireFrom + s.wireTo) / 2, s.y, s.signal);
    }
    ASSERT_EQ(run(kNetlistPlain, 0), 1);
    const std::string ntp = readNetlistBody(".ntp");
    EXPECT_NE(ntp.find("D0----r1-2,r4-1\n"), std::string::npos) << ntp;
    EXPECT_NE(ntp.find("D1----r2-2,r3-1\n"), std::string::npos) << ntp;
}

// A part rebuilt into its library after the drawing read it (the build utility writes the
// library file) netlists as the library now holds it; parts of unchanged libraries stay as
// they were read.
TEST_F(NetlistBuilderTest, APartRebuiltIntoItsLibraryNetlistsAsItNowIs)
{
    part(resistor, "R:DEVICE\\R", 1, 0, 0);
    wire(400, 0, 1000, 0);
    label(700, 0, "MID");
    part(gate, "U:TTL\\7400", 1, 1000, 0);
    ASSERT_EQ(run(), 1);
    EXPECT_NE(readNetlistBody(".net").find("MID----r1-2,u1-1"), std::string::npos) << readNetlistBody(".net");
    EXPECT_NE(read(".ref").find("R1 DEVICE\\R 1 AXIAL0.4"), std::string::npos);
    const int gateElements = g_partSymbols.entries[static_cast<size_t>(gate)].w[2];

    // The resistor rebuilt with other pin numbers and another package.
    ASSERT_TRUE(writeLibrary(folder.file("DEVICE.CON"),
                             {twoPin("R", "R?", "%package AXIAL0.5", "11", "12"), twoPin("C", "C?", "%package RADIAL"),
                              twoPin("VSRC", "V?", nullptr), ground(), twoPin("SPST", "S?", nullptr)}));
    host.clearEvents();
    ASSERT_EQ(run(), 1);
    EXPECT_NE(readNetlistBody(".net").find("MID----r1-12,u1-1"), std::string::npos) << readNetlistBody(".net");
    EXPECT_NE(read(".ref").find("R1 DEVICE\\R 1 AXIAL0.5"), std::string::npos) << read(".ref");
    EXPECT_EQ(store[1].symbolIndex(), resistor) << "the part keeps its type";
    EXPECT_EQ(g_partSymbols.entries[static_cast<size_t>(gate)].w[2], gateElements);
    EXPECT_FALSE(host.shown("message box: Part re-load error!"));

    // Nothing changed since: nothing is read again.
    const int firstElement = g_partSymbols.entries[static_cast<size_t>(resistor)].w[1];
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(g_partSymbols.entries[static_cast<size_t>(resistor)].w[1], firstElement);
}
