#include "schemora/core/mouse_edit.h"

#include "common/string_helpers.h"
#include "platform/gdi/dc.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/hit_testing.h"
#include "schemora/core/move_reshape.h"
#include "schemora/core/object_append.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/part_library.h"
#include "schemora/core/part_transform.h"
#include "schemora/core/reference_numbering.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/style_changes.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"
#include "schemora/core/text_entry.h"
#include "schemora/core/text_tools.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>

PartPlacement g_partPlacement;

namespace {

constexpr int kFilterNetsOnly = 723;

struct NewObjectKind {
    int type = 0;
    bool sized = true;          // a zero size drops it
};

NewObjectKind kindOfTool(int tool)
{
    switch (tool) {
    case kToolArrow: return {kObjArrow, true};
    case kToolRectangle: return {kObjRectangle, true};
    case kToolRoundRect: return {kObjRoundRect, true};
    case kToolTriangle: return {kObjTriangle, true};
    case kToolRegularPolygon: return {kObjPolygon, true};
    case kToolLine: return {kObjLine, true};
    case kToolTerminal: return {kObjLine, true};
    case kToolEllipse: return {kObjEllipse, true};
    case kToolDot: return {kObjDot, false};
    case kToolArc: return {kObjArc, true};
    case kToolPart: return {kObjPart, false};
    case kToolAutoText: return {kObjText, false};
    default: return {0, false};
    }
}

bool isDrawingTool(int tool) { return kindOfTool(tool).type != 0; }

bool partChosen() { return g_partSymbols.current >= 1 && g_partSymbols.current <= kMaxPlaceableSymbol; }

void renumberAfterPlacement()
{
    if (g_settings.AutoRefs != 0)
        RenumberAllReferences(g_current.activeDocument ? g_current.activeDocument->data().referenceStart : 1,
                              g_sheetDocument.numberOfSheets);
}

void fillPart(DrawObject& o, int layer)
{
    const int n = g_partSymbols.current;
    o.w[4] = layer == 4 ? 4096 + kObjPart + n : (layer << 10) + kObjPart + n + 16384;
    o.w[5] = g_partPlacement.surfaceMount ? 32 : 0;
    o.w[2] = o.w[3] = o.w[6] = o.w[7] = 0;
    // Each placement owns its copy of the part text; the label anchor and the reference
    // prefix come from the symbol's "X?" placeholder.
    o.text = StrDupChecked(g_partPlacement.partText);
    SetPartLabelAnchor(o);
}

void fillDefaults(DrawObject& o, int tool, plat::Point p)
{
    const int layer = CurrentDrawingLayer();
    const NewObjectKind kind = kindOfTool(tool);
    o.w[0] = p.x;
    o.w[1] = p.y;
    o.w[5] = g_settings.CurrentStyle;
    o.w[23] = CurrentEditSheet();
    // "Object takes THIS color": the width word carries the colour picked last (above 256 the
    // painters draw it in that colour); with the planes' colour the width alone.
    o.w[6] = g_settings.width + (g_drawModes.colorMode == 0 ? 256 * g_drawModes.objectColor : 0);
    o.w[4] = 1024 * layer + kind.type;
    if (HasFill(kind.type) || kind.type == kObjPolygon)
        o.w[7] = g_settings.fillPattern;
    switch (tool) {
    case kToolLine: case kToolTerminal: o.w[2] = p.x; o.w[3] = p.y; break;
    case kToolArrow:
        o.w[2] = p.x;
        o.w[3] = p.y;
        o.w[7] = 256 * g_settings.CurrentHeadNo + g_settings.CurrentHeadStyle;
        break;
    case kToolArc: o.w[2] = p.x; o.w[3] = p.y; break;
    case kToolRegularPolygon:
        o.w[2] = std::clamp(g_settings.polygonEdges, kMinPolygonEdges, kPolygonPoints);
        o.text = AllocPointBlock();
        PlaceRegularPolygon(o, 0);
        break;
    case kToolPart: fillPart(o, layer); break;
    case kToolAutoText: FillAutoText(o); break;
    default: break;
    }
}

bool zeroSize(const DrawObject& o)
{
    switch (o.type()) {
    case kObjLine: case kObjArrow: case kObjArc: return o.x() == o.w[2] && o.y() == o.w[3];
    case kObjRectangle: case kObjRoundRect: case kObjTriangle: return o.w[2] == 0 || o.w[3] == 0;
    case kObjEllipse: return o.w[2] == 0 || o.w[3] == 0;
    case kObjPolygon: return o.pointX(0) == o.x() && o.pointY(0) == o.y();
    default: return false;
    }
}

// Takes the tool's new object back: the last record and its appended step go; an object that
// is not the last one is deleted in place.
void dropNewObject()
{
    const int n = g_mouseEdit.newIndex;
    if (!g_current.holds(n))
        return;
    if (n == g_current.count) {
        TruncateObjects(n - 1);
        WithdrawLastUndoStep();
    } else {
        DeleteObject(n);
    }
    g_mouseEdit.newIndex = 0;
}

void followCursor(DrawObject& o, int tool, plat::Point p)
{
    const int dx = p.x - g_mouseEdit.pressDraw.x, dy = p.y - g_mouseEdit.pressDraw.y;
    switch (tool) {
    case kToolDot: case kToolPart: o.w[0] = p.x; o.w[1] = p.y; break;
    case kToolArrow: case kToolLine: case kToolTerminal:
        if (g_settings.limit != 0 || tool == kToolTerminal) {
            if (std::abs(dy) < std::abs(dx)) { o.w[2] = p.x; o.w[3] = g_mouseEdit.pressDraw.y; }
            else { o.w[2] = g_mouseEdit.pressDraw.x; o.w[3] = p.y; }
        } else {
            o.w[2] = p.x;
            o.w[3] = p.y;
        }
        break;
    case kToolArc: o.w[2] = p.x; o.w[3] = p.y; break;
    case kToolRegularPolygon: PlaceRegularPolygon(o, std::abs(p.x - o.w[0])); break;
    case kToolRectangle: case kToolRoundRect: case kToolTriangle:
        o.w[2] = p.x - o.w[0];
        o.w[3] = p.y - o.w[1];
        break;
    case kToolEllipse: {
        const double vx = g_cursor.x - g_mouseEdit.press.x, vy = g_cursor.y - g_mouseEdit.press.y;
        const double sum = vx * vx + vy * vy;
        if (sum > 0) {
            const double r = std::trunc(std::sqrt(sum));
            o.w[3] = static_cast<int>(r);
            // The aspect ratio of the setup stretches the horizontal radius; a typed factor
            // as large as it likes still leaves a radius the file can keep.
            const double k = std::isfinite(g_settings.ellipseAspect) ? std::fabs(g_settings.ellipseAspect) : 1.0;
            const double stretched = std::min(r * k, 1e12);
            o.w[2] = ClampDrawingCoordinate(static_cast<long long>(stretched));
        }
        break;
    }
    default: break;
    }
    for (int w : {2, 3})
        if (tool != kToolRectangle && tool != kToolRoundRect && tool != kToolTriangle && tool != kToolEllipse &&
            tool != kToolRegularPolygon)
            o.w[static_cast<size_t>(w)] = ClampDrawingCoordinate(o.w[static_cast<size_t>(w)]);
}

void startWindowSelection(plat::Dc& dc)
{
    SelectObjectsInWindow(dc, 1);
    g_mouseEdit.reshaping = false;
    g_mouseEdit.handleGrabbed = false;
}

void editPress(plat::Dc& dc)
{
    const int n = g_editState.selectionCount;
    if (!g_mouseEdit.ctrlHeld) {
        if (n == 0) {
            startWindowSelection(dc);
        } else {
            if (g_selection.filterId == kFilterNetsOnly)
                for (int i = 1; i <= n; ++i)
                    DrawObjectInMode(dc, SelectedObject(i), kModeCopy);
            if (n == 1 && !g_selection.windowMode) {
                const int old = SelectedObject(1);
                if (!g_mouseEdit.handleGrabbed && !g_mouseEdit.overHandle) {
                    HitTestObject(old, old);
                    if (g_editState.selectionCount != 1 || SelectedObject(1) != old) {
                        g_editState.selectionCount = 1;
                        g_editState.SelectionList[1] = old;
                        DrawObjectHandles(dc, old);
                        startWindowSelection(dc);
                    }
                }
            } else if (g_selection.windowMode) {
                const plat::Point p = CursorDrawingPoint();
                const plat::Rect f = g_selection.frame.normalized();
                if (!(p.x >= f.left && p.x <= f.right && p.y >= f.top && p.y <= f.bottom)) {
                    if (g_selection.frameShown)
                        DrawSelectFrame(dc, g_selection.frame);
                    g_selection.frameShown = false;
                    startWindowSelection(dc);
                }
            }
        }
    } else if (n > 0) {
        const int keepFirst = SelectedObject(1);
        const bool hadWindow = g_selection.windowMode;
        const int hit = HitTestObject(1, g_current.count);
        g_editState.selectionCount = n;
        g_editState.SelectionList[1] = keepFirst;
        if (hit && !IsSelected(hit) && n < kSelectionSlots - 1) {
            if (n == 1 && !hadWindow)
                DrawObjectHandles(dc, keepFirst);
            else if (g_selection.frameShown)
                DrawSelectFrame(dc, g_selection.frame);
            g_selection.windowMode = true;
            g_editState.SelectionList[static_cast<size_t>(n + 1)] = hit;
            g_editState.selectionCount = n + 1;
            ComputeSelectionFrame(n + 1);
            DrawSelectFrame(dc, g_selection.frame);
            g_selection.frameShown = true;
        }
    } else {
        startWindowSelection(dc);
    }
    g_mouseEdit.handlesHidden = false;
    g_mouseEdit.moveOriginX = g_cursor.x;
    g_mouseEdit.moveOriginY = g_cursor.y;
    g_mouseEdit.moveFrame = g_selection.frame;
}

// The bus tool appends its own records; a finished bus and its rippers are drawn and become one
// undo step.
void busPress(plat::Dc& dc)
{
    if (BusToolClick() != 2)
        return;
    const int first = LastBusRecord();
    if (!g_current.holds(first))
        return;
    for (int i = first; i <= g_current.count; ++i)
        DrawObjectInMode(dc, i, kModeCopy);
    RecordAppendedStep(g_current.count - first + 1);
}

// Tools whose press starts their own gesture instead of placing a new object.
struct ToolGesture {
    int tool;
    void (*press)(plat::Dc&);
};
constexpr std::array<ToolGesture, 4> kToolGestures{{
    {kToolSelect, editPress},
    {kToolText, BeginTextEntry},
    {kToolMark, [](plat::Dc& dc) { MarkSignalText(dc); }},
    {kToolBus, busPress},
}};

void toolPress(plat::Dc& dc, int tool)
{
    for (const ToolGesture& gesture : kToolGestures) {
        if (tool == gesture.tool) {
            gesture.press(dc);
            return;
        }
    }
    if (tool == kToolNone || !isDrawingTool(tool) || (tool == kToolTerminal && !thePartEditor))
        return;
    if (tool == kToolPart && !partChosen())
        return;
    const int index = AppendObjects(1);
    g_mouseEdit.newIndex = index;
    g_mouseEdit.ghostDrawn = false;
    if (index == 0)
        return;
    RecordAppendedStep(1);
    fillDefaults(g_current.at(index), tool, g_mouseEdit.pressDraw);
    (void)dc;
}

void editMove(plat::Dc& dc)
{
    const int n = g_editState.selectionCount;
    if (n == 0) {
        SelectObjectsInWindow(dc, 2);
        return;
    }
    if (!g_current.holds(SelectedObject(1))) {
        g_editState.selectionCount = 0;
        return;
    }
    const DrawObject& first = g_current.at(SelectedObject(1));
    if ((g_mouseEdit.handleGrabbed || g_mouseEdit.overHandle || g_mouseEdit.reshaping) && n == 1 &&
        !g_selection.windowMode && first.type() < kObjPart && !g_mouseEdit.moving) {
        ReshapeObject(dc, SelectedObject(1), false);
        return;
    }
    plat::Rect f = g_selection.frame.normalized();
    if (g_cursor.crossHairOn && n == 1)
        f = GrowRect(f, g_current.gridStep, g_current.gridStep);
    const plat::Point p = CursorDrawingPoint();
    // A quick flick can leave the frame before the first move arrives: the press point counts.
    const plat::Point press = g_mouseEdit.pressDraw;
    const bool pressIn = f.left <= press.x && press.x <= f.right && f.top <= press.y && press.y <= f.bottom;
    const bool inFrame = (p.x >= f.left && p.x <= f.right && p.y >= f.top && p.y <= f.bottom) || pressIn;
    if (inFrame || g_mouseEdit.moving || (n == 1 && first.isPart() && g_mouseEdit.handleGrabbed)) {
        if (!g_mouseEdit.handlesHidden && !g_mouseEdit.moving)
            HideSelectionMarks(dc);
        if (g_mouseEdit.shiftHeld)
            CopyMoveSelection(dc, kStepGhost);
        else
            PlaceAtPoint(dc, kStepGhost);
        g_mouseEdit.moving = true;
    }
}

void toolMove(plat::Dc& dc, int tool)
{
    if (tool == kToolSelect) {
        editMove(dc);
        return;
    }
    const int n = g_mouseEdit.newIndex;
    // An auto-numbered text stays where it was clicked.
    if (!g_current.holds(n) || !isDrawingTool(tool) || tool == kToolAutoText)
        return;
    if (g_mouseEdit.ghostDrawn)
        DrawObjectInMode(dc, n, kModeInvert);
    g_mouseEdit.ghostDrawn = true;
    followCursor(g_current.at(n), tool, CursorDrawingPoint());
    DrawObjectInMode(dc, n, kModeInvert);
}

void editRelease(plat::Dc& dc)
{
    if (g_mouseEdit.moving) {
        if (g_mouseEdit.shiftHeld)
            CopyMoveSelection(dc, kStepFinal);
        else
            PlaceAtPoint(dc, kStepFinal);
        g_mouseEdit.moving = false;
    } else if (g_editState.selectionCount == 0) {
        if (g_selection.bandShown && g_selection.windowMode)
            SelectObjectsInWindow(dc, 3);
    } else if (g_mouseEdit.reshaping) {
        ReshapeObject(dc, SelectedObject(1), true);
        g_mouseEdit.handlesHidden = false;
        g_mouseEdit.reshaping = false;
    } else {
        const plat::Point p = CursorDrawingPoint();
        const plat::Rect f = g_selection.frame.normalized();
        const bool outside = !(p.x >= f.left && p.x <= f.right && p.y >= f.top && p.y <= f.bottom);
        if (outside) {
            HideSelectionMarks(dc);
            g_editState.selectionCount = 0;
            g_selection.windowMode = false;
        } else if (g_editState.selectionCount == 1 && !g_selection.windowMode && !g_selection.netPinsShown) {
            // A wire clicked in Edit Nets Only keeps its net's pin list on the status line.
            ShowSelectionText();
        }
    }
}

void settle(plat::Dc& dc, int tool)
{
    const int n = g_mouseEdit.newIndex;
    DrawObject& o = g_current.at(n);
    const bool sameAsLastRelease = g_cursor.x == g_mouseEdit.releaseX && g_cursor.y == g_mouseEdit.releaseY;
    if (g_mouseEdit.ghostDrawn)
        DrawObjectInMode(dc, n, kModeInvert);
    g_mouseEdit.ghostDrawn = false;
    const bool pressAgain = g_cursor.point() == g_mouseEdit.press;
    if ((kindOfTool(tool).sized && zeroSize(o)) || (sameAsLastRelease && !kindOfTool(tool).sized)) {
        // A click without a drag leaves nothing behind and returns to edit mode.
        dropNewObject();
        if (pressAgain || sameAsLastRelease)
            g_editState.CurrentTool = kToolSelect;
        return;
    }
    if (tool == kToolTerminal) {
        // The pin table may refuse the pin (full): the terminal goes with it.
        if (!NameNewTerminal(n)) {
            dropNewObject();
            return;
        }
        RedrawEditWindow();
        return;
    }
    DrawObjectInMode(dc, n, kModeCopy);
    if (tool == kToolPart) {
        g_editState.selectionCount = 1;
        g_editState.SelectionList[1] = n;
        renumberAfterPlacement();
    }
    if (tool == kToolLine || tool == kToolPart) {
        RefreshDotsAfterEdit();
        g_editState.selectionCount = 0;
        RedrawEditWindow();
    }
}

void toolRelease(plat::Dc& dc, int tool)
{
    if (tool == kToolSelect) {
        editRelease(dc);
        return;
    }
    if (tool == kToolFit) {
        if (g_cursor.x == g_mouseEdit.releaseX && g_cursor.y == g_mouseEdit.releaseY)
            g_editState.CurrentTool = kToolSelect;
    } else if (g_current.holds(g_mouseEdit.newIndex) && isDrawingTool(tool)) {
        settle(dc, tool);
    }
    g_mouseEdit.newIndex = 0;
    g_mouseEdit.releaseX = g_cursor.x;
    g_mouseEdit.releaseY = g_cursor.y;
}

}  // namespace

std::string PlacedPartText(std::string_view fullName)
{
    std::string text = ":" + std::string(fullName);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

void ChoosePartToPlace(int symbol, std::string_view fullName)
{
    g_partSymbols.current = symbol;
    g_partPlacement.partText = PlacedPartText(fullName);
    g_editState.CurrentTool = kToolPart;
}

int PlaceChosenPartAt(plat::Point p)
{
    if (!partChosen() || g_current.objects.empty())
        return 0;
    const int index = AppendObjects(1);
    if (index == 0)
        return 0;
    RecordAppendedStep(1);
    fillDefaults(g_current.at(index), kToolPart, {ClampDrawingCoordinate(p.x), ClampDrawingCoordinate(p.y)});
    renumberAfterPlacement();
    RefreshDotsAfterEdit();
    return index;
}

void ProcessMouseEdit(plat::Dc& dc, int tool, int action)
{
    if (g_mouseEdit.textEntry || g_current.objects.empty())
        return;
    const plat::Point p = CursorDrawingPoint();
    if (action == kMouseDown) {
        g_mouseEdit.press = g_cursor.point();
        g_mouseEdit.pressDraw = p;
        if (tool != kToolSelect) {
            HideSelectionMarks(dc);
            g_editState.selectionCount = 0;
            g_selection.windowMode = false;
        }
        toolPress(dc, tool);
    } else if (action == kMouseMove) {
        if (g_cursor.point() == g_mouseEdit.last)
            return;
        toolMove(dc, tool);
    } else {
        toolRelease(dc, tool);
        return;
    }
    g_mouseEdit.last = g_cursor.point();
}
