#pragma once
// What a context answers to GetDeviceCaps, from a description of the surface it draws on. The
// raster image, the printed page, its preview and the recorder differ only in the surface.

#include "platform/gdi/gdi_types.h"

namespace plat {

struct DeviceSurface {
    int technology = kDtRasDisplay;
    Size paper;                 // the whole sheet (or image), device pixels
    Rect printable;             // the part drawn on, placed on the sheet, device pixels
    int logPixelsX = 96;
    int logPixelsY = 96;
    int bitsPixel = 32;
    int colorRes = 0;           // 0: the surface does not answer it
};

// The answer for one capability index (kTechnology, kHorzRes, ...); 0 for one it has not.
// Sizes in millimetres follow from the printable area and the resolution; every surface is a
// single-plane, true-colour device that can blit and stretch.
int surfaceCaps(int index, const DeviceSurface& surface);

}  // namespace plat
