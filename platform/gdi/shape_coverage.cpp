#include "platform/gdi/shape_coverage.h"

#include "platform/gdi/coverage_cache.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

namespace plat::gdi {

namespace {

// Shapes larger than a window (borders, frames, backgrounds) are kept too; beyond this they
// are rasterised each time, cut to the clip.
constexpr int64_t kMaxCachedPixels = int64_t{2560} * 1600;

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

CoverageCache& cache()
{
    static CoverageCache c(kDefaultCoverageCacheBytes);
    return c;
}

ShapeCoverage blankCoverage(const QRect& box)
{
    ShapeCoverage c;
    c.pen = c.gap = c.area = Mask(box);
    return c;
}

bool small(const QRect& r) { return int64_t{r.width()} * r.height() <= kMaxCachedPixels; }

}  // namespace

void Mask::allocate()
{
    if (bits_.empty())
        bits_.assign(size_t(stride_) * size_t(std::max(0, box_.height())), 0);
}

void Mask::set(int x, int y, bool on)
{
    if (!box_.contains(x, y))
        return;
    allocate();
    bits_[size_t(y - box_.top()) * size_t(stride_) + size_t(x - box_.left())] = on ? 255 : 0;
}

// Qt hands a fill of more than about a hundred spans to its thread pool; on a mask, waking the
// threads costs far more than the fill, so a tall mask is filled in bands of rows, each a view
// of the same bytes. A band's pixels are those of the whole mask: the area rasteriser only cuts
// its spans to the device.
template <class Paint>
void Mask::paint(Paint&& draw)
{
    constexpr int kBandRows = 32;
    if (box_.isEmpty())
        return;
    allocate();
    for (int top = 0; top < box_.height(); top += kBandRows) {
        const int rows = std::min(kBandRows, box_.height() - top);
        QImage band(bits_.data() + size_t(top) * size_t(stride_), box_.width(), rows, stride_, QImage::Format_Alpha8);
        QPainter p(&band);
        p.setRenderHint(QPainter::Antialiasing, false);
        draw(p, QTransform::fromTranslate(-box_.left(), -(box_.top() + top)));
    }
}

void Mask::fill(const QPainterPath& path)
{
    paint([&](QPainter& p, const QTransform& toMask) {
        p.setTransform(toMask);
        p.fillPath(path, Qt::black);
    });
}

// Glyphs through the font rasteriser rather than as filled outlines: a filled outline sets only
// the pixels whose centres it covers, so at small sizes a stem narrower than a pixel that falls
// between two centres vanishes ("IN" drawn as "N"); the rasteriser keeps it.
void Mask::text(const QtFont& font, const QString& s, const QTransform& toDevice)
{
    paint([&](QPainter& p, const QTransform& toMask) {
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setTransform(QTransform::fromScale(font.xScale, 1.0) * toDevice * toMask);
        p.setFont(font.font);
        p.setPen(Qt::black);
        p.drawText(QPointF(0, 0), s);
    });
}

// Not in bands: the one-pixel stroker cuts lines at the device's edges, and a cut line may step
// differently from the whole one.
void Mask::stroke(const QPainterPath& path, const QPen& pen)
{
    if (box_.isEmpty())
        return;
    allocate();
    QImage target(bits_.data(), box_.width(), box_.height(), stride_, QImage::Format_Alpha8);
    QPainter p(&target);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(-box_.left(), -box_.top());
    p.strokePath(path, pen);
}

void Mask::subtract(const Mask& other)
{
    if (bits_.empty() || other.bits_.empty())
        return;
    for (size_t i = 0; i < bits_.size(); ++i)
        if (other.bits_[i] >= 128)
            bits_[i] = 0;
}

Mask Mask::rim() const
{
    Mask out(box_);
    if (bits_.empty())
        return out;
    const int w = box_.width(), h = box_.height();
    auto on = [this](int x, int y) { return bits_[size_t(y) * size_t(stride_) + size_t(x)] >= 128; };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!on(x, y))
                continue;
            const bool inner = x > 0 && x + 1 < w && y > 0 && y + 1 < h && on(x - 1, y) && on(x + 1, y) &&
                               on(x, y - 1) && on(x, y + 1);
            if (!inner)
                out.set(box_.left() + x, box_.top() + y);
        }
    }
    return out;
}

void ShapeCoverage::finish()
{
    // A pixel is pen, gap or area, in that order: the masks are made disjoint first, and then
    // each one's runs are independent of the others'.
    gap.subtract(pen);
    box = pen.box();
    runs.clear();
    rowStart.assign(size_t(std::max(0, box.height())) + 1, 0);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        rowStart[size_t(y - box.top())] = uint32_t(runs.size());
        appendRuns(pen, y, RunKind::Pen);
        appendRuns(gap, y, RunKind::Gap);
        appendRuns(area, y, RunKind::Area);
    }
    rowStart[rowStart.size() - 1] = uint32_t(runs.size());
    pen = gap = area = Mask();
}

void ShapeCoverage::appendRuns(const Mask& mask, int y, RunKind kind)
{
    const uint8_t* bytes = mask.row(y);
    if (!bytes)
        return;
    const int w = box.width();
    auto eight = [bytes](int x) {
        uint64_t v = 0;
        std::memcpy(&v, bytes + x, sizeof v);
        return v;
    };
    int x = 0;
    while (x < w) {
        // Masks hold 0 or 255: eight pixels at a time across empty and full stretches.
        if (x + 8 <= w && eight(x) == 0) {
            x += 8;
            continue;
        }
        if (bytes[x] < 128) {
            ++x;
            continue;
        }
        int end = x;
        while (end + 9 <= w && eight(end + 1) == ~uint64_t{0})
            end += 8;
        while (end + 1 < w && bytes[end + 1] >= 128)
            ++end;
        runs.push_back({x, end, kind});
        x = end + 1;
    }
}

std::vector<Point> outlineLoop(const DeviceShape& s)
{
    std::vector<Point> loop = s.points;
    if (s.kind == ShapeKind::Rectangle) {
        const Rect& b = s.box;
        loop = {{b.left, b.top}, {b.right - 1, b.top}, {b.right - 1, b.bottom - 1}, {b.left, b.bottom - 1}};
    }
    if (!loop.empty())
        loop.push_back(loop.front());
    return loop;
}

ShapeCoverage shapeCoverage(const DeviceShape& s, const DevicePen& pen, const QRect& box, bool filled)
{
    ShapeCoverage c = blankCoverage(box);
    const bool curved = s.kind != ShapeKind::Polygon && s.kind != ShapeKind::Rectangle;
    const bool rimPen = pen.visible && pen.width <= 1 && curved && s.kind != ShapeKind::Arc &&
                        dashPattern(pen.style).isEmpty();
    // A hollow shape needs its area only where the pen is the area's rim.
    if (s.kind != ShapeKind::Arc && (filled || rimPen))
        c.area.fill(shapeArea(s, pen.visible));
    if (!pen.visible) {
        c.finish();
        return c;
    }
    if (pen.width > 1) {
        c.pen.fill(widened(shapeOutline(s), pen.width));
    } else if (!curved) {
        const std::vector<Point> loop = outlineLoop(s);
        int64_t phase = 0;
        auto plot = [&](int64_t step, int x, int y) {
            const bool on = dashOn(pen.style, dashPhase(pen.style, phase + step));
            (on ? c.pen : c.gap).set(x, y);
        };
        for (size_t i = 0; i + 1 < loop.size(); ++i)
            phase = dashPhase(pen.style, phase + walkLine(loop[i], loop[i + 1], box, plot));
    } else if (rimPen) {
        c.pen = c.area.rim();
    } else {
        const QPainterPath outline = shapeOutline(s);
        c.pen.stroke(outline, cosmeticPen(pen.style));
        if (!dashPattern(pen.style).isEmpty()) {
            c.gap.stroke(outline, cosmeticPen(kPsSolid));
            c.gap.subtract(c.pen);
        }
    }
    c.area.subtract(c.pen);
    c.area.subtract(c.gap);
    c.finish();
    return c;
}

ShapeCoverage widePolylineCoverage(std::span<const Point> points, int width, const QRect& limit)
{
    const QPainterPath wide = widened(polylinePath(points), width);
    const QRect box = wide.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1) & limit;
    ShapeCoverage c = blankCoverage(box);
    c.pen.fill(wide);
    c.finish();
    return c;
}

namespace {

// The binade (the range between two powers of two, one sign) that every value of [lo, hi] lies
// in, or kStraddles.
constexpr int kStraddles = INT_MIN;
int binadeOf(int lo, int hi)
{
    const auto width = [](int64_t v) { return int(std::bit_width(static_cast<uint64_t>(v))); };
    if (lo > 0 && width(lo) == width(hi))
        return width(lo);
    if (hi < 0 && width(-int64_t{hi}) == width(-int64_t{lo}))
        return -width(-int64_t{hi});
    return kStraddles;
}

// Where a coverage is kept from, for a shape whose construction reaches over `reach`. Qt builds
// paths in doubles at the shape's device position, and a double's spacing differs from one
// binade to the next, so the same shape placed elsewhere can round a pixel differently. Moved
// by whole pixels within the binades it lies in, every sum and difference the construction does
// rounds alike, shifted: the coverage is kept relative to the returned origin under a key that
// names those binades. A shape that straddles a power of two (or zero) keeps its absolute place,
// on both axes where Qt's stroker widens it (the stroker mixes the axes' absolute coordinates),
// and otherwise only on the axis it straddles: a one-pixel shape's path is built axis by axis,
// so a ruler's label at the window's edge is still shared as the view pans along the ruler.
QPoint keyedOrigin(std::vector<int>& key, const QRect& reach, bool axesApart)
{
    const int bx = binadeOf(reach.left() - 2, reach.right() + 2);
    const int by = binadeOf(reach.top() - 2, reach.bottom() + 2);
    key.insert(key.end(), {bx, by});
    if (!axesApart && (bx == kStraddles || by == kStraddles))
        return QPoint(0, 0);
    return QPoint(bx == kStraddles ? 0 : reach.left(), by == kStraddles ? 0 : reach.top());
}

// The coverage under the key the caller filled (origin included), made at the shape's own place
// by `make` and kept relative to origin.
template <class Make>
CachedCoverage keep(const std::vector<int>& key, QPoint origin, Make&& make)
{
    if (const ShapeCoverage* found = cache().find(key))
        return {found, origin};
    ShapeCoverage made = make();
    made.box.translate(-origin);
    return {&cache().insert(key, std::move(made)), origin};
}

}  // namespace

size_t coverageCacheBytes() { return cache().bytes(); }
void setCoverageCacheBudget(size_t bytes) { cache().setBudget(bytes); }

CachedCoverage cachedShapeCoverage(const DeviceShape& s, const DevicePen& pen, bool filled)
{
    const int m = penMargin(pen);
    const QRect box = boundsOf(s).adjusted(-m, -m, m + 1, m + 1);
    if (box.isEmpty() || !small(box))
        return {};
    std::vector<int>& key = cache().key();
    const QPoint o = keyedOrigin(key, box, !pen.visible || pen.width <= 1);
    // Only the arcs' kinds read their radial points.
    const bool radial = s.kind == ShapeKind::Arc || s.kind == ShapeKind::Chord || s.kind == ShapeKind::Pie;
    const Point start = radial ? Point{s.start.x - o.x(), s.start.y - o.y()} : Point{};
    const Point end = radial ? Point{s.end.x - o.x(), s.end.y - o.y()} : Point{};
    key.insert(key.end(), {int(s.kind), s.kind == ShapeKind::Polygon ? s.fillMode : 0, s.box.left - o.x(),
                           s.box.top - o.y(), s.box.right - o.x(), s.box.bottom - o.y(), s.corner.cx, s.corner.cy,
                           start.x, start.y, end.x, end.y, pen.visible, pen.width, pen.style, filled});
    for (const Point& p : s.points)
        key.insert(key.end(), {p.x - o.x(), p.y - o.y()});
    return keep(key, o, [&] { return shapeCoverage(s, pen, box, filled); });
}

CachedCoverage cachedWidePolylineCoverage(std::span<const Point> points, int width)
{
    if (points.empty())
        return {};
    const QRect limit = pointsReach(points, width / 2 + 4);
    if (!small(limit))
        return {};
    std::vector<int>& key = cache().key();
    const QPoint o = keyedOrigin(key, limit, false);
    key.insert(key.end(), {-1, width});
    for (const Point& p : points)
        key.insert(key.end(), {p.x - o.x(), p.y - o.y()});
    return keep(key, o, [&] { return widePolylineCoverage(points, width, limit); });
}

ShapeCoverage textCoverage(const TextCoverageRequest& r, const QRect& box)
{
    ShapeCoverage c = blankCoverage(box);
    c.pen.text(r.font, r.text, r.place.toDevice);
    if (r.opaque) {
        QPainterPath cell;
        cell.addRect(r.place.cell);
        c.area.fill(r.place.toDevice.map(cell));
        c.area.subtract(c.pen);
    }
    c.finish();
    return c;
}

CachedCoverage cachedTextCoverage(const TextCoverageRequest& r, const QRect& whole)
{
    if (!small(whole))
        return {};
    std::vector<int>& key = cache().key();
    const QPoint o = keyedOrigin(key, whole, false);
    key.insert(key.end(), {-2, int(r.font.id & 0x7FFFFFFF), int(r.font.id >> 31), r.reference.x - o.x(),
                           r.reference.y - o.y(), int(r.align), r.escapement, r.opaque});
    for (const QChar ch : r.text)
        key.push_back(ch.unicode());
    return keep(key, o, [&] { return textCoverage(r, whole); });
}

}  // namespace plat::gdi
