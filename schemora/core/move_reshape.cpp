#include "schemora/core/move_reshape.h"

#include "platform/gdi/dc.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/hit_testing.h"
#include "schemora/core/object_append.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/part_transforms.h"
#include "schemora/core/pin_snap.h"
#include "schemora/core/rubber_wires.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kGhostLimit = 10;
constexpr int kMergeTolerance = 2;
constexpr int kWireEndTolerance = 10;

// The wires attached to the part being moved in rubber mode (from the first step to the last).
AttachedWireList g_attached;

void moveWords(DrawObject& o, int xi, int dx, int dy)
{
    o.w[static_cast<size_t>(xi)] = ClampDrawingCoordinate(static_cast<long long>(o.w[static_cast<size_t>(xi)]) + dx);
    o.w[static_cast<size_t>(xi + 1)] = ClampDrawingCoordinate(static_cast<long long>(o.w[static_cast<size_t>(xi + 1)]) + dy);
}

void moveObject(DrawObject& o, int dx, int dy)
{
    const int layer = CurrentDrawingLayer();
    if (layer != 4)
        o.w[4] = (o.w[4] & 0x43ff) | (layer << 10);
    switch (o.type()) {
    case kObjLine: case kObjArrow: case kObjBus: case kObjArc:
        for (int w : {0, 2, 11, 16})
            moveWords(o, w, dx, dy);
        return;
    case kObjPolygon:
        moveWords(o, 0, dx, dy);
        for (int i = 0; i < o.pointCount(); ++i)
            o.setPoint(i, ClampDrawingCoordinate(static_cast<long long>(o.pointX(i)) + dx),
                       ClampDrawingCoordinate(static_cast<long long>(o.pointY(i)) + dy));
        return;
    default:
        moveWords(o, 0, dx, dy);
    }
}

void drawAttachedWires(plat::Dc& dc, int mode)
{
    for (const AttachedWire& w : g_attached.entries)
        DrawObjectInMode(dc, w.index, mode);
}

bool rubberPart()
{
    return g_settings.rubber != 0 && g_selection.partPicked && g_editState.selectionCount == 1 &&
           g_current.holds(SelectedObject(1)) && g_current.at(SelectedObject(1)).isPart();
}

// The end of a step that changed objects: dots, a full repaint (which draws the handles or
// frame again) and a fresh hit extent of a single selection.
void finishEdit()
{
    RefreshDotsAfterEdit();
    g_mouseEdit.handlesHidden = false;
    if (g_editState.selectionCount == 1 && !g_selection.windowMode && g_current.holds(SelectedObject(1))) {
        const int index = SelectedObject(1);
        ComputeSelectionFrame(1);
        g_selection.hitExtent = GetSelectionExtent(index);
    }
    RedrawEditWindow();
}

plat::Point cursorStep()
{
    return {MetricScaled(g_cursor.x - g_mouseEdit.moveOriginX), MetricScaled(g_cursor.y - g_mouseEdit.moveOriginY)};
}

// Reshape helpers ----------------------------------------------------------------------------

int reshapeModeFor(const DrawObject& o, int k)
{
    switch (o.type()) {
    case kObjLine: case kObjArrow: case kObjBus: case kObjArc: return k == 0 ? 0 : 3;
    case kObjRectangle: case kObjRoundRect: {
        constexpr int corners[] = {8, 9, 1, 2};
        return k < 4 ? corners[k] : k;
    }
    case kObjTriangle: return k < 4 ? 10 + k : k;
    default: return k;
    }
}

void reshapeEllipse(DrawObject& o, plat::Point p, int k)
{
    const int dx = p.x - o.x(), dy = p.y - o.y();
    if (k < 4) {
        if (o.w[3] == 0)
            o.w[3] = 1;
        const double a = std::abs(static_cast<double>(o.w[2]) / o.w[3]);
        const double r = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
        if (r > 0) {
            o.w[3] = static_cast<int>(r * 0.7072135785007072);
            o.w[2] = static_cast<int>(o.w[3] * a);
        }
    } else if (k < 6) {
        o.w[2] = std::abs(dx);
    } else {
        o.w[3] = std::abs(dy);
    }
    o.w[2] = std::max(o.w[2], 1);
}

void reshapeBox(DrawObject& o, plat::Point p, int mode)
{
    const int L = o.x(), T = o.y(), R = L + o.w[2], B = T + o.w[3];
    switch (mode) {
    case 8: o.w[0] = p.x; o.w[1] = p.y; o.w[2] = R - p.x; o.w[3] = B - p.y; break;
    case 9: o.w[2] = p.x - L; o.w[3] = p.y - T; break;
    case 1: o.w[0] = p.x; o.w[2] = R - p.x; o.w[3] = p.y - T; break;
    case 2: o.w[1] = p.y; o.w[2] = p.x - L; o.w[3] = B - p.y; break;
    case 4: o.w[1] = p.y; o.w[3] = B - p.y; break;
    case 5: o.w[3] = p.y - T; break;
    case 6: o.w[0] = p.x; o.w[2] = R - p.x; break;
    case 7: o.w[2] = p.x - L; break;
    default: break;
    }
}

// The handles of a normalised box come in the order top-left, bottom-right, bottom-left,
// top-right; a box stored with a negative size has its corners elsewhere, so the drag works on
// the normalised box.
void normaliseBox(DrawObject& o)
{
    if (o.w[2] < 0) { o.w[0] += o.w[2]; o.w[2] = -o.w[2]; }
    if (o.w[3] < 0) { o.w[1] += o.w[3]; o.w[3] = -o.w[3]; }
}

void reshapeTriangle(DrawObject& o, plat::Point p, int mode)
{
    // The offset is turned back by the triangle's angle, then the box rule applies.
    const int angle = o.rotation();
    int x = p.x, y = p.y;
    if (angle != 0)
        RotatePointByAngle(o.x(), o.y(), &x, &y, (3600 - angle) * kTenthsToRadians, (o.w[5] & 0x8000) != 0);
    constexpr int boxModes[] = {8, 9, 1, 2};
    reshapeBox(o, {x, y}, mode >= 10 ? boxModes[mode - 10] : mode);
}

plat::Point orthogonal(plat::Point fixed, plat::Point p)
{
    if (std::abs(fixed.x - p.x) <= std::abs(fixed.y - p.y))
        return {fixed.x, p.y};
    return {p.x, fixed.y};
}

void applyReshape(DrawObject& o, plat::Point p)
{
    const int mode = g_mouseEdit.reshapeMode;
    const int type = o.type();
    if (type == kObjEllipse) {
        reshapeEllipse(o, p, g_selection.grabbedHandle);
        return;
    }
    if (type == kObjPolygon) {
        o.setPoint(mode, p.x, p.y);
        return;
    }
    if (o.hasSecondPoint()) {
        const plat::Point fixed = mode == 0 ? plat::Point{o.w[2], o.w[3]} : plat::Point{o.x(), o.y()};
        // A terminal always leaves its part square to the body.
        if ((g_settings.limit != 0 && type != kObjArc) || o.isPinLine())
            p = orthogonal(fixed, p);
        if (mode == 0) { o.w[0] = p.x; o.w[1] = p.y; }
        else { o.w[2] = p.x; o.w[3] = p.y; }
        if (g_current.holds(g_mouseEdit.reshapeOther)) {
            DrawObject& other = g_current.at(g_mouseEdit.reshapeOther);
            const int xi = g_mouseEdit.reshapeOtherEnd == 0 ? 0 : 2;
            other.w[static_cast<size_t>(xi)] = p.x;
            other.w[static_cast<size_t>(xi + 1)] = p.y;
        }
        return;
    }
    if (type == kObjTriangle)
        reshapeTriangle(o, p, mode);
    else
        reshapeBox(o, p, mode);
}

void drawReshapeGhost(plat::Dc& dc, int index, int mode)
{
    DrawObjectInMode(dc, index, mode);
    if (g_current.holds(g_mouseEdit.reshapeOther))
        DrawObjectInMode(dc, g_mouseEdit.reshapeOther, mode);
}

void startReshape(int index)
{
    DrawObject& o = g_current.at(index);
    g_mouseEdit.reshapeOther = 0;
    const int k = g_selection.grabbedHandle;
    g_mouseEdit.reshapeMode = reshapeModeFor(o, k);
    if ((o.type() == kObjRectangle || o.type() == kObjRoundRect) && o.rotation() == 0)
        normaliseBox(o);
    std::vector<int> changed{index};
    const bool isLineLike = o.type() == kObjLine || o.type() == kObjArrow || o.type() == kObjBus || o.type() == kObjArc;
    if (isLineLike && g_settings.rubber != 0) {
        int otherEnd = 0;
        if (const int other = FindWireAtEnd(index, g_mouseEdit.reshapeMode, &otherEnd)) {
            g_mouseEdit.reshapeOther = other;
            g_mouseEdit.reshapeOtherEnd = otherEnd;
            changed.push_back(other);
        }
    }
    PushUndoSnapshotOf(changed);
    g_editState.selectionCount = 1;
    g_editState.SelectionList[1] = index;
}

void clampObjectPoints(DrawObject& o)
{
    for (int w : {0, 1, 2, 3})
        o.w[static_cast<size_t>(w)] = ClampDrawingCoordinate(o.w[static_cast<size_t>(w)]);
}

}  // namespace

void MoveSelectedObjects(plat::Dc& dc, int dx, int dy, int code)
{
    const int n = g_editState.selectionCount;
    const int ghosts = std::min(n, kGhostLimit);
    const bool hidden = g_mouseEdit.handlesHidden;
    if (hidden && ghosts > 1 && g_selection.frameShown)
        DrawSelectFrame(dc, g_mouseEdit.moveFrame);
    const bool rubber = rubberPart();
    for (int i = 1; i <= n; ++i) {
        const int index = SelectedObject(i);
        if (!g_current.holds(index))
            continue;
        const bool ghost = i <= ghosts && code == kStepGhost;
        if (hidden && i <= ghosts) {
            DrawObjectInMode(dc, index, kModeInvert);
            if (rubber)
                drawAttachedWires(dc, kModeInvert);
        }
        moveObject(g_current.at(index), dx, dy);
        if (rubber)
            DragAttachedWires(g_attached, dx, dy);
        if (ghost) {
            DrawObjectInMode(dc, index, kModeInvert);
            if (rubber)
                drawAttachedWires(dc, kModeInvert);
        }
    }
    g_mouseEdit.moveFrame = {g_mouseEdit.moveFrame.left + dx, g_mouseEdit.moveFrame.top + dy,
                             g_mouseEdit.moveFrame.right + dx, g_mouseEdit.moveFrame.bottom + dy};
    g_selection.frame = {g_selection.frame.left + dx, g_selection.frame.top + dy, g_selection.frame.right + dx,
                         g_selection.frame.bottom + dy};
    if (ghosts > 1 && code == kStepGhost && g_selection.windowMode) {
        DrawSelectFrame(dc, g_mouseEdit.moveFrame);
        g_selection.frameShown = true;
    }
    if (code == kStepFinal && rubber)
        DropCollapsedWires(g_attached);
}

void PlaceAtPoint(plat::Dc& dc, int code)
{
    const int n = g_editState.selectionCount;
    if (n < 1)
        return;
    if (!g_mouseEdit.handlesHidden) {
        g_mouseEdit.labelDrag = n == 1 && g_current.holds(SelectedObject(1)) && g_current.at(SelectedObject(1)).isPart() &&
                                g_mouseEdit.handleGrabbed && !g_selection.windowMode;
        std::vector<int> changed(g_editState.SelectionList.begin() + 1, g_editState.SelectionList.begin() + 1 + n);
        g_attached.entries.clear();
        if (!g_mouseEdit.labelDrag && rubberPart()) {
            FindAttachedWires(SelectedObject(1), g_attached);
            for (const AttachedWire& w : g_attached.entries)
                changed.push_back(w.index);
        }
        PushUndoSnapshotOf(changed);
        if (n <= kGhostLimit)
            ComputeSelectionFrame(n);
        g_mouseEdit.moveFrame = g_selection.frame;
    }
    if (g_mouseEdit.labelDrag) {
        MovePartLabel(dc, code);
        return;
    }
    const plat::Point d = cursorStep();
    MoveSelectedObjects(dc, d.x, d.y, code);
    g_mouseEdit.moveOriginX = g_cursor.x;
    g_mouseEdit.moveOriginY = g_cursor.y;
    g_mouseEdit.handlesHidden = true;
    if (code == kStepFinal) {
        g_attached.entries.clear();
        finishEdit();
    }
}

void CopyMoveSelection(plat::Dc& dc, int code)
{
    const int n = g_editState.selectionCount;
    if (n < 1)
        return;
    if (!g_mouseEdit.handlesHidden) {
        g_mouseEdit.copied = false;
        const int first = AppendObjects(n);
        if (first == 0) {
            // The store cannot take every copy: nothing is appended and nothing moves.
            g_editState.selectionCount = 0;
            g_selection.frameShown = false;
            RedrawEditWindow();
            return;
        }
        g_mouseEdit.copyBaseCount = first - 1;
        g_mouseEdit.layerAtPress = CurrentDrawingLayer();
        for (int i = 1; i <= n; ++i) {
            const int index = SelectedObject(i);
            const int copy = first + i - 1;
            DrawObject& target = g_current.at(copy);
            if (g_current.holds(index) && index < first)
                target = CloneDrawObject(g_current.at(index));
            target.w[23] = CurrentEditSheet();
            g_editState.SelectionList[static_cast<size_t>(i)] = copy;
        }
        RecordAppendedStep(n);
        g_mouseEdit.copied = true;
        g_mouseEdit.moveFrame = g_selection.frame;
    }
    if (!g_mouseEdit.copied)
        return;
    const plat::Point d = cursorStep();
    if (code == kStepFinal && g_cursor.point() == g_mouseEdit.press &&
        g_mouseEdit.layerAtPress == CurrentDrawingLayer()) {
        // Copies left where they were made are no copies: take them and their step back.
        TruncateObjects(g_mouseEdit.copyBaseCount);
        WithdrawLastUndoStep();
        g_editState.selectionCount = 0;
        g_mouseEdit.copied = false;
        g_mouseEdit.handlesHidden = false;
        g_selection.frameShown = false;
        RedrawEditWindow();
        return;
    }
    MoveSelectedObjects(dc, d.x, d.y, code);
    g_mouseEdit.moveOriginX = g_cursor.x;
    g_mouseEdit.moveOriginY = g_cursor.y;
    g_mouseEdit.handlesHidden = true;
    if (code == kStepFinal) {
        g_editState.selectionCount = 0;
        g_selection.frameShown = false;
        g_mouseEdit.copied = false;
        finishEdit();
    }
}

int FindWireAtEnd(int index, int end, int* otherEnd)
{
    const DrawObject& o = g_current.at(index);
    const int x = end == 0 ? o.x() : o.w[2];
    const int y = end == 0 ? o.y() : o.w[3];
    for (int i = 1; i <= g_current.count; ++i) {
        const DrawObject& w = g_current.at(i);
        const int t = w.type();
        if (i == index || w.sheet() != o.sheet() ||
            (t != kObjLine && t != kObjRectangle && t != kObjArrow && t != kObjBus))
            continue;
        if (std::abs(w.x() - x) <= kWireEndTolerance && std::abs(w.y() - y) <= kWireEndTolerance) {
            *otherEnd = 0;
            return i;
        }
        if (std::abs(w.w[2] - x) <= kWireEndTolerance && std::abs(w.w[3] - y) <= kWireEndTolerance) {
            *otherEnd = 3;
            return i;
        }
    }
    return 0;
}

int CollinearWireAt(int index, int end)
{
    const DrawObject& o = g_current.at(index);
    if (o.type() != kObjLine)
        return 0;
    const int px = end == 0 ? o.x() : o.w[2], py = end == 0 ? o.y() : o.w[3];
    const int fx = end == 0 ? o.w[2] : o.x(), fy = end == 0 ? o.w[3] : o.y();
    const bool vertical = o.x() == o.w[2];
    const bool horizontal = o.y() == o.w[3];
    if (vertical == horizontal)
        return 0;
    const int layer = o.layer();
    for (int i = 1; i <= g_current.count; ++i) {
        const DrawObject& w = g_current.at(i);
        if (i == index || w.type() != kObjLine || w.layer() != layer || w.sheet() != o.sheet())
            continue;
        if ((vertical && w.x() != w.w[2]) || (horizontal && w.y() != w.w[3]))
            continue;
        for (int wend : {0, 3}) {
            const int ex = wend == 0 ? w.x() : w.w[2], ey = wend == 0 ? w.y() : w.w[3];
            const int rx = wend == 0 ? w.w[2] : w.x(), ry = wend == 0 ? w.w[3] : w.y();
            if (std::abs(ex - px) > kMergeTolerance || std::abs(ey - py) > kMergeTolerance)
                continue;
            // It continues the line when its far end lies beyond the meeting point.
            const bool beyond = vertical ? (ry - py) * (py - fy) > 0 : (rx - px) * (px - fx) > 0;
            if (beyond)
                return i;
        }
    }
    return 0;
}

int MergeCollinearWire(int index, int end)
{
    const int other = CollinearWireAt(index, end);
    if (!other)
        return 0;
    DrawObject& o = g_current.at(index);
    const DrawObject& w = g_current.at(other);
    const int px = end == 0 ? o.x() : o.w[2], py = end == 0 ? o.y() : o.w[3];
    const bool nearFirst = std::abs(w.x() - px) <= kMergeTolerance && std::abs(w.y() - py) <= kMergeTolerance;
    const int rx = nearFirst ? w.w[2] : w.x(), ry = nearFirst ? w.w[3] : w.y();
    o.w[static_cast<size_t>(end == 0 ? 0 : 2)] = rx;
    o.w[static_cast<size_t>(end == 0 ? 1 : 3)] = ry;
    DeleteObject(other);
    return other;
}

void ReshapeObject(plat::Dc& dc, int index, bool ending)
{
    if (!g_current.holds(index))
        return;
    if (!g_mouseEdit.reshaping) {
        if (g_mouseEdit.handlesHidden)
            return;
        startReshape(index);
        g_mouseEdit.reshaping = true;
        g_mouseEdit.ghostDrawn = false;
    }
    if (g_mouseEdit.ghostDrawn)
        drawReshapeGhost(dc, index, kModeInvert);
    g_mouseEdit.handlesHidden = true;
    // A dragged wire end jumps onto a nearby pin end, as the wire tool's does.
    if (g_settings.pinsnap != 0) {
        ShowPinSnapMarker(dc);
        if (ending)
            ErasePinSnapMarker(dc);
    }
    DrawObject& o = g_current.at(index);
    applyReshape(o, CursorDrawingPoint());
    clampObjectPoints(o);
    const plat::Point p = CursorDrawingPoint();
    char text[64];
    std::snprintf(text, sizeof text, "x=%.3f, y=%.3f", p.x * kStatusInchesPerUnit, p.y * kStatusInchesPerUnit);
    SetStatusText(text, 0);
    if (!ending) {
        drawReshapeGhost(dc, index, kModeInvert);
        g_mouseEdit.ghostDrawn = true;
        return;
    }
    g_mouseEdit.ghostDrawn = false;
    if (o.type() == kObjLine) {
        // The absorbed wire belongs to the same undo step, so Undo brings it back.
        for (int end : {0, 3})
            if (const int other = CollinearWireAt(index, end)) {
                AddToLastUndoSnapshot(other);
                MergeCollinearWire(index, end);
            }
    }
    g_mouseEdit.reshapeOther = 0;
    finishEdit();
}

void MovePartLabel(plat::Dc& dc, int code)
{
    const int index = SelectedObject(1);
    if (!g_current.holds(index))
        return;
    DrawObject& o = g_current.at(index);
    int dx = g_cursor.x - g_mouseEdit.moveOriginX;
    int dy = g_cursor.y - g_mouseEdit.moveOriginY;
    if (g_cursor.crossHairOn) {
        const int g = std::max(1, g_current.gridStep);
        dx = dx / g * g;
        dy = dy / g * g;
    }
    if (g_mouseEdit.handlesHidden)
        DrawObjectInMode(dc, index, kModeInvert);
    const int angle = PartOrientation(o.w[7]);
    const bool mirror = PartMirror(o.w[7]) != 0;
    int ax = 0, ay = 0;
    switch (angle) {
    case 0: ax = mirror ? -dx : dx; ay = dy; break;
    case 900: ax = dy; ay = mirror ? dx : -dx; break;
    case 1800: ax = mirror ? dx : -dx; ay = -dy; break;
    case 2700: ax = -dy; ay = mirror ? -dx : dx; break;
    default: break;
    }
    o.w[2] += ax;
    o.w[3] += ay;
    g_mouseEdit.moveOriginX += dx;
    g_mouseEdit.moveOriginY += dy;
    g_mouseEdit.handlesHidden = true;
    if (code == kStepGhost) {
        DrawObjectInMode(dc, index, kModeInvert);
        return;
    }
    g_mouseEdit.labelDrag = false;
    finishEdit();
}
