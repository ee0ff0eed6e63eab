#pragma once
// The copper pads of the current board in board coordinates: every pad of every placed part
// (its package section turned and mirrored onto the board) and every free pad or via record.
// The routers, necking, smoothing and the via adjustment look pads up through this one list.

#include <cstdint>
#include <vector>

// Pad shape codes (word 5, bits 0-3) that the routing code tells apart.
inline constexpr int kPadSingleLayer = 2;   // surface pad on its own layer
inline constexpr int kPadEdge = 4;          // edge-connector finger
inline constexpr int kPadThroughVia = 5;    // via on all layers (layer 31)
inline constexpr int kPadPairVia = 6;       // via joining one layer pair
inline constexpr int kPadThermal = 8;       // plane connection
// A router-made via: through or layer pair.
constexpr bool IsViaStyle(int style) { return style == kPadThroughVia || style == kPadPairVia; }

struct CopperPad {
    int32_t x = 0, y = 0;           // centre
    int32_t sizeX = 0, sizeY = 0;   // full sizes on the board (quarter turns swapped)
    int32_t style = 0;
    int32_t layer = 0;
    int32_t hole = 0;
    int32_t rotation = 0;           // of the part, tenths of a degree
    int object = 0;                 // the board record: the part, or the pad itself
    int packageRecord = 0;          // the package record of a part's pad, 0 for a free pad
    const char* pin = nullptr;      // the pin label (part pads)
};

// A pad on one copper layer only: a surface pad of a part that stands on one side. A surface
// pad of a part standing on all layers (31) is plotted on every copper layer, as a through pad.
inline bool IsSurfacePad(const CopperPad& pad) { return pad.style == kPadSingleLayer && pad.layer != 31; }

// Pads of the placed part `index` of the current store, appended to `out`. A pad that is not
// drilled through every layer lies where its part stands, as the layer films plot it.
void AppendPartPads(int index, std::vector<CopperPad>& out);
// Pads of parts (and, with freePads, of kind-13 records) among objects first..last.
std::vector<CopperPad> CollectCopperPads(int first, int last, bool freePads);
// The pad of a free kind-13 record.
CopperPad FreePad(int index);

// Half sizes of a pad whose part is turned by `rotation`: exchanged for quarter turns only.
void PadHalfSizes(int32_t sizeX, int32_t sizeY, int32_t rotation, int32_t& hx, int32_t& hy);
