// The status bar's progress for long board operations: the share done follows the text in
// pane 0, so no extra control sits over the pane.
#include "tracelyn/core/status_progress.h"

#include "tracelyn/core/workspace_services.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

struct StatusProgress {
    bool shown = false;
    double total = 0;
};
StatusProgress g_statusProgress;

}  // namespace

void SetStatusBarProgress(double done, double total, std::string_view text, int mode)
{
    if (mode == kProgressStart) {
        if (!g_statusProgress.shown)
            g_statusProgress = {true, std::max(0.0, std::trunc(total))};
        return;
    }
    if (mode == kProgressEnd) {
        g_statusProgress = {};
        SetStatusText("", kPaneMessage);
        return;
    }
    std::string line(text);
    if (g_statusProgress.shown && g_statusProgress.total > 0) {
        char share[32];
        std::snprintf(share, sizeof share, " %d%%",
                      static_cast<int>(std::clamp(done / g_statusProgress.total, 0.0, 1.0) * 100));
        line += share;
    }
    SetStatusText(line, kPaneMessage);
}
