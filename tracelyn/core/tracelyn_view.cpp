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
#include "tracelyn/core/cursor_snap.h"
#include "tracelyn/core/handle_hit_test.h"
#include "tracelyn/core/mouse_edit.h"
#include "tracelyn/core/workspace_services.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_painter.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/tracelyn_doc.h"

namespace {

// Commands of the view.
constexpr unsigned kCmdNextLayer = 60;
constexpr unsigned kCmdPreviousLayer = 61;
constexpr unsigned kCmdPageUp = 52;
constexpr unsigned kCmdPageDown = 53;
constexpr unsigned kCmdZoomIn = 152;
constexpr unsigned kCmdZoomOut = 153;
constexpr unsigned kCmdRedraw = 221;
// The main frame's blinking-marker timer; every paint stops it.
constexpr unsigned kTimerBlink = 1600;

// The window painted or prepared last: RedrawObject draws on it.
plat::Wnd* g_drawingWindow = nullptr;

}  // namespace

CTracelynView::CTracelynView()
{
    registerCommands();
}

CTracelynView::~CTracelynView()
{
    if (g_drawingWindow == this)
        g_drawingWindow = nullptr;
}

CTracelynDoc* CTracelynView::GetDocument() const
{
    return static_cast<CTracelynDoc*>(plat::View::GetDocument());
}

void CTracelynView::registerCommands()
{
    onCommandRange(kCmdScaleFirst, kCmdScaleLast, &CTracelynView::OnScale);
    onUpdateCommandUIRange(kCmdScaleFirst, kCmdScaleLast, &CTracelynView::OnUpdateScale);
    onCommandRange(kCmdWorkAreaFirst, kCmdWorkAreaLast, &CTracelynView::OnWorkArea);
    onUpdateCommandUIRange(kCmdWorkAreaFirst, kCmdWorkAreaLast, &CTracelynView::OnUpdateWorkArea);
    onCommandRange(kCmdLayerFirst, kCmdLayerLast, &CTracelynView::OnLayer);
    onUpdateCommandUIRange(kCmdLayerFirst, kCmdLayerLast, &CTracelynView::OnUpdateLayer);
    onCommand(kCmdNextLayer, &CTracelynView::OnNextLayer);
    onCommand(kCmdPreviousLayer, &CTracelynView::OnPreviousLayer);
    onCommand(kCmdPageUp, &CTracelynView::OnPageUp);
    onCommand(kCmdPageDown, &CTracelynView::OnPageDown);
    onCommand(kCmdZoomIn, &CTracelynView::OnZoomIn);
    onCommand(kCmdZoomOut, &CTracelynView::OnZoomOut);
    onCommand(kCmdRedraw, &CTracelynView::OnRedraw);
    onCommandRange(tly::kCmdGridFirst, tly::kCmdGridLast, &CTracelynView::OnGrid);
    onUpdateCommandUIRange(tly::kCmdGridFirst, tly::kCmdGridLast, &CTracelynView::OnUpdateGrid);
    onCommand(tly::kCmdUndo, &CTracelynView::OnEditUndo);
    onUpdateCommandUI(tly::kCmdUndo, &CTracelynView::OnUpdateEditUndo);
    onCommand(tly::kCmdSelect, &CTracelynView::OnSelectTool);
    onUpdateCommandUI(tly::kCmdSelect, &CTracelynView::OnUpdateSelectTool);
    onCommand(tly::kCmdCrosshair, &CTracelynView::OnToggleCrosshair);
    registerCopperCommands();
    registerBoardCommands();
}

bool CTracelynView::PreCreateWindow(plat::CreateStruct& cs)
{
    cs.style |= plat::kWsMaximize;
    return plat::ScrollView::PreCreateWindow(cs);
}

void CTracelynView::loadCurrentDocument()
{
    if (CTracelynDoc* doc = GetDocument()) {
        LoadBoardGlobals(doc->data());
        g_active.document = doc;
        g_view.zoomDivisor = ZoomDivisorOf(g_board.zoomIndex);
    }
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

void CTracelynView::PrepareViewDC(plat::Dc& dc)
{
    prepareScreen(dc);
    plat::ScrollView::OnPrepareDC(dc, nullptr);
}

void CTracelynView::OnInitialUpdate()
{
    loadCurrentDocument();
    plat::ScrollView::OnInitialUpdate();
    UpdateScrollSizes();
}

void CTracelynView::OnActivateView(bool activate, plat::View* activateView, plat::View* deactiveView)
{
    if (activate)
        loadCurrentDocument();
    plat::ScrollView::OnActivateView(activate, activateView, deactiveView);
}

void CTracelynView::UpdateScrollSizes()
{
    if (state() == nullptr)
        return;
    plat::ClientDC dc(this);
    OnPrepareDC(dc);
    SetScrollSizes(plat::kMmText, BoardScrollSizes(dc));
}

void CTracelynView::OnDraw(plat::Dc& dc)
{
    if (plat::FrameWnd* frame = plat::GetMainWnd())
        frame->KillTimer(kTimerBlink);
    g_drawingWindow = this;
    if (g_footprintEditor.open && state() != nullptr)
        g_view.clientRect = clientRect();
    if (CTracelynDoc* doc = GetDocument())
        PaintBoardView(dc, doc->data());
}

bool CTracelynView::OnPreparePrinting(plat::PrintInfo* info)
{
    info->SetMinPage(1);
    info->SetMaxPage(static_cast<unsigned>(PrintPageCount()));
    return DoPreparePrinting(info);
}

void CTracelynView::OnBeginPrinting(plat::Dc&, plat::PrintInfo*)
{
    BeginBoardPrinting();
}

void CTracelynView::OnEndPrinting(plat::Dc&, plat::PrintInfo*)
{
    EndBoardPrinting();
    Invalidate();
}

void CTracelynView::ZoomStep(int in)
{
    SyncViewSettings();
    const ZoomStepResult result = ApplyZoomStep(in != 0);
    if (!result.changed)
        return;
    // The cursor goes to the window centre, where the point that was under it now is.
    g_view.cursorX = g_view.clientCentreX;
    g_view.cursorY = g_view.clientCentreY;
    if (state() != nullptr) {
        {
            plat::ClientDC dc(this);
            DrawCrosshair(dc, g_view.cursorX, g_view.cursorY, 1);
        }
        // The mouse pointer follows to the window centre (pixels of the old zoom's centre).
        const int32_t d0 = result.oldDivisor > 0 ? result.oldDivisor : 1;
        plat::Point centre{g_view.clientCentreX / d0, g_view.clientCentreY / d0};
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

void CTracelynView::OnUpdateScale(plat::CmdUI& ui)
{
    ui.SetCheck(g_board.zoomIndex == static_cast<int>(ui.id()) - kCmdScaleFirst ? 1 : 0);
}

void CTracelynView::OnWorkArea(unsigned id)
{
    ApplyWorkAreaCommand(static_cast<int>(id));
    if (CTracelynDoc* doc = GetDocument())
        doc->SetModifiedFlag(true);
    UpdateScrollSizes();
    Invalidate();
}

void CTracelynView::OnUpdateWorkArea(plat::CmdUI& ui)
{
    ui.SetCheck(g_board.sizeLetter + kWorkAreaCommandOffset == static_cast<int>(ui.id()) ? 1 : 0);
}

void CTracelynView::OnLayer(unsigned id)
{
    g_edit.currentLayer = LayerOfCommand(static_cast<int>(id));
    Invalidate();
}

void CTracelynView::OnUpdateLayer(plat::CmdUI& ui)
{
    ui.SetCheck(g_edit.currentLayer == static_cast<int>(ui.id()) - kCmdLayerFirst ? 1 : 0);
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

void CTracelynView::OnZoomIn()
{
    g_view.cursorX = g_view.clientCentreX;
    g_view.cursorY = g_view.clientCentreY;
    ZoomStep(1);
}

void CTracelynView::OnZoomOut()
{
    g_view.cursorX = g_view.clientCentreX;
    g_view.cursorY = g_view.clientCentreY;
    ZoomStep(0);
}

void CTracelynView::OnRedraw()
{
    g_selection.count = 0;
    ClearSelectionModes();
    g_edit.toolMode = 0;
    ClearSelectionModes();
    Invalidate();
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

void CTracelynView::beginMouseAction(plat::Dc& dc, plat::Point point)
{
    loadCurrentDocument();
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
}

void CTracelynView::OnMouseMove(unsigned flags, plat::Point point)
{
    if (state() == nullptr || GetDocument() == nullptr)
        return;
    plat::ClientDC dc(this);
    loadCurrentDocument();
    PrepareViewDC(dc);
    HideCrosshair(dc);
    const int changed = SetCursorFromPixels(point.x, point.y);
    if (FitModeMouseMove())
        return;
    g_pointer.mode = kPointerNormal;
    // Only the outline's vertices are dragged by their handles.
    if ((flags & plat::kMkLButton) == 0)
        g_gesture.overHandle = HitTestHandle() != 0 && g_selection.list[1] == 1;
    ShowCursorCoordinates();
    if ((flags & plat::kMkLButton) != 0 && g_gesture.tool != kToolNone && changed != 0)
        ProcessMouseEdit(dc, g_gesture.tool, kMouseMove);
    ShowCrosshair(dc);
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
    loadCurrentDocument();
    SyncViewSettings();
    Invalidate();
}

void CTracelynView::OnUpdateGrid(plat::CmdUI& ui)
{
    const CTracelynDoc* doc = GetDocument();
    ui.SetCheck(doc != nullptr && doc->data().gridCommand == static_cast<int32_t>(ui.id()) ? 1 : 0);
}

void CTracelynView::OnEditUndo()
{
    loadCurrentDocument();
    const UndoOutcome outcome = UndoLastStep(GetDocument());
    if (outcome != UndoOutcome::Undone)
        return;
    // Kind 1 may have deleted selected objects; kind 4 empties the selection itself.
    g_selection.count = 0;
    ClearSelectionModes();
    g_gesture.newObject = 0;
    RedrawActiveFrame();
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
    if (g_crosshair.on) {
        HideCrosshair(dc);
        g_crosshair.on = false;
    } else {
        g_crosshair.on = true;
        ShowCrosshair(dc);
    }
    g_pointer.savedCrosshair = g_crosshair.on;
}
