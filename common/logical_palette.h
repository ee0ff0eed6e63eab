#pragma once
// The 32 logical colours both editors draw with. Entry 15 follows the desktop's button-face
// colour of the moment the palette is built, so dialogs and panes painted in it blend in.

#include <array>
#include <cstdint>

inline constexpr int kLogicalPaletteColors = 32;
inline constexpr int kButtonFaceEntry = 15;

struct LogicalColor {
    uint8_t r, g, b;
};

// The built-in red, green and blue of entries 0 to 31 (entry 15 as it is before the desktop's
// colour replaces it).
extern const std::array<LogicalColor, kLogicalPaletteColors> kBuiltInPalette;

// The 32 entries as start-up builds them: the built-in colours with entry 15 taken from the
// desktop's button face.
std::array<LogicalColor, kLogicalPaletteColors> BuildLogicalPalette();
