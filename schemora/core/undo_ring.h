#pragma once
// The schematic undo ring: the last ten edits of one drawing.
//
// Two kinds of step: objects appended (kind 1: the operation added records at the end of the
// store) and objects changed (kind 2: copies of the records taken before they were changed).
// Every step owns what it restores (snapshot records carry their own texts, part names and
// point lists) and remembers the store it was made for: undo in another drawing empties the
// ring instead of writing one drawing's records into another.

#include "schemora/core/draw_object.h"

#include <memory>
#include <span>
#include <vector>

inline constexpr int kUndoSteps = 10;

// One recorded step.
struct DrawUndoEntry {
    struct Slot {
        int index = 0;           // 1-based object index
        DrawObject object;       // owned copy (released with the entry)
    };
    int kind = 0;                // 0 empty, 1 appended, 2 changed
    int objectCount = 0;         // kind 1: the count when recorded; kind 2: number of slots
    int appendedCount = 0;       // kind 1
    std::vector<Slot> slots;     // kind 2
    const DrawObject* store = nullptr;   // the object store the step belongs to

    DrawUndoEntry() = default;
    ~DrawUndoEntry() { clear(); }
    DrawUndoEntry(const DrawUndoEntry&) = delete;
    DrawUndoEntry& operator=(const DrawUndoEntry&) = delete;
    // Frees the owned copies and empties the entry.
    void clear();
};

// Records a kind-1 step: `appended` objects were just appended to the current store.
void RecordAppendedStep(int appended);
// Records a kind-2 step with copies of the selected objects (SelectionList) and marks the
// drawing modified; the routines that change objects in place call it first.
void PushUndoSnapshot();
// The same for an explicit list of object indexes (entries below 1 are skipped).
void PushUndoSnapshotOf(std::span<const int> indexes);
// Adds a copy of object `index` to the most recent kind-2 step (an object that the operation
// under way turns out to change as well, such as a wire absorbed by a merge). Nothing happens
// when the last step is not a kind-2 step of this drawing or already holds the object.
void AddToLastUndoSnapshot(int index);
// Takes the most recent step back without applying it (an operation that turned out to change
// nothing, such as copies dropped where they were made).
void WithdrawLastUndoStep();
// Edit > Undo: applies and drops the most recent step. Returns false when there was nothing to
// undo (or the step belonged to another drawing, which empties the ring).
bool UndoLastStep();
// Number of steps that can be undone (0 to 10).
int UndoDepth();
// Empties the ring (a new or reloaded drawing cannot be undone into the previous one).
void ClearUndoRing();
// The ring of the drawing beneath an editor that keeps its own steps (the part editor): set
// aside while the editor runs on an empty ring, given back when it ends, and the editor's steps
// freed with it.
struct UndoRingState;
class SetAsideUndoRing {
public:
    SetAsideUndoRing();
    ~SetAsideUndoRing();
    SetAsideUndoRing(const SetAsideUndoRing&) = delete;
    SetAsideUndoRing& operator=(const SetAsideUndoRing&) = delete;

private:
    std::unique_ptr<UndoRingState> saved_;
};

// Called after a kind-1 undo took objects back, so junction dots can be recomputed; null: none.
using UndoRefreshHook = void (*)();
void SetUndoRefreshHook(UndoRefreshHook hook);
