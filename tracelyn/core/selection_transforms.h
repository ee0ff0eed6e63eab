#pragma once
// Rotate, mirror and flip the selection, erase it, and mark the objects' origins.

namespace plat { class Dc; }

inline constexpr int kTransformRotate = 1311;
inline constexpr int kTransformMirror = 1312;
inline constexpr int kTransformFlip = 1313;

// Turns the selected objects by the rotation angle (1311), mirrors them left to right (1312)
// or flips them top to bottom (1313): about the centre of a window selection, else each about
// its own first point. One undo snapshot first; the board is repainted.
void TransformSelection(int command);

// Del: records an undo snapshot and deletes the selected objects (their data freed), with the
// progress window when more than 60 go from a board of more than 600. Returns the number erased.
int EraseSelection();
// Object n becomes a deleted record; what it owned is freed.
void EraseObject(int n);

// Edit > Origin: an inverted cross at the first point of every live object of the current layer.
void DrawObjectOrigins(plat::Dc& dc);

// The rotation step of Rotate in tenths of a degree (the rotation angle setting).
int RotationStep();
