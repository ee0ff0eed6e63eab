#pragma once
// The pads of a placed part on the board: the package pads of the part's variant, each with
// its board position. Copper pour, net tracing and thermal-pad alignment walk them alike.

#include "tracelyn/core/board_object.h"

#include <cstdint>
#include <functional>

// One pad of a placed part: the package record and where it lies on the board.
struct PlacedPad {
    const BoardObject* pad = nullptr;   // the package's pad record (kind 13)
    int32_t x = 0;                      // board units
    int32_t y = 0;
    int32_t xSize = 0;                  // the pad's sizes, exchanged on a quarter turn
    int32_t ySize = 0;
};

// Whether a part record names a loaded package whose pad section can be found: what
// ForEachPlacedPad needs to visit its pads.
bool PlacedPartReadable(const BoardObject& part);

// Calls visit for every pad of the part's variant (word 5 bits 0-2; a part without sections
// stores -1 there). Stops early when visit returns false. Nothing for a record that is not a
// resolved part or whose package section cannot be found.
void ForEachPlacedPad(const BoardObject& part, const std::function<bool(const PlacedPad&)>& visit);

// True when the pad shape has a drilled hole through every layer (round, oblong, square
// with hole).
bool IsThroughHolePad(const BoardObject& pad);
