#pragma once
// Resource, command, control and timer ids of the board program.

namespace tly {

enum : unsigned {
    // Resources
    kIdrMainFrame = 128,        // main frame's menu, icon, accelerators, toolbar; string "Tracelyn"
    kIdrBoardType = 129,        // document template: child frames' menu and the document string
    kIdrOutlineMenu = 245,      // the pop-up "Outline" of outline editing

    // Dialogs
    kIddBatchRouterSetup = 146,

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
    kCmdOptimize = 262,         // Process > Optimize
    kCmdSmooth = 263,           // Process > Smooth
    kCmdRouterStatistics = 269, // F12
    kCmdNeck = 271,             // Process > Neck
    kCmdRoutePadToPad = 303,    // the pad-to-pad router tool (F3)
    kStrNetlistFilter = 812,

    // Strings
    kStrOutOfStringSpace = 849,
    kStrWorkAreaBase = 845,     // + size letter: "4X4" (910) to "32X32" (916)
};

// Toolbar images of the layer-view button for one layer and for the layer pair.
inline constexpr int kImageOneLayer = 0;
inline constexpr int kImageLayerPair = 5;

// Icons and bitmaps that start-up loads and keeps for the program's lifetime. A missing icon
// among the first nine is reported as low resources.
inline constexpr unsigned kAppIcons[] = {185, 186, 191, 192, 193, 194, 3415, 190, 197, 245};
inline constexpr int kRequiredAppIcons = 9;
inline constexpr unsigned kAppBitmaps[] = {269, 267, 268, 149, 152, 150, 151, 278, 279, 282, 280, 281, 240};

}  // namespace tly

// Registers the program's menus, accelerators, strings, dialogs, toolbars and images.
void registerTracelynResources();
