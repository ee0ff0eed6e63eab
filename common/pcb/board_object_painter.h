#pragma once
// Painting the objects of a store: one object by its kind in one sub-pass, and a whole repaint's
// objects in the order of the layer passes. Placed parts, whose packages only the board
// program holds, are painted by the caller's hooks.

#include "common/pcb/board_object.h"
#include "common/pcb/layer_passes.h"
#include "common/pcb/paint_frame.h"

#include <functional>
#include <span>

namespace plat { class Dc; }

namespace pcb {

// Paints an object that is neither a placed part nor the board outline in sub-pass `sub` (the
// shapes in 0 and 2, pads and texts in 1, thermal pads again in 2) in logical colour
// `layerColor`; a text keeps the width it was painted with in word 7.
void PaintBoardObject(const PaintFrame& f, plat::Dc& dc, BoardObject& o, int sub, int layerColor);

// What a board repaint adds to the layer passes. The frame handed to a hook carries the mask
// and paste flags of the object.
struct PassHooks {
    // A placed part in its sub-pass 1, in its layer colour.
    std::function<void(const PaintFrame&, BoardObject&, int color)> paintPart;
    // A placed part's package silk, in the silk step.
    std::function<void(const PaintFrame&, BoardObject&)> paintSilk;
    // After each layer pass.
    std::function<void()> afterPass;
};

// Paints objects[p.slot] for every p of passes in the order of the layer passes.
void PaintInPasses(const PaintFrame& f, plat::Dc& dc, BoardObject* objects, std::span<const ObjectPasses> passes,
                   const PassHooks& hooks);

}  // namespace pcb
