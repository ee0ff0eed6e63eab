// Circuits drawn from the shipped starter parts, netlisted into SPICE decks with the shipped model
// files and run in ngspice: each operating point must be the one a hand-written deck of the same
// circuit gives. Skipped where the program folder has not been laid out or ngspice is missing.
#include "netlist_test_support.h"
#include "support/ngspice_batch.h"

#include "schemora/core/part_painter.h"
#include "schemora/netlist/netlist_parts.h"
#include "schemora/netlist/netlist_text.h"

#include <cmath>
#include <cstdio>
#include <map>

namespace {

namespace fs = std::filesystem;
using netlist_test::Words;
using OperatingPoint = std::map<std::string, double>;

using quill_test::haveNgspice;
using quill_test::ngspiceOutput;

// The node voltages and source currents ngspice prints for an operating point.
OperatingPoint operatingPoint(const std::string& output)
{
    OperatingPoint values;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string name, value, more;
        if (!(words >> name >> value) || (words >> more))
            continue;
        char* end = nullptr;
        const double v = std::strtod(value.c_str(), &end);
        if (end && *end == '\0' && end != value.c_str())
            values[name] = v;
    }
    return values;
}

class StarterDeck : public netlist_test::DrawingFixture {
protected:
    void SetUp() override
    {
        const char* dir = std::getenv("QUILL_PROGRAM_DIR");
        program_ = dir ? dir : "";
        if (program_.empty() || !fs::exists(program_ / "LIB" / "DEVICE.CON") || !fs::exists(program_ / "SEMICON.MOD"))
            GTEST_SKIP() << "the program folder has not been laid out";
        startDrawing((program_ / "LIB").string() + "/");
    }
    void label(int x, int y, const char* text) { add(MakeDrawObject(netlist_test::words(kObjText, x, y), text)); }

    // Places the starter part as the drawing reader gives it (its designator prefix from the
    // symbol's placeholder), numbered `number`, each pin n on the net nets[n - 1] (a label on
    // the pin's end; nullptr leaves the pin open). `text` replaces the part's value when given.
    int place(const char* name, int number, std::vector<const char*> nets, const char* value = nullptr,
              const char* library = "DEVICE")
    {
        EXPECT_EQ(LoadLibraryPart(library, name), 1) << name;
        // Each part on a place of its own, well apart from the others.
        const int slot = placed_++;
        Words w = netlist_test::words(kObjPart + g_partSymbols.current, 3000 * (slot % 10), 3000 * (slot / 10 + 1));
        w[6] = number;
        const int index = add(MakeDrawObject(w, (":" + std::string(library) + "\\" + name).c_str()));
        SetPartLabelAnchor(store[index]);
        if (value)
            ReplaceObjectText(store[index], DesignatorPrefix(PartText(store[index])) + ":" + value);
        for (const NetlistPin& pin : PlacedPartPins(store[index]))
            if (pin.number >= 1 && pin.number <= static_cast<int>(nets.size()) && nets[static_cast<size_t>(pin.number - 1)])
                label(pin.x1, pin.y1, nets[static_cast<size_t>(pin.number - 1)]);
        return index;
    }
    // A starter VCC symbol placed with its origin on the end of the part's pin.
    void supplySymbolOn(int part, int pinNumber)
    {
        for (const NetlistPin& pin : PlacedPartPins(store[part]))
            if (pin.number == pinNumber) {
                ASSERT_EQ(LoadLibraryPart("DEVICE", "VCC"), 1);
                add(MakeDrawObject(netlist_test::words(kObjPart + g_partSymbols.current, pin.x1, pin.y1), ":DEVICE\\VCC"));
                return;
            }
        FAIL() << "no pin " << pinNumber;
    }
    std::string prefixOf(int index) const { return DesignatorPrefix(PartText(store[index])); }

    // The deck Utilities > Netlist writes for an operating point; "" when the run failed.
    std::string deck()
    {
        label(-5000, -5000, "#.OP");
        CNetlistBuilder builder;
        builder.m_kind = kNetlistSpice;
        if (builder.GenerateNetlist() != 1)
            return {};
        std::ifstream in(folder.file("design.cir"), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    // Runs the drawing's deck and the hand-written one (device lines, the shipped model files
    // included) and compares every node and source current the hand-written deck gives.
    void expectSameOperatingPoint(const std::string& written, const std::string& byHand, OperatingPoint* result = nullptr)
    {
        ASSERT_FALSE(written.empty());
        if (!haveNgspice())
            GTEST_SKIP() << "ngspice is not installed; the decks were not simulated";
        folder.write("hand.cir", "* the same circuit by hand\n.include " + (program_ / "SEMICON.MOD").string() +
                                     "\n.include " + (program_ / "DEVICE.MOD").string() + "\n" + byHand + ".OP\n.END\n");
        const std::string ours = ngspiceOutput(folder.file("design.cir"));
        const std::string theirs = ngspiceOutput(folder.file("hand.cir"));
        for (const char* refusal : {"rror", "nknown", "could not find"}) {
            EXPECT_EQ(ours.find(refusal), std::string::npos) << written << ours;
            EXPECT_EQ(theirs.find(refusal), std::string::npos) << theirs;
        }
        const OperatingPoint got = operatingPoint(ours);
        const OperatingPoint want = operatingPoint(theirs);
        ASSERT_FALSE(want.empty()) << theirs;
        for (const auto& [name, value] : want) {
            SCOPED_TRACE(name);
            const auto found = got.find(name);
            ASSERT_NE(found, got.end()) << written << ours;
            EXPECT_NEAR(found->second, value, 1e-6 + 1e-4 * std::abs(value)) << written;
        }
        if (result)
            *result = got;
    }

    fs::path program_;
    int placed_ = 0;
};

// Value parts, generic parts given their value by a "#&" text, an ammeter, a capacitor and an
// inductor, and the function and pulse generators.
TEST_F(StarterDeck, PassivesSourcesAndMetersGiveTheHandWrittenOperatingPoint)
{
    place("VSRC", 1, {"IN", "GND"});
    label(-4000, -4000, "#&V1 DC 10");
    place("1K", 1, {"IN", "A"});
    place("AMMETER", 3, {"A", "MID"});
    place("2K2", 2, {"MID", "GND"});
    place("10U", 1, {"MID", "GND"});
    place("L", 1, {"MID", "B"});
    label(-4000, -3800, "#&L1 1M");
    place("4K7", 3, {"B", "GND"});
    place("10MEG", 4, {"B", "GND"});
    place("FUNGEN", 5, {"S", "GND"}, "SINE 2 1 1K 0 0");
    place("1MEG", 5, {"S", "GND"});
    place("FUNGEN", 6, {"Z", "GND"});
    place("100K", 6, {"Z", "GND"});
    place("PULSE", 7, {"P", "GND"});
    label(-4000, -3600, "#&V7 0 5 0 1U 1U 5M 10M");
    place("100", 7, {"P", "GND"});
    const std::string written = deck();
    // The meter is a zero-volt source and the generic source takes its value from the text.
    EXPECT_NE(written.find("V3 a mid dc 0\n"), std::string::npos) << written;
    EXPECT_NE(written.find("V1 in 0 dc 10\n"), std::string::npos) << written;
    EXPECT_NE(written.find("L1 mid b 1m\n"), std::string::npos) << written;
    EXPECT_NE(written.find("R2 mid 0 2.2k\n"), std::string::npos) << "written as SPICE reads it\n" << written;
    EXPECT_NE(written.find("V6 z 0\n"), std::string::npos) << "a generator without a waveform is 0 V\n" << written;
    OperatingPoint got;
    expectSameOperatingPoint(written,
                             "V1 in 0 dc 10\nR1 in a 1k\nV3 a mid 0\nR2 mid 0 2.2k\nC1 mid 0 10u\nL1 mid b 1m\n"
                             "R3 b 0 4.7k\nR4 b 0 10meg\nV5 s 0 sin(2 1 1k 0 0)\nR5 s 0 1meg\nV6 z 0 0\nR6 z 0 100k\n"
                             "V7 p 0 pulse(0 5 0 1u 1u 5m 10m)\nR7 p 0 100\n",
                             &got);
    EXPECT_NEAR(got["mid"], 10.0 * (2.2 * 4.7 / 6.9) / (1 + 2.2 * 4.7 / 6.9), 1e-3);
}

// The preferred values are shipped, named as parts are marked, and written as SPICE reads them.
TEST_F(StarterDeck, PreferredValuesAreShippedAndWrittenAsSpiceReadsThem)
{
    const struct {
        const char* part;
        const char* value;
    } values[] = {{"1", "1"},         {"1R2", "1.2"},     {"8R2", "8.2"},     {"10", "10"},       {"82", "82"},
                  {"100", "100"},     {"820", "820"},     {"1K", "1k"},       {"4K7", "4.7k"},    {"82K", "82k"},
                  {"1MEG", "1meg"},   {"1M5", "1.5meg"},  {"8M2", "8.2meg"},  {"10MEG", "10meg"}, {"1P", "1p"},
                  {"1P5", "1.5p"},    {"6P8", "6.8p"},    {"10P", "10p"},     {"680P", "680p"},   {"1N", "1n"},
                  {"4N7", "4.7n"},    {"100N", "100n"},   {"1U", "1u"},       {"2U2", "2.2u"},    {"470U", "470u"},
                  {"1000U", "1000u"}};
    constexpr int kResistors = 14;   // the first 14 values are resistors, the others capacitors
    int number = 1;
    for (const auto& v : values)
        place(v.part, number++, {"A", "GND"});
    const std::string written = deck();
    number = 1;
    for (const auto& v : values) {
        SCOPED_TRACE(v.part);
        const char prefix = number <= kResistors ? 'R' : 'C';
        EXPECT_NE(written.find(netlist::Format("%c%d a 0 %s\n", prefix, number, v.value)), std::string::npos) << written;
        ++number;
    }
    EXPECT_EQ(host.messageBoxes().size(), 1u) << "nothing but the closing count";
}

// Every starter diode, zener and LED in its own branch from 15 V through 1 kohm: forward, the
// zeners reversed.
TEST_F(StarterDeck, DiodesZenersAndTheLedGiveTheHandWrittenOperatingPoint)
{
    place("VSRC", 1, {"IN", "GND"});
    label(-4000, -4000, "#&V1 DC 15");
    const struct {
        const char* part;
        bool reversed;
    } diodes[] = {{"D", false},      {"1N4148", false}, {"1N914", false},  {"1N4001", false}, {"1N4004", false},
                  {"1N4007", false}, {"1N5819", false}, {"1N4733", true}, {"1N4742", true},  {"LED", false}};
    std::string byHand = "V1 in 0 dc 15\n";
    int number = 1;
    static const char* const kNodes[] = {"N1", "N2", "N3", "N4", "N5", "N6", "N7", "N8", "N9", "N10"};
    for (const auto& d : diodes) {
        const char* node = kNodes[number - 1];
        place("1K", number, {"IN", node});
        const int diode = place(d.part, number, d.reversed ? std::vector<const char*>{"GND", node}
                                                             : std::vector<const char*>{node, "GND"});
        EXPECT_EQ(prefixOf(diode), std::string_view(d.part) == "LED" ? "LED" : "D") << d.part;
        const std::string n = netlist::Lower(node);
        byHand += netlist::Format("R%d in %s 1k\n", number, n.c_str());
        byHand += netlist::Format(d.reversed ? "D%d 0 %s %s\n" : "D%d %s 0 %s\n", number, n.c_str(),
                                  netlist::Lower(d.part).c_str());
        ++number;
    }
    const std::string written = deck();
    EXPECT_NE(written.find("DLED10 n10 0 led\n"), std::string::npos) << "an LED is a diode to SPICE\n" << written;
    EXPECT_NE(written.find(".MODEL D D("), std::string::npos) << written;
    EXPECT_EQ(written.find(".MODEL 1N4148", written.find(".MODEL 1N4148") + 1), std::string::npos) << written;
    OperatingPoint got;
    expectSameOperatingPoint(written, byHand, &got);
    EXPECT_NEAR(got["n2"], 0.7, 0.1) << "a small-signal diode conducts at about 0.7 V";
    EXPECT_NEAR(got["n8"], 5.1, 0.3) << "the 1N4733 holds its 5.1 V";
    EXPECT_NEAR(got["n9"], 12.0, 0.6) << "the 1N4742 holds its 12 V";
    EXPECT_GT(got["n10"], 1.6) << "a red LED drops more than a silicon diode";
    EXPECT_LT(got["n10"], 2.2);
}

// A common-emitter stage of each starter NPN and a common-collector-to-ground stage of each PNP,
// supplied by a VCC symbol's net: the deck lists collector, base, emitter as SPICE takes them.
TEST_F(StarterDeck, TransistorsAreWrittenCollectorBaseEmitter)
{
    // The supply symbol stands on the source's positive pin and names that net VCC.
    const int v1 = place("VSRC", 1, {nullptr, "GND"});
    label(-4000, -4000, "#&V1 DC 10");
    supplySymbolOn(v1, 1);
    std::string byHand = "V1 vcc 0 dc 10\n";
    int number = 1;
    static const char* const kNodes[][2] = {{"C1", "B1"}, {"C2", "B2"}, {"C3", "B3"}, {"C4", "B4"},
                                           {"C5", "B5"}, {"C6", "B6"}, {"C7", "B7"}};
    for (const char* npn : {"NPN", "2N3904", "2N2222", "BC547"}) {
        const auto& n = kNodes[number - 1];
        place("1K", 10 * number, {"VCC", n[0]});
        place("1MEG", 10 * number + 1, {"VCC", n[1]});
        const int q = place(npn, number, {n[0], n[1], "GND"});
        EXPECT_EQ(prefixOf(q), "Q");
        byHand += netlist::Format("R%d vcc %s 1k\nR%d vcc %s 1meg\nQ%d %s %s 0 %s\n", 10 * number,
                                  netlist::Lower(n[0]).c_str(), 10 * number + 1, netlist::Lower(n[1]).c_str(), number,
                                  netlist::Lower(n[0]).c_str(), netlist::Lower(n[1]).c_str(), netlist::Lower(npn).c_str());
        ++number;
    }
    for (const char* pnp : {"PNP", "2N3906", "BC557"}) {
        const auto& n = kNodes[number - 1];
        place("1K", 10 * number, {n[0], "GND"});
        place("1MEG", 10 * number + 1, {n[1], "GND"});
        place(pnp, number, {n[0], n[1], "VCC"});
        byHand += netlist::Format("R%d %s 0 1k\nR%d %s 0 1meg\nQ%d %s %s vcc %s\n", 10 * number,
                                  netlist::Lower(n[0]).c_str(), 10 * number + 1, netlist::Lower(n[1]).c_str(), number,
                                  netlist::Lower(n[0]).c_str(), netlist::Lower(n[1]).c_str(), netlist::Lower(pnp).c_str());
        ++number;
    }
    const std::string written = deck();
    EXPECT_NE(written.find("Q2 c2 b2 0 2n3904\n"), std::string::npos) << written;
    OperatingPoint got;
    expectSameOperatingPoint(written, byHand, &got);
    // About 10 uA of base current: the collector load drops more than a volt, which a transistor
    // written emitter first, working at its reverse gain, does not.
    EXPECT_LT(got["c2"], 9.0);
    EXPECT_GT(got["c2"], 4.0);
    EXPECT_GT(got["c6"], 1.0) << "the PNP's collector current flows into its load";
}

// A VCC symbol on a wire names its net VCC, so the gate's hidden supply pin joins the resistor
// it feeds, in the netlist and in the deck.
TEST_F(StarterDeck, ASupplySymbolJoinsTheHiddenSupplyPinsOfItsName)
{
    const int r1 = place("1K", 1, {nullptr, "A"});
    supplySymbolOn(r1, 1);
    place("7400", 1, {"A", "A", "Y"}, nullptr, "TTL");
    CNetlistBuilder builder;
    builder.m_kind = kNetlistPlain;
    builder.m_basicFormat = 1;
    ASSERT_EQ(builder.GenerateNetlist(), 1);
    std::ifstream in(folder.file("design.net"), std::ios::binary);
    const std::string netlist((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(netlist.find("\nVcc----u1-14,r1-1\n"), std::string::npos) << netlist;
    EXPECT_NE(netlist.find("\nGROUND----u1-7\n"), std::string::npos) << netlist;
    EXPECT_EQ(netlist.find("VCC----"), std::string::npos) << "no signal net of the supply's name is left\n" << netlist;

    const std::string written = deck();
    EXPECT_NE(written.find("R1 vcc a 1k\n"), std::string::npos) << written;
    EXPECT_NE(written.find("XU1 a a y 0 0 0 0 0 0 0 0 0 0 vcc 7400\n"), std::string::npos) << written;
}

// The op-amp's seven package pins agree with the shipped subcircuit: a non-inverting stage of
// gain 2 on split supplies fed to its hidden supply pins by nets named V+ and V-.
TEST_F(StarterDeck, TheOpAmpAgreesWithItsSubcircuitPinForPin)
{
    place("VSRC", 1, {"IN", "GND"});
    label(-4000, -4000, "#&V1 DC 1");
    place("VSRC", 2, {"V+", "GND"});
    label(-4000, -3800, "#&V2 DC 12");
    place("VSRC", 3, {"GND", "V-"});
    label(-4000, -3600, "#&V3 DC 12");
    const int u = place("OPAMP", 1, {nullptr, "INV", "IN", nullptr, nullptr, "OUT"});
    EXPECT_EQ(prefixOf(u), "U");
    place("1K", 1, {"OUT", "INV"});
    place("1K", 2, {"INV", "GND"});
    const std::string written = deck();
    EXPECT_NE(written.find("XU1 0 inv in v- 0 out v+ opamp\n"), std::string::npos) << written;
    EXPECT_NE(written.find(".SUBCKT OPAMP 1 2 3 4 5 6 7\n"), std::string::npos) << written;
    OperatingPoint got;
    expectSameOperatingPoint(written,
                             "V1 in 0 dc 1\nV2 v+ 0 dc 12\nV3 0 v- dc 12\nXU1 0 inv in v- 0 out v+ opamp\n"
                             "R1 out inv 1k\nR2 inv 0 1k\n",
                             &got);
    EXPECT_NEAR(got["out"], 2.0, 1e-3);
}

// Each starter TTL gate simulates from its package's subcircuit, powered through its hidden
// supply pins from the VCC net: both inputs high, then one high and one low.
TEST_F(StarterDeck, TtlGatesFollowTheirLogicFromTheirHiddenSupplyPins)
{
    const int v1 = place("VSRC", 1, {nullptr, "GND"});
    label(-4000, -4000, "#&V1 DC 5");
    supplySymbolOn(v1, 1);
    const struct {
        const char* part;
        bool bothHigh, oneHigh;   // the output, high or low
    } gates[] = {{"7400", false, true}, {"7402", false, false}, {"7404", false, true},
                 {"7408", true, false}, {"7432", true, true},   {"7486", false, true}};
    static const char* const kOutputs[] = {"Y1", "Y2", "Y3", "Y4", "Y5", "Y6", "Y7", "Y8", "Y9", "Y10", "Y11", "Y12"};
    int number = 1;
    for (const char* second : {"VCC", "GND"})
        for (const auto& g : gates) {
            const char* out = kOutputs[number - 1];
            if (std::string_view(g.part) == "7404")
                place(g.part, number, {second, out}, nullptr, "TTL");
            else
                place(g.part, number, {"VCC", second, out}, nullptr, "TTL");
            ++number;
        }
    const std::string written = deck();
    ASSERT_NE(written.find(".SUBCKT 7400 1 2 3 4 5 6 7 8 9 10 11 12 13 14\n"), std::string::npos) << written;
    EXPECT_EQ(host.count("message box: SPICE model file"), 0);
    if (!haveNgspice())
        GTEST_SKIP() << "ngspice is not installed; the deck was not simulated";
    const std::string output = ngspiceOutput(folder.file("design.cir"));
    EXPECT_EQ(output.find("rror"), std::string::npos) << written << output;
    const OperatingPoint got = operatingPoint(output);
    number = 1;
    for (bool secondHigh : {true, false})
        for (const auto& g : gates) {
            SCOPED_TRACE(std::string(g.part) + (secondHigh ? " high, high" : " high, low"));
            const bool high = secondHigh ? g.bothHigh : g.oneHigh;
            const auto found = got.find(netlist::Lower(kOutputs[number - 1]));
            ASSERT_NE(found, got.end()) << output;
            EXPECT_NEAR(found->second, high ? 5.0 : 0.0, 0.05);
            ++number;
        }
}

// The starter pattern generator is a "G" part, whose pattern the digital circuit takes; a SPICE
// deck leaves it out.
TEST_F(StarterDeck, ThePatternReachesTheDigitalCircuit)
{
    const int generator = place("PATGEN", 1, {"CLKIN"});
    EXPECT_EQ(prefixOf(generator), "G");
    ReplaceObjectText(store[generator], "G:CLK 0 10 100 = HLHL");
    CNetlistBuilder builder;
    builder.m_kind = kNetlistDigital;
    ASSERT_EQ(builder.GenerateNetlist(), 1);
    std::ifstream in(folder.file("design.ckt"), std::ios::binary);
    const std::string circuit((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(circuit.find("\nclkin clk 0 10 100 = hlhl\n"), std::string::npos) << circuit;
    // In a SPICE deck a G line would be a controlled source: the generator has none.
    place("1K", 1, {"CLKIN", "GND"});
    const std::string written = deck();
    EXPECT_EQ(written.find("G1"), std::string::npos) << written;
    EXPECT_NE(written.find("R1 clkin 0 1k\n"), std::string::npos) << written;
}

// Look-ups by whole name: a part named D gets the card of D, not the first card whose text holds a
// D; a model name that only begins another's finds nothing and says so.
TEST_F(StarterDeck, ModelsAreFoundByTheirWholeName)
{
    fs::create_directories(folder.path() / "LIB");
    g_folders.libraryFolder = folder.file("LIB") + "/";
    folder.write("SEMICON.MOD", ".MODEL 1N4148 D(IS=2N)\n.model d D(IS=1F)\n*\n.MODEL D2 D(IS=3F)\n");
    fs::copy_file(program_ / "LIB" / "DEVICE.CON", folder.path() / "LIB" / "DEVICE.CON");
    fs::copy_file(program_ / "LIB" / "DEVICE.CAT", folder.path() / "LIB" / "DEVICE.CAT");
    place("D", 1, {"A", "GND"});
    place("D", 2, {"B", "GND"}, "DEVICE\\D3");
    const std::string written = deck();
    EXPECT_NE(written.find(".MODEL D D(IS=1F)\n"), std::string::npos) << written;
    EXPECT_EQ(written.find("1N4148"), std::string::npos) << written;
    EXPECT_EQ(written.find("D2 D("), std::string::npos) << written;
    EXPECT_TRUE(host.shown("message box: Error: model not found for D3"));
}

}  // namespace
