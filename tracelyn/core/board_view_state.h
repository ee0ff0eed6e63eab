#pragma once
// Process-wide state of the board view that every painter, the mouse code and the view
// commands share. The zoom index, view origin and size letter are the current-document values
// of g_board (board_state.h); this file holds what the view derives from them and the modes of
// the paint in progress.

#include "common/pcb/paint_frame.h"
#include "platform/gdi/gdi_types.h"

#include <cstdint>
#include <string>

namespace plat { class Dc; }

inline constexpr int kZoomLevels = 10;
inline constexpr int kMaxZoomIndex = kZoomLevels - 1;
// From this zoom index up a logical unit is smaller than a mil.
using pcb::kFineZoomIndex;

// Raster modes the painters are given.
using pcb::kModeCopy;
using pcb::kModeInvert;
using pcb::kModeNotXor;
using pcb::kModeHighlight;

inline constexpr int32_t kUnitsEnglish = 725;
inline constexpr int32_t kUnitsMetric = 726;
inline constexpr int32_t kViewOneLayer = 1040;
inline constexpr int32_t kViewLayerPair = 1041;
inline constexpr int32_t kGridVariable = 705;
inline constexpr int32_t kGridPolar = 706;

// The mapping of the active view. OnPrepareDC refreshes the client rectangle and centre; the
// zoom commands set the divisor; the mouse code sets the cursor. Read by every painter.
struct BoardView {
    int32_t zoomDivisor = 5;          // logical units per pixel
    plat::Rect clientRect;            // pixels
    int32_t clientCentreX = 0;        // centre of clientRect x zoomDivisor
    int32_t clientCentreY = 0;
    int32_t cursorX = 0;              // CursorPoint: pixels x zoomDivisor
    int32_t cursorY = 0;
    int32_t cursorWorldX = 0;         // CursorWorld: the cursor in board units
    int32_t cursorWorldY = 0;
    bool drawToFit = false;           // the whole work area stretched over the window
    // Grid spacings of the document's grid command in board units (set when the view syncs).
    int32_t gridStepX = 500;
    int32_t gridStepY = 500;
};
extern BoardView g_view;

// The polar grid's values (set by its setup dialog): centre in logical units, radius step in
// board units, start angle in tenths of a degree.
struct PolarGrid {
    int32_t centreX = 0;
    int32_t centreY = 0;
    int32_t radius = 500;
    int32_t startAngle = 0;
    int32_t angleStep = 450;          // tenths of a degree between snapped directions
};
extern PolarGrid g_polarGrid;

// Printing: set between OnBeginPrinting and OnEndPrinting by the view.
struct BoardPrintState {
    bool printing = false;
};
extern BoardPrintState g_print;

// The paint in progress. DrawObjects sets the pixel size and the drawing context; PaintObject
// and the view set the raster mode and the highlight flag.
struct BoardPaintState {
    int rasterMode = kModeCopy;
    bool highlight = false;           // mode 100: copy mode in the highlight role
    int32_t pixelSize = 5;            // zoomDivisor, or its metric equivalent
    plat::Dc* drawingDc = nullptr;    // the DC DrawObjects draws on
    // The object being painted is seen through a solder-mask or paste layer (pads are drawn
    // enlarged by the mask margin there).
    bool mask = false;
    bool paste = false;
    std::string message;              // "t=%d" of the last paint, for the status panes
};
extern BoardPaintState g_paint;

// The crosshair cursor: on (the user's choice) and currently drawn.
struct BoardCrosshair {
    bool on = false;
    bool shown = false;
    int32_t x = 0;                    // where it was drawn last (CursorPoint units)
    int32_t y = 0;
};
extern BoardCrosshair g_crosshair;

// True in metric unit mode.
bool MetricUnits();
