#pragma once
// Moving, copying and reshaping the selection with the mouse: the steps the dispatcher takes
// while the button is held in edit mode. Action 2 is one step, 13 ends the gesture.

#include "tracelyn/core/board_object.h"

#include <cstdint>

namespace plat { class Dc; }

inline constexpr int kMoveStep = 6;
inline constexpr int kMoveEnd = 13;

// Moves one object by (dx, dy): both points of two-point kinds, a polygon's vertices, the first
// point of boxes, texts, pads, markers and parts; other kinds stay.
void OffsetBoardObject(BoardObject& o, int32_t dx, int32_t dy);
// Moves every selected object by (dx, dy) board units (XOR ghosts of the first six while
// dragging) and the selection frame with them; the move anchor advances.
void OffsetSelection(plat::Dc& dc, int32_t dx, int32_t dy);
// One step of dragging the selection (the first step records an undo snapshot).
void MoveSelection(plat::Dc& dc, int action);
// One step of a copy-drag: the first step appends copies of the selected objects and selects
// them (one appended step on the undo ring).
void DuplicateSelection(plat::Dc& dc, int action);
// One step of dragging the one selected part's reference label (the first step of the drag,
// in MoveSelection, records the undo snapshot); the part stays.
void MovePartLabel(plat::Dc& dc, int action);
// One step of dragging a handle of the one selected object (kinds below parts).
void DragObjectHandle(plat::Dc& dc, int index, int action);
