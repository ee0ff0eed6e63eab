#pragma once
// Ids of the manufacturing output commands, dialogs and controls.

namespace tly {

enum : unsigned {
    // Commands
    kCmdGenerateManufacturing = 32772,  // File > Generate Manufacturing Files...
    kCmdImportGerber = 32774,           // File > Import > Gerber...
    kCmdImportDxf = 32775,              // File > Import > AutoCAD (DXF)...
    kCmdViewDcodes = 150,               // View > View DCODES...

    // Dialogs
    kIddDcodes = 130,                   // "Imported DCODES"
    kIddManufacturing = 143,            // "Manufacturing File Generation"
    kIddSelectLayer = 227,              // "Select Layer"

    // Manufacturing File Generation: one check box per layer, 1000 + layer
    kIdcLayerCheckFirst = 1000,
    kIdcLayerCheckLast = 1032,
    kIdcDrillFile = 1097,
    kIdcClearSettings = 218,

    // Imported DCODES
    kIdcDcodeList = 1000,
    kIdcDcodeEdit = 401,
    kIdcDcodeUpdate = 1072,

    // Select Layer
    kIdcLayerCombo = 1091,

    // Strings
    kStrCantOpenFile = 4076,            // "Can't open file: %1"
};

}  // namespace tly
