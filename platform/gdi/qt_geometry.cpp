#include "platform/gdi/qt_geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace plat::gdi {

namespace {

QRectF edgeBox(const Rect& r) { return QRectF(r.left, r.top, r.width(), r.height()); }
QRectF centreBox(const Rect& r)
{
    return QRectF(r.left + 0.5, r.top + 0.5, std::max(0, r.width() - 1), std::max(0, r.height() - 1));
}

// Qt measures arc angles on the ellipse's parameter, counter-clockwise on screen; the radial
// points give directions from the centre, so they are turned into parameter angles first.
double parameterAngle(const Rect& box, Point p)
{
    const double cx = box.left + box.width() / 2.0;
    const double cy = box.top + box.height() / 2.0;
    const double a = std::max(0.5, box.width() / 2.0);
    const double b = std::max(0.5, box.height() / 2.0);
    const double dx = p.x - cx;
    const double dy = p.y - cy;
    if (dx == 0 && dy == 0)
        return 0;
    return std::atan2(-dy / b, dx / a) * 180.0 / std::numbers::pi;
}

void arcAngles(const DeviceShape& s, double& start, double& sweep)
{
    start = parameterAngle(s.box, s.start);
    const double end = parameterAngle(s.box, s.end);
    sweep = end - start;
    while (sweep <= 1e-9)
        sweep += 360.0;
    while (sweep > 360.0)
        sweep -= 360.0;
}

QPainterPath arcPath(const DeviceShape& s, const QRectF& box, bool closeToCentre, bool close)
{
    double start = 0, sweep = 0;
    arcAngles(s, start, sweep);
    QPainterPath path;
    if (closeToCentre) {
        path.moveTo(box.center());
        path.arcTo(box, start, sweep);
    } else {
        path.arcMoveTo(box, start);
        path.arcTo(box, start, sweep);
    }
    if (close)
        path.closeSubpath();
    return path;
}

QPainterPath polygonPath(std::span<const Point> points, double offset, bool close)
{
    QPolygonF poly;
    for (const Point& p : points)
        poly << QPointF(p.x + offset, p.y + offset);
    QPainterPath path;
    path.addPolygon(poly);
    if (close)
        path.closeSubpath();
    return path;
}

}  // namespace

QPainterPath shapeArea(const DeviceShape& s, bool penVisible)
{
    QPainterPath path;
    switch (s.kind) {
    case ShapeKind::Polygon:
        path = polygonPath(s.points, 0, true);
        path.setFillRule(s.fillMode == kWinding ? Qt::WindingFill : Qt::OddEvenFill);
        break;
    case ShapeKind::Rectangle: {
        // Without a pen the filled rectangle is one pixel narrower and shorter.
        const int shrink = penVisible ? 0 : 1;
        path.addRect(QRectF(s.box.left, s.box.top, std::max(0, s.box.width() - shrink),
                            std::max(0, s.box.height() - shrink)));
        break;
    }
    case ShapeKind::RoundRect:
        path.addRoundedRect(edgeBox(s.box), s.corner.cx / 2.0, s.corner.cy / 2.0);
        break;
    case ShapeKind::Ellipse: path.addEllipse(edgeBox(s.box)); break;
    case ShapeKind::Chord: path = arcPath(s, edgeBox(s.box), false, true); break;
    case ShapeKind::Pie: path = arcPath(s, edgeBox(s.box), true, true); break;
    case ShapeKind::Arc: break;
    }
    return path;
}

QPainterPath shapeOutline(const DeviceShape& s)
{
    const QRectF box = centreBox(s.box);
    QPainterPath path;
    switch (s.kind) {
    case ShapeKind::Polygon: return polygonPath(s.points, 0.5, true);
    case ShapeKind::Rectangle: path.addRect(box); return path;
    case ShapeKind::RoundRect:
        path.addRoundedRect(box, std::max(0.0, s.corner.cx / 2.0 - 0.5), std::max(0.0, s.corner.cy / 2.0 - 0.5));
        return path;
    case ShapeKind::Ellipse: path.addEllipse(box); return path;
    case ShapeKind::Arc: return arcPath(s, box, false, false);
    case ShapeKind::Chord: return arcPath(s, box, false, true);
    case ShapeKind::Pie: return arcPath(s, box, true, true);
    }
    return path;
}

QPainterPath polylinePath(std::span<const Point> points)
{
    return polygonPath(points, 0.5, false);
}

QRect boundsOf(const DeviceShape& s)
{
    // By its corners: a box wider than an int counts still has edges an int holds.
    auto last = [](int end) { return static_cast<int>(std::max<int64_t>(int64_t(end) - 1, INT_MIN)); };
    if (s.kind != ShapeKind::Polygon)
        return QRect(QPoint(s.box.left, s.box.top), QPoint(last(s.box.right), last(s.box.bottom)));
    return pointsReach(s.points, 0);
}

QRect pointsReach(std::span<const Point> points, int margin)
{
    if (points.empty())
        return QRect();
    int l = points[0].x, t = points[0].y, r = l, b = t;
    for (const Point& p : points) {
        l = std::min(l, p.x);
        r = std::max(r, p.x);
        t = std::min(t, p.y);
        b = std::max(b, p.y);
    }
    return QRect(QPoint(l - margin, t - margin), QPoint(r + margin, b + margin));
}


const QVector<qreal>& dashPattern(int style)
{
    // Dash lengths in pixels of one-pixel styled pens.
    static const QVector<qreal> kSolid;
    static const QVector<qreal> kDash{18, 6};
    static const QVector<qreal> kDot{3, 3};
    static const QVector<qreal> kDashDot{9, 6, 3, 6};
    static const QVector<qreal> kDashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case kPsDash: return kDash;
    case kPsDot: return kDot;
    case kPsDashDot: return kDashDot;
    case kPsDashDotDot: return kDashDotDot;
    default: return kSolid;
    }
}

int dashLength(int style)
{
    int n = 0;
    for (qreal v : dashPattern(style))
        n += int(v);
    return n;
}

bool dashOn(int style, int phase)
{
    const QVector<qreal>& pattern = dashPattern(style);
    if (pattern.isEmpty())
        return true;
    int pos = phase % dashLength(style);
    for (int i = 0; i < pattern.size(); ++i) {
        if (pos < int(pattern[i]))
            return i % 2 == 0;
        pos -= int(pattern[i]);
    }
    return true;
}

bool hatchBit(int hatch, int x, int y)
{
    const bool horizontal = y == 3;
    const bool vertical = x == 4;
    const bool forward = x == y;            // "\" from the top left
    const bool backward = x + y == 7;       // "/" from the bottom left
    switch (hatch) {
    case kHsHorizontal: return horizontal;
    case kHsVertical: return vertical;
    case kHsFDiagonal: return forward;
    case kHsBDiagonal: return backward;
    case kHsCross: return horizontal || vertical;
    case kHsDiagCross: return forward || backward;
    default: return true;
    }
}

TextPlacement placeText(Point reference, const QtFont& font, int width, unsigned align,
                        int escapement)
{
    double dx = 0;
    if ((align & kTaHorizontalMask) == kTaCenter)
        dx = -width / 2;
    else if ((align & kTaHorizontalMask) == kTaRight)
        dx = -width;
    double dy = font.metrics.tmAscent;
    if ((align & kTaVerticalMask) == kTaBaseline)
        dy = 0;
    else if ((align & kTaVerticalMask) == kTaBottom)
        dy = -font.metrics.tmDescent;
    TextPlacement p;
    p.toDevice.translate(reference.x, reference.y);
    if (escapement % 3600 != 0)
        p.toDevice.rotate(-escapement / 10.0);   // counter-clockwise on screen
    p.toDevice.translate(dx, dy);
    p.cell = QRectF(0, -font.metrics.tmAscent, width, font.metrics.tmHeight);
    return p;
}

uint32_t applyBlitRop(uint32_t rop, uint32_t src, uint32_t dst)
{
    uint32_t r = dst;
    switch (rop) {
    case kSrcCopy: r = src; break;
    case kSrcPaint: r = src | dst; break;
    case kSrcAnd: r = src & dst; break;
    case kSrcInvert: r = src ^ dst; break;
    case kNotSrcCopy: r = ~src; break;
    case kDstInvert: r = ~dst; break;
    case kBlackness: r = 0; break;
    case kWhiteness: r = 0xFFFFFF; break;
    default: r = src; break;
    }
    return 0xFF000000u | (r & 0x00FFFFFFu);
}

}  // namespace plat::gdi
