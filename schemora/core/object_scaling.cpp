#include "schemora/core/object_scaling.h"

#include "common/growing_extent.h"
#include "platform/core/ui_host.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/object_points.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kExtentStart = 200000000;

int clampToInt(double value)
{
    return static_cast<int>(std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

int scaledAbout(int value, int reference, float factor)
{
    const float offset = static_cast<float>(static_cast<long long>(value) - reference) * factor;
    return clampToInt(static_cast<double>(reference) + static_cast<long long>(clampToInt(offset)));
}

int scaledSize(int value, float factor) { return clampToInt(static_cast<float>(value) * factor); }

bool onCurrentLayer(const DrawObject& o)
{
    return o.onLayer(g_sheetView.layerFilter);
}

void scaleObject(DrawObject& o, float xf, float yf, int refX, int refY)
{
    MapEndPoints(
        o, o.hasSecondPoint(), [&](int x) { return scaledAbout(x, refX, xf); },
        [&](int y) { return scaledAbout(y, refY, yf); });
    switch (o.type()) {
    case kObjRectangle:
    case kObjEllipse:
    case kObjRoundRect:
    case kObjTriangle:
        // Sizes take the x factor in both directions.
        o.w[2] = scaledSize(o.w[2], xf);
        o.w[3] = scaledSize(o.w[3], xf);
        break;
    default:
        if (o.isPart())
            plat::MessageBeep();
        break;
    }
}

void addToExtent(GrowingExtent& e, const DrawObject& o)
{
    switch (o.type()) {
    case kObjLine:
    case kObjRectangle:
    case kObjArrow:
    case kObjArc:
        e.add(o.w[0], o.w[1]);
        e.add(o.w[2], o.w[3]);
        break;
    case kObjEllipse: e.addCentred(o.w[0], o.w[1], o.w[2], o.w[3]); break;
    case kObjDot: e.add(o.w[0], o.w[1]); break;
    default:
        if (o.isPart())
            e.add(o.w[0], o.w[1]);
        break;
    }
}

int shifted(int value, long long by) { return clampToInt(static_cast<double>(value - by)); }

// Every object moves by the same offset, or wires would come off the parts they end on.
void moveObject(DrawObject& o, long long dx, long long dy)
{
    if (o.type() == kObjDeleted)
        return;
    const auto byX = [dx](int x) { return shifted(x, dx); };
    const auto byY = [dy](int y) { return shifted(y, dy); };
    MapEndPoints(o, o.hasSecondPoint(), byX, byY);
    if (o.type() == kObjPolygon)
        MapPolygonPoints(o, byX, byY);
}

// Centres the drawing's extent on (0, 0).
void recentreDrawing()
{
    const int count = g_current.liveCount();
    if (count < 1)
        return;
    GrowingExtent e(kExtentStart);
    for (int i = 1; i <= count; ++i)
        addToExtent(e, g_current.objects[static_cast<std::size_t>(i)]);
    const long long cx = (e.minX + e.maxX) / 2;
    const long long cy = (e.minY + e.maxY) / 2;
    for (int i = 1; i <= count; ++i)
        moveObject(g_current.objects[static_cast<std::size_t>(i)], cx, cy);
}

// The selective-editing switch that decides whether a kind may be selected, or -1.
int filterSwitchOf(int type)
{
    switch (type) {
    case kObjText: return 0;
    case kObjLine: return 2;
    case kObjArc: return 3;
    case kObjEllipse: return 4;
    case kObjRectangle: return 5;
    case kObjRoundRect: return 6;
    case kObjTriangle:
    case kObjPolygon: return 7;
    case kObjBus: return 9;
    case kObjArrow: return 10;
    default: return type >= kObjPart ? 8 : -1;
    }
}

}  // namespace

void ScaleObjects(std::span<const int> selection, float xFactor, float yFactor, int refX, int refY)
{
    const int count = g_current.liveCount();
    for (const int index : selection) {
        if (index < 1 || index > count)
            continue;
        DrawObject& o = g_current.objects[static_cast<std::size_t>(index)];
        if (onCurrentLayer(o))
            scaleObject(o, xFactor, yFactor, refX, refY);
    }
    recentreDrawing();
    RedrawActiveFrame();
}

void ScaleObjects(float xFactor, float yFactor, int refX, int refY)
{
    const int n = std::clamp(g_editState.selectionCount, 0, kSelectionSlots - 1);
    const std::span<const int32_t> list(g_editState.SelectionList.data() + 1, static_cast<std::size_t>(n));
    ScaleObjects(std::vector<int>(list.begin(), list.end()), xFactor, yFactor, refX, refY);
}

int SnapToGridStep(int value, int step)
{
    if (step <= 0)
        return value;
    const long long q = value / step;
    const long long r = value % step;
    long long snapped = q * step;
    if ((r < 0 ? -r : r) > step / 2)
        snapped += value < 0 ? -step : step;
    return clampToInt(static_cast<double>(snapped));
}

void ReGridObjects()
{
    const int count = g_current.liveCount();
    const int step = std::max(1, g_current.gridStep);
    for (int i = 1; i <= count; ++i) {
        DrawObject& o = g_current.objects[static_cast<std::size_t>(i)];
        if (!onCurrentLayer(o))
            continue;
        const int type = o.type();
        const bool twoPoints = type == kObjLine || type == kObjArrow;
        if (!twoPoints && type != kObjText && type != kObjDot && type != kObjEllipse && type <= kObjPart)
            continue;
        const auto snap = [step](int value) { return SnapToGridStep(value, step); };
        MapEndPoints(o, twoPoints, snap, snap);
    }
    RedrawActiveFrame();
}

int SelectAllOnSheet(int sheet)
{
    const int count = g_current.liveCount();
    int selected = 0;
    for (int i = 1; i <= count && selected < kSelectionSlots - 1; ++i) {
        const DrawObject& o = g_current.objects[static_cast<std::size_t>(i)];
        if (o.type() == kObjDeleted || (sheet != kAllSheets && o.sheet() != sheet))
            continue;
        const int filter = filterSwitchOf(o.type());
        if (filter < 0 || g_editFilter.on[static_cast<std::size_t>(filter)] != 1)
            continue;
        g_editState.SelectionList[static_cast<std::size_t>(++selected)] = i;
    }
    g_editState.selectionCount = selected;
    return selected;
}
