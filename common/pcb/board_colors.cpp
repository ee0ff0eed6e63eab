#include "common/pcb/board_colors.h"

#include <vector>

namespace pcb {

void SeedColorMap(BoardColors& colors)
{
    auto& map = colors.colorMap;
    map[0] = 6;
    map[1] = 1;
    map[2] = 4;
    map[3] = 5;
    for (int i = 4; i <= 27; ++i)
        map[static_cast<size_t>(i)] = i + 8;
    // Role, palette entry: in this order, so a later role wins where two share a colour.
    static constexpr int kRoleEntries[][2] = {
        {6, 2}, {1, 7}, {11, 4}, {3, 0}, {4, 0}, {5, 1}, {7, 5}, {15, 0}, {16, 7},
        {13, 7}, {8, 4}, {17, 4}, {18, 1},
    };
    for (const auto& [role, entry] : kRoleEntries) {
        const int color = RoleColor(colors, role);
        if (color >= 0 && color < kLogicalColors)
            map[static_cast<size_t>(color)] = entry;
    }
}

const BoardColors& BuiltInBoardColors()
{
    static const BoardColors colors = [] {
        BoardColors seeded;
        SeedColorMap(seeded);
        return seeded;
    }();
    return colors;
}

int RoleColor(const BoardColors& colors, int role)
{
    if (role < 1 || role > kColorRoleCount)
        return 0;
    return colors.colorRoles[static_cast<size_t>(role - 1)];
}

int ColorMapEntry(const BoardColors& colors, int color)
{
    if (color < 0 || color >= kLogicalColors)
        return colors.colorMap[0];
    return colors.colorMap[static_cast<size_t>(color)];
}

plat::ColorRef LayerColor(int entry, bool trueColor)
{
    if (!trueColor)
        return plat::paletteIndex(entry);
    if (entry < 0 || entry >= kLogicalPaletteColors)
        return plat::rgb(0, 0, 0);
    const LogicalColor& c = kBuiltInPalette[static_cast<size_t>(entry)];
    return plat::rgb(c.r, c.g, c.b);
}

plat::Palette BoardPalette()
{
    // Entries 32 to 255 stay black.
    std::vector<plat::PaletteEntry> entries(kPaletteEntries);
    const auto logical = BuildLogicalPalette();
    for (int i = 0; i < kLogicalPaletteColors; ++i) {
        const LogicalColor& c = logical[static_cast<size_t>(i)];
        entries[static_cast<size_t>(i)] = {c.r, c.g, c.b, 0};
    }
    return plat::Palette(entries);
}

}  // namespace pcb
