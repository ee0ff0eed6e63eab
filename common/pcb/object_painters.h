#pragma once
// The painters of pads and texts, and the stroke-font glyph painters. Coordinates and sizes are
// logical units; colours are logical colour numbers (see board_primitives.h). The mask and
// paste flags of the object being painted are the frame's.

#include "common/pcb/paint_frame.h"

#include <cstdint>
#include <string_view>

namespace plat { class Dc; }

namespace pcb {

// Pad shape codes (word 5 bits 0-3).
enum PadShape : int {
    kPadRound = 0,
    kPadOblong = 1,
    kPadRect = 2,
    kPadRectHole = 3,
    kPadFinger = 4,
    kPadVia = 5,
    kPadLayerPair = 6,
    kPadCross = 7,
    kPadThermal = 8,
};

// Pin-number text heights by size index 0-8, in units of 80 board units.
inline constexpr int kPinTextSizes[9] = {1, 3, 6, 10, 12, 17, 24, 48, 120};
// "Pin No. Text Size" at this value hides every package text.
inline constexpr int kPinFontHidesTexts = 6;

void DrawPad(const PaintFrame& f, plat::Dc& dc, int x, int y, int color, int shape, int xSize, int ySize, int hole,
             int rotation, int mirror);

// Draws text glyph by glyph from (x, y), the left end of the baseline, in the stroke font:
// the strokes go to DrawStrokeLine and DrawStrokeArc in colour `pen`; angle in tenths of a
// degree, mirror 0 or 1.
void PlotStrokeText(const PaintFrame& f, plat::Dc& dc, int x, int y, std::string_view text, int style, int angle,
                    int mirror, int pen);
// Board text in the stroke font: style is the font-and-size word, angleWord the angle (bits
// 0-11) and mirror (bit 12). Returns the text's width in mils.
int DrawStrokeText(const PaintFrame& f, plat::Dc& dc, int x, int y, std::string_view text, int style,
                   int angleWord, int color);
// Text in a system font (pin numbers, plane labels, ruler labels, footprint editor texts). The
// pin flag takes the size from the pin-number table. Returns the width in logical units.
int DrawFontText(const PaintFrame& f, plat::Dc& dc, int x, int y, std::string_view text, int style, int angle,
                 int color, int pin);

// The stroke font's glyph painters: one stroke as a line, or as a corner arc whose ends are
// exchanged for text turned into the second or fourth quarter so the bend stays outside.
void DrawStrokeLine(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int width);
void DrawStrokeArc(const PaintFrame& f, plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int width,
                   int angle);

}  // namespace pcb
