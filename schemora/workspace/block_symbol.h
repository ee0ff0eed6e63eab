#pragma once
// The block symbol of the part wizard: a rectangle with the pins of the pin table on its four
// sides, and the pin lines every generated symbol is made of.

#include "schemora/workspace/wizard_pins.h"

#include <array>
#include <string>
#include <vector>

class PartPinTable;

// One pin line of a generated symbol with its number and label and where they go.
struct PinLine {
    int x1, y1, x2, y2;
    int code;              // word 7: the pin's electrical code
    std::string number;
    std::string label;
    int numberX, numberY, labelX, labelY;
};

// Appends the pin line to the current drawing, registers it in pins with type and lays its
// texts out against the body drawn so far. The new record's index; 0 (nothing added) when the
// store or the pin table refuses it.
int AddPinLine(const PinLine& line, int type, PartPinTable& pins);

// The block's measures and the order of its pins (indexes into the pin table) per side.
struct BlockPlan {
    int width = 0, height = 0;
    int nameX = 0, nameY = 0;
    std::array<int, 4> longest{};               // longest label per side, in characters
    std::array<std::vector<int>, 4> sides{};    // left, right, top, bottom
    std::vector<int> powerPins;                 // VCC pins, then Ground pins
};

// Whether the block's pins can be drawn: known sides and types, a number on every pin and no
// number twice. Shows what is wrong when not.
bool CheckBlockPins(const PartWizardAnswers& answers);
BlockPlan PlanBlockSymbol(const PartWizardAnswers& answers);
// Draws the outline and the pins of the plan after the current drawing's last record and adds
// the supply pins to the pin table as hidden power pins.
void DrawBlockSymbol(const BlockPlan& plan, const PartWizardAnswers& answers, PartPinTable& pins);
