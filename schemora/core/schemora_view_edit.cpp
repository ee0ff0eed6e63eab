// The schematic view's mouse handlers and edit commands: they snap the cursor, keep its mark,
// and hand presses, moves and releases to the edit engine (mouse_edit.h).
#include "schemora/core/schemora_view.h"

#include "schemora/core/object_scaling.h"
#include "schemora/core/text_entry.h"

#include "platform/app/frame_wnd.h"
#include "platform/app/resources.h"
#include "platform/app/win_app.h"
#include "platform/app/keys.h"
#include "platform/app/win_constants.h"
#include "resources/schemora/edit_ids.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/blink_marker.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_cursors.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/hit_testing.h"
#include "schemora/core/junction_dots.h"
#include "schemora/core/mouse_edit.h"
#include "schemora/core/object_extents.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/pin_snap.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/selection_transforms.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/settings.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/undo_ring.h"
#include "schemora/core/workspace_services.h"
#include "schemora/core/zoom_box.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kEdgeMargin = 120;
constexpr int kSelectAllMargin = 50;

bool inFrame(plat::Point p, const plat::Rect& frame)
{
    const plat::Rect f = frame.normalized();
    return p.x >= f.left && p.x <= f.right && p.y >= f.top && p.y <= f.bottom;
}

}  // namespace

void CSchemoraView::registerEditCommands()
{
    using namespace scm;
    onCommand(kCmdEditSelect, &CSchemoraView::OnEditSelect);
    onUpdateCommandUI(kCmdEditSelect, &CSchemoraView::OnUpdateEditSelect);
    onCommand(kCmdEditErase, &CSchemoraView::OnEditErase);
    onUpdateCommandUI(kCmdEditErase, &CSchemoraView::OnUpdateNeedsSelection);
    onCommandRange(kCmdEditRotate, kCmdEditFlip, &CSchemoraView::OnEditTransform);
    onUpdateCommandUI(kCmdEditMirror, &CSchemoraView::OnUpdateNeedsSelection);
    onUpdateCommandUI(kCmdEditFlip, &CSchemoraView::OnUpdateNeedsSelection);
    onCommand(kCmdEditOrigin, &CSchemoraView::OnEditOrigin);
    onCommand(kCmdEditUndo, &CSchemoraView::OnEditUndo);
    onUpdateCommandUI(kCmdEditUndo, &CSchemoraView::OnUpdateEditUndo);
    onCommand(kCmdEditRedraw, &CSchemoraView::OnEditRedraw);
    onCommand(kCmdCrossHair, &CSchemoraView::OnToggleCrossHair);
    onCommand(kCmdSelectAll, &CSchemoraView::OnSelectAll);
    onCommand(kCmdAutoDots, &CSchemoraView::OnToggleAutoDots);
    onUpdateCommandUI(kCmdAutoDots, &CSchemoraView::OnUpdateAutoDots);
}

void CSchemoraView::prepareEditDc(plat::Dc& dc)
{
    if (!thePartEditor)
        LoadCurrentDocument();
    OnPrepareDC(dc);
    g_editWindow.view = this;
}

// ---- mouse ----

void CSchemoraView::OnLButtonDown(unsigned flags, plat::Point point)
{
    // A click ends the text being typed; the text tool then opens or starts one at the click.
    if (TextEntryActive()) {
        plat::ClientDC endDc(this);
        prepareEditDc(endDc);
        EndTextEntry(&*endDc);
    }
    StopBlinkMarker(true);
    SetCapture();
    g_mouseEdit.ctrlHeld = (flags & plat::kMkControl) != 0;
    if (g_mouseEdit.overHandle)
        g_mouseEdit.handleGrabbed = true;
    if (g_editState.CurrentTool == kToolFit) {
        if (!g_sheetView.fitToWindow) {
            OnDrawToFit();
            return;
        }
        // The sheet point under the click, through the fit view's own mapping.
        plat::ClientDC dc(this);
        OnPrepareDC(dc);
        leaveFitView(dc->DPtoLP(point));
        return;
    }
    g_mouseEdit.shiftHeld = (flags & plat::kMkShift) != 0;
    plat::ClientDC dc(this);
    prepareEditDc(dc);
    SnapCursorPoint(point.x, point.y);
    HideCursorMark(dc);
    ProcessMouseEdit(dc, g_editState.CurrentTool, kMouseDown);
    if (g_cursor.crossHairOn)
        ShowCursorMark(dc);
}

void CSchemoraView::OnLButtonUp(unsigned flags, plat::Point point)
{
    {
        plat::ClientDC dc(this);
        prepareEditDc(dc);
        HideCursorMark(dc);
        ErasePinSnapMarker(dc);
        // A release away from the last move is a move there first.
        if (SnapCursorPoint(point.x, point.y) && g_editState.CurrentTool > 0)
            ProcessMouseEdit(dc, g_editState.CurrentTool, kMouseMove);
        ProcessMouseEdit(dc, g_editState.CurrentTool, kMouseUp);
        if (g_editState.CurrentTool == 0)
            g_editState.CurrentTool = kToolSelect;
        if (g_cursor.crossHairOn)
            ShowCursorMark(dc);
    }
    if (GetCapture() == this)
        ReleaseCapture();
    g_mouseEdit.handleGrabbed = false;
    g_mouseEdit.scrolled = false;
    g_mouseEdit.overHandle = false;
    (void)flags;
}

void CSchemoraView::updateMarkStyle()
{
    const int n = g_editState.selectionCount;
    const bool single = n == 1 && !g_selection.windowMode;
    const bool part = n >= 1 && g_current.holds(SelectedObject(1)) && g_current.at(SelectedObject(1)).isPart();
    if ((HitTestHandle() || g_mouseEdit.handleGrabbed) && ((!g_mouseEdit.moving && single) || part)) {
        g_cursor.markStyle = 0;
        g_mouseEdit.overHandle = true;
    } else if (n == 0) {
        g_cursor.markStyle = 1;
        g_mouseEdit.overHandle = false;
    } else if (inFrame(CursorDrawingPoint(), g_selection.frame)) {
        g_cursor.markStyle = 2;
    } else {
        g_cursor.markStyle = 1;
        g_mouseEdit.overHandle = false;
    }
}

// With the cross-hair mark off the pointer tells what a press would do: reshape at a handle,
// move over the selection, nothing special elsewhere. With the mark on it stays the mark's.
void CSchemoraView::showEditCursor()
{
    if (g_cursor.crossHairOn)
        return;
    const int index = SelectedObject(1);
    if (g_mouseEdit.overHandle && g_editState.selectionCount >= 1 && g_current.holds(index))
        plat::SetCursor(HandleCursorOf(g_current.at(index), g_selection.grabbedHandle));
    else if (g_cursor.markStyle == 2)
        plat::SetCursor(MoveCursor());
    else
        plat::SetCursor(plat::LoadStandardCursor(plat::kIdcArrow));
}

void CSchemoraView::OnMouseMove(unsigned flags, plat::Point point)
{
    plat::ClientDC dc(this);
    prepareEditDc(dc);
    const bool changed = SnapCursorPoint(point.x, point.y);
    // "Automatic Text Exit": leaving the typed line's frame ends the typing as Esc does.
    if (g_settings.AutoTextExit != 0 && OutsideTypedText(CursorDrawingPoint()))
        HandleTextKey(dc, plat::kVkEscape);
    if (g_sheetView.fitToWindow) {
        // The whole sheet is shown: the zoom box follows the pointer through the fit mapping.
        plat::ClientDC fitDc(this);
        OnPrepareDC(fitDc);
        DrawZoomBox(fitDc, clientRect(), fitDc->DPtoLP(point), true);
        return;
    }
    HideCursorMark(dc);
    if (!g_mouseEdit.handleGrabbed) {
        g_mouseEdit.overHandle = false;
        g_cursor.markStyle = 1;
    }
    updateMarkStyle();
    showEditCursor();
    if (g_editState.selectionCount == 0)
        ShowCursorPosition();
    if (g_settings.pinsnap != 0 && g_editState.CurrentTool == kToolLine)
        ShowPinSnapMarker(dc);
    if ((flags & plat::kMkLButton) && g_editState.CurrentTool > 0 && changed)
        ProcessMouseEdit(dc, g_editState.CurrentTool, kMouseMove);
    if (g_cursor.crossHairOn)
        ShowCursorMark(dc);
    scrollAtEdge(flags, point);
}

void CSchemoraView::OnRButtonDown(unsigned flags, plat::Point point)
{
    g_mouseEdit.scrolled = false;
    // A signal source under the pointer opens its generator's setup at once, selected or not.
    if (openSignalSourceAt(point))
        return;
    openObjectDialog(point);
    // A selected signal source opens its generator's setup; other parts scroll at the edges.
    if (g_editState.selectionCount == 1 && OpenSignalSourceFor(g_editState.SelectionList[1]))
        return;
    plat::ScrollView::OnRButtonDown(flags, point);
}

bool CSchemoraView::openSignalSourceAt(plat::Point point)
{
    if (g_editState.CurrentTool != kToolSelect && g_editState.CurrentTool != 0)
        return false;
    {
        plat::ClientDC dc(this);
        prepareEditDc(dc);
        SnapCursorPoint(point.x, point.y);
    }
    const int index = PartUnderPoint(CursorDrawingPoint());
    if (!index || !OpenSignalSourceFor(index))
        return false;
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    return true;
}

void CSchemoraView::scrollAtEdge(unsigned flags, plat::Point point)
{
    if (!(flags & plat::kMkRButton) || g_mouseEdit.scrolled)
        return;
    const int m = kEdgeMargin / g_current.zoom();
    const plat::Rect r = clientRect();
    if (point.x <= r.left + m)
        ScrollViewStep(*this, 6, 0);
    else if (point.x > r.right - m)
        ScrollViewStep(*this, 6, 1);
    else if (point.y > r.bottom - m)
        ScrollViewStep(*this, 6, 3);
    else if (point.y <= r.top + m)
        ScrollViewStep(*this, 6, 2);
}

// ---- repaint overlays ----

void CSchemoraView::UpdateStatusPanes()
{
    SetStatusText(std::string(1, g_current.sheetSize), 3);
    char text[16];
    std::snprintf(text, sizeof text, "%d%% ", static_cast<int>((g_current.count - 1) * 0.0125));
    SetStatusText(text, 4);
}

void CSchemoraView::DrawSelection(plat::Dc& dc)
{
    if (g_mouseEdit.handlesHidden)
        return;
    if (g_editState.selectionCount == 1 && !g_selection.windowMode)
        DrawObjectHandles(dc, SelectedObject(1));
    else if (g_editState.selectionCount > 0 && g_selection.frameShown)
        DrawSelectFrame(dc, g_selection.frame);
    DrawTextCaret(dc);
}

void CSchemoraView::DrawCursorMark(plat::Dc& dc) { DrawCursorMarkRaw(dc); }

void CSchemoraView::DrawFitOverlay(plat::Dc& dc) { RedrawZoomBox(dc, clientRect()); }

// ---- commands ----

void CSchemoraView::OnEditSelect()
{
    // F9 in edit mode opens the edit options; either way edit mode starts afresh.
    if (g_editState.CurrentTool == kToolSelect)
        RunEditSetupDialog();
    ResetEditInteraction();
    g_editState.CurrentTool = kToolSelect;
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

void CSchemoraView::OnUpdateEditSelect(plat::CmdUI& ui) { ui.SetCheck(g_editState.CurrentTool == kToolSelect); }

void CSchemoraView::OnUpdateNeedsSelection(plat::CmdUI& ui)
{
    ui.Enable(g_editState.selectionCount >= 1 && g_editState.CurrentTool == kToolSelect);
}

void CSchemoraView::OnEditErase()
{
    LoadCurrentDocument();
    g_editWindow.view = this;
    EraseSelection();
    RefreshDotsAfterEdit();
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

void CSchemoraView::OnEditTransform(unsigned id)
{
    if (g_editState.selectionCount < 1)
        return;
    LoadCurrentDocument();
    g_editWindow.view = this;
    TransformSelection(static_cast<int>(id));
    RefreshDotsAfterEdit();
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

void CSchemoraView::OnEditOrigin()
{
    plat::ClientDC dc(this);
    prepareEditDc(dc);
    ShowObjectOrigins(dc);
}

void CSchemoraView::OnEditUndo()
{
    LoadCurrentDocument();
    g_editWindow.view = this;
    if (!UndoLastStep())
        return;
    g_selection.windowMode = false;
    g_selection.frameShown = false;
    if (!thePartEditor)
        RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

void CSchemoraView::OnUpdateEditUndo(plat::CmdUI& ui) { ui.Enable(UndoDepth() >= 1); }

void CSchemoraView::OnEditRedraw()
{
    ResetEditInteraction();
    g_editState.CurrentTool = 0;
    g_sheetView.fitToWindow = false;
    ForgetZoomBox();
    LoadCurrentDocument();
    UpdateJunctionDots();
    Invalidate(true);
}

void CSchemoraView::OnToggleCrossHair()
{
    plat::ClientDC dc(this);
    prepareEditDc(dc);
    if (g_cursor.crossHairOn) {
        HideCursorMark(dc);
        g_cursor.crossHairOn = false;
        plat::SetCursor(plat::LoadStandardCursor(plat::kIdcArrow));
    } else {
        g_cursor.crossHairOn = true;
        plat::SetCursor(plat::LoadCursor(scm::kCursorView));
        ShowCursorMark(dc);
    }
}

void CSchemoraView::OnSelectAll()
{
    LoadCurrentDocument();
    const int n = SelectAllOnSheet(CurrentEditSheet());
    // Select All leaves edit mode on: the next press works on the selection.
    g_editState.CurrentTool = kToolSelect;
    if (n == 0)
        return;
    ComputeSelectionFrame(n);
    g_selection.frame = GrowRect(g_selection.frame, kSelectAllMargin, kSelectAllMargin);
    g_selection.windowMode = true;
    g_selection.frameShown = true;
    char text[64];
    std::snprintf(text, sizeof text, "Selected %d objects", n);
    SetStatusText(text, 0);
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

void CSchemoraView::OnToggleAutoDots()
{
    if (g_settings.AutoDots != 0 &&
        plat::MessageBox(plat::LoadString(scm::kStrDisableAutoDots), plat::kMbYesNo | plat::kMbIconQuestion) != plat::kIdYes)
        return;
    g_settings.AutoDots = g_settings.AutoDots ? 0 : 1;
    SetStatusText(g_settings.AutoDots ? "Set automatic dot mode" : "Cleared automatic dot mode", 0);
    g_editState.CurrentTool = 0;
    SyncDotToolButton();
}

void CSchemoraView::OnUpdateAutoDots(plat::CmdUI& ui) { ui.SetCheck(g_settings.AutoDots != 0); }
