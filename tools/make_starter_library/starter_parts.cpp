#include "starter_parts.h"

#include "schemora/core/library_elements.h"
#include "symbol_builder.h"
#include "tools/starter_gates.h"
#include "tools/starter_semiconductors.h"

#include <functional>

namespace {

using Build = std::function<void(SymbolBuilder&)>;

// Two-pin parts lie along x from -100 to 100 with the body between -50 and 50.
void twoPins(SymbolBuilder& b)
{
    b.pin(-100, 0, -50, 0, "1").pin(100, 0, 50, 0, "2");
}

void resistor(SymbolBuilder& b)
{
    twoPins(b);
    b.rect(-50, -15, 100, 30).text(-20, -40, "R?").attribute(";Resistor").attribute("%package RES400");
}

void capacitor(SymbolBuilder& b)
{
    b.pin(-100, 0, -10, 0, "1").pin(100, 0, 10, 0, "2");
    b.line(-10, -40, -10, 40, 8).line(10, -40, 10, 40, 8);
    b.text(-20, -60, "C?").attribute(";Capacitor").attribute("%package CAP200");
}

void polarCapacitor(SymbolBuilder& b)
{
    b.pin(-100, 0, -10, 0, "1").pin(100, 0, 10, 0, "2");
    b.line(-10, -40, -10, 40, 8).arc(20, -40, 20, 40).text(-40, -30, "+");
    b.text(-20, -60, "C?").attribute(";Electrolytic capacitor").attribute("%package CAPR200");
}

void inductor(SymbolBuilder& b)
{
    twoPins(b);
    for (int x = -50; x < 50; x += 25)
        b.arc(x, 0, x + 25, 0);
    b.text(-20, -40, "L?").attribute(";Inductor").attribute("%package IND400");
}

void diodeBody(SymbolBuilder& b)
{
    b.pin(-100, 0, -25, 0, "1").pin(100, 0, 25, 0, "2");
    b.polygon({{-25, -25}, {-25, 25}, {25, 0}}, 1).line(25, -25, 25, 25);
}

void diode(SymbolBuilder& b, std::string_view description)
{
    diodeBody(b);
    b.text(-20, -50, "D?").attribute(";" + std::string(description)).attribute("%package DO35");
}

// A zener's cathode bar bends back at both ends.
void zener(SymbolBuilder& b, std::string_view description)
{
    diode(b, description);
    b.line(25, -25, 15, -35).line(25, 25, 35, 35);
}

void led(SymbolBuilder& b, std::string_view description)
{
    diodeBody(b);
    b.arrow(0, -30, 20, -60).arrow(15, -25, 35, -55);
    // Named LED, not D: step replay finds a lit LED by its "LED" designator. The SPICE deck
    // writes it as a diode.
    b.text(-40, -50, "LED?").attribute(";" + std::string(description)).attribute("%package LED3MM");
}

// The step control shows a lit LED with a filled spot on its body.
void ledWithLitVariant(SymbolBuilder& b, std::string_view description)
{
    led(b, description);
    b.variant(1, [](SymbolBuilder& on) { on.ellipse(0, 0, 18, 18, 1); });
}

// Pins 1 collector, 2 base, 3 emitter: the order a SPICE transistor line takes its nodes in.
// The emitter arrow points out for NPN, in for PNP.
void transistor(SymbolBuilder& b, bool npn, std::string_view description)
{
    b.ellipse(10, 0, 50, 50);
    b.pin(-100, 0, -15, 0, "2").line(-15, -30, -15, 30, 10);
    b.pin(50, -100, 50, -35, "1").line(-15, -15, 50, -35);
    b.pin(50, 100, 50, 35, "3");
    if (npn)
        b.arrow(-15, 15, 50, 35);
    else
        b.arrow(50, 35, -15, 15);
    b.text(60, -60, "Q?").attribute(";" + std::string(description)).attribute("%package TO92");
}

void semiconductor(SymbolBuilder& b, const StarterSemiconductor& s)
{
    switch (s.kind) {
    case SemiconductorKind::Diode: diode(b, s.description); break;
    case SemiconductorKind::Zener: zener(b, s.description); break;
    case SemiconductorKind::Led: ledWithLitVariant(b, s.description); break;
    case SemiconductorKind::Npn: transistor(b, true, s.description); break;
    case SemiconductorKind::Pnp: transistor(b, false, s.description); break;
    }
}

void opamp(SymbolBuilder& b)
{
    b.polygon({{-50, -75}, {-50, 75}, {75, 0}});
    b.pin(-100, -25, -50, -25, "2").text(-45, -30, "-");
    b.pin(-100, 25, -50, 25, "3").text(-45, 20, "+");
    b.pin(125, 0, 75, 0, "6");
    // The pins of an 8-pin single op-amp package; the deck lists pins 1 to 7 in number order,
    // and the OPAMP subcircuit takes them in that order.
    b.text(0, -90, "U?").attribute(";Operational amplifier").attribute("%package DIP8");
    b.attribute("v+=7").attribute("v-=4");
}

void voltageSource(SymbolBuilder& b)
{
    b.pin(0, -100, 0, -40, "1").pin(0, 100, 0, 40, "2");
    b.ellipse(0, 0, 40, 40).text(-8, -20, "+").text(-8, 25, "-");
    b.text(50, -30, "V?").attribute(";Voltage source, pin 1 positive");
}

// Sources and meters of the simulators: two pins, 100 units above and below the body.
void verticalTwoPin(SymbolBuilder& b)
{
    b.pin(0, -100, 0, -40, "1").pin(0, 100, 0, 40, "2");
}

void ammeter(SymbolBuilder& b)
{
    verticalTwoPin(b);
    b.ellipse(0, 0, 40, 40).text(-10, -15, "A");
    b.text(50, -30, "V?").attribute(";Ammeter (a zero-volt source whose current is probed)");
}

void functionGenerator(SymbolBuilder& b)
{
    verticalTwoPin(b);
    b.ellipse(0, 0, 40, 40).arc(-25, 0, 0, 0).arc(0, 0, 25, 0);
    b.text(50, -30, "V?").attribute(";Function generator (right-click to set its waveform)");
}

void patternGenerator(SymbolBuilder& b)
{
    b.pin(100, 0, 40, 0, "1");
    b.rect(-40, -30, 80, 60).text(-30, -15, "PAT");
    // A "G" part: the digital circuit takes the source text of its generators into the circuit.
    b.text(-40, -60, "G?").attribute(";Pattern generator (right-click to set its pattern)");
}

// Devices the step control animates: a lamp, a numeric display, a speaker and a relay.
void lamp(SymbolBuilder& b)
{
    b.pin(-100, 0, -30, 0, "1");
    b.ellipse(0, 0, 30, 30).line(-20, -20, 20, 20, 4).line(-20, 20, 20, -20, 4);
    b.text(-20, -50, "DEV?").attribute(";Lamp of the step control");
    // Lit: rays about the bulb.
    b.variant(1, [](SymbolBuilder& on) {
        on.line(0, -40, 0, -60).line(0, 40, 0, 60).line(40, 0, 60, 0).line(28, -28, 42, -42).line(28, 28, 42, 42);
    });
}

void numericDisplay(SymbolBuilder& b)
{
    b.pin(-100, -20, -40, -20, "1").pin(-100, 20, -40, 20, "2");
    b.rect(-40, -50, 80, 100).text(-10, -20, "8");
    b.text(-40, -80, "DEV?").attribute(";Numeric display of the step control");
}

void speaker(SymbolBuilder& b)
{
    b.pin(-100, 0, -40, 0, "1");
    b.rect(-40, -20, 20, 40).polygon({{-20, -20}, {20, -50}, {20, 50}, {-20, 20}});
    b.text(-40, -70, "DEV?").attribute(";Speaker of the step control");
}

void relay(SymbolBuilder& b)
{
    b.pin(-100, 0, -40, 0, "1");
    b.rect(-40, -25, 50, 50).line(30, 20, 70, -20).line(30, 20, 30, 40).line(70, -10, 70, 40);
    b.text(-40, -60, "DEV?").attribute(";Relay of the step control");
    // Pulled in: the contact closed onto its second terminal.
    b.variant(1, [](SymbolBuilder& on) { on.line(30, 20, 70, -10, 10); });
}

void ground(SymbolBuilder& b)
{
    b.line(0, 0, 0, 30).line(-40, 30, 40, 30).line(-25, 42, 25, 42).line(-10, 54, 10, 54);
    b.attribute("%no_des").attribute("g=GND").attribute(";Ground");
}

void power(SymbolBuilder& b)
{
    b.line(0, 0, 0, -30).line(-25, -30, 25, -30).text(-20, -45, "VCC");
    b.attribute("%no_des").attribute("v=VCC").attribute(";Supply");
}

// One gate's body and pins: inputs 1 and 2 (one for an inverter or buffer), output 3 (2).
void gateBody(SymbolBuilder& b, bool inverting, bool orShape, int inputs)
{
    if (inputs == 1) {
        b.pin(-100, 0, -50, 0, "1");
        b.polygon({{-50, -40}, {-50, 40}, {30, 0}});
    } else {
        b.pin(-100, -25, -50, -25, "1").pin(-100, 25, -50, 25, "2");
        if (orShape)
            b.arc(-50, -40, -50, 40).arc(-50, -40, 40, 0).arc(-50, 40, 40, 0);
        else
            b.line(-50, -40, -50, 40).line(-50, -40, 0, -40).line(-50, 40, 0, 40).arc(0, -40, 40, 0).arc(0, 40, 40, 0);
    }
    const int out = inputs == 1 ? 30 : 40;
    if (inverting)
        b.ellipse(out + 8, 0, 8, 8);
    b.pin(100, 0, out + (inverting ? 16 : 0), 0, inputs == 1 ? "2" : "3");
}

// A 74-series gate: the further gates' pins follow in "%pins" texts, the package's supply pin
// numbers in "v=" and "g=".
void gate(SymbolBuilder& b, const StarterGate& g)
{
    gateBody(b, g.inverting, g.orShape, g.inputs);
    b.text(-40, -60, "U?").attribute(g.description).attribute("%package DIP14");
    int gates = 1;
    for (std::string_view pins : g.furtherPins)
        gates += pins.empty() ? 0 : 1;
    b.attribute("p=" + std::to_string(gates));
    for (std::string_view pins : g.furtherPins)
        if (!pins.empty())
            b.attribute("%pins " + std::string(pins));
    b.attribute("v=" + std::to_string(kGateSupplyPin)).attribute("g=" + std::to_string(kGateGroundPin));
}

void connector(SymbolBuilder& b, int pins)
{
    const int height = 50 * pins;
    b.rect(-25, -25, 50, height);
    for (int i = 0; i < pins; ++i)
        b.pin(-100, 50 * i, -25, 50 * i, std::to_string(i + 1));
    b.text(-25, -45, "J?").attribute(";Connector, " + std::to_string(pins) + " pins");
    b.attribute("%package SIP" + std::to_string(pins));
}

LibraryPart take(std::string name, const Build& build)
{
    SymbolBuilder b(std::move(name));
    build(b);
    // The builder releases its own records; the library keeps deep copies.
    LibraryPart part{b.part().name, {}};
    for (const DrawObject& e : b.part().elements)
        part.elements.push_back(CloneElement(e));
    return part;
}

// A decade of a value series: the mantissa times ten to `zeros`, with its scale letter.
struct Decade {
    int zeros;
    char letter;   // 'R' for ohms
    const char* whole;   // the suffix of a whole value ("K", "MEG"; "" for ohms and picofarads)
};

// Values are named as parts are marked, the scale letter standing for the decimal point ("4K7",
// "2R2", "1M5", "2U2"), so that no name holds a dot; the netlister writes them as SPICE reads
// them. "1.2" in the decades 0, 1 and 2 of kilohms gives "1K2", "12K" and "120K".
std::string inDecade(std::string_view mantissa, const Decade& decade)
{
    const size_t dot = mantissa.find('.');
    if (dot == std::string_view::npos)
        return std::string(mantissa) + std::string(static_cast<size_t>(decade.zeros), '0') + decade.whole;
    const std::string head(mantissa.substr(0, dot)), tail(mantissa.substr(dot + 1));
    if (decade.zeros == 0)
        return head + decade.letter + tail;
    return head + tail + std::string(static_cast<size_t>(decade.zeros - 1), '0') + decade.whole;
}

std::vector<std::string> series(std::initializer_list<const char*> mantissas, std::initializer_list<Decade> decades,
                                const char* last)
{
    std::vector<std::string> values;
    for (const Decade& decade : decades)
        for (const char* m : mantissas)
            values.push_back(inDecade(m, decade));
    values.emplace_back(last);
    return values;
}

// The preferred values a user expects to find: E12 resistors from 1 ohm to 10 megohm and E6
// capacitors from 1 pF to 1000 uF ("MEG" for mega, since SPICE reads "M" as milli).
std::vector<std::string> resistorValues()
{
    return series({"1", "1.2", "1.5", "1.8", "2.2", "2.7", "3.3", "3.9", "4.7", "5.6", "6.8", "8.2"},
                  {{0, 'R', ""}, {1, 'R', ""}, {2, 'R', ""}, {0, 'K', "K"}, {1, 'K', "K"}, {2, 'K', "K"},
                   {0, 'M', "MEG"}},
                  "10MEG");
}

std::vector<std::string> capacitorValues()
{
    return series({"1", "1.5", "2.2", "3.3", "4.7", "6.8"},
                  {{0, 'P', "P"}, {1, 'P', "P"}, {2, 'P', "P"}, {0, 'N', "N"}, {1, 'N', "N"}, {2, 'N', "N"},
                   {0, 'U', "U"}, {1, 'U', "U"}, {2, 'U', "U"}},
                  "1000U");
}

}  // namespace

std::vector<StarterLibrary> MakeStarterLibraries()
{
    // A part's name is what the SPICE deck gets as its value: "100N" and "10K" carry the values
    // of the simulation example; a semiconductor's name is its model in SEMICON.MOD.
    const struct {
        const char* name;
        void (*build)(SymbolBuilder&);
    } deviceParts[] = {
        {"AMMETER", ammeter}, {"C", capacitor}, {"CP", polarCapacitor}, {"DEV", lamp},
        {"FUNGEN", functionGenerator}, {"GND", ground}, {"L", inductor}, {"OPAMP", opamp},
        {"PATGEN", patternGenerator},
        {"PULSE", voltageSource},   // its parameters follow in a "#&" text
        {"R", resistor}, {"RELAY", relay}, {"SPKR", speaker}, {"VCC", power},
        {"VDISP", numericDisplay}, {"VSRC", voltageSource}};
    StarterLibrary device{"DEVICE", {}};
    for (const auto& p : deviceParts)
        device.parts.push_back(take(p.name, p.build));
    for (const StarterSemiconductor& s : kStarterSemiconductors)
        device.parts.push_back(take(std::string(s.name), [&s](SymbolBuilder& b) { semiconductor(b, s); }));
    for (const std::string& value : resistorValues())
        device.parts.push_back(take(value, resistor));
    // Electrolytics from 1 uF up, film and ceramic below.
    for (const std::string& value : capacitorValues())
        device.parts.push_back(take(value, value.find('U') != std::string::npos ? polarCapacitor : capacitor));

    StarterLibrary ttl{"TTL", {}};
    for (const StarterGate& g : kStarterGates)
        ttl.parts.push_back(take(std::string(g.name), [&g](SymbolBuilder& b) { gate(b, g); }));

    StarterLibrary conn{"CONN", {}};
    for (int pins : {2, 3, 4, 6, 8})
        conn.parts.push_back(take("CONN" + std::to_string(pins), [pins](SymbolBuilder& b) { connector(b, pins); }));

    // The part wizard's Logic Gate starts from one of these bare gates.
    StarterLibrary symbol{"SYMBOL", {}};
    const struct {
        const char* name;
        const char* description;
        bool inverting, orShape;
        int inputs;
    } gates[] = {{"AND", ";AND gate", false, false, 2}, {"BUFFER", ";Buffer", false, false, 1},
                 {"INVERTER", ";Inverter", true, false, 1}, {"NAND", ";NAND gate", true, false, 2},
                 {"NOR", ";NOR gate", true, true, 2},       {"OR", ";OR gate", false, true, 2},
                 {"XOR", ";Exclusive OR gate", false, true, 2}};
    for (const auto& g : gates)
        symbol.parts.push_back(take(g.name, [&g](SymbolBuilder& b) {
            gateBody(b, g.inverting, g.orShape, g.inputs);
            if (std::string_view(g.name) == "XOR")
                b.arc(-60, -40, -60, 40);
            b.text(-40, -60, "U?").attribute(g.description);
        }));

    std::vector<StarterLibrary> libraries;
    libraries.push_back(std::move(device));
    libraries.push_back(std::move(ttl));
    libraries.push_back(std::move(conn));
    libraries.push_back(std::move(symbol));
    return libraries;
}

void ReleaseStarterLibrary(StarterLibrary& library)
{
    for (LibraryPart& part : library.parts)
        for (DrawObject& e : part.elements)
            ReleaseObjectData(e);
    library.parts.clear();
}
