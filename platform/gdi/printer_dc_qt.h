#pragma once
// Qt-facing side of the printer context, for platform code only.

#include "platform/gdi/printer_dc.h"

#include <QPrinter>

namespace plat {

// The caller keeps the printer alive while the context exists.
struct ExternalPrinter {
    QPrinter& printer;
};

// What a context printing on a page answers to GetDeviceCaps: paper and printable area
// (paintable part of the paper, both in device pixels at dpi) give sizes, offsets and
// resolution; the rest is a 24-bit colour device that can blit.
int printedPageCaps(int index, const QRect& paper, const QRect& paint, int dpi);

}  // namespace plat
