#pragma once
// The eight fill patterns of drawn shapes as their swatches show them: 0 hollow, 1 solid, 2 to 7
// the hatch styles 0 to 5; a pattern outside 0 to 7 paints nothing.

#include "platform/gdi/gdi_types.h"

namespace plat { class Dc; }

inline constexpr int kFillPatternCount = 8;

void PaintFillPattern(plat::Dc& dc, const plat::Rect& rect, int pattern, plat::ColorRef color);
