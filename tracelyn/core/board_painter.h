#pragma once
// Painting a board: the whole view, one object or a range in a raster mode, or a rectangle of
// the view. DrawObjects walks the store in the layer passes of layer_passes.h and calls each
// object's painter in the passes that paint it.
// The DC given to these is already prepared by the view (OnPrepareDC or PrepareViewDC).

#include <cstdint>

namespace plat { class Dc; }

struct BoardDocumentData;

// Objects first..last (1-based) of the current store.
void DrawObjects(int first, int last, plat::Dc& dc);

// The whole board: objects, border, grid, rulers and the marks drawn over them.
void DrawBoard(plat::Dc& dc);

// What OnDraw does after the view's own bookkeeping: the document's store becomes current for
// the paint, the work area is filled in the background (or plane) colour, and DrawBoard runs.
void PaintBoardView(plat::Dc& dc, BoardDocumentData& doc);

// One object in raster mode 13, 6, 10 or 100 (copy in the highlight colour).
void PaintObject(plat::Dc& dc, int index, int mode);

// Repaints a rectangle of the view given in logical units, corners in any order.
void RedrawRect(plat::Dc& dc, int x1, int y1, int x2, int y2);

// Whether an object can show in the window (always while printing, fitting, in metric units
// and at the two coarsest zooms).
bool IsObjectVisible(int index, int kind);

// The colour the work area is filled in for the current layer: the VCC or plane colour on the
// plane layers, else the background.
int WorkAreaFillColor();

// Clips a DC to the client area inside the rulers (device pixels).
void ClipToWorkArea(plat::Dc& dc, bool rulers);
