#pragma once
// Keyboard commands on the selection: drawing order, moving it home, selecting every editable
// object.

inline constexpr int kReorderToBack = 32822;   // Ctrl+B
inline constexpr int kReorderToFront = 66;     // Ctrl+T

// With exactly one object selected (never the outline, object 1): Ctrl+B exchanges it with
// object 2 (painted first), Ctrl+T with the last object (painted on top). Both records are in
// one undo snapshot. The selection is emptied.
void ReorderSelectedObject(int command);

// Home: the selection moves so that the last click point lands on the package origin, in one
// undo step; the selection is emptied.
void MoveSelectionHome();

// Every object whose kind the Selective Editing switches allow (the outline and deleted
// records never). Returns the count.
int SelectEditableObjects();
