#include "tracelyn/core/selection_transforms.h"

#include "common/rounding.h"
#include "platform/gdi/dc.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_primitives.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/nets_follow_parts.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/rubber_banding.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kFullTurn = 3600;
constexpr int kProgressObjects = 60;
constexpr int kProgressBoard = 600;
constexpr int kProgressStep = 21;

struct Pivot {
    int32_t x = 0;
    int32_t y = 0;
};

int selectedCount()
{
    return std::clamp(g_selection.count, 0, static_cast<int>(g_selection.list.size()) - 1);
}

void transformPoint(int command, int step, const Pivot& p, int32_t& x, int32_t& y)
{
    const double dx = double(x) - p.x, dy = double(y) - p.y;
    switch (command) {
    case kTransformRotate: {
        const double r = std::sqrt(dx * dx + dy * dy);
        double a = std::atan2(dy, dx);
        if (dx == 0)
            a = dy < 0 ? 4.7123889 : 1.5707963;
        const double angle = step * kTenthDegree;
        x = p.x + static_cast<int32_t>(std::lround(std::cos(a + angle) * r));
        y = p.y + static_cast<int32_t>(std::lround(std::sin(a + angle) * r));
        break;
    }
    case kTransformMirror:
        x = static_cast<int32_t>(p.x - dx);
        break;
    case kTransformFlip:
        y = static_cast<int32_t>(p.y - dy);
        break;
    default:
        break;
    }
}

int wrapTenths(int value)
{
    if (value < 0)
        value += kFullTurn;
    if (value > kFullTurn)
        value -= kFullTurn;
    return value;
}

void transformRectangle(BoardObject& o, int command, int step, const Pivot& p)
{
    transformPoint(command, step, p, o.w[0], o.w[1]);
    int rotation = (o.w[5] >> 2) & 0xFFF;
    if (rotation == 0) {
        if (command == kTransformMirror) {
            o.w[2] = -o.w[2];
            return;
        }
        if (command == kTransformFlip) {
            o.w[3] = -o.w[3];
            return;
        }
        const int32_t w = o.w[2], h = o.w[3];
        switch (step) {
        case 900: o.w[2] = -h; o.w[3] = w; return;
        case 1800: o.w[2] = -w; o.w[3] = -h; return;
        case 2700: o.w[2] = h; o.w[3] = -w; return;
        case kFullTurn: return;
        default: break;
        }
    }
    if (command == kTransformRotate) {
        rotation += step;
        if (rotation > kFullTurn)
            rotation -= kFullTurn;
        if (rotation < 0)
            rotation += kFullTurn;
    } else {
        rotation = 1800 - rotation;
        if (rotation < 0)
            rotation += kFullTurn;
    }
    o.w[5] = rotation << 2;
}

void transformText(BoardObject& o, int command, int step, const Pivot& p, bool block)
{
    if (block)
        transformPoint(command, step, p, o.w[0], o.w[1]);
    int rotation = o.w[3] & 0xFFF;
    int mirror = (o.w[3] >> 12) & 1;
    if (command == kTransformRotate) {
        rotation += kFullTurn - step;
        if (rotation >= kFullTurn)
            rotation -= kFullTurn;
    } else if (command == kTransformFlip) {
        rotation = rotation <= 1800 ? rotation + 1800 : rotation - 1800;
        mirror ^= 1;
    } else {
        mirror ^= 1;
    }
    o.w[3] = (o.w[3] & ~0x1FFF) | (rotation & 0xFFF) | (mirror << 12);
}

void transformPad(BoardObject& o, int command, int step, const Pivot& p)
{
    if (command == kTransformRotate) {
        if (o.w[5] == 4 || step != 900) {
            const int shape = o.w[5] & 7;
            const int rotation = wrapTenths(((o.w[5] >> 3) & 0xFFF) + step);
            o.w[5] = (rotation << 3) | shape;
        } else {
            std::swap(o.w[2], o.w[3]);
        }
    }
    transformPoint(command, step, p, o.w[0], o.w[1]);
}

void transformPart(BoardObject& o, int command, int step, const Pivot& p, bool block)
{
    int rotation = o.w[6] & 0xFFF;
    const int mirrorBefore = (o.w[6] >> 12) & 1;
    int mirror = mirrorBefore;
    if (command == kTransformMirror || command == kTransformFlip)
        mirror ^= 1;
    if (command == kTransformRotate || command == kTransformFlip) {
        int delta = command == kTransformRotate ? step : 1800;
        if (mirrorBefore)
            delta = -delta;
        rotation += delta;
        if (rotation < 0)
            rotation += kFullTurn;
        if (rotation > kFullTurn)
            rotation -= kFullTurn;
        if (rotation == kFullTurn)
            rotation = 0;
    }
    o.w[6] = (o.w[6] & ~0x1FFF) | rotation | (mirror << 12);
    if (block)
        transformPoint(command, step, p, o.w[0], o.w[1]);
}

void transformObject(BoardObject& o, int command, int step, const Pivot& pivot, bool block)
{
    const Pivot p = block ? pivot : Pivot{o.w[0], o.w[1]};
    switch (o.kind()) {
    case kKindLine:
    case 5:
    case 9:
    case kKindArc:
    case kKindNoRoute: {
        const bool agreed = ((o.w[2] - o.w[0]) < 0) == ((o.w[3] - o.w[1]) < 0);
        transformPoint(command, step, p, o.w[0], o.w[1]);
        transformPoint(command, step, p, o.w[2], o.w[3]);
        const bool agrees = ((o.w[2] - o.w[0]) < 0) == ((o.w[3] - o.w[1]) < 0);
        if (o.kind() == kKindArc && command == kTransformRotate && agreed != agrees) {
            std::swap(o.w[0], o.w[2]);
            std::swap(o.w[1], o.w[3]);
        }
        break;
    }
    case kKindRectangle:
        transformRectangle(o, command, step, p);
        break;
    case kKindText:
        transformText(o, command, step, p, block);
        break;
    case kKindEllipse:
        if (command == kTransformRotate && (std::abs(step - 900) < 30 || std::abs(step - 2700) < 30))
            std::swap(o.w[2], o.w[3]);
        transformPoint(command, step, p, o.w[0], o.w[1]);
        break;
    case kKindPad:
        transformPad(o, command, step, p);
        break;
    case kKindPolygon:
        if (int32_t* v = o.points())
            for (int i = 0; i < std::max(o.w[2], 0); ++i)
                transformPoint(command, step, p, v[i * kVertexWords], v[i * kVertexWords + 1]);
        break;
    default:
        if (o.isPart())
            transformPart(o, command, step, p, block);
        break;
    }
}


}  // namespace

int RotationStep()
{
    return RoundHalfUp(g_drawDefaults.rotationAngle * 572.95);
}

void TransformSelection(int command)
{
    const int n = selectedCount();
    if (n == 0 || g_board.objects == nullptr)
        return;
    // Traces that follow a part are in the snapshot too, so one Undo puts them back.
    CollectSelectedPartConnections();
    AddConnectedTracesToSelection();
    PushUndoSnapshot();
    g_selection.count = n;
    const bool block = g_gesture.multi && g_gesture.bandShown;
    Pivot pivot;
    if (block) {
        const plat::Rect r = g_gesture.selectionRect.normalized();
        pivot = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        CursorSpaceToBoard(pivot.x, pivot.y);
    }
    const int step = RotationStep();
    for (int i = 1; i <= n; ++i) {
        const int index = g_selection.list[static_cast<size_t>(i)];
        if (index >= 1 && index <= g_board.count && !IsConnectedTrace(index))
            transformObject(g_board.objects[index], command, step, pivot, block);
    }
    ReattachTraceEnds();
    ClearConnections();
    if (block) {
        ComputeSelectionRect(n);
    } else {
        ComputeSelectionRect(1);
    }
    MarkBoardModified();
    RedrawActiveFrame();
    if (SelectionHoldsPart(n))
        ReloadNetsForMovedParts();
}

void EraseObject(int n)
{
    if (g_board.objects == nullptr || n < 1 || n >= g_board.capacity)
        return;
    BoardObject& o = g_board.objects[n];
    FreeObjectData(o);
    o.w[4] = 0;
}

int EraseSelection()
{
    const int n = selectedCount();
    if (n == 0 || g_board.objects == nullptr)
        return 0;
    PushUndoSnapshot();
    SetStatusText("Doing erase operation.....", kPaneMessage);
    const bool progress = n > kProgressObjects && g_board.count > kProgressBoard;
    if (progress)
        ShowProgressWindow(0, static_cast<float>(n), nullptr, 1);
    int erased = 0;
    for (int i = n; i >= 1; --i) {
        const int index = g_selection.list[static_cast<size_t>(i)];
        if (g_footprintEditor.open && index <= 2)
            continue;
        if (index < 1 || index > g_board.count)
            continue;
        EraseObject(index);
        ++erased;
        if (progress && erased % kProgressStep == 0)
            ShowProgressWindow(static_cast<float>(erased), static_cast<float>(n), nullptr, 0);
    }
    if (progress)
        ShowProgressWindow(static_cast<float>(erased), static_cast<float>(n), nullptr, 4);
    ForgetSelection();
    g_gesture.frameHidden = false;
    MarkBoardModified();
    if (!g_footprintEditor.open)
        RedrawActiveFrame();
    SetStatusText("Erase complete", kPaneMessage);
    return erased;
}

void DrawObjectOrigins(plat::Dc& dc)
{
    if (g_board.objects == nullptr)
        return;
    const int saved = dc.SaveDC();
    dc.SetROP2(plat::kR2Not);
    dc.SelectObject(plat::Pen(plat::kPsSolid, 0, GetLayerColor(ColorMapEntry(kMarkColor))));
    const int32_t reach = 2 * g_view.zoomDivisor * g_view.zoomDivisor;
    const int current = g_edit.currentLayer;
    for (int i = 1; i <= std::min(g_board.count, g_board.capacity - 1); ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.kind() == kKindDeleted || o.kind() == kKindOutline)
            continue;
        if (o.layer() != current && o.layer() != kLayerAll && current != kLayerAll)
            continue;
        int32_t x = o.w[0], y = o.w[1];
        WorldToScreen(x, y);
        dc.MoveTo(x - reach, y);
        dc.LineTo(x + reach + 1, y);
        dc.MoveTo(x, y - reach);
        dc.LineTo(x, y + reach + 1);
    }
    dc.RestoreDC(saved);
}
