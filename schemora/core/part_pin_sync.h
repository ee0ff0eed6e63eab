#pragma once
// Keeps the part editor's pin table and its drawn terminals in step when records arrive from
// the clipboard.

#include "schemora/core/draw_object.h"
#include "schemora/core/part_pin_table.h"

#include <span>

// Pasted records slots[first..last]: placed parts are dropped; terminals of symbol variant 0
// are numbered on from the table's next number, one number each; in later variants a terminal
// whose number the table knows is linked into its variant's slot. A terminal the full table
// refuses is dropped with the parts. Returns how many records were dropped.
int NumberPastedTerminals(std::span<DrawObject> slots, int first, int last, int partLetter, PartPinTable& pins);
