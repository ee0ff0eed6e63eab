#include "schemora/core/selection_transforms.h"

#include "common/rounding.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/hit_testing.h"
#include "schemora/core/object_append.h"
#include "schemora/core/rubber_wires.h"
#include "schemora/core/settings.h"
#include "schemora/core/undo_ring.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

TransformSettings g_transform;

namespace {

constexpr double kTenthsPerRadian = 572.95;

int wrapTenths(int a)
{
    a %= 3600;
    return a < 0 ? a + 3600 : a;
}

void transformWords(DrawObject& o, int xi, int yi, int cx, int cy, int command)
{
    const plat::Point p = TransformPoint(o.w[static_cast<size_t>(xi)], o.w[static_cast<size_t>(yi)], cx, cy, command);
    o.w[static_cast<size_t>(xi)] = ClampDrawingCoordinate(p.x);
    o.w[static_cast<size_t>(yi)] = ClampDrawingCoordinate(p.y);
}

void transformBox(DrawObject& o, int cx, int cy, int command)
{
    transformWords(o, 0, 1, cx, cy, command);
    const int stored = o.rotation();
    const bool triangle = o.type() == kObjTriangle;
    int angle = stored;
    if (stored == 0 && !triangle) {
        if (command == kCmdMirror) { o.w[2] = -o.w[2]; return; }
        if (command == kCmdFlip) { o.w[3] = -o.w[3]; return; }
        const int degrees = RadiansToTenths(g_transform.RotateAngle) / 10;
        const int w = o.w[2], h = o.w[3];
        switch (degrees) {
        case 90: o.w[2] = -h; o.w[3] = w; return;
        case 180: o.w[2] = -w; o.w[3] = -h; return;
        case 270: o.w[2] = h; o.w[3] = -w; return;
        case 360: return;
        default: break;
        }
    }
    if (command == kCmdRotate) {
        angle = stored + RadiansToTenths(g_transform.RotateAngle);
        while (angle >= 3600) angle -= 3600;
        while (angle < 0) angle += 3600;
    } else {
        angle = 1800 - stored;
        if (angle < 0)
            angle += 3600;
    }
    o.w[5] = (o.w[5] & ~(0xFFF << 2)) | ((angle & 0xFFF) << 2);
}

void transformText(DrawObject& o, int cx, int cy, int command)
{
    if (g_selection.windowMode)
        transformWords(o, 0, 1, cx, cy, command);
    if ((o.w[3] & 0x1000) != 0 || command == kCmdMirror)
        return;
    int r = command == kCmdFlip ? 1800 : RoundHalfTowardZero(g_transform.RotateAngle * kTenthsPerRadian);
    if (r < 0)
        r += 3600;
    int angle = (o.w[3] & 0xFFF) + (3600 - r);
    if (angle >= 3600)
        angle -= 3600;
    o.w[3] = (o.w[3] & ~0xFFF) | (angle & 0xFFF);
}

void transformPart(DrawObject& o, int cx, int cy, int command)
{
    const bool wasMirrored = (o.w[7] & 0x1000) != 0;
    if (command == kCmdMirror || command == kCmdFlip)
        o.w[7] ^= 0x1000;
    if (command == kCmdRotate || command == kCmdFlip) {
        const int r = command == kCmdFlip ? 1800 : RadiansToTenths(g_transform.RotateAngle);
        int angle = (o.w[7] & 0xFFF) + (wasMirrored ? -r : r);
        angle = wrapTenths(angle);
        o.w[7] = (o.w[7] & ~0xFFF) | angle;
    }
    if (g_selection.windowMode)
        transformWords(o, 0, 1, cx, cy, command);
}

void transformObject(int index, int cx, int cy, int command)
{
    DrawObject& o = g_current.at(index);
    switch (o.type()) {
    case kObjLine: case kObjArrow: case kObjBus: case kObjArc: {
        const bool sameSign = ((o.w[2] - o.x()) < 0) == ((o.w[3] - o.y()) < 0);
        transformWords(o, 0, 1, cx, cy, command);
        transformWords(o, 2, 3, cx, cy, command);
        const bool nowSame = ((o.w[2] - o.x()) < 0) == ((o.w[3] - o.y()) < 0);
        if (o.type() == kObjArc && command == kCmdRotate && sameSign != nowSame) {
            std::swap(o.w[0], o.w[2]);
            std::swap(o.w[1], o.w[3]);
        }
        return;
    }
    case kObjRectangle: case kObjRoundRect: case kObjTriangle: transformBox(o, cx, cy, command); return;
    case kObjText: transformText(o, cx, cy, command); return;
    case kObjDot: case 3: transformWords(o, 0, 1, cx, cy, command); return;
    case kObjEllipse: {
        transformWords(o, 0, 1, cx, cy, command);
        const int a = RadiansToTenths(g_transform.RotateAngle);
        if (command == kCmdRotate && (std::abs(a - 900) <= 30 || std::abs(a - 2700) <= 30))
            std::swap(o.w[2], o.w[3]);
        return;
    }
    case kObjPolygon:
        for (int i = 0; i < o.pointCount(); ++i) {
            const plat::Point p = TransformPoint(o.pointX(i), o.pointY(i), cx, cy, command);
            o.setPoint(i, ClampDrawingCoordinate(p.x), ClampDrawingCoordinate(p.y));
        }
        return;
    default:
        if (o.isPart())
            transformPart(o, cx, cy, command);
    }
}

}  // namespace

int RadiansToTenths(double radians)
{
    const double v = radians * kTenthsPerRadian;
    const double f = std::floor(v);
    return static_cast<int>(f) + (v - f >= 0.5 ? 1 : 0);
}

plat::Point TransformPoint(int x, int y, int cx, int cy, int command)
{
    const double dx = x - cx;
    const double dy = y - cy;
    if (command == kCmdMirror)
        return {cx - (x - cx), y};
    if (command == kCmdFlip)
        return {x, cy - (y - cy)};
    const double r = std::sqrt(dx * dx + dy * dy);
    double phi = std::atan2(dy, dx);
    if (dx == 0)
        phi = dy >= 0 ? 1.5707963 : 4.7123889;
    return {cx + RoundHalfTowardZero(r * std::cos(phi + g_transform.RotateAngle)),
            cy + RoundHalfTowardZero(r * std::sin(phi + g_transform.RotateAngle))};
}

void TransformSelection(int command)
{
    const int n = g_editState.selectionCount;
    if (n < 1)
        return;
    // Attached wires follow a picked part: one undo step covers the part and them.
    const bool rubber = g_settings.rubber != 0 && g_selection.partPicked && n == 1 &&
                        g_current.at(g_editState.SelectionList[1]).isPart();
    AttachedWireList wires;
    if (rubber)
        FindAttachedWires(g_editState.SelectionList[1], wires);
    if (!g_mouseEdit.handlesHidden) {
        std::vector<int> indexes(g_editState.SelectionList.begin() + 1, g_editState.SelectionList.begin() + 1 + n);
        for (const AttachedWire& w : wires.entries)
            indexes.push_back(w.index);
        PushUndoSnapshotOf(indexes);
    }
    const plat::Rect f = g_selection.frame.normalized();
    const int fx = (f.left + f.right) / 2, fy = (f.top + f.bottom) / 2;
    for (int i = 1; i <= n; ++i) {
        const int index = SelectedObject(i);
        if (!g_current.holds(index))
            continue;
        const DrawObject& o = g_current.at(index);
        const bool single = n == 1 && !g_selection.windowMode;
        const int cx = single ? o.x() : fx;
        const int cy = single ? o.y() : fy;
        transformObject(index, cx, cy, command);
    }
    if (rubber)
        FollowPinsAfterTransform(g_editState.SelectionList[1], wires);
    if (g_selection.windowMode) {
        ComputeSelectionFrame(n);
        const plat::Rect r = g_selection.frame.normalized();
        const int hw = std::max(std::abs(r.left - fx), std::abs(r.right - fx)) + g_current.gridStep;
        const int hh = std::max(std::abs(r.top - fy), std::abs(r.bottom - fy)) + g_current.gridStep;
        g_selection.frame = {fx - hw, fy - hh, fx + hw, fy + hh};
    } else {
        ComputeSelectionFrame(1);
    }
}
