#pragma once
// Command, dialog, control and string ids of Find, Replace Text, Ref No, and the Advanced
// editing commands (Scale, Re-Grid, the alignments).

namespace scm {

enum : unsigned {
    kCmdFind = 232,             // Aux > Find...
    kCmdReplaceText = 233,      // Aux > Replace Text...
    kCmdRefNo = 230,            // Aux > Ref No...
    kCmdReGrid = 32804,         // Edit > Advanced > Re-Grid
    kCmdAlignToCenter = 32892,  // N
    kCmdAlignWithEdge = 32893,  // V
    kCmdAlignOnLine = 32894,    // H

    kIddFind = 146,
    kIdcFindText = 480,
    kIdcFindReference = 481,
    kIdcFindPlainText = 482,
    kIddFindContinue = 147,
    kIddReplaceText = 148,
    kIddRefDes = 149,
    kIdcRefDesType = 471,
    kIdcRefDesStart = 472,
    kIdcRefDesThisSheet = 1095,
    kIdcRefDesAllSheets = 1096,
    kIddScale = 162,

    kCmdCheckSchematic = 241,   // Aux > Check Schematic...
    kIddCheckSchematic = 138,
    kIdcCheckUnattachedText = 300,
    kIdcCheckUnattachedTerminals = 121,
    kIdcCheckOverlappedLines = 122,
    kIdcCheckSnapToGrid = 326,
    kIdcCheckSaveResults = 1096,
    kIdcCheckNote = 1047,
    kStrCheckNote = 132,
    kStrDiskError = 851,
    kStrNoLibraryParts = 916,

    kStrReferenceNotFound = 885,
    kStrTextNotFound = 886,
    kStrSearchComplete = 900,
    kStrReGridQuestion = 7032,
};

}  // namespace scm
