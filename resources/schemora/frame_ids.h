#pragma once
// Ids of the schematic main frame's toolbars, combo boxes and frame commands (sheets,
// selective editing, Setup toggles, View > Toolbars, Help).

namespace scm {

enum : unsigned {
    // Toolbars, in the order of the frame's toolbar table
    kIdrMainToolBar = 246,
    kIdrSimulationToolBar = 229,
    kIdrSetupToolBar = 218,
    kIdrViewToolBar = 600,
    kIdrPageToolBar = 262,

    // Combo boxes of the toolbars
    kIdcSelEditCombo = 204,
    kIdcLayerCombo = 9802,
    kIdcScaleCombo = 2241,
    kIdcGridCombo = 100,
    kIdcPageCombo = 74,

    // Sheets
    kCmdPreviousPage = 70,
    kCmdNextPage = 71,
    kCmdNewPage = 72,
    kCmdDeletePage = 73,

    // Selective editing: 710 all, 711 to 721 one kind, 722 arrows, 723 nets
    kCmdSelEditAll = 710,
    kCmdSelEditText = 711,
    kCmdSelEditDots = 712,
    kCmdSelEditNets = 723,

    // Edit and Aux
    kCmdClear = 218,
    kCmdStatistics = 243,
    kCmdFind = 232,
    kCmdPartsBin = 32799,
    // The parts bin window: its template, its menu and its two messages
    kIddPartsBin = 152,
    kIdrPartsBinMenu = 153,
    kStrSelectPartToDelete = 946,
    kStrPartsBinFull = 947,
    kCmdNewLibraryPart = 32913,

    // Setup toggles (328 rubberband is in edit_ids.h)
    kCmdLimitMode = 320,
    kCmdVisibleGrid = 32825,
    kCmdPageBreaks = 32826,
    kCmdHiddenPins = 32831,
    kCmdTerminalEnds = 1073,
    kCmdUnits = 32887,

    // Setup > Colors and its dialog: slot k is swatch 350 + k, palette entry c swatch 2000 + c
    kCmdSetColors = 3394,
    kIddSetColors = 136,
    kIdcColorSlotFirst = 350,
    kIdcColorModeThis = 377,
    kIdcColorModePlanes = 378,
    kIdcColorScheme = 379,
    kIdcColorRgb = 380,
    kIdcPaletteFirst = 2000,

    // View > Toolbars
    kCmdDefaultToolBars = 32900,
    kCmdToolBarFirst = 32901,   // 32901 Main ... 32907 Page, in table order

    // Help
    kCmdTipOfTheDay = 32880,
    kCmdWebsite = 32883,
    kCmdContextHelp = 57669,

    // Strings
    kStrClearSchematic = 7031,
};

}  // namespace scm
