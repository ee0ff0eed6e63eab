#pragma once
// The board editor's undo ring: the last five editing steps of the program, each either a run
// of appended objects (kind 1) or a snapshot of the selected objects before they were changed
// in place (kind 4). One ring serves every board window and the footprint editor; an entry
// remembers the document it belongs to, and undoing it from another document's view empties
// the ring instead of restoring into the wrong store.
//
// Snapshots own private copies of everything they restore (texts, part labels, vertex lists,
// the outline's segment block), so nothing an undo writes back can have been freed meanwhile.

#include "tracelyn/core/board_object.h"

#include <array>
#include <cstdint>
#include <vector>

class CTracelynDoc;

inline constexpr int kUndoSteps = 5;
inline constexpr int32_t kUndoAppended = 1;
inline constexpr int32_t kUndoModified = 4;

// One snapshot slot: the object's index and a copy of the object.
struct UndoSlot {
    int32_t index = 0;
    OwnedObject object;
};

struct BoardUndoEntry {
    int32_t kind = 0;
    int32_t baseCount = 0;              // kind 1: the count before the append; kind 4 (routing):
                                        // when set, the objects after it go on undo
    int32_t count = 0;                  // kind 1: objects appended; kind 4: slots held
    const CTracelynDoc* document = nullptr;   // null for the footprint editor
    std::vector<UndoSlot> snapshot;     // kind 4: one slot per selection entry
};

struct BoardUndoRing {
    std::array<BoardUndoEntry, kUndoSteps> entries;
    int head = 0;                       // the slot the next push writes
    int depth = 0;                      // entries that can be undone
};
extern BoardUndoRing g_undo;

// Records the current SelectionList as a kind-4 entry and marks the owner (document or
// footprint editor) modified. An index outside the store shows "Push Stack Error"; the entry
// then holds the slots copied so far.
void PushUndoSnapshot();

// Records that `count` objects were appended after `baseCount` (a kind-1 entry).
void PushAppendedStep(int baseCount, int count);

// Puts an entry the caller filled on the ring for the current owner and marks the owner
// modified: an operation that must copy the store before a step that moves its records (which
// empties the ring) pushes the copy once that step is done.
void PushPreparedUndo(BoardUndoEntry entry);

// Writes an entry back into the current store without the ring: an operation that fails after
// such a step leaves the store as it found it.
void RestoreUndoEntry(BoardUndoEntry& entry);

// The newest entry, or null when the ring is empty.
BoardUndoEntry* NewestUndoEntry();

// Takes the newest entry off the ring without restoring anything (a command that pushed a
// step and wants to push a fuller one instead).
void DropNewestUndoEntry();

// The result of UndoLastStep.
enum class UndoOutcome {
    Nothing,        // the ring was empty
    Undone,         // the newest entry was taken back
    Cleared,        // the entry belonged to another document: the ring was emptied
};

// Takes the newest entry back into the current store (loaded by the caller from
// viewDocument, or the footprint editor's). Kind 1 deletes exactly the objects it appended
// (freeing their data) and lowers the count over trailing deleted records, never below 1;
// kind 4 writes the snapshot back and empties the selection.
UndoOutcome UndoLastStep(const CTracelynDoc* viewDocument);

// Frees every entry and sets head and depth to 0: on close, new, Clear, and when records of
// the store move to other indexes.
void ClearUndoRing();

// Entries that can be undone (0 to 5): Edit > Undo is greyed at 0.
int UndoDepth();
