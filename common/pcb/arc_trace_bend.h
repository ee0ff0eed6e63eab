#pragma once
// The bend of an arc trace, shared by the painter, the copper fill and the Gerber plotter so
// that all three draw the same corner: from the first end a straight run along the longer axis
// until the offsets left to the second end are equal, then a quarter arc.

#include <cstdint>
#include <cstdlib>

namespace pcb {

struct ArcTraceBend {
    int64_t x = 0, y = 0;   // where the run ends and the arc begins
    int64_t run = 0;        // 0 when the ends already lie on a diagonal
};

// For ends that differ in both x and y (a trace along an axis has no bend).
inline ArcTraceBend ArcTraceBendOf(int64_t x1, int64_t y1, int64_t x2, int64_t y2)
{
    const int64_t dx = x2 - x1, dy = y2 - y1;
    const int64_t run = std::abs(std::abs(dx) - std::abs(dy));
    if (std::abs(dx) > std::abs(dy))
        return {x1 + (dx > 0 ? run : -run), y1, run};
    return {x1, y1 + (dy > 0 ? run : -run), run};
}

}  // namespace pcb
