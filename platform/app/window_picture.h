#pragma once
// The picture of part of a window, for programs that take pictures rather than our own blocks.
#include "platform/gdi/dc.h"

namespace plat {

// Puts the window pixels of `pixels` (device coordinates, corners in any order) on the clipboard
// as a bitmap. An empty area or a failed copy beeps and puts nothing there. The context's
// mapping is left as it was.
bool CopyWindowPixelsToClipboard(Dc& window, const Rect& pixels);

}  // namespace plat
