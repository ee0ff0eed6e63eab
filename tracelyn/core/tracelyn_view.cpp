#include "tracelyn/core/tracelyn_view.h"

#include "platform/app/frame_wnd.h"
#include "platform/app/win_app.h"
#include "platform/app/win_constants.h"
#include "platform/app/wnd.h"
#include "platform/gdi/dc.h"
#include "tracelyn/core/board_document.h"
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

void CTracelynView::OnMouseMove(unsigned flags, plat::Point point)
{
    // PgUp and PgDn zoom about the cursor: keep its place, in pixels times the divisor.
    g_view.cursorX = point.x * (g_view.zoomDivisor > 0 ? g_view.zoomDivisor : 1);
    g_view.cursorY = point.y * (g_view.zoomDivisor > 0 ? g_view.zoomDivisor : 1);
    plat::ScrollView::OnMouseMove(flags, point);
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
