#pragma once
// Commands, dialogs and controls of Schemora's part dialogs: the build utility, Edit Part and
// the model and package pickers it runs.

namespace scm {

enum : unsigned {
    // Utilities > BUILD Utility (template 157)
    kCmdBuildUtility = 7012,
    kIddBuildPart = 157,
    kIdcBuildFiles = 765,
    kIdcBuildFile = 762,
    kIdcBuildFolder = 761,
    kIdcBuildEdit = 764,
    kIdcBuildHelp = 33,
    kHelpBuildPart = 65852,

    // Edit Part (template 141)
    kIddEditPart = 141,
    kIdcPartPrefix = 100,
    kIdcPartNumber = 101,
    kIdcPartThruHole = 102,
    kIdcPartSurface = 103,
    kIdcPartAlignBelow = 104,
    kIdcPartHide = 105,
    kIdcPartSymbolFile = 106,
    kIdcPartValue = 107,
    kIdcPartOf = 108,
    kIdcPartInstance = 109,
    kIdcPartPackage = 111,
    kIdcPartRotation = 119,
    kIdcPartFix = 120,
    kIdcPartSymbolFirst = 121,   // "1 (Normal)" to "4": 121 to 124
    kIdcPartSymbolLast = 124,
    kIdcPartExpand = 131,
    kIdcPartDefaultPackage = 132,
    kIdcPartUserPackage = 133,
    kIdcPartMirror = 317,
    kIdcPartBrowse = 1029,
    kIdcPartReset = 1032,
    kIdcPartSimKind = 1035,
    kIdcPartModelFile = 1115,
    kIdcPartFindModel = 1116,

    // Semiconductor Models (181) and Tracelyn Packages (182)
    kIddSemiconModels = 181,
    kIddBoardPackages = 182,
    kIdcPickerList = 404,
    kIdcPickerLibraries = 405,
    kIdcPickerPreview = 406,
    kIdcPickerDescription = 242,
    kIdcModelStatus = 1115,
};

}  // namespace scm
