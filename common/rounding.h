#pragma once
// Rounding of coordinates and values that reach a file, a report or the screen. The two
// editors round exact halves differently and files written by each rely on it.

// Nearest integer; exact halves go toward zero (2.5 -> 2, -2.5 -> -2).
int RoundHalfTowardZero(double value);
// Nearest integer; exact halves go up (2.5 -> 3, -2.5 -> -2).
int RoundHalfUp(double value);
