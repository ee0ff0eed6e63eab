#pragma once
// Ids of Setup > General (its four pages), Setup > Layers, File > Printout Settings and the
// Incremental Router dialog, Selective Editing and Resource Usage of the board program.

namespace tly {

enum : unsigned {
    kCmdToggleRouteMode = 32811,       // Ctrl+F3: one- or two-layer pad-to-pad routing
    kStrInsufficientClearance = 4092,

    // "Drawing" (133)
    kIddGenDraw = 133,
    kIdcGenSnapToGrid = 326,
    kIdcGenFullCursor = 374,
    kIdcGenLimit90 = 320,
    kIdcGenRubberband = 328,
    kIdcGenPadSnap = 338,
    kIdcGenStyleFirst = 457,           // line styles 0 to 3
    kIdcGenStyleLast = 460,
    kIdcGenFillFirst = 530,            // fill patterns 0 to 7
    kIdcGenFillCurrent = 538,
    kIdcGenWidth = 465,
    kIdcGenWidthLabel = 1094,
    kIdcGenPolygonEdges = 1075,

    // "Display" (132)
    kIddGenDisp = 132,
    kIdcGenBorder = 323,
    kIdcGenRulers = 332,
    kIdcGenVisibleGrid = 324,
    kIdcGenPinNumbers = 517,
    kIdcGenPageBreaks = 378,
    kIdcGenPadDisplay = 1019,
    kIdcGenNetNames = 112,
    kIdcGenPartsBinHelp = 1032,
    kIdcGenRoundVias = 1070,
    kIdcGenLibFont = 1521,             // edit, then its spinner
    kIdcGenLibFontSpin = 1522,
    kIdcGenNetFont = 1523,
    kIdcGenNetFontSpin = 1524,
    kIdcGenPinFont = 1525,
    kIdcGenPinFontSpin = 1526,
    kIdcGenMask = 468,
    kIdcGenSilkWidth = 1001,

    // "Miscellaneous" (134)
    kIddGenMisc = 134,
    kIdcGenStartupFile = 251,
    kIdcGenSound = 376,
    kIdcGenAutoRefs = 1090,
    kIdcGenAutoTextExit = 1094,
    kIdcGenEnglish = 725,
    kIdcGenMetric = 726,
    kIdcGenFillNormal = 364,
    kIdcGenFillIsolated = 365,
    kIdcGenHideVias = 366,
    kIdcGenShowVias = 367,
    kIdcGenRotation = 469,
    kIdcGenAspect = 464,
    kIdcGenBackup = 1027,

    // "Incremental Router" (135) and the Incremental Router dialog (215)
    kIddGenRouter = 135,
    kIddIncrementalRouter = 215,
    kIdcRouteOneLayer = 360,
    kIdcRouteTwoLayers = 361,
    kIdcRouteBuried = 1025,
    kIdcRouteBevels = 265,
    kIdcRouteViaSize = 1030,
    kIdcRouteViaHole = 1029,
    kIdcRouteClearance = 1035,
    kIdcRouteMaxLength = 1031,
    kIdcRouteMaxVias = 1032,
    kIdcRouteTraceWidth = 1036,
    kIdcRouteUnits = 32823,

    // "Layer Setup" (138)
    kIddLayerSetup = 138,
    kIdcLayerFirst = 1000,             // "Top", "L1" to "L15": layer = id - 1000
    kIdcLayerLast = 1015,
    kIdcTopSilk = 1016,
    kIdcBottomSilk = 1017,
    kIdcViewOneLayer = 1040,
    kIdcViewLayerPair = 1041,

    // "Printout Settings" (167)
    kIddPrintoutSettings = 167,
    kIdcPrintScaleX = 1012,
    kIdcPrintScaleY = 1013,
    kIdcPrintMirror = 113,
    kIdcPrintInvert = 114,
    kIdcPrintPaginate = 101,
    kIdcPrintColor = 115,

    // "Selective Editing" (139): boxes 711 to 720 for the ten kind switches ("Edit Nets Only"
    // is the last), the buttons, and "Artwork" (pads and traces).
    kIddSelectiveEdit = 139,
    kIdcSelEditFirstKind = 711,
    kIdcSelEditAll = 710,
    kIdcSelEditNone = 1111,
    kIdcSelEditArtwork = 1002,
    kIdcSelEditNetsOnly = 720,

    // "Resource Usage" (171)
    kIddResourceUsage = 171,
    kIdcUsageLibrary = 57,
    kIdcUsageDesign = 56,
    kIdcUsageSystem = 55,
};

}  // namespace tly
