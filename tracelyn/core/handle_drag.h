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

// 1 and the handle remembered when the cursor lies on a handle of the one selected object.
int HitTestHandle();
// The handle HitTestHandle picked last.
int PickedHandle();
