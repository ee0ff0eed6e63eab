#include "tracelyn/core/edge_scroll.h"

#include "platform/app/win_constants.h"
#include "platform/app/wnd.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"

#include <algorithm>
#include <cstdint>

namespace {

// Logical units of the edge band at divisor 1 and ten board units a logical unit.
constexpr int kEdgeBand = 120;
// Metric mode draws the board 2.54 times larger: the origin may go about three times as far.
constexpr int64_t kMetricReach = 3;

int32_t divisor()
{
    return std::max(g_view.zoomDivisor, 1);
}

// The new origin on one axis: a step of `visible` / n, inside the work area less a quarter of
// the window.
int32_t steppedOrigin(int32_t origin, int visible, int32_t areaSize, int n, bool backwards)
{
    const int64_t window = int64_t{visible} * divisor();
    int64_t step = window / std::max(n, 1);
    if (backwards)
        step = -step;
    int64_t limit = areaSize / 2 - window / 4;
    if (MetricUnits())
        limit *= kMetricReach;
    limit = std::max<int64_t>(limit, 0);
    return static_cast<int32_t>(std::clamp<int64_t>(origin + step, -limit, limit));
}

}  // namespace

int EdgeScrollMargin()
{
    return kEdgeBand / divisor() / std::max(ScreenLength(10), 1);
}

void AutoScrollAtEdge(plat::Wnd& view, int n, int direction)
{
    const plat::Rect client = view.clientRect();
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    const int32_t oldX = g_board.viewOriginX, oldY = g_board.viewOriginY;
    if (direction == kEdgeLeft || direction == kEdgeRight)
        g_board.viewOriginX = steppedOrigin(oldX, client.width(), area.width, n, direction == kEdgeLeft);
    else
        g_board.viewOriginY = steppedOrigin(oldY, client.height() - 1, area.height, n, direction == kEdgeUp);
    // The band is kept in window units: it moves against the board.
    ShiftRubberBand(oldX - g_board.viewOriginX, oldY - g_board.viewOriginY);
    if (!g_footprintEditor.open && g_active.data != nullptr) {
        g_active.data->viewOriginX = g_board.viewOriginX;
        g_active.data->viewOriginY = g_board.viewOriginY;
    }
    g_pointer.edgeScrolled = true;
    view.RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

bool ScrollAtEdge(plat::Wnd& view, unsigned flags, int px, int py)
{
    if ((flags & plat::kMkRButton) == 0 || g_pointer.edgeScrolled)
        return false;
    const int m = EdgeScrollMargin();
    const plat::Rect r = view.clientRect();
    int direction = -1;
    if (px <= r.left + m)
        direction = kEdgeLeft;
    else if (px > r.right - m)
        direction = kEdgeRight;
    else if (py > r.bottom - 1 - m)
        direction = kEdgeDown;
    else if (py <= r.top + m)
        direction = kEdgeUp;
    if (direction < 0)
        return false;
    AutoScrollAtEdge(view, kEdgeScrollDivisor, direction);
    return true;
}

void EndEdgeScroll()
{
    g_pointer.edgeScrolled = false;
}
