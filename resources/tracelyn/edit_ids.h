#pragma once
// Controls of the board editor's setup and property dialogs.

namespace tly {

enum : unsigned {
    // Variable Grid
    kIdcGridX = 707,
    kIdcGridY = 708,
    kIdcGridXLabel = 1095,
    kIdcGridYLabel = 1096,
    // Polar Grid Setup
    kIdcPolarAngle = 100,
    kIdcPolarRadius = 101,
    kIdcPolarCentreX = 1031,
    kIdcPolarCentreY = 1032,
    kIdcPolarAtLibraryOrigin = 1099,
    // Auto Increment Text
    kIdcAutoText = 300,
    kIdcAutoIndex = 299,
    // Style, Drawing/Fill Style, Polygon Setup
    kIdcStyleFirst = 457,       // Solid, Dash, Dot, Dash-dot: 457 to 460
    kIdcStyleLast = 460,
    kIdcFillFirst = 530,        // fill patterns 0 to 7: 530 to 537
    kIdcFillLast = 537,
    kIdcWidth = 1092,
    kIdcWidthLabel = 1094,
    kIdcPolygonEdges = 1075,
    // Pad Setup
    kIdcPadShapeFirst = 850,    // Round ... Thermal: 850 to 858
    kIdcPadShapeLast = 858,
    kIdcPadX = 870,
    kIdcPadY = 871,
    kIdcPadHole = 872,
    kIdcPadXLabel = 1093,
    // Edit Setup
    kIdcShowGrid = 324,
    kIdcShowHiddenPins = 1019,
    kIdcShowPageBreaks = 336,
    kIdcRubberBanding = 328,
    kIdcLimit90 = 320,
    // Font
    kIdcFontHeight = 1054,
    // Library Parts
    kIdcPartList = 404,
    kIdcLibraryList = 405,
    kIdcPartName = 408,
    kIdcLibraryName = 308,
    kIdcPartDescription = 242,
};

}  // namespace tly
