#pragma once
// How the routing code changes the current store: appending through the store's one append
// routine (which refuses cleanly when the store is full), removal of what a failed step
// appended, and the undo step of a routing operation on the board's undo ring.

#include "tracelyn/core/board_object.h"
#include "tracelyn/core/board_undo.h"

#include <cstdint>

// Set when an append was refused because the store is full; the batch router reads it.
struct RouteStoreState {
    bool full = false;
};
extern RouteStoreState g_routeStore;

// Appends `object` as record count + 1 of the current store and returns its index; 0 (store
// untouched, g_routeStore.full set) when the store is full.
int AppendRouteObject(const BoardObject& object);
// Removes records from `count` + 1 to the end (their data freed) and sets the count to `count`.
void TruncateObjects(int count);
// A plain record of `kind` on `layer` with points (x1, y1)-(x2, y2).
BoardObject MakeRouteObject(int kind, int layer, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// Before a routing operation changes the current store: one undo step that restores every
// object as it is now (or only object `only`) and drops whatever is appended after this
// point, so Edit > Undo takes the whole operation back.
void PushRouteUndo(int only = 0);
// The same step for the whole store, kept by the caller: an operation that moves records
// before it routes (the batch run's netlist read drops the rats-nest lines) copies the store
// first and pushes the copy with PushPreparedUndo once it goes ahead.
BoardUndoEntry RouteUndoSnapshot();
