#include "platform/gdi/raster_canvas.h"

#include "platform/gdi/shape_coverage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <vector>

namespace plat::gdi {

namespace {

QRect unite(const std::vector<QRect>& rects)
{
    QRect box;
    for (const QRect& r : rects)
        box |= r;
    return box;
}

// Sets the pixels [first, last) to one value. Painting fills millions of pixels a frame; storing
// blocks of eight through memcpy takes a vector store per block, where a plain loop is left
// to one 32-bit store per pixel at this build's optimisation level.
void fillPixels(uint32_t* first, uint32_t* last, uint32_t value)
{
    if (last - first >= 8) {
        uint32_t block[8];
        std::fill(std::begin(block), std::end(block), value);
        for (; last - first >= 8; first += 8)
            std::memcpy(first, block, sizeof block);
    }
    std::fill(first, last, value);
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

// Pixels [x, y) of the device the primitive may touch: the clip cut to `limit`. Kept in a
// buffer of the canvas, made again only when the clip or the limit changes.
const std::vector<QRect>& RasterCanvas::clipRects(const PaintState& st, const QRect& limit)
{
    if (clipsValid_ && st.clip == clipsOf_ && limit == clipsLimit_)
        return clips_;
    clips_.clear();
    if (!st.clip) {
        if (!limit.isEmpty())
            clips_.push_back(limit);
    } else {
        for (const Rect& r : st.clip->rects()) {
            const QRect q = QRect(r.left, r.top, r.width(), r.height()) & limit;
            if (!q.isEmpty())
                clips_.push_back(q);
        }
    }
    clipsUnion_ = unite(clips_);
    clipsOf_ = st.clip;
    clipsLimit_ = limit;
    clipsValid_ = true;
    return clips_;
}

uint32_t* RasterCanvas::row(int y) const
{
    return reinterpret_cast<uint32_t*>(bits_ + size_t(y) * size_t(bytesPerLine_));
}

void RasterCanvas::beginPrimitive()
{
    // Taken once per primitive: a QImage's own row accessor checks for sharing on every call.
    bits_ = image_->bits();
    bytesPerLine_ = int(image_->bytesPerLine());
}

void RasterCanvas::polyline(std::span<const Point> points, bool continuePattern, const PaintState& st)
{
    if (points.size() < 2 || !st.pen.visible)
        return;
    beginPrimitive();
    const std::vector<QRect>& clips = clipRects(st, image_->rect());
    const QRect limit = clipsUnion_;
    if (st.pen.width > 1) {
        hasLast_ = false;
        if (!(pointsReach(points, st.pen.width / 2 + 2) & limit).isValid())
            return;
        const CachedCoverage cached = cachedWidePolylineCoverage(points, st.pen.width);
        if (cached.coverage) {
            compose(*cached.coverage, cached.origin, clips, st, false);
        } else {
            const ShapeCoverage wide = widePolylineCoverage(points, st.pen.width, limit);
            compose(wide, QPoint(0, 0), clips, st, false);
        }
        return;
    }

    if (!(continuePattern && hasLast_ && points[0] == lastEnd_))
        phase_ = 0;
    const uint32_t pen = toPixel(st.pen.rgb);
    const uint32_t bk = toPixel(st.bkRgb);
    const DashBits dashes(st.pen.style);
    int64_t base = phase_;   // the pattern's position at the segment's start
    auto plot = [&](int64_t step, int x, int y) {
        const bool on = dashes.on(base + step);
        if ((!on && st.bkMode != kOpaque) || !inside(limit, x, y))
            return;
        if (clips.size() > 1 && std::none_of(clips.begin(), clips.end(),
                                             [x, y](const QRect& c) { return inside(c, x, y); }))
            return;
        uint32_t* px = row(y) + x;
        *px = applyRop2(st.rop2, on ? pen : bk, *px);
    };
    // A segment beside the drawable area only advances the dash pattern.
    for (size_t i = 0; i + 1 < points.size(); ++i)
        base = dashes.phase(base + walkLine(points[i], points[i + 1], limit, plot));
    phase_ = static_cast<int>(base);
    lastEnd_ = points.back();
    hasLast_ = true;
}

// Each covered pixel combined once through the raster mode: pen pixels in the pen colour, pen
// gaps in the background colour when opaque, the area in the brush.
void RasterCanvas::compose(const ShapeCoverage& c, QPoint origin, const std::vector<QRect>& clips,
                           const PaintState& st, bool hasArea)
{
    const QRect box = c.box.translated(origin);
    const uint32_t pen = toPixel(st.pen.rgb);
    const uint32_t bk = toPixel(st.bkRgb);
    const uint32_t solid = toPixel(st.brush.rgb);
    const bool gaps = st.bkMode == kOpaque;
    const int dx = c.box.left() + origin.x();
    for (const QRect& clip : clips) {
        const QRect r = meet(clip, box);
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const size_t row0 = size_t(y - box.top());
            uint32_t* line = row(y);
            for (uint32_t i = c.rowStart[row0]; i < c.rowStart[row0 + 1]; ++i) {
                const CoverageRun& run = c.runs[i];
                if ((run.kind == RunKind::Gap && !gaps) || (run.kind == RunKind::Area && !hasArea))
                    continue;
                const int x0 = std::max(run.x0 + dx, r.left()), x1 = std::min(run.x1 + dx, r.right());
                if (x0 > x1)
                    continue;
                if (run.kind != RunKind::Area || !st.brush.hatched) {
                    const uint32_t colour = run.kind == RunKind::Pen ? pen : run.kind == RunKind::Gap ? bk : solid;
                    if (st.rop2 == kR2CopyPen)
                        fillPixels(line + x0, line + x1 + 1, colour);
                    else
                        for (int x = x0; x <= x1; ++x)
                            line[x] = applyRop2(st.rop2, colour, line[x]);
                    continue;
                }
                for (int x = x0; x <= x1; ++x) {
                    bool paint = true;
                    const uint32_t colour = brushPixel(st.brush, st, x, y, paint);
                    if (paint)
                        line[x] = applyRop2(st.rop2, colour, line[x]);
                }
            }
        }
    }
}

// The brush over `inside`, each pixel once, through the raster mode.
void RasterCanvas::fillArea(const QRect& inside, const std::vector<QRect>& clips, const PaintState& st)
{
    if (!st.brush.hatched) {
        paintSolid(inside, toPixel(st.brush.rgb), clips, st.rop2);
        return;
    }
    for (const QRect& clip : clips) {
        const QRect r = meet(clip, inside);
        for (int y = r.top(); y <= r.bottom(); ++y) {
            uint32_t* line = row(y);
            for (int x = r.left(); x <= r.right(); ++x) {
                bool paint = true;
                const uint32_t colour = brushPixel(st.brush, st, x, y, paint);
                if (paint)
                    line[x] = applyRop2(st.rop2, colour, line[x]);
            }
        }
    }
}

void RasterCanvas::paintSolid(const QRect& area, uint32_t colour, const std::vector<QRect>& clips, int rop2)
{
    for (const QRect& clip : clips) {
        const QRect r = meet(clip, area);
        for (int y = r.top(); y <= r.bottom(); ++y) {
            uint32_t* line = row(y);
            if (rop2 == kR2CopyPen) {
                fillPixels(line + r.left(), line + r.right() + 1, colour);
                continue;
            }
            for (int x = r.left(); x <= r.right(); ++x)
                line[x] = applyRop2(rop2, colour, line[x]);
        }
    }
}

// A rectangle with no pen or a one-pixel pen, painted without masks: the outline's pixels each
// set once, the inside filled row by row. Its outline then never meets itself, which needs at
// least two pixels each way when there is a pen.
bool RasterCanvas::rectangle(const DeviceShape& s, const std::vector<QRect>& clips, const PaintState& st)
{
    const Rect& b = s.box;
    if (st.pen.width > 1 || (st.pen.visible && (b.width() < 2 || b.height() < 2)))
        return false;
    const QRect whole(QPoint(b.left, b.top), QPoint(b.right - 1, b.bottom - 1));
    const uint32_t pen = toPixel(st.pen.rgb);
    const DashBits dashes(st.pen.style);
    // A solid outline in the brush's own plain colour: every pixel of the box gets that colour
    // once, whatever the raster mode, so one fill does it.
    if (st.pen.visible && dashes.solid() && st.brush.visible && !st.brush.hatched && toPixel(st.brush.rgb) == pen) {
        paintSolid(whole, pen, clips, st.rop2);
        return true;
    }
    const int inset = st.pen.visible ? 1 : 0;
    const QRect interior(QPoint(b.left + inset, b.top + inset), QPoint(b.right - 2, b.bottom - 2));
    if (st.brush.visible && !interior.isEmpty())
        fillArea(interior, clips, st);
    if (!st.pen.visible)
        return true;
    if (dashes.solid()) {
        // The top and bottom rows whole, the side columns between them.
        const QRect edges[4] = {
            QRect(whole.topLeft(), QPoint(whole.right(), whole.top())),
            QRect(QPoint(whole.left(), whole.bottom()), whole.bottomRight()),
            QRect(QPoint(whole.left(), whole.top() + 1), QPoint(whole.left(), whole.bottom() - 1)),
            QRect(QPoint(whole.right(), whole.top() + 1), QPoint(whole.right(), whole.bottom() - 1)),
        };
        for (const QRect& edge : edges)
            paintSolid(edge, pen, clips, st.rop2);
        return true;
    }
    const uint32_t bk = toPixel(st.bkRgb);
    const std::vector<Point> loop = outlineLoop(s);
    const QRect window = clipsUnion_;
    int64_t phase = 0;
    auto plot = [&](int64_t step, int x, int y) {
        const bool on = dashes.on(phase + step);
        if (!on && st.bkMode != kOpaque)
            return;
        for (const QRect& clip : clips)
            if (inside(clip, x, y)) {
                uint32_t* px = row(y) + x;
                *px = applyRop2(st.rop2, on ? pen : bk, *px);
            }
    };
    for (size_t i = 0; i + 1 < loop.size(); ++i)
        phase = dashes.phase(phase + walkLine(loop[i], loop[i + 1], window, plot));
    return true;
}

// A rectangle too large to keep, with a wide pen: its pen lies in four bands along its sides, so
// only those are rasterised (cut to the window), and what lies between them is the brush's alone.
// A frame around the whole sheet then costs its visible sides, not a window-sized mask.
bool RasterCanvas::wideRectangle(const DeviceShape& s, const QRect& limit, const std::vector<QRect>& clips,
                                 const PaintState& st, bool hasArea)
{
    const int m = penMargin(st.pen);
    const QRect whole = boundsOf(s).adjusted(-m, -m, m, m);
    const int top = s.box.top + m, bottom = s.box.bottom - 1 - m;       // the rows between the bands
    const int left = s.box.left + m, right = s.box.right - 1 - m;
    if (int64_t{bottom} - top < 2 || int64_t{right} - left < 2)
        return false;
    const QRect bands[4] = {
        QRect(QPoint(whole.left(), whole.top()), QPoint(whole.right(), top)),
        QRect(QPoint(whole.left(), bottom), QPoint(whole.right(), whole.bottom())),
        QRect(QPoint(whole.left(), top + 1), QPoint(left, bottom - 1)),
        QRect(QPoint(right, top + 1), QPoint(whole.right(), bottom - 1)),
    };
    for (const QRect& band : bands) {
        const QRect box = band & limit;
        if (!box.isEmpty())
            compose(shapeCoverage(s, st.pen, box, hasArea), QPoint(0, 0), clips, st, hasArea);
    }
    if (hasArea)
        fillArea(QRect(QPoint(left + 1, top + 1), QPoint(right - 1, bottom - 1)), clips, st);
    return true;
}

void RasterCanvas::shape(const DeviceShape& s, const PaintState& st)
{
    hasLast_ = false;
    const bool hasArea = s.kind != ShapeKind::Arc && st.brush.visible;
    if (!st.pen.visible && !hasArea)
        return;
    beginPrimitive();
    const std::vector<QRect>& clips = clipRects(st, image_->rect());
    const int margin = penMargin(st.pen);
    const QRect box = boundsOf(s).adjusted(-margin, -margin, margin + 1, margin + 1) &
                      clipsUnion_.adjusted(-2, -2, 2, 2);
    if (box.isEmpty())
        return;
    if (s.kind == ShapeKind::Rectangle && rectangle(s, clips, st))
        return;
    const CachedCoverage cached = cachedShapeCoverage(s, st.pen, hasArea);
    if (cached.coverage) {
        compose(*cached.coverage, cached.origin, clips, st, hasArea);
        return;
    }
    if (s.kind == ShapeKind::Rectangle && st.pen.visible && st.pen.width > 1 && wideRectangle(s, box, clips, st, hasArea))
        return;
    compose(shapeCoverage(s, st.pen, box, hasArea), QPoint(0, 0), clips, st, hasArea);
}

void RasterCanvas::text(Point reference, std::string_view text, const QtFont& font,
                        int escapement, unsigned options, const Rect* rect, const PaintState& st)
{
    hasLast_ = false;
    beginPrimitive();
    const QString s = decodeText(text);
    const TextLayout layout = layoutOf(font, s);
    const TextPlacement place = placeText(reference, font, layout.width, st.textAlign, escapement);

    QRect limit = image_->rect();
    if (rect && (options & kEtoClipped))
        limit &= QRect(rect->left, rect->top, rect->width(), rect->height());
    const std::vector<QRect>& clips = clipRects(st, limit);
    if (rect && (options & kEtoOpaque)) {
        const uint32_t bk = toPixel(st.bkRgb);
        for (const QRect& c : clips) {
            const QRect r = c & QRect(rect->left, rect->top, rect->width(), rect->height());
            for (int y = r.top(); y <= r.bottom(); ++y)
                fillPixels(row(y) + r.left(), row(y) + r.right() + 1, bk);
        }
    }
    // The glyphs' ink box from the font's metrics, widened by a pixel or two for the rasteriser,
    // so that a text wholly outside the clip is never laid out or drawn.
    const QRectF glyphs = layout.ink;
    const QRectF inkBox(glyphs.left() * font.xScale - 2, glyphs.top() - 2, glyphs.width() * font.xScale + 4,
                        glyphs.height() + 4);
    const QRect whole = place.toDevice.mapRect(place.cell | inkBox).toAlignedRect().adjusted(-1, -1, 1, 1);
    const QRect box = whole & clipsUnion_;
    if (box.isEmpty())
        return;
    // Ink in the text colour and, when opaque, the cell in the background colour, both copied
    // whatever the raster mode.
    PaintState copy = st;
    copy.rop2 = kR2CopyPen;
    copy.pen.rgb = st.textRgb;
    copy.brush = DeviceBrush{true, false, 0, st.bkRgb};
    const bool opaque = st.bkMode == kOpaque;
    const TextCoverageRequest request{font, s, place, reference, st.textAlign, escapement, opaque};
    const CachedCoverage cached = cachedTextCoverage(request, whole);
    if (cached.coverage)
        compose(*cached.coverage, cached.origin, clips, copy, opaque);
    else
        compose(textCoverage(request, box), QPoint(0, 0), clips, copy, opaque);
}

void RasterCanvas::fillRect(const Rect& rect, const DeviceBrush& brush, const PaintState& st)
{
    hasLast_ = false;
    if (!brush.visible)
        return;
    beginPrimitive();
    for (const QRect& c : clipRects(st, QRect(rect.left, rect.top, rect.width(), rect.height()) & image_->rect())) {
        if (!brush.hatched) {
            // A solid brush paints every pixel alike: whole rows at once (erasing a window's
            // background is the most common fill there is).
            const uint32_t colour = toPixel(brush.rgb);
            for (int y = c.top(); y <= c.bottom(); ++y)
                std::fill(row(y) + c.left(), row(y) + c.right() + 1, colour);
            continue;
        }
        for (int y = c.top(); y <= c.bottom(); ++y) {
            uint32_t* line = row(y);
            for (int x = c.left(); x <= c.right(); ++x) {
                bool paint = true;
                const uint32_t colour = brushPixel(brush, st, x, y, paint);
                if (paint)
                    line[x] = colour;
            }
        }
    }
}

bool RasterCanvas::setPixel(Point p, ColorRef rgbColor)
{
    if (!image_->rect().contains(p.x, p.y))
        return false;
    beginPrimitive();
    row(p.y)[p.x] = toPixel(rgbColor);
    return true;
}

void RasterCanvas::setPixelGrid(std::span<const int> xs, std::span<const int> ys, ColorRef rgbColor,
                                const Region* clip)
{
    if (xs.empty() || ys.empty())
        return;
    beginPrimitive();
    const uint32_t pixel = toPixel(rgbColor);
    PaintState st;
    st.clip = clip;
    const std::vector<QRect>& clips = clipRects(st, image_->rect());
    for (const int y : ys) {
        // Clip bands hold their rows whole; a pixel lies in at most one of them.
        for (const QRect& band : clips) {
            if (y < band.top() || y > band.bottom())
                continue;
            uint32_t* const line = row(y);
            for (const int x : xs)
                if (x >= band.left() && x <= band.right())
                    line[x] = pixel;
        }
    }
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
    beginPrimitive();
    const QRect t(target.left, target.top, target.width(), target.height());
    for (const QRect& c : clipRects(st, t & image_->rect())) {
        for (int y = c.top(); y <= c.bottom(); ++y) {
            uint32_t* line = row(y);
            const int64_t sy = src.empty() ? 0 : (int64_t(y - target.top) * from.height()) / target.height();
            for (int x = c.left(); x <= c.right(); ++x) {
                uint32_t s = 0;
                if (!src.empty()) {
                    const int64_t sx = (int64_t(x - target.left) * from.width()) / target.width();
                    s = src[size_t(sy) * size_t(from.width()) + size_t(sx)];
                    if ((s >> 24) == 0)
                        continue;   // outside the source device
                }
                line[x] = applyBlitRop(rop, s, line[x]);
            }
        }
    }
}

}  // namespace plat::gdi
