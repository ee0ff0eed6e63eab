#pragma once
// Where each board object's painter can draw, in board units at any zoom, and the question a
// repaint asks the store's index: which objects may touch the clip of the DC being painted.

#include "common/extent_index.h"
#include "tracelyn/core/board_object.h"

#include <vector>

namespace plat { class Dc; }

// The box, in board units, holding everything the painters can draw for object `o` at any zoom,
// apart from marks sized in pixels (one-pixel pens, each coordinate's rounding to logical
// units, the mask clearance), which PaintCandidates adds to the clip instead. Deleted objects
// and kinds without a painter reach nothing; a part placed by a name that is not
// resolved yet, or a text too long to measure cheaply, reaches anywhere.
SlotExtent PaintExtentOf(const BoardObject& o);

// The clip box of `dc` in board units, grown by the pixel-sized marks and by the rounding of
// board units to logical units: an object whose extent misses it draws nothing in the clip.
ExtentBox PaintArea(const plat::Dc& dc);

// Whether an object with this extent may draw in `area`.
bool MayPaintIn(const SlotExtent& extent, const ExtentBox& area);

// Brings `index` up to date with objects 1..count of `store`, then appends to `slots`, in
// ascending order, every object whose extent meets `area`.
void PaintCandidates(ExtentIndex& index, const BoardObject* store, int count, const ExtentBox& area,
                     std::vector<int>& slots);
