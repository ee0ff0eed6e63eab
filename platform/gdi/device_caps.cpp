#include "platform/gdi/device_caps.h"

namespace plat {

int surfaceCaps(int index, const DeviceSurface& surface)
{
    const Rect& area = surface.printable;
    switch (index) {
    case kTechnology: return surface.technology;
    case kHorzSize: return area.width() * 254 / (surface.logPixelsX * 10);
    case kVertSize: return area.height() * 254 / (surface.logPixelsY * 10);
    case kHorzRes: return area.width();
    case kVertRes: return area.height();
    case kPhysicalWidth: return surface.paper.cx;
    case kPhysicalHeight: return surface.paper.cy;
    case kPhysicalOffsetX: return area.left;
    case kPhysicalOffsetY: return area.top;
    case kLogPixelsX: return surface.logPixelsX;
    case kLogPixelsY: return surface.logPixelsY;
    case kBitsPixel: return surface.bitsPixel;
    case kPlanes: return 1;
    case kNumColors: return -1;
    case kRasterCaps: return kRcBitBlt | kRcStretchBlt;
    case kColorRes: return surface.colorRes;
    default: return 0;
    }
}

}  // namespace plat
