#include "schemora/core/shape_painters.h"

#include "schemora/core/current_document.h"
#include "schemora/core/paint_style.h"
#include "schemora/core/part_transforms.h"
#include "schemora/core/sheet_state.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

constexpr int kTerminalHalfSize = 12;
constexpr int kTerminalPenWidth = 6;
constexpr int kLargeArc = 2000;
constexpr double kPi = 3.1415926536;

// A direct-colour width word keeps its colour when only the pen width changes.
int withPenWidth(int role, int widthWord, int penWidth)
{
    return role == kDirectColor ? (widthWord & 0xFF00) | penWidth : penWidth;
}

void ordered(int& a, int& b)
{
    if (a > b)
        std::swap(a, b);
}

}  // namespace

void DrawLine(plat::Dc& dc, int x1, int y1, int x2, int y2, int role, int style, int width)
{
    ScopedPen pen(dc, MakePen(role, style, width));
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    // The far end would be left out by LineTo; one unit more puts it in.
    if (!g_drawModes.InstrumentExactLineEnds) {
        if (x1 != x2)
            x2 += 1;
        if (y1 != y2)
            y2 += y2 > y1 ? 1 : -1;
    }
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void DrawStyledLine(plat::Dc& dc, int x1, int y1, int x2, int y2, int role, int style, int width)
{
    if (style == 0 || (x1 != x2 && y1 != y2)) {
        DrawLine(dc, x1, y1, x2, y2, role, style, width);
        return;
    }
    const int zoom = g_current.zoom();
    const int n = PenWidthOf(role, width) / (2 * zoom);
    const int thin = withPenWidth(role, width, 1);
    for (int k = -n; k <= n; ++k) {
        if (x1 == x2)
            DrawLine(dc, x2 - zoom * k, y1, x2 - zoom * k, y2, role, style, thin);
        else
            DrawLine(dc, x1, y2 - zoom * k, x2, y2 - zoom * k, role, style, thin);
    }
}

void DrawRect(plat::Dc& dc, int x1, int y1, int x2, int y2, int role, int style, int fill, int width)
{
    ScopedPen pen(dc, MakePen(role, style, width));
    ScopedBrush brush(dc, FillBrush(fill, RoleColor(role, width)));
    ordered(x1, x2);
    ordered(y1, y2);
    if (!g_sheetView.printing) {
        x2 += g_current.zoom();
        y2 += g_current.zoom();
    }
    dc.Rectangle(x1, y1, x2, y2);
}

void DrawRectObject(plat::Dc& dc, int x1, int y1, int x2, int y2, int role, int style, int fill,
                    int width)
{
    if (style == 0) {
        DrawRect(dc, x1, y1, x2, y2, role, style, fill, width);
        return;
    }
    DrawStyledLine(dc, x1, y1, x2, y1, role, style, width);
    DrawStyledLine(dc, x2, y1, x2, y2, role, style, width);
    DrawStyledLine(dc, x1, y2, x2, y2, role, style, width);
    DrawStyledLine(dc, x1, y1, x1, y2, role, style, width);
}

void DrawRotatedRect(plat::Dc& dc, int cx, int cy, int x1, int y1, int x2, int y2, int role,
                     int style, int fill, int width, double angle, bool mirror)
{
    std::array<plat::Point, 4> corners{{{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}}};
    for (plat::Point& p : corners)
        RotatePointByAngle(cx, cy, &p.x, &p.y, angle, mirror);
    ScopedPen pen(dc, MakePen(role, style, width));
    ScopedBrush brush(dc, FillBrush(fill, RoleColor(role, width)));
    dc.Polygon(corners);
}

void DrawRoundRect(plat::Dc& dc, int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight,
                   int role, int style, int fill, int width)
{
    ScopedPen pen(dc, MakePen(role, style, width));
    ScopedBrush brush(dc, FillBrush(fill, RoleColor(role, width)));
    ordered(x1, x2);
    ordered(y1, y2);
    dc.RoundRect(x1, y1, x2 + 1, y2 + 1, cornerWidth, cornerHeight);
}

void DrawRotatedRoundRect(plat::Dc& dc, int cx, int cy, int x1, int y1, int x2, int y2, int role,
                          int style, int fill, int width, double angle, bool mirror)
{
    ordered(x1, x2);
    ordered(y1, y2);
    const int c = std::min(x2 - x1, y2 - y1) / 4;
    // Each corner is a quarter circle of radius c cut into three chords at 30 and 60 degrees.
    const int near = static_cast<int>(std::lround(c * (1 - std::cos(kPi / 6))));
    const int half = c / 2;
    std::vector<plat::Point> outline{
        {x1 + c, y1}, {x2 - c, y1}, {x2 - half, y1 + near}, {x2 - near, y1 + half},
        {x2, y1 + c}, {x2, y2 - c}, {x2 - near, y2 - half}, {x2 - half, y2 - near},
        {x2 - c, y2}, {x1 + c, y2}, {x1 + half, y2 - near}, {x1 + near, y2 - half},
        {x1, y2 - c}, {x1, y1 + c}, {x1 + near, y1 + half}, {x1 + half, y1 + near},
    };
    for (plat::Point& p : outline)
        RotatePointByAngle(cx, cy, &p.x, &p.y, angle, mirror);
    ScopedPen pen(dc, MakePen(role, style, width));
    ScopedBrush brush(dc, FillBrush(fill, RoleColor(role, width)));
    dc.Polygon(outline);
}

void DrawEllipse(plat::Dc& dc, int cx, int cy, int rx, int ry, int role, int style, int fill, int width)
{
    const plat::ColorRef color = RoleColor(role, width);
    const int penWidth = PenStyleOf(style) == plat::kPsSolid ? width : withPenWidth(role, width, 1);
    ScopedPen pen(dc, MakePen(role, style, penWidth));
    ScopedBrush brush(dc, FillBrush(fill, color));
    if (IsSolidFill(fill))
        dc.SetBkMode(plat::kOpaque);
    rx = rx == 0 ? 1 : rx;
    ry = ry == 0 ? 1 : ry;
    dc.Ellipse(cx - rx, cy - ry, cx + rx, cy + ry);
    if (g_sheetView.printing && fill == kFillSolid) {
        // Printers leave a gap between a wide outline and its fill; a thin circle closes it.
        ScopedPen thin(dc, plat::Pen(plat::kPsSolid, 1, color));
        const int r = rx - PenWidthOf(role, width) / 2;
        dc.Ellipse(cx - r, cy - r, cx + r, cy + r);
    }
    dc.SetBkMode(plat::kTransparent);
}

namespace {

// The arc's ends in drawing order and the box of the ellipse it is a quarter of.
struct ArcGeometry {
    int x1, y1, x2, y2;
    int farX, farY;
};

ArcGeometry arcGeometry(int x1, int y1, int x2, int y2, int bulge)
{
    bulge = bulge < 21 ? 20 : std::min(bulge, 30);
    if ((x2 > x1 && y2 < y1) || (x1 > x2 && y2 > y1)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    int farX = 2 * x2 - x1;
    int farY = 2 * y1 - y2;
    if (std::abs(x1 - x2) + std::abs(y1 - y2) < kLargeArc) {
        farX = x1 + (x2 - x1) * bulge / 10;
        farY = y2 + (y1 - y2) * bulge / 10;
    }
    return {x1, y1, x2, y2, farX, farY};
}

}  // namespace

void DrawArc(plat::Dc& dc, int x1, int y1, int x2, int y2, int role, int style, int bulge, int width)
{
    if (x1 == x2 || y1 == y2) {
        DrawLine(dc, x1, y1, x2, y2, role, style, width);
        return;
    }
    const ArcGeometry a = arcGeometry(x1, y1, x2, y2, bulge);
    ScopedPen pen(dc, MakePen(role, style, width));
    dc.Arc(a.x1, a.y2, a.farX, a.farY, a.x1, a.y1, a.x2, a.y2);
}

plat::Rect ArcOuterBox(int x1, int y1, int x2, int y2, int bulge)
{
    const ArcGeometry a = arcGeometry(x1, y1, x2, y2, bulge);
    return {std::min({a.x1, a.x2, a.farX}), std::min({a.y1, a.y2, a.farY}), std::max({a.x1, a.x2, a.farX}),
            std::max({a.y1, a.y2, a.farY})};
}

void DrawTriangle(plat::Dc& dc, int cx, int cy, int x1, int y1, int x2, int y2, int role, int style,
                  int fill, int width, int angle, bool mirror)
{
    std::array<plat::Point, 3> points{{{x1, y1}, {x2, (y1 + y2) / 2}, {x1, y2}}};
    const double radians = angle * kTenthsToRadians;
    for (plat::Point& p : points)
        RotatePointByAngle(cx, cy, &p.x, &p.y, radians, mirror);
    ScopedPen pen(dc, MakePen(role, style, width));
    ScopedBrush brush(dc, FillBrush(fill, RoleColor(role, width)));
    dc.Polygon(points);
}

void DrawPolygon(plat::Dc& dc, std::span<const plat::Point> points, int role, int style, int fill,
                 int width)
{
    if (points.empty())
        return;
    ScopedPen pen(dc, MakePen(role, style, width));
    ScopedBrush brush(dc, PolygonBrush(fill, RoleColor(role, width)));
    dc.Polygon(points);
}

void DrawTerminalMark(plat::Dc& dc, int x, int y)
{
    DrawRect(dc, x - kTerminalHalfSize, y - kTerminalHalfSize, x + kTerminalHalfSize,
             y + kTerminalHalfSize, kRoleDot, plat::kPsSolid, kFillHollow, kTerminalPenWidth);
}
