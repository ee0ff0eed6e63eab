#pragma once
// What the pointer shows over the board: a handle mark over a handle of the selection, a drag
// mark over the selected objects, the plain mark elsewhere. The crosshair draws the mark
// itself; without it the system pointer takes the shape (cursor resources 259 and 189).

// The pointer mode (kPointerHandle, kPointerDrag or kPointerNormal) at CursorPoint, given
// whether the pointer is over a handle of the selection (HitTestHandle). Leaves the selection
// as it found it.
int PointerModeAtCursor(bool overHandle);

// Sets the system pointer for `mode` while the crosshair is off: the arrow for the normal
// mode, cursor 259 over a handle, cursor 189 over the selection.
void ShowPointerShape(int mode);
