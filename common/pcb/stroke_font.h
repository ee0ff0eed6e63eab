#pragma once
// The built-in stroke (vector) font with which board text is drawn on the screen and plotted,
// so that plotted text looks exactly like the text on the screen. 75 glyphs in a 100 x 100
// cell, y upward from the baseline; each glyph has up to eight strokes and an advance width.

#include "common/pcb/paint_frame.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

namespace pcb {

inline constexpr int kStrokeGlyphCount = 75;
inline constexpr int kStrokesPerGlyph = 8;
inline constexpr int kStrokeEmpty = 0;
inline constexpr int kStrokeLine = 1;
// A quarter arc: a straight run from the first point along the longer axis until the offsets
// are equal, then a quarter arc centred level with the run's end and above or below the second
// point.
inline constexpr int kStrokeArc = 2;

struct StrokeDef {
    int8_t type;
    int8_t x1, y1, x2, y2;
};
// 41 bytes: eight strokes of five signed bytes, then the advance width.
struct StrokeGlyph {
    std::array<StrokeDef, kStrokesPerGlyph> strokes;
    int8_t advance;
};
extern const std::array<StrokeGlyph, kStrokeGlyphCount> StrokeFont;

// The glyph of a character: capitals, small letters, digits, then + - ( ) . , ! ? % * ; @ _.
// A blank gives 0 and a double quote 50 (neither is drawn); anything else draws as '_'.
int GlyphIndex(char c);

// Scale factor by size index 0-8 and the gap between characters, in glyph units x 10.
inline constexpr std::array<double, 9> kStrokeSizeFactors = {0.05, 0.1, 0.3, 0.4, 0.5, 0.7, 1.0, 2.0, 5.0};

// One stroke of a laid-out string in output units; angle is the text's angle after mirroring
// (tenths of a degree), which decides on which side an arc's bend lies.
struct StrokeSegment {
    int type = kStrokeLine;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int angle = 0;
    int width = 0;          // the pen width for the text's size: 60 or 80 board units
};
using StrokeSink = std::function<void(const StrokeSegment&)>;

// Lays out text from (x, y), the left end of the baseline, and hands every stroke to sink.
// Board units; with screenUnits the scale and gap are scaled to logical units at zoomIndex
// first.
void WalkStrokeText(int x, int y, std::string_view text, int style, int angle, int mirror,
                   bool screenUnits, const StrokeSink& sink, int zoomIndex = kUnitZoomIndex);

// Width and height (mils) of text in the stroke font at the style's size.
std::array<int32_t, 2> GetStrokeTextExtent(std::string_view text, int style, int flag);

}  // namespace pcb
