#pragma once
// The drawing primitives every board painter uses, and the background and work-area border
// around the objects. All take the device context first and draw in logical units, in the
// frame of the board program's current view and settings (board_paint_frame.h); the
// primitives themselves are common/pcb's.
//
// Conventions shared by every primitive:
// - colour: a logical colour number 0-31, drawn in its colour-map entry; 100 means a direct
//   palette entry carried in bits 8-15 of the width argument, the width in bits 0-7 (0x802:
//   entry 8, width 2);
// - pen style 0-3 (solid, dash, dot, dash-dot; anything else solid); a width below 1 is the
//   thinnest pen, and a patterned pen is always the thinnest;
// - fill code: 0 hollow, 1 solid in the pen colour, 2-99 hatch style code - 2, 100 and up solid
//   in the background colour (white paper, or black for negative printing, while printing).

#include "common/pcb/board_primitives.h"

#include <cstdint>
#include <span>

namespace plat { class Dc; struct Point; }

using pcb::kMarkColor;
using pcb::kDirectColor;
using pcb::kFillHollow;
using pcb::kFillSolid;
using pcb::kFillBackground;
using pcb::kStyleSolid;
using pcb::kStyleDot;

// The pixel size in logical units for the current zoom and unit mode.
int32_t CurrentPixelSize();

void DrawLine(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width);
void DrawTrace(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width);
void DrawRect(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int fill,
              int width);
void DrawBox(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int fill,
             int width);
// A w x h rectangle with its corner at (x, y), turned by angle (radians) about that corner and
// mirrored in x when mirror is 1, as a filled polygon.
void DrawRotatedRect(plat::Dc& dc, int x, int y, int w, int h, int color, int style, int fill,
                     int width, double angle, int mirror);
void DrawEllipse(plat::Dc& dc, int x, int y, int rx, int ry, int color, int style, int fill,
                 int width);
// A quarter of the ellipse centred on (x2, y1) from (x1, y1) to (x2, y2).
void DrawArc(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width);
// A corner with one rounded bend: a straight run from the first point, then a quarter arc to
// the second point.
void DrawArcTrace(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width);
// Polygon vertices in board units (x, y pairs). mode 0: scaled to logical units; 1: scaled and
// placed through the current part's transform (rotation in tenths of a degree); 2: the view
// origin subtracted.
void DrawPolygon(plat::Dc& dc, std::span<const int32_t> vertices, int count, int color,
                 int style, int fill, int width, int mode, int rotation, int mirror);

// Shapes the pad painter needs beyond the named primitives, with the same conventions: a
// rounded rectangle (corner ellipse cw x ch) and a polygon of logical points.
void DrawRoundRect(plat::Dc& dc, int x1, int y1, int x2, int y2, int cw, int ch, int color,
                   int style, int fill, int width);
void DrawPointPolygon(plat::Dc& dc, std::span<const plat::Point> points, int color, int style,
                      int fill, int width);
// Connected lines through logical points under one pen, with the conventions of DrawLine; as
// the platform draws lines, the last point itself is left out.
void DrawPointPolyline(plat::Dc& dc, std::span<const plat::Point> points, int color, int style,
                       int width);
// The logical colour backgrounds are painted in (the footprint editor has its own).
int BackgroundColor();

// Fills the client area (with a margin) in one logical colour.
void FillWorkAreaBackground(plat::Dc& dc, int color);
// The dotted work-area border in the mark colour (and the package origin box of the
// footprint editor).
void DrawWorkAreaBorder(plat::Dc& dc);
