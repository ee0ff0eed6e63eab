#pragma once
// Changing existing objects with the mouse in edit mode: moving the selection, copying it with
// Shift held, dragging one handle of one object (with collinear wires merging), dragging a
// part's label, and the wires that follow a part in "rubber" mode. Each routine is one step of
// a drag: code 6 while the button is held (ghosts in inverting mode), 13 at the release.

namespace plat {
class Dc;
}

inline constexpr int kStepGhost = 6;
inline constexpr int kStepFinal = 13;

// PlaceAtPoint: one move step of the selection to the cursor. The first step records one undo
// step (with the attached wires of a picked part in rubber mode).
void PlaceAtPoint(plat::Dc& dc, int code);
// MoveSelectedObjects: moves every selected object by (dx, dy) drawing units.
void MoveSelectedObjects(plat::Dc& dc, int dx, int dy, int code);
// CopyMoveSelection: the first step appends a copy of each selected object (each with its own
// data) when all fit, records one appended step and selects the copies; released at the press
// point, the copies and their step are taken back.
void CopyMoveSelection(plat::Dc& dc, int code);
// ReshapeObject: one step of a handle drag of object index; ending = the button went up.
void ReshapeObject(plat::Dc& dc, int index, bool ending);
// MergeCollinearWire: the end `end` (0 or 3) of line index absorbs a line on the same layer
// that continues it in the same direction; returns the absorbed line's index or 0.
int MergeCollinearWire(int index, int end);
// The line that MergeCollinearWire would absorb at that end, 0 when none.
int CollinearWireAt(int index, int end);
// FindWireAtEnd: another line, rectangle, arrow line or bus on the sheet with an end within 10
// units of the given end of object index; returns it and which end, or 0.
int FindWireAtEnd(int index, int end, int* otherEnd);
// MovePartLabel: drags the selected part's label anchor with the cursor.
void MovePartLabel(plat::Dc& dc, int code);
