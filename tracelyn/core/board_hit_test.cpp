#include "tracelyn/core/board_hit_test.h"

#include "tracelyn/core/app_state.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace {

bool switchOn(int which)
{
    return g_selectiveEdit.on[static_cast<size_t>(which)] != 0;
}

int32_t cursorX() { return g_gesture.boardX; }
int32_t cursorY() { return g_gesture.boardY; }

// Distance test against a segment without end caps: within `tolerance` across it, between its
// ends along it; the ends themselves always hit.
bool nearSegment(int32_t x1, int32_t y1, int32_t x2, int32_t y2, double tolerance)
{
    const double px = cursorX(), py = cursorY();
    if ((px == x1 && py == y1) || (px == x2 && py == y2))
        return true;
    const double dx = double(x2) - x1, dy = double(y2) - y1;
    const double length = std::hypot(dx, dy);
    if (length == 0)
        return false;
    const double along = ((px - x1) * dx + (py - y1) * dy) / length;
    const double across = std::abs((px - x1) * dy - (py - y1) * dx) / length;
    return along >= 0 && along <= length && across <= tolerance;
}

// Even-odd test of a closed polygon given by `count` points taken every `stride` words.
bool insidePolygon(const int32_t* p, int count, int stride)
{
    if (p == nullptr || count < 3)
        return false;
    const double x = cursorX(), y = cursorY();
    bool inside = false;
    for (int i = 0, j = count - 1; i < count; j = i++) {
        const double xi = p[i * stride], yi = p[i * stride + 1];
        const double xj = p[j * stride], yj = p[j * stride + 1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

bool insideBox(const BoardBox& b, bool strict)
{
    const int32_t x = cursorX(), y = cursorY();
    if (strict)
        return x > b.left && x < b.right && y > b.top && y < b.bottom;
    return x >= b.left && x <= b.right && y >= b.top && y <= b.bottom;
}

bool hitRectangle(const BoardObject& o, int32_t t)
{
    const int32_t l = std::min(o.w[0], o.w[0] + o.w[2]), r = std::max(o.w[0], o.w[0] + o.w[2]);
    const int32_t top = std::min(o.w[1], o.w[1] + o.w[3]), b = std::max(o.w[1], o.w[1] + o.w[3]);
    if (!insideBox({l - t, top - t, r + t, b + t}, true))
        return false;
    const int32_t x = cursorX(), y = cursorY();
    int edge = 0;
    if (std::abs(x - l) <= t)
        edge = 1;
    if (std::abs(x - r) <= t)
        edge = 2;
    if (std::abs(y - o.w[1]) <= t)
        edge = 3;
    if (std::abs(y - (o.w[1] + o.w[3])) <= t)
        edge = 4;
    if (edge == 0)
        return false;
    g_gesture.rectangleEdge = edge;
    return true;
}

bool hitPad(const BoardObject& o, int32_t u)
{
    const int32_t w = std::max(o.w[2], 10 * u), h = std::max(o.w[3], 10 * u);
    const int32_t x = o.w[0], y = o.w[1];
    if ((o.w[5] & 0xF) == 4)
        return insideBox({x - w / 2, y, x + w / 2, y + h}, false);
    return insideBox({x - w / 2, y - h / 2, x + w / 2, y + h / 2}, false);
}

// The kinds below parts: true on a hit.
bool hitSimpleObject(int index, int32_t u, bool partCandidate)
{
    const BoardObject& o = g_board.objects[index];
    const bool alone = g_selection.count == 1 && g_selection.list[1] == index;
    const double tolerance = alone ? 6.0 * g_view.zoomDivisor * u : o.w[7] / 2 + 10;
    const bool netsOnly = g_gesture.selectiveMode == kSelectiveEditNetsOnly;
    switch (o.kind()) {
    case kKindLine:
        return (switchOn(kSwitchTraces) || netsOnly) && nearSegment(o.w[0], o.w[1], o.w[2], o.w[3], tolerance);
    case kKindNoRoute:
        return switchOn(kSwitchNoRoutes) && nearSegment(o.w[0], o.w[1], o.w[2], o.w[3], tolerance);
    case kKindRectangle:
        return switchOn(kSwitchRectangles) && hitRectangle(o, static_cast<int32_t>(tolerance));
    case kKindText:
        return switchOn(kSwitchText) && HitTestRotatedObject(index) != 0;
    case kKindEllipse:
        return switchOn(kSwitchEllipses) && !partCandidate && o.w[2] > 0 && o.w[3] > 0 &&
               insideBox(GetObjectExtent(index, kExtentPlain), false);
    case kKindArc: {
        BoardBox b = GetObjectExtent(index, kExtentPlain);
        const int32_t g = 4 * u - o.w[7] / 2;
        b = {b.left - g, b.top - g, b.right + g, b.bottom + g};
        return switchOn(kSwitchArcs) && insideBox(b, false);
    }
    case kKindPad:
        return switchOn(kSwitchPads) && hitPad(o, u);
    case kKindPolygon:
        return switchOn(kSwitchPolygons) && insidePolygon(o.points(), std::max(o.w[2], 0), kVertexWords);
    case kKindOutline:
        return g_edit.currentLayer == kLayerOutline &&
               insidePolygon(o.points(), std::clamp(o.w[2], 0, kMaxOutlineSegments), kSegmentWords);
    default:
        return false;
    }
}

void selectOnly(int index, int mode)
{
    g_selection.count = 1;
    g_selection.list[1] = index;
    const BoardBox b = GetObjectExtent(index, mode);
    g_gesture.extentLeft = b.left;
    g_gesture.extentTop = b.top;
    g_gesture.extentRight = b.right;
    g_gesture.extentBottom = b.bottom;
}

}  // namespace

// Layers 0 to 15 carry an additional-layer flag.
constexpr int kCopperLayers = 16;

bool IsObjectOnEditableLayer(int index)
{
    const int layer = g_board.objects[index].layer();
    int current = g_edit.currentLayer;
    if (current == kLayerAll || layer == current)
        return true;
    if (layer == kLayerAll && current != kLayerSilkTop && current != kLayerSilkBottom)
        return true;
    // The additional layers of Layer Setup are shown with the current one and edited with it.
    if (layer >= 0 && layer < kCopperLayers && g_boardSettings.layerSwitches[static_cast<size_t>(layer)] != 0)
        return true;
    if (g_edit.layerViewMode == kViewLayerPair && current < 16)
        return layer == (current ^ 1);
    return false;
}

bool IsKindSelectable(int index)
{
    const BoardObject& o = g_board.objects[index];
    switch (o.kind()) {
    case kKindLine: return switchOn(kSwitchTraces) || g_gesture.selectiveMode == kSelectiveEditNetsOnly;
    case kKindRectangle:
    case kKindFixedRectangle: return switchOn(kSwitchRectangles);
    case kKindText: return switchOn(kSwitchText);
    case kKindEllipse: return switchOn(kSwitchEllipses);
    case kKindArc: return switchOn(kSwitchArcs);
    case kKindPad: return switchOn(kSwitchPads);
    case kKindNoRoute: return switchOn(kSwitchNoRoutes);
    case kKindPolygon: return switchOn(kSwitchPolygons);
    default: return o.isPart() && switchOn(kSwitchParts);
    }
}

int HitTestRotatedObject(int index)
{
    const BoardObject& o = g_board.objects[index];
    const int angle = o.w[3] & 0xFFF;
    double x = cursorX(), y = cursorY();
    if (angle > 0) {
        // Turn the cursor back into the text's own frame.
        const double a = angle * kTenthDegree;
        const double dx = x - o.w[0], dy = y - o.w[1];
        x = o.w[0] + dx * std::cos(a) - dy * std::sin(a);
        y = o.w[1] + dx * std::sin(a) + dy * std::cos(a);
    }
    const BoardBox b = UnrotatedTextBox(index);
    return x >= b.left && x < b.right && y >= b.top && y <= b.bottom ? 1 : 0;
}

bool CursorOnPartLabel(int index)
{
    if (g_board.objects == nullptr || index < 1 || index > g_board.count)
        return false;
    const BoardObject& o = g_board.objects[index];
    const int rotation = o.w[6] & 0xFFF;
    if (!o.isPart() || o.text() == nullptr || o.text()[0] == '\0' || !IsOrthogonalRotation(rotation))
        return false;
    const CurrentPart saved = g_partPosition;
    g_partPosition = {o.w[0], o.w[1]};
    int32_t lx = 0, ly = 0;
    TransformPoint(o.w[2], o.w[3], lx, ly, rotation, (o.w[6] >> 12) & 1, true);
    g_partPosition = saved;
    const double reach = 12.0 * g_view.zoomDivisor * BoardUnitsPerLogical();
    return std::abs(cursorX() - lx) < reach && std::abs(cursorY() - ly) < reach;
}

int HitTestPart(int index)
{
    const BoardObject& o = g_board.objects[index];
    const int package = o.package();
    if (package < 1 || package > g_packages.count)
        return 0;
    const int rotation = o.w[6] & 0xFFF;
    const int mirror = (o.w[6] >> 12) & 1;
    const CurrentPart saved = g_partPosition;
    g_partPosition = {o.w[0], o.w[1]};
    int result = 0;
    if (IsOrthogonalRotation(rotation)) {
        if (CursorOnPartLabel(index))
            result = 1;
        else if (insideBox(GetObjectExtent(index, kExtentPlain), true))
            result = 1;
    } else {
        // Turn the cursor back about the reference point and test the unturned body.
        const int32_t* e = g_packages.defs[static_cast<size_t>(package)].extent();
        const double a = rotation * kTenthDegree;
        // Parts are turned first and mirrored after: undo the mirror first.
        double dx = double(cursorX()) - o.w[0];
        const double dy = double(cursorY()) - o.w[1];
        if (mirror)
            dx = -dx;
        const double rx = dx * std::cos(a) + dy * std::sin(a);
        const double ry = -dx * std::sin(a) + dy * std::cos(a);
        const double lx = rx + kPackageOriginX, ly = ry + kPackageOriginY;
        result = lx > std::min(e[0], e[2]) && lx < std::max(e[0], e[2]) && ly > std::min(e[1], e[3]) &&
                         ly < std::max(e[1], e[3])
                     ? 1
                     : 0;
    }
    g_partPosition = saved;
    return result;
}

void HitTestObject(int first, int last)
{
    g_selection.count = 0;
    if (g_selection.list.size() < 2 || g_board.objects == nullptr)
        return;
    g_selection.list[1] = 0;
    first = std::max(first, 1);
    last = std::min(last, std::min(g_board.count, g_board.capacity - 1));
    const int32_t u = BoardUnitsPerLogical();
    int candidate = 0;
    for (int i = first; i <= last; ++i) {
        const BoardObject& o = g_board.objects[i];
        const int kind = o.kind();
        if (kind == kKindDeleted || !IsObjectOnEditableLayer(i))
            continue;
        if (kind < 65 || !switchOn(kSwitchParts)) {
            if (kind != kKindPart && hitSimpleObject(i, u, candidate != 0)) {
                selectOnly(i, kind == kKindText ? kExtentRotatedText : kExtentPlain);
                return;
            }
            continue;
        }
        if (candidate == 0 && HitTestPart(i) != 0)
            candidate = i;
    }
    if (candidate != 0)
        selectOnly(candidate, kExtentWithLabel);
}
