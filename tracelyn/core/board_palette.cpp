#include "tracelyn/core/board_palette.h"

#include "platform/core/ui_host.h"
#include "tracelyn/core/board_settings.h"


BoardPaletteState g_boardPalette;

namespace {

// The map as it was before a black-and-white print job changed it.
std::array<int32_t, kLogicalColors> g_savedColorMap{};

}  // namespace

void BuildBoardPalette()
{
    g_boardPalette.palette = pcb::BoardPalette();
}

void SeedColorMap()
{
    pcb::SeedColorMap(g_boardColors);
}

int RoleColor(int role)
{
    return pcb::RoleColor(g_boardColors, role);
}

int ColorMapEntry(int color)
{
    return pcb::ColorMapEntry(g_boardColors, color);
}

plat::ColorRef GetLayerColor(int entry)
{
    return pcb::LayerColor(entry, g_boardPalette.trueColor);
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
