#include "platform/gdi/raster_canvas.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace plat::gdi {

namespace {

// Pixels [x, y) of the device the primitive may touch: the clip cut to the image.
std::vector<QRect> clipRects(const PaintState& st, const QRect& limit)
{
    std::vector<QRect> out;
    if (!st.clip) {
        if (!limit.isEmpty())
            out.push_back(limit);
        return out;
    }
    for (const Rect& r : st.clip->rects()) {
        const QRect q = QRect(r.left, r.top, r.width(), r.height()) & limit;
        if (!q.isEmpty())
            out.push_back(q);
    }
    return out;
}

QRect unite(const std::vector<QRect>& rects)
{
    QRect box;
    for (const QRect& r : rects)
        box |= r;
    return box;
}

// One bit of coverage per pixel of `box`.
class Mask {
public:
    explicit Mask(const QRect& box) : box_(box), image_(box.size(), QImage::Format_Alpha8)
    {
        image_.fill(0);
    }
    bool at(int x, int y) const
    {
        return image_.constScanLine(y - box_.top())[x - box_.left()] >= 128;
    }
    void set(int x, int y, bool on = true)
    {
        if (box_.contains(x, y))
            image_.scanLine(y - box_.top())[x - box_.left()] = on ? 255 : 0;
    }
    void fill(const QPainterPath& path)
    {
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.translate(-box_.left(), -box_.top());
        p.fillPath(path, Qt::black);
    }
    // Glyphs through the font rasteriser rather than as filled outlines: a filled outline sets
    // only the pixels whose centres it covers, so at small sizes a stem narrower than a pixel
    // that falls between two centres vanishes ("IN" drawn as "N"); the rasteriser keeps it.
    void text(const QtFont& font, const QString& s, const QTransform& toDevice)
    {
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setTransform(QTransform::fromScale(font.xScale, 1.0) * toDevice
                       * QTransform::fromTranslate(-box_.left(), -box_.top()));
        p.setFont(font.font);
        p.setPen(Qt::black);
        p.drawText(QPointF(0, 0), s);
    }
    void stroke(const QPainterPath& path, const QPen& pen)
    {
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.translate(-box_.left(), -box_.top());
        p.strokePath(path, pen);
    }
    // Pixels of this mask that are set in `other` are cleared.
    void subtract(const Mask& other)
    {
        for (int y = 0; y < image_.height(); ++y) {
            uchar* a = image_.scanLine(y);
            const uchar* b = other.image_.constScanLine(y);
            for (int x = 0; x < image_.width(); ++x)
                if (b[x] >= 128)
                    a[x] = 0;
        }
    }
    // Pixels set here with a 4-neighbour that is not: the one-pixel rim of an area.
    Mask rim() const
    {
        Mask out(box_);
        const int w = image_.width(), h = image_.height();
        for (int y = 0; y < h; ++y) {
            const uchar* row = image_.constScanLine(y);
            const uchar* up = y > 0 ? image_.constScanLine(y - 1) : nullptr;
            const uchar* down = y + 1 < h ? image_.constScanLine(y + 1) : nullptr;
            uchar* o = out.image_.scanLine(y);
            for (int x = 0; x < w; ++x) {
                if (row[x] < 128)
                    continue;
                const bool inner = x > 0 && x + 1 < w && up && down && row[x - 1] >= 128 &&
                                   row[x + 1] >= 128 && up[x] >= 128 && down[x] >= 128;
                if (!inner)
                    o[x] = 255;
            }
        }
        return out;
    }

private:
    QRect box_;
    QImage image_;
};

// The step along the shorter axis after `step` steps along the longer one (rounded to nearest);
// exact for every coordinate an int holds.
int64_t minorStep(int64_t step, int64_t major, int64_t minor)
{
    return static_cast<int64_t>((static_cast<__int128>(2) * step * minor + major) / (2 * major));
}

// Walks the pixels of a one-pixel line from a towards b, leaving b itself out. The steps are
// numbered from 0; plot(step, x, y) is called only for those whose coordinate along the longer
// axis lies within window, so a line far longer than the canvas costs no more than the canvas
// is wide. Returns the number of steps of the whole line.
template <class Plot>
int64_t walkLine(Point a, Point b, const QRect& window, Plot&& plot)
{
    const int64_t dx = int64_t(b.x) - a.x, dy = int64_t(b.y) - a.y;
    const int64_t adx = std::abs(dx), ady = std::abs(dy);
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const int64_t n = std::max(adx, ady);
    const bool alongX = adx >= ady;
    const int64_t start = alongX ? a.x : a.y;
    const int64_t low = alongX ? window.left() : window.top();
    const int64_t high = alongX ? window.right() : window.bottom();
    const bool forward = (alongX ? sx : sy) > 0;
    const int64_t first = std::max<int64_t>(forward ? low - start : start - high, 0);
    const int64_t last = std::min<int64_t>(forward ? high - start : start - low, n - 1);
    for (int64_t i = first; i <= last; ++i) {
        if (alongX)
            plot(i, int(a.x + sx * i), int(a.y + sy * minorStep(i, adx, ady)));
        else
            plot(i, int(a.x + sx * minorStep(i, ady, adx)), int(a.y + sy * i));
    }
    return n;
}

// Where the dash pattern of style stands after position pixels.
int dashPhase(int style, int64_t position)
{
    const int length = dashLength(style);
    return length > 0 ? static_cast<int>(position % length) : 0;
}

QPen cosmeticPen(int style)
{
    QPen pen(Qt::black, 0);
    pen.setCapStyle(Qt::FlatCap);
    if (!dashPattern(style).isEmpty())
        pen.setDashPattern(dashPattern(style));
    return pen;
}

QPainterPath widened(const QPainterPath& path, int width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath wide = stroker.createStroke(path);
    wide.setFillRule(Qt::WindingFill);
    return wide;
}

uint32_t brushPixel(const DeviceBrush& b, const PaintState& st, int x, int y, bool& paint)
{
    paint = true;
    if (!b.hatched)
        return toPixel(b.rgb);
    if (hatchBit(b.hatch, (x - st.brushOrg.x) & 7, (y - st.brushOrg.y) & 7))
        return toPixel(b.rgb);
    paint = st.bkMode == kOpaque;
    return toPixel(st.bkRgb);
}

}  // namespace

void RasterCanvas::polyline(std::span<const Point> points, bool continuePattern, const PaintState& st)
{
    if (points.size() < 2 || !st.pen.visible)
        return;
    const std::vector<QRect> clips = clipRects(st, image_->rect());
    const QRect limit = unite(clips);
    if (st.pen.width > 1) {
        const QPainterPath wide = widened(polylinePath(points), st.pen.width);
        const QRect box = wide.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1) & limit;
        hasLast_ = false;
        if (box.isEmpty())
            return;
        Mask mask(box);
        mask.fill(wide);
        const uint32_t pen = toPixel(st.pen.rgb);
        for (const QRect& c : clips) {
            const QRect r = c & box;
            for (int y = r.top(); y <= r.bottom(); ++y) {
                auto* row = reinterpret_cast<uint32_t*>(image_->scanLine(y));
                for (int x = r.left(); x <= r.right(); ++x)
                    if (mask.at(x, y))
                        row[x] = applyRop2(st.rop2, pen, row[x]);
            }
        }
        return;
    }

    if (!(continuePattern && hasLast_ && points[0] == lastEnd_))
        phase_ = 0;
    const uint32_t pen = toPixel(st.pen.rgb);
    const uint32_t bk = toPixel(st.bkRgb);
    const bool dashed = !dashPattern(st.pen.style).isEmpty();
    int64_t base = phase_;   // the pattern's position at the segment's start
    auto plot = [&](int64_t step, int x, int y) {
        const bool on = !dashed || dashOn(st.pen.style, dashPhase(st.pen.style, base + step));
        if ((!on && st.bkMode != kOpaque) || !limit.contains(x, y))
            return;
        if (clips.size() > 1 && std::none_of(clips.begin(), clips.end(),
                                             [x, y](const QRect& c) { return c.contains(x, y); }))
            return;
        auto* px = reinterpret_cast<uint32_t*>(image_->scanLine(y)) + x;
        *px = applyRop2(st.rop2, on ? pen : bk, *px);
    };
    // A segment beside the drawable area only advances the dash pattern.
    for (size_t i = 0; i + 1 < points.size(); ++i)
        base = dashPhase(st.pen.style, base + walkLine(points[i], points[i + 1], limit, plot));
    phase_ = static_cast<int>(base);
    lastEnd_ = points.back();
    hasLast_ = true;
}

void RasterCanvas::shape(const DeviceShape& s, const PaintState& st)
{
    hasLast_ = false;
    const bool hasArea = s.kind != ShapeKind::Arc && st.brush.visible;
    if (!st.pen.visible && !hasArea)
        return;
    const std::vector<QRect> clips = clipRects(st, image_->rect());
    const int margin = st.pen.width / 2 + 2;
    const QRect box = boundsOf(s).adjusted(-margin, -margin, margin + 1, margin + 1) &
                      unite(clips).adjusted(-2, -2, 2, 2);
    if (box.isEmpty())
        return;

    Mask penMask(box), gapMask(box), area(box);
    const bool curved = s.kind != ShapeKind::Polygon && s.kind != ShapeKind::Rectangle;
    if (s.kind != ShapeKind::Arc)
        area.fill(shapeArea(s, st.pen.visible));
    if (st.pen.visible) {
        if (st.pen.width > 1) {
            penMask.fill(widened(shapeOutline(s), st.pen.width));
        } else if (!curved) {
            std::vector<Point> loop = s.points;
            if (s.kind == ShapeKind::Rectangle) {
                const Rect& b = s.box;
                loop = {{b.left, b.top}, {b.right - 1, b.top}, {b.right - 1, b.bottom - 1}, {b.left, b.bottom - 1}};
            }
            loop.push_back(loop.front());
            int64_t phase = 0;
            auto plot = [&](int64_t step, int x, int y) {
                const bool on = dashOn(st.pen.style, dashPhase(st.pen.style, phase + step));
                (on ? penMask : gapMask).set(x, y);
            };
            for (size_t i = 0; i + 1 < loop.size(); ++i)
                phase = dashPhase(st.pen.style, phase + walkLine(loop[i], loop[i + 1], box, plot));
        } else if (s.kind != ShapeKind::Arc && dashPattern(st.pen.style).isEmpty()) {
            penMask = area.rim();
        } else {
            const QPainterPath outline = shapeOutline(s);
            penMask.stroke(outline, cosmeticPen(st.pen.style));
            if (!dashPattern(st.pen.style).isEmpty()) {
                gapMask.stroke(outline, cosmeticPen(kPsSolid));
                gapMask.subtract(penMask);
            }
        }
        area.subtract(penMask);
        area.subtract(gapMask);
    }

    const uint32_t pen = toPixel(st.pen.rgb);
    const uint32_t bk = toPixel(st.bkRgb);
    for (const QRect& c : clips) {
        const QRect r = c & box;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            auto* row = reinterpret_cast<uint32_t*>(image_->scanLine(y));
            for (int x = r.left(); x <= r.right(); ++x) {
                if (penMask.at(x, y)) {
                    row[x] = applyRop2(st.rop2, pen, row[x]);
                } else if (gapMask.at(x, y)) {
                    if (st.bkMode == kOpaque)
                        row[x] = applyRop2(st.rop2, bk, row[x]);
                } else if (hasArea && area.at(x, y)) {
                    bool paint = true;
                    const uint32_t colour = brushPixel(st.brush, st, x, y, paint);
                    if (paint)
                        row[x] = applyRop2(st.rop2, colour, row[x]);
                }
            }
        }
    }
}

void RasterCanvas::text(Point reference, std::string_view text, const QtFont& font,
                        int escapement, unsigned options, const Rect* rect, const PaintState& st)
{
    hasLast_ = false;
    const QString s = decodeText(text);
    const TextPlacement place = placeText(reference, font, textWidth(font, s), st.textAlign, escapement);
    const QPainterPath glyphs = place.toDevice.map(textOutline(font, s));
    QPainterPath cell;
    cell.addRect(place.cell);
    cell = place.toDevice.map(cell);

    QRect limit = image_->rect();
    if (rect && (options & kEtoClipped))
        limit &= QRect(rect->left, rect->top, rect->width(), rect->height());
    const std::vector<QRect> clips = clipRects(st, limit);
    if (rect && (options & kEtoOpaque)) {
        const uint32_t bk = toPixel(st.bkRgb);
        for (const QRect& c : clips) {
            const QRect r = c & QRect(rect->left, rect->top, rect->width(), rect->height());
            for (int y = r.top(); y <= r.bottom(); ++y) {
                auto* row = reinterpret_cast<uint32_t*>(image_->scanLine(y));
                std::fill(row + r.left(), row + r.right() + 1, bk);
            }
        }
    }
    const QRect box = (cell.boundingRect() | glyphs.boundingRect()).toAlignedRect().adjusted(-1, -1, 1, 1) &
                      unite(clips);
    if (box.isEmpty())
        return;
    Mask ink(box), back(box);
    ink.text(font, s, place.toDevice);
    if (st.bkMode == kOpaque)
        back.fill(cell);
    const uint32_t fg = toPixel(st.textRgb);
    const uint32_t bk = toPixel(st.bkRgb);
    for (const QRect& c : clips) {
        const QRect r = c & box;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            auto* row = reinterpret_cast<uint32_t*>(image_->scanLine(y));
            for (int x = r.left(); x <= r.right(); ++x) {
                if (ink.at(x, y))
                    row[x] = fg;
                else if (back.at(x, y))
                    row[x] = bk;
            }
        }
    }
}

void RasterCanvas::fillRect(const Rect& rect, const DeviceBrush& brush, const PaintState& st)
{
    hasLast_ = false;
    if (!brush.visible)
        return;
    for (const QRect& c : clipRects(st, QRect(rect.left, rect.top, rect.width(), rect.height()) & image_->rect())) {
        for (int y = c.top(); y <= c.bottom(); ++y) {
            auto* row = reinterpret_cast<uint32_t*>(image_->scanLine(y));
            for (int x = c.left(); x <= c.right(); ++x) {
                bool paint = true;
                const uint32_t colour = brushPixel(brush, st, x, y, paint);
                if (paint)
                    row[x] = colour;
            }
        }
    }
}

bool RasterCanvas::setPixel(Point p, ColorRef rgbColor)
{
    if (!image_->rect().contains(p.x, p.y))
        return false;
    reinterpret_cast<uint32_t*>(image_->scanLine(p.y))[p.x] = toPixel(rgbColor);
    return true;
}

ColorRef RasterCanvas::getPixel(Point p) const
{
    if (!image_->rect().contains(p.x, p.y))
        return kClrInvalid;
    return fromPixel(reinterpret_cast<const uint32_t*>(image_->constScanLine(p.y))[p.x]);
}

PixelView RasterCanvas::pixels() const
{
    return PixelView{reinterpret_cast<const uint32_t*>(image_->constBits()), image_->width(),
                     image_->height(), int(image_->bytesPerLine() / 4)};
}

void RasterCanvas::blit(const Rect& target, const PixelView& source, const Rect& from,
                        uint32_t rop, const PaintState& st)
{
    hasLast_ = false;
    // The source is read completely before anything is written, so a context may blit onto
    // itself.
    std::vector<uint32_t> src;
    if (source.bits && !from.isEmpty()) {
        src.resize(size_t(from.width()) * size_t(from.height()), 0u);   // alpha 0: no pixel
        for (int y = 0; y < from.height(); ++y)
            for (int x = 0; x < from.width(); ++x) {
                const int sx = from.left + x, sy = from.top + y;
                if (sx >= 0 && sy >= 0 && sx < source.width && sy < source.height)
                    src[size_t(y) * size_t(from.width()) + size_t(x)] = source.bits[size_t(sy) * size_t(source.stride) + size_t(sx)];
            }
    }
    const QRect t(target.left, target.top, target.width(), target.height());
    for (const QRect& c : clipRects(st, t & image_->rect())) {
        for (int y = c.top(); y <= c.bottom(); ++y) {
            auto* row = reinterpret_cast<uint32_t*>(image_->scanLine(y));
            const int64_t sy = src.empty() ? 0 : (int64_t(y - target.top) * from.height()) / target.height();
            for (int x = c.left(); x <= c.right(); ++x) {
                uint32_t s = 0;
                if (!src.empty()) {
                    const int64_t sx = (int64_t(x - target.left) * from.width()) / target.width();
                    s = src[size_t(sy) * size_t(from.width()) + size_t(sx)];
                    if ((s >> 24) == 0)
                        continue;   // outside the source device
                }
                row[x] = applyBlitRop(rop, s, row[x]);
            }
        }
    }
}

}  // namespace plat::gdi
