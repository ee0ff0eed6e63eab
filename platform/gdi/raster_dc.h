#pragma once
// Device contexts that draw into RGB32 images: a bitmap of its own, a Bitmap the caller keeps
// (a memory context, e.g. for a clipboard picture), or a window's backing image (see
// raster_dc_qt.h). Pixels are drawn with antialiasing off and every raster mode is exact.

#include "platform/gdi/qt_text_dc.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace plat {

// An image shared by handle: copies of a Bitmap refer to the same pixels.
class Bitmap {
public:
    struct Impl;                       // defined in raster_dc_qt.h for platform code
    Bitmap();                          // no pixels
    Bitmap(int width, int height);     // white
    ~Bitmap();
    Bitmap(const Bitmap&);
    Bitmap& operator=(const Bitmap&);

    bool isNull() const;
    int width() const;
    int height() const;
    ColorRef pixel(int x, int y) const;          // kClrInvalid outside
    std::vector<uint8_t> encodePng() const;      // empty for a null bitmap
    Impl& impl() const { return *impl_; }

private:
    std::shared_ptr<Impl> impl_;
};

struct ExternalImage;                  // raster_dc_qt.h: a QImage owned by the caller

class RasterDc : public QtTextDc {
public:
    RasterDc(int width, int height);   // over a white image of its own
    explicit RasterDc(const Bitmap& bitmap);
    explicit RasterDc(const ExternalImage& target);
    ~RasterDc() override;

    // The image drawn into (for a context over an external image, a copy of it).
    Bitmap bitmap() const;

protected:
    void drawPolyline(std::span<const Point> points, bool continuePattern) override;
    void drawShape(const DeviceShape& shape) override;
    void drawText(Point reference, std::string_view text, unsigned options, const Rect* rect) override;
    void fillDeviceRect(const Rect& rect, const DeviceBrush& brush) override;
    bool setDevicePixel(Point p, ColorRef rgbColor) override;
    void setDevicePixelGrid(std::span<const int> xs, std::span<const int> ys, ColorRef rgbColor) override;
    ColorRef getDevicePixel(Point p) const override;
    int deviceCaps(int index) const override;
    std::optional<PixelView> devicePixels() const override;
    void blitPixels(const Rect& target, const PixelView& source, const Rect& sourceRect,
                    uint32_t rop) override;
    void onClipChanged() override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace plat
