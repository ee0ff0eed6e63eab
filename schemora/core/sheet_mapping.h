#pragma once
// The schematic view's geometry: sheet sizes, the zoom table, the mapping of sheet units onto a
// window, a fitted window or a printer page, scroll sizes and zoom steps. The view class calls
// these from OnPrepareDC, OnInitialUpdate, its printing hooks and its zoom commands; the
// painters call SetSheetMapping before they draw a single object.
//
// Sheet coordinates: 500 units to the inch, origin at the sheet centre, y downward.

#include "schemora/core/sheet_overlays.h"
#include "schemora/core/sheet_state.h"

#include "platform/gdi/dc.h"

#include <array>
#include <string_view>

struct DrawingDocData;

struct SheetDimensions {
    int width = 0;
    int height = 0;
};
// Width and height of sheet size 'A' to 'E' (any other letter reads as 'A').
SheetDimensions SheetSizeOf(char letter);

inline constexpr int kScaleSteps = 7;
inline constexpr int kMaxScaleIndex = kScaleSteps - 1;
// Sheet units per pixel at scale index 0 ("20%") to 6 ("500%").
inline constexpr std::array<int, kScaleSteps> kZoomDivisors{25, 20, 10, 5, 4, 2, 1};
inline constexpr int kFirstScaleCommand = 3720;
inline constexpr int kFirstSizeCommand = 340;       // "Size A"; the letter is command - 275
inline constexpr int kFirstGridCommand = 700;
inline constexpr int kFirstLayerCommand = 380;      // "Top Layer"; 384 "All Layers"
inline constexpr int kAllLayers = 4;
inline constexpr int kCmdZoomIn = 52;
inline constexpr int kCmdZoomOut = 53;
inline constexpr int kCmdCenter = 215;
inline constexpr int kCmdDrawToFit = 5001;
inline constexpr int kViewCentreLimit = 32767;
inline constexpr int kMaxScrollSize = 30000;
inline constexpr int kUnitsEnglish = 724;
inline constexpr int kUnitsMetric = 725;
inline constexpr double kMetricFactor = 2.54;

// The zoom divisor of a scale index (the index is held to 0..6).
int ZoomDivisorOf(int scaleIndex);
// Grid step of grid commands 700 to 703 (5, 10, 25, 50); 0 for any other command.
int GridStepOf(int gridCommand);
// Whether the units setting is metric.
bool MetricUnits();
// A distance on the screen's sheet grid in the drawing's own units: with metric units the
// sheet is laid out in centimetres, the drawing keeps inches.
int MetricScaled(int distance);
// The inch read-outs of the status line count 500 drawing units to the inch.
inline constexpr double kStatusInchesPerUnit = 0.002;

// Loads the drawing context from a document: object array and count, view centre, scale index
// and zoom divisor, grid command and step, sheet size; and the title-block values.
void LoadDrawingContext(DrawingDocData& doc, std::string_view path = {});

// Maps dc for the current drawing: MM_ANISOTROPIC, the sheet extents over their size in pixels
// at the current zoom (or over the whole client area in fit-to-window mode), the view centre at
// the client centre. Unless printing, client becomes the work area.
void SetSheetMapping(plat::Dc& dc, const plat::Rect& client);
// OnPrepareDC on the screen: SetSheetMapping, the client centre in sheet units, and the view
// centre held to the sheet (the selection is emptied when it had to be moved).
void PrepareScreenMapping(plat::Dc& dc, const plat::Rect& client);

// Number of pages a printout of the drawing has.
int PrintPageCount(char sheetSize, int numberOfSheets, const PrintoutSettings& settings);
// OnPrepareDC on a printer page: maps dc so that page `page` shows its part of the sheet.
// Returns the sheet to print (the page number for a drawing of several sheets printed a sheet
// per page, else the current sheet).
int PreparePrintMapping(plat::Dc& dc, int page, char sheetSize, int numberOfSheets,
                        const PrintoutSettings& settings);
// OnBeginPrinting and OnEndPrinting: the print flag, the current sheet, and, for a printout
// without colour, every colour role on palette colour 0 over a background of colour 7.
void BeginSheetPrinting(const PrintoutSettings& settings);
void EndSheetPrinting(int numberOfSheets);

// The sheet's size in device units of a mapped dc, each held to 30000 (the scroll sizes).
plat::Size SheetScrollSizes(const plat::Dc& dc, char sheetSize);

// The scroll-bar values for the current drawing shown in a client area.
SheetScrollBars ComputeSheetScrollBars(const plat::Rect& client, int windowOrgX = 0, int windowOrgY = 0);

// With metric units and sheet size 'E' the current scale index is held to 5 at most.
void ClampMetricScale();

// One zoom step: direction 1 zooms in, 0 out. index is the new scale index, changed whether
// the view changes, sound the name to play at the ends of the range (null otherwise).
struct ZoomStep {
    int index = 0;
    bool changed = false;
    const char* sound = nullptr;
};
// Works on g_current.zoomIndex, which it leaves at the new index (and the divisor with it).
ZoomStep StepScaleIndex(int direction);
// A view centre coordinate held to -32767..32767.
int ClampViewCentre(long long value);

// The fit view's two offsets for a client area (tool 5001).
plat::Point FitOffsets(const plat::Rect& client, char sheetSize, int zoom);
// The sheet units the normal view of the current drawing shows across a client area, at its
// scale and units: what the fit view's zoom box outlines.
plat::Size NormalViewSpan(const plat::Rect& client);

// True when index is the first entry of the selection list or one of entries 2..count.
bool IsObjectSelected(int selectionCount, int index);
