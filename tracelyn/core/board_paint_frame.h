#pragma once
// The board program's paint frame and layer rules: what common/pcb's painters draw with, taken
// from the current view, the paint in progress and the settings each time they paint.

#include "common/pcb/layer_passes.h"
#include "common/pcb/paint_frame.h"

pcb::PaintFrame CurrentPaintFrame();
// The layer settings of the view for a repaint.
pcb::LayerRules CurrentLayerRules();
