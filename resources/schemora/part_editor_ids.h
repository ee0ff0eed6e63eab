#pragma once
// Ids of the library part editor window: its template, menu, accelerators and toolbar, its
// controls and its own commands.

namespace scm {

enum : unsigned {
    kIddPartEditor = 101,           // "Library Part Editor"
    kIdrPartEditorMenu = 264,       // menu and accelerator table
    kIdrPartEditorToolBar = 266,

    // Controls
    kIdcEditorStatus0 = 1047,
    kIdcEditorStatus1 = 1112,
    kIdcEditorOriginNote = 1107,
    kIdcEditorPartsLabel = 1177,     // "Number of Parts:", shown with Advanced
    kIdcEditorPartLabel = 1178,      // "Part:", shown with Advanced
    kIdcEditorSymbolsLabel = 1184,   // "Number of symbols:", shown with Advanced
    kIdcEditorArea = 1048,
    kIdcEditorTabs = 1147,
    kIdcEditorVScroll = 1180,
    kIdcEditorHScroll = 1182,
    kIdcEditorReference = 471,
    kIdcEditorComments = 1098,
    kIdcEditorPartsPerPackage = 1162,
    kIdcEditorPartLetter = 1163,
    kIdcEditorAdvanced = 1174,
    kIdcEditorSymbolCount = 1183,
    kIdcEditorHiddenPins = 520,
    kIdcEditorPackage = 1028,
    kIdcEditorFindPackage = 1029,
    kIdcEditorZoom = 224,
    kIdcEditorGrid = 324,
    kIdcEditorPartWizard = 1110,
    kIdcEditorHelp = 33,            // "Help": the editor's help topic
    kHelpPartEditor = 65861,

    // "Edit Hidden Power Pins"
    kIddHiddenPins = 270,
    kIdcPinList = 1126,
    kIdcPinType = 1035,
    kIdcNewPinNumber = 1106,
    kIdcInsertPin = 1102,
    kIdcDeletePin = 408,

    // "Terminal Information"
    kIddTerminalInfo = 291,
    kIdcTerminalPinNumber = 1126,
    kIdcTerminalPinType = 1035,
    kIdcTerminalLabel = 1127,

    // "Selective Editing (Library Parts)": check boxes 711-721, "All Objects" 710
    kIddLibSelectiveEdit = 272,
    kIdcSelEditNone = 1111,

    // Commands
    kCmdEditorClose = 32919,        // File > Close Part Editor
    kCmdEditorSavePart = 1092,      // File > Save Part
    kCmdEditorNewPart = 996,        // File > New Part
    kCmdEditorReGrid = 32804,       // Edit > Re-Grid
    kCmdEditorTextTool = 32929,     // "Enter text (T)"
    kCmdEditorTerminalTool = 32915, // "Draw terminal (J)"
    kCmdEditorDrawToFit = 313,
    kCmdEditorZoomIn = 152,         // PgUp
    kCmdEditorZoomOut = 153,        // PgDn
    kCmdEditorSelectiveEditing = 144,
    kCmdEditorGeneralSetup = 3397,
    kCmdEditorToolKeyFirst = 780,   // 780-788: K, L, E, R, T, Y
    kCmdEditorToolKeyLast = 788,
};

// What the package and comment fields of the editor keep of a text.
inline constexpr int kEditorPackageChars = 60;
inline constexpr int kEditorCommentChars = 120;

}  // namespace scm
