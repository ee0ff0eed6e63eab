#pragma once
// The painters DrawObjects calls for pads, texts and placed packages, and the stroke-font
// glyph painters. Coordinates and sizes are logical units; colours are logical colour numbers
// (see board_primitives.h). The mask and paste flags of the object being painted are in
// g_paint (board_view_state.h). Pads and texts are common/pcb's painters, drawing in the frame
// of the board program's current view (board_paint_frame.h).

#include "common/pcb/object_painters.h"
#include "tracelyn/core/board_object.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace plat { class Dc; }

// Pad shape codes (word 5 bits 0-3).
using pcb::PadShape;
using enum pcb::PadShape;

// The pen width of a package's lines, boxes, ellipses and arcs, in logical units.
inline constexpr int kPackageLineWidth = 8;

// Pin-number text heights by size index 0-8, in units of 80 board units.
using pcb::kPinTextSizes;
// "Pin No. Text Size" at this value hides every package text.
using pcb::kPinFontHidesTexts;

void DrawPad(plat::Dc& dc, int x, int y, int color, int shape, int xSize, int ySize, int hole,
             int rotation, int mirror);

// Board text in the stroke font: style is the font-and-size word, angleWord the angle (bits
// 0-11) and mirror (bit 12). Returns the text's width in mils.
int DrawStrokeText(plat::Dc& dc, int x, int y, std::string_view text, int style, int angleWord,
                   int color);
// Text in a system font (pin numbers, plane labels, ruler labels, footprint editor texts). The
// pin flag takes the size from the pin-number table. Returns the width in logical units.
int DrawFontText(plat::Dc& dc, int x, int y, std::string_view text, int style, int angle,
                 int color, int pin);

// A placed package: its objects, pads and reference label. Resolves a part placed by package
// name (kind 64) and leaves it undrawn (and untouched) when the package is not loaded or its number does not fit the kind. Stores the label width in
// word 8.
void DrawFootprint(plat::Dc& dc, BoardObject& part, int color, int show);
// The package objects of a placed part's own section: first..last (count objects) in the
// package store, and which of how many sections it is. False for an unresolved part or a
// package without objects.
struct PartSection {
    int first = 0;
    int last = -1;
    int count = 0;
    int sections = 1;
    int section = 1;
};
bool PartSectionRange(const BoardObject& part, PartSection& range);
// The reference label of a part as its silk shows it (before upper-casing); valueOnlyEmpty is
// set for a value-only label with no value.
std::string PartReferenceLabel(const BoardObject& part, int sections, int section, bool& valueOnlyEmpty);
// Package objects first..last (indexes into the package store) about the current part.
void DrawPackageObjects(plat::Dc& dc, int color, int first, int last, int rotation, int mirror,
                        int upright, int partLayer, int show);

// The stroke font's glyph painters: one stroke as a line, or as a corner arc whose ends are
// exchanged for text turned into the second or fourth quarter so the bend stays outside.
void DrawStrokeLine(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int width);
void DrawStrokeArc(plat::Dc& dc, int x1, int y1, int x2, int y2, int color, int width, int angle);
