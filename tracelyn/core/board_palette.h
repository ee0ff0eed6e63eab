#pragma once
// The board program's colours: the 32-entry built-in palette, the colour map (logical colour
// 0-31 -> palette entry) and the colour roles (drawing role 1-19 -> logical colour). The map and
// the roles live in g_boardColors (board_settings.h), where the settings load a colour scheme
// into them; this file seeds them at start-up and turns them into the colours the painters
// hand to a device context.

#include "common/logical_palette.h"
#include "platform/gdi/gdi_objects.h"

#include <array>
#include <cstdint>

// Drawing roles (1-based, as the colour scheme numbers them).
enum BoardColorRole : int {
    kRoleBackground = 1,
    kRoleRuler = 3,
    kRoleGrid = 4,
    kRoleText = 5,
    kRoleAllLayers = 6,
    kRoleHighlight = 7,
    kRoleFixedRect = 8,
    kRoleEditorBackground = 9,
    kRoleTopSilk = 11,
    kRoleBottomSilk = 12,
    kRoleNoRoute = 13,
    kRoleOutline = 14,
    kRoleVccPlane = 17,
    kRolePlane = 18,
    kRoleClearance = 19,
};

inline constexpr int kPaletteEntries = 256;
inline constexpr int kPaletteWhite = 7;
inline constexpr int kPaletteBlack = 0;

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
