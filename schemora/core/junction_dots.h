#pragma once
// Automatic junction dots: with "AutoDots" on, the dots of a sheet are recomputed from its wires
// and part pins after every edit, so that wires meeting in a T, three wire ends meeting, and wire
// ends and pin ends meeting with a third connection are joined for the netlister.

// UpdateJunctionDots: deletes the dots of the current sheet of the current drawing and places
// new ones. Does nothing while automatic dots are off. Dots that no longer fit into a full store
// are left out (the user is told once).
void UpdateJunctionDots();
// RefreshJunctionDots: UpdateJunctionDots for every sheet of the active document.
void RefreshJunctionDots();
// RefreshDotsAfterEdit's work: the update when the drawing layer is 0 or all layers.
void RefreshDotsOfEdit();
// AddJunctionDot: a dot at (x, y) on sheet, unless one is there already; reuses a deleted record
// of that sheet before it appends. Returns false when the store had no room.
bool AddJunctionDot(int x, int y, int sheet);
// Installs the dots refresh into the edit engine and the undo ring.
void InstallJunctionDotHooks();
