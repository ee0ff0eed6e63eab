#include "tracelyn/core/handle_drag.h"

#include "common/rounding.h"
#include "platform/gdi/dc.h"
#include "tracelyn/core/board_cursor.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_painter.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/pin_snap.h"
#include "tracelyn/core/selection_move.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

struct HandleDrag {
    int handle = -1;
    int code = 0;
    bool started = false;
    bool ghost = false;
    int trace = 0;          // the trace whose end touches the dragged end (rubber-banding)
    int traceEnd = 0;       // 0: its first point, 3: its second point
    int pad = 0;            // the pad under the dragged end (rubber-banding)
};
HandleDrag g_drag;

// Two ends meet when they fall within 20 board units of each other on the screen.
constexpr int32_t kEndMatchUnits = 20;

bool isTraceKind(int kind)
{
    return kind == kKindLine || kind == 5 || kind == 9 || kind == kKindArc || kind == kKindNoRoute;
}

bool endsMeet(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    const int32_t reach = std::max(ScreenLength(kEndMatchUnits), 0);
    WorldToScreen(x1, y1);
    WorldToScreen(x2, y2);
    return std::abs(x1 - x2) <= reach && std::abs(y1 - y2) <= reach;
}

// The dragged end of a trace: its first point for code 0, else its second.
HandlePoint traceEnd(const BoardObject& o, int code)
{
    return code == 0 ? HandlePoint{o.w[0], o.w[1]} : HandlePoint{o.w[2], o.w[3]};
}

void setTraceEnd(BoardObject& o, int end, HandlePoint p)
{
    o.w[end == 0 ? 0 : 2] = p.x;
    o.w[end == 0 ? 1 : 3] = p.y;
}

// Rectangle handles 0 and 1 are the two corners, 2 and 3 the other two.
int rectangleCode(int handle)
{
    switch (handle) {
    case 0: return 8;
    case 1: return 9;
    case 2: return 1;
    case 3: return 2;
    default: return handle;
    }
}

void reshapeEllipse(BoardObject& o, int handle, int32_t px, int32_t py)
{
    if (handle <= 3) {
        const int32_t ry = o.w[3] == 0 ? 1 : o.w[3];
        const double q = std::abs(double(o.w[2]) / ry);
        const double s = double(px - o.w[0]) * (px - o.w[0]) + double(py - o.w[1]) * (py - o.w[1]);
        if (s > 0) {
            o.w[3] = static_cast<int32_t>(std::sqrt(s) * 0.7072135785);
            o.w[2] = static_cast<int32_t>(o.w[3] * q);
        }
    } else if (handle <= 5) {
        o.w[2] = std::abs(o.w[0] - px);
    } else {
        o.w[3] = std::abs(o.w[1] - py);
    }
    if (o.w[2] < 2)
        o.w[2] = 1;
}

void reshapeOutline(BoardObject& o, int handle, int32_t px, int32_t py)
{
    int32_t* s = o.points();
    const int n = std::clamp(o.w[2], 0, kMaxOutlineSegments);
    if (s == nullptr || handle >= n)
        return;
    s[handle * kSegmentWords] = px;
    s[handle * kSegmentWords + 1] = py;
    const int before = handle == 0 ? n - 1 : handle - 1;
    s[before * kSegmentWords + 2] = px;
    s[before * kSegmentWords + 3] = py;
}

void reshapeByCode(BoardObject& o, int code, int32_t px, int32_t py)
{
    const int32_t x0 = o.w[0], y0 = o.w[1], x1 = o.w[0] + o.w[2], y1 = o.w[1] + o.w[3];
    switch (code) {
    case 0: o.w[0] = px; o.w[1] = py; break;
    case 1: o.w[0] = px; o.w[2] = x1 - px; o.w[3] = py - y0; break;
    case 2: o.w[1] = py; o.w[2] = px - x0; o.w[3] = y1 - py; break;
    case 3: o.w[2] = px; o.w[3] = py; break;
    case 4: o.w[1] = py; o.w[3] = y1 - py; break;
    case 5: o.w[3] = py - y0; break;
    case 6: o.w[0] = px; o.w[2] = x1 - px; break;
    case 7: o.w[2] = px - x0; break;
    case 8: o.w[0] = px; o.w[1] = py; o.w[2] = x1 - px; o.w[3] = y1 - py; break;
    case 9: o.w[2] = px - x0; o.w[3] = py - y0; break;
    default: break;
    }
}

// A trace end held to horizontal or vertical from the other end.
void reshapeLimited(BoardObject& o, int code, int32_t px, int32_t py)
{
    const int32_t ox = code == 0 ? o.w[2] : o.w[0], oy = code == 0 ? o.w[3] : o.w[1];
    int32_t x = px, y = py;
    if (std::abs(oy - py) < std::abs(ox - px))
        y = oy;
    else
        x = ox;
    reshapeByCode(o, code == 0 ? 0 : 3, x, y);
}

void showShape(const BoardObject& o)
{
    const double f = MetricUnits() ? 0.0001 * 2.54 : 0.0001;
    char text[96];
    if (o.kind() == kKindRectangle)
        std::snprintf(text, sizeof text, "x=%.3f, y=%.3f", std::abs(o.w[2]) * f, std::abs(o.w[3]) * f);
    else if (o.kind() == kKindLine)
        std::snprintf(text, sizeof text, "length=%.4f", std::hypot(double(o.w[2]) - o.w[0], double(o.w[3]) - o.w[1]) * f);
    else
        return;
    SetStatusText(text, kPaneMessage);
}

void reshape(BoardObject& o, int32_t px, int32_t py)
{
    const int kind = o.kind();
    const int handle = g_drag.handle;
    switch (kind) {
    case kKindEllipse:
        reshapeEllipse(o, handle, px, py);
        return;
    case kKindPolygon:
        if (o.points() != nullptr && handle < std::max(o.w[2], 0)) {
            o.points()[handle * kVertexWords] = px;
            o.points()[handle * kVertexWords + 1] = py;
        }
        return;
    case kKindOutline:
        reshapeOutline(o, handle, px, py);
        return;
    default:
        break;
    }
    if (kind != kKindRectangle && kind != kKindArc && g_boardSettings.limit != 0 && g_boardSettings.rubber == 0)
        reshapeLimited(o, g_drag.code, px, py);
    else
        reshapeByCode(o, g_drag.code, px, py);
}

void startDrag(int index)
{
    const BoardObject& o = g_board.objects[index];
    const int kind = o.kind();
    if (kind == kKindRectangle)
        g_drag.code = rectangleCode(g_drag.handle);
    else if (kind == kKindPolygon || kind == kKindOutline || kind == kKindEllipse)
        g_drag.code = g_drag.handle;
    else
        g_drag.code = g_drag.handle == 0 ? 0 : 3;
    g_drag.trace = g_drag.pad = 0;
    if (g_boardSettings.rubber != 0 && isTraceKind(kind)) {
        const HandlePoint end = traceEnd(o, g_drag.code);
        const TraceEnd joined = FindTraceAtEnd(index, end.x, end.y);
        g_drag.trace = joined.index;
        g_drag.traceEnd = joined.end;
        g_drag.pad = FindPadAtEnd(end.x, end.y);
    }
    // The snapshot is taken on the first step of every handle drag, so one Undo takes it back,
    // with the trace end and the pad that follow the handle.
    int n = 0;
    for (const int i : {index, g_drag.trace, g_drag.pad})
        if (i != 0)
            g_selection.list[static_cast<size_t>(++n)] = i;
    g_selection.count = n;
    PushUndoSnapshot();
    g_selection.count = 1;
    MarkBoardModified();
    g_drag.started = true;
    g_drag.ghost = false;
}

// The joined trace end and pad go where the dragged end went, drawn inverted while dragging.
void dragJoinedCopper(plat::Dc& dc, const BoardObject& dragged)
{
    if (g_drag.trace == 0 && g_drag.pad == 0)
        return;
    const HandlePoint end = traceEnd(dragged, g_drag.code);
    for (const int i : {g_drag.trace, g_drag.pad}) {
        if (i == 0)
            continue;
        if (g_drag.ghost)
            PaintObject(dc, i, kModeInvert);
        BoardObject& o = g_board.objects[i];
        if (i == g_drag.trace) {
            setTraceEnd(o, g_drag.traceEnd, end);
        } else {
            o.w[0] = end.x;
            o.w[1] = end.y;
        }
        PaintObject(dc, i, kModeInvert);
    }
}

}  // namespace

TraceEnd FindTraceAtEnd(int index, int32_t x, int32_t y)
{
    TraceEnd found;
    for (int i = 1; i <= std::min(g_board.count, g_board.capacity - 1); ++i) {
        const BoardObject& o = g_board.objects[i];
        if (i == index || !isTraceKind(o.kind()))
            continue;
        if (endsMeet(o.w[0], o.w[1], x, y))
            found = {i, 0};
        else if (endsMeet(o.w[2], o.w[3], x, y))
            found = {i, 3};
    }
    return found;
}

int FindPadAtEnd(int32_t x, int32_t y)
{
    for (int i = 1; i <= std::min(g_board.count, g_board.capacity - 1); ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() != kKindPad)
            continue;
        const int64_t hx = o.w[2] / 2, hy = o.w[3] / 2;
        if (x >= o.w[0] - hx && x < o.w[0] + hx && y >= o.w[1] - hy && y <= o.w[1] + hy)
            return i;
    }
    return 0;
}

std::vector<HandlePoint> HandlePoints(int index)
{
    std::vector<HandlePoint> points;
    if (g_board.objects == nullptr || index < 1 || index >= g_board.capacity)
        return points;
    const BoardObject& o = g_board.objects[index];
    switch (o.kind()) {
    case kKindLine:
    case 5:
    case 9:
    case kKindArc:
    case kKindNoRoute:
        points = {{o.w[0], o.w[1]}, {o.w[2], o.w[3]}};
        break;
    case kKindRectangle: {
        const int32_t x0 = o.w[0], y0 = o.w[1], x1 = o.w[0] + o.w[2], y1 = o.w[1] + o.w[3];
        points = {{x0, y0}, {x1, y1}, {x0, y1}, {x1, y0},
                  {(x0 + x1) / 2, y0}, {(x0 + x1) / 2, y1}, {x0, (y0 + y1) / 2}, {x1, (y0 + y1) / 2}};
        break;
    }
    case kKindEllipse: {
        const int32_t cx = o.w[0], cy = o.w[1], rx = o.w[2], ry = o.w[3];
        points = {{cx - rx, cy - ry}, {cx + rx, cy + ry}, {cx - rx, cy + ry}, {cx + rx, cy - ry},
                  {cx - rx, cy},      {cx + rx, cy},      {cx, cy - ry},      {cx, cy + ry}};
        break;
    }
    case kKindPolygon:
        for (int i = 0; i < std::max(o.w[2], 0) && o.points() != nullptr; ++i)
            points.push_back({o.points()[i * kVertexWords], o.points()[i * kVertexWords + 1]});
        break;
    case kKindOutline:
        for (int i = 0; i < std::clamp(o.w[2], 0, kMaxOutlineSegments) && o.points() != nullptr; ++i)
            points.push_back({o.points()[i * kSegmentWords], o.points()[i * kSegmentWords + 1]});
        break;
    default:
        break;
    }
    return points;
}

int HitTestHandle()
{
    if (g_selection.count != 1 || g_gesture.multi || g_selection.list.size() < 2)
        return 0;
    const int index = g_selection.list[1];
    if (index < 1 || index > g_board.count)
        return 0;
    const bool outline = g_board.objects[index].kind() == kKindOutline && g_edit.currentLayer == kLayerOutline;
    const int32_t half = (outline ? 12 : 6) * g_view.zoomDivisor * BoardUnitsPerLogical();
    UpdateCursorBoardPoint();
    const std::vector<HandlePoint> points = HandlePoints(index);
    for (size_t i = 0; i < points.size(); ++i) {
        if (std::abs(g_gesture.boardX - points[i].x) < half && std::abs(g_gesture.boardY - points[i].y) < half) {
            g_drag.handle = static_cast<int>(i);
            return 1;
        }
    }
    return 0;
}

int PickedHandle()
{
    return g_drag.handle;
}

void DragObjectHandle(plat::Dc& dc, int index, int action)
{
    if (index < 1 || index > g_board.count || g_drag.handle < 0)
        return;
    if (action == kMoveEnd) {
        if (g_drag.started)
            RedrawActiveFrame();
        g_drag = HandleDrag{};
        return;
    }
    if (!g_drag.started)
        startDrag(index);
    BoardObject& o = g_board.objects[index];
    if (g_drag.ghost)
        PaintObject(dc, index, kModeInvert);
    UpdateCursorBoardPoint();
    // A trace end not held to a pad finds one under the cursor.
    if (g_boardSettings.padsnap != 0 && g_drag.pad == 0 && isTraceKind(o.kind()))
        SnapToPin(1);
    reshape(o, g_gesture.boardX, g_gesture.boardY);
    dragJoinedCopper(dc, o);
    PaintObject(dc, index, kModeInvert);
    g_drag.ghost = true;
    showShape(o);
}
