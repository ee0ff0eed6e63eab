#include "schemora/core/hit_testing.h"

#include "platform/gdi/dc.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/object_append.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/part_transforms.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr int kFilterNetsOnly = 723;
constexpr int kHandlePixels = 6;
constexpr int kLabelPixels = 12;
constexpr int kDotHalf = 16;
constexpr int kArcGrowth = 4;

// Filter switch of each kind (index into g_editFilter), -1 for kinds never selected.
int filterSwitch(int type)
{
    switch (type) {
    case kObjText: return 0;
    case 3: case kObjDot: return 1;
    case kObjLine: return 2;
    case kObjArc: return 3;
    case kObjEllipse: return 4;
    case kObjRectangle: return 5;
    case kObjRoundRect: return 6;
    case kObjTriangle: case kObjPolygon: return 7;
    case kObjBus: return 9;
    case kObjArrow: return 10;
    default: return type >= kObjPart ? 8 : -1;
    }
}

// The strip of half width t along the segment, or one of its two ends exactly.
bool onStrip(plat::Point p, int x1, int y1, int x2, int y2, int t)
{
    if ((p.x == x1 && p.y == y1) || (p.x == x2 && p.y == y2))
        return true;
    const double dx = x2 - x1, dy = y2 - y1;
    const double len = std::sqrt(dx * dx + dy * dy);
    if (len == 0)
        return false;
    const double along = ((p.x - x1) * dx + (p.y - y1) * dy) / len;
    const double across = ((p.x - x1) * dy - (p.y - y1) * dx) / len;
    return along >= 0 && along <= len && std::abs(across) < t;
}

// Near the outline of a box (not its interior): inside the box grown by t and within t of a
// side; the side found last wins (left, right, top, bottom).
bool nearOutline(plat::Point p, plat::Rect b, int t)
{
    b = b.normalized();
    if (!(p.x > b.left - t && p.x < b.right + t && p.y > b.top - t && p.y < b.bottom + t))
        return false;
    int edge = 0;
    if (std::abs(p.x - b.left) <= t) edge = 1;
    if (std::abs(p.x - b.right) <= t) edge = 2;
    if (std::abs(p.y - b.top) <= t) edge = 3;
    if (std::abs(p.y - b.bottom) <= t) edge = 4;
    if (edge)
        g_selection.edgeCode = edge;
    return edge != 0;
}

bool pointInPolygon(plat::Point p, const DrawObject& o)
{
    const int n = o.pointCount();
    int winding = 0;
    for (int i = 0; i < n; ++i) {
        const int x1 = o.pointX(i), y1 = o.pointY(i);
        const int x2 = o.pointX((i + 1) % n), y2 = o.pointY((i + 1) % n);
        const long long cross = static_cast<long long>(x2 - x1) * (p.y - y1) - static_cast<long long>(p.x - x1) * (y2 - y1);
        if (y1 <= p.y && y2 > p.y && cross > 0)
            ++winding;
        else if (y1 > p.y && y2 <= p.y && cross < 0)
            --winding;
    }
    return winding != 0;
}

// A text is drawn turned counter-clockwise about its anchor: the point is turned back the other
// way onto the upright box.
bool hitText(plat::Point p, const DrawObject& o)
{
    const int angle = TextDrawnAngle(o);
    int x = p.x, y = p.y;
    if (angle != 0)
        RotatePointByAngle(o.x(), o.y(), &x, &y, angle * kTenthsToRadians, false);
    const plat::Rect b = TextBox(o);
    return b.left <= x && x < b.right && b.top <= y && y <= b.bottom;
}

// A turned rounded rectangle is drawn with its corners turned (and mirrored) about its anchor;
// the point is taken back onto the upright box: mirrored back first, then turned back.
plat::Point ontoUprightBox(plat::Point p, const DrawObject& o)
{
    const int angle = o.rotation();
    if (angle == 0)
        return p;
    int x = o.mirrored() ? 2 * o.x() - p.x : p.x;
    int y = p.y;
    RotatePointByAngle(o.x(), o.y(), &x, &y, 6.2831853072 - angle * kTenthsToRadians, false);
    return {x, y};
}

bool hitPart(plat::Point p, const DrawObject& o)
{
    const int angle = PartOrientation(o.w[7]);
    if (IsRightAngle(angle)) {
        const plat::Rect e = PartExtent(o);
        if (p.x > e.left && p.x < e.right && p.y > e.top && p.y < e.bottom)
            return true;
        const plat::Point label = PartLabelAnchor(o);
        const int near = kLabelPixels * g_current.zoom();
        return std::abs(p.x - label.x) <= near && std::abs(p.y - label.y) <= near;
    }
    int x = p.x, y = p.y;
    const bool mirror = PartMirror(o.w[7]) != 0;
    RotatePointByAngle(o.x(), o.y(), &x, &y, mirror ? angle * kTenthsToRadians : 6.2831853072 - angle * kTenthsToRadians, false);
    DrawObject upright = CloneDrawObject(o);
    upright.w[7] &= ~0xFFF;
    const plat::Rect e = PartExtent(upright);
    ReleaseObjectData(upright);
    return x > e.left && x < e.right && y > e.top && y < e.bottom;
}

bool hitsObject(plat::Point p, int index, int t, bool singleOnEntry)
{
    const DrawObject& o = g_current.at(index);
    const int type = o.type();
    const bool netsOnly = g_selection.filterId == kFilterNetsOnly;
    if (!PassesSelectionFilter(type) && !(type == kObjLine && netsOnly))
        return false;
    switch (type) {
    case kObjLine: case kObjArrow: case kObjBus: {
        const int tol = singleOnEntry ? kHandlePixels * g_current.zoom() : t;
        if (!onStrip(p, o.x(), o.y(), o.w[2], o.w[3], tol))
            return false;
        g_selection.stripX1 = o.x(); g_selection.stripY1 = o.y();
        g_selection.stripX2 = o.w[2]; g_selection.stripY2 = o.w[3];
        g_selection.stripHalf = tol;
        return true;
    }
    case kObjRectangle: return nearOutline(p, {o.x(), o.y(), o.x() + o.w[2], o.y() + o.w[3]}, t);
    case kObjRoundRect: return nearOutline(ontoUprightBox(p, o), {o.x(), o.y(), o.x() + o.w[2], o.y() + o.w[3]}, t);
    case kObjTriangle: return nearOutline(p, GetObjectExtent(index), t);
    case kObjPolygon: return g_mouseEdit.reshaping || pointInPolygon(p, o);
    case 3: case kObjDot:
        return o.x() - kDotHalf <= p.x && p.x < o.x() + kDotHalf && o.y() - kDotHalf <= p.y && p.y <= o.y() + kDotHalf;
    case kObjText: return hitText(p, o);
    case kObjEllipse:
        return o.w[2] > 0 && o.w[3] > 0 && std::abs(p.x - o.x()) <= o.w[2] && std::abs(p.y - o.y()) <= o.w[3];
    case kObjArc: {
        const plat::Rect b = GrowRect(plat::Rect{o.x(), o.y(), o.w[2], o.w[3]}.normalized(), kArcGrowth, kArcGrowth);
        return p.x > b.left && p.x < b.right && p.y > b.top && p.y < b.bottom;
    }
    default: return false;
    }
}

void selectSingle(int index)
{
    g_editState.selectionCount = 1;
    g_editState.SelectionList[1] = index;
    g_selection.hitExtent = GetSelectionExtent(index);
}

void prepareInvert(plat::Dc& dc) { DrawObjectInMode(dc, 0, kModeInvert); }

void handleSquare(plat::Dc& dc, plat::Point p, int h) { dc.Rectangle(p.x - h, p.y - h, p.x + h, p.y + h); }

void outline(plat::Dc& dc, const plat::Rect& r)
{
    dc.Rectangle(r.left, r.top, r.right, r.bottom);
}

int setHandles(std::initializer_list<plat::Point> points)
{
    int n = 0;
    for (plat::Point p : points)
        if (n < kMaxHandles)
            g_selection.handles[static_cast<size_t>(n++)] = p;
    g_selection.handleCount = n;
    return n;
}

void boxHandles(const plat::Rect& b)
{
    const int mx = (b.left + b.right) / 2, my = (b.top + b.bottom) / 2;
    // Corners first (top-left, bottom-right, bottom-left, top-right), then the sides (top,
    // bottom, left, right): the order the reshape modes follow.
    setHandles({{b.left, b.top}, {b.right, b.bottom}, {b.left, b.bottom}, {b.right, b.top},
                {mx, b.top}, {mx, b.bottom}, {b.left, my}, {b.right, my}});
}

}  // namespace

bool PassesSelectionFilter(int type)
{
    const int s = filterSwitch(type);
    return s >= 0 && g_editFilter.on[static_cast<size_t>(s)] != 0;
}

bool OnCurrentLayerAndSheet(int index)
{
    const DrawObject& o = g_current.at(index);
    return o.onLayer(CurrentDrawingLayer()) && (thePartEditor || o.sheet() == CurrentEditSheet());
}

int HitTestObjectAt(plat::Point p, int first, int last)
{
    const bool singleOnEntry = g_editState.selectionCount == 1;
    const int entryOne = g_editState.SelectionList[1];
    g_editState.selectionCount = 0;
    g_editState.SelectionList[1] = 0;
    first = std::max(first, 1);
    last = std::min(last, g_current.count);
    int partHit = 0;
    for (int i = first; i <= last; ++i) {
        const DrawObject& o = g_current.at(i);
        if (o.type() == 0 || !OnCurrentLayerAndSheet(i))
            continue;
        const int t = std::max(o.w[6] & 0xFF, 12) / 2 + 3;
        if (o.isPart()) {
            if (PassesSelectionFilter(o.type()) && hitPart(p, o))
                partHit = i;
            continue;
        }
        if (o.type() == kObjEllipse && partHit)
            continue;
        if (hitsObject(p, i, t, singleOnEntry && entryOne == i)) {
            selectSingle(i);
            return i;
        }
    }
    if (partHit) {
        selectSingle(partHit);
        g_selection.hitExtent = GetObjectExtent(partHit);
        return partHit;
    }
    return 0;
}

int HitTestObject(int first, int last) { return HitTestObjectAt(CursorDrawingPoint(), first, last); }

int PartUnderPoint(plat::Point p)
{
    for (int i = g_current.count; i >= 1; --i) {
        const DrawObject& o = g_current.at(i);
        if (o.isPart() && OnCurrentLayerAndSheet(i) && hitPart(p, o))
            return i;
    }
    return 0;
}

bool PointInWindow(int index, int mode, const plat::Rect& window)
{
    const DrawObject& o = g_current.at(index);
    if (!o.onLayer(CurrentDrawingLayer()))
        return false;
    const plat::Rect w = window.normalized();
    auto in = [&](int x, int y) { return x >= w.left && x <= w.right && y >= w.top && y <= w.bottom; };
    switch (mode) {
    case 0: return in(o.w[0], o.w[1]);
    case 1: return in(o.w[0], o.w[3]);
    case 2: return in(o.w[2], o.w[1]);
    case 3: return in(o.w[2], o.w[3]);
    default:
        return in(o.x() - o.w[2], o.y()) || in(o.x() + o.w[2], o.y()) || in(o.x(), o.y() - o.w[3]) ||
               in(o.x(), o.y() + o.w[3]);
    }
}

int SelectObjectsInWindow(plat::Dc& dc, int action)
{
    const plat::Point corner = CursorDrawingPoint();
    if (action == 1) {
        g_selection.partPicked = false;
        g_selection.netPinsShown = false;
        g_selection.windowMode = false;
        g_selection.bandShown = false;
        g_editState.selectionCount = 0;
        g_selection.band = {g_mouseEdit.pressDraw.x, g_mouseEdit.pressDraw.y, g_mouseEdit.pressDraw.x, g_mouseEdit.pressDraw.y};
        if (const int hit = HitTestObject(1, g_current.count)) {
            const DrawObject& o = g_current.at(hit);
            g_selection.partPicked = g_settings.rubber != 0 && o.isPart();
            if (!(g_selection.filterId == kFilterNetsOnly && o.type() == kObjLine))
                DrawObjectHandles(dc, hit);
            else {
                ShowNetPinsFor(dc, hit);
                g_selection.netPinsShown = true;
            }
            g_selection.frame = g_selection.hitExtent;
        }
        return 1;
    }
    if (action == 2) {
        if (g_selection.bandShown)
            DrawSelectFrame(dc, g_selection.band);
        g_selection.band.right = corner.x;
        g_selection.band.bottom = corner.y;
        g_selection.bandShown = true;
        g_selection.windowMode = true;
        g_selection.netPinsShown = false;
        DrawSelectFrame(dc, g_selection.band);
        g_selection.frame = g_selection.band.normalized();
        g_selection.frameShown = true;
        return 1;
    }
    const plat::Rect window = g_selection.band.normalized();
    int n = 0;
    for (int i = 1; i <= g_current.count && n < kSelectionSlots - 1; ++i) {
        const DrawObject& o = g_current.at(i);
        if (o.type() == 0 || o.sheet() != CurrentEditSheet() || !PassesSelectionFilter(o.type()))
            continue;
        if (PointInWindow(i, 0, window))
            g_editState.SelectionList[static_cast<size_t>(++n)] = i;
    }
    g_editState.selectionCount = n;
    g_selection.bandShown = false;
    if (n == 0) {
        if (g_selection.frameShown)
            DrawSelectFrame(dc, g_selection.band);
        g_selection.frameShown = false;
        g_selection.windowMode = false;
        return 0;
    }
    char text[64];
    if (n == 1)
        std::snprintf(text, sizeof text, "Selected 1 object");
    else
        std::snprintf(text, sizeof text, "Selected %d objects", n);
    // The pin list the press put on the status line is what the user asked for.
    if (!g_selection.netPinsShown)
        SetStatusText(text, 0);
    g_selection.frame = window;
    if (n == 1 && g_current.at(g_editState.SelectionList[1]).isPart() && g_settings.rubber != 0)
        g_selection.partPicked = true;
    return 0;
}

void DrawObjectHandles(plat::Dc& dc, int index)
{
    if (!g_current.holds(index))
        return;
    const DrawObject& o = g_current.at(index);
    g_selection.handleCount = 0;
    if (!OnCurrentLayerAndSheet(index))
        return;
    prepareInvert(dc);
    const ScopedPen pen(dc, MakePen(kRoleEdit, 0, 1));
    const ScopedBrush brush(dc, plat::stockBrush(plat::kNullBrush));
    const int h = kHandlePixels * g_current.zoom();
    const int type = o.type();
    if (o.hasSecondPoint()) {
        setHandles({{o.x(), o.y()}, {o.w[2], o.w[3]}});
    } else if (type == kObjRectangle || type == kObjRoundRect) {
        if (o.rotation() == 0)
            boxHandles(plat::Rect{o.x(), o.y(), o.x() + o.w[2], o.y() + o.w[3]}.normalized());
        else
            setHandles({{o.x(), o.y()}});
    } else if (type == kObjEllipse) {
        const plat::Rect b = GetObjectExtent(index);
        outline(dc, b);
        boxHandles(b);
    } else if (type == kObjTriangle) {
        boxHandles(GetObjectExtent(index));
        g_selection.handleCount = 4;
    } else if (type == kObjPolygon) {
        g_selection.handleCount = std::min(o.pointCount(), kMaxHandles);
        for (int i = 0; i < g_selection.handleCount; ++i)
            g_selection.handles[static_cast<size_t>(i)] = {o.pointX(i), o.pointY(i)};
    } else if (type == kObjText && TextDrawnAngle(o) != 0) {
        const auto corners = TextCorners(o);
        dc.Polygon(corners);
    } else if (type == kObjText || type == kObjDot || type == 3) {
        outline(dc, GetObjectExtent(index));
    } else if (o.isPart()) {
        outline(dc, PartExtent(o));
        const PartSymbol& symbol = g_partSymbols.entries[static_cast<size_t>(std::clamp(o.symbolIndex(), 0, kPartSymbolSlots - 1))];
        if (symbol.w[15] == 0 && IsRightAngle(o.w[7])) {
            const plat::Point label = PartLabelAnchor(o);
            handleSquare(dc, label, 2 * h);
            setHandles({label});
        }
    }
    if (!o.isPart())
        for (int i = 0; i < g_selection.handleCount; ++i)
            handleSquare(dc, g_selection.handles[static_cast<size_t>(i)], h);
    DrawObjectInMode(dc, 0, kModeCopy);
}

bool HitTestHandle()
{
    if (g_editState.selectionCount != 1 || g_selection.windowMode)
        return false;
    const plat::Point p = CursorDrawingPoint();
    const int h = kHandlePixels * g_current.zoom();
    for (int k = 0; k < g_selection.handleCount; ++k) {
        const plat::Point q = g_selection.handles[static_cast<size_t>(k)];
        if (std::abs(p.x - q.x) < h && std::abs(p.y - q.y) < h) {
            g_selection.grabbedHandle = k;
            return true;
        }
    }
    return false;
}

void DrawSelectFrame(plat::Dc& dc, const plat::Rect& r)
{
    prepareInvert(dc);
    const ScopedPen pen(dc, MakePen(kRoleEdit, 2, 1));
    const ScopedBrush brush(dc, plat::stockBrush(plat::kNullBrush));
    const plat::Rect n = r.normalized();
    dc.Rectangle(n.left, n.top, n.right, n.bottom);
    DrawObjectInMode(dc, 0, kModeCopy);
}

void HideSelectionMarks(plat::Dc& dc)
{
    if (g_editState.selectionCount == 1 && !g_selection.windowMode) {
        DrawObjectHandles(dc, g_editState.SelectionList[1]);
    } else if (g_selection.frameShown) {
        DrawSelectFrame(dc, g_selection.frame);
        g_selection.frameShown = false;
    }
}

void ComputeSelectionFrame(int n)
{
    n = std::min(n, g_editState.selectionCount);
    bool any = false;
    plat::Rect frame;
    for (int i = 1; i <= n; ++i) {
        const int index = SelectedObject(i);
        if (!g_current.holds(index))
            continue;
        const plat::Rect e = GetSelectionExtent(index);
        frame = any ? UnionRect(frame, e) : e;
        any = true;
    }
    if (any)
        g_selection.frame = frame;
}

void ShowSelectionText()
{
    const int index = g_editState.SelectionList[1];
    if (!g_current.holds(index))
        return;
    const DrawObject& o = g_current.at(index);
    char text[256];
    switch (o.type()) {
    case kObjLine:
        std::snprintf(text, sizeof text, "Selected object #%d, Line, xa=%d,ya=%d,xb=%d,yb=%d", index, o.x(), o.y(), o.w[2], o.w[3]);
        break;
    case kObjText: {
        const int number = o.w[2] & 0x7F;
        const std::string face = number < static_cast<int>(g_settings.fontTable.size()) && number > 0
                                     ? g_settings.fontTable[static_cast<size_t>(number)].face
                                     : "Arial";
        const int size = ((o.w[2] >> 8) & 127) ? ((o.w[2] >> 8) & 127) * 3 / 4 : 8;
        std::snprintf(text, sizeof text, "Selected object #%d, \"%s\" text, size=%d, %d chars", index, face.c_str(),
                      size, o.text ? static_cast<int>(std::char_traits<char>::length(o.text)) : 0);
        break;
    }
    case kObjTriangle:
        std::snprintf(text, sizeof text, "Select triangle object #%d,mir=%d,angle=%d", index, o.mirrored() ? 1 : 0, o.rotation());
        break;
    case kObjPolygon:
        std::snprintf(text, sizeof text, "Selected object #%d, polygon, number of edges: %d", index, o.w[2]);
        break;
    default:
        if (o.type() > kObjPart) {
            // The part text is "prefix:library\name": the reference letter comes first.
            const std::string_view name = o.text ? std::string_view(o.text) : std::string_view();
            const size_t colon = name.find(':');
            const std::string part(colon == std::string_view::npos ? name : name.substr(colon + 1));
            std::snprintf(text, sizeof text, "Selected object #%d, %c%d (%s)", index, name.empty() ? '?' : name[0],
                          o.w[6], part.c_str());
        }
        else
            std::snprintf(text, sizeof text, "Selected object #%d", index);
    }
    SetStatusText(text, 0);
}

void EraseSelection()
{
    if (g_editState.selectionCount < 1)
        return;
    PushUndoSnapshot();
    for (int i = g_editState.selectionCount; i >= 1; --i) {
        const int index = SelectedObject(i);
        if (thePartEditor && index <= 2)
            continue;
        DeleteObject(index);
    }
    g_editState.selectionCount = 0;
    g_selection.windowMode = false;
    g_selection.frameShown = false;
    if (!thePartEditor)
        RedrawActiveFrame();
}

bool IsSelected(int index)
{
    for (int i = 1; i <= g_editState.selectionCount; ++i)
        if (SelectedObject(i) == index)
            return true;
    return false;
}
