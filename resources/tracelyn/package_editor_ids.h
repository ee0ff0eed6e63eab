#pragma once
// Ids of the package editor, its Package Design Wizard and their dialogs.

namespace tly {

enum : unsigned {
    // The editor: dialog, and menu, accelerators and toolbar of one id.
    kIddPackageEditor = 101,
    kIdrPackageEditor = 241,
    kIdcEditorDrawingArea = 1048,
    kIdcEditorLayerTab = 1147,
    kIdcEditorVScroll = 1180,
    kIdcEditorHScroll = 1182,
    kIdcEditorDesignator = 471,
    kIdcEditorComment = 1098,
    kIdcEditorEdgeCard = 1099,
    kIdcEditorScale = 127,
    kIdcEditorGrid = 324,
    kIdcEditorOriginNote = 1105,
    kIdcEditorWizard = 1109,
    kIdcEditorStatus0 = 1075,
    kIdcEditorStatus1 = 1112,
    kIdcEditorHelp = 1113,

    // Editor commands that the board frame does not have.
    kCmdCloseEditor = 32824,
    kCmdSavePart = 32877,
    kCmdNewPart = 32888,
    kCmdPackageWizard = 32874,   // the board frame's "Start new library part"

    // Package Design Wizard pages.
    kIddWizardType = 237,
    kIddWizardLabels = 238,
    kIddWizardOutput = 239,
    kIdcWizardPicture = 1180,
    kIdcWizardDescription = 1182,
    kIdcWizardPadsX = 1110,
    kIdcWizardPadsY = 1108,
    kIdcWizardSpacing = 1107,
    kIdcWizardXSeparation = 1012,
    kIdcWizardYSeparation = 1013,
    kIdcWizardDimensions = 1102,
    kIdcWizardThroughHole = 1065,
    kIdcWizardSurfaceMount = 1066,
    kIdcWizardMetric = 32823,
    kIdcWizardTypeFirst = 1094,  // package types 1094 to 1101 (1096 and 1098 unused)
    kIdcWizardTypeLast = 1101,
    kIdcWizardDoubleSided = 1183,
    kIdcWizardDesignator = 476,
    kIdcWizardPartDescription = 1103,
    kIdcWizardPartName = 1077,
    kIdcWizardSaveDirectly = 1109,
    kIdcWizardEditFirst = 1110,

    // Selective Editing (Library Editor) and the library Pad Setup.
    kIddLibSelectiveEdit = 246,
    kIdcSelectAllObjects = 710,
    kIdcSelectNoObjects = 1111,
    kIddLibPadSetup = 285,
    kIdcLibPadDimensions = 1102,
    kIdcLibPadHole = 1103,
    kIdcLibPadPin = 1031,

    // Strings
    kStrPackageCreated = 1316,
    kStrPackageDescriptionFirst = 1317,   // 1317 to 1322, one per package type
    kStrAdjustingX = 3427,
    kStrAdjustingY = 3428,
    kStrSpacingTooSmall = 3429,
    kStrTooManyPins = 3430,
    kStrTooManyCircularPins = 3431,
    kStrInsufficientPadSpacing = 3432,
    kStrXSeparationTooLarge = 3433,
    kStrYSeparationTooLarge = 3434,
    kStrGridRowsTooMany = 3435,
};

}  // namespace tly
