#pragma once
// Ids of the routing subsystem's dialogs and their controls.

namespace tly {

enum : unsigned {
    // Dialogs
    kIddDesignRules = 149,      // "Design Rules Check"
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

    // The Help button of a message dialog
    kIdcHelpButton = 9,
};

}  // namespace tly
