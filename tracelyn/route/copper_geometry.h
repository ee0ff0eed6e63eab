#pragma once
// Distances between copper shapes in board units: a point, a segment of a trace (its centre
// line), a pad's box. Shared by the routers and the post-processing passes, which must never
// lay copper over copper of another trace.

#include "tracelyn/core/board_object.h"
#include "tracelyn/route/copper_pads.h"

#include <cstdint>

// Distance from (px, py) to the segment (ax, ay)-(bx, by).
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by);
// Distance between two segments (0 when they cross).
double SegmentsDistance(double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy);
// Distance from (px, py) to the pad's box (0 inside).
double PadBoxDistance(double px, double py, const CopperPad& pad);
// Distance from a segment to the pad's box (0 when it enters the box).
double SegmentPadDistance(double ax, double ay, double bx, double by, const CopperPad& pad);

// Whether a trace of `width` from (ax, ay) to (bx, by) overlaps trace object `o`.
bool TraceOverlapsTrace(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t width, const BoardObject& o);
// Whether it overlaps the pad.
bool TraceOverlapsPad(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t width, const CopperPad& pad);

// Whether a copper object of `layer` lies on routing layer `on` (layer 31 is on every layer).
constexpr bool SharesCopperLayer(int layer, int on) { return layer == on || layer == 31 || on == 31; }
constexpr bool IsCopperLayer(int layer) { return layer >= 0 && layer <= 15; }
