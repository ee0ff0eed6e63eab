#pragma once
// Resource, command, string and timer ids of the schematic program.

#include "common/editing_command_ids.h"

namespace scm {

enum : unsigned {
    // Resources
    kIdrMainFrame = 128,        // main frame's menu, icon, accelerators; string "Schemora"
    kIdrDrawingType = 129,      // document template: child frames' menu and the document string

    // Dialogs
    kIddNetlist = 102,

    // Controls

    kIdcNetlistDesignName = 10,
    kIdcNetlistPinDesignators = 12,
    kIdcNetlistBasicFormat = 13,
    kIdcNetlistDigital = 14,
    kIdcNetlistSpice = 15,
    kIdcNetlistThisSheet = 1095,
    kIdcNetlistAllSheets = 1096,

    // Timers
    kTimerStatusAnimation = 185,
    kTimerBackup = 1027,
    kTimerBlinkMarker = 1600,

    // Cursors
    kCursorA = 179,
    kCursorView = 187,
    kCursorB = 189,

    // Icons of the status bar
    kIconReady = 193,
    kIconActivityA = 196,
    kIconActivityB = 191,

    // Toolbars
    kIdrDrawToolBar = 242,      // the Insert toolbar

    // Commands
    kCmdPlaceDot = 308,         // "Draw connector dot (C)"
    kCmdHelpContents = 800,
    kCmdDesignRules = 7011,
    kCmdZoomIn = 52,            // View > Zoom In (PgUp)
    kCmdZoomOut = 53,           // View > Zoom Out (PgDn)
    kCmdCenter = 215,           // View > Center (F4)
    kCmdDrawToFit = 5001,
    kCmdSizeA = 340,            // View > Sheet Size: "Size A" ... "Size E" (340-344)
    kCmdGridFirst = 700,        // View > Grid: 700-703
    kCmdLayerFirst = 380,       // View > Layers: 380-384
    kCmdScaleFirst = 3720,      // View > Scale: 3720-3726
    kCmdNetlist = 32910,

    // Strings
    kStrOutOfStringSpace = 849,
};

// Longest design name the netlist dialog takes.
inline constexpr int kNetlistNameChars = 200;

// Icons and bitmaps that start-up loads and keeps for the program's lifetime, with the
// program's icon and pointers.
inline constexpr unsigned kToolIcons[] = {233, 234, 269, 240, 185, 186, 193, 194, 188, 189, 190, 198, 191, 196};
inline constexpr unsigned kToolBitmaps[] = {222, 271, 272, 270, 273};
inline constexpr quill::ProgramImageIds kImageIds{.frameIcons = {kIdrMainFrame, kIdrDrawingType}, .icons = kToolIcons,
                                                  .bitmaps = kToolBitmaps,
                                                  .cursors = {.handle = kCursorA, .drag = kCursorB, .crosshair = kCursorView}};

}  // namespace scm

// Registers the program's menus, accelerators, strings, dialogs, toolbars and images.
void registerSchemoraResources();
