#pragma once
// Board coordinates on the screen and the printer. Board units are tenths of a mil; painters
// draw in logical units, which are board units scaled by the zoom band (a mil at zoom indexes
// 0 to 6, half, a fifth and a tenth of a mil at 7, 8 and 9); a device pixel is zoomDivisor
// logical units (2.54 times larger in metric unit mode).
//
// This file holds the mapping arithmetic and the state changes of the zoom, layer, work-area
// and printing commands; the view (CTracelynView) calls them from its handlers.

#include "platform/gdi/gdi_types.h"

#include <array>
#include <cstdint>

namespace plat { class Dc; }

inline constexpr std::array<int32_t, 10> kZoomDivisors = {25, 20, 10, 5, 4, 2, 1, 1, 1, 1};
inline constexpr int kCmdScaleFirst = 751;       // View > Scale "20%" ... "5000%": 751-760
inline constexpr int kCmdScaleLast = 760;
inline constexpr int kCmdWorkAreaFirst = 340;    // Setup > Work Area "4x4" ... "32x32": 340-346
inline constexpr int kCmdWorkAreaLast = 346;
inline constexpr int kWorkAreaCommandOffset = 275;   // command id = size letter + 275
inline constexpr int kCmdLayerFirst = 1000;      // View > Current Layer: 1000-1031
inline constexpr int kCmdLayerLast = 1031;
// Scroll extents above this many device units are capped.
inline constexpr int kMaxScrollExtent = 30000;

// The divisor of a zoom index (an index outside 0-9 is clamped first).
int32_t ZoomDivisorOf(int zoomIndex);

// Board to logical units at the current zoom index, in place (division truncates).
void WorldToScreen(int32_t& x, int32_t& y);
void WorldToScreenLength(int32_t& length);
void WorldToScreenLengthF(float& length);
// Float scaling: x rounded half up, y truncated (the grid-snapped cursor).
void WorldToScreenRounded(int32_t& x, int32_t& y);
// Logical to board units, in place.
void ScreenToWorld(int32_t& x, int32_t& y);
// The value forms, for painters that scale a copy.
int32_t ScreenLength(int32_t length);
int32_t ScreenLengthAt(int32_t length, int zoomIndex);

// The screen half of OnPrepareDC: anisotropic mapping of the current work area so that the
// logical point ViewOrigin shows at the centre of `client` (pixels). Refreshes ClientRect
// (unless the footprint editor keeps its own) and ClientCentre. An invalid size letter empties
// the board and becomes 'A'.
void PrepareScreenMapping(plat::Dc& dc, const plat::Rect& client);

// Saves the DC's state and sets it for drawing in device pixels, wherever the view's mapping
// and clipping stand: pixel mapping with both origins at 0, no clipping, the raster mix `mix`
// (plat::kR2Not for marks that a second drawing takes away). Returns the state for RestoreDC.
int BeginPixelDrawing(plat::Dc& dc, int mix);

// The printer half of OnPrepareDC for page `page` (1-based): one mil per logical unit at the
// device's resolution times the print scale factors, centred on the page; several pages for
// the large work areas with multi-page printing; mirrored with mirror printing.
void PreparePrintMapping(plat::Dc& dc, int page);
// The last page of a print job (the first is 1).
int PrintPageCount();
// Print flag on and, unless printing in colour, the colour map swapped; and back.
void BeginBoardPrinting();
void EndBoardPrinting();

// The scroll sizes of the view: the work area x 4 in device units of a prepared DC, each
// capped at kMaxScrollExtent.
plat::Size BoardScrollSizes(const plat::Dc& preparedDc);

// ZoomStep without the window: one level in or out about CursorPoint. The "Maximum" and
// "Minimum" sounds play at the ends; a step past an end is refused (false). On a change the
// point under the cursor becomes the window centre (CursorPoint = ClientCentre), the document
// takes the new origin and zoom, and the selection is emptied when either index is 7 or more
// (else the rubber band is shifted with the view).
struct ZoomStepResult {
    bool changed = false;
    int32_t oldDivisor = 0;
};
ZoomStepResult ApplyZoomStep(bool in);

// View > Scale (751-760): zoom index id - 751, origin at the work-area centre, selection empty.
void ApplyScaleCommand(int id);
// Setup > Work Area (340-346): size letter id - 275, the document marked modified; in metric
// unit mode the zoom index becomes 3.
void ApplyWorkAreaCommand(int id);
// View > Current Layer (1000-1031): id - 1000, but 1024 selects the outline (25) and 1025 all
// layers (31).
int LayerOfCommand(int id);
// The View > Current Layer item that selects the layer (0 when none does).
int CommandOfLayer(int layer);
// Keypad + and -: the next and previous layer in the order the View menu lists them.
int NextLayer(int layer);
int PreviousLayer(int layer);
