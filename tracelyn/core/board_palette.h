#pragma once
// The board program's colours: the palette it builds once, and its colour map and roles
// (g_boardColors, board_settings.h), where the settings load a colour scheme into them; this
// file seeds them at start-up and turns them into the colours the painters hand to a device
// context. The colours themselves are common/pcb's, which the schematic program's package
// preview shares.

#include "common/pcb/board_colors.h"
#include "platform/gdi/gdi_objects.h"

#include <array>
#include <cstdint>

using pcb::BoardColorRole;
using enum pcb::BoardColorRole;
using pcb::kPaletteEntries;
using pcb::kPaletteWhite;
using pcb::kPaletteBlack;

// The palette every board painter selects. Built once by BuildBoardPalette; whether colours go
// to the device as palette indexes or as the built-in RGB values (trueColor).
struct BoardPaletteState {
    plat::Palette palette;
    bool trueColor = false;
};
extern BoardPaletteState g_boardPalette;

// Builds the 256-entry palette: entries 0-31 from the built-in table with entry 15 taken from
// the desktop's button face at the time of the call, the rest black.
void BuildBoardPalette();

// Start-up seeding of the colour map from the built-in roles (before the settings are read):
// 0-3 take 6, 1, 4, 5; 4-27 their own number + 8; then the logical colour of each of a list of
// roles is given its fixed palette entry.
void SeedColorMap();

// The logical colour (0-31) of a drawing role 1-19; an unknown role gives colour 0.
int RoleColor(int role);
// The palette entry of a logical colour; a number outside 0-31 is taken as colour 0.
int ColorMapEntry(int color);
// The colour handed to the device for a palette entry: PALETTEINDEX(entry), or the built-in
// RGB value in true-colour mode.
plat::ColorRef GetLayerColor(int entry);

// Printing in black and white swaps the colour map for the time of the job: every logical
// colour becomes black on white paper (white on black for negative printing), the background
// the other. EndPrintingColors puts the saved map back.
void BeginPrintingColors(bool colorPrinting, bool negative);
void EndPrintingColors(bool colorPrinting);
