// The board program's primitives: common/pcb's, in the frame of the current view; and the
// background and work-area border that only a board view has.
#include "tracelyn/core/board_primitives.h"

#include "platform/gdi/dc.h"
#include "tracelyn/core/board_mapping.h"
#include "tracelyn/core/board_paint_frame.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/package_geometry.h"

int32_t CurrentPixelSize()
{
    return pcb::PixelSize(g_view.zoomDivisor, MetricUnits());
}

void DrawLine(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width)
{
    pcb::DrawLine(CurrentPaintFrame(), dc, x1, y1, x2, y2, color, style, width);
}

void DrawTrace(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width)
{
    pcb::DrawTrace(CurrentPaintFrame(), dc, x1, y1, x2, y2, color, style, width);
}

void DrawRect(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int fill, int width)
{
    pcb::DrawRect(CurrentPaintFrame(), dc, x1, y1, x2, y2, color, style, fill, width);
}

void DrawBox(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int fill, int width)
{
    pcb::DrawBox(CurrentPaintFrame(), dc, x1, y1, x2, y2, color, style, fill, width);
}

void DrawRotatedRect(plat::Dc& dc, int x, int y, int w, int h, int color, int style, int fill, int width,
                     double angle, int mirror)
{
    pcb::DrawRotatedRect(CurrentPaintFrame(), dc, x, y, w, h, color, style, fill, width, angle, mirror);
}

void DrawEllipse(plat::Dc& dc, int x, int y, int rx, int ry, int color, int style, int fill, int width)
{
    pcb::DrawEllipse(CurrentPaintFrame(), dc, x, y, rx, ry, color, style, fill, width);
}

void DrawArc(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width)
{
    pcb::DrawArc(CurrentPaintFrame(), dc, x1, y1, x2, y2, color, style, width);
}

void DrawArcTrace(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width)
{
    pcb::DrawArcTrace(CurrentPaintFrame(), dc, x1, y1, x2, y2, color, style, width);
}

void DrawPolygon(plat::Dc& dc, std::span<const int32_t> vertices, int count, int color, int style, int fill,
                 int width, int mode, int rotation, int mirror)
{
    pcb::DrawPolygon(CurrentPaintFrame(), dc, vertices, count, color, style, fill, width, mode, rotation, mirror);
}

void DrawRoundRect(plat::Dc& dc, int x1, int y1, int x2, int y2, int cw, int ch, int color, int style, int fill,
                   int width)
{
    pcb::DrawRoundRect(CurrentPaintFrame(), dc, x1, y1, x2, y2, cw, ch, color, style, fill, width);
}

void DrawPointPolygon(plat::Dc& dc, std::span<const plat::Point> points, int color, int style, int fill, int width)
{
    pcb::DrawPointPolygon(CurrentPaintFrame(), dc, points, color, style, fill, width);
}

void DrawPointPolyline(plat::Dc& dc, std::span<const plat::Point> points, int color, int style, int width)
{
    pcb::DrawPointPolyline(CurrentPaintFrame(), dc, points, color, style, width);
}

int BackgroundColor()
{
    return pcb::BackgroundColor(CurrentPaintFrame());
}

void FillWorkAreaBackground(plat::Dc& dc, int color)
{
    const plat::Rect r = dc.DPtoLP(g_view.clientRect).normalized();
    const plat::Pen oldPen = dc.SelectObject(plat::stockPen(plat::kNullPen));
    const plat::Brush oldBrush = dc.SelectObject(plat::Brush::solid(GetLayerColor(ColorMapEntry(color))));
    dc.Rectangle(r.left - 10, r.top - 10, r.right + 10, r.bottom + 10);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

void DrawWorkAreaBorder(plat::Dc& dc)
{
    const int32_t f = ScreenLength(10);
    const WorkAreaSize area = WorkAreaOf(g_board.sizeLetter);
    if (g_footprintEditor.open) {
        int32_t ox = kPackageOriginX, oy = kPackageOriginY;
        WorldToScreen(ox, oy);
        DrawBox(dc, ox - 10 * f, oy - 10 * f, ox + 10 * f, oy + 10 * f, RoleColor(kRoleText),
                kStyleSolid, kFillHollow, 5 * f);
    }
    const int32_t hw = area.width * f / 2, hh = area.height * f / 2;
    DrawBox(dc, -hw, -hh, hw, hh, kMarkColor, kStyleDot, kFillHollow, 1);
}
