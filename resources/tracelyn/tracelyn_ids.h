#pragma once
// Resource, command, control and timer ids of the board program.

#include "common/editing_command_ids.h"

namespace tly {

enum : unsigned {
    // Resources
    kIdrMainFrame = 128,        // main frame's menu, icon, accelerators, toolbar; string "Tracelyn"
    kIdrBoardType = 129,        // document template: child frames' menu and the document string
    kIdrOutlineMenu = 245,      // the pop-up "Outline" of outline editing

    // Dialogs
    kIddBatchRouterSetup = 146,
    kIddAutoIncrement = 142,
    kIddVariableGrid = 147,
    kIddPolarGrid = 148,
    kIddFillStyle = 154,
    kIddPadSetup = 204,
    kIddStyle = 207,
    kIddPolygonSetup = 220,
    kIddEditSetup = 221,
    kIddFont = 242,
    kIddLibraryParts = 276,

    // Controls

    // Timers
    kTimerStatusAnimation = 185,
    kTimerBackup = 1027,
    kTimerBlinkMarker = 1600,

    // Cursors
    kCursorA = 259,
    kCursorB = 189,
    kCursorC = 188,

    // Icon of the status bar's icon pane when the program is at rest
    kIconReady = 193,

    // Commands
    kCmdLayerView = 130,        // View > Single/2-Layer; its toolbar image shows the mode
    kCmdOneLayer = 1040,
    kCmdLayerPair = 1041,
    kCmdGridFirst = 698,        // View > Grid: 698 to 706
    kCmdGridLast = 706,
    kCmdOutlineInsertLine = 1119,
    kCmdOutlineDeleteVertex = 1121,
    kCmdOutlineCircle = 32881,
    kCmdOutlineRectangle = 32882,
    kCmdOutlineInsertArc = 32890,
    kCmdOutlineReverseArc = 32891,
    kCmdPageUp = 52,            // PgUp: zoom in about the cursor
    kCmdPageDown = 53,          // PgDn: zoom out about the cursor
    kCmdNextLayer = 60,         // keypad +
    kCmdPreviousLayer = 61,     // keypad -
    kCmdZoomIn = 152,           // View > Zoom In
    kCmdZoomOut = 153,          // View > Zoom Out
    kCmdRedraw = 221,           // Edit > Redraw (Esc)
    kCmdWorkAreaFirst = 340,    // Setup > Work Area 340-346
    kCmdScaleFirst = 751,       // View > Scale 751-760
    kCmdLayerFirst = 1000,      // View > Current Layer 1000-1031
    kCmdRegrid = 154,           // Edit > Advanced > Re-grid Objects
    kCmdStatistics = 235,       // Aux > Statistics
    kCmdDesignRules = 241,      // Aux > Check
    kCmdRatsNest = 265,         // Process > Rats Nest Display
    kCmdClearRatsNest = 339,    // Edit > Advanced > Clear Rats Nest
    kCmdLoadNetlist = 32850,    // Process > Load Netlist
    kCmdBatchRoute = 260,       // Process > Batch Route
    kCmdPlacement = 261,        // Process > Placement: starts the placement program
    kStrPlaceFailed = 7008,
    kCmdOptimize = 262,         // Process > Optimize
    kCmdSmooth = 263,           // Process > Smooth
    kCmdRouterStatistics = 269, // F12
    kCmdNeck = 271,             // Process > Neck
    kStrNetlistFilter = 812,

    // Editing
    kCmdCrosshair = 42,         // F10: crosshair and snapping on or off
    kCmdUndo = 216,             // Edit > Undo (Ctrl+Z)
    kCmdSelect = 1309,          // Edit > Select (F9)
    kCmdAutoText = 240,         // Aux > Auto...
    kCmdToolText = 300,
    kCmdToolRectangle = 301,
    kCmdToolTrace = 302,
    kCmdToolRoute = 303,
    kCmdToolEllipse = 304,
    kCmdToolPad = 305,
    kCmdToolFill = 306,
    kCmdToolArc = 307,
    kCmdToolPart = 308,
    kCmdToolPolygon = 309,
    kCmdErase = 1310,
    kCmdRotate = 1311,
    kCmdMirror = 1312,
    kCmdFlip = 1313,
    kCmdOrigin = 1314,
    kCmdMoveToLayer = 187,
    kCmdPadSetup = 466,         // Setup > Pad...
    kCmdSelectAll = 157,        // Edit > Select All (Ctrl+A)
    kCmdToBack = 32822,         // Ctrl+B: the selected object painted first
    kCmdToFront = 66,           // Ctrl+T: the selected object painted last
    kCmdHome = 222,             // Home: the selection to the package origin
    kCmdArrowLeft = 900,        // arrows 900-903 and Enter 904: the cursor by keys
    kCmdArrowEnter = 904,
    kCmdApplyWidth = 318,       // w: the current width to the selection
    kCmdLimit90 = 320,          // Setup > Limit to 90 Degrees
    kCmdRubberBand = 328,       // Setup > Rubberbanding (F6)
    kCmdFont = 392,             // Setup > Font...
    kCmdSelectiveFirst = 710,   // Selective editing 710 to 720
    kCmdSelectiveLast = 720,
    kIdrInsertBar = 228,        // the Insert and Modify toolbars
    kIdrModifyBar = 230,
    kIdwInsertBar = 0xE804,
    kIdwModifyBar = 0xE805,

    // The main frame's toolbars (resource ids, also their ids in the frame) and the combos of
    // the View and Modify toolbars.
    kIdrMainBar = 232,
    kIdrSetupBar = 102,
    kIdrViewBar = 600,
    kComboLayer = 7007,
    kComboScale = 1291,
    kComboGrid = 54,
    kComboStockWidth = 1150,
    kComboSelectiveEdit = 204,

    // Strings
    kStrOutOfStringSpace = 849,
    kStrWorkAreaBase = 845,     // + size letter: "4X4" (910) to "32X32" (916)
};

inline constexpr quill::EditingCommandIds kEditingCommands{.select = kCmdSelect, .erase = kCmdErase, .rotate = kCmdRotate,
                                                           .mirror = kCmdMirror, .flip = kCmdFlip, .origin = kCmdOrigin,
                                                           .undo = kCmdUndo};
inline constexpr quill::CursorKeyIds kCursorKeys{.left = kCmdArrowLeft, .enter = kCmdArrowEnter, .home = kCmdHome};

// Toolbar images of the layer-view button for one layer and for the layer pair.
inline constexpr int kImageOneLayer = 0;
inline constexpr int kImageLayerPair = 5;

// Icons and bitmaps that start-up loads and keeps for the program's lifetime, with the
// program's icon and pointers. A missing icon
// among the first nine is reported as low resources.
inline constexpr unsigned kAppIcons[] = {185, 186, 191, 192, 193, 194, 3415, 190, 197, 245};
inline constexpr int kRequiredAppIcons = 9;
inline constexpr unsigned kAppBitmaps[] = {269, 267, 268, 149, 152, 150, 151, 278, 279, 282, 280, 281, 240};
inline constexpr quill::ProgramImageIds kImageIds{.frameIcons = {kIdrMainFrame, kIdrBoardType}, .icons = kAppIcons,
                                                  .bitmaps = kAppBitmaps,
                                                  .cursors = {.handle = kCursorA, .drag = kCursorB, .crosshair = kCursorC}};

}  // namespace tly

// Registers the program's menus, accelerators, strings, dialogs, toolbars and images.
void registerTracelynResources();
