#pragma once
// The fit view's zoom box: while the whole sheet is shown, a frame the size of what the normal
// view would show follows the pointer, so a person sees where a click there will take them.
// It is drawn in inverting mode: drawing it again at the same place erases it.

#include "platform/gdi/dc.h"

struct ZoomBoxState {
    bool shown = false;
    plat::Point centre;   // sheet units
};
extern ZoomBoxState g_zoomBox;

// Moves the box to `centre` (sheet units, through the fit view's mapping in dc): the box drawn
// last is erased first when erasePrevious is set.
void DrawZoomBox(plat::Dc& dc, const plat::Rect& client, plat::Point centre, bool erasePrevious);
// After a full repaint of the fit view, which wiped it, the box is drawn again where it was.
void RedrawZoomBox(plat::Dc& dc, const plat::Rect& client);
// The fit view ended or began: no box is shown.
void ForgetZoomBox();
