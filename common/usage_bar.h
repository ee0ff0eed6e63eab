#pragma once
// The red usage bar with its tick dots that the progress and resource windows paint into a
// framed static.

#include "platform/gdi/gdi_types.h"

namespace plat {
class Dc;
}

// Fills the bar from the left edge to percent of the width in red and marks the tenths with
// two-pixel black dots across the middle. A percentage outside 0 to 100 is held to it.
void DrawUsageBar(plat::Dc& dc, const plat::Rect& client, double percent);

// The tenths' two-pixel black dots across the middle of a bar's client area.
void DrawUsageBarTicks(plat::Dc& dc, const plat::Rect& client);
