#pragma once
// The context a print preview draws its pages through: it paints like a raster context into
// an image of the page's printable area, and answers as a printer with that page's size and
// resolution, so the views map and paint it exactly as they do paper. For platform code only.

#include "platform/core/ui_host.h"
#include "platform/gdi/raster_dc.h"

#include <QImage>
#include <QPageLayout>

namespace plat {

// The image a preview context draws into; a base of PreviewDc so that it exists before the
// raster context that draws into it.
struct PreviewCanvas {
    QImage image;
};

class PreviewDc : private PreviewCanvas, public RasterDc {
public:
    // The page of layout at dpi pixels per inch.
    PreviewDc(const QPageLayout& layout, int dpi);

    // Starts a page on clean paper.
    void startPage();
    // The page as drawn so far.
    PreviewPage page(unsigned number) const;

protected:
    int deviceCaps(int index) const override;
    bool isPrinter() const override { return true; }
    // Paper cannot be read back.
    ColorRef getDevicePixel(Point) const override { return kClrInvalid; }
    std::optional<PixelView> devicePixels() const override { return std::nullopt; }

private:
    int dpi_;
    QRect paper_;
    QRect printable_;
};

}  // namespace plat
