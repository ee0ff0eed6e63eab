#include "schemora/core/blink_marker.h"

#include "platform/app/frame_wnd.h"
#include "platform/app/view.h"
#include "platform/app/win_app.h"
#include "platform/gdi/dc.h"
#include "resources/schemora/schemora_ids.h"
#include "schemora/core/paint_style.h"

namespace {

// Client pixels about the window centre: the circle is 28 across, the square 60.
constexpr int kCircleHalf = 14;
constexpr int kSquareHalf = 30;

struct Blink {
    const plat::View* view = nullptr;   // compared only, never followed after a tick checks it
    int ticks = 0;
    int kind = kBlinkCircle;
    bool shown = false;
};
Blink g_blink;

plat::View* activeView()
{
    plat::FrameWnd* main = plat::GetMainWnd();
    return main ? main->GetActiveView() : nullptr;
}

void killTimer()
{
    if (plat::FrameWnd* main = plat::GetMainWnd())
        main->KillTimer(scm::kTimerBlinkMarker);
}

// Inverts the marker in the view's window: a second call restores the pixels.
void invert(plat::View& view)
{
    plat::ClientDC dc(&view);
    SelectProgramPalette(dc);
    const int saved = dc->SetROP2(plat::kR2Not);
    const ScopedPen pen(dc, MakePen(kRoleEdit, 0, 1));
    const ScopedBrush brush(dc, plat::stockBrush(plat::kNullBrush));
    const plat::Rect client = view.clientRect();
    const int x = (client.left + client.right) / 2;
    const int y = (client.top + client.bottom) / 2;
    if (g_blink.kind == kBlinkSquare)
        dc->Rectangle(x - kSquareHalf, y - kSquareHalf, x + kSquareHalf, y + kSquareHalf);
    else
        dc->Ellipse(x - kCircleHalf, y - kCircleHalf, x + kCircleHalf, y + kCircleHalf);
    dc->SetROP2(saved);
    g_blink.shown = !g_blink.shown;
}

}  // namespace

void BlinkMarker(plat::View& view, int kind)
{
    StopBlinkMarker(true);
    g_blink = {&view, 0, kind, false};
    if (plat::FrameWnd* main = plat::GetMainWnd())
        main->SetTimer(scm::kTimerBlinkMarker, kBlinkPeriodMs);
    invert(view);
}

void AdvanceBlinkMarker()
{
    plat::View* view = activeView();
    if (g_blink.view == nullptr || view != g_blink.view || !view->IsWindow()) {
        g_blink = {};
        killTimer();
        return;
    }
    ++g_blink.ticks;
    if (g_blink.ticks > kBlinkMaxTicks) {
        StopBlinkMarker(true);
        return;
    }
    invert(*view);
}

void StopBlinkMarker(bool erase)
{
    plat::View* view = activeView();
    if (erase && g_blink.shown && view != nullptr && view == g_blink.view && view->IsWindow())
        invert(*view);
    g_blink.shown = false;
    g_blink.view = nullptr;
    killTimer();
}

int BlinkMarkerTicks() { return g_blink.ticks; }

bool BlinkMarkerShown() { return g_blink.shown; }
