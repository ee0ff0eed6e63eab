#pragma once
// Ids of the copper commands: the flood fill and its dialog, copper islands, thermal pads.

namespace tly {

enum : unsigned {
    // Dialogs
    kIddFloodFill = 254,            // "Flood fill"
    kIddAlignThermalPads = 260,     // "Align Thermal Pads"

    // Flood fill
    kIdcFillGridSize = 324,
    kIdcFillMask = 1001,
    kIdcMinimizeFloating = 1158,
    kIdcRemoveEnclosing = 1159,
    kIdcFillHelp = 1161,
    kHelpFloodFill = 65842,

    // Align Thermal Pads
    kIdcThermalThreshold = 1031,

    // Commands
    kCmdRemoveCopperIslands = 32892,   // Edit > Advanced > Remove Copper Islands
    kCmdAlignThermalPads = 32893,      // Edit > Advanced > Align Thermal Pads
};

}  // namespace tly
