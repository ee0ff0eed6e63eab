#pragma once
// The stroke font's measure, for the board code that sizes texts; the font lives in
// common/pcb with the painters.

#include "common/pcb/stroke_font.h"

using pcb::GetStrokeTextExtent;
