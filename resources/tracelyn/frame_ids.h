#pragma once
#include "resources/tracelyn/board_search_ids.h"

// Ids of the main frame's own commands: Setup toggles, View > Toolbars, Help, the tool keys,
// and the menu items whose commands the frame names (Find, Replace, the alignments and the
// Edit > Advanced commands have theirs beside their handlers).

namespace tly {

enum : unsigned {
    // Setup toggles and the units switch (U).
    kCmdSnapGridVisible = 377,
    kCmdPageBreaks = 378,
    kCmdPinNumbers = 517,
    kCmdTopSilk = 32884,
    kCmdBottomSilk = 32885,
    kCmdPadSnap = 32887,
    kCmdUnits = 32823,

    // View > Toolbars: one per bar in the frame's table order, then the start layout.
    kCmdToolbarFirst = 3420,
    kCmdToolbarLast = 3424,
    kCmdDefaultToolbars = 32910,

    // Help.
    kCmdHelpContents = 800,
    kCmdTipOfTheDay = 32880,
    kCmdWebsite = 32883,

    // Keys that choose a tool without its style dialog: pad, trace, arc, ellipse, rectangle,
    // text, route.
    kCmdKeyToolFirst = 32900,
    kCmdKeyToolLast = 32906,

    // Menu items of the frame's other commands.
    kCmdGeneralSetup = 114,
    kCmdLayerSetup = 1050,
    kCmdSelectiveSetup = 126,
    kCmdColors = 394,
    kCmdResources = 242,
    kCmdPrintoutSettings = 32800,
    kCmdCopyLibraryParts = 32793,
    kCmdNewPackagePart = 32876,
    kCmdPartsBin = 999,
    // The parts bin window: its template, its menu and its two messages
    kIddPartsBin = 155,
    kIdrPartsBinMenu = 155,
    kStrSelectPartToDelete = 806,
    kStrPartsBinFull = 807,

    // The Set Colors dialog: slot k is swatch 2360 + k, palette entry c swatch 2000 + c.
    kIddSetColors = 140,
    kIdcColorSlotFirst = 2360,
    kIdcColorScheme = 2392,
    kIdcColorRgb = 2393,
    kIdcPaletteFirst = 2000,
};

}  // namespace tly
