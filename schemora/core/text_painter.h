#pragma once
// Texts of the schematic: a string at a point in the font, size, weight and angle of its
// attribute and angle words.

#include "platform/gdi/dc.h"

#include <cstdint>
#include <string_view>

struct TextMeasure {
    plat::Size extent;   // the advance box, unturned
    int height = 0;      // the font's cell height
};
// A text's box as DrawTextString measures it with the DC's mapping.
TextMeasure MeasureTextString(plat::Dc& dc, std::string_view text, int attribute, int angleWord, int role);
// How far from its anchor DrawTextString can touch a pixel for this text at any angle,
// mirrored or not, at the DC's mapping: the advance and twice the cell height (ink beyond the
// advance, italics). In drawing units.
int64_t TextReach(plat::Dc& dc, std::string_view text, int attribute, int angleWord, int role);

// Draws text with its lower left corner at (x, y) (before turning) and returns its height in
// sheet units, also kept as the last text height; its extent is kept as the last text extent.
// While dragging (raster mode 6) only the outline of its extent is drawn. Mirrored texts
// (angle word bit 12) are drawn only as that outline.
int DrawTextString(plat::Dc& dc, int x, int y, std::string_view text, int attribute, int angleWord,
                   int role);
