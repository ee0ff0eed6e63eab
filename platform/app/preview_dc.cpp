#include "platform/app/preview_dc.h"

#include "platform/gdi/printer_dc_qt.h"
#include "platform/gdi/raster_dc_qt.h"

#include <algorithm>
#include <cstring>

namespace plat {
namespace {

PreviewCanvas canvasFor(const QPageLayout& layout, int dpi)
{
    const QRect printable = layout.paintRectPixels(dpi);
    PreviewCanvas canvas{QImage(std::max(printable.width(), 1), std::max(printable.height(), 1), QImage::Format_RGB32)};
    canvas.image.fill(0xFFFFFFFFu);
    return canvas;
}

}  // namespace

PreviewDc::PreviewDc(const QPageLayout& layout, int dpi)
    : PreviewCanvas(canvasFor(layout, dpi)), RasterDc(ExternalImage{PreviewCanvas::image}), dpi_(dpi),
      paper_(layout.fullRectPixels(dpi)), printable_(layout.paintRectPixels(dpi))
{
}

void PreviewDc::startPage() { PreviewCanvas::image.fill(0xFFFFFFFFu); }

PreviewPage PreviewDc::page(unsigned number) const
{
    const QImage& image = PreviewCanvas::image;
    PreviewPage page;
    page.number = number;
    page.paperWidth = paper_.width();
    page.paperHeight = paper_.height();
    page.left = printable_.left();
    page.top = printable_.top();
    page.width = image.width();
    page.height = image.height();
    page.pixels.resize(static_cast<size_t>(page.width) * static_cast<size_t>(page.height));
    for (int y = 0; y < page.height; ++y)
        std::memcpy(page.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(page.width),
                    image.constScanLine(y), static_cast<size_t>(page.width) * sizeof(uint32_t));
    return page;
}

// The same answers as the printer context gives for this page.
int PreviewDc::deviceCaps(int index) const
{
    return printedPageCaps(index, paper_, printable_, dpi_);
}

}  // namespace plat
