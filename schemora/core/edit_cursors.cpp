#include "schemora/core/edit_cursors.h"

#include "platform/app/win_constants.h"
#include "schemora/core/edit_state.h"

#include <cstdlib>

std::optional<plat::Cursor> ResizeCursorOf(const DrawObject& o, int k)
{
    if (k < 0 || k >= g_selection.handleCount)
        return std::nullopt;
    const plat::Point h = g_selection.handles[static_cast<size_t>(k)];
    plat::Point from;
    switch (o.type()) {
    case kObjLine:
    case kObjArrow:
    case kObjBus:
        from = k == 0 ? plat::Point{o.w[2], o.w[3]} : plat::Point{o.x(), o.y()};
        break;
    case kObjRectangle:
    case kObjRoundRect:
    case kObjTriangle: {
        long long sx = 0, sy = 0;
        for (int i = 0; i < g_selection.handleCount; ++i)
            sx += g_selection.handles[static_cast<size_t>(i)].x, sy += g_selection.handles[static_cast<size_t>(i)].y;
        from = {static_cast<int>(sx / g_selection.handleCount), static_cast<int>(sy / g_selection.handleCount)};
        break;
    }
    default: return std::nullopt;
    }
    const long long dx = static_cast<long long>(h.x) - from.x, dy = static_cast<long long>(h.y) - from.y;
    if (dx == 0 && dy == 0)
        return plat::LoadStandardCursor(plat::kIdcSizeAll);
    if (dy == 0 || std::llabs(dx) > 4 * std::llabs(dy))
        return plat::LoadStandardCursor(plat::kIdcSizeWE);
    if (dx == 0 || std::llabs(dy) > 4 * std::llabs(dx))
        return plat::LoadStandardCursor(plat::kIdcSizeNS);
    return plat::LoadStandardCursor((dx > 0) == (dy > 0) ? plat::kIdcSizeNWSE : plat::kIdcSizeNESW);
}

plat::Cursor HandleCursorOf(const DrawObject& o, int k)
{
    return ResizeCursorOf(o, k).value_or(MoveCursor());
}

plat::Cursor MoveCursor() { return plat::LoadStandardCursor(plat::kIdcSizeAll); }
