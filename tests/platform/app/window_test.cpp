#include "platform/app/message_pump.h"
#include "platform/app/program.h"
#include "platform/core/test_ui_host.h"
#include "platform/app/wnd_state.h"
#include "platform/gdi/dc.h"
#include "qt_scroll_actions.h"
#include "sample_run_fixture.h"

#include <QScrollBar>

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

namespace {

using namespace sample;

struct Windows : SampleRunTest {
    void SetUp() override { startSample(true); }
};

TEST_F(Windows, TimersTickOnTheTestClockUntilKilled)
{
    SampleMainFrame* frame = app().mainFrame();
    frame->SetTimer(185, 500);
    frame->SetTimer(1027, 300000);
    host.advance(1000);
    EXPECT_EQ(log(), (std::vector<std::string>{"main timer 185", "main timer 185"}));
    EXPECT_EQ(host.timerPeriod(frame, 1027), 300000u);
    frame->SetTimer(185, 200);   // setting it again restarts it with the new period
    log().clear();
    host.advance(400);
    EXPECT_EQ(log().size(), 2u);
    frame->KillTimer(185);
    log().clear();
    host.advance(1000);
    EXPECT_TRUE(log().empty());

    // A window's timers end with the window.
    frame->DestroyWindow();
    EXPECT_EQ(host.timerPeriod(frame, 1027), 0u);
}

TEST_F(Windows, PaintsWaitForTheQueueUnlessUpdatedNow)
{
    SampleView* v = view();
    ASSERT_TRUE(v->IsWindow());
    plat::DispatchPendingPaints();
    const int drawn = v->draws;
    EXPECT_EQ(v->backingPixel(2, 2), 0xFF0000u);   // OnDraw filled red (0x0000FF as BGR)

    v->fill = plat::rgb(0, 0, 255);
    v->Invalidate();
    EXPECT_EQ(v->draws, drawn) << "invalidating does not paint";
    EXPECT_TRUE(plat::paintsPending());
    v->UpdateWindow();
    EXPECT_EQ(v->draws, drawn + 1);
    EXPECT_EQ(v->backingPixel(2, 2), 0x0000FFu);
    EXPECT_FALSE(plat::paintsPending());

    v->fill = plat::rgb(0, 255, 0);
    v->RedrawWindow(nullptr, plat::kRdwInvalidate | plat::kRdwErase | plat::kRdwUpdateNow);
    EXPECT_EQ(v->draws, drawn + 2);
    EXPECT_EQ(v->backingPixel(2, 2), 0x00FF00u);

    // An overlay drawn right after the synchronous redraw stays on the window's image.
    {
        plat::ClientDC dc(v);
        dc->SetROP2(plat::kR2Not);
        dc->MoveTo(0, 5);
        dc->LineTo(10, 5);
    }
    EXPECT_EQ(v->backingPixel(3, 5), 0xFF00FFu);
    plat::DispatchPendingPaints();
    EXPECT_EQ(v->draws, drawn + 2);
    EXPECT_EQ(v->backingPixel(3, 5), 0xFF00FFu);

    // Drawing it again in the inverting mode erases it.
    plat::Dc* dc = v->GetDC();
    dc->SetROP2(plat::kR2Not);
    dc->MoveTo(0, 5);
    dc->LineTo(10, 5);
    v->ReleaseDC(dc);
    EXPECT_EQ(v->backingPixel(3, 5), 0x00FF00u);

    // The queue paints a window once however often it was invalidated.
    v->Invalidate();
    v->InvalidateRect(nullptr);
    plat::DispatchPendingPaints();
    EXPECT_EQ(v->draws, drawn + 3);
}

TEST_F(Windows, ScrollBarsKeepTheProgramsPositions)
{
    SampleView* v = view();
    plat::ScrollInfo info;
    info.mask = plat::kSifAll | plat::kSifDisableNoScroll;
    info.min = 0;
    info.max = 1000;
    info.page = 100;
    info.pos = 950;
    v->SetScrollInfo(plat::kSbVert, info);
    EXPECT_EQ(v->GetScrollPos(plat::kSbVert), 901) << "the position stops where the page reaches the end";
    EXPECT_EQ(v->SetScrollPos(plat::kSbVert, 10), 901);
    plat::ScrollInfo back;
    v->GetScrollInfo(plat::kSbVert, &back);
    EXPECT_EQ(back.pos, 10);
    EXPECT_EQ(back.page, 100u);
    // The base scroll view moves nothing when scroll messages arrive.
    v->SendMessage(plat::kWmVScroll, plat::kSbPageDown);
    v->SendMessage(plat::kWmVScroll, plat::kSbEndScroll);
    EXPECT_EQ(v->GetScrollPos(plat::kSbVert), 10);
}

// A window that keeps the scroll codes its own scroll bar sends.
struct ScrolledWindow : plat::Wnd {
    std::vector<unsigned> codes;
    void OnVScroll(unsigned code, unsigned, plat::Control*) override { codes.push_back(code); }
};

TEST_F(Windows, QtScrollBarsSendTheScrollOfEachAction)
{
    ScrolledWindow w;
    ASSERT_TRUE(w.Create(view(), plat::kWsChild | plat::kWsVisible | plat::kWsVScroll, 1, plat::Rect{0, 0, 100, 100}));
    plat::ScrollInfo info;
    info.mask = plat::kSifAll;
    info.max = 1000;
    info.page = 100;
    info.pos = 500;
    w.SetScrollInfo(plat::kSbVert, info);
    QScrollBar* bar = w.state()->surface->verticalScrollBar();
    // A window's own bar also tells of the thumb dragged.
    std::vector actions(std::begin(kQtScrollActions), std::end(kQtScrollActions));
    actions.emplace_back(QAbstractSlider::SliderMove, plat::kSbThumbTrack);
    for (const auto& [action, code] : actions) {
        SCOPED_TRACE(code);
        w.codes.clear();
        bar->triggerAction(action);
        EXPECT_EQ(w.codes, std::vector<unsigned>{code});
    }
    w.DestroyWindow();
}

}  // namespace
