#include "common/pcb/board_primitives.h"

#include "common/pcb/arc_trace_bend.h"
#include "common/pcb/package_points.h"
#include "platform/gdi/dc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace pcb {
namespace {

// The pen a painter's colour, style and width arguments stand for.
plat::Pen painterPen(const PaintFrame& f, int color, int style, int width)
{
    int entry;
    if (color == kDirectColor) {
        entry = (width >> 8) & 0xFF;
        width &= 0xFF;
    } else {
        entry = ColorMapEntry(*f.colors, color);
    }
    if (style < 0 || style > 3)
        style = plat::kPsSolid;
    if (width < 1 || style != plat::kPsSolid)
        width = 0;
    return plat::Pen(style, width, LayerColor(entry, f.trueColor));
}

int backgroundEntry(const PaintFrame& f)
{
    if (f.printing)
        return f.printInvert ? kPaletteBlack : kPaletteWhite;
    return ColorMapEntry(*f.colors, BackgroundColor(f));
}

plat::Brush painterBrush(const PaintFrame& f, int fill, const plat::Pen& pen)
{
    if (fill <= kFillHollow)
        return plat::Brush::hollow();
    if (fill == kFillSolid)
        return plat::Brush::solid(pen.color);
    if (fill < kFillBackground)
        return plat::Brush::hatched(fill - 2, pen.color);
    return plat::Brush::solid(LayerColor(backgroundEntry(f), f.trueColor));
}

// Selects a painter's pen and brush for one primitive and puts the previous ones back.
class PainterObjects {
public:
    PainterObjects(plat::Dc& dc, const plat::Pen& pen, const plat::Brush& brush, int fill)
        : dc_(dc), oldPen_(dc.SelectObject(pen)), oldBrush_(dc.SelectObject(brush))
    {
        if (fill >= kFillBackground)
            oldBkMode_ = dc.SetBkMode(plat::kOpaque);
    }
    ~PainterObjects()
    {
        dc_.SelectObject(oldPen_);
        dc_.SelectObject(oldBrush_);
        if (oldBkMode_ != 0)
            dc_.SetBkMode(oldBkMode_);
    }
    PainterObjects(const PainterObjects&) = delete;
    PainterObjects& operator=(const PainterObjects&) = delete;

private:
    plat::Dc& dc_;
    plat::Pen oldPen_;
    plat::Brush oldBrush_;
    int oldBkMode_ = 0;
};

bool fineTraceClipping(const PaintFrame& f)
{
    return f.zoomIndex >= kFineZoomIndex && !f.printing && !f.drawToFit && !f.metric;
}

// The client area in logical units.
struct LogicalWindow {
    int left, top, right, bottom;
};
LogicalWindow visibleWindow(const PaintFrame& f)
{
    const int32_t d = f.zoomDivisor;
    const plat::Rect& r = f.clientRect;
    const int32_t ox = f.viewOriginX - f.clientCentreX;
    const int32_t oy = f.viewOriginY - f.clientCentreY;
    return {ox + r.left * d, oy + r.top * d, ox + r.right * d, oy + r.bottom * d};
}

}  // namespace

void DrawLine(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width)
{
    if (x2 < x1) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const plat::Pen pen = painterPen(f, color, style, width);
    PainterObjects objects(dc, pen, dc.GetCurrentBrush(), kFillHollow);
    // The platform leaves out a line's last pixel; one more unit sets it.
    if (x1 != x2)
        ++x2;
    if (y1 != y2)
        y2 += y2 > y1 ? 1 : -1;
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void DrawTrace(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width)
{
    if (!fineTraceClipping(f)) {
        DrawLine(f, dc, x1, y1, x2, y2, color, style, width);
        return;
    }
    // At the finest zooms board coordinates lie far outside the window; the line is cut to it.
    const LogicalWindow w = visibleWindow(f);
    if (y1 == y2) {
        if (std::max(x1, x2) < w.left || std::min(x1, x2) > w.right)
            return;
        x1 = std::clamp(x1, w.left, w.right);
        x2 = std::clamp(x2, w.left, w.right);
    } else if (x1 == x2) {
        if (std::max(y1, y2) < w.top || std::min(y1, y2) > w.bottom)
            return;
        y1 = std::clamp(y1, w.top, w.bottom);
        y2 = std::clamp(y2, w.top, w.bottom);
    } else {
        if (x2 < x1) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        if (x2 < w.left || x1 > w.right)
            return;
        const float slope = static_cast<float>(y2 - y1) / static_cast<float>(x2 - x1);
        const float intercept = static_cast<float>(y1) - slope * static_cast<float>(x1);
        if (x1 < w.left) {
            x1 = w.left;
            y1 = static_cast<int>(slope * static_cast<float>(x1) + intercept);
        }
        if (x2 > w.right) {
            x2 = w.right;
            y2 = static_cast<int>(slope * static_cast<float>(x2) + intercept);
        }
    }
    DrawLine(f, dc, x1, y1, x2, y2, color, style, width);
}

void DrawRect(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int fill,
              int width)
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    if (!f.printing && !dc.IsPrinting()) {
        x2 += f.pixelSize;
        y2 += f.pixelSize;
    }
    if (color != kDirectColor)
        width = std::max(width, 1);
    else if ((width & 0xFF) < 1)
        width |= 1;
    const plat::Pen pen = painterPen(f, color, style, width);
    PainterObjects objects(dc, pen, painterBrush(f, fill, pen), fill);
    dc.Rectangle(x1, y1, x2, y2);
}

void DrawBox(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int fill,
             int width)
{
    if (f.zoomIndex < kFineZoomIndex) {
        DrawRect(f, dc, x1, y1, x2, y2, color, style, fill, width);
        return;
    }
    DrawTrace(f, dc, x1, y1, x2, y1, color, style, width);
    DrawTrace(f, dc, x2, y1, x2, y2, color, style, width);
    DrawTrace(f, dc, x2, y2, x1, y2, color, style, width);
    DrawTrace(f, dc, x1, y2, x1, y1, color, style, width);
}

void DrawRotatedRect(const PaintFrame& f, plat::Dc& dc, int x, int y, int w, int h, int color, int style, int fill,
                     int width, double angle, int mirror)
{
    std::array<plat::Point, 4> corners = {
        plat::Point{x, y}, plat::Point{x + w, y}, plat::Point{x + w, y + h}, plat::Point{x, y + h}};
    for (plat::Point& p : corners) {
        int32_t px = p.x, py = p.y;
        RotatePoint(x, y, px, py, angle, mirror);
        p = {px, py};
    }
    const plat::Pen pen = painterPen(f, color, style, width);
    PainterObjects objects(dc, pen, painterBrush(f, fill, pen), fill);
    dc.Polygon(corners);
}

void DrawEllipse(const PaintFrame& f, plat::Dc& dc, int x, int y, int rx, int ry, int color, int style, int fill,
                 int width)
{
    if (rx == 0)
        rx = 1;
    if (ry == 0)
        ry = 1;
    const plat::Pen pen = painterPen(f, color, style, width);
    PainterObjects objects(dc, pen, painterBrush(f, fill, pen), fill);
    dc.Ellipse(x - rx, y - ry, x + rx, y + ry);
}

void DrawArc(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width)
{
    if (color > 31 || color < 0)
        color = 0;
    if (x1 == x2 || y1 == y2) {
        DrawLine(f, dc, x1, y1, x2, y2, color, style, width);
        return;
    }
    int left = x1, top = y2, right = 2 * x2 - x1, bottom = 2 * y1 - y2;
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    int xs = x1, ys = y1, xe = x2, ye = y2;
    bool exchange = (x1 < x2 && y2 < y1) || (x2 < x1 && y1 < y2);
    if (f.printing && f.printMirror)
        exchange = !exchange;
    if (exchange) {
        std::swap(xs, xe);
        std::swap(ys, ye);
    }
    const plat::Pen pen = painterPen(f, color, style, width);
    PainterObjects objects(dc, pen, dc.GetCurrentBrush(), kFillHollow);
    dc.Arc(left, top, right, bottom, xs, ys, xe, ye);
}

void DrawArcTrace(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int style, int width)
{
    const int dx = x1 - x2, dy = y1 - y2;
    if (dx == 0 || dy == 0) {
        DrawLine(f, dc, x1, y1, x2, y2, color, style, width);
        return;
    }
    const ArcTraceBend bend = ArcTraceBendOf(x1, y1, x2, y2);
    const int bx = static_cast<int>(bend.x), by = static_cast<int>(bend.y);
    if (bend.run != 0)
        DrawLine(f, dc, x1, y1, bx, by, color, style, width);
    DrawArc(f, dc, bx, by, x2, y2, color, style, width);
}

void DrawPolygon(const PaintFrame& f, plat::Dc& dc, std::span<const int32_t> vertices, int count, int color,
                 int style, int fill, int width, int mode, int rotation, int mirror)
{
    count = std::clamp(count, 0, static_cast<int>(vertices.size() / 2));
    if (count < 2)
        return;
    std::vector<plat::Point> points(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        int32_t x = vertices[static_cast<size_t>(2 * i)];
        int32_t y = vertices[static_cast<size_t>(2 * i + 1)];
        if (mode == 2) {
            x -= f.viewOriginX;
            y -= f.viewOriginY;
        } else {
            ToLogical(f.zoomIndex, x, y);
            if (mode == 1)
                TransformPackagePoint(f.zoomIndex, f.partX, f.partY, x, y, x, y, rotation, mirror, false);
        }
        points[static_cast<size_t>(i)] = {x, y};
    }
    const plat::Pen pen = painterPen(f, color, style, width);
    PainterObjects objects(dc, pen, painterBrush(f, fill, pen), fill);
    dc.Polygon(points);
}

void DrawRoundRect(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int cw, int ch, int color,
                   int style, int fill, int width)
{
    const plat::Pen pen = painterPen(f, color, style, width);
    PainterObjects objects(dc, pen, painterBrush(f, fill, pen), fill);
    dc.RoundRect(x1, y1, x2, y2, cw, ch);
}

void DrawPointPolyline(const PaintFrame& f, plat::Dc& dc, std::span<const plat::Point> points, int color, int style,
                       int width)
{
    const plat::Pen pen = painterPen(f, color, style, width);
    PainterObjects objects(dc, pen, dc.GetCurrentBrush(), kFillHollow);
    dc.Polyline(points);
}

void DrawPointPolygon(const PaintFrame& f, plat::Dc& dc, std::span<const plat::Point> points, int color, int style,
                      int fill, int width)
{
    const plat::Pen pen = painterPen(f, color, style, width);
    PainterObjects objects(dc, pen, painterBrush(f, fill, pen), fill);
    dc.Polygon(points);
}

int BackgroundColor(const PaintFrame& f)
{
    return RoleColor(*f.colors, f.editorBackground ? kRoleEditorBackground : kRoleBackground);
}

}  // namespace pcb
