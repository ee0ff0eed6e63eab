// The package editor's scroll bars: they follow the view origin over the editor's work area,
// and moving one moves the origin when the scroll ends.
#include "tracelyn/workspace/package_editor.h"

#include "platform/app/dialog.h"
#include "platform/app/win_constants.h"
#include "resources/tracelyn/package_editor_ids.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/scroll_bars.h"

#include <algorithm>

namespace {

constexpr int kScrollExtent = 1000;

// The span the origin may take on one axis: the work area, a third more below the finest zoom.
int32_t scrollSpan(int axis)
{
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    int64_t span = axis == 0 ? area.width : area.height;
    if (g_board.zoomIndex < kMaxZoomIndex)
        span = span * 4 / 3;
    if (MetricUnits())
        span = span * 254 / 100;
    return static_cast<int32_t>(std::max<int64_t>(span, 1));
}

}  // namespace

void CLibPartEditorDlg::updateScrollBars()
{
    const plat::Rect r = g_view.clientRect;
    const int32_t divisor = std::max(g_view.zoomDivisor, 1);
    for (int axis = 0; axis < 2; ++axis) {
        plat::Control* bar = GetDlgItem(axis == 0 ? tly::kIdcEditorHScroll : tly::kIdcEditorVScroll);
        if (bar == nullptr)
            continue;
        const int32_t span = scrollSpan(axis);
        const int64_t pixels = axis == 0 ? r.right - r.left : r.bottom - r.top;
        plat::ScrollInfo info;
        info.min = 0;
        info.max = kScrollExtent;
        info.page = static_cast<unsigned>(std::clamp<int64_t>(pixels * divisor * kScrollExtent / span, 1, kScrollExtent));
        info.pos = ScrollPositionOfOrigin(axis == 0 ? g_board.viewOriginX : g_board.viewOriginY, span, kScrollExtent);
        bar->SetScrollInfo(info);
    }
}

void CLibPartEditorDlg::scroll(int axis, unsigned code, unsigned pos)
{
    plat::Control* bar = GetDlgItem(axis == 0 ? tly::kIdcEditorHScroll : tly::kIdcEditorVScroll);
    if (bar == nullptr)
        return;
    const int line = axis == 0 ? std::max(kScrollExtent / 400, 1) : kScrollExtent / 40;
    const int page = kScrollExtent / 20;
    const std::optional<int> reached =
        StepPendingScroll(pendingScroll_[axis], bar->GetPos(), code, pos, line, page, kScrollExtent);
    if (!reached)
        return;
    const int32_t origin = OriginOfScrollPosition(*reached, scrollSpan(axis), kScrollExtent);
    int32_t& target = axis == 0 ? g_board.viewOriginX : g_board.viewOriginY;
    const int32_t change = origin - target;
    target = origin;
    ShiftRubberBand(axis == 0 ? -change : 0, axis == 1 ? -change : 0);
    RedrawDrawingArea();
}

void CLibPartEditorDlg::OnHScroll(unsigned code, unsigned pos, plat::Control*)
{
    scroll(0, code, pos);
}

void CLibPartEditorDlg::OnVScroll(unsigned code, unsigned pos, plat::Control*)
{
    scroll(1, code, pos);
}
