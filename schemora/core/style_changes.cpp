#include "schemora/core/style_changes.h"

#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/settings.h"
#include "schemora/core/text_style.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr unsigned kStrDoingChange = 898;
constexpr unsigned kStrNoObjectsChanged = 7040;

bool takesStyle(const DrawObject& o, int what)
{
    const int type = o.type();
    switch (what) {
    case kApplyLineStyle: case kApplyWidth: return HasLineStyle(type);
    case kApplyFill: return HasFill(type);
    case kApplyFont: return type == kObjText;
    default: return false;
    }
}

void applyStyle(DrawObject& o, int what)
{
    switch (what) {
    case kApplyLineStyle: o.w[5] = g_settings.CurrentStyle; break;
    case kApplyFill: o.w[7] = g_settings.fillPattern; break;
    case kApplyWidth: SetObjectWidth(o, g_settings.width); break;
    case kApplyFont: o.w[2] = g_textStyle.word(); break;
    default: break;
    }
}

DrawObject* selectedObject(int i)
{
    const int index = g_editState.SelectionList[static_cast<std::size_t>(i)];
    if (!g_current.holds(index))
        return nullptr;
    return &g_current.objects[static_cast<std::size_t>(index)];
}

}  // namespace

bool HasLineStyle(int type)
{
    switch (type) {
    case kObjLine: case kObjRectangle: case kObjArrow: case kObjEllipse: case kObjArc: case kObjRoundRect:
    case kObjTriangle: return true;
    default: return false;
    }
}

bool HasFill(int type)
{
    return type == kObjRectangle || type == kObjEllipse || type == kObjRoundRect || type == kObjTriangle;
}

void SetObjectWidth(DrawObject& o, int width) { o.w[6] = (o.w[6] & ~0xFF) | std::clamp(width, 0, 255); }

int ApplyStyleToSelection(std::span<const int> whats)
{
    SetStatusTextId(kStrDoingChange, 0);
    const int n = std::min(g_editState.selectionCount, static_cast<int>(g_editState.SelectionList.size()) - 1);
    int changed = 0;
    for (int i = 1; i <= n; ++i)
        if (const DrawObject* o = selectedObject(i))
            changed += std::any_of(whats.begin(), whats.end(), [o](int what) { return takesStyle(*o, what); }) ? 1 : 0;
    if (changed > 0) {
        PushUndoSnapshot();
        for (int i = 1; i <= n; ++i)
            if (DrawObject* o = selectedObject(i))
                for (const int what : whats)
                    if (takesStyle(*o, what))
                        applyStyle(*o, what);
    }
    RedrawActiveFrame();
    if (changed > 0) {
        char text[48];
        std::snprintf(text, sizeof text, "Changed %d object(s)", changed);
        SetStatusText(text, 0);
    } else {
        SetStatusTextId(kStrNoObjectsChanged, 0);
    }
    return changed;
}

int ApplyStyleToSelection(int what) { return ApplyStyleToSelection(std::span<const int>(&what, 1)); }

namespace {

void placeVertices(DrawObject& o, int n, int cx, int cy, double r, double startAngle, double direction)
{
    o.w[2] = n;
    for (int i = 0; i < n; ++i) {
        const double angle = startAngle + direction * 2 * std::numbers::pi * i / n;
        o.setPoint(i, cx + static_cast<int32_t>(r * std::cos(angle)), cy - static_cast<int32_t>(r * std::sin(angle)));
    }
}

double firstVertexRadius(const DrawObject& o)
{
    if (o.pointCount() < 1)
        return 0;
    return std::hypot(static_cast<double>(o.pointX(0)) - o.w[0], static_cast<double>(o.pointY(0)) - o.w[1]);
}

}  // namespace

bool SetPolygonEdges(DrawObject& o, int edges, int layer)
{
    const int n = std::clamp(edges, kMinPolygonEdges, kPolygonPoints);
    const int oldType = o.type();
    if (oldType != kObjTriangle && oldType != kObjPolygon)
        return false;
    const int newType = n == 3 ? kObjTriangle : kObjPolygon;
    if (oldType == kObjPolygon && newType == kObjTriangle) {
        const int side = static_cast<int>(2 * firstVertexRadius(o));
        ReleaseObjectData(o);
        o.w[0] -= side / 2;
        o.w[1] -= side / 2;
        o.w[2] = o.w[3] = side;
    } else if (oldType == kObjTriangle && newType == kObjPolygon) {
        char* block = AllocPointBlock();
        if (!block)
            return false;
        const double r = std::abs(o.w[2]) / 2.0;
        const int cx = o.w[0] + o.w[2] / 2, cy = o.w[1] + o.w[3] / 2;
        o.text = block;
        o.w[0] = cx;
        o.w[1] = cy;
        o.w[3] = 0;
        placeVertices(o, n, cx, cy, r, 0, 1);
    } else if (newType == kObjPolygon && o.w[2] != n && o.w[2] < 11) {
        // A pasted or read polygon may have come without its block; the rebuilt one needs n points.
        if (!o.text && !(o.text = AllocPointBlock()))
            return false;
        placeVertices(o, n, o.w[0], o.w[1], firstVertexRadius(o), 0, 1);
    }
    o.w[4] = (std::clamp(layer, 0, 4) << 10) + newType;
    return true;
}

void PlaceRegularPolygon(DrawObject& o, int r)
{
    if (!o.text)
        return;
    placeVertices(o, std::clamp(o.w[2], kMinPolygonEdges, kPolygonPoints), o.w[0], o.w[1], r, std::numbers::pi / 2, -1);
}
