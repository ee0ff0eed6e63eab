#pragma once
// Ids of the library part wizard: its four pages, their controls, its strings and the main
// frame's command that starts a new part with it.

namespace scm {

enum : unsigned {
    kCmdPartWizard = 32909,

    // Page 1: symbol type
    kIddWizardType = 256,
    kIdcWizBlock = 1094,
    kIdcWizGate = 1095,
    kIdcWizAmplifier = 1096,
    kIdcWizDiscrete = 1100,
    kIdcWizGateList = 404,
    kIdcWizPicture = 1048,
    kIdcWizTypeText = 1145,

    // Page 2: part information
    kIddWizardInfo = 258,
    kIdcWizPins = 1106,
    kIdcWizPinsLabel = 1105,     // hidden with the pins edit
    kIdcWizDesignator = 476,
    kIdcWizDescription = 1124,
    kIdcWizPackage = 1028,
    kIdcWizBrowsePackage = 1029,
    kIdcWizName = 1077,

    // Page 3: pin table, four rows
    kIddWizardPins = 259,
    kIdcWizScroll = 1091,
    kIdcWizPinFirst = 1132,      // 1132 to 1135
    kIdcWizLabelFirst = 1128,    // 1128 to 1131
    kIdcWizTypeFirst = 1037,     // 1037 to 1040
    kIdcWizSideRow0 = 1141,      // then 1042, 1043, 1044
    kIdcWizSideRow1 = 1042,
    kIdcWizSortNames = 1073,
    kIdcWizLoadPins = 1084,
    kIdcWizSavePins = 1092,

    // Page 4: output
    kIddWizardOutput = 261,
    kIdcWizSaveToLibrary = 1093,
    kIdcWizEditFirst = 1094,

    // Strings
    kStrPinDescriptionFilter = 816,
    kStrBlockText = 5002,        // 5002 to 5005 by symbol type
    kStrPartCreated = 5007,
};

inline constexpr int kWizardRows = 4;

}  // namespace scm
