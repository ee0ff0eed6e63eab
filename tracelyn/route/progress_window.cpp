#include "tracelyn/route/progress_window.h"

#include "common/usage_bar.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/route/route_windows.h"

#include <cmath>
#include <cstdio>

ProgressState g_progress;

namespace {

constexpr double kMaxPercent = 99.9;

}  // namespace

double ProgressPercent(float done, float total)
{
    const double percent = static_cast<double>(done) * 100.0 / static_cast<double>(total);
    if (std::isnan(percent) || percent < 0)
        return 0;
    return percent > kMaxPercent ? kMaxPercent : percent;
}

std::string ProgressPercentText(double percent)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", percent);
    return text;
}

void PaintProgressBar(plat::Dc& dc, const plat::Rect& client, double percent)
{
    const int barEnd = static_cast<int>(client.right * percent * 0.01);
    const plat::Pen oldPen = dc.SelectObject(plat::Pen(plat::kPsNull, 0, plat::rgb(0, 0, 0)));
    const plat::Brush oldBrush = dc.SelectObject(plat::Brush::solid(plat::rgb(255, 0, 0)));
    dc.Rectangle(client.left + 1, client.top + 1, barEnd, client.bottom - 1);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    DrawUsageBarTicks(dc, client);
}

void ShowProgressWindow(float done, float total, const char* text, int mode)
{
    switch (mode) {
    case kProgressStart:
        if (g_progress.shown == 0) {
            g_progress.shown = 1;
            CreateProgressWindow();
        }
        return;
    case kProgressEnd:
        CloseProgressWindow();
        return;
    default:
        break;
    }
    if (total == 0.0f || g_progress.shown == 0)
        return;
    const double percent = ProgressPercent(done, total);
    UpdateProgressWindow(percent, ProgressPercentText(percent), text != nullptr ? text : "");
}

void ShowProgressStep(int done, int total, const char* text)
{
    ShowProgressWindow(static_cast<float>(done), static_cast<float>(total), text, kProgressUpdate);
    PumpMessage();
}

void CloseProgressWindow()
{
    g_progress.shown = 0;
    DestroyProgressWindow();
}
