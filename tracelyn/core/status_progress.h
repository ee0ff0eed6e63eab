#pragma once
// The progress of a long board operation in the main frame's status bar, defined by the
// workspace. Mode 1 starts it with the range 0..total; mode 4 ends it and clears the pane;
// any other mode shows text with the share done in pane 0.

#include <string_view>

inline constexpr int kProgressStart = 1;
inline constexpr int kProgressUpdate = 0;
inline constexpr int kProgressEnd = 4;

void SetStatusBarProgress(double done, double total, std::string_view text, int mode);
