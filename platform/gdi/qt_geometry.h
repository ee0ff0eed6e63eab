#pragma once
// Device-space geometry shared by the Qt-backed contexts (internal to platform/gdi). Areas are
// paths on pixel edges, sampled at pixel centres, so a box (l, t, r, b) covers columns l..r-1
// and rows t..b-1; outlines run through pixel centres so wide pens sit centred on them.

#include "platform/gdi/dc.h"
#include "platform/gdi/qt_text.h"

#include <QPainterPath>
#include <QTransform>
#include <QVector>

#include <algorithm>
#include <cstdint>

namespace plat::gdi {

using PaintState = DeviceState;

// The area a closed shape fills (Arc has none).
QPainterPath shapeArea(const DeviceShape& shape, bool penVisible);
// The line the pen follows.
QPainterPath shapeOutline(const DeviceShape& shape);
QPainterPath polylinePath(std::span<const Point> points);
QRect boundsOf(const DeviceShape& shape);
// The pixels a point list spans, grown by `margin` on every side; empty for no points.
QRect pointsReach(std::span<const Point> points, int margin);

// QRect::contains, inline: pixel walks ask it for every pixel.
inline bool inside(const QRect& r, int x, int y)
{
    return x >= r.left() && x <= r.right() && y >= r.top() && y <= r.bottom();
}

// What two rectangles of non-negative size share (QRect's & without normalising), inline:
// every primitive cuts its box to each clip rectangle.
inline QRect meet(const QRect& a, const QRect& b)
{
    const int left = std::max(a.left(), b.left()), right = std::min(a.right(), b.right());
    const int top = std::max(a.top(), b.top()), bottom = std::min(a.bottom(), b.bottom());
    if (left > right || top > bottom)
        return QRect();
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Pen dash pattern in pixels (on, off, on, off...) for a style; empty for solid.
const QVector<qreal>& dashPattern(int style);
bool dashOn(int style, int phase);
int dashLength(int style);

// A one-pixel pen's style as a bit per pixel of its pattern, for walks that ask every pixel.
class DashBits {
public:
    explicit DashBits(int style) : length_(dashLength(style))
    {
        for (int i = 0; i < length_; ++i)
            if (dashOn(style, i))
                bits_ |= uint64_t{1} << i;
    }
    bool solid() const { return length_ == 0; }
    // Where the pattern stands after `position` pixels (0 for a solid pen).
    int64_t phase(int64_t position) const { return length_ > 0 ? position % length_ : 0; }
    // Whether the pixel `position` pixels along the pattern is drawn.
    bool on(int64_t position) const { return length_ == 0 || ((bits_ >> phase(position)) & 1) != 0; }

private:
    int length_;          // at most 64 pixels: the longest pattern is 24
    uint64_t bits_ = 0;
};

// 8x8 hatch: whether pattern pixel (x, y), both 0..7, is drawn in the brush colour.
bool hatchBit(int hatch, int x, int y);

// A raster mode applied to pen colour and destination, both 0x..RRGGBB.
inline uint32_t applyRop2(int rop2, uint32_t pen, uint32_t dst)
{
    const unsigned f = unsigned(rop2 - 1);
    uint32_t r = 0;
    if (f & 1) r |= ~pen & ~dst;
    if (f & 2) r |= ~pen & dst;
    if (f & 4) r |= pen & ~dst;
    if (f & 8) r |= pen & dst;
    return 0xFF000000u | (r & 0x00FFFFFFu);
}
// A colour reference (0x00BBGGRR) as an RGB32 pixel, and back.
inline uint32_t toPixel(ColorRef c) { return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
inline ColorRef fromPixel(uint32_t p) { return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16); }

// Where a text goes: the transform from text space (baseline at y = 0, x from 0 to the advance)
// to device space, and the text's cell box in text space.
struct TextPlacement {
    QTransform toDevice;
    QRectF cell;
};
TextPlacement placeText(Point reference, const QtFont& font, int width, unsigned align,
                        int escapement);

// The ternary raster operations of blits, on one source and one destination pixel.
uint32_t applyBlitRop(uint32_t rop, uint32_t src, uint32_t dst);

}  // namespace plat::gdi
