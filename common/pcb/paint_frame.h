#pragma once
// What the board painters draw with: the view's zoom and mapping, the mode of the paint in
// progress, printing, the settings the painters follow and the colours. The board program
// builds a frame from its view and settings for each paint; the schematic program's package
// preview builds its own. Board units are tenths of a mil; painters draw in logical units,
// which are board units scaled by the zoom band (a mil at zoom indexes 0 to 6, half, a fifth
// and a tenth of a mil at 7, 8 and 9).

#include "common/pcb/board_colors.h"
#include "platform/gdi/gdi_types.h"

#include <cstdint>

namespace pcb {

// Raster modes the painters are given.
inline constexpr int kModeCopy = 13;      // R2_COPYPEN
inline constexpr int kModeInvert = 6;     // R2_NOT: ghosts, rubber bands, handles
inline constexpr int kModeNotXor = 10;    // R2_NOTXORPEN: the selection frame
inline constexpr int kModeHighlight = 100;

// From this zoom index up a logical unit is smaller than a mil.
inline constexpr int kFineZoomIndex = 7;
// The zoom at which a logical unit is a board unit.
inline constexpr int kUnitZoomIndex = 9;

// The "viamode" values: vias left out of the solder mask, or drawn in it as squares.
inline constexpr int32_t kViaModeHideInMask = 366;
inline constexpr int32_t kViaModeMaskSquare = 367;

struct PaintFrame {
    // The view: the zoom index (0-9), logical units per pixel, the metric unit mode, the whole
    // work area stretched over the window, the client rectangle (pixels), its centre (pixels x
    // zoomDivisor) and the logical point shown at the centre.
    int32_t zoomIndex = 3;
    int32_t zoomDivisor = 5;
    bool metric = false;
    bool drawToFit = false;
    plat::Rect clientRect;
    int32_t clientCentreX = 0;
    int32_t clientCentreY = 0;
    int32_t viewOriginX = 0;
    int32_t viewOriginY = 0;
    // The paint in progress: raster mode, the highlight role for mode 100, the object seen
    // through a solder-mask or paste layer (pads drawn enlarged by the mask margin), the pixel
    // size in logical units, and the position (logical units) of the placed part whose package
    // points are being drawn.
    int rasterMode = kModeCopy;
    bool highlight = false;
    bool mask = false;
    bool paste = false;
    int32_t pixelSize = 5;
    int32_t partX = 0;
    int32_t partY = 0;
    // Printing, and the print settings the painters follow ("PrMirror", "PrInvert", "plotter").
    bool printing = false;
    bool printMirror = false;
    bool printInvert = false;
    bool plotterPads = false;
    // "PrColor": unrouted connections keep their layer's colour.
    bool printColor = false;
    // The current layer (pads on a power plane are drawn as its gaps), the footprint editor's
    // own background, and the settings "mask" (margin), "viamode", "RoundVias" and "pin_font".
    int32_t currentLayer = 0;
    bool editorBackground = false;
    int32_t maskMargin = 0;
    int32_t viaMode = 0;
    bool roundVias = false;
    int32_t pinFont = 3;
    // The colours, and whether they go to the device as RGB values rather than palette indexes.
    const BoardColors* colors = &kBuiltInBoardColors;
    bool trueColor = false;
};

// Board units per logical unit at a zoom index: 10, 5, 2 or 1.
int32_t UnitsPerLogical(int zoomIndex);
// Board to logical units, in place (division truncates).
void ToLogical(int zoomIndex, int32_t& x, int32_t& y);
int32_t LogicalLength(int zoomIndex, int32_t length);
// A length scaled by the float factor 0.1f, 0.2f or 0.5f below the finest zoom.
void ToLogicalLengthF(int zoomIndex, float& length);
// The pixel size in logical units: the divisor, or its metric equivalent.
int32_t PixelSize(int32_t zoomDivisor, bool metric);

// The logical colour of a drawing role, and the device colour of a logical colour, in the
// frame's colours.
int FrameRoleColor(const PaintFrame& f, int role);
plat::ColorRef FrameDeviceColor(const PaintFrame& f, int color);

}  // namespace pcb
