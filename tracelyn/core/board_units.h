#pragma once
// Lengths between the board's internal units (tenths of a mil), mils and millimetres, as the
// setup dialogs show and read them.

#include <cstdint>

// Internal units in mils.
double UnitsToMils(int32_t units);
// Mils in millimetres, in steps of 0.0025 mm (halves of a step upward).
double MilsToMm(double mils);
// Mils in internal units, an exact half rounded up; far out-of-range values are held at the
// ends of the 32-bit range.
int32_t MilsToUnits(double mils);
// A length shown in the units in force (mils, or millimetres when metric), and back to mils.
double ShownLength(int32_t units, bool metric);
double TypedMils(double typed, bool metric);
