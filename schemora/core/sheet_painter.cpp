#include "schemora/core/sheet_painter.h"

#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/hit_testing.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/part_painter.h"
#include "schemora/core/settings.h"
#include "schemora/core/shape_painters.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_overlays.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/text_painter.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

constexpr int kRulerInset = 17;
constexpr int kToolNetsOnly = 723;

SheetOverlays* overlays() { return g_sheetPaintHooks.overlays; }

void recordSheetBounds()
{
    const SheetDimensions sheet = SheetSizeOf(g_current.sheetSize);
    SheetBounds& b = g_paintRecord.bounds;
    b.right = sheet.width / 2 - g_current.viewCentreX - 2;
    b.left = 2 - sheet.width / 2 - g_current.viewCentreX;
    b.bottom = sheet.height / 2 - g_current.viewCentreY - 2;
    b.top = 2 - sheet.height / 2 - g_current.viewCentreY;
}

void drawEditingOverlays(plat::Dc& dc)
{
    SheetOverlays* hooks = overlays();
    if (hooks && g_sheetDocument.headerFlag == 1)
        hooks->UpdateStatusPanes();
    if (hooks)
        hooks->DrawSelection(dc);
    if (g_paintRecord.fileDoneSoundPending) {
        g_paintRecord.fileDoneSoundPending = false;
        PlaySoundFile("filedone.wav");
    }
    if (g_editState.CurrentTool == kToolNetsOnly) {
        const int count = std::min(g_editState.selectionCount, kSelectionSlots - 1);
        for (int i = 1; i <= count; ++i)
            DrawObjectInMode(dc, SelectedObject(i), kModeHighlight);
    }
}

void applyRasterMode(plat::Dc& dc, int mode)
{
    g_drawModes.highlight = mode == kModeHighlight;
    const int rop = mode == kModeHighlight ? kModeCopy : mode;
    g_drawModes.rasterMode = rop;
    dc.SetROP2(rop);
}

}  // namespace

void PaintSheetView(plat::Dc& dc, const plat::Rect& client)
{
    if (g_sheetView.eraseRequest) {
        if (SheetOverlays* hooks = overlays())
            hooks->EraseObjectArea(dc, g_sheetView.eraseIndex);
        DrawObjectInMode(dc, g_sheetView.eraseIndex, kModeCopy);
        g_sheetView.eraseRequest = false;
        return;
    }
    if (!g_sheetView.printing) {
        g_sheetView.workArea = client;
        FillWorkAreaBackground(dc, kRoleScreen);
    }
    RedrawSheet(dc, client);
}

void RedrawSheet(plat::Dc& dc, const plat::Rect& client)
{
    SelectProgramPalette(dc);
    dc.SetROP2(plat::kR2CopyPen);
    dc.SetBkMode(plat::kTransparent);
    g_drawModes.rasterMode = kModeCopy;
    if (g_current.objects.empty())
        return;
    const auto started = std::chrono::steady_clock::now();
    if (!g_sheetView.printing) {
        g_sheetView.workArea = client;
        UpdateSheetScrollBars();
        ClipToWorkArea(dc, g_settings.rulers != 0);
    }
    recordSheetBounds();
    DrawObjects(1, g_current.count, dc);
    if (g_settings.border == 1)
        DrawTitleBlock(dc, 0);
    if (g_sheetView.printing)
        return;
    DrawGridDots(dc);
    DrawRulers(dc);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    char message[64];
    std::snprintf(message, sizeof message, "t=%d, pc=%d", static_cast<int>(elapsed.count()), g_current.count);
    g_paintRecord.message = message;
    drawEditingOverlays(dc);
    SheetOverlays* hooks = overlays();
    if (hooks && g_cursorMark.visible && g_sheetDocument.headerFlag == 1)
        hooks->DrawCursorMark(dc);
    if (hooks && g_sheetView.fitToWindow)
        hooks->DrawFitOverlay(dc);
}

void DrawObjectInMode(plat::Dc& dc, int index, int mode)
{
    SheetOverlays* hooks = overlays();
    const bool markShown = hooks && g_cursorMark.visible && index > 0;
    if (markShown)
        hooks->DrawCursorMark(dc);
    SelectProgramPalette(dc);
    if (thePartEditor)
        SetEditorClipRect(thePartEditor, dc, g_settings.rulers != 0);
    else
        ClipToWorkArea(dc, g_settings.rulers != 0);
    SetSheetMapping(dc, g_sheetView.workArea);
    applyRasterMode(dc, mode);
    dc.SetBkMode(plat::kTransparent);
    if (index <= 0) {
        g_drawModes.highlight = false;
        return;
    }
    DrawObjects(index, index, dc);
    if (markShown)
        hooks->DrawCursorMark(dc);
    g_drawModes.highlight = false;
}

void RedrawSheetRect(plat::Dc& dc, int x1, int y1, int x2, int y2, int background)
{
    RedrawSheetArea(dc, plat::Rect{x1, y1, x2, y2}, background);
}

void RedrawSheetArea(plat::Dc& dc, const plat::Rect& area, int background)
{
    SelectProgramPalette(dc);
    dc.SetROP2(plat::kR2CopyPen);
    g_drawModes.rasterMode = kModeCopy;
    plat::Rect r = area.normalized();
    if (MetricUnits()) {
        r = {static_cast<int>(r.left * kMetricFactor), static_cast<int>(r.top * kMetricFactor),
             static_cast<int>(r.right * kMetricFactor), static_cast<int>(r.bottom * kMetricFactor)};
    }
    const int zoom = g_current.zoom();
    const plat::Rect& work = g_sheetView.workArea;
    r.left = std::max(r.left, work.left * zoom);
    r.top = std::max(r.top, work.top * zoom);
    SetClipRect(dc, r.left / zoom, r.top / zoom, r.right / zoom + 1, r.bottom / zoom + 1);
    if (background >= 1)
        FillWorkAreaBackground(dc, thePartEditor ? kRolePartsBin : kRoleScreen);
    PrepareScreenMapping(dc, work);
    dc.SetBkMode(plat::kTransparent);
    DrawObjects(1, g_current.count, dc);
    if (g_settings.border == 1)
        DrawTitleBlock(dc, 0);
    DrawGridDots(dc);
    ClipToWorkArea(dc, g_settings.rulers != 0);
}

void FillWorkAreaBackground(plat::Dc& dc, int role)
{
    plat::Rect r = dc.DPtoLP(g_sheetView.workArea).normalized();
    r.right += 10;
    r.bottom += 10;
    ScopedPen pen(dc, plat::stockPen(plat::kNullPen));
    ScopedBrush brush(dc, plat::Brush::solid(PaletteRgb(RolePaletteIndex(role))));
    dc.Rectangle(r.left, r.top, r.right, r.bottom);
}

void SetClipRect(plat::Dc& dc, int x1, int y1, int x2, int y2)
{
    SetClipRegion(dc, plat::Rect{x1, y1, x2, y2}.normalized());
}

void SetClipRegion(plat::Dc& dc, const plat::Rect& rect)
{
    const plat::Rect r = rect.normalized();
    const int zoom = g_current.zoom();
    g_paintRecord.lastClip = {r.left * zoom, r.top * zoom, r.right * zoom, r.bottom * zoom};
    const plat::Region region(r);
    dc.SelectClipRgn(&region);
}

void ClipToWorkArea(plat::Dc& dc, bool rulersShown)
{
    const plat::Rect& work = g_sheetView.workArea;
    const int inset = rulersShown && !g_sheetView.fitToWindow && !g_sheetView.printing ? kRulerInset : 1;
    SetClipRect(dc, work.left + inset, work.top + inset, work.right - 1, work.bottom - 1);
}

void UpdateSheetScrollBars()
{
    if (SheetOverlays* hooks = overlays())
        hooks->SetSheetScrollBars(ComputeSheetScrollBars(g_sheetView.workArea));
}

void ShowObjectOrigins(plat::Dc& dc)
{
    constexpr int kOriginMark = 2;
    DrawObjectInMode(dc, 0, kModeInvert);
    const ScopedPen pen(dc, MakePen(kRoleEdit, 0, 1));
    const ScopedBrush brush(dc, plat::stockBrush(plat::kNullBrush));
    const int h = kOriginMark * g_current.zoom();
    for (int i = 1; i <= g_current.count; ++i) {
        const DrawObject& o = g_current.objects[static_cast<size_t>(i)];
        if (o.type() == 0 || !OnCurrentLayerAndSheet(i))
            continue;
        dc.Rectangle(o.x() - h, o.y() - h, o.x() + h, o.y() + h);
    }
    DrawObjectInMode(dc, 0, kModeCopy);
}
