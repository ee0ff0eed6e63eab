#pragma once
// Ids of the routing subsystem's dialogs and their controls.

namespace tly {

enum : unsigned {
    // Dialogs
    kIddDesignRules = 149,      // "Design Rules Check"
    kIddSmoothing = 144,        // "Smoothing"
    kIddNecking = 145,          // "Necking"
    kIddRatsNestSetup = 156,    // "Rats Nest Display Setup"
    kIddOptimize = 185,         // "Trace/Via Optimization" (never shown)
    kIddProgress = 162,         // the progress window: no caption
    kIddRouterMessage = 166,    // "Router": a message with OK, Cancel and Help

    // Progress window
    kIdcProgressBar = 270,      // static frame the bar is painted into
    kIdcProgressPercent = 300,
    kIdcRouterMessage = 156,    // the progress window's text line; the "Router" box's message

    // Design Rules Check
    kIdcPadToVia = 245,
    kIdcPadToTrace = 246,
    kIdcTraceToTrace = 1031,
    kIdcCheckPadToVia = 1085,
    kIdcCheckPadToTrace = 1086,
    kIdcCheckReferences = 1087,
    kIdcCheckSilkscreen = 1089,
    kIdcCheckBottomText = 1090,
    kIdcCheckTraceToTrace = 1099,
    kIdcCheckOutside = 1100,
    kIdcCheckMinimums = 1101,
    kIdcMinimumTrace = 1102,
    kIdcMinimumPad = 1103,
    kIdcMinimumHole = 1104,
    kIdcMinimumRing = 1105,

    // Smoothing
    kIdcSmoothArcs = 70,
    kIdcSmooth45 = 71,
    kIdcSmoothOrthogonal = 72,

    // Necking
    kIdcNeckWidth = 260,
    kIdcNeckClearance = 261,

    // Rats Nest Display Setup
    kIdcRatsNestName = 262,

    // Batch Router Setup (dialog 146)
    kIdcBatchNetlist = 871,
    kIdcBatchTraceWidth = 1024,
    kIdcBatchLayerFirst = 1000,     // Top, 1 to 15: 1000 to 1015
    kIdcBatchBuried = 1025,
    kIdcBatchSortNone = 1026,
    kIdcBatchSortY = 1027,
    kIdcBatchSortX = 1028,
    kIdcBatchGrid25 = 702,
    kIdcBatchGrid50 = 703,
    kIdcBatchGrid100 = 704,
    kIdcBatchViaSize = 1030,
    kIdcBatchViaHole = 1029,
    kIdcBatchVcc = 1022,
    kIdcBatchGround = 1023,
    kIdcBatchPower1 = 1099,         // Power 1 to 4: 1099 to 1102
    kIdcBatchLength = 1031,
    kIdcBatchFinalVias = 1032,
    kIdcBatchInitialVias = 1033,
    kIdcBatchRetries = 264,
    kIdcBatchClearance = 1035,
    kIdcBatchBevels = 265,
    kIdcBatchMemoryRouter = 80,
    kIdcBrowse = 1034,

    // The Help button of a message dialog
    kIdcHelpButton = 9,
};

}  // namespace tly
