#include "tracelyn/core/tracelyn_view.h"


#include "platform/app/frame_wnd.h"
#include "platform/app/win_app.h"
#include "platform/app/win_constants.h"
#include "platform/app/wnd.h"
#include "platform/gdi/dc.h"
#include "resources/tracelyn/tracelyn_ids.h"
#include "tracelyn/core/board_cursor.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_selection.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/change_objects.h"
#include "tracelyn/core/cursor_snap.h"
#include "tracelyn/core/draw_to_fit.h"
#include "tracelyn/core/edge_scroll.h"
#include "tracelyn/core/handle_drag.h"
#include "tracelyn/core/keyboard_edit.h"
#include "tracelyn/core/pin_snap.h"
#include "tracelyn/core/pointer_shape.h"
#include "tracelyn/core/scroll_bars.h"
#include "tracelyn/core/selection_transforms.h"
#include "tracelyn/core/text_entry.h"
#include "tracelyn/core/tracelyn_app.h"
#include "tracelyn/core/board_hit_test.h"
#include "tracelyn/core/board_settings.h"
#include "platform/app/keys.h"
#include "tracelyn/core/mouse_edit.h"
#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <cstdio>
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_painter.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/nets_follow_parts.h"
#include "tracelyn/core/tracelyn_doc.h"

namespace {

// The window painted or prepared last: RedrawObject draws on it.
plat::Wnd* g_drawingWindow = nullptr;

// From this zoom index on, the pointer leaving a typed text's frame does not end the entry.
constexpr int kAutoTextExitZoom = 7;

// In metric unit mode a logical unit is drawn this many times larger.
constexpr double kMetricScale = 2.54;

void loadBoard(CTracelynDoc& doc)
{
    LoadBoardGlobals(doc.data());
    g_active.document = &doc;
    g_view.zoomDivisor = ZoomDivisorOf(g_board.zoomIndex);
}

constexpr quill::ViewSteps<CTracelynDoc> kBoardViewSteps{
    &loadBoard, &BoardScrollSizes, [](const CTracelynDoc*) { return PrintPageCount(); }, &BeginBoardPrinting,
    [](const CTracelynDoc*) { EndBoardPrinting(); }};

}  // namespace

CTracelynView::CTracelynView() : EditorView(kBoardViewSteps)
{
    registerCommands();
}

CTracelynView::~CTracelynView()
{
    if (g_drawingWindow == this)
        g_drawingWindow = nullptr;
}

void CTracelynView::registerCommands()
{
    onCheckedCommandRange(kCmdScaleFirst, kCmdScaleLast, &CTracelynView::OnScale,
                          [] { return g_board.zoomIndex + kCmdScaleFirst; });
    onCheckedCommandRange(kCmdWorkAreaFirst, kCmdWorkAreaLast, &CTracelynView::OnWorkArea,
                          [] { return g_board.sizeLetter + kWorkAreaCommandOffset; });
    onCheckedCommandRange(kCmdLayerFirst, kCmdLayerLast, &CTracelynView::OnLayer,
                          [] { return CommandOfLayer(g_edit.currentLayer); });
    onCommand(tly::kCmdNextLayer, &CTracelynView::OnNextLayer);
    onCommand(tly::kCmdPreviousLayer, &CTracelynView::OnPreviousLayer);
    onCommand(tly::kCmdPageUp, &CTracelynView::OnPageUp);
    onCommand(tly::kCmdPageDown, &CTracelynView::OnPageDown);
    onCommand(tly::kCmdZoomIn, &CTracelynView::OnZoomIn);
    onCommand(tly::kCmdZoomOut, &CTracelynView::OnZoomOut);
    onCommand(tly::kCmdRedraw, &CTracelynView::OnRedraw);
    onCheckedCommandRange(tly::kCmdGridFirst, tly::kCmdGridLast, &CTracelynView::OnGrid, [this] {
        const CTracelynDoc* doc = GetDocument();
        return doc != nullptr ? static_cast<int>(doc->data().gridCommand) : -1;
    });
    onCommand(tly::kCmdUndo, &CTracelynView::OnEditUndo);
    onUpdateCommandUI(tly::kCmdUndo, &CTracelynView::OnUpdateEditUndo);
    onCommand(tly::kCmdSelect, &CTracelynView::OnSelectTool);
    onUpdateCommandUI(tly::kCmdSelect, &CTracelynView::OnUpdateSelectTool);
    onCommand(tly::kCmdCrosshair, &CTracelynView::OnToggleCrosshair);
    registerCopperCommands();
    registerBoardCommands();
    onCommand(tly::kCmdErase, &CTracelynView::OnErase);
    onCommandRange(tly::kCmdRotate, tly::kCmdFlip, &CTracelynView::OnTransform);
    for (unsigned id : {tly::kCmdErase, tly::kCmdRotate, tly::kCmdMirror, tly::kCmdFlip})
        onUpdateCommandUI(id, &CTracelynView::OnUpdateNeedsSelection);
    onCommand(tly::kCmdOrigin, &CTracelynView::OnOrigin);
    onUpdateCommandUI(tly::kCmdOrigin, &CTracelynView::OnUpdateOrigin);
    onCommand(tly::kCmdSelectAll, &CTracelynView::OnSelectAll);
    onCommandRange(tly::kCmdToBack, tly::kCmdToBack, &CTracelynView::OnReorder);
    onCommandRange(tly::kCmdToFront, tly::kCmdToFront, &CTracelynView::OnReorder);
    onCommand(tly::kCmdHome, &CTracelynView::OnHome);
    onCommandRange(tly::kCmdArrowLeft, tly::kCmdArrowEnter, &CTracelynView::OnArrowKey);
    onCommand(tly::kCmdApplyWidth, &CTracelynView::OnApplyWidth);
    onCommandRange(tly::kCmdOneLayer, tly::kCmdLayerPair, &CTracelynView::OnViewMode);
    onCommand(tly::kCmdLayerView, &CTracelynView::OnLayerViewToggle);
    onCommand(tly::kCmdLimit90, &CTracelynView::OnLimit90);
    onCommand(tly::kCmdRubberBand, &CTracelynView::OnRubberBand);
    onUpdateCommandUI(tly::kCmdLimit90, &CTracelynView::OnUpdateSetting);
    onUpdateCommandUI(tly::kCmdRubberBand, &CTracelynView::OnUpdateSetting);
}

bool CTracelynView::PreCreateWindow(plat::CreateStruct& cs)
{
    cs.style |= plat::kWsMaximize;
    return plat::ScrollView::PreCreateWindow(cs);
}

void CTracelynView::prepareScreen(plat::Dc& dc)
{
    g_drawingWindow = this;
    SyncViewSettings();
    PrepareScreenMapping(dc, state() != nullptr ? clientRect() : g_view.clientRect);
}

void CTracelynView::OnPrepareDC(plat::Dc& dc, plat::PrintInfo* info)
{
    if (g_print.printing && info != nullptr)
        PreparePrintMapping(dc, static_cast<int>(info->curPage));
    else
        prepareScreen(dc);
    plat::ScrollView::OnPrepareDC(dc, info);
}

void CTracelynView::OnActivateView(bool activate, plat::View* activateView, plat::View* deactiveView)
{
    if (!activate && ClosePartsBinWindow())
        dropGesture();
    EditorView::OnActivateView(activate, activateView, deactiveView);
    if (!activate || g_footprintEditor.open)
        return;
    BuildGridMenu();
    // The part tool's ghost follows the pointer over the window it was taken in: no repaint.
    if (g_gesture.tool != kToolPart && state() != nullptr)
        Invalidate();
}

void CTracelynView::dropGesture()
{
    EndTextEntry();
    if (g_view.drawToFit) {
        g_view.drawToFit = false;
        g_fit.boxShown = false;
        if (plat::Wnd::GetCapture() == this)
            plat::Wnd::ReleaseCapture();
    }
    g_gesture.tool = kToolNone;
    g_gesture.keyDrag = false;
    g_gesture.labelDrag = false;
    g_gesture.pressOnSelection = false;
    g_selection.count = 0;
    ClearSelectionModes();
}

void CTracelynView::PrepareViewDC(plat::Dc& dc)
{
    prepareScreen(dc);
    plat::ScrollView::OnPrepareDC(dc, nullptr);
}

void CTracelynView::SyncScrollBars()
{
    UpdateScrollSizes();
    const plat::Size total = GetTotalSize();
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    ScrollToPosition({ScrollPositionOfOrigin(g_board.viewOriginX, area.width, total.cx),
                      ScrollPositionOfOrigin(g_board.viewOriginY, area.height, total.cy)});
}

void CTracelynView::OnDraw(plat::Dc& dc)
{
    if (plat::FrameWnd* frame = plat::GetMainWnd())
        frame->KillTimer(tly::kTimerBlinkMarker);   // every paint stops the blinking marker
    g_drawingWindow = this;
    if (g_footprintEditor.open && state() != nullptr)
        g_view.clientRect = clientRect();
    if (CTracelynDoc* doc = GetDocument())
        PaintBoardView(dc, doc->data());
}

void CTracelynView::ZoomStep(int in)
{
    SyncViewSettings();
    const ZoomStepResult result = ApplyZoomStep(in != 0);
    if (!result.changed)
        return;
    // The cursor is at the window centre, where the point that was under it now is.
    if (state() != nullptr) {
        {
            plat::ClientDC dc(this);
            DrawCrosshair(dc, g_view.cursorX, g_view.cursorY, 1);
        }
        // The mouse pointer follows to the window centre.
        const int32_t divisor = g_view.zoomDivisor > 0 ? g_view.zoomDivisor : 1;
        plat::Point centre{g_view.clientCentreX / divisor, g_view.clientCentreY / divisor};
        ClientToScreen(&centre);
        plat::SetCursorPos(centre.x, centre.y);
    }
    RedrawActiveFrame();
}

void CTracelynView::OnScale(unsigned id)
{
    ApplyScaleCommand(static_cast<int>(id));
    Invalidate();
}

void CTracelynView::OnWorkArea(unsigned id)
{
    ApplyWorkAreaCommand(static_cast<int>(id));
    if (CTracelynDoc* doc = GetDocument())
        doc->SetModifiedFlag(true);
    UpdateScrollSizes();
    Invalidate();
}

void CTracelynView::OnLayer(unsigned id)
{
    g_edit.currentLayer = LayerOfCommand(static_cast<int>(id));
    Invalidate();
}

void CTracelynView::OnNextLayer()
{
    g_edit.currentLayer = NextLayer(g_edit.currentLayer);
    Invalidate();
}

void CTracelynView::OnPreviousLayer()
{
    g_edit.currentLayer = PreviousLayer(g_edit.currentLayer);
    Invalidate();
}

void CTracelynView::zoomAboutCentre(int in)
{
    g_view.cursorX = g_view.clientCentreX;
    g_view.cursorY = g_view.clientCentreY;
    ZoomStep(in);
}

void CTracelynView::OnRedraw()
{
    // Esc is Redraw's key: it also puts down the part tool, so the next click selects rather
    // than places one more part.
    if (g_gesture.tool == kToolPart)
        g_gesture.tool = kToolSelect;
    g_selection.count = 0;
    ClearSelectionModes();
    g_edit.toolMode = 0;
    ClearSelectionModes();
    Invalidate();
}

void UpdateScrollBars()
{
    if (auto* view = dynamic_cast<CTracelynView*>(g_drawingWindow); view != nullptr && view->state() != nullptr)
        view->SyncScrollBars();
}

void RedrawObject(int index, int mode)
{
    if (g_drawingWindow == nullptr || g_drawingWindow->state() == nullptr)
        return;
    plat::Wnd* const window = g_drawingWindow;
    plat::ClientDC dc(window);
    CTracelynView temporary;
    temporary.PrepareViewDC(dc);
    g_drawingWindow = window;   // the temporary view only lends its mapping
    dc->SetROP2(kModeNotXor);
    PaintObject(dc, index, mode);
}

void SetDrawingWindow(plat::Wnd* window)
{
    g_drawingWindow = window;
}

void CTracelynView::beginMouseAction(plat::Dc& dc, plat::Point point)
{
    LoadCurrentDocument();
    PrepareViewDC(dc);
    SetCursorFromPixels(point.x, point.y);
}

void CTracelynView::OnLButtonDown(unsigned flags, plat::Point point)
{
    if (state() == nullptr)
        return;
    if (FitModeClick())
        return;
    SetCapture();
    g_gesture.ctrl = (flags & plat::kMkControl) != 0;
    g_gesture.shift = (flags & plat::kMkShift) != 0;
    plat::ClientDC dc(this);
    beginMouseAction(dc, point);
    ProcessMouseEdit(dc, g_gesture.tool, kMousePress);
}

void CTracelynView::OnLButtonUp(unsigned, plat::Point point)
{
    if (state() == nullptr)
        return;
    {
        plat::ClientDC dc(this);
        beginMouseAction(dc, point);
        ProcessMouseEdit(dc, g_gesture.tool, kMouseRelease);
    }
    if (plat::Wnd::GetCapture() == this)
        plat::Wnd::ReleaseCapture();
    EndEdgeScroll();
}

void CTracelynView::OnMouseMove(unsigned flags, plat::Point point)
{
    if (state() == nullptr || GetDocument() == nullptr)
        return;
    endTextEntryOutsideItsFrame(point);
    if (!trackPointer(flags, point))
        return;
    // The edge scroll repaints the whole window: after the pointer's DC is given back.
    const int32_t d = std::max(g_view.zoomDivisor, 1);
    ScrollAtEdge(*this, flags, g_view.cursorX / d, g_view.cursorY / d);
}

bool CTracelynView::trackPointer(unsigned flags, plat::Point point)
{
    plat::ClientDC dc(this);
    LoadCurrentDocument();
    PrepareViewDC(dc);
    HideCrosshair(dc);
    const int changed = SetCursorFromPixels(point.x, point.y);
    if (FitModeMouseMove())
        return false;
    const bool buttonDown = (flags & plat::kMkLButton) != 0;
    if (!buttonDown)
        g_gesture.overHandle = g_gesture.tool == kToolSelect && HitTestHandle() != 0;
    if (!buttonDown)
        g_pointer.mode = PointerModeAtCursor(g_gesture.overHandle);
    else if (g_gesture.overHandle || g_gesture.handleDrag)
        g_pointer.mode = kPointerHandle;
    else
        g_pointer.mode = g_gesture.dragging ? kPointerDrag : kPointerNormal;
    if (!g_crosshair.on)
        ShowPointerShape(g_pointer.mode);
    ShowCursorCoordinates();
    int moved = changed;
    if (g_boardSettings.padsnap != 0 && (g_gesture.tool == kToolTrace || g_gesture.tool == kToolRoute))
        moved |= SnapToPin((flags & plat::kMkLButton) != 0 ? 1 : 0);
    if ((flags & plat::kMkLButton) != 0 && g_gesture.tool != kToolNone && moved != 0)
        ProcessMouseEdit(dc, g_gesture.tool, kMouseMove);
    ShowCrosshair(dc);
    return true;
}

void CTracelynView::OnRButtonUp(unsigned flags, plat::Point point)
{
    // The right-button drag has ended: the next one may push the view along again.
    EndEdgeScroll();
    plat::ScrollView::OnRButtonUp(flags, point);
}

void CTracelynView::endTextEntryOutsideItsFrame(plat::Point point)
{
    // With "Automatic Text Exit" a typed text is finished as soon as the pointer leaves the
    // frame round it, as Esc would; at the finest zooms the frame is too small to stay in.
    if (!TextEntryActive() || g_boardSettings.AutoTextExit == 0 || g_board.zoomIndex >= kAutoTextExitZoom)
        return;
    plat::Rect frame;
    {
        plat::ClientDC dc(this);
        LoadCurrentDocument();
        PrepareViewDC(dc);
        frame = TextEntryFrame();
    }
    const int32_t d = std::max(g_view.zoomDivisor, 1);
    const int32_t x = point.x * d, y = point.y * d;
    if (x < frame.left || x > frame.right || y < frame.top || y > frame.bottom)
        HandleEditKey(plat::kVkEscape);
}

void CTracelynView::OnSetFocus(plat::Wnd* oldWnd)
{
    plat::ScrollView::OnSetFocus(oldWnd);
    if (CTracelynDoc* doc = GetDocument())
        doc->data().hasFocus = 1;
    g_crosshair.on = g_pointer.savedCrosshair;
}

void CTracelynView::OnKillFocus(plat::Wnd* newWnd)
{
    if (state() != nullptr) {
        plat::ClientDC dc(this);
        PrepareViewDC(dc);
        HideCrosshair(dc);
    }
    g_pointer.savedCrosshair = g_crosshair.on;
    if (!g_footprintEditor.open)
        g_crosshair.on = false;
    if (CTracelynDoc* doc = GetDocument())
        doc->data().hasFocus = 0;
    plat::ScrollView::OnKillFocus(newWnd);
}

void CTracelynView::OnGrid(unsigned id)
{
    CTracelynDoc* doc = GetDocument();
    if (doc == nullptr)
        return;
    if (id == kGridVariable && !RunVariableGridDialog())
        return;
    if (id == kGridPolar && !RunPolarGridDialog())
        return;
    doc->data().gridCommand = static_cast<int32_t>(id);
    LoadCurrentDocument();
    SyncViewSettings();
    Invalidate();
}

namespace {

// Whether the newest undo step puts a part back (a move or turn, not a routing run).
bool undoPutsBackAPart()
{
    const BoardUndoEntry* entry = NewestUndoEntry();
    if (entry == nullptr || entry->kind != kUndoModified || entry->baseCount != 0)
        return false;
    return std::any_of(entry->snapshot.begin(), entry->snapshot.end(),
                       [](const UndoSlot& slot) { return slot.object.get().isPart(); });
}

}  // namespace

void CTracelynView::OnEditUndo()
{
    LoadCurrentDocument();
    const bool partBack = undoPutsBackAPart();
    const UndoOutcome outcome = UndoLastStep(GetDocument());
    if (outcome != UndoOutcome::Undone)
        return;
    // Kind 1 may have deleted selected objects; kind 4 empties the selection itself.
    g_selection.count = 0;
    ClearSelectionModes();
    g_gesture.newObject = 0;
    RedrawActiveFrame();
    // A part put back where it was takes its rats nest and pin places back with it.
    if (partBack)
        ReloadNetsForMovedParts();
}

void CTracelynView::OnUpdateEditUndo(plat::CmdUI& ui)
{
    ui.Enable(UndoDepth() >= 1);
}

void CTracelynView::OnSelectTool()
{
    if (g_gesture.tool == kToolSelect)
        RunEditSetupDialog();
    g_gesture.tool = kToolSelect;
}

void CTracelynView::OnUpdateSelectTool(plat::CmdUI& ui)
{
    ui.Enable(true);
    ui.SetCheck(g_gesture.tool == kToolSelect ? 1 : 0);
}

void CTracelynView::OnToggleCrosshair()
{
    if (state() == nullptr)
        return;
    plat::ClientDC dc(this);
    PrepareViewDC(dc);
    ToggleCrosshair(dc);
    g_pointer.savedCrosshair = g_crosshair.on;
}

// ---- keys, commands while typing, right button, wheel ----

void CTracelynView::OnKeyDown(unsigned vk, unsigned repeat, unsigned flags)
{
    if (TextEntryActive()) {
        LoadCurrentDocument();
        HandleEditKey(vk);
        return;
    }
    plat::ScrollView::OnKeyDown(vk, repeat, flags);
}

bool CTracelynView::OnCommand(unsigned id)
{
    // While text is typed every command is swallowed: its keys are the text's.
    if (TextEntryActive())
        return true;
    return plat::ScrollView::OnCommand(id);
}

bool CTracelynView::OnCmdMsg(unsigned id, plat::CmdUI* ui)
{
    if (TextEntryActive() && ui == nullptr)
        return true;
    return plat::ScrollView::OnCmdMsg(id, ui);
}

void CTracelynView::OnRButtonDown(unsigned flags, plat::Point point)
{
    if (state() != nullptr && g_selection.count == 1 && g_gesture.tool == kToolSelect &&
        !(g_gesture.multi && g_gesture.bandShown)) {
        plat::ClientDC dc(this);
        beginMouseAction(dc, point);
        UpdateCursorBoardPoint();
        const int index = g_selection.list[1];
        bool on = index == 1;
        if (!on) {
            HitTestObject(index, index);
            on = g_selection.count == 1;
            g_selection.count = 1;
            g_selection.list[1] = index;
        }
        if (!on)
            ClearSelection(dc);
        else if (index == 1)
            PopUpOutlineMenu(point);
        else
            RunObjectPropertyDialog(index);
    }
    g_gesture.tool = kToolSelect;
    plat::ScrollView::OnRButtonDown(flags, point);
}

bool CTracelynView::OnMouseWheel(unsigned flags, short delta, plat::Point point)
{
    if (CTracelynDoc* doc = GetDocument()) {
        BoardDocumentData& data = doc->data();
        const int32_t y = data.viewOriginY - delta;
        const WorkAreaSize area = WorkAreaOf(data.sizeLetter);
        // The wheel never scrolls past the work area.
        if (y >= -area.height / 2 && y <= area.height / 2) {
            data.viewOriginY = y;
            LoadCurrentDocument();
            ShiftRubberBand(0, delta);
            Invalidate();
        }
    }
    return plat::ScrollView::OnMouseWheel(flags, delta, point);
}

void CTracelynView::OnErase()
{
    LoadCurrentDocument();
    EraseSelection();
}

void CTracelynView::OnTransform(unsigned id)
{
    LoadCurrentDocument();
    TransformSelection(static_cast<int>(id));
}

void CTracelynView::OnUpdateNeedsSelection(plat::CmdUI& ui)
{
    ui.Enable(g_selection.count >= 1 && g_gesture.tool == kToolSelect);
}

void CTracelynView::OnOrigin()
{
    if (state() == nullptr)
        return;
    plat::ClientDC dc(this);
    LoadCurrentDocument();
    PrepareViewDC(dc);
    DrawObjectOrigins(dc);
}

void CTracelynView::OnUpdateOrigin(plat::CmdUI& ui)
{
    ui.Enable(g_board.count >= 1);
}

void CTracelynView::OnSelectAll()
{
    LoadCurrentDocument();
    if (state() != nullptr) {
        plat::ClientDC dc(this);
        PrepareViewDC(dc);
        ClearSelection(dc);
    }
    const int n = SelectEditableObjects();
    g_gesture.tool = kToolSelect;
    g_gesture.dragging = false;
    if (n == 0)
        return;
    ComputeSelectionRect(n);
    const plat::Rect b = g_gesture.band;
    g_gesture.band = {b.left - 50, b.top - 50, b.right + 50, b.bottom + 50};
    g_gesture.selectionRect = g_gesture.band;
    g_gesture.multi = true;
    g_gesture.bandShown = true;
    g_gesture.moveAnchorX = g_gesture.pressBoardX;
    g_gesture.moveAnchorY = g_gesture.pressBoardY;
    char text[48];
    std::snprintf(text, sizeof text, "Selected %d objects", n);
    SetStatusText(text, kPaneMessage);
    Invalidate();
}

void CTracelynView::OnReorder(unsigned id)
{
    LoadCurrentDocument();
    ReorderSelectedObject(static_cast<int>(id));
}

void CTracelynView::OnHome()
{
    LoadCurrentDocument();
    MoveSelectionHome();
}

void CTracelynView::OnArrowKey(unsigned id)
{
    if (state() == nullptr)
        return;
    const int32_t d = g_view.zoomDivisor > 0 ? g_view.zoomDivisor : 1;
    const int step = g_crosshair.on ? std::max(ScreenLength(g_view.gridStepX) / d, 1) : 1;
    const plat::Point from{g_view.cursorX / d, g_view.cursorY / d};
    plat::Point to = from;
    switch (id) {
    case tly::kCmdArrowLeft: to.x -= step; break;
    case tly::kCmdArrowLeft + 1: to.x += step; break;
    case tly::kCmdArrowLeft + 2: to.y -= step; break;
    case tly::kCmdArrowLeft + 3: to.y += step; break;
    default: break;
    }
    if (id == tly::kCmdArrowEnter) {
        // Enter presses, and the next Enter releases, at the cursor.
        if (g_gesture.keyDrag) {
            OnLButtonUp(0, from);
            g_gesture.keyDrag = false;
        } else {
            OnLButtonDown(plat::kMkLButton, from);
            g_gesture.keyDrag = true;
        }
        return;
    }
    if (g_selection.count > 0 && !g_gesture.keyDrag) {
        OnLButtonDown(plat::kMkLButton, from);
        OnMouseMove(plat::kMkLButton, to);
        OnLButtonUp(0, to);
    } else {
        OnMouseMove(g_gesture.keyDrag ? plat::kMkLButton : 0u, to);
    }
    plat::Point screen = to;
    ClientToScreen(&screen);
    plat::SetCursorPos(screen.x, screen.y);
}

void CTracelynView::OnApplyWidth()
{
    LoadCurrentDocument();
    if (g_selection.count > 0)
        ChangeSelectedObjects(kChangeWidth);
}

void CTracelynView::OnViewMode(unsigned id)
{
    // The flip turns the mode into the other one: start from the one before.
    g_edit.layerViewMode = id == tly::kCmdOneLayer ? kViewLayerPair : kViewOneLayer;
    ToggleLayerPairView();
    Invalidate();
}

void CTracelynView::OnLayerViewToggle()
{
    ToggleLayerPairView();
    Invalidate();
}

void CTracelynView::OnLimit90()
{
    g_boardSettings.limit = g_boardSettings.limit != 0 ? 0 : 1;
}

void CTracelynView::OnRubberBand()
{
    g_boardSettings.rubber = g_boardSettings.rubber != 0 ? 0 : 1;
    SetStatusText(g_boardSettings.rubber != 0 ? "Rubberbanding ON" : "Rubberbanding OFF", kPaneMessage);
}

void CTracelynView::OnUpdateSetting(plat::CmdUI& ui)
{
    const int32_t value = ui.id() == tly::kCmdLimit90 ? g_boardSettings.limit : g_boardSettings.rubber;
    ui.Enable(true);
    ui.SetCheck(value != 0 ? 1 : 0);
}

void CTracelynView::OnHScroll(unsigned code, unsigned pos, plat::Control* bar)
{
    scrollBar(0, code, pos);
    plat::ScrollView::OnHScroll(code, pos, bar);
}

void CTracelynView::OnVScroll(unsigned code, unsigned pos, plat::Control* bar)
{
    scrollBar(1, code, pos);
    plat::ScrollView::OnVScroll(code, pos, bar);
}

void CTracelynView::scrollBar(int axis, unsigned code, unsigned pos)
{
    CTracelynDoc* doc = GetDocument();
    const plat::Size total = GetTotalSize();
    const int extent = axis == 0 ? total.cx : total.cy;
    if (doc == nullptr || extent <= 0)
        return;
    const plat::Point at = GetScrollPosition();
    BoardDocumentData& data = doc->data();
    const WorkAreaSize area = WorkAreaOf(data.sizeLetter);
    const int32_t size = axis == 0 ? area.width : area.height;
    // A page moves the board by the window's own width or height; a line by a tenth of that.
    const plat::Rect client = clientRect();
    double windowLogical =
        static_cast<double>(axis == 0 ? client.width() : client.height()) * ZoomDivisorOf(data.zoomIndex);
    if (MetricUnits())
        windowLogical /= kMetricScale;
    const int page = ScrollPageOfWindow(static_cast<int64_t>(windowLogical), size, extent);
    const int line = std::max(page / 10, 1);
    // Nothing moves until the scroll ends: then the origin follows the bar.
    const std::optional<int> reached =
        StepPendingScroll(pendingScroll_[axis], axis == 0 ? at.x : at.y, code, pos, line, page, extent);
    if (!reached)
        return;
    const int32_t origin = OriginOfScrollPosition(*reached, size, extent);
    int32_t& target = axis == 0 ? data.viewOriginX : data.viewOriginY;
    const int32_t change = origin - target;
    target = origin;
    LoadCurrentDocument();
    ShiftRubberBand(axis == 0 ? -change : 0, axis == 1 ? -change : 0);
    ScrollToPosition(axis == 0 ? plat::Point{*reached, at.y} : plat::Point{at.x, *reached});
    Invalidate();
}
