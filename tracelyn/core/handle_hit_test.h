#pragma once
// Which selection handle the cursor is on, and dragging a vertex of the board outline by its
// handle.

namespace plat { class Dc; }

// The handle the cursor was last found on (-1 when none); for the outline, handle i is the
// start of segment i.
struct HandlePick {
    int index = -1;
};
extern HandlePick g_handlePick;

// 1 and the handle's index in g_handlePick when the cursor lies strictly inside a handle box of
// the one selected object (half box 6 x the zoom divisor, 12 x for the outline on the outline
// layer), else 0.
int HitTestHandle();

// The cursor as a board point (the logical cursor scaled to board units).
void CursorBoardPoint(int& x, int& y);

// Moves the picked outline vertex to the cursor: the first step records an undo snapshot of the
// outline; every step repaints.
void DragOutlineVertex(int step);
