#pragma once
// Style changes of drawn objects: the current styles written into the selection, and the
// polygon reshaped when its edge count changes.

#include "schemora/core/draw_object.h"

#include <span>

// What ApplyStyleToSelection writes: the line style, the fill pattern, the width, or (3392)
// the text tool's font into texts.
inline constexpr int kApplyLineStyle = 2;
inline constexpr int kApplyFill = 3;
inline constexpr int kApplyWidth = 4;
inline constexpr int kApplyFont = 3392;

// Writes the current defaults into every selected object that has that style, after one undo
// snapshot, and reports "Changed %d object(s)" or "No objects changed". Returns the number
// changed. Fill goes only to the kinds that are filled (an arrow keeps its heads in that word).
int ApplyStyleToSelection(std::span<const int> whats);
int ApplyStyleToSelection(int what);

// The kinds a style dialog or the selection change may touch.
bool HasLineStyle(int type);
bool HasFill(int type);

// The low byte of word 6 is the width; the colour byte above it stays.
void SetObjectWidth(DrawObject& o, int width);
inline int ObjectWidth(const DrawObject& o) { return o.w[6] & 0xFF; }

// Turns a selected triangle or polygon into a triangle (3 edges) or a regular polygon of
// edges vertices on layer. A polygon becoming a triangle gets the square box about its circle;
// a triangle becoming a polygon is centred in its box; a polygon of at most ten vertices whose
// count changes is rebuilt round its centre with the radius of its first vertex. False, and
// nothing changed, when the point block cannot be had.
bool SetPolygonEdges(DrawObject& o, int edges, int layer);

// The regular polygon tool: o's vertices on the circle of radius r round its first point, the
// first at the top.
void PlaceRegularPolygon(DrawObject& o, int r);

inline constexpr int kMinPolygonEdges = 3;
