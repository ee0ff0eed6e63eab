#pragma once
// The handles of the one selected object and reshaping it by dragging one of them.

#include <cstdint>
#include <vector>

struct HandlePoint {
    int32_t x = 0;
    int32_t y = 0;
};

// The handle points (board units) of object `index` that can be dragged: trace and arc ends,
// rectangle corners then edge middles, ellipse box corners then radius points, polygon
// vertices, outline segment starts. Empty for other kinds.
std::vector<HandlePoint> HandlePoints(int index);

// The last trace-like object (trace, arc, rats-nest line and the like) other than `index` with
// an end on (x, y) as the screen shows it, and which end (0 first point, 3 second); index 0 when
// none.
struct TraceEnd {
    int index = 0;
    int end = 0;
};
TraceEnd FindTraceAtEnd(int index, int32_t x, int32_t y);
// The first pad whose box holds (x, y); 0 when none.
int FindPadAtEnd(int32_t x, int32_t y);

// 1 and the handle remembered when the cursor lies on a handle of the one selected object.
int HitTestHandle();
// The handle HitTestHandle picked last.
int PickedHandle();
