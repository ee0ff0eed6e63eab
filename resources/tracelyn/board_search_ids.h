#pragma once
// Command, dialog, control and string ids of the board's Find and Replace, scaling and
// alignment, and the Edit > Advanced and Aux commands that go with them.

namespace tly {

enum : unsigned {
    kCmdFind = 232,                 // Aux > Find... (Ctrl+F)
    kCmdReplace = 233,              // Aux > Replace... (Ctrl+H)
    kCmdScaleSelection = 127,       // Alt+S
    kCmdAlignWithEdge = 32843,      // V
    kCmdAlignToCenter = 32844,      // N
    kCmdAlignOnLine = 32845,        // H

    kIddSearch = 150,
    kIdcSearchText = 300,
    kIdcSearchReference = 1080,
    kIdcSearchPlainText = 1081,
    kIdcSearchDrcMark = 1082,
    kIdcSearchNetName = 1083,
    kIdcSearchHiddenVia = 1084,
    kIddSearchContinue = 164,
    kIddReplaceText = 151,
    kIddScaleSelection = 173,

    kCmdClearDrcMarks = 316,        // Edit > Advanced > Clear DRC Marks
    kCmdGoto = 32806,               // Edit > Advanced > Goto... (Ctrl+G)
    kCmdCutTrace = 32827,           // Edit > Advanced > Cut Trace (F7)
    kCmdSnapTextToPad = 32819,      // Edit > Advanced > Snap Text To Pad...
    kCmdSetReadoutOrigin = 62,      // o and O
    kCmdRefNo = 230,                // Aux > Ref No...
    kCmdBackAnnotate = 337,         // Aux > Back Annotate... (F11)
    kCmdArtworkNetlist = 871,       // Utilities > Netlist
    kCmdCompareNets = 32795,        // Utilities > Compare Nets

    kIddGoto = 184,
    kIdcGotoX = 1012,
    kIdcGotoY = 1013,
    kIddSnapText = 216,
    kIdcSnapThreshold = 326,
    kIddBackAnnotate = 218,
    kIdcAnnotationFile = 1068,
    kIdcAnnotationBrowse = 1034,
    kIddSetRefDes = 131,
    kIdcRefDesType = 471,
    kIdcRefDesStart = 472,

    kStrSearchDone = 900,
    kStrReferenceMissing = 885,
    kStrTextMissing = 886,
    kStrNoDrcMarks = 7014,
    kStrNetMissing = 7015,
    kStrNoHiddenVias = 941,
};

}  // namespace tly
