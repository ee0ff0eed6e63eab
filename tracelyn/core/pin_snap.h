#pragma once
// Pad snapping while a trace is drawn: the cursor jumps onto the centre of the pad of a placed
// part (or of the one selected pad) under it, and the status line names the pin and its net.

// With the cursor on a pad: moves CursorPoint, CursorWorld and CursorBoardPoint onto the pad
// centre, shows "Selected pin:%s%d-%s (%s)" for a part's pad, and returns 1; else 0.
int SnapToPin(int dragging);
