#pragma once
// Align Thermal Pads: every thermal pad (a pad of shape 8 on a plane) that lies within the
// capture threshold of a drilled pad moves onto it and takes its hole and size.

#include <cstdint>
#include <string_view>

// The threshold typed in mils, as board units: a decimal number of at most 20 characters,
// held to 0..100,000 mils; text that is not a number reads as 0.
int32_t ThermalThresholdFromText(std::string_view text);

// Scans the board in index order (the pads of parts, and board pads with a hole of 2 or more)
// and returns how many thermal pads it moved.
int AlignAllThermalPads(int32_t threshold);

// Moves the first thermal pad closer than threshold on both axes to (x, y) onto it; 1 when one
// moved.
int SnapThermalPad(int32_t threshold, int32_t x, int32_t y, int32_t hole, int32_t xSize, int32_t ySize);
