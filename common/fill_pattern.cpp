#include "common/fill_pattern.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"

void PaintFillPattern(plat::Dc& dc, const plat::Rect& rect, int pattern, plat::ColorRef color)
{
    if (pattern == 1)
        dc.FillRect(rect, plat::Brush::solid(color));
    else if (pattern >= 2 && pattern < kFillPatternCount)
        dc.FillRect(rect, plat::Brush::hatched(pattern - 2, color));
}
