#pragma once
// Scaling the selected objects about a reference point (Edit > Advanced > Scale, and the DXF
// import, which halves what it read), and selecting every object of a sheet that the
// selective-editing switches allow.

#include <span>
#include <vector>

// Scales the objects whose indexes are listed, on the current drawing layer, about (refX, refY):
// points by their own axis's factor, sizes by the x factor; placed parts only move their origin
// (with a beep). Then the whole drawing is moved so that its extent is centred on (0, 0).
void ScaleObjects(std::span<const int> selection, float xFactor, float yFactor, int refX, int refY);
// The same for the program's selection (g_editState).
void ScaleObjects(float xFactor, float yFactor, int refX, int refY);

// Sheet value that stands for every sheet.
inline constexpr int kAllSheets = 999;
// Fills the program's selection with the live objects of sheet (or of every sheet) whose kind
// the selective-editing switches allow; dots and bookmarks are never selected here. Returns
// the number selected.
int SelectAllOnSheet(int sheet);
