#pragma once
// What one board layer puts on film: the board's objects and the placed packages' pads, silk
// and labels, in board units, handed out as draws, arcs, flashes and filled regions. The
// photoplot writer and its aperture pass walk the same artwork, so every width the writer
// selects has been registered before the first record is written.

#include "tracelyn/route/gerber_primitives.h"

#include <cstdint>
#include <functional>
#include <span>

// Where the draws that follow come from: the board object's index and, for a placed part, the
// package record being drawn (0 for the object itself, kArtworkPartLabel for the part's label).
struct ArtworkSource {
    int object = 0;
    int record = 0;
};
inline constexpr int kArtworkPartLabel = -1;

class ArtworkSink {
public:
    virtual ~ArtworkSink() = default;
    // Called before the draws of each object and package record; writers of film ignore it.
    virtual void from(const ArtworkSource& /*source*/) {}
    virtual void line(int x1, int y1, int x2, int y2, int width) = 0;
    // A corner: a straight run, then a quarter arc (PlotCornerArc's rule).
    virtual void cornerArc(int x1, int y1, int x2, int y2, int width) = 0;
    // One quarter circle about (x2, y1) (PlotArc's rule).
    virtual void arc(int x1, int y1, int x2, int y2, int width) = 0;
    virtual void flash(int x, int y, const Aperture& aperture) = 0;
    virtual void region(std::span<const int32_t> points) = 0;
};

// Layers that get a file: the copper layers 0-15, silk 16-17, mask 18-19, paste 20-21, the
// planes 22-23 and 26-29, and the outline 25.
bool IsPlotLayer(int layer);

// Walks objects 1..count of the current board (g_board) for one layer.
void WalkLayerArtwork(int layer, ArtworkSink& sink);

// The copper pads and holes the drill file needs: every pad with a hole, board or package.
struct DrillHit {
    int32_t x = 0;
    int32_t y = 0;
    int32_t diameter = 0;
};
void WalkDrillHits(const std::function<void(const DrillHit&)>& sink);
