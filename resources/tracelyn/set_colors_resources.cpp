#include "resources/tracelyn/set_colors_resources.h"

#include "resources/tracelyn/frame_ids.h"

namespace tly {

SetColorsIds BoardSetColorsIds()
{
    return {.templateId = kIddSetColors,
            .firstSlotId = kIdcColorSlotFirst,
            .firstPaletteId = kIdcPaletteFirst,
            .schemeComboId = kIdcColorScheme};
}

plat::DialogTemplate BoardSetColorsTemplate()
{
    static constexpr const char* kSlotLabels[] = {
        "Top",       "L1",          "L2",        "L3",        "L4",           "L5",   "L6",   "L7",
        "L8",        "L9",          "L10",       "L11",       "L12",          "L13",  "L14",  "L15",
        "Top silk",  "Bottom silk", "VCC layer", "GND/Power", "Solder/Paste", "Text", "Grid", "Rulers",
        "All layers", "Edit",       "Screen",    "No routes", "DRC marks",    "Parts Bin", "Net name", "Outline"};
    return BuildSetColorsTemplate(BoardSetColorsIds(),
                                  {.title = "Set Colors", .slotLabels = kSlotLabels, .schemeLabel = "Scheme:", .modeLabels = {}, .rgbId = kIdcColorRgb});
}

}  // namespace tly
