#pragma once
// The cursor of the schematic view: the mouse position snapped to the grid (CursorPoint, view
// units), its position read-out in status pane 1, the inverting cursor mark, and one-step edge
// scrolling. The view runs these on every mouse message before the edit engine sees the point.

#include "platform/gdi/gdi_types.h"

namespace plat {
class Dc;
class Wnd;
}

// Snaps client pixel (px, py) to the grid (only while the cross-hair is on and the fit view is
// off) and stores it as CursorPoint. Returns whether the raw point differs from the previous;
// the same raw point leaves the cursor point as it is.
bool SnapCursorPoint(int px, int py);
// The drawing point of CursorPoint (metric units turn view units into inch-based units).
plat::Point CursorDrawingPoint();
// View units of a drawing point (the inverse without the metric factor).
plat::Point DrawingToView(int x, int y);
// Pane 1: "x=%.3f,y=%.3f\"" (English) or "x=%.2f,y=%.2f cm" (metric).
void ShowCursorPosition();

// The mark on a DC mapped for the sheet (drawing units), in inverting mode: DrawCursorMarkRaw
// draws at the stored position (a second call erases it); the others keep g_cursorMark.visible
// in step with what is on screen.
void DrawCursorMarkRaw(plat::Dc& dc);
void ShowCursorMark(plat::Dc& dc);    // draws at CursorPoint unless it is shown
void HideCursorMark(plat::Dc& dc);    // erases it when shown

// ScrollViewStep: scrolls the current drawing by the visible extent / divisor; direction 0 left,
// 1 right, 2 up, 3 down. Stores the view centre in the document, redraws the window and notes
// the scroll in g_mouseEdit.scrolled.
void ScrollViewStep(plat::Wnd& view, int divisor, int direction);
