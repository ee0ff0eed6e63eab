#include "tracelyn/core/board_palette.h"

#include "platform/core/ui_host.h"
#include "tracelyn/core/board_settings.h"

#include <vector>

BoardPaletteState g_boardPalette;

namespace {

// The map as it was before a black-and-white print job changed it.
std::array<int32_t, kLogicalColors> g_savedColorMap{};

}  // namespace

void BuildBoardPalette()
{
    // Entries 32 to 255 stay black.
    std::vector<plat::PaletteEntry> entries(kPaletteEntries);
    const auto logical = BuildLogicalPalette();
    for (int i = 0; i < kLogicalPaletteColors; ++i) {
        const LogicalColor& c = logical[static_cast<size_t>(i)];
        entries[static_cast<size_t>(i)] = {c.r, c.g, c.b, 0};
    }
    g_boardPalette.palette = plat::Palette(entries);
}

void SeedColorMap()
{
    auto& map = g_boardColors.colorMap;
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
        const int color = RoleColor(role);
        if (color >= 0 && color < kLogicalColors)
            map[static_cast<size_t>(color)] = entry;
    }
}

int RoleColor(int role)
{
    if (role < 1 || role > kColorRoleCount)
        return 0;
    return g_boardColors.colorRoles[static_cast<size_t>(role - 1)];
}

int ColorMapEntry(int color)
{
    if (color < 0 || color >= kLogicalColors)
        return g_boardColors.colorMap[0];
    return g_boardColors.colorMap[static_cast<size_t>(color)];
}

plat::ColorRef GetLayerColor(int entry)
{
    if (!g_boardPalette.trueColor)
        return plat::paletteIndex(entry);
    if (entry < 0 || entry >= kLogicalPaletteColors)
        return plat::rgb(0, 0, 0);
    const LogicalColor& c = kBuiltInPalette[static_cast<size_t>(entry)];
    return plat::rgb(c.r, c.g, c.b);
}

void BeginPrintingColors(bool colorPrinting, bool negative)
{
    if (colorPrinting)
        return;
    g_savedColorMap = g_boardColors.colorMap;
    g_boardColors.colorMap.fill(negative ? kPaletteWhite : kPaletteBlack);
    const int background = RoleColor(kRoleBackground);
    if (background >= 0 && background < kLogicalColors)
        g_boardColors.colorMap[static_cast<size_t>(background)] = negative ? kPaletteBlack : kPaletteWhite;
}

void EndPrintingColors(bool colorPrinting)
{
    if (!colorPrinting)
        g_boardColors.colorMap = g_savedColorMap;
}
