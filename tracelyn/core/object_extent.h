#pragma once
// The bounding boxes of board objects in board units, for selection rectangles, redraws,
// moves and hit tests, and the conversions between board units and the cursor's screen space.

#include "common/extent_index.h"

#include <cstdint>

// A box in board units, left <= right and top <= bottom.
using BoardBox = ExtentBox;

inline constexpr int kExtentPlain = 0;
inline constexpr int kExtentWithLabel = 3;   // parts with their label, rotated text boxes
inline constexpr int kExtentRotatedText = 4;

// The box of object `index` of the current store by its kind; an empty box at the first
// point for kinds without an extent.
BoardBox GetObjectExtent(int index, int mode);

// The box of a text in its own frame (unrotated, mirror kept): from its anchor to the right
// (left when mirrored) by the stroke text's width, upward by its height.
BoardBox UnrotatedTextBox(int index);

// Board units per logical unit at the current zoom (10 below zoom index 7).
int32_t BoardUnitsPerLogical();

// Board point to the cursor's screen space (logical units from the window's top-left corner,
// the space of CursorPoint and the selection rectangle), and back.
void BoardToCursorSpace(int32_t& x, int32_t& y);
void CursorSpaceToBoard(int32_t& x, int32_t& y);
