#pragma once
// The stroke font of the manufacturing subsystem, which draws board text on the screen as it
// is plotted. Declared here for the board painters; defined in tracelyn/route/stroke_font.cpp.

#include <array>
#include <cstdint>
#include <string_view>

// Draws text glyph by glyph from (x, y), the left end of the baseline. With toScreen 1 the
// strokes go to DrawStrokeLine and DrawStrokeArc on the current drawing DC (g_paint) in
// colour `pen`; angle in tenths of a degree, mirror 0 or 1.
void PlotStrokeText(int x, int y, std::string_view text, int style, int angle, int mirror,
                    int toScreen, int pen);

// Width and height (mils) of text in the stroke font at the style's size.
std::array<int32_t, 2> GetStrokeTextExtent(std::string_view text, int style, int flag);
