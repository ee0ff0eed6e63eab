#pragma once
// The zoom scales the board program and both library editors offer, as the View > Scale items and
// the scale combos name them.

#include <array>

inline constexpr std::array<const char*, 10> kScaleLabels = {"20%",  "25%",  "50%",   "100%",  "125%",
                                                             "250%", "500%", "1000%", "2500%", "5000%"};
