#include "platform/gdi/raster_dc.h"

#include "platform/gdi/device_caps.h"
#include "platform/gdi/raster_canvas.h"
#include "platform/gdi/raster_dc_qt.h"

#include <QBuffer>

namespace plat {

namespace {

constexpr int kScreenDpi = 96;

QImage whiteImage(int width, int height)
{
    QImage image(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
    image.fill(0xFFFFFFFFu);
    return image;
}

}  // namespace

// --- Bitmap ----------------------------------------------------------------------------------

Bitmap::Bitmap() : impl_(std::make_shared<Impl>()) {}
Bitmap::Bitmap(int width, int height) : impl_(std::make_shared<Impl>(Impl{whiteImage(width, height)})) {}
Bitmap::~Bitmap() = default;
Bitmap::Bitmap(const Bitmap&) = default;
Bitmap& Bitmap::operator=(const Bitmap&) = default;

bool Bitmap::isNull() const { return impl_->image.isNull(); }
int Bitmap::width() const { return impl_->image.width(); }
int Bitmap::height() const { return impl_->image.height(); }

ColorRef Bitmap::pixel(int x, int y) const
{
    if (!impl_->image.rect().contains(x, y))
        return kClrInvalid;
    return gdi::fromPixel(impl_->image.pixel(x, y));
}

std::vector<uint8_t> Bitmap::encodePng() const
{
    if (isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    impl_->image.save(&buffer, "PNG");
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// --- RasterDc --------------------------------------------------------------------------------

struct RasterDc::Impl {
    explicit Impl(Bitmap b) : bitmap(std::move(b)), image(&bitmap.impl().image), canvas(image) {}
    explicit Impl(QImage& external) : image(&external), canvas(image) {}

    Bitmap bitmap;              // keeps a shared image alive; unused for an external image
    QImage* image;
    gdi::RasterCanvas canvas;
};

RasterDc::RasterDc(int width, int height) : impl_(std::make_unique<Impl>(Bitmap(width, height))) {}

RasterDc::RasterDc(const Bitmap& bitmap) : impl_(std::make_unique<Impl>(bitmap))
{
    QImage& image = bitmap.impl().image;
    if (!image.isNull() && image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
}

RasterDc::RasterDc(const ExternalImage& target) : impl_(std::make_unique<Impl>(target.image))
{
    if (!target.image.isNull() && target.image.format() != QImage::Format_RGB32)
        target.image.convertTo(QImage::Format_RGB32);
}

RasterDc::~RasterDc() = default;

Bitmap RasterDc::bitmap() const
{
    if (&impl_->bitmap.impl().image == impl_->image)
        return impl_->bitmap;
    Bitmap copy;
    copy.impl().image = impl_->image->copy();
    return copy;
}

void RasterDc::onClipChanged()
{
    impl_->canvas.clipChanged();
}

void RasterDc::drawPolyline(std::span<const Point> points, bool continuePattern)
{
    impl_->canvas.polyline(points, continuePattern, deviceState());
}

void RasterDc::drawShape(const DeviceShape& shape)
{
    impl_->canvas.shape(shape, deviceState());
}

void RasterDc::drawText(Point reference, std::string_view text, unsigned options, const Rect* rect)
{
    const DeviceFont font = deviceFont();
    impl_->canvas.text(reference, text, gdi::resolveFont(font), font.font.escapement, options,
                       rect, deviceState());
}

void RasterDc::fillDeviceRect(const Rect& rect, const DeviceBrush& brush)
{
    impl_->canvas.fillRect(rect, brush, deviceState());
}

bool RasterDc::setDevicePixel(Point p, ColorRef rgbColor)
{
    const Region* clip = effectiveClip();
    if (clip && !clip->PtInRegion(p.x, p.y))
        return false;
    return impl_->canvas.setPixel(p, rgbColor);
}

void RasterDc::setDevicePixelGrid(std::span<const int> xs, std::span<const int> ys, ColorRef rgbColor)
{
    impl_->canvas.setPixelGrid(xs, ys, rgbColor, effectiveClip());
}

ColorRef RasterDc::getDevicePixel(Point p) const
{
    return impl_->canvas.getPixel(p);
}

int RasterDc::deviceCaps(int index) const
{
    const int w = impl_->image->width(), h = impl_->image->height();
    return surfaceCaps(index, {kDtRasDisplay, {w, h}, {0, 0, w, h}, kScreenDpi, kScreenDpi, 32, 24});
}

std::optional<PixelView> RasterDc::devicePixels() const
{
    if (impl_->image->isNull())
        return std::nullopt;
    return impl_->canvas.pixels();
}

void RasterDc::blitPixels(const Rect& target, const PixelView& source, const Rect& sourceRect,
                          uint32_t rop)
{
    impl_->canvas.blit(target, source, sourceRect, rop, deviceState());
}

}  // namespace plat
