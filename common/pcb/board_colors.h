#pragma once
// The board program's colours: the 32-entry built-in palette, the colour map (logical colour
// 0-31 -> palette entry) and the colour roles (drawing role 1-19 -> logical colour), and the
// colours the painters hand to a device context. The board program keeps one set that its
// settings load a colour scheme into; the schematic program's package preview uses the
// built-in set.

#include "common/logical_palette.h"
#include "platform/gdi/gdi_objects.h"

#include <array>
#include <cstdint>

namespace pcb {

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

// The 32 logical colours' palette entries and the 19 colour roles (logical colour of each
// drawing role).
inline constexpr int kLogicalColors = 32;
inline constexpr int kColorRoleCount = 19;
struct BoardColors {
    std::array<int32_t, kLogicalColors> colorMap{};
    std::array<int32_t, kColorRoleCount> colorRoles{26, 1, 23, 22, 21, 24, 25, 28, 29, 30,
                                                    16, 17, 27, 31, 29, 30, 18, 19, 20};
};

// The logical colour (0-31) of a drawing role 1-19; an unknown role gives colour 0.
constexpr int RoleColor(const BoardColors& colors, int role)
{
    if (role < 1 || role > kColorRoleCount)
        return 0;
    return colors.colorRoles[static_cast<size_t>(role - 1)];
}

// The built-in seeding of the colour map from the roles: 0-3 take 6, 1, 4, 5; 4-27 their own
// number + 8; then the logical colour of each of a list of roles is given its fixed palette
// entry.
constexpr void SeedColorMap(BoardColors& colors)
{
    auto& map = colors.colorMap;
    map[0] = 6;
    map[1] = 1;
    map[2] = 4;
    map[3] = 5;
    for (int i = 4; i <= 27; ++i)
        map[static_cast<size_t>(i)] = i + 8;
    // Role, palette entry: in this order, so a later role wins where two share a colour.
    constexpr int kRoleEntries[][2] = {
        {6, 2}, {1, 7}, {11, 4}, {3, 0}, {4, 0}, {5, 1}, {7, 5}, {15, 0}, {16, 7},
        {13, 7}, {8, 4}, {17, 4}, {18, 1},
    };
    for (const auto& [role, entry] : kRoleEntries) {
        const int color = RoleColor(colors, role);
        if (color >= 0 && color < kLogicalColors)
            map[static_cast<size_t>(color)] = entry;
    }
}

// The built-in roles with the seeded map.
inline constexpr BoardColors kBuiltInBoardColors = [] {
    BoardColors seeded;
    SeedColorMap(seeded);
    return seeded;
}();
// The palette entry of a logical colour; a number outside 0-31 is taken as colour 0.
constexpr int ColorMapEntry(const BoardColors& colors, int color)
{
    if (color < 0 || color >= kLogicalColors)
        return colors.colorMap[0];
    return colors.colorMap[static_cast<size_t>(color)];
}
// The colour handed to the device for a palette entry: PALETTEINDEX(entry), or the built-in
// RGB value in true-colour mode.
plat::ColorRef LayerColor(int entry, bool trueColor);

// The 256-entry palette the board painters select: entries 0-31 from the built-in table with
// entry 15 taken from the desktop's button face at the time of the call, the rest black.
plat::Palette BoardPalette();

}  // namespace pcb
