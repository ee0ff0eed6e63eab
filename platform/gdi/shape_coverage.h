#pragma once
// Which device pixels a primitive covers (internal to platform/gdi): one byte per pixel of a
// box, made with Qt's aliased rasteriser or by walking pixels. Shapes keep their coverage in a
// cache, so a repaint rasterises only what it has not drawn before. Qt builds paths in doubles
// at the shape's device position, so the same shape drawn elsewhere may round a pixel
// differently; a coverage is shared by every place the shape can move to with whole pixels
// without a coordinate leaving its binade (the range between two powers of two), where all the
// rounding is the same, shifted. So a view that scrolls or pans finds its shapes kept, and each
// shape keeps exactly the pixels it always had.

#include "platform/gdi/qt_geometry.h"

#include <QImage>
#include <QPainterPath>
#include <QPen>

#include <cstdint>
#include <vector>

namespace plat::gdi {

// One byte of coverage per pixel of `box`; the bytes are made on the first write, so a mask
// nothing was drawn into costs nothing.
class Mask {
public:
    Mask() = default;
    explicit Mask(const QRect& box) : box_(box), stride_((box.width() + 3) & ~3) {}

    const QRect& box() const { return box_; }
    bool isBlank() const { return bits_.empty(); }
    // The bytes of row y (inside box()), 128 and above for a covered pixel; null when blank.
    const uint8_t* row(int y) const
    {
        return bits_.empty() ? nullptr : bits_.data() + size_t(y - box_.top()) * size_t(stride_);
    }
    // (x, y) inside box().
    bool at(int x, int y) const
    {
        return !bits_.empty() && bits_[size_t(y - box_.top()) * size_t(stride_) + size_t(x - box_.left())] >= 128;
    }
    void set(int x, int y, bool on = true);
    void fill(const QPainterPath& path);
    void text(const QtFont& font, const QString& s, const QTransform& toDevice);
    void stroke(const QPainterPath& path, const QPen& pen);
    // Pixels of this mask that are set in `other` (same box) are cleared.
    void subtract(const Mask& other);
    // Pixels set here with a 4-neighbour that is not: the one-pixel rim of an area.
    Mask rim() const;
    size_t bytes() const { return bits_.size(); }

private:
    void allocate();
    template <class Paint>
    void paint(Paint&& draw);

    QRect box_;
    int stride_ = 0;
    std::vector<uint8_t> bits_;
};

// One stretch of covered pixels in a row: columns [x0, x1] in the box's frame.
enum class RunKind : uint8_t { Pen, Gap, Area };
struct CoverageRun {
    int x0 = 0;
    int x1 = 0;
    RunKind kind = RunKind::Pen;
};

// What a closed shape or an outline covers: pen pixels, the gaps of a dashed pen, and the area
// the brush fills (pen pixels and gaps taken out). All three share one box. Once made, the masks
// are turned into runs per row, so painting costs what is covered, not the box: a window-sized
// frame is a few pixels per row.
struct ShapeCoverage {
    Mask pen, gap, area;
    QRect box;
    std::vector<CoverageRun> runs;
    std::vector<uint32_t> rowStart;    // runs of row y: [rowStart[y - top], rowStart[y - top + 1])

    // Fills runs and rowStart from the masks and frees the masks.
    void finish();
    size_t bytes() const { return runs.size() * sizeof(CoverageRun) + rowStart.size() * sizeof(uint32_t); }

private:
    void appendRuns(const Mask& mask, int y, RunKind kind);
};

// Coverage of `shape` drawn with `pen`, in device pixels, computed within `box`; without
// `filled` (a hollow brush) the area is left blank.
ShapeCoverage shapeCoverage(const DeviceShape& shape, const DevicePen& pen, const QRect& box, bool filled);
// Coverage of a polyline with a pen wider than one pixel (round caps and joins), in `pen`, cut
// to `limit`.
ShapeCoverage widePolylineCoverage(std::span<const Point> points, int width, const QRect& limit);

// A coverage from the cache: device pixel (x, y) is pixel (x - origin.x, y - origin.y) of the
// coverage. `coverage` is null when the shape is too large to keep; it stays valid until the
// next lookup.
struct CachedCoverage {
    const ShapeCoverage* coverage = nullptr;
    QPoint origin;
};
CachedCoverage cachedShapeCoverage(const DeviceShape& shape, const DevicePen& pen, bool filled);
// What the kept coverages hold, and the most they may hold (setting it empties the cache).
constexpr size_t kDefaultCoverageCacheBytes = size_t{64} << 20;
size_t coverageCacheBytes();
void setCoverageCacheBudget(size_t bytes);
CachedCoverage cachedWidePolylineCoverage(std::span<const Point> points, int width);

// A string placed in a font: its ink is the pen, and when opaque its cell is the area.
struct TextCoverageRequest {
    const QtFont& font;
    const QString& text;
    const TextPlacement& place;
    Point reference;
    unsigned align = 0;
    int escapement = 0;
    bool opaque = false;
};
ShapeCoverage textCoverage(const TextCoverageRequest& request, const QRect& box);
// `whole` is the text's box on the device, unclipped.
CachedCoverage cachedTextCoverage(const TextCoverageRequest& request, const QRect& whole);

// The margin a pen adds around a shape's bounds.
inline int penMargin(const DevicePen& pen) { return pen.width / 2 + 2; }

// The step along the shorter axis after `step` steps along the longer one (rounded to nearest);
// exact for every coordinate an int holds.
inline int64_t minorStep(int64_t step, int64_t major, int64_t minor)
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
    const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const int64_t n = adx > ady ? adx : ady;
    const bool alongX = adx >= ady;
    const int64_t start = alongX ? a.x : a.y;
    const int64_t low = alongX ? window.left() : window.top();
    const int64_t high = alongX ? window.right() : window.bottom();
    const bool forward = (alongX ? sx : sy) > 0;
    const int64_t first = std::max<int64_t>(forward ? low - start : start - high, 0);
    const int64_t last = std::min<int64_t>(forward ? high - start : start - low, n - 1);
    if (first > last)
        return n;
    // minorStep(i) kept as quotient and remainder, stepped without a division per pixel.
    const int64_t major = alongX ? adx : ady, minor = alongX ? ady : adx;
    int64_t q = 0, r = 0;
    if (first <= INT32_MAX && minor <= INT32_MAX) {
        // 2 * first * minor + major stays below 2^63: a 64-bit division, far cheaper.
        const int64_t start0 = 2 * first * minor + major;
        q = start0 / (2 * major);
        r = start0 % (2 * major);
    } else {
        const __int128 start0 = static_cast<__int128>(2) * first * minor + major;
        q = static_cast<int64_t>(start0 / (2 * major));
        r = static_cast<int64_t>(start0 % (2 * major));
    }
    for (int64_t i = first; i <= last; ++i) {
        if (alongX)
            plot(i, int(a.x + sx * i), int(a.y + sy * q));
        else
            plot(i, int(a.x + sx * q), int(a.y + sy * i));
        r += 2 * minor;
        if (r >= 2 * major) {
            r -= 2 * major;
            ++q;
        }
    }
    return n;
}

// The one-pixel outline of a rectangle or polygon: its corners, closed.
std::vector<Point> outlineLoop(const DeviceShape& shape);

}  // namespace plat::gdi
