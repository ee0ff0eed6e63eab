#pragma once
// Ids of Setup > General and its four pages.

namespace scm {

enum : unsigned {
    kCmdGeneralSetup = 3397,
    kStrAutoDotsOff = 125,

    // "Drawing" (132)
    kIddGenDraw = 132,
    kIdcSnapToGrid = 326,
    kIdcLimit90 = 320,
    kIdcRubberband = 328,
    kIdcSnapToPin = 338,
    kIdcStyleFirst = 457,          // 457 to 460
    kIdcStyleLast = 460,
    kIdcFillFirst = 530,           // 530 to 537
    kIdcFillLast = 537,
    kIdcFillCurrent = 538,
    kIdcHeadStyleFirst = 100,      // 100 to 102
    kIdcHeadStyleLast = 102,
    kIdcHeadsNone = 299,           // 299 to 301: "None", "1", "2"
    kIdcHeadsTwo = 301,
    kIdcWidth = 465,
    kIdcRoundedRectangles = 1081,

    // "Display" (130)
    kIddGenDisp = 130,
    kIdcBorder = 322,
    kIdcPinDisplay = 1019,
    kIdcVisibleGrid = 324,
    kIdcRulers = 332,
    kIdcPartShading = 341,
    kIdcPageBreaks = 336,
    kIdcPartsBinHelp = 1032,
    kIdcTerminalEnds = 1073,

    // "Miscellaneous" (134)
    kIddGenMisc = 134,
    kIdcStartupFile = 339,
    kIdcSound = 343,
    kIdcRotationAngle = 100,
    kIdcEllipseAspect = 464,
    kIdcEnglish = 724,
    kIdcMetric = 725,
    kIdcBackup = 1027,
    kIdcOldLibraries = 1037,
    kIdcAutoRefs = 1072,
    kIdcAutoTextExit = 1073,
    kIdcAutoDots = 1071,

    // "Library Parts" (131)
    kIddGenLib = 131,
    kIdcHidePins = 517,
    kIdcShowPins = 518,
    kIdcPowerPins = 520,
    kIdcThroughHole = 512,
    kIdcSurfaceMount = 513,
};

}  // namespace scm
