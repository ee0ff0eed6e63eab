#pragma once
// Finding the object under the cursor and keeping the selection: point hit tests under the
// selection filter, window (rubber band) selection, the handles of the one selected object and
// the frame of a window selection, the status text of a single selection and erasing the
// selection. The selection list is g_editState (app_state.h); its frame, band and handles are
// g_selection (edit_state.h). Drawing routines take a DC of the view; they map it themselves.

#include "platform/gdi/gdi_types.h"

namespace plat {
class Dc;
}

// Whether the selection filter lets objects of this kind be selected (window selections and
// point hits alike).
bool PassesSelectionFilter(int type);
// Whether an object on layer `layer` and sheet `sheet` can be hit on the current layer/sheet.
bool OnCurrentLayerAndSheet(int index);

// HitTestObject: tests the drawing point p against objects first..last. On a hit: selection
// count 1, entry 1 = the index, hit extent set; returns the index. Else count 0, returns 0.
int HitTestObjectAt(plat::Point p, int first, int last);
// The same at the cursor.
int HitTestObject(int first, int last);
// The placed part drawn last under the drawing point p on the current layer and sheet, or 0;
// the selection stays as it was.
int PartUnderPoint(plat::Point p);

// PointInWindow: whether reference point `mode` of the object lies in window (drawing units):
// 0 (w0,w1), 1 (w0,w3), 2 (w2,w1), 3 (w2,w3), 4 an extreme point of an ellipse.
bool PointInWindow(int index, int mode, const plat::Rect& window);

// SelectObjectsInWindow: action 1 begins at the press (a click also hit-tests), 2 drags the band
// to the cursor, 3 ends it and selects what the window holds. Returns 1 while a selection is
// being made, 0 when it ended.
int SelectObjectsInWindow(plat::Dc& dc, int action);

// Draws (or, drawn again, erases) the handles of one object in inverting mode and records them.
void DrawObjectHandles(plat::Dc& dc, int index);
// Whether the cursor lies on a handle of the single selection; sets the grabbed handle.
bool HitTestHandle();
// The dotted inverting frame around r (drawing units).
void DrawSelectFrame(plat::Dc& dc, const plat::Rect& r);
// Erases what shows the selection (handles or frame) without changing the selection.
void HideSelectionMarks(plat::Dc& dc);
// ComputeSelectionFrame: the frame = the union of the extents of the first n selected objects.
void ComputeSelectionFrame(int n);
// Status pane 0 text of the single selection.
void ShowSelectionText();
// Deletes the selected objects (undoable) and empties the selection.
void EraseSelection();
// Whether index is in the selection list.
bool IsSelected(int index);
