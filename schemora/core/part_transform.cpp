#include "schemora/core/part_transform.h"

#include <algorithm>

#include "common/rounding.h"
#include "schemora/core/current_document.h"
#include "schemora/core/symbol_elements.h"

#include <cmath>

PartOrigin g_partOrigin;

namespace {

constexpr double kRadiansPerTenth = 0.0017453529976437733;
constexpr int kMaxBlocks = 5;

}  // namespace

void TransformPartPoint(int lx, int ly, int* x, int* y, int orientation, int mirror)
{
    const int dx = lx + kSymbolOffsetX;
    const int dy = ly + kSymbolOffsetY;
    int rx = 0;
    int ry = 0;
    switch (orientation) {
    case 0: rx = dx; ry = dy; break;
    case 900: rx = -dy; ry = dx; break;
    case 1800: rx = -dx; ry = -dy; break;
    case 2700: rx = dy; ry = -dx; break;
    default: {
        const double r = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
        const double direction = std::atan2(static_cast<double>(dy), static_cast<double>(dx));
        const double angle = direction + orientation * kRadiansPerTenth;
        rx = RoundHalfTowardZero(r * std::cos(angle));
        ry = RoundHalfTowardZero(r * std::sin(angle));
        break;
    }
    }
    *x = g_partOrigin.x + (mirror ? -rx : rx);
    *y = g_partOrigin.y + ry;
}

int FindPartPin(int symbol, int* gates, int* count, int* first, int variant, int* header)
{
    if (symbol < 1 || symbol > g_partSymbols.count || g_symbolElements.elements.empty())
        return 0;
    const PartSymbol& entry = g_partSymbols.entries[symbol];
    const int start = entry.w[1];
    if (start < 1 || start > g_symbolElements.count)
        return 0;
    // The walk stays inside this symbol's own range: a variant the symbol does not draw is drawn
    // as its first, never as the next symbol's block.
    const int end = std::min(start + std::max(entry.w[2], 1) - 1, g_symbolElements.count);
    int index = start;
    for (int tries = 1, at = start; tries <= kMaxBlocks; ++tries) {
        const DrawObject& block = g_symbolElements[at];
        if (block.w[3] == variant) {
            index = at;
            break;
        }
        const int next = block.w[1] + 1;
        if (next <= at || next > end)
            break;
        at = next;
    }
    const DrawObject& block = g_symbolElements[index];
    *gates = block.w[4] > 0 ? block.w[4] : 1;
    *count = block.w[0];
    *first = index + 1;
    if (header)
        *header = index;
    return 1;
}
