#pragma once
// A package of a catalogue drawn outside a board: the preview of the board program's Library
// Parts browser and of the schematic program's package picker.

#include "common/pcb/layer_passes.h"
#include "common/pcb/paint_frame.h"
#include "platform/gdi/dc.h"

#include <optional>
#include <string>
#include <string_view>

namespace pcb {

// What a program's previews follow: the folder of its package catalogues (ending in a
// separator), the palette it paints with, its paint settings and colours (the zoom, the fit,
// the raster mode and the object's own flags are the preview's) and its layer rules.
struct PreviewLook {
    std::string folder;
    plat::Palette palette;
    PaintFrame frame;
    LayerRules rules;
};

// Draws the part of the catalogue into a window's client area (dc is a client DC of that
// window), filling at most 70 % of it in each direction, on the background role's colour.
// Returns the part's description (the text of its ';' comment), or nothing when the part could
// not be read (the area is then only filled).
std::optional<std::string> DrawPartPreview(plat::Dc& dc, const plat::Rect& client, const PreviewLook& look,
                                           std::string_view library, std::string_view part);

}  // namespace pcb
