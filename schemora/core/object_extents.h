#pragma once
// Extents of schematic objects, in drawing units, ordered (left <= right, top <= bottom).
// Selection, hit testing, redraw and the clipboard share them.

#include "platform/gdi/gdi_types.h"

#include <array>

struct DrawObject;

// GetObjectExtent: the object's box by kind; a part's box is its symbol extent joined with its
// label anchor.
plat::Rect GetObjectExtent(int index);
// GetObjectExtentDC in mode 0: as GetObjectExtent, but lines and arcs grow by their width
// times the zoom divisor, a part is only its symbol extent, and every box grows by the line
// width (at least one unit).
plat::Rect GetSelectionExtent(int index);
// The unrotated box of a text object (anchor at its lower left corner), measured with its font.
plat::Rect TextBox(const DrawObject& text);
// The text's angle as it is drawn (word 3, tenths of a degree): below 6 tenths it stands upright.
int TextDrawnAngle(const DrawObject& text);
// The corners of the text's box as the text is drawn, turned about its anchor by its angle
// (counter-clockwise on the screen).
std::array<plat::Point, 4> TextCorners(const DrawObject& text);
// The box holding the turned text: its box itself when it stands upright.
plat::Rect RotatedTextBox(const DrawObject& text);
// A placed part's symbol extent, turned and mirrored to the instance.
plat::Rect PartExtent(const DrawObject& part);
// The label anchor of a placed part (words 2, 3 in symbol axes) on the sheet.
plat::Point PartLabelAnchor(const DrawObject& part);
// The smallest box holding both.
plat::Rect UnionRect(const plat::Rect& a, const plat::Rect& b);
// A box grown by dx, dy on each side.
plat::Rect GrowRect(const plat::Rect& r, int dx, int dy);
