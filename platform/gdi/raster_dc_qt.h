#pragma once
// Qt-facing side of the raster contexts, for platform code only: a context over a window's
// backing image, and the QImage behind a Bitmap.

#include "platform/gdi/raster_dc.h"

#include <QImage>

namespace plat {

// The caller keeps the image alive while the context exists; the image should be RGB32 (any
// other format is converted in place).
struct ExternalImage {
    QImage& image;
};

struct Bitmap::Impl {
    QImage image;
};

}  // namespace plat
