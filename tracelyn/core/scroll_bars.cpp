#include "tracelyn/core/scroll_bars.h"

#include "platform/app/win_constants.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

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

int ScrollPageOfWindow(int64_t windowLogical, int32_t workAreaSize, int extent)
{
    if (workAreaSize <= 0 || extent <= 0 || windowLogical <= 0)
        return 1;
    const double page = static_cast<double>(windowLogical) / workAreaSize * extent;
    return static_cast<int>(std::clamp(std::floor(page), 1.0, static_cast<double>(extent)));
}

int NextScrollPosition(int position, unsigned code, unsigned thumb, int line, int page)
{
    switch (code) {
    case plat::kSbLineLeft: return position - line;
    case plat::kSbLineRight: return position + line;
    case plat::kSbPageLeft: return position - page;
    case plat::kSbPageRight: return position + page;
    case plat::kSbThumbPosition:
    case plat::kSbThumbTrack: return static_cast<int>(thumb);
    default: return position;
    }
}

std::optional<int> StepPendingScroll(int& pending, int current, unsigned code, unsigned thumb, int line, int page,
                                     int extent)
{
    if (pending < 0)
        pending = current;
    if (code != plat::kSbEndScroll) {
        // Held to the bar at every step: a page past its start must not read as no scroll.
        pending = std::clamp(NextScrollPosition(pending, code, thumb, line, page), 0, std::max(extent, 0));
        return std::nullopt;
    }
    const int reached = std::clamp(pending, 0, extent);
    pending = -1;
    return reached;
}
