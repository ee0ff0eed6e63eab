#pragma once
// What the progress window shows, computed apart from the window: the percentage and its text,
// and the bar painted into the bar control. ShowProgressWindow (tracelyn/core/router_progress.h)
// drives the window through these.

#include "platform/gdi/gdi_types.h"

#include <string>

namespace plat { class Dc; }

// done x 100 / total, at most 99.9 and at least 0 (a quotient that is not a number counts as 0).
double ProgressPercent(float done, float total);
// "%.1f%%".
std::string ProgressPercentText(double percent);

// The bar for percent over the control's client rectangle: a red rectangle (null pen) from
// (left + 1, top + 1) to (right x percent / 100, bottom - 1), then nine black tick dots in the
// middle of the control, a tenth of its width apart. Nothing is erased first.
void PaintProgressBar(plat::Dc& dc, const plat::Rect& client, double percent);
