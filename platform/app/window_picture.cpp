#include "platform/app/window_picture.h"

#include "platform/core/ui_host.h"
#include "platform/gdi/raster_dc.h"

namespace plat {

bool CopyWindowPixelsToClipboard(Dc& window, const Rect& area)
{
    const Rect pixels = area.normalized();
    const int width = pixels.width();
    const int height = pixels.height();
    if (width <= 0 || height <= 0) {
        MessageBeep();
        return false;
    }
    RasterDc picture(width, height);
    const int saved = window.SaveDC();
    window.SetMapMode(kMmText);
    window.SetWindowOrg(0, 0);
    window.SetViewportOrg(0, 0);
    const bool copied = picture.BitBlt(0, 0, width, height, window, pixels.left, pixels.top, kSrcCopy);
    window.RestoreDC(saved);
    if (!copied) {
        MessageBeep();
        return false;
    }
    uiHost().setClipboard("bitmap", picture.bitmap().encodePng());
    return true;
}

}  // namespace plat
