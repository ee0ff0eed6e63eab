#pragma once
// The built-in stroke font with which board text is drawn on the screen and plotted; it lives
// in common/pcb with the painters the schematic program's package preview shares.

#include "common/pcb/stroke_font.h"

using pcb::kStrokeGlyphCount;
using pcb::kStrokesPerGlyph;
using pcb::kStrokeEmpty;
using pcb::kStrokeLine;
using pcb::kStrokeArc;
using pcb::StrokeDef;
using pcb::StrokeGlyph;
using pcb::StrokeFont;
using pcb::GlyphIndex;
using pcb::kStrokeSizeFactors;
using pcb::StrokeSegment;
using pcb::StrokeSink;
using pcb::WalkStrokeText;
using pcb::GetStrokeTextExtent;
