#pragma once
// Dialogs and controls of the board program's package library and part dialogs.

namespace tly {

enum : unsigned {
    // Save Library Part (157) and Copy Library Parts (163)
    kIddSaveLibraryPart = 157,
    kIddCopyLibraryPart = 163,
    kIdcSavePartName = 408,
    kIdcSaveLibraryName = 308,
    kIdcCopyDestination = 1013,
    kIdcCopyStatus = 1075,

    // Edit Part (153)
    kIddEditPart = 153,
    kIdcEditPrefix = 100,
    kIdcEditNumber = 101,
    kIdcEditValue = 107,
    kIdcEditFile = 106,
    kIdcEditExpand = 113,
    kIdcEditLayer1 = 111,
    kIdcEditLayer2 = 112,
    kIdcEditRotation = 469,
    kIdcEditMirrored = 1312,
    kIdcEditFix = 114,
    kIdcEditHide = 115,
    kIdcEditSilkTop = 116,
    kIdcEditSilkBottom = 117,
    kIdcEditInformation = 242,
    kIdcEditReset = 1062,
    kIdcEditChange = 1315,

    // Change Package Type (217)
    kIddChangePackage = 217,
    kIdcPackageName = 106,
    kIdcPackageBrowse = 1034,

    // New Designator Type (223)
    kIddNewDesignator = 223,
    kIdcDesignatorType = 230,
};

}  // namespace tly
