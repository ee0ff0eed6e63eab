#pragma once
// Process-wide values that the board program's start-up prepares before the first board is
// drawn, and the layer-viewing mode flip behind the Single/2-Layer command.

#include <array>
#include <cstdint>

// The Selective Editing switches: 1 lets selection and editing act on that kind of object.
// Start-up turns them all on; the Selective Editing dialog and toolbar change them.
inline constexpr int kSelectiveEditSwitchCount = 10;
struct SelectiveEditSwitches {
    std::array<int32_t, kSelectiveEditSwitchCount> on{};
};
extern SelectiveEditSwitches g_selectiveEdit;

// Every selective-editing switch on; the router allowed the top layer and layer 1 only; both
// package tables empty; the board program's "Out of string space" text for failed copies.
void PrepareProcessTables();

// The selection list: 32,000 zeroed entries and count 0. False when memory runs out.
bool AllocateSelectionList();

// Flips the layer viewing mode (g_edit.layerViewMode) between one layer (1040) and the layer
// pair (1041); any mode other than 1040 counts as the pair. Returns the toolbar image of the
// Single/2-Layer button for the new mode: 0 for one layer, 5 for the pair.
int FlipLayerViewMode();
// The mode that FlipLayerViewMode turns into `mode`: start-up stores it, then flips, so that
// the toolbar follows the mode of the settings.
int32_t LayerViewModeBefore(int32_t mode);
