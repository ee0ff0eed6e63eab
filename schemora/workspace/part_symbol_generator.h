#pragma once
// Draws the part wizard's symbol into the open part editor's store (the current drawing): a
// block with pins on up to four sides, a logic gate from the "Symbol" library, an amplifier
// triangle or a two-terminal discrete part, registering every pin in the editor's pin table
// and placing the editor's reference and name texts (records 1 and 2).

#include "schemora/workspace/wizard_pins.h"

#include <functional>
#include <string>
#include <string_view>

class PartPinTable;

inline constexpr std::string_view kDiscreteHint = "<---Draw symbol here--->";
inline constexpr int kDiscreteHintX = -775;
inline constexpr int kDiscreteHintY = -488;

// What the part editor lends the generator besides the current drawing.
struct SymbolTarget {
    PartPinTable& pins;
    // Replaces records 3 on and the pin table with the part of that name from the "Symbol"
    // library; false, with nothing changed, when the part cannot be read.
    std::function<bool(std::string_view part)> loadGate;
};

// What the generator hands back for the editor's fields.
struct GeneratedFields {
    std::string package;
    std::string description;
    std::string designator;   // upper-cased, at most 20 characters
    bool hintVisible = false;
};

// Replaces the editor's symbol by the one the answers describe. 1 when drawn; 0 when refused
// (with a message): the store and the pin table are then as they were.
int GenerateSymbol(const PartWizardAnswers& answers, SymbolTarget& target, GeneratedFields& fields);
