#include "tracelyn/core/scroll_bars.h"


#include <algorithm>
#include <cmath>

int ScrollPositionOfOrigin(int32_t origin, int32_t workAreaSize, int extent)
{
    if (workAreaSize <= 0 || extent <= 0)
        return 0;
    const double position = (static_cast<double>(origin) / workAreaSize + 0.5) * extent;
    return static_cast<int>(std::clamp(std::floor(position + 0.5), 0.0, static_cast<double>(extent)));
}

int32_t OriginOfScrollPosition(int position, int32_t workAreaSize, int extent)
{
    if (extent <= 0)
        return 0;
    return static_cast<int32_t>((static_cast<double>(position) / extent - 0.5) * workAreaSize);
}
