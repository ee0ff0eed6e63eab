#include "tracelyn/core/blink_marker.h"

#include "platform/app/frame_wnd.h"
#include "platform/app/win_app.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"
#include "tracelyn/core/board_palette.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/tracelyn_view.h"

namespace {

constexpr int kMarkHalf = 30;

struct Blink {
    int ticks = 0;
    int kind = 7;
};
Blink g_blink;

void drawMark()
{
    plat::FrameWnd* main = plat::GetMainWnd();
    auto* view = main ? dynamic_cast<CTracelynView*>(main->GetActiveView()) : nullptr;
    if (view == nullptr || !view->IsWindow())
        return;
    plat::ClientDC dc(view);
    view->PrepareViewDC(dc);
    // White backgrounds take the not-xor pen, others the plain inversion.
    dc->SetROP2(RoleColor(kRoleBackground) == 7 ? plat::kR2NotXorPen : plat::kR2Not);
    dc->SelectObject(plat::Brush::hollow());
    const int x = g_board.viewOriginX, y = g_board.viewOriginY;
    const int half = kMarkHalf;
    if (g_blink.kind == 2)
        dc->Rectangle(x - half, y - half, x + half, y + half);
    else
        dc->Ellipse(x - half, y - half, x + half, y + half);
}

}  // namespace

void BlinkMarker(int phase, int kind)
{
    if (phase == 0) {
        g_blink = {0, kind};
        if (plat::FrameWnd* main = plat::GetMainWnd())
            main->SetTimer(kBlinkTimer, kBlinkPeriod);
    }
    AdvanceBlinkMarker();
}

void AdvanceBlinkMarker()
{
    if (g_blink.ticks >= kBlinkTicks) {
        if (plat::FrameWnd* main = plat::GetMainWnd())
            main->KillTimer(kBlinkTimer);
        return;
    }
    ++g_blink.ticks;
    drawMark();
}

int BlinkTicks()
{
    return g_blink.ticks;
}
