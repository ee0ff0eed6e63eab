#pragma once
// The one table from the face names the programs ask for to the fonts installed here: the
// metric-compatible Liberation faces where one exists, DejaVu otherwise.

#include <cstdint>
#include <string_view>

namespace plat {

// The installed family that draws `face`. A face the table does not know gives an empty view;
// the drawing code then uses the face itself when it is installed, else fallbackFamily().
std::string_view substituteFamily(std::string_view face);

// The DejaVu family for a face that is neither in the table nor installed, chosen by the
// pitch-and-family byte (fixed pitch or "modern" gives the mono face, "roman" the serif one).
std::string_view fallbackFamily(uint8_t pitchAndFamily);

}  // namespace plat
