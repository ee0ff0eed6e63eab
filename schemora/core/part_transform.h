#pragma once
// Where the elements of a placed part's symbol land on the sheet, and which elements belong to
// one body variant and gate of it. The painters, the editing code and the netlister share these.
//
// Symbol coordinates are offset by (+1000, +500) from the instance origin; the instance's word 7
// holds its orientation (tenths of a degree, bits 0-11) and its mirror flag (bit 12).

#include <cstdint>

// The origin of the part being drawn or traced; set from the instance before its symbol's
// points are transformed.
struct PartOrigin {
    int x = 0;
    int y = 0;
};
extern PartOrigin g_partOrigin;

inline constexpr int kSymbolOffsetX = 1000;
inline constexpr int kSymbolOffsetY = 500;

// The instance's orientation and mirror flag from its word 7.
inline int PartOrientation(int32_t word7) { return word7 & 0xFFF; }
inline int PartMirror(int32_t word7) { return (word7 >> 12) & 1; }

// Maps a symbol-local point to sheet coordinates about g_partOrigin. Orientations 0, 900, 1800
// and 2700 are exact; any other angle rotates the offset point, halves rounded toward zero.
void TransformPartPoint(int lx, int ly, int* x, int* y, int orientation, int mirror);

// Finds the element block of body variant `variant` of symbol `symbol`: from the symbol's first
// block header, jumps past each block whose variant differs, giving up after five blocks (the
// last block looked at is then used). gates is the block's gate count (0 counts as 1), count its
// element count, first its first element, header the index of its header element. Returns 0
// (outputs untouched) when the symbol has no elements.
int FindPartPin(int symbol, int* gates, int* count, int* first, int variant, int* header);
