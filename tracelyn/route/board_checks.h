#pragma once
// Small board-wide operations of the menus: the design-rule settings, re-gridding the selected
// objects, the artwork statistics box, and clearing the rats nest and the loaded netlist.

#include <cstdint>
#include <string>
#include <string_view>

// Design-rule clearances in board units. The design-rules dialog edits them; the necking
// dialog shares the pad-to-trace value.
struct DesignRuleClearances {
    int32_t padToVia = 100;
    int32_t padToTrace = 100;
    int32_t traceToTrace = 100;
};
extern DesignRuleClearances g_designRules;

// A clearance as the design-rules dialog shows it: mils with "%.1f", or millimetres with "%.3g".
std::string ClearanceFieldText(int32_t value, bool metric);
// A typed clearance (at most 20 characters are read) in board units: mils x 10 truncated, or
// millimetres converted and rounded.
int32_t ClearanceFromField(std::string_view text, bool metric);

// c snapped to a grid of step g: a remainder of more than half a step moves one step further
// from zero. g must be positive.
int32_t RegridValue(int32_t c, int32_t g);

// Edit > Advanced > Re-grid Objects on the selection of the current store.
void RegridObjects();

// Aux > Statistics: the counts of the current store's objects in an information box; returns
// the text shown.
std::string ShowArtworkStatistics();

// Deletes the rats-nest lines (kind 16) of the current store and, after "Clear net names?"
// (asked unless silent), forgets the loaded netlist. Returns the answer (kIdYes when silent),
// or 0 when no netlist was loaded.
int ClearNetNames(int silent);
