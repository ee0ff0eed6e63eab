#pragma once
// What the via optimiser's stages share: whether copper touches a trace, whether a via may go,
// and the part pads of the board being optimised.

#include "tracelyn/route/copper_pads.h"

#include <cstdint>
#include <vector>

// Whether copper object k (a trace or a free pad) overlaps the trace (ax, ay)-(bx, by) of
// `width` on `layer`.
bool OptimizerTraceTouches(int k, int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t width, int layer);
// Whether via `index` may go: no part pad needs it and every trace it touches passes through
// its centre on one and the same layer.
bool OptimizerViaCanGo(int index);
// The part pads of the board, gathered when the optimiser starts.
std::vector<CopperPad>& OptimizerPartPads();
