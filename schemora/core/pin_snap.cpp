#include "schemora/core/pin_snap.h"

#include "platform/gdi/dc.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/hit_testing.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/part_pins.h"
#include "schemora/core/sheet_painter.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kSideDistance = 25;
constexpr int kPartsSwitch = 8;
constexpr int kPartsOnlyFilter = 719;

struct PinSnapMarker {
    bool shown = false;
    plat::Rect box;      // drawing units
};
PinSnapMarker g_marker;

void drawMarker(plat::Dc& dc)
{
    DrawObjectInMode(dc, 0, kModeInvert);
    const ScopedPen pen(dc, MakePen(kRoleEdit, 0, 1));
    const ScopedBrush brush(dc, plat::stockBrush(plat::kNullBrush));
    dc.Rectangle(g_marker.box.left, g_marker.box.top, g_marker.box.right, g_marker.box.bottom);
    DrawObjectInMode(dc, 0, kModeCopy);
}

// The hit part, searched with only the "Library Parts" filter switch on; the selection and the
// filter are left as they were.
int partUnderCursor()
{
    const EditFilter savedFilter = g_editFilter;
    const int savedId = g_selection.filterId;
    const int savedCount = g_editState.selectionCount;
    const int savedFirst = g_editState.SelectionList[1];
    const plat::Rect savedExtent = g_selection.hitExtent;
    g_editFilter.on.fill(0);
    g_editFilter.on[kPartsSwitch] = 1;
    g_selection.filterId = kPartsOnlyFilter;
    const int hit = HitTestObject(1, g_current.count);
    g_editFilter = savedFilter;
    g_selection.filterId = savedId;
    g_editState.selectionCount = savedCount;
    g_editState.SelectionList[1] = savedFirst;
    g_selection.hitExtent = savedExtent;
    return hit;
}

}  // namespace

void ErasePinSnapMarker(plat::Dc& dc)
{
    if (!g_marker.shown)
        return;
    drawMarker(dc);
    g_marker.shown = false;
}

bool ShowPinSnapMarker(plat::Dc& dc)
{
    ErasePinSnapMarker(dc);
    const int part = partUnderCursor();
    if (!part)
        return false;
    const DrawObject& o = g_current.objects[static_cast<size_t>(part)];
    const plat::Rect e = PartExtent(o);
    const plat::Point p = CursorDrawingPoint();
    const bool nearSide = std::abs(p.x - e.left) <= kSideDistance || std::abs(p.x - e.right) <= kSideDistance;
    const bool nearEdge = std::abs(p.y - e.top) <= kSideDistance || std::abs(p.y - e.bottom) <= kSideDistance;
    if (!nearSide && !nearEdge)
        return false;
    for (const PinLead& pin : PartPinLeads(o)) {
        const bool horizontal = pin.y1 == pin.y2;
        const bool vertical = pin.x1 == pin.x2;
        if (!((horizontal && nearSide) || (vertical && nearEdge)))
            continue;
        if (std::abs(pin.x1 - p.x) > kSideDistance || std::abs(pin.y1 - p.y) > kSideDistance)
            continue;
        const plat::Point v = DrawingToView(pin.x1, pin.y1);
        g_cursor.x = v.x;
        g_cursor.y = v.y;
        const int h = 2 * g_current.zoom() + 2;
        g_marker.box = {pin.x1 - h, pin.y1 - h, pin.x1 + h, pin.y1 + h};
        g_marker.shown = true;
        drawMarker(dc);
        return true;
    }
    return false;
}
