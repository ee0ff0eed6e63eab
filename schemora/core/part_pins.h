#pragma once
// The pins of a placed part on the sheet: the pin lines of its gate's element section, turned,
// mirrored and moved to the instance. The first point of each lead is its connection end.

#include "schemora/core/draw_object.h"

#include <vector>

struct PinLead {
    int x1 = 0, y1 = 0;      // connection end
    int x2 = 0, y2 = 0;      // the end at the body
    int element = 0;         // the pin line's index in g_symbolElements
};

// The gate slot of an instance (word 5 bits 0-2; -1 counts as 0) and its body variant (bits 3-4).
int PartSection(const DrawObject& part);
int PartVariant(const DrawObject& part);

// Empty when the part's symbol has no element block.
std::vector<PinLead> PartPinLeads(const DrawObject& part);
// The pins junction dots are placed by: the same, except that in a ground symbol (a name with
// "GND") every line is a pin, so wires meeting on it are joined.
std::vector<PinLead> JunctionPinLeads(const DrawObject& part);
