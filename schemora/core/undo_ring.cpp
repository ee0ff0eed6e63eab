#include "schemora/core/undo_ring.h"

#include "schemora/core/undo_state.h"

UndoRing g_undoRing;

void ClearUndoRing() { g_undoRing.depth = 0; }
