#pragma once
// The semiconductors of the starter library, one table for both generators: the part library
// draws a symbol under each name, and SEMICON.MOD holds the ".MODEL" card the deck copies for
// that name. A part's name is the model its deck line names, so the two must never drift apart.
// Parameters follow the makers' published models. Diodes have pin 1 anode; transistors pins 1
// collector, 2 base, 3 emitter, the order of a SPICE transistor line.

#include <array>
#include <string_view>

enum class SemiconductorKind { Diode, Zener, Led, Npn, Pnp };

struct StarterSemiconductor {
    std::string_view name;
    SemiconductorKind kind;
    std::string_view description;   // the part's ";" comment and the model file's heading
    std::string_view card;          // ".MODEL" line and its "+" lines, each ending in "\n"
};

inline constexpr std::array<StarterSemiconductor, 17> kStarterSemiconductors{{
    {"D", SemiconductorKind::Diode, "Diode, pin 1 anode",
     ".MODEL D D(IS=4N RS=0.5 N=1.9 CJO=4P M=0.4 TT=20N BV=100 IBV=100U)\n"},
    {"1N4148", SemiconductorKind::Diode, "1N4148 small-signal switching diode, pin 1 anode",
     ".MODEL 1N4148 D(IS=2.52N RS=0.568 N=1.752 CJO=4P M=0.4 TT=20N\n"
     "+ BV=100 IBV=100U)\n"},
    {"1N914", SemiconductorKind::Diode, "1N914 small-signal switching diode, pin 1 anode",
     ".MODEL 1N914 D(IS=2.52N RS=0.568 N=1.752 CJO=4P M=0.4 TT=20N\n"
     "+ BV=75 IBV=5U)\n"},
    {"1N4001", SemiconductorKind::Diode, "1N4001 1 A rectifier diode, 50 V, pin 1 anode",
     ".MODEL 1N4001 D(IS=14.11N N=1.984 RS=33.89M IKF=94.81 CJO=25.89P M=0.44\n"
     "+ VJ=0.3245 BV=50 IBV=5U TT=5.7U)\n"},
    {"1N4004", SemiconductorKind::Diode, "1N4004 1 A rectifier diode, 400 V, pin 1 anode",
     ".MODEL 1N4004 D(IS=14.11N N=1.984 RS=33.89M IKF=94.81 CJO=25.89P M=0.44\n"
     "+ VJ=0.3245 BV=400 IBV=5U TT=5.7U)\n"},
    {"1N4007", SemiconductorKind::Diode, "1N4007 1 A rectifier diode, 1000 V, pin 1 anode",
     ".MODEL 1N4007 D(IS=14.11N N=1.984 RS=33.89M IKF=94.81 CJO=25.89P M=0.44\n"
     "+ VJ=0.3245 BV=1000 IBV=5U TT=5.7U)\n"},
    {"1N5819", SemiconductorKind::Diode, "1N5819 1 A Schottky rectifier, 40 V, pin 1 anode",
     ".MODEL 1N5819 D(IS=31.7U RS=51M N=1.373 CJO=110P M=0.35 VJ=0.35\n"
     "+ EG=0.69 XTI=2 BV=40 IBV=1M TT=10N)\n"},
    {"1N4733", SemiconductorKind::Zener, "1N4733 5.1 V zener diode, pin 1 anode",
     ".MODEL 1N4733 D(IS=1N RS=1.1 N=1.5 CJO=180P M=0.33 VJ=0.75 TT=50N\n"
     "+ BV=5.1 IBV=49M NBV=1.2)\n"},
    {"1N4742", SemiconductorKind::Zener, "1N4742 12 V zener diode, pin 1 anode",
     ".MODEL 1N4742 D(IS=1N RS=3 N=1.5 CJO=80P M=0.33 VJ=0.75 TT=50N\n"
     "+ BV=12 IBV=21M NBV=1.5)\n"},
    {"LED", SemiconductorKind::Led, "Light emitting diode",
     ".MODEL LED D(IS=93.2P RS=42M N=3.73 CJO=2.97P VJ=0.75 M=0.333\n"
     "+ TT=4.32U BV=5 IBV=10U)\n"},
    {"NPN", SemiconductorKind::Npn, "NPN transistor",
     ".MODEL NPN NPN(IS=10F BF=200 VAF=100 BR=2 RB=10 RC=1 CJE=5P CJC=4P\n"
     "+ TF=400P TR=50N)\n"},
    {"PNP", SemiconductorKind::Pnp, "PNP transistor",
     ".MODEL PNP PNP(IS=10F BF=150 VAF=50 BR=4 RB=10 RC=2 CJE=8P CJC=9P\n"
     "+ TF=400P TR=50N)\n"},
    {"2N3904", SemiconductorKind::Npn, "2N3904 NPN general-purpose transistor",
     ".MODEL 2N3904 NPN(IS=6.734F XTI=3 EG=1.11 VAF=74.03 BF=416.4 NE=1.259\n"
     "+ ISE=6.734F IKF=66.78M XTB=1.5 BR=0.7371 NC=2 ISC=0 IKR=0 RC=1\n"
     "+ CJC=3.638P MJC=0.3085 VJC=0.75 FC=0.5 CJE=4.493P MJE=0.2593 VJE=0.75\n"
     "+ TR=239.5N TF=301.2P ITF=0.4 VTF=4 XTF=2 RB=10)\n"},
    {"2N2222", SemiconductorKind::Npn, "2N2222 NPN switching transistor",
     ".MODEL 2N2222 NPN(IS=14.34F XTI=3 EG=1.11 VAF=74.03 BF=255.9 NE=1.307\n"
     "+ ISE=14.34F IKF=0.2847 XTB=1.5 BR=6.092 NC=2 ISC=0 IKR=0 RC=1\n"
     "+ CJC=7.306P MJC=0.3416 VJC=0.75 FC=0.5 CJE=22.01P MJE=0.377 VJE=0.75\n"
     "+ TR=46.91N TF=411.1P ITF=0.6 VTF=1.7 XTF=3 RB=10)\n"},
    {"BC547", SemiconductorKind::Npn, "BC547 NPN small-signal transistor",
     ".MODEL BC547 NPN(IS=23.9F NF=1.008 ISE=3.545F NE=1.541 BF=294.3 IKF=0.1357\n"
     "+ VAF=63.2 NR=1.004 ISC=62.72F NC=1.243 BR=7.946 IKR=0.1144 VAR=25.9\n"
     "+ RB=1 RE=0.4683 RC=0.85 CJE=13.58P VJE=0.65 MJE=0.3279 TF=439.1P\n"
     "+ CJC=3.728P VJC=0.3997 MJC=0.2955 TR=10N FC=0.9579)\n"},
    {"2N3906", SemiconductorKind::Pnp, "2N3906 PNP general-purpose transistor",
     ".MODEL 2N3906 PNP(IS=1.41F XTI=3 EG=1.11 VAF=18.7 BF=180.7 NE=1.5\n"
     "+ ISE=0 IKF=80M XTB=1.5 BR=4.977 NC=2 ISC=0 IKR=0 RC=2.5\n"
     "+ CJC=9.728P MJC=0.5776 VJC=0.75 FC=0.5 CJE=8.063P MJE=0.3677 VJE=0.75\n"
     "+ TR=33.42N TF=179.3P ITF=0.4 VTF=4 XTF=6 RB=10)\n"},
    {"BC557", SemiconductorKind::Pnp, "BC557 PNP small-signal transistor",
     ".MODEL BC557 PNP(IS=38.3F NF=1.008 ISE=12.2F NE=1.528 BF=344.4 IKF=80.39M\n"
     "+ VAF=21.11 NR=1.005 ISC=285F NC=1.28 BR=14.84 IKR=47M VAR=32.02\n"
     "+ RB=1 RE=0.6202 RC=0.5713 CJE=12.2P VJE=0.65 MJE=0.3215 TF=616.6P\n"
     "+ CJC=10.2P VJC=0.4 MJC=0.3 TR=10N FC=0.8)\n"},
}};
