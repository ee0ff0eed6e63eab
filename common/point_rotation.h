#pragma once
// Rotation of one point about a centre, shared by the painters, the editing code and the DXF
// writers of both editors. Offsets are rounded with RoundHalfTowardZero so that a shape rotated
// on screen and the same shape written to a file land on the same integer points.

// Rotates (x, y) about (cx, cy) by angle radians; with mirror the x offset is subtracted.
void RotatePointByAngle(int cx, int cy, int* x, int* y, double angle, bool mirror);
