#pragma once
// A package of a catalogue drawn outside the board: the library browser's preview, drawn by the
// preview routine the schematic program's package picker shares (common/pcb).

#include "platform/gdi/dc.h"

#include <optional>
#include <string>
#include <string_view>

// Draws the part of the catalogue of the package folder into a window's client area (dc is a
// client DC of that window), filling at most 70 % of it in each direction, in the view's
// colours and layer settings.
// Returns the part's description (the text of its ';' comment), or nothing when the part could
// not be read (the area is then only filled).
std::optional<std::string> DrawPartPreview(plat::Dc& dc, const plat::Rect& client, std::string_view library,
                                           std::string_view part);
