#pragma once
// Draws device-space primitives into an RGB32 image (internal to platform/gdi). Every primitive
// is first turned into the set of pixels it covers (a coverage mask, or a pixel walk for
// one-pixel lines) and then each covered pixel is combined with its colour through the raster
// mode, so inverting and exclusive-or modes are exact and drawing twice restores the pixels.

#include "platform/gdi/qt_geometry.h"

#include <vector>

#include <QImage>

#include <string_view>

namespace plat::gdi {

class RasterCanvas {
public:
    explicit RasterCanvas(QImage* image) : image_(image) {}

    void polyline(std::span<const Point> points, bool continuePattern, const PaintState& st);
    void shape(const DeviceShape& shape, const PaintState& st);
    void text(Point reference, std::string_view text, const QtFont& font, int escapement,
              unsigned options, const Rect* rect, const PaintState& st);
    // Brush fill in copy mode, as FillRect paints.
    void fillRect(const Rect& rect, const DeviceBrush& brush, const PaintState& st);
    bool setPixel(Point p, ColorRef rgbColor);
    // Sets the pixel at every crossing of the columns xs and rows ys that lies in the clip
    // (nullptr: the whole image), as setPixel would one by one.
    void setPixelGrid(std::span<const int> xs, std::span<const int> ys, ColorRef rgbColor,
                      const Region* clip);
    ColorRef getPixel(Point p) const;
    PixelView pixels() const;
    void blit(const Rect& target, const PixelView& source, const Rect& sourceRect, uint32_t rop,
              const PaintState& st);
    // The context's clip region was changed or replaced (its address may stay the same).
    void clipChanged() { clipsValid_ = false; }

private:
    void beginPrimitive();
    const std::vector<QRect>& clipRects(const PaintState& st, const QRect& limit);
    uint32_t* row(int y) const;
    void compose(const struct ShapeCoverage& coverage, QPoint origin, const std::vector<QRect>& clips,
                 const PaintState& st, bool hasArea);
    bool rectangle(const DeviceShape& shape, const std::vector<QRect>& clips, const PaintState& st);
    bool wideRectangle(const DeviceShape& shape, const QRect& limit, const std::vector<QRect>& clips,
                       const PaintState& st, bool hasArea);
    void fillArea(const QRect& inside, const std::vector<QRect>& clips, const PaintState& st);
    // Every pixel of `area` (cut to the clip) once, in one colour through the raster mode.
    void paintSolid(const QRect& area, uint32_t colour, const std::vector<QRect>& clips, int rop2);

    QImage* image_;
    uchar* bits_ = nullptr;
    int bytesPerLine_ = 0;
    // The clip's rectangles cut to a limit, kept while the clip and the limit stay the same:
    // nearly every primitive of a repaint asks for the same ones.
    std::vector<QRect> clips_;
    QRect clipsUnion_;
    const Region* clipsOf_ = nullptr;
    QRect clipsLimit_;
    bool clipsValid_ = false;
    int phase_ = 0;              // dash position carried from one LineTo to the next
    Point lastEnd_;
    bool hasLast_ = false;
};

}  // namespace plat::gdi
