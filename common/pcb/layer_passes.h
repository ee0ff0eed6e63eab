#pragma once
// Which objects a repaint paints in which layer pass. A repaint paints in kLayerPasses passes
// of kSubPasses sub-passes each: the copper layers from L15 up to the top layer (pass 15 -
// layer), then the paste view (pass 16), the other layers and the packages' silk (pass 17) and
// the planes' thermal pads (pass 18); within a sub-pass, objects are painted in slot order.
// Whether and how an object is painted depends on the object and the view's layer settings,
// never on the pass it is asked about, so it is decided once per object and repaint.

#include "common/pcb/board_colors.h"
#include "common/pcb/board_object.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace pcb {

inline constexpr int kLayerPasses = 19;
inline constexpr int kSubPasses = 3;
inline constexpr int kPassSteps = kLayerPasses * kSubPasses;   // (pass, sub-pass) pairs
inline constexpr int kPastePass = 16;

// The layer settings of the view, read once per repaint.
struct LayerRules {
    int current = 0;           // the current layer
    bool pairView = false;     // layer pair view: the other layer of the pair counts as the current one
    bool showTop = false;      // top and bottom silk shown in the copy mode
    bool showBottom = false;
    bool copy = true;          // painting in the copy mode (not a raster mode for ghosts and marks)
    // Copper layers 0-15 shown besides the current one ("layers" switches).
    std::array<bool, 16> additional{};
};

// The VCC, ground and power layers, which are painted as planes with their objects as gaps.
bool IsPlaneLayer(int layer);

// What a repaint does with one object.
struct ObjectPasses {
    int slot = 0;
    int color = 0;         // the logical colour it is painted in
    bool mask = false;     // seen through the solder mask (its pads are drawn enlarged)
    bool paste = false;    // seen through the paste layer, in the paste pass
    bool silk = false;     // a placed part: its package's silk is drawn in the silk step
    uint64_t steps = 0;    // bit pass * kSubPasses + sub: the object is painted in that sub-pass

    bool paintedIn(int step) const { return (steps >> step & 1) != 0; }
};

// The step in which placed parts have their package's silk drawn, after their own paint there.
inline constexpr int kSilkStep = 17 * kSubPasses + 1;

// colors: the logical colours of the layers' roles.
ObjectPasses PassesOf(const BoardObject& o, int slot, const LayerRules& rules, const BoardColors& colors);

// The objects of one repaint in painting order: for each step, the indexes into `objects` of
// those painted in it or given their silk there, in the order of `objects` (slot order).
class PassOrder {
public:
    explicit PassOrder(std::span<const ObjectPasses> objects);

    std::span<const int> at(int step) const
    {
        const auto first = static_cast<size_t>(start_[static_cast<size_t>(step)]);
        const auto end = static_cast<size_t>(start_[static_cast<size_t>(step) + 1]);
        return std::span<const int>(order_).subspan(first, end - first);
    }

private:
    std::array<int, kPassSteps + 1> start_{};
    std::vector<int> order_;
};

}  // namespace pcb
