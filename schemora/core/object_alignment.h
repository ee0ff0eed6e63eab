#pragma once
// Moving the selected objects relative to one reference object the user picked last (Align
// With Edge, Align To Center, Align On Line), and moving the selection by an offset.

#include "common/alignment_commands.h"
#include "platform/gdi/gdi_types.h"

// Adds (dx, dy) to the selected objects: both ends of two-point kinds, a polygon's points, the
// first point of boxes, texts, dots, ellipses and parts.
void OffsetSelection(int dx, int dy);
// The point of the selection that the alignments place.
plat::Point SelectionAnchor();
// Takes an undo snapshot of the selection, aligns it and redraws; the reference is an object
// index outside the selection.
void AlignSelected(AlignCommand command, int reference);
