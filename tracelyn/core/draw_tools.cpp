// The drawing tools of the dispatcher: each press appends one object with the tool's
// defaults (and one appended step on the undo ring), each move stretches it as an inverted
// ghost, and the release keeps it or, for a click without a drag, takes it back.
#include "common/rounding.h"
#include "common/string_helpers.h"
#include "platform/core/ui_host.h"
#include "platform/gdi/dc.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_painter.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/core_services.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/mouse_edit.h"
#include "tracelyn/core/object_append.h"
#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/core/text_entry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// Logical units per board unit in a metric view.
constexpr double kMetricScale = 2.54;

constexpr int kPolygonVertexSlots = 10;

bool isThermalPlane(int layer)
{
    return layer == kLayerVcc || layer == kLayerGround || (layer >= kLayerPower1 && layer <= kLayerPower4);
}

int padLayer(int shape, int layer)
{
    switch (shape) {
    case kPadRect:
    case kPadFinger:
    case kPadThermal:
        return layer;
    case kPadLayerPair:
        return layer == kLayerAll ? 0 : (layer & 126);
    default:
        return kLayerAll;
    }
}

int32_t kindWord(int layer, int kind)
{
    return static_cast<int32_t>(static_cast<uint32_t>(layer) << 10) + kind;
}

// "R" and "9" give "R9" and leave "10".
char* nextAutoText()
{
    DrawDefaults& d = g_drawDefaults;
    char* text = StrDupChecked(d.autoPrefix + d.autoNumber);
    d.autoNumber = std::to_string(std::strtol(d.autoNumber.c_str(), nullptr, 10) + 1);
    return text;
}

bool fillPart(BoardObject& o)
{
    const int package = g_packages.current;
    if (package < 1 || package > std::min(g_packages.count, kMaxPartPackage))
        return false;
    const int layer = g_edit.currentLayer;
    if (g_drawDefaults.partLayer == kLayerAll)
        o.w[4] = kindWord(kLayerAll, kKindPart + package);
    else
        o.w[4] = kindWord(layer == kLayerAll ? 0 : layer, kKindPart + package);
    o.w[2] = o.w[3] = o.w[5] = o.w[6] = o.w[7] = 0;
    o.data = StrDupChecked("");
    SetPartLabelAnchor(o, nullptr);
    ComputePartExtent(package);
    int sections = 1, count = 0, first = 0, value = 0;
    FindPartPin(package, sections, count, first, 0, value);
    return true;
}

// Fills the new record for the tool; false when the tool refuses (the record is taken back).
bool fillNewObject(BoardObject& o, int tool)
{
    const int layer = g_edit.currentLayer;
    o.w[0] = g_gesture.boardX;
    o.w[1] = g_gesture.boardY;
    o.w[5] = g_drawDefaults.outlineStyle;
    o.w[7] = g_boardSettings.trace_width;
    switch (tool) {
    case kToolAutoText:
        o.w[4] = kindWord(layer, kKindText);
        o.w[2] = g_boardSettings.CurrentSize * 256;
        o.w[3] = 0;
        o.data = nextAutoText();
        return o.data != nullptr;
    case kToolRectangle:
    case kToolEllipse:
        o.w[4] = kindWord(layer, tool == kToolRectangle ? kKindRectangle : kKindEllipse);
        o.w[6] = g_drawDefaults.fillPattern;
        return true;
    case kToolTrace:
    case kToolRoute:
    case kToolArc:
        // A trace or arc starts with both ends at the press.
        o.w[4] = kindWord(layer, tool == kToolArc ? kKindArc : kKindLine);
        o.w[2] = o.w[0];
        o.w[3] = o.w[1];
        return true;
    case kToolPad: {
        const int shape = g_boardSettings.padShape;
        if (shape == kPadThermal && !isThermalPlane(layer)) {
            plat::MessageBox("Error---thermals pads can only be placed on VCC, GND or power planes!");
            return false;
        }
        o.w[4] = kindWord(padLayer(shape, layer), kKindPad);
        o.w[5] = shape;
        o.w[2] = g_boardSettings.padSizeX;
        o.w[3] = g_boardSettings.padSizeY;
        o.w[6] = g_boardSettings.padHole;
        return true;
    }
    case kToolPart:
        return fillPart(o);
    case kToolPolygon: {
        int32_t* block = NewPointBlock(kPolygonVertexSlots * kVertexWords);
        if (block == nullptr)
            return false;
        o.w[4] = kindWord(layer, kKindPolygon);
        o.data = block;
        o.w[6] = g_drawDefaults.fillPattern;
        o.w[2] = std::clamp(g_drawDefaults.polygonEdges, 3, kPolygonVertexSlots);
        return true;
    }
    default:
        return false;
    }
}

// Takes the new object back: its data freed, the count lowered over it, no undo step left.
void discardNewObject()
{
    TakeBackAppendedObject(g_gesture.newObject);
    g_gesture.newObject = 0;
}

void stretchPolygon(BoardObject& o, int32_t x)
{
    int32_t* v = o.points();
    const int n = std::clamp(o.w[2], 3, kPolygonVertexSlots);
    if (v == nullptr)
        return;
    const double r = std::abs(double(x) - o.w[0]);
    for (int i = 0; i < n; ++i) {
        const double a = 1.5707963267948966 - i * 2 * 3.141592653589793 / n;
        v[i * 2] = o.w[0] + static_cast<int32_t>(r * std::cos(a));
        v[i * 2 + 1] = o.w[1] - static_cast<int32_t>(r * std::sin(a));
    }
}

void stretchEllipse(BoardObject& o)
{
    const double dx = double(g_view.cursorX) - g_gesture.pressX;
    const double dy = double(g_view.cursorY) - g_gesture.pressY;
    if (dx * dx + dy * dy == 0)
        return;
    const int32_t r = static_cast<int32_t>(std::sqrt(dx * dx + dy * dy));
    int32_t rx = static_cast<int32_t>(r * g_drawDefaults.ellipseAspect), ry = r;
    ScreenToWorld(rx, ry);
    // Metric views draw 2.54 logical units to a board unit's place: the same drag gives the
    // same ellipse in either unit.
    if (MetricUnits()) {
        rx = RoundHalfUp(rx / kMetricScale);
        ry = RoundHalfUp(ry / kMetricScale);
    }
    o.w[2] = rx;
    o.w[3] = ry;
}

void stretch(BoardObject& o, int tool)
{
    const int32_t x = g_gesture.boardX, y = g_gesture.boardY;
    switch (tool) {
    case kToolRectangle:
        o.w[2] = x - o.w[0];
        o.w[3] = y - o.w[1];
        break;
    case kToolTrace:
    case kToolRoute: {
        int32_t ex = x, ey = y;
        if (tool == kToolTrace && g_boardSettings.limit != 0) {
            if (std::abs(g_gesture.pressBoardY - y) < std::abs(g_gesture.pressBoardX - x))
                ey = g_gesture.pressBoardY;
            else
                ex = g_gesture.pressBoardX;
        }
        o.w[2] = ex;
        o.w[3] = ey;
        break;
    }
    case kToolEllipse:
        stretchEllipse(o);
        break;
    case kToolPad:
    case kToolPart:
        o.w[0] = x;
        o.w[1] = y;
        break;
    case kToolArc:
        o.w[2] = x;
        o.w[3] = y;
        break;
    case kToolPolygon:
        stretchPolygon(o, x);
        break;
    default:
        break;
    }
}

void eraseGhost(plat::Dc& dc)
{
    if (g_gesture.ghost && g_gesture.newObject != 0)
        PaintObject(dc, g_gesture.newObject, kModeInvert);
    g_gesture.ghost = false;
}

bool releasedOnPress()
{
    return g_view.cursorX == g_gesture.pressX && g_view.cursorY == g_gesture.pressY;
}

bool releasedOnLastPlacement()
{
    return g_view.cursorX == g_gesture.placedX && g_view.cursorY == g_gesture.placedY;
}

void finishRoute(plat::Dc& dc)
{
    const int index = g_gesture.newObject;
    const int before = g_board.count;
    const int layer = g_edit.currentLayer;
    if (!((layer >= 0 && layer <= 15) || layer == kLayerAll))
        return;
    const int appended = RouteOneConnection(index);
    if (BoardUndoEntry* entry = NewestUndoEntry(); entry != nullptr && entry->kind == kUndoAppended)
        entry->count = (g_board.count - before) + 1;
    (void)appended;
    (void)dc;
}

}  // namespace

void DrawToolPress(plat::Dc& dc, int tool)
{
    ClearSelection(dc);
    g_gesture.newObject = 0;
    g_gesture.ghost = false;
    if (tool == kToolText) {
        StartTextEntry();
        return;
    }
    // Tools without an object of their own add nothing.
    if (tool == kToolNone || tool == kToolFill || tool == kToolSelectAll ||
        tool == kToolDrawToFit)
        return;
    const int base = g_board.count;
    const int index = AppendObject();
    if (index == 0)
        return;
    PushAppendedStep(base, 1);
    g_gesture.newObject = index;
    if (!fillNewObject(g_board.objects[index], tool)) {
        discardNewObject();
        return;
    }
    if (tool == kToolPart && g_boardSettings.AutoRefs != 0)
        NumberNewPart(index);
}

int PlacePackageAt(int package, int x, int y)
{
    if (package < 1 || package > std::min(g_packages.count, kMaxPartPackage) || g_board.objects == nullptr)
        return 0;
    const int base = g_board.count;
    const int index = AppendObject();
    if (index == 0)
        return 0;
    PushAppendedStep(base, 1);
    g_packages.current = package;
    BoardObject& o = g_board.objects[index];
    o.w[0] = x;
    o.w[1] = y;
    if (!fillPart(o)) {
        TakeBackAppendedObject(index);
        return 0;
    }
    if (g_boardSettings.AutoRefs != 0)
        NumberNewPart(index);
    return index;
}

void DrawToolMove(plat::Dc& dc, int tool)
{
    const int index = g_gesture.newObject;
    if (index == 0 || index > g_board.count || tool == kToolAutoText || tool == kToolText)
        return;
    eraseGhost(dc);
    stretch(g_board.objects[index], tool);
    PaintObject(dc, index, kModeInvert);
    g_gesture.ghost = true;
}

void DrawToolRelease(plat::Dc& dc, int tool)
{
    const int index = g_gesture.newObject;
    const bool live = index != 0 && index <= g_board.count;
    switch (tool) {
    case kToolText:
    case kToolFill:
        break;
    case kToolRectangle:
    case kToolTrace:
    case kToolArc:
    case kToolPolygon:
    case kToolRoute:
    case kToolPart:
        if (!live)
            break;
        eraseGhost(dc);
        // A shape released where it was pressed, or a part released on the last one placed,
        // is no object: it goes and the select tool comes back.
        if (tool == kToolPart ? releasedOnLastPlacement() : releasedOnPress()) {
            discardNewObject();
            g_gesture.tool = kToolSelect;
            break;
        }
        if (tool == kToolRoute)
            finishRoute(dc);
        PaintObject(dc, index, kModeCopy);
        break;
    default:
        if (g_gesture.tool == kToolNone || (releasedOnLastPlacement() && tool != kToolDrawToFit))
            g_gesture.tool = kToolSelect;
        if (!live)
            break;
        eraseGhost(dc);
        PaintObject(dc, index, kModeCopy);
        break;
    }
    g_selection.count = 0;
    g_gesture.multi = false;
    g_gesture.ghost = false;
    g_gesture.handleDrag = false;
    g_gesture.dragging = false;
    g_gesture.frameHidden = false;
    g_gesture.newObject = 0;
    g_gesture.placedX = g_view.cursorX;
    g_gesture.placedY = g_view.cursorY;
}

bool RemoveMatchingNoRoute(int x1, int y1, int x2, int y2)
{
    if (g_board.objects == nullptr)
        return false;
    int32_t reach = 25 * g_view.zoomDivisor, unused = 0;
    ScreenToWorld(reach, unused);
    auto near = [reach](int32_t ax, int32_t ay, int32_t bx, int32_t by) {
        return std::abs(ax - bx) <= reach && std::abs(ay - by) <= reach;
    };
    const int last = std::min(g_board.count, g_board.capacity - 1);
    for (int i = 1; i <= last; ++i) {
        BoardObject& o = g_board.objects[i];
        if (o.kind() != kKindNoRoute)
            continue;
        const bool same = near(o.w[0], o.w[1], x1, y1) && near(o.w[2], o.w[3], x2, y2);
        const bool swapped = near(o.w[0], o.w[1], x2, y2) && near(o.w[2], o.w[3], x1, y1);
        if (same || swapped) {
            o.w[4] = 0;
            return true;
        }
    }
    return false;
}
