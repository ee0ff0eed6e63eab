#pragma once
// Process-wide values of the routing subsystem that the board core reads or resets. The
// routing subsystem owns their meaning; the settings, the strategy files and the board reader
// only store them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int kRouterValues = 9;
inline constexpr int kRouterLayerSwitches = 31;
// The fourth router value is the routing grid's command id; 702 is the 25-mil grid.
inline constexpr int kRouterGridValue = 3;
inline constexpr int32_t kRouterFineGridCommand = 702;

struct RouterState {
    int32_t ratsNestCount = 0;                  // unrouted connections; 0 after new or read
    // Via size, via hole, trace width, grid command, trace sort, buried flag, final vias,
    // maximum length, initial vias.
    std::array<int32_t, kRouterValues> values{400, 200, 120, 703, 1026, 0, 5, 24000, 2};
    int32_t gridPitch = 500;                    // follows the grid command (RouterGridPitch)
    int32_t passes = 3;
    std::array<int32_t, kRouterLayerSwitches> layerSwitches{};   // 1: the router may use it
    int32_t vccNet = 0;
    int32_t groundNet = 0;
    std::string netlistName;
};
extern RouterState g_router;

// The routing grid pitch in design units for a grid command: 250 for the 25-mil grid, else 500.
constexpr int32_t RouterGridPitch(int32_t gridCommand)
{
    return gridCommand == kRouterFineGridCommand ? 250 : 500;
}

// After a board was opened from the command line: runs the "Batch Router Setup" dialog and, on
// OK, routes the board over its netlist.
void OfferBatchRoute();

// Gives the placed parts new reference numbers in board order, per reference letter, from
// `start`; type is a letter or "ALL" (any case). withUndo 1 first records every object in an
// undo snapshot. The gates of a multi-gate package share one number.
void RenumberReferences(int start, std::string_view type, int withUndo);
// Gives the newly placed part `index` the number after the highest of its letter (gate 0),
// leaving every other reference as it is.
void NumberNewPart(int index);
