#pragma once
// The primitive painters of the schematic: every shape a drawing or a symbol is made of.
// Coordinates are sheet units; colour is a colour role, or kDirectColor with the palette index
// in bits 8-15 of the width word. Each painter selects its own pen and brush and leaves the DC
// with the objects it found selected.

#include "platform/gdi/dc.h"

#include <span>

void DrawLine(plat::Dc& dc, int x1, int y1, int x2, int y2, int role, int style, int width);
// A wide non-solid orthogonal line drawn as parallel one-unit lines, one per zoom step.
void DrawStyledLine(plat::Dc& dc, int x1, int y1, int x2, int y2, int role, int style, int width);
void DrawRect(plat::Dc& dc, int x1, int y1, int x2, int y2, int role, int style, int fill, int width);
// A rectangle object: four styled sides when the pen style is not solid.
void DrawRectObject(plat::Dc& dc, int x1, int y1, int x2, int y2, int role, int style, int fill,
                    int width);
// The rectangle's corners rotated about (cx, cy) by angle radians, as a polygon.
void DrawRotatedRect(plat::Dc& dc, int cx, int cy, int x1, int y1, int x2, int y2, int role,
                     int style, int fill, int width, double angle, bool mirror);
void DrawRoundRect(plat::Dc& dc, int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight,
                   int role, int style, int fill, int width);
// A rounded rectangle rotated about (cx, cy) by angle radians: its corners as three chords.
void DrawRotatedRoundRect(plat::Dc& dc, int cx, int cy, int x1, int y1, int x2, int y2, int role,
                          int style, int fill, int width, double angle, bool mirror);
void DrawEllipse(plat::Dc& dc, int cx, int cy, int rx, int ry, int role, int style, int fill, int width);
// A quarter-ellipse arc from (x1, y1) to (x2, y2); bulge 20 to 30 shapes small arcs.
void DrawArc(plat::Dc& dc, int x1, int y1, int x2, int y2, int role, int style, int bulge, int width);
// A box that holds all DrawArc draws for these ends and bulge: the ends and the box of the
// ellipse the arc is taken from.
plat::Rect ArcOuterBox(int x1, int y1, int x2, int y2, int bulge);
// An arrow: head style in bits 0-7 of the arrow word, a second head at the start when bits 8-15
// are not 0. headLength 0 takes the length from the style and width.
// The direction of an arrow's shaft in radians (straight up or down when the ends lie less
// than 2 units apart in x).
double ArrowShaftAngle(int x1, int y1, int x2, int y2);
void DrawArrowLine(plat::Dc& dc, int x1, int y1, int x2, int y2, int role, int style, int arrowWord,
                   int width, int headLength);
// A triangle on the box (x1, y1)-(x2, y2), pointing at x2, turned about (cx, cy) by angle tenths
// of a degree.
void DrawTriangle(plat::Dc& dc, int cx, int cy, int x1, int y1, int x2, int y2, int role, int style,
                  int fill, int width, int angle, bool mirror);
void DrawPolygon(plat::Dc& dc, std::span<const plat::Point> points, int role, int style, int fill,
                 int width);
// The hollow square end mark of a labelled wire.
void DrawTerminalMark(plat::Dc& dc, int x, int y);
