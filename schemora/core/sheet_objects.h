#pragma once
// Whole-sheet and whole-drawing removal of objects: deleting one sheet of a drawing and
// clearing a drawing. Dropped objects give back their texts and point blocks.

#include "schemora/core/draw_object.h"

#include <span>

// Objects 1 to count of sheet `sheet` become deleted records (kind 0, data freed); objects of
// later sheets move one sheet down. count is cut to the store's size.
void DeleteSheetObjects(std::span<DrawObject> objects, int count, int sheet);
// Frees the data of objects 1 to count and empties their records.
void ClearDrawingObjects(std::span<DrawObject> objects, int count);
