#include "tracelyn/core/board_cursor.h"

#include "common/rounding.h"
#include "platform/gdi/dc.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_primitives.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_services.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/cursor_snap.h"
#include "tracelyn/core/workspace_services.h"

#include <cstdio>

namespace {

constexpr int kPaneReadout = 1;
constexpr double kMetricFactor = 0.39370078;
// The rulers and their border take this many pixels along the top and left edges.
constexpr int kRulerInset = 17;

// Board units per logical unit at the current zoom.
int32_t unitsPerLogical()
{
    int32_t u = 1, dummy = 1;
    ScreenToWorld(u, dummy);
    return u;
}

void snapRectangular(int64_t& bx, int64_t& by)
{
    bx = SnapToStep(bx, g_view.gridStepX);
    by = SnapToStep(by, g_view.gridStepY);
}

void snapPolar(int64_t& bx, int64_t& by)
{
    const int32_t u = unitsPerLogical();
    const int64_t cx = int64_t{g_polarGrid.centreX} * u, cy = int64_t{g_polarGrid.centreY} * u;
    const PolarSnap s = SnapPolar(bx - cx, by - cy, g_polarGrid, g_polarGrid.radius);
    bx = cx + s.x;
    by = cy + s.y;
    g_pointer.polarRadius = s.radius;
    g_pointer.polarAngle = s.angle;
}

void drawCrosshairShape(plat::Dc& dc, int px, int py)
{
    const plat::Rect& r = g_view.clientRect;
    auto line = [&](int x1, int y1, int x2, int y2) {
        dc.MoveTo(x1, y1);
        dc.LineTo(x2, y2);
    };
    if (g_pointer.mode == kPointerHandle) {
        dc.Ellipse(px - 9, py - 9, px + 10, py + 10);
    } else if (g_pointer.mode == kPointerDrag) {
        for (int s : {-1, 1}) {
            line(px + s, py, px + 10 * s, py);
            line(px + 10 * s, py, px + 7 * s, py - 3);
            line(px + 10 * s, py, px + 7 * s, py + 3);
            line(px, py + s, px, py + 10 * s);
            line(px, py + 10 * s, px - 3, py + 7 * s);
            line(px, py + 10 * s, px + 3, py + 7 * s);
        }
    } else {
        line(px - 10, py, px - 2, py);
        line(px + 3, py, px + 11, py);
        line(px, py - 10, px, py - 2);
        line(px, py + 3, px, py + 11);
    }
    if (g_boardSettings.rulers != 0) {
        line(px, r.top, px, r.top + 14);
        line(r.left, py, r.left + 14, py);
    }
    if (g_boardSettings.cursor == 1) {
        const int inset = g_boardSettings.rulers != 0 ? kRulerInset : 0;
        line(px, r.top + inset, px, r.bottom);
        line(r.left + inset, py, r.right, py);
    }
}

}  // namespace

void SyncViewSettings()
{
    if (g_footprintEditor.open || g_active.data == nullptr)
        return;
    const BoardDocumentData& doc = *g_active.data;
    LoadViewGlobals(doc);
    g_view.zoomDivisor = ZoomDivisorOf(doc.zoomIndex);
    const GridStep step = GridStepFromId(doc.gridCommand);
    g_view.gridStepX = step.x;
    g_view.gridStepY = step.y;
}

int SetCursorFromPixels(int x, int y)
{
    const int32_t d = g_view.zoomDivisor;
    g_view.cursorX = x * d;
    g_view.cursorY = y * d;
    SyncViewSettings();
    g_view.cursorWorldX = g_view.cursorX;
    g_view.cursorWorldY = g_view.cursorY;
    ScreenToWorld(g_view.cursorWorldX, g_view.cursorWorldY);
    if (g_crosshair.on && !g_view.drawToFit) {
        const int32_t u = unitsPerLogical();
        const int64_t offX = int64_t{g_board.viewOriginX} - g_view.clientCentreX;
        const int64_t offY = int64_t{g_board.viewOriginY} - g_view.clientCentreY;
        int64_t bx = (offX + g_view.cursorX) * u, by = (offY + g_view.cursorY) * u;
        if (g_board.gridCommand == kGridPolar)
            snapPolar(bx, by);
        else
            snapRectangular(bx, by);
        g_view.cursorWorldX = static_cast<int32_t>(bx - offX * u);
        g_view.cursorWorldY = static_cast<int32_t>(by - offY * u);
        int32_t cx = g_view.cursorWorldX, cy = g_view.cursorWorldY;
        WorldToScreenRounded(cx, cy);
        g_view.cursorX = cx;
        g_view.cursorY = cy;
    }
    const bool changed = g_view.cursorX != g_pointer.lastSnappedX || g_view.cursorY != g_pointer.lastSnappedY;
    g_pointer.lastSnappedX = g_view.cursorX;
    g_pointer.lastSnappedY = g_view.cursorY;
    return changed ? 1 : 0;
}

void UpdateCursorBoardPoint()
{
    int32_t x = g_board.viewOriginX - g_view.clientCentreX;
    int32_t y = g_board.viewOriginY - g_view.clientCentreY;
    ScreenToWorld(x, y);
    x += g_view.cursorWorldX;
    y += g_view.cursorWorldY;
    if (MetricUnits()) {
        x = RoundHalfUp(x * kMetricFactor);
        y = RoundHalfUp(y * kMetricFactor);
    }
    g_gesture.boardX = x;
    g_gesture.boardY = y;
}

void ShowCursorCoordinates()
{
    if (g_edit.keyEditState != 0)
        return;
    UpdateCursorBoardPoint();
    int32_t ox = g_pointer.readoutOriginX, oy = g_pointer.readoutOriginY;
    if (g_pointer.readoutMode == 2) {
        ox = g_board.viewOriginX;
        oy = g_board.viewOriginY;
        ScreenToWorld(ox, oy);
    }
    const double dx = (g_gesture.boardX - ox) * 0.0001;
    const double dy = (g_gesture.boardY - oy) * 0.0001;
    char text[96];
    if (g_board.gridCommand == kGridPolar && g_crosshair.on) {
        const double r = g_pointer.polarRadius * 0.0001;
        const double a = g_pointer.polarRadius == 0 ? 0.0 : g_pointer.polarAngle / 10.0;
        std::snprintf(text, sizeof text, MetricUnits() ? "r=%.3f cm,angle=%.1f deg." : "r=%.3f,angle=%.1f deg.", r, a);
    } else if (MetricUnits()) {
        std::snprintf(text, sizeof text, "x=%.2f,y=%.2f cm", dx * 2.54, dy * 2.54);
    } else {
        std::snprintf(text, sizeof text, "x=%.4f,y=%.4f\"", dx, dy);
    }
    SetStatusText(text, kPaneReadout);
}

void DrawCrosshair(plat::Dc& dc, int x, int y, int store)
{
    if (g_view.drawToFit || g_edit.keyEditState != 0 || g_print.printing)
        return;
    if (store) {
        g_crosshair.x = x;
        g_crosshair.y = y;
    } else {
        x = g_crosshair.x;
        y = g_crosshair.y;
    }
    const int32_t d = g_view.zoomDivisor > 0 ? g_view.zoomDivisor : 1;
    const int saved = BeginPixelDrawing(dc, plat::kR2Not);
    dc.SelectObject(plat::Pen(plat::kPsSolid, 1, GetLayerColor(ColorMapEntry(kMarkColor))));
    dc.SelectObject(plat::Brush::hollow());
    drawCrosshairShape(dc, x / d, y / d);
    dc.RestoreDC(saved);
}

void HideCrosshair(plat::Dc& dc)
{
    if (g_crosshair.on && g_crosshair.shown) {
        DrawCrosshair(dc, 0, 0, 0);
        g_crosshair.shown = false;
    }
}

void ShowCrosshair(plat::Dc& dc)
{
    if (g_crosshair.on && !g_crosshair.shown) {
        DrawCrosshair(dc, g_view.cursorX, g_view.cursorY, 1);
        g_crosshair.shown = true;
    }
}

void ToggleCrosshair(plat::Dc& dc)
{
    if (g_crosshair.on) {
        HideCrosshair(dc);
        g_crosshair.on = false;
    } else {
        g_crosshair.on = true;
        ShowCrosshair(dc);
    }
}
