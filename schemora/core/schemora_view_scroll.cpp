// The view's scroll bars and mouse wheel: they move the sheet point shown at the window centre.
// A scroll-bar position is applied when the scrolling ends, not while the thumb is dragged.
#include "schemora/core/schemora_view.h"

#include "platform/app/win_constants.h"
#include "schemora/core/current_document.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_state.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMetricUnits = 725;
constexpr int kMaxExtent = 32767;

struct PendingScroll {
    int pos[2] = {0, 0};
    bool active[2] = {false, false};
};
PendingScroll g_pendingScroll;

// The sheet's extent along one axis, in the units the scroll positions count.
int sheetExtent(bool horizontal)
{
    const SheetDimensions sheet = SheetSizeOf(g_current.sheetSize);
    const double size = horizontal ? sheet.width : sheet.height;
    const double extent = g_settings.units == kMetricUnits ? size * 2.54 : size * 4.0 / 3.0;
    return static_cast<int>(std::min(extent, static_cast<double>(kMaxExtent)));
}

}  // namespace

void CSchemoraView::scrollBy(int bar, unsigned code, unsigned pos)
{
    plat::ScrollInfo info;
    GetScrollInfo(bar, &info);
    const int range = std::max(1, info.max - info.min);
    int& pending = g_pendingScroll.pos[bar];
    if (!g_pendingScroll.active[bar]) {
        pending = info.pos;
        g_pendingScroll.active[bar] = true;
    }
    switch (code) {
    case plat::kSbLineLeft: pending -= range / 40; break;
    case plat::kSbLineRight: pending += range / 40; break;
    case plat::kSbPageLeft: pending -= range / 20; break;
    case plat::kSbPageRight: pending += range / 20; break;
    case plat::kSbThumbPosition:
    case plat::kSbThumbTrack: pending = static_cast<int>(pos); break;
    case plat::kSbEndScroll: break;
    default: return;
    }
    pending = std::clamp(pending, info.min, info.max);
    if (code != plat::kSbEndScroll)
        return;
    g_pendingScroll.active[bar] = false;
    LoadCurrentDocument();
    const bool horizontal = bar == plat::kSbHorz;
    const double extent = std::max(1, sheetExtent(horizontal));
    const int clientCentre = horizontal ? g_sheetView.clientCentreX : g_sheetView.clientCentreY;
    const int offset = ClampViewCentre(std::lround(((clientCentre + pending) / extent - 0.5) * (extent - clientCentre)));
    int& centre = horizontal ? g_current.viewCentreX : g_current.viewCentreY;
    const int change = offset - centre;
    centre = offset;
    if (CSchemoraDoc* doc = GetDocument())
        (horizontal ? doc->data().viewCentreX : doc->data().viewCentreY) = offset;
    // The selection frame stays over its objects on the screen.
    if (horizontal) {
        g_selection.frame.left -= change;
        g_selection.frame.right -= change;
    } else {
        g_selection.frame.top -= change;
        g_selection.frame.bottom -= change;
    }
    SetScrollPos(bar, pending);
    Invalidate(true);
}

void CSchemoraView::OnHScroll(unsigned code, unsigned pos, plat::Control*) { scrollBy(plat::kSbHorz, code, pos); }

void CSchemoraView::OnVScroll(unsigned code, unsigned pos, plat::Control*) { scrollBy(plat::kSbVert, code, pos); }

bool CSchemoraView::OnMouseWheel(unsigned, short delta, plat::Point)
{
    LoadCurrentDocument();
    plat::ScrollInfo info;
    GetScrollInfo(plat::kSbVert, &info);
    const long long limit = (info.max - info.min) / 2 - static_cast<long long>(info.page) / 2;
    const long long centre = static_cast<long long>(g_current.viewCentreY) - delta;
    // Beyond the sheet's edge the wheel does nothing.
    if (std::llabs(centre) > std::max(0LL, limit))
        return true;
    g_current.viewCentreY = ClampViewCentre(centre);
    if (CSchemoraDoc* doc = GetDocument())
        doc->data().viewCentreY = g_current.viewCentreY;
    Invalidate(true);
    return true;
}
