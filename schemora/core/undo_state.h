#pragma once
// Process-wide state of the undo ring: how many edits can be undone.

struct UndoRing {
    int depth = 0;
};
extern UndoRing g_undoRing;
