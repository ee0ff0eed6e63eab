#pragma once
// The one way objects are added to the current store. Every editing path (drawing tools,
// typed text, bookmarks, copies, pasting, filling, routing, the rats nest) takes its new
// record here, so a full store refuses in one place instead of overwriting the last object.

#include "tracelyn/core/board_object.h"

// Appends one record after the current count and returns its index, or 0 when the store is
// full ("Warning:Maximum memory used..." once per process; nothing changes). The record starts
// zeroed: whatever a reused slot still held is freed first. The count (global and the active
// document's) and the modified flag are updated.
int AppendObject();

// The record AppendObject handed out, or null when it refused.
BoardObject* AppendedObject(int index);

// The count the current store may reach: the board's 31,990, or a smaller store's (the
// footprint editor's) own capacity.
int StoreObjectLimit();

// Whether `more` further records fit into the current store.
bool StoreHasRoomFor(int more);

// Takes back object `index` that an edit appended and no longer wants (a click without a drag,
// a refused pad, an empty typed line): its data freed, the record deleted, the count lowered
// when it is the last object, and the appended undo step that made it dropped.
void TakeBackAppendedObject(int index);
