#include "common/usage_bar.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"

#include <algorithm>
#include <cmath>

void DrawUsageBar(plat::Dc& dc, const plat::Rect& client, double percent)
{
    const double held = std::isfinite(percent) ? std::clamp(percent, 0.0, 100.0) : 0.0;
    const int barEnd = static_cast<int>(client.right * held * 0.01);
    if (barEnd > client.left + 1)
        dc.FillRect(plat::Rect{client.left + 1, client.top + 1, barEnd, client.bottom - 1},
                    plat::Brush::solid(plat::rgb(255, 0, 0)));
    DrawUsageBarTicks(dc, client);
}

void DrawUsageBarTicks(plat::Dc& dc, const plat::Rect& client)
{
    const int step = (client.right - client.left) / 10;
    if (step <= 0)
        return;
    const int middle = (client.bottom - client.top) / 2;
    for (int x = client.left + step; x < client.right - step; x += step) {
        dc.SetPixel(x, middle, plat::rgb(0, 0, 0));
        dc.SetPixel(x, middle + 1, plat::rgb(0, 0, 0));
    }
}
