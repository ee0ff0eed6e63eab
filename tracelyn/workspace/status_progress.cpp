// The progress bar of long board operations (flood fill and others), placed over the status
// bar's message pane while the operation runs.
#include "tracelyn/core/status_progress.h"

#include "platform/app/control_bars.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/win_app.h"
#include "tracelyn/core/workspace_services.h"

#include <cmath>
#include <limits>

namespace {

constexpr int kProgressLeft = 120;
constexpr int kProgressRight = 260;
constexpr int kProgressInset = 2;

plat::StatusBar* frameStatusBar()
{
    plat::FrameWnd* frame = plat::GetMainWnd();
    return frame != nullptr ? frame->statusBar() : nullptr;
}

// A count from outside the bar's reach (negative, huge, not a number) is held to its range.
int barValue(double value)
{
    if (!(value > 0))
        return 0;
    return value >= std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(std::trunc(value));
}

}  // namespace

void SetStatusBarProgress(double done, double total, std::string_view text, int mode)
{
    plat::StatusBar* bar = frameStatusBar();
    if (bar == nullptr)
        return;
    if (mode == kProgressStart) {
        if (!bar->hasProgress()) {
            const plat::Rect pane = bar->GetItemRect(kPaneMessage);
            bar->CreateProgress({pane.left + kProgressLeft, pane.top + kProgressInset, pane.left + kProgressRight,
                                 pane.bottom - kProgressInset},
                                barValue(total));
        }
        return;
    }
    if (mode == kProgressEnd) {
        bar->DestroyProgress();
        bar->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwUpdateNow);
        return;
    }
    SetStatusText(text, kPaneMessage);
    bar->SetProgressPos(barValue(done));
}
