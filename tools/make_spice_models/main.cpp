// make_spice_models FOLDER: writes SEMICON.MOD, SPICE.MOD and DEVICE.MOD into FOLDER.
//
// The netlister copies a device's ".MODEL" card, with the "+" lines that follow it, from
// SEMICON.MOD, and a subcircuit from ".SUBCKT" to ".ENDS" from SPICE.MOD (parts named without a
// library) or from the library's own file (DEVICE.MOD for the DEVICE library); so each card here is
// followed by a comment line that ends it. Parameters follow the makers' published models.
#include "tools/generator_arguments.h"
#include "tools/generator_output.h"

#include <string>
#include <string_view>

namespace {

constexpr const char* kSemiconductors =
    "* Semiconductor models of the starter library\n"
    "*\n"
    "* 1N4148 small-signal switching diode\n"
    ".MODEL 1N4148 D(IS=2.52N RS=0.568 N=1.752 CJO=4P M=0.4 TT=20N\n"
    "+ BV=100 IBV=100U)\n"
    "* 1N4001 1 A rectifier diode, 50 V\n"
    ".MODEL 1N4001 D(IS=14.11N N=1.984 RS=33.89M IKF=94.81 CJO=25.89P M=0.44\n"
    "+ VJ=0.3245 BV=50 IBV=5U TT=5.7U)\n"
    "* Red light-emitting diode, 20 mA at about 2 V\n"
    ".MODEL LED D(IS=93.2P RS=42M N=3.73 CJO=2.97P VJ=0.75 M=0.333\n"
    "+ TT=4.32U BV=5 IBV=10U)\n"
    "* 2N3904 NPN general-purpose transistor\n"
    ".MODEL 2N3904 NPN(IS=6.734F XTI=3 EG=1.11 VAF=74.03 BF=416.4 NE=1.259\n"
    "+ ISE=6.734F IKF=66.78M XTB=1.5 BR=0.7371 NC=2 ISC=0 IKR=0 RC=1\n"
    "+ CJC=3.638P MJC=0.3085 VJC=0.75 FC=0.5 CJE=4.493P MJE=0.2593 VJE=0.75\n"
    "+ TR=239.5N TF=301.2P ITF=0.4 VTF=4 XTF=2 RB=10)\n"
    "* 2N3906 PNP general-purpose transistor\n"
    ".MODEL 2N3906 PNP(IS=1.41F XTI=3 EG=1.11 VAF=18.7 BF=180.7 NE=1.5\n"
    "+ ISE=0 IKF=80M XTB=1.5 BR=4.977 NC=2 ISC=0 IKR=0 RC=2.5\n"
    "+ CJC=9.728P MJC=0.5776 VJC=0.75 FC=0.5 CJE=8.063P MJE=0.3677 VJE=0.75\n"
    "+ TR=33.42N TF=179.3P ITF=0.4 VTF=4 XTF=6 RB=10)\n"
    "*\n";

constexpr const char* kSubcircuits =
    "* Subcircuits of the starter library\n"
    "*\n"
    "* OPAMP: a simple operational amplifier macromodel. Pins: non-inverting input,\n"
    "* inverting input, positive supply, negative supply, output. Open-loop gain 100,000\n"
    "* with one pole at 10 Hz (1 MHz gain-bandwidth), 2 Mohm input, 75 ohm output.\n"
    ".SUBCKT OPAMP 1 2 3 4 5\n"
    "RIN 1 2 2MEG\n"
    "EGAIN 6 0 1 2 100K\n"
    "RP 6 7 1K\n"
    "CP 7 0 15.9U\n"
    "EBUF 8 0 7 0 1\n"
    "ROUT 8 5 75\n"
    "RSUP 3 4 10MEG\n"
    ".ENDS\n"
    "*\n";

}  // namespace

int main(int argc, char** argv)
{
    if (!argumentsGiven(argc, 1, "make_spice_models FOLDER"))
        return 2;
    constexpr std::string_view kTool = "make_spice_models";
    const std::string folder = std::string(argv[1]) + "/";
    const bool written = writeGeneratedFile(kTool, folder + "SEMICON.MOD", kSemiconductors) &&
                         writeGeneratedFile(kTool, folder + "SPICE.MOD", kSubcircuits) &&
                         writeGeneratedFile(kTool, folder + "DEVICE.MOD", kSubcircuits);
    return written ? 0 : 1;
}
