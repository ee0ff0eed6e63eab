#pragma once
// The schematic undo ring: the last edits with snapshots of the objects they changed.

// Empties the ring (a new or reloaded drawing cannot be undone into the previous one).
void ClearUndoRing();
