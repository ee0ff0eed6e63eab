#pragma once
// Draw to fit: the whole work area stretched over the window, with a box about the pointer
// that shows the part of the board one click brings into the window at the board's zoom.

#include "platform/gdi/gdi_types.h"

#include <cstdint>

struct FitState {
    int32_t halfHeight = 1;     // first fit factor: half the box's height, cursor units
    int32_t halfWidth = 2;      // second fit factor: half its width
    bool boxShown = false;
    int32_t boxX = 0, boxY = 0; // cursor point the box was drawn about
    // The view origin before the fit view, which a click outside the window goes back to.
    int32_t originBeforeX = 0, originBeforeY = 0;
};
extern FitState g_fit;

// The two fit factors for a client area of cw x ch pixels.
void ComputeFitFactors(int cw, int ch);
// The view origin (logical units at the board's zoom) that puts the fit box about pixel
// (px, py) in the middle of the window.
void FitOriginFor(int px, int py, const plat::Rect& client, int32_t& originX, int32_t& originY);
// Draws the box about the cursor, inverted (drawing it again erases it).
void DrawFitBox(plat::Dc& dc);
