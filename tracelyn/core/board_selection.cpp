#include "tracelyn/core/board_selection.h"

#include "platform/gdi/dc.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_hit_test.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_painter.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_primitives.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/handle_drag.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/text_entry.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <cstdio>

namespace {

int32_t handleSize()
{
    return g_view.zoomDivisor * 6;
}

// Sets up an inverting hollow rectangle in the mark colour; restores the DC when done.
class InvertPen {
public:
    explicit InvertPen(plat::Dc& dc) : dc_(dc), saved_(dc.SaveDC())
    {
        dc.SetROP2(plat::kR2Not);
        dc.SelectObject(plat::Pen(plat::kPsSolid, 0, GetLayerColor(ColorMapEntry(kMarkColor))));
        dc.SelectObject(plat::Brush::hollow());
        dc.SelectClipRgn(nullptr);
        ClipToWorkArea(dc, g_boardSettings.rulers != 0);
    }
    ~InvertPen() { dc_.RestoreDC(saved_); }
    InvertPen(const InvertPen&) = delete;
    InvertPen& operator=(const InvertPen&) = delete;

private:
    plat::Dc& dc_;
    int saved_;
};

// A square handle about a board point.
void handleAt(plat::Dc& dc, int32_t x, int32_t y, int32_t half)
{
    WorldToScreen(x, y);
    dc.Rectangle(x - half, y - half, x + half, y + half);
}

void boxHandles(plat::Dc& dc, const BoardBox& b, int32_t half)
{
    handleAt(dc, b.left, b.top, half);
    handleAt(dc, b.right, b.top, half);
    handleAt(dc, b.right, b.bottom, half);
    handleAt(dc, b.left, b.bottom, half);
}

// The cursor-space rectangle of a board box, corners ordered and enlarged by 1.
plat::Rect cursorRectOf(const BoardBox& b)
{
    int32_t l = b.left, t = b.top, r = b.right, bo = b.bottom;
    BoardToCursorSpace(l, t);
    BoardToCursorSpace(r, bo);
    return plat::Rect{std::min(l, r) - 1, std::min(t, bo) - 1, std::max(l, r) + 1, std::max(t, bo) + 1};
}

void drawBand(plat::Dc& dc)
{
    InvertPen pen(dc);
    const plat::Rect b = g_gesture.band.normalized();
    const int32_t ox = g_board.viewOriginX - g_view.clientCentreX;
    const int32_t oy = g_board.viewOriginY - g_view.clientCentreY;
    const int32_t minSide = g_boardSettings.rulers != 0 ? 16 : 0;
    const int right = std::max(b.right, b.left + minSide), bottom = std::max(b.bottom, b.top + minSide);
    dc.Rectangle(b.left + ox, b.top + oy, right + ox, bottom + oy);
}

void setExtents(const BoardBox& b)
{
    g_gesture.extentLeft = b.left;
    g_gesture.extentTop = b.top;
    g_gesture.extentRight = b.right;
    g_gesture.extentBottom = b.bottom;
}

int selectClick(plat::Dc& dc)
{
    g_gesture.band = {g_view.cursorX, g_view.cursorY, g_view.cursorX, g_view.cursorY};
    g_gesture.multi = false;
    g_gesture.partRubberBand = false;
    g_gesture.bandActive = false;
    g_gesture.bandShown = false;
    std::fill(g_selection.list.begin(), g_selection.list.begin() + std::min<size_t>(g_selection.list.size(), static_cast<size_t>(std::max(g_board.count, 0)) + 1), 0);
    HitTestObject(1, g_board.count);
    if (g_selection.count == 0)
        return 0;
    const int index = g_selection.list[1];
    if (g_boardSettings.rubber != 0 && g_board.objects[index].isPart())
        g_gesture.partRubberBand = true;
    DrawObjectHandles(dc, index);
    g_gesture.selectionRect = cursorRectOf({g_gesture.extentLeft, g_gesture.extentTop, g_gesture.extentRight, g_gesture.extentBottom});
    return 1;
}

int selectBand(plat::Dc& dc)
{
    if (g_gesture.bandActive && g_gesture.bandShown)
        drawBand(dc);
    g_gesture.band.right = g_view.cursorX;
    g_gesture.band.bottom = g_view.cursorY;
    g_gesture.bandActive = true;
    g_gesture.multi = true;
    drawBand(dc);
    g_gesture.bandShown = true;
    return 1;
}

int selectWindow(plat::Dc& dc)
{
    if (g_gesture.bandShown)
        drawBand(dc);
    g_gesture.bandShown = false;
    g_gesture.band.right = g_view.cursorX;
    g_gesture.band.bottom = g_view.cursorY;
    const plat::Rect w = g_gesture.band.normalized();
    int32_t l = w.left, t = w.top, r = w.right, b = w.bottom;
    CursorSpaceToBoard(l, t);
    CursorSpaceToBoard(r, b);
    int n = 0;
    BoardBox extent{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    const int last = std::min(g_board.count, std::min(g_board.capacity - 1, static_cast<int>(g_selection.list.size()) - 1));
    for (int i = 1; i <= last; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() == kKindDeleted || o.kind() == kKindOutline || o.kind() == kKindMarker)
            continue;
        if (o.w[0] < l || o.w[0] > r || o.w[1] < t || o.w[1] > b)
            continue;
        if (!IsObjectOnEditableLayer(i) || !IsKindSelectable(i))
            continue;
        g_selection.list[static_cast<size_t>(++n)] = i;
        const BoardBox e = GetObjectExtent(i, kExtentPlain);
        extent = {std::min(extent.left, e.left), std::min(extent.top, e.top), std::max(extent.right, e.right),
                  std::max(extent.bottom, e.bottom)};
    }
    g_selection.count = n;
    g_gesture.bandActive = false;
    if (n == 0)
        return 0;
    setExtents(extent);
    char text[64];
    if (n == 1)
        std::snprintf(text, sizeof text, "Selected 1 object");
    else
        std::snprintf(text, sizeof text, "Selected %d objects", n);
    SetStatusText(text, kPaneMessage);
    g_gesture.multi = true;
    g_gesture.selectionRect = w;
    drawBand(dc);
    g_gesture.bandShown = true;
    if (n == 1 && g_boardSettings.rubber != 0 && g_board.objects[g_selection.list[1]].isPart())
        g_gesture.partRubberBand = true;
    return 0;
}

}  // namespace

int SelectAtPoint(plat::Dc& dc, int mode)
{
    if (g_board.objects == nullptr || g_selection.list.size() < 2)
        return 0;
    switch (mode) {
    case kSelectClick: return selectClick(dc);
    case kSelectBand: return selectBand(dc);
    case kSelectWindow: return selectWindow(dc);
    default: return 0;
    }
}

int IsObjectSelected(int count, int savedFirst)
{
    const int32_t now = g_selection.list[1];
    if (now == savedFirst)
        return 1;
    for (int i = 2; i <= count && i < static_cast<int>(g_selection.list.size()); ++i)
        if (g_selection.list[static_cast<size_t>(i)] == now)
            return 1;
    return 0;
}

void ComputeSelectionExtent(int n)
{
    BoardBox extent{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    n = std::min(n, static_cast<int>(g_selection.list.size()) - 1);
    for (int i = 1; i <= n; ++i) {
        const BoardBox e = GetObjectExtent(g_selection.list[static_cast<size_t>(i)], kExtentWithLabel);
        extent = {std::min(extent.left, e.left), std::min(extent.top, e.top), std::max(extent.right, e.right),
                  std::max(extent.bottom, e.bottom)};
    }
    if (n < 1)
        extent = {};
    setExtents(extent);
    g_gesture.band = cursorRectOf(extent);
}

void ComputeSelectionRect(int n)
{
    ComputeSelectionExtent(n);
    const int32_t h = handleSize();
    const plat::Rect& b = g_gesture.band;
    g_gesture.selectionRect = {b.left - h, b.top - h, b.right + h, b.bottom + h};
}

void DrawObjectHandles(plat::Dc& dc, int index)
{
    if (g_board.objects == nullptr || index < 1 || index >= g_board.capacity)
        return;
    const BoardObject& o = g_board.objects[index];
    const int32_t half = handleSize();
    InvertPen pen(dc);
    const std::vector<HandlePoint> points = HandlePoints(index);
    const int32_t size = o.kind() == kKindOutline ? 2 * half : half;
    for (const HandlePoint& p : points)
        handleAt(dc, p.x, p.y, size);
    switch (o.kind()) {
    case kKindText:
        boxHandles(dc, GetObjectExtent(index, kExtentRotatedText), half);
        break;
    case kKindPad: {
        const BoardBox b = GetObjectExtent(index, kExtentPlain);
        int32_t l = b.left, t = b.top, r = b.right, bo = b.bottom;
        WorldToScreen(l, t);
        WorldToScreen(r, bo);
        dc.Rectangle(l, t, r, bo);
        break;
    }
    default:
        if (o.isPart()) {
            const BoardBox b = GetObjectExtent(index, kExtentPlain);
            int32_t l = b.left, t = b.top, r = b.right, bo = b.bottom;
            WorldToScreen(l, t);
            WorldToScreen(r, bo);
            dc.Rectangle(l, t, r, bo);
            int32_t lx = 0, ly = 0;
            const CurrentPart saved = g_partPosition;
            g_partPosition = {o.w[0], o.w[1]};
            TransformPoint(o.w[2], o.w[3], lx, ly, o.w[6] & 0xFFF, (o.w[6] >> 12) & 1, true);
            g_partPosition = saved;
            handleAt(dc, lx, ly, half);
        }
        break;
    }
}

void DrawRubberBand(plat::Dc& dc, int left, int top, int right, int bottom)
{
    g_gesture.band = {left, top, right, bottom};
    drawBand(dc);
}

void ToggleSelectionMarks(plat::Dc& dc)
{
    if (g_selection.count == 1 && !g_gesture.multi)
        DrawObjectHandles(dc, g_selection.list[1]);
    else if (g_selection.count >= 1 && g_gesture.bandShown)
        drawBand(dc);
}

void ForgetSelection()
{
    g_selection.count = 0;
    g_gesture.multi = false;
    g_gesture.bandShown = false;
}

void ClearSelection(plat::Dc& dc)
{
    if (!g_gesture.frameHidden)
        ToggleSelectionMarks(dc);
    ForgetSelection();
    g_gesture.bandActive = false;
    g_gesture.frameHidden = false;
    g_gesture.partRubberBand = false;
}

void RedrawSelection(plat::Dc& dc, int mode)
{
    const int n = std::min(g_selection.count, static_cast<int>(g_selection.list.size()) - 1);
    for (int i = 1; i <= n; ++i)
        PaintObject(dc, g_selection.list[static_cast<size_t>(i)], mode);
}

void HighlightSelection(plat::Dc& dc)
{
    const int n = std::min(g_selection.count, static_cast<int>(g_selection.list.size()) - 1);
    for (int i = 1; i <= n; ++i)
        DrawObjectHandles(dc, g_selection.list[static_cast<size_t>(i)]);
    g_gesture.tool = kToolSelectAll;
}

bool InSelectionRect(int x, int y, int margin)
{
    const plat::Rect r = g_gesture.selectionRect.normalized();
    return x >= r.left - margin && x <= r.right + margin && y >= r.top - margin && y <= r.bottom + margin;
}

// Hooks the painter and the zoom code call.

void DrawSelectionMarks(plat::Dc& dc)
{
    if (!g_gesture.frameHidden && g_selection.count >= 1)
        ToggleSelectionMarks(dc);
    if (TextEntryActive()) {
        DrawTextCaret(dc);
        DrawTextFrame(dc);
    }
}

void ClearSelectionModes()
{
    g_gesture.multi = false;
    g_gesture.bandShown = false;
    g_gesture.bandActive = false;
    g_gesture.frameHidden = false;
    g_gesture.dragging = false;
    g_gesture.handleDrag = false;
    g_gesture.partRubberBand = false;
}

void ShiftRubberBand(int dx, int dy)
{
    g_gesture.band = {g_gesture.band.left + dx, g_gesture.band.top + dy, g_gesture.band.right + dx,
                      g_gesture.band.bottom + dy};
    g_gesture.selectionRect = {g_gesture.selectionRect.left + dx, g_gesture.selectionRect.top + dy,
                               g_gesture.selectionRect.right + dx, g_gesture.selectionRect.bottom + dy};
}
