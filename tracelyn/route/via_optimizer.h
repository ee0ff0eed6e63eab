#pragma once
// The via optimiser and the via adjustment. The optimiser moves short jogs between two vias to
// the other layer of their pair, a through pad's stub to the layer its route goes on after the
// first via, and a run between two vias to the layer on both sides of it, and removes the vias
// that then join traces of one layer only;
// the adjustment pushes vias (with the trace ends on them) away from pads and from each other
// where they are closer than the clearance. Neither ever joins or parts copper.

#include "platform/app/dialog.h"

#include <cstdint>
#include <string_view>

inline constexpr std::string_view kAdjustQuestion = "Adjust via positions for clearance?";
inline constexpr std::string_view kViasRemovedMessage = "Number of vias removed: %d\ntime=%.2f";

// "Trace/Via Optimization" (template 185): never shown; it carries the optimiser.
class COptimizeDlg : public plat::Dialog {
public:
    COptimizeDlg();
    // Report 1: the result box and the progress window closed at the end. Returns the vias
    // removed.
    int OptimizeVias(int report);
};

// Statistics the batch router shows (F12).
struct OptimizerStats {
    int32_t optimize1 = 0;
};
extern OptimizerStats g_optimizerStats;

// Moves traces of layer `from` (mode 1 horizontal, 2 vertical) standing between two vias to
// layer `to` where nothing stops it; returns the vias removed.
int FlipJogSegments(int mode, int from, int to, int viaLayer);
// A run of traces of one layer of the pair `even`, even + 1 that leaves a through pad and ends
// at a via moves to the via's other layer, and the via goes; returns the vias removed.
int RemovePadVias(int even);
// A run of traces between two vias of the pair `even`, even + 1, with the traces on both sides
// on the other layer, moves to that layer, and both vias go; returns the vias removed. Skipped
// when surface parts stand on both sides of the board.
int RemoveViaPairs(int even);
// Removes vias that join copper of one layer only; returns how many.
int RemoveRedundantVias();
// 1 when every trace ending on via `index` lies on one layer.
int ViaJoinsOneLayer(int index);

// Asks first; returns the number of vias adjusted (-1 when the answer was No).
int AdjustViaPositions();
