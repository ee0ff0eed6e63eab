#include "common/pcb/board_colors.h"

#include <vector>

namespace pcb {

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
