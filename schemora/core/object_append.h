#pragma once
// The one way new records enter the current object store. Every path that adds objects (drawing
// tools, copies, part placement, junction dots, pastes) goes through AppendObjects, so a full
// store refuses cleanly instead of overwriting its last record.

#include "schemora/core/draw_object.h"

// How a refusal is reported: a message box every time, or only the first time in the process
// (automatic junction dots, which are refused silently after that).
enum class FullStoreReport { Always, Once };

// Appends n empty records (kind 0, no data) after the current object count, raises the count
// (the document's too, marking it modified, as SetObjectCount does) and returns the index of
// the first. When the n records do not all fit below kMaxObjectCount + 1, nothing changes,
// the user is told and 0 is returned.
int AppendObjects(int n, FullStoreReport report = FullStoreReport::Always);

// Whether n more objects fit into the current store.
bool ObjectsFit(int n);

// Lowers the object count to count (the document's too): the records past it are released
// (their data freed, kind 0). Used to take appended objects back.
void TruncateObjects(int count);

// A drawing point held to the range the file keeps (16 bits).
int ClampDrawingCoordinate(long long value);

// ClearObjectType: deletes a record in place (kind 0; the count stays). Its data is freed first,
// so a deleted record never owns anything; an undo snapshot keeps its own copy.
void DeleteObject(int index);
