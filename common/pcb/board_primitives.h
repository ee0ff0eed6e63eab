#pragma once
// The drawing primitives every board painter uses. All take the paint frame and the device
// context first and draw in logical units.
//
// Conventions shared by every primitive:
// - colour: a logical colour number 0-31, drawn in its colour-map entry; 100 means a direct
//   palette entry carried in bits 8-15 of the width argument, the width in bits 0-7 (0x802:
//   entry 8, width 2);
// - pen style 0-3 (solid, dash, dot, dash-dot; anything else solid); a width below 1 is the
//   thinnest pen, and a patterned pen is always the thinnest;
// - fill code: 0 hollow, 1 solid in the pen colour, 2-99 hatch style code - 2, 100 and up solid
//   in the background colour (white paper, or black for negative printing, while printing).

#include "common/pcb/paint_frame.h"

#include <cstdint>
#include <span>

namespace plat { class Dc; struct Point; }

namespace pcb {

inline constexpr int kMarkColor = 0;
inline constexpr int kDirectColor = 100;
inline constexpr int kFillHollow = 0;
inline constexpr int kFillSolid = 1;
inline constexpr int kFillBackground = 100;
inline constexpr int kStyleSolid = 0;
inline constexpr int kStyleDot = 2;

void DrawLine(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width);
void DrawTrace(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width);
void DrawRect(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int fill,
              int width);
void DrawBox(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int fill,
             int width);
// A w x h rectangle with its corner at (x, y), turned by angle (radians) about that corner and
// mirrored in x when mirror is 1, as a filled polygon.
void DrawRotatedRect(const PaintFrame& f, plat::Dc& dc, int x, int y, int w, int h, int color, int style, int fill,
                     int width, double angle, int mirror);
void DrawEllipse(const PaintFrame& f, plat::Dc& dc, int x, int y, int rx, int ry, int color, int style, int fill,
                 int width);
// A quarter of the ellipse centred on (x2, y1) from (x1, y1) to (x2, y2).
void DrawArc(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width);
// A corner with one rounded bend: a straight run from the first point, then a quarter arc to
// the second point.
void DrawArcTrace(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style,
                  int width);
// Polygon vertices in board units (x, y pairs). mode 0: scaled to logical units; 1: scaled and
// placed through the frame's part transform (rotation in tenths of a degree); 2: the view
// origin subtracted.
void DrawPolygon(const PaintFrame& f, plat::Dc& dc, std::span<const int32_t> vertices, int count, int color,
                 int style, int fill, int width, int mode, int rotation, int mirror);

// Shapes the pad painter needs beyond the named primitives, with the same conventions: a
// rounded rectangle (corner ellipse cw x ch) and a polygon of logical points.
void DrawRoundRect(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int cw, int ch, int color,
                   int style, int fill, int width);
void DrawPointPolygon(const PaintFrame& f, plat::Dc& dc, std::span<const plat::Point> points, int color, int style,
                      int fill, int width);
// Connected lines through logical points under one pen, with the conventions of DrawLine; as
// the platform draws lines, the last point itself is left out.
void DrawPointPolyline(const PaintFrame& f, plat::Dc& dc, std::span<const plat::Point> points, int color,
                       int style, int width);
// The logical colour backgrounds are painted in (the footprint editor has its own).
int BackgroundColor(const PaintFrame& f);

}  // namespace pcb
