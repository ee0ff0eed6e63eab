#pragma once
// Scaling the selected objects about a reference point (Edit > Advanced > Scale, and the DXF
// import, which halves what it read), and selecting every object of a sheet that the
// selective-editing switches allow.

#include <span>
#include <vector>

// Scales the objects whose indexes are listed, on the current drawing layer, about (refX, refY):
// points by their own axis's factor, sizes by the x factor; placed parts only move their origin
// (with a beep). Then every object of the drawing is moved by one offset so that the drawing's
// extent is centred on (0, 0).
void ScaleObjects(std::span<const int> selection, float xFactor, float yFactor, int refX, int refY);
// The same for the program's selection (g_editState).
void ScaleObjects(float xFactor, float yFactor, int refX, int refY);

// Snaps a coordinate to the nearest multiple of step; a remainder of exactly half a step
// rounds toward zero.
int SnapToGridStep(int value, int step);
// Snaps every object of the current drawing layer (any object while either is "all layers") to
// the grid: both ends of lines and arrows, the first point of texts, dots, ellipses and placed
// parts. The caller takes the undo snapshot.
void ReGridObjects();

// Sheet value that stands for every sheet.
inline constexpr int kAllSheets = 999;
// Fills the program's selection with the live objects of sheet (or of every sheet) whose kind
// the selective-editing switches allow; dots and bookmarks are never selected here. Returns
// the number selected.
int SelectAllOnSheet(int sheet);
