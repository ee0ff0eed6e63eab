#pragma once
// How the routing code changes the current store: one append routine that refuses cleanly when
// the store is full, removal of what a failed step appended, and the undo entry of a routing
// operation (a copy of the words it may change, bound to its document).

#include "tracelyn/core/board_object.h"

#include <cstdint>
#include <vector>

struct BoardDocumentData;

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

// The state of the current store before a routing operation: the words of every record that
// owns no heap data (routing never touches parts, texts or polygons) and the count. Restoring
// puts those words back and drops every record appended since.
class RouteSnapshot {
public:
    RouteSnapshot();
    bool restore() const;   // false when the snapshot's document is no longer current
    int count() const { return count_; }
    BoardDocumentData* document() const { return document_; }
private:
    BoardDocumentData* document_ = nullptr;
    int count_ = 0;
    std::vector<BoardObject> words_;
};

// The undo entries of routing operations, newest last, at most five (the oldest goes).
void PushRouteUndo(RouteSnapshot snapshot);
// Undoes the newest entry of the active document; false when it has none.
bool UndoRouteOperation();
// Forgets the entries of a document that closes (all of them for null).
void ForgetRouteUndo(const BoardDocumentData* document);
int RouteUndoDepth();
