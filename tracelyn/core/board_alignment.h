#pragma once
// Scaling the selected board objects and moving them relative to the object selected last
// (Align With Edge, Align To Center, Align On Line).

#include "common/alignment_commands.h"
#include "platform/gdi/gdi_types.h"

// Scales the selected objects of the current layer (every layer while it is 31) about
// (refX, refY): every point an object has by its own axis's factor, sizes by the x factor;
// parts only move their origin (with a beep). Then every object of the board moves by one
// offset so that the board's extent is centred on (0, 0).
void ScaleSelectedObjects(float xFactor, float yFactor, int refX, int refY);
// The point of the selection that the alignments place.
plat::Point BoardSelectionAnchor();
// Takes an undo snapshot of the selection, aligns it and redraws; the reference is an object
// index outside the selection.
void AlignSelected(AlignCommand command, int reference);
