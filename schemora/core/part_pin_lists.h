#pragma once
// The pin lists of the further parts of a multi-part package: a "%pins" text holds, after its
// first word, the pin numbers of one part (B, C, ... in the order of the texts, part A being the
// drawn terminals), item n going to the n-th terminal of the symbol. The part loader reads them
// the same way.

#include "schemora/core/part_pin_table.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct DrawObject;

// The most items one list carries (the loader's pin-number table holds no more).
inline constexpr int kMaxPinListItems = 498;

// Adds one record per item of listText (after its first word) for partLetter: in variant 0 a new
// pin on the item's terminal with that terminal's type, in a later variant the item's terminal is
// linked into the record of that number. Items "?" keep their position and add nothing. Past
// kMaxPinListItems items the rest of the text is ignored with "Too many pins"; a full table
// stops with the same message and false, and no further list should be read.
// slots are the store's slots 0..count.
bool ReadPartPinList(PartPinTable& pins, std::span<const DrawObject> slots, std::string_view listText, int variant,
                     int partLetter);

// The "%pins" texts of parts B to the last of parts, each item the number (and ",name") of the
// part's record on the n-th terminal of variant 0, "?" where that part has none.
std::vector<std::string> PartPinListTexts(const PartPinTable& pins, std::span<const DrawObject> slots, int parts);
