#include "platform/gdi/shape_coverage.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace plat::gdi {

namespace {

// Shapes larger than a window (borders, frames, backgrounds) are kept too; beyond this they
// are rasterised each time, cut to the clip.
constexpr int64_t kMaxCachedPixels = int64_t{2560} * 1600;
constexpr size_t kMaxCacheBytes = size_t{64} << 20;

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

void beginAliased(QPainter& p, const QRect& box)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(-box.left(), -box.top());
}

struct KeyHash {
    size_t operator()(const std::vector<int>& key) const
    {
        uint64_t h = 14695981039346656037ull;
        for (const int v : key) {
            h ^= static_cast<uint32_t>(v);
            h *= 1099511628211ull;
        }
        return static_cast<size_t>(h);
    }
};

class CoverageCache {
public:
    // The key buffer lookups fill; reused, so that a hit allocates nothing.
    std::vector<int>& key()
    {
        key_.clear();
        return key_;
    }

    template <class Make>
    const ShapeCoverage& find(const std::vector<int>& key, Make&& make)
    {
        auto it = entries_.find(key);
        if (it != entries_.end())
            return it->second;
        if (bytes_ > kMaxCacheBytes) {
            entries_.clear();
            bytes_ = 0;
        }
        ShapeCoverage made = make();
        bytes_ += made.bytes() + key.size() * sizeof(int) + 64;
        return entries_.emplace(key, std::move(made)).first->second;
    }

private:
    std::vector<int> key_;
    std::unordered_map<std::vector<int>, ShapeCoverage, KeyHash> entries_;
    size_t bytes_ = 0;
};

CoverageCache& cache()
{
    static CoverageCache c;
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

QImage Mask::image()
{
    allocate();
    return QImage(bits_.data(), box_.width(), box_.height(), stride_, QImage::Format_Alpha8);
}

void Mask::set(int x, int y, bool on)
{
    if (!box_.contains(x, y))
        return;
    allocate();
    bits_[size_t(y - box_.top()) * size_t(stride_) + size_t(x - box_.left())] = on ? 255 : 0;
}

void Mask::fill(const QPainterPath& path)
{
    if (box_.isEmpty())
        return;
    QImage target = image();
    QPainter p(&target);
    beginAliased(p, box_);
    p.fillPath(path, Qt::black);
}

// Glyphs through the font rasteriser rather than as filled outlines: a filled outline sets only
// the pixels whose centres it covers, so at small sizes a stem narrower than a pixel that falls
// between two centres vanishes ("IN" drawn as "N"); the rasteriser keeps it.
void Mask::text(const QtFont& font, const QString& s, const QTransform& toDevice)
{
    if (box_.isEmpty())
        return;
    QImage target = image();
    QPainter p(&target);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setTransform(QTransform::fromScale(font.xScale, 1.0) * toDevice
                   * QTransform::fromTranslate(-box_.left(), -box_.top()));
    p.setFont(font.font);
    p.setPen(Qt::black);
    p.drawText(QPointF(0, 0), s);
}

void Mask::stroke(const QPainterPath& path, const QPen& pen)
{
    if (box_.isEmpty())
        return;
    QImage target = image();
    QPainter p(&target);
    beginAliased(p, box_);
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

CachedCoverage cachedShapeCoverage(const DeviceShape& s, const DevicePen& pen, bool filled)
{
    const int m = penMargin(pen);
    const QRect box = boundsOf(s).adjusted(-m, -m, m + 1, m + 1);
    if (boundsOf(s).isEmpty() || !small(box))
        return {};
    std::vector<int>& key = cache().key();
    key.insert(key.end(), {int(s.kind), s.kind == ShapeKind::Polygon ? s.fillMode : 0, s.box.left, s.box.top,
                           s.box.right, s.box.bottom, s.corner.cx, s.corner.cy, s.start.x, s.start.y,
                           s.end.x, s.end.y, pen.visible, pen.width, pen.style, filled});
    for (const Point& p : s.points)
        key.insert(key.end(), {p.x, p.y});
    return {&cache().find(key, [&] { return shapeCoverage(s, pen, box, filled); }), QPoint(0, 0)};
}

CachedCoverage cachedWidePolylineCoverage(std::span<const Point> points, int width)
{
    if (points.empty())
        return {};
    const QRect limit = pointsReach(points, width / 2 + 4);
    if (!small(limit))
        return {};
    std::vector<int>& key = cache().key();
    key.insert(key.end(), {-1, width});
    for (const Point& p : points)
        key.insert(key.end(), {p.x, p.y});
    return {&cache().find(key, [&] { return widePolylineCoverage(points, width, limit); }), QPoint(0, 0)};
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
    key.insert(key.end(), {-2, int(r.font.id & 0x7FFFFFFF), int(r.font.id >> 31), r.reference.x, r.reference.y,
                           int(r.align), r.escapement, r.opaque});
    for (const QChar ch : r.text)
        key.push_back(ch.unicode());
    return {&cache().find(key, [&] { return textCoverage(r, whole); }), QPoint(0, 0)};
}

}  // namespace plat::gdi
