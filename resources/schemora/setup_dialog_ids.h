#pragma once
// Ids of the Setup menu's dialogs (Selective Editing, Font, Page), the style dialogs of the
// drawing tools, Edit Setup, Resource Usage and Signal Bus Setup.

#include "resources/schemora/general_setup_ids.h"

namespace scm {

enum : unsigned {
    kCmdSelectiveEditing = 144,
    kCmdTextFont = 3392,
    kCmdPageSetup = 32823,
    kCmdResourceUsage = 242,

    // "Selective Editing" (135): boxes 711 to 721, one per kind switch
    kIddSelectiveEditing = 135,
    kIdcSelEditFirstKind = 711,
    kIdcSelEditAllObjects = 710,
    kIdcSelEditNoObjects = 1111,
    kIdcSelEditNetsOnly = 723,

    // "Resource Usage" (177)
    kIddResourceUsage = 177,
    kIdcUsageSystem = 55,
    kIdcUsageDesign = 56,
    kIdcUsageLibrary = 57,

    // "Schematic Page Setup" (199)
    kIddPageSetup = 199,
    kIdcPageSheetSize = 1041,
    kIdcPageRevision = 1042,
    kIdcPageDocNumber = 1043,
    kIdcPageRevisionDate = 1045,
    kIdcPageStartReference = 230,

    // Style dialogs: line style radios 457 to 460, width 465 and fill buttons 530 to 538 as on
    // the General Setup sheet's Drawing page
    kIddFillStyle = 140,
    kIddLineStyle = 166,
    kIddStyle = 207,
    kIddPolygonSetup = 220,
    kIddRectangleStyle = 237,
    kIdcPolygonEdges = 1075,
    kIdcStylePreview = 1076,

    // "Edit Setup" (221)
    kIddEditSetup = 221,
    kIdcEditShowGrid = 324,
    kIdcEditHiddenPins = 1019,
    kIdcEditPageBreaks = 336,
    kIdcEditRubberband = 328,
    kIdcEditLimit90 = 320,

    // "Signal Bus Setup" (180)
    kIddBusSetup = 180,
    kIdcBusIndex = 100,
    kIdcBusRootName = 101,
    kStrSecondEndpoint = 864,

    // Status strings of the style change of the selection
    kStrDoingChange = 898,
    kStrNoObjectsChanged = 7040,
};

}  // namespace scm
