#pragma once
// The visible grid (dots, or the polar grid's circles and axes) and the rulers along the top
// and left edges of the view.

#include <string>

namespace plat { class Dc; }

inline constexpr int kRulerWidth = 16;
// The ruler's tick step in mils by zoom index.
inline constexpr int kRulerSteps[10] = {4, 5, 10, 20, 25, 50, 100, 200, 500, 1000};
// The ruler painter's divisor; 1 in every state of the program.
inline constexpr int RulerDivisor = 1;

void DrawGrid(plat::Dc& dc);
void DrawRulers(plat::Dc& dc);

// The label of a ruler tick: value with "%.1f", a fraction between 0 and 1 as ".%.0f" of its
// tenths ("-.%.0f" below 0).
std::string RulerLabel(double value);
