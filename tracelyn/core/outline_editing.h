#pragma once
// The board outline's edits: object 1 of the store, kind 19, whose segment block describes the
// board edge as a closed chain of lines and arcs (x1, y1, x2, y2, type per segment). The Outline
// menu cuts or rounds a corner at the picked vertex, removes a vertex, turns an arc round, and
// replaces the whole edge by a rectangle or a circle.

#include "tracelyn/core/board_object.h"

#include <cstdint>

// Segment types.
inline constexpr int32_t kSegmentLine = 1;
inline constexpr int32_t kSegmentArc = 10;
inline constexpr int32_t kSegmentArcReversed = 30;
// The edge lies this far inside the board size.
inline constexpr int32_t kOutlineInset = 3000;

// The board size (mils) the Create Circle/Rectangle Outline commands start from.
struct BoardSize {
    int32_t width = 4000;
    int32_t height = 4000;
};
extern BoardSize g_boardSize;

// Object 1 of the current store when it is an outline with its segment block, else null.
BoardObject* EditableOutline();

// Each returns 1 when it changed the outline, 0 when the outline or the vertex does not allow
// the edit (no outline, a vertex outside 0..count-1, a full block, too few segments).
int DeleteOutlineVertex(int vertex);
int InsertOutlineSegment(int type, int vertex);
int ReverseOutlineArc(int vertex);

// The edge becomes four arcs (a circle) or four lines (a rectangle) inset from the board size.
int CreateCircleOutline();
int CreateRectangleOutline();
