// make_spice_models FOLDER: writes SEMICON.MOD, SPICE.MOD, DEVICE.MOD and TTL.MOD into FOLDER.
//
// The netlister copies a device's ".MODEL" card, with the "+" lines that follow it, from
// SEMICON.MOD, and a subcircuit from ".SUBCKT" to ".ENDS" from SPICE.MOD (parts named without a
// library) or from the library's own file (DEVICE.MOD for the DEVICE library).
#include "tools/generator_arguments.h"
#include "tools/generator_output.h"
#include "tools/starter_gates.h"
#include "tools/starter_semiconductors.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Each card is followed by a comment line that ends it for the netlister's copy.
std::string semiconductors()
{
    std::string text = "* Semiconductor models of the starter library\n*\n";
    for (const StarterSemiconductor& s : kStarterSemiconductors) {
        text += "* " + std::string(s.description) + "\n";
        text += s.card;
    }
    return text + "*\n";
}

// The deck lists a part's pins in number order, so the subcircuit takes them in that order too:
// the op-amp's 8-pin package puts the inputs on 2 and 3, the supplies on 7 and 4 and the output
// on 6; pins 1 and 5 (offset null) are not used. The supplies are tied to ground through 1 Gohm
// so that a drawing that leaves them unconnected still has a path to ground.
constexpr const char* kSubcircuits =
    "* Subcircuits of the starter library\n"
    "*\n"
    "* OPAMP: a simple operational amplifier macromodel. Pins: 1 offset null, 2 inverting\n"
    "* input, 3 non-inverting input, 4 negative supply, 5 offset null, 6 output, 7 positive\n"
    "* supply. Open-loop gain 100,000 with one pole at 10 Hz (1 MHz gain-bandwidth), 2 Mohm\n"
    "* input, 75 ohm output.\n"
    ".SUBCKT OPAMP 1 2 3 4 5 6 7\n"
    "RIN 3 2 2MEG\n"
    "EGAIN 8 0 3 2 100K\n"
    "RP 8 9 1K\n"
    "CP 9 0 15.9U\n"
    "EBUF 10 0 9 0 1\n"
    "ROUT 10 6 75\n"
    "RSUP 7 4 10MEG\n"
    "RTIE7 7 0 1G\n"
    "RTIE4 4 0 1G\n"
    "RN1 1 0 1G\n"
    "RN5 5 0 1G\n"
    ".ENDS\n"
    "*\n";

// A TTL package as behavioural sources: each output follows its gate's logic between the ground
// pin and the supply pin, switching smoothly about a 1.4 V threshold (a smooth step keeps a
// transient run converging), through 50 ohms. An unpowered package gives low outputs, as a real
// one does.
std::string inputHigh(std::string_view pin)
{
    return "(1/(1+exp(-20*(V(" + std::string(pin) + "," + std::to_string(kGateGroundPin) + ")-1.4))))";
}

std::string logicOf(GateLogic logic, const std::string& a, const std::string& b)
{
    switch (logic) {
    case GateLogic::Nand: return "(1-" + a + "*" + b + ")";
    case GateLogic::Nor: return "(1-" + a + ")*(1-" + b + ")";
    case GateLogic::Not: return "(1-" + a + ")";
    case GateLogic::And: return a + "*" + b;
    case GateLogic::Or: return "(1-(1-" + a + ")*(1-" + b + "))";
    case GateLogic::Xor: return "(" + a + "+" + b + "-2*" + a + "*" + b + ")";
    }
    return "0";
}

std::string ttlSubcircuits()
{
    std::string text = "* Subcircuits of the starter TTL library: pins 1 to 14 of the package in number\n"
                       "* order, pin 14 VCC and pin 7 ground.\n*\n";
    const std::string supply = "V(" + std::to_string(kGateSupplyPin) + "," + std::to_string(kGateGroundPin) + ")";
    for (const StarterGate& g : kStarterGates) {
        text += "* " + std::string(g.name) + " " + std::string(g.description.substr(1)) + "\n";
        text += ".SUBCKT " + std::string(g.name) + " 1 2 3 4 5 6 7 8 9 10 11 12 13 14\n";
        std::vector<std::vector<std::string>> gates = {g.inputs == 1 ? std::vector<std::string>{"1", "2"}
                                                                      : std::vector<std::string>{"1", "2", "3"}};
        for (std::string_view pins : g.furtherPins) {
            std::vector<std::string> words;
            for (size_t at = 0; at < pins.size();) {
                const size_t end = std::min(pins.find(' ', at), pins.size());
                words.emplace_back(pins.substr(at, end - at));
                at = end + 1;
            }
            if (!words.empty())
                gates.push_back(words);
        }
        int n = 1;
        for (const std::vector<std::string>& pins : gates) {
            const std::string a = inputHigh(pins[0]);
            const std::string b = g.inputs == 2 ? inputHigh(pins[1]) : a;
            const std::string& out = pins.back();
            const std::string node = "G" + std::to_string(n);
            text += "B" + std::to_string(n) + " " + node + " " + std::to_string(kGateGroundPin) + " V=" + supply + "*" +
                    logicOf(g.logic, a, b) + "\n";
            text += "RO" + std::to_string(n) + " " + node + " " + out + " 50\n";
            ++n;
        }
        text += "RSUP " + std::to_string(kGateSupplyPin) + " " + std::to_string(kGateGroundPin) + " 10MEG\n";
        text += "RTIE " + std::to_string(kGateSupplyPin) + " 0 1G\n.ENDS\n*\n";
    }
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!argumentsGiven(argc, 1, "make_spice_models FOLDER"))
        return 2;
    constexpr std::string_view kTool = "make_spice_models";
    const std::string folder = std::string(argv[1]) + "/";
    const bool written = writeGeneratedFile(kTool, folder + "SEMICON.MOD", semiconductors()) &&
                         writeGeneratedFile(kTool, folder + "SPICE.MOD", kSubcircuits) &&
                         writeGeneratedFile(kTool, folder + "DEVICE.MOD", kSubcircuits) &&
                         writeGeneratedFile(kTool, folder + "TTL.MOD", ttlSubcircuits());
    return written ? 0 : 1;
}
