// make_spice_models FOLDER: writes SEMICON.MOD, SPICE.MOD and DEVICE.MOD into FOLDER.
//
// The netlister copies a device's ".MODEL" card, with the "+" lines that follow it, from
// SEMICON.MOD, and a subcircuit from ".SUBCKT" to ".ENDS" from SPICE.MOD (parts named without a
// library) or from the library's own file (DEVICE.MOD for the DEVICE library).
#include "tools/generator_arguments.h"
#include "tools/generator_output.h"
#include "tools/starter_semiconductors.h"

#include <string>
#include <string_view>

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

}  // namespace

int main(int argc, char** argv)
{
    if (!argumentsGiven(argc, 1, "make_spice_models FOLDER"))
        return 2;
    constexpr std::string_view kTool = "make_spice_models";
    const std::string folder = std::string(argv[1]) + "/";
    const bool written = writeGeneratedFile(kTool, folder + "SEMICON.MOD", semiconductors()) &&
                         writeGeneratedFile(kTool, folder + "SPICE.MOD", kSubcircuits) &&
                         writeGeneratedFile(kTool, folder + "DEVICE.MOD", kSubcircuits);
    return written ? 0 : 1;
}
