#pragma once
// The 74-series gates of the starter TTL library, one table for both generators: the part library
// draws each package's gates on these pins, and TTL.MOD holds a subcircuit that takes the
// package's 14 pins in number order, as the SPICE deck lists them, so the two must agree.

#include <array>
#include <string_view>

enum class GateLogic { Nand, Nor, Not, And, Or, Xor };

struct StarterGate {
    std::string_view name;
    std::string_view description;
    bool inverting, orShape;
    int inputs;                               // 1 or 2
    GateLogic logic;
    // The first gate's pins are the symbol's own (inputs 1 and 2, output 3; an inverter 1 and 2);
    // each further gate's are inputs first, then the output, as its "%pins" text gives them.
    std::array<std::string_view, 5> furtherPins;
};

inline constexpr std::array<StarterGate, 6> kStarterGates{{
    {"7400", ";Quad 2-input NAND", true, false, 2, GateLogic::Nand, {"4 5 6", "9 10 8", "12 13 11"}},
    {"7402", ";Quad 2-input NOR", true, true, 2, GateLogic::Nor, {"5 6 4", "8 9 10", "11 12 13"}},
    {"7404", ";Hex inverter", true, false, 1, GateLogic::Not, {"3 4", "5 6", "9 8", "11 10", "13 12"}},
    {"7408", ";Quad 2-input AND", false, false, 2, GateLogic::And, {"4 5 6", "9 10 8", "12 13 11"}},
    {"7432", ";Quad 2-input OR", false, true, 2, GateLogic::Or, {"4 5 6", "9 10 8", "12 13 11"}},
    {"7486", ";Quad 2-input XOR", false, true, 2, GateLogic::Xor, {"4 5 6", "9 10 8", "12 13 11"}},
}};

// Every package's supplies: pin 14 VCC, pin 7 ground.
inline constexpr int kGateSupplyPin = 14;
inline constexpr int kGateGroundPin = 7;
