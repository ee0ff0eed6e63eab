#pragma once
// The progress of a long board operation in the main frame's status bar, defined by the
// workspace. Mode 1 (kProgressStart) starts it with the range 0..total; mode 4 (kProgressEnd)
// ends it; any other mode shows the text in pane 0 and moves the bar to done.

#include "tracelyn/core/router_progress.h"

#include <string_view>

void SetStatusBarProgress(double done, double total, std::string_view text, int mode);
