// Arrow lines: a shaft between the two points and a head at the far end (and, when asked, at
// the start), by head style.
#include "schemora/core/paint_style.h"
#include "schemora/core/shape_painters.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kPi = 3.1415926536;
constexpr double kHalfPi = 1.5707963268;
constexpr double kQuarterPi = 0.7853981634;

struct HeadShape {
    int style;
    double length;
    double angle;      // direction of the shaft
};

}  // namespace

double ArrowShaftAngle(int x1, int y1, int x2, int y2)
{
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    if (std::abs(dx) < 2)
        return dy < 0 ? 4.7123889804 : kHalfPi;
    double a = std::atan(static_cast<double>(std::abs(dy)) / std::abs(dx));
    if (dx < 0 && dy >= 0)
        a = kPi - a;
    else if (dx < 0 && dy < 0)
        a = a + kPi;
    else if (dx >= 1 && dy < 1)
        a = 2 * kPi - a;
    return a;
}

namespace {

double headLengthOf(int style, int w)
{
    switch (style) {
    case 0: return (w / 7 + 5) * 6;
    case 1: return (w / 3 + 5) * 6;
    case 2: return (w / 2 + 7) * 6;
    case 4: return w / 7 + 5;
    default: return 0;
    }
}

// One head with its tip at (tx, ty); `back` turns it round for the head at the start.
void drawHead(plat::Dc& dc, const HeadShape& head, int tx, int ty, bool back)
{
    const bool open = head.style == 0 || head.style == 4;
    const double turn = back ? kPi : 0;
    const double b1 = head.angle + (open ? 2.3561944902 : 2.7488935719) + turn;
    const double b2 = b1 + (open ? kHalfPi : kQuarterPi);
    const plat::Point tip{tx, ty};
    const plat::Point p1{static_cast<int>(tx + head.length * std::cos(b1)),
                         static_cast<int>(ty + head.length * std::sin(b1))};
    const plat::Point p2{static_cast<int>(tx + head.length * std::cos(b2)),
                         static_cast<int>(ty + head.length * std::sin(b2))};
    if (open) {
        dc.MoveTo(p1.x, p1.y);
        dc.LineTo(tip.x, tip.y);
        dc.MoveTo(p2.x, p2.y);
        dc.LineTo(tip.x, tip.y);
    } else if (head.style == 1) {
        const std::array<plat::Point, 3> points{tip, p1, p2};
        dc.Polygon(points);
    } else if (head.style == 2) {
        const double toward = back ? 1 : -1;
        const plat::Point notch{static_cast<int>(tx + toward * head.length / 2 * std::cos(head.angle)),
                                static_cast<int>(ty + toward * head.length / 2 * std::sin(head.angle))};
        const std::array<plat::Point, 4> points{tip, p1, notch, p2};
        dc.Polygon(points);
    }
}

}  // namespace

void DrawArrowLine(plat::Dc& dc, int x1, int y1, int x2, int y2, int role, int style, int arrowWord,
                   int width, int headLength)
{
    const plat::ColorRef color = RoleColor(role, width);
    ScopedPen pen(dc, MakePen(role, style, width));
    ScopedBrush brush(dc, plat::Brush::solid(color));
    const int w = width & 0xFF;
    HeadShape head;
    head.style = arrowWord & 0xFF;
    head.length = headLength > 0 ? headLength : headLengthOf(head.style, w);
    head.angle = ArrowShaftAngle(x1, y1, x2, y2);
    const double c = std::cos(head.angle);
    const double s = std::sin(head.angle);
    DrawLine(dc, static_cast<int>(x1 + w * c), static_cast<int>(y1 + w * s),
             static_cast<int>(x2 - w * c), static_cast<int>(y2 - w * s), role, style, width);
    if (head.style == 3 || head.style > 4)
        return;
    drawHead(dc, head, x2, y2, false);
    if ((arrowWord >> 8) & 0xFF)
        drawHead(dc, head, x1, y1, true);
}
