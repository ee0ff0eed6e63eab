#pragma once
// The font chooser opens on the installed family that draws a program's face and reports a
// face name the program knows back, so that the program finds it in its font table again. The
// faces and families themselves come from the layer's one font table (platform/gdi).

#include <cstdint>
#include <string>
#include <string_view>

namespace plat {

// The installed family for a face; a face the table does not know is its own family.
std::string_view familyForFace(std::string_view face);

// The program's face for a chosen family: preferredFace when that family draws it, else the
// first of the programs' usual faces drawn by it, else the family name itself.
std::string faceForFamily(std::string_view family, std::string_view preferredFace);

// The pitch-and-family and character-set bytes the programs store with a chosen font.
uint8_t pitchAndFamilyOf(std::string_view family, bool fixedPitch);
uint8_t charSetOf(std::string_view face);

}  // namespace plat
