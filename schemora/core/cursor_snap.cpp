#include "schemora/core/cursor_snap.h"

#include "platform/app/wnd.h"
#include "platform/gdi/dc.h"
#include "schemora/core/app_state.h"
#include "schemora/core/current_document.h"
#include "schemora/core/edit_state.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/core/schemora_doc.h"
#include "schemora/core/sheet_mapping.h"
#include "schemora/core/sheet_painter.h"
#include "schemora/core/sheet_state.h"
#include "schemora/core/workspace_services.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kMarkArmStart = 3;
constexpr int kMarkArmEnd = 10;
constexpr int kMarkArrowStart = 1;
constexpr int kMarkArrowHead = 4;
constexpr int kMarkCircle = 9;

// Snaps one coordinate: c is the drawing coordinate, g the grid step; halves round toward zero.
int snapAxis(int cursor, int clientCentre, int viewCentre, int g)
{
    const int c = cursor - clientCentre + viewCentre;
    int q = c / g;
    const int rem = c % g;
    if (c >= 1 && rem > g / 2)
        ++q;
    else if (c < 1 && -rem > g / 2)
        --q;
    return q * g - viewCentre + clientCentre;
}

int toDrawing(int view, int clientCentre, int viewCentre)
{
    return MetricScaled(view - clientCentre + viewCentre);
}

void drawArms(plat::Dc& dc, int x, int y, int from, int to)
{
    const int z = g_current.zoom();
    for (auto [dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
        dc.MoveTo(x + dx * from * z, y + dy * from * z);
        dc.LineTo(x + dx * to * z, y + dy * to * z);
    }
}

void drawArrowHeads(plat::Dc& dc, int x, int y)
{
    const int z = g_current.zoom();
    const int tip = kMarkArmEnd * z;
    const int head = kMarkArrowHead * z;
    for (auto [dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
        const int tx = x + dx * tip, ty = y + dy * tip;
        dc.MoveTo(tx - dx * head + dy * head, ty - dy * head + dx * head);
        dc.LineTo(tx, ty);
        dc.LineTo(tx - dx * head - dy * head, ty - dy * head - dx * head);
    }
}

}  // namespace

bool SnapCursorPoint(int px, int py)
{
    const int z = g_current.zoom();
    int x = px * z;
    int y = py * z;
    // The same mouse position keeps the cursor point (which pin snapping may have moved).
    if (x == g_cursor.rawX && y == g_cursor.rawY)
        return false;
    g_cursor.rawX = x;
    g_cursor.rawY = y;
    const int g = std::max(1, g_current.gridStep);
    if (g_cursor.crossHairOn && !g_sheetView.fitToWindow) {
        x = snapAxis(x, g_sheetView.clientCentreX, g_current.viewCentreX, g);
        y = snapAxis(y, g_sheetView.clientCentreY, g_current.viewCentreY, g);
    }
    g_cursor.x = x;
    g_cursor.y = y;
    return true;
}

plat::Point CursorDrawingPoint()
{
    return {toDrawing(g_cursor.x, g_sheetView.clientCentreX, g_current.viewCentreX),
            toDrawing(g_cursor.y, g_sheetView.clientCentreY, g_current.viewCentreY)};
}

plat::Point DrawingToView(int x, int y)
{
    return {x - g_current.viewCentreX + g_sheetView.clientCentreX, y - g_current.viewCentreY + g_sheetView.clientCentreY};
}

void ShowCursorPosition()
{
    if (g_mouseEdit.textEntry)
        return;
    const float x = static_cast<float>((g_cursor.x - g_sheetView.clientCentreX + g_current.viewCentreX) * kStatusInchesPerUnit);
    const float y = static_cast<float>((g_cursor.y - g_sheetView.clientCentreY + g_current.viewCentreY) * kStatusInchesPerUnit);
    char text[64];
    if (MetricUnits())
        std::snprintf(text, sizeof text, "x=%.2f,y=%.2f cm", static_cast<double>(x), static_cast<double>(y));
    else
        std::snprintf(text, sizeof text, "x=%.3f,y=%.3f\"", static_cast<double>(x), static_cast<double>(y));
    SetStatusText(text, 1);
}

void DrawCursorMarkRaw(plat::Dc& dc)
{
    const int saved = dc.SetROP2(kModeInvert);
    const ScopedPen pen(dc, MakePen(kRoleGrid, 0, 1));
    const ScopedBrush brush(dc, plat::stockBrush(plat::kNullBrush));
    const int x = g_cursor.markX;
    const int y = g_cursor.markY;
    const int z = g_current.zoom();
    if (g_cursor.markStyle == 0) {
        const int r = kMarkCircle * z / 2;
        dc.Ellipse(x - r, y - r, x + r, y + r);
    }
    if (g_cursor.markStyle == 2) {
        drawArms(dc, x, y, kMarkArrowStart, kMarkArmEnd);
        drawArrowHeads(dc, x, y);
    } else {
        drawArms(dc, x, y, kMarkArmStart, kMarkArmEnd);
    }
    DrawRulerTicks(dc, {x, y});
    dc.SetROP2(saved);
}

void ShowCursorMark(plat::Dc& dc)
{
    if (g_cursorMark.visible || !g_cursor.crossHairOn)
        return;
    const plat::Point p = CursorDrawingPoint();
    g_cursor.markX = p.x;
    g_cursor.markY = p.y;
    DrawObjectInMode(dc, 0, kModeInvert);
    DrawCursorMarkRaw(dc);
    g_cursorMark.visible = true;
}

void HideCursorMark(plat::Dc& dc)
{
    if (!g_cursorMark.visible)
        return;
    DrawObjectInMode(dc, 0, kModeInvert);
    DrawCursorMarkRaw(dc);
    g_cursorMark.visible = false;
}

void ScrollViewStep(plat::Wnd& view, int divisor, int direction)
{
    const plat::Rect client = view.clientRect();
    const SheetDimensions sheet = SheetSizeOf(g_current.sheetSize);
    const int factor = MetricUnits() ? 3 : 1;
    const bool horizontal = direction < 2;
    const int step = (horizontal ? client.width() : client.height()) * g_current.zoom() / std::max(1, divisor);
    const int half = (horizontal ? sheet.width : sheet.height) / 2;
    const int limit = std::max(0, (half - step / 4) * factor);
    int& centre = horizontal ? g_current.viewCentreX : g_current.viewCentreY;
    const int sign = direction == 0 || direction == 2 ? -1 : 1;
    centre = std::clamp(centre + sign * step, -limit, limit);
    if (!thePartEditor)
        if (CSchemoraDoc* doc = g_current.activeDocument) {
            doc->data().viewCentreX = g_current.viewCentreX;
            doc->data().viewCentreY = g_current.viewCentreY;
        }
    g_cursorMark.visible = false;
    view.RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    g_mouseEdit.scrolled = true;
}
