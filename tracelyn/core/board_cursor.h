#pragma once
// The board cursor: snapping the mouse position to the grid, the XOR crosshair, and the
// position read-out in status pane 1. The view's mouse handlers call these; the dispatcher
// reads the cursor from g_view and g_gesture.

#include <cstdint>

namespace plat { class Dc; }

// Sets CursorPoint and CursorWorld from a pixel position and snaps them to the grid (unless
// the crosshair is off or draw-to-fit is on). 1 when the snapped cursor differs from the last
// one, else 0.
int SetCursorFromPixels(int x, int y);

// The cursor in board units (CursorBoardPoint): the view origin less the client centre plus
// the cursor, metric units scaled to the board's.
void UpdateCursorBoardPoint();

// The position read-out: "x=%.4f,y=%.4f\"" (or the metric and polar forms) in pane 1.
void ShowCursorCoordinates();

// Removes the crosshair when it is drawn, and draws it again (at CursorPoint) afterwards.
void HideCrosshair(plat::Dc& dc);
void ShowCrosshair(plat::Dc& dc);
// Turns the crosshair off (erasing it) or on (drawing it).
void ToggleCrosshair(plat::Dc& dc);
