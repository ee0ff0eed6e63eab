#include "schemora/core/schemora_view.h"

#include "platform/app/frame_wnd.h"
#include "platform/app/resources.h"
#include "platform/app/win_app.h"
#include "platform/app/win_constants.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/app_state.h"
#include "schemora/core/blink_marker.h"
#include "schemora/core/current_document.h"
#include "schemora/core/cursor_snap.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/workspace_services.h"
#include "schemora/core/zoom_box.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/text_entry.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {

constexpr int kStrErrorInPicPointer = 7037;

void loadDrawing(CSchemoraDoc& doc)
{
    LoadDrawingContext(doc.data(), doc.GetPathName());
    g_current.activeDocument = &doc;
}

plat::Size drawingScrollSizes(const plat::Dc& dc) { return SheetScrollSizes(dc, g_current.sheetSize); }

int drawingPrintPages(const CSchemoraDoc* doc)
{
    const DrawingDocData& data = doc->data();
    return PrintPageCount(static_cast<char>(data.sheetSize), data.numberOfSheets, g_printout);
}

void beginDrawingPrinting() { BeginSheetPrinting(g_printout); }

void endDrawingPrinting(const CSchemoraDoc* doc)
{
    EndSheetPrinting(doc->data().numberOfSheets);
    if (plat::FrameWnd* frame = plat::GetMainWnd())
        frame->RecalcLayout();
}

constexpr quill::ViewSteps<CSchemoraDoc> kDrawingViewSteps{
    &loadDrawing, &drawingScrollSizes, &drawingPrintPages, &beginDrawingPrinting, &endDrawingPrinting};

}  // namespace

CSchemoraView::CSchemoraView() : EditorView(kDrawingViewSteps) { registerCommands(); }
CSchemoraView::~CSchemoraView()
{
    if (g_sheetPaintHooks.overlays == this)
        g_sheetPaintHooks.overlays = nullptr;
}

void CSchemoraView::registerCommands()
{
    onCommand(kCmdCenter, &CSchemoraView::OnCenter);
    onCommand(kCmdZoomIn, &CSchemoraView::OnZoomIn);
    onCommand(kCmdZoomOut, &CSchemoraView::OnZoomOut);
    onCommand(kCmdDrawToFit, &CSchemoraView::OnDrawToFit);
    onUpdateCommandUI(kCmdDrawToFit, &CSchemoraView::OnUpdateDrawToFit);
    onCheckedCommandRange(kFirstSizeCommand, kFirstSizeCommand + 4, &CSchemoraView::OnSheetSize,
                          [] { return g_current.sheetSize + 275; });
    onCheckedCommandRange(kFirstGridCommand, kFirstGridCommand + 3, &CSchemoraView::OnGrid,
                          [] { return g_current.gridCommand; });
    onCheckedCommandRange(kFirstScaleCommand, kFirstScaleCommand + kMaxScaleIndex, &CSchemoraView::OnScale,
                          [] { return g_current.zoomIndex + kFirstScaleCommand; });
    onCheckedCommandRange(kFirstLayerCommand, kFirstLayerCommand + kAllLayers, &CSchemoraView::OnLayer,
                          [] { return g_sheetView.layerFilter + kFirstLayerCommand; });
    registerEditCommands();
    registerClipboardCommands();
    registerKeyCommands();
}

void CSchemoraView::OnDraw(plat::Dc& dc)
{
    const CurrentDrawing saved = g_current;
    CSchemoraDoc* doc = GetDocument();
    if (!doc || doc->data().objects.empty())
        plat::MessageBox(plat::LoadString(kStrErrorInPicPointer), plat::kMbIconStop);
    if (doc && !thePartEditor)
        LoadDrawingContext(doc->data(), doc->GetPathName());
    // The paint covers the blinking marker.
    StopBlinkMarker(false);
    g_sheetPaintHooks.overlays = this;
    // The mapping may have changed: the next mouse message snaps its point afresh.
    g_cursor.rawX = g_cursor.rawY = INT_MIN;
    PaintSheetView(dc, clientRect());
    g_current.objects = saved.objects;
    g_current.count = saved.count;
}

void CSchemoraView::OnPaint()
{
    const plat::FrameWnd* frame = plat::GetMainWnd();
    CSchemoraDoc* doc = GetDocument();
    if (thePartEditor || !doc || !frame || frame->GetActiveView() == this) {
        EditorView::OnPaint();
        return;
    }
    const CurrentDrawing current = g_current;
    const SheetViewState view = g_sheetView;
    const SheetDocumentInfo shown = g_sheetDocument;
    const SheetPaintHooks hooks = g_sheetPaintHooks;
    g_sheetView.currentSheet = std::clamp(doc->shownSheet, 1, std::max(1, doc->data().numberOfSheets));
    EditorView::OnPaint();
    g_current = current;
    g_sheetView = view;
    g_sheetDocument = shown;
    g_sheetPaintHooks = hooks;
}

void CSchemoraView::OnPrepareDC(plat::Dc& dc, plat::PrintInfo* info)
{
    if (CSchemoraDoc* doc = GetDocument(); doc && !thePartEditor)
        LoadDrawingContext(doc->data(), doc->GetPathName());
    if (dc.IsPrinting() && info) {
        const DrawingDocData& data = GetDocument()->data();
        PreparePrintMapping(dc, static_cast<int>(info->curPage), static_cast<char>(data.sheetSize),
                            data.numberOfSheets, g_printout);
    } else {
        PrepareScreenMapping(dc, clientRect());
    }
    plat::ScrollView::OnPrepareDC(dc, info);
}

void CSchemoraView::SetSheetMapping(plat::Dc& dc) { ::SetSheetMapping(dc, clientRect()); }

void CSchemoraView::OnActivateView(bool activate, plat::View* activateView, plat::View* deactiveView)
{
    // Another drawing's tool, selection and typed text do not carry over to this one.
    if (activate && g_current.activeDocument && g_current.activeDocument != GetDocument()) {
        EndTextEntry(nullptr);
        ResetEditInteraction();
        g_editState.CurrentTool = 0;
    }
    if (activate) {
        LoadCurrentDocument();
        if (CSchemoraDoc* doc = GetDocument())
            g_sheetView.currentSheet = std::clamp(doc->shownSheet, 1, std::max(1, doc->data().numberOfSheets));
        SyncDrawingCombos();
    }
    plat::ScrollView::OnActivateView(activate, activateView, deactiveView);
}

void CSchemoraView::SetSheetScrollBars(const SheetScrollBars& bars)
{
    for (const auto& [bar, values] : {std::pair{plat::kSbHorz, bars.horizontal}, std::pair{plat::kSbVert, bars.vertical}}) {
        plat::ScrollInfo info;
        info.mask = plat::kSifAll | plat::kSifDisableNoScroll;
        info.max = values.max;
        info.page = static_cast<unsigned>(std::max(0, values.page));
        info.pos = values.pos;
        SetScrollInfo(bar, info);
    }
}

void CSchemoraView::ChangeZoom(int direction)
{
    // Zooming starts from the normal view: in the fit view the picture would not change.
    leaveFitView({g_current.viewCentreX, g_current.viewCentreY});
    const int oldZoom = g_current.zoomFactor;
    const ZoomStep step = StepScaleIndex(direction);
    if (step.sound)
        PlaySoundFile(step.sound);
    if (!step.changed)
        return;
    SyncDrawingCombos();
    // The sheet point under the mouse pointer becomes the new centre.
    plat::Point mouse;
    plat::GetCursorPos(&mouse);
    ScreenToClient(&mouse);
    const plat::Rect client = clientRect();
    g_current.viewCentreX = ClampViewCentre(g_current.viewCentreX + static_cast<long long>(mouse.x - client.width() / 2) * oldZoom);
    g_current.viewCentreY = ClampViewCentre(g_current.viewCentreY + static_cast<long long>(mouse.y - client.height() / 2) * oldZoom);
    storeCentreAndScale();
    // Frames and bands are kept in drawing units: they stay over their objects by themselves.
    // The cursor point and its mark go to the window centre, snapped to the grid as a mouse
    // move there would snap them, and the pointer follows.
    {
        plat::ClientDC dc(this);
        prepareEditDc(dc);   // the client centre in sheet units at the new zoom
    }
    // The editing code keeps the centre on the sheet; a pointer off the sheet must not leave
    // the picture painted about another centre than the one the edits and the mark use.
    storeCentreAndScale();
    const plat::Point centre{client.width() / 2, client.height() / 2};
    g_cursor.rawX = g_cursor.rawY = INT_MIN;
    SnapCursorPoint(centre.x, centre.y);
    const plat::Point mark = CursorDrawingPoint();
    g_cursor.markX = mark.x;
    g_cursor.markY = mark.y;
    plat::Point screen = centre;
    ClientToScreen(&screen);
    plat::SetCursorPos(screen.x, screen.y);
    RedrawActiveFrame();
}

void CSchemoraView::storeCentreAndScale()
{
    if (CSchemoraDoc* doc = GetDocument()) {
        doc->data().viewCentreX = g_current.viewCentreX;
        doc->data().viewCentreY = g_current.viewCentreY;
        doc->data().zoomLevel = g_current.zoomIndex;
    }
}

void CSchemoraView::OnCenter()
{
    if (leaveFitView({0, 0}))
        return;
    g_current.viewCentreX = 0;
    g_current.viewCentreY = 0;
    storeCentreAndScale();
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}

void CSchemoraView::OnDrawToFit()
{
    // The box appears with the pointer's first move over the fit view; the normal view's
    // cursor mark has no place there (the repaint below would draw it where it no longer is).
    ForgetZoomBox();
    g_cursorMark.visible = false;
    g_sheetView.fitToWindow = true;
    g_current.viewCentreX = 0;
    g_current.viewCentreY = 0;
    storeCentreAndScale();
    const plat::Point offsets = FitOffsets(clientRect(), g_current.sheetSize, g_current.zoomFactor);
    g_sheetView.fitOffsetX = offsets.x;
    g_sheetView.fitOffsetY = offsets.y;
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    g_editState.CurrentTool = kCmdDrawToFit;
}

void CSchemoraView::OnUpdateDrawToFit(plat::CmdUI& ui)
{
    // Another tool was chosen while the fit view was shown: back to the normal view.
    if (g_sheetView.fitToWindow && g_editState.CurrentTool != kCmdDrawToFit)
        leaveFitView({g_current.viewCentreX, g_current.viewCentreY});
    ui.SetCheck(g_editState.CurrentTool == kCmdDrawToFit);
}

bool CSchemoraView::leaveFitView(plat::Point centre)
{
    if (!g_sheetView.fitToWindow)
        return false;
    g_sheetView.fitToWindow = false;
    ForgetZoomBox();
    if (g_editState.CurrentTool == kCmdDrawToFit)
        g_editState.CurrentTool = 0;
    g_current.viewCentreX = ClampViewCentre(centre.x);
    g_current.viewCentreY = ClampViewCentre(centre.y);
    storeCentreAndScale();
    RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    return true;
}

void CSchemoraView::OnSheetSize(unsigned id)
{
    CSchemoraDoc* doc = GetDocument();
    if (!doc)
        return;
    doc->data().sheetSize = static_cast<int>(id) - 275;
    g_current.sheetSize = static_cast<char>(doc->data().sheetSize);
    doc->SetModifiedFlag();
    Invalidate();
}

void CSchemoraView::OnGrid(unsigned id)
{
    g_current.gridCommand = static_cast<int>(id);
    g_current.gridStep = GridStepOf(g_current.gridCommand);
    if (CSchemoraDoc* doc = GetDocument())
        doc->data().grid = g_current.gridCommand;
    SyncDrawingCombos();
    Invalidate();
}

void CSchemoraView::OnScale(unsigned id)
{
    // A scale is a normal view's: the fit view ends at the centre it had.
    leaveFitView({g_current.viewCentreX, g_current.viewCentreY});
    g_current.zoomIndex = static_cast<int>(id) - kFirstScaleCommand;
    ClampMetricScale();
    g_current.zoomFactor = ZoomDivisorOf(g_current.zoomIndex);
    storeCentreAndScale();
    g_editState.selectionCount = 0;
    SyncDrawingCombos();
    Invalidate();
}

void CSchemoraView::OnLayer(unsigned id)
{
    g_sheetView.layerFilter = static_cast<int>(id) - kFirstLayerCommand;
    SyncDrawingCombos();
    Invalidate();
}

void RedrawActiveFrame()
{
    plat::FrameWnd* frame = plat::GetMainWnd();
    if (!frame)
        return;
    if (plat::View* view = frame->GetActiveView())
        view->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
}
