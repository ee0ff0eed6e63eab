#include "sim_test_support.h"

#include "platform/app/win_constants.h"
#include "platform/gdi/recording_dc.h"
#include "resources/schemora/simulation_ids.h"
#include "schemora/netlist/fourier_display.h"
#include "schemora/netlist/instrument_plot.h"
#include "schemora/netlist/instrument_windows.h"

#include <algorithm>
#include <set>

using namespace netlist_test;
using namespace scm;

namespace {

class Instruments : public SimFixture {
protected:
    void TearDown() override
    {
        CloseInstrumentWindows();
        SimFixture::TearDown();
    }
    int count(const plat::RecordingDc& dc, const std::string& name) const
    {
        const auto& calls = dc.calls();
        return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const plat::DcCall& c) { return c.name == name; }));
    }
};

TEST_F(Instruments, ScopeOpensOnceAndItsFirstPaintShowsTheDemonstrationTraces)
{
    ASSERT_TRUE(theScopeDlg.Open(nullptr));
    EXPECT_FALSE(theScopeDlg.Open(nullptr));
    EXPECT_EQ(g_simTraces.instrumentMode, kInstrumentAnalog);
    plat::RecordingDc dc;
    plat::DrawItem item;
    item.dc = &dc;
    item.rcItem = {0, 0, 400, 400};
    theScopeDlg.OnDrawItem(kIdcPlot, item);
    EXPECT_EQ(g_simTraces.lastModeDrawn, kInstrumentAnalog);
    EXPECT_EQ(g_simTraces.samples[1][0], 1500);            // cosine of trace 2
    EXPECT_EQ(theScopeDlg.GetDlgItemText(kIdcTraceFirst), "trace1");
    EXPECT_GE(count(dc, "LineTo"), 8 * 300);               // eight traces across the plot
    // All 400 samples do not fit 400 pixels at zoom 1 only just: the bar is enabled.
    theScopeDlg.OnClose();
    EXPECT_EQ(g_simTraces.instrumentMode, kInstrumentClosed);
    EXPECT_FALSE(theScopeDlg.IsWindow());
}

// The scope opens small; its rows of trace buttons follow the plot's height, never more than
// eight, and the plot draws the traces whose buttons show.
TEST_F(Instruments, ScopeOpensSmallAndShowsTheTraceRowsItsPlotHasRoomFor)
{
    ASSERT_TRUE(theScopeDlg.Open(nullptr));
    plat::Rect window;
    theScopeDlg.GetWindowRect(&window);
    EXPECT_EQ(window.left, 50);
    EXPECT_EQ(window.top, 75);
    EXPECT_EQ(window.width(), 300);
    EXPECT_EQ(window.height(), 200);
    const auto shownRows = [] {
        int rows = 0;
        for (unsigned t = 0; t < 8; ++t) {
            const bool trace = theScopeDlg.GetDlgItem(kIdcTraceFirst + t)->IsWindowVisible();
            EXPECT_EQ(theScopeDlg.GetDlgItem(kIdcStepFirst + t)->IsWindowVisible(), trace) << t;
            EXPECT_EQ(theScopeDlg.GetDlgItem(kIdcOffsetFirst + t)->IsWindowVisible(), trace) << t;
            if (trace) {
                EXPECT_EQ(static_cast<int>(t), rows) << "the rows shown are the first ones";
                ++rows;
            }
        }
        return rows;
    };
    EXPECT_LT(shownRows(), 8) << "a small window shows only the first rows";

    struct Case {
        int plotHeight;
        int rows;
    };
    for (const Case c : {Case{100, 2}, Case{300, 6}, Case{2000, 8}, Case{150, 3}}) {
        SCOPED_TRACE(c.plotHeight);
        // A window that changes its size lays itself out for its plot's new height.
        theScopeDlg.GetDlgItem(kIdcPlot)->MoveWindow(0, 0, 400, c.plotHeight);
        theScopeDlg.MoveWindow(50, 75, 600, c.plotHeight + 100);
        EXPECT_EQ(shownRows(), c.rows);
        EXPECT_EQ(theScopeDlg.visibleTraces(), c.rows);
        plat::RecordingDc dc;
        plat::DrawItem item{.ctlId = kIdcPlot, .dc = &dc, .rcItem = {0, 0, 400, c.plotHeight}};
        theScopeDlg.OnDrawItem(kIdcPlot, item);
        std::set<plat::ColorRef> traced;
        for (const plat::DcCall& call : dc.calls())
            if (call.name == "LineTo")
                for (int t = 0; t < 7; ++t)
                    if (call.pen.color == TraceColor(t))
                        traced.insert(call.pen.color);
        EXPECT_EQ(static_cast<int>(traced.size()), std::min(c.rows, 7)) << "trace 8 shares the cursor's white";
    }
}

// Each trace button shows the trace's name (at most seven characters) in the trace's colour
// on the button face.
TEST_F(Instruments, TraceButtonsShowTheirTracesNameInTheTracesColour)
{
    ASSERT_TRUE(theLogicAnalyzerDlg.Open(nullptr));
    g_simTraces.names[10] = "counter_bit";
    for (unsigned t : {0u, 10u}) {
        SCOPED_TRACE(t);
        plat::RecordingDc dc;
        plat::DrawItem item{.ctlId = kIdcTraceFirst + t, .dc = &dc, .rcItem = {0, 0, 80, 24}};
        theLogicAnalyzerDlg.OnDrawItem(kIdcTraceFirst + t, item);
        const auto& calls = dc.calls();
        const auto text = std::find_if(calls.begin(), calls.end(), [](const plat::DcCall& c) { return c.name == "TextOut"; });
        ASSERT_NE(text, calls.end());
        EXPECT_EQ(text->text, g_simTraces.names[t].substr(0, 7));
        EXPECT_EQ(text->textColor, TraceColor(static_cast<int>(t)));
        EXPECT_EQ(TraceColor(static_cast<int>(t)), TraceColor(static_cast<int>(t % 8)));
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.front().name, "FillRect");
        EXPECT_EQ(calls.front().brush.color, plat::GetSysColor(plat::kColorBtnFace));
    }
}

TEST_F(Instruments, ButtonsStayWithinTheirRanges)
{
    ASSERT_TRUE(theScopeDlg.Open(nullptr));
    theScopeDlg.RedrawPlot();   // the first paint loads the store
    g_simTraces.stepIndex[0] = 8;
    theScopeDlg.PressButton(kIdcStepFirst);
    EXPECT_EQ(g_simTraces.stepIndex[0], 8);
    EXPECT_EQ(theScopeDlg.GetDlgItemText(kIdcStepFirst), "50v/div");
    theScopeDlg.PressButton(kIdcPlusMinus);
    EXPECT_EQ(theScopeDlg.GetDlgItemText(kIdcPlusMinus), "-");
    g_simTraces.stepIndex[1] = 0;
    theScopeDlg.PressButton(kIdcStepFirst + 1);
    EXPECT_EQ(g_simTraces.stepIndex[1], 0);
    theScopeDlg.PressButton(kIdcPlusMinus);

    g_instrumentSettings.offsets[0] = 60;
    theScopeDlg.PressButton(kIdcOffsetFirst);
    EXPECT_EQ(g_instrumentSettings.offsets[0], 60);
    g_instrumentSettings.offsets[0] = 55;
    theScopeDlg.PressButton(kIdcOffsetFirst);
    EXPECT_EQ(g_instrumentSettings.offsets[0], 60);
    theScopeDlg.PressButton(kIdcResetOffsets);
    EXPECT_EQ(g_instrumentSettings.offsets[0], 0);

    g_instrumentSettings.zoomIndex = 3;
    theScopeDlg.PressButton(kIdcTime);
    EXPECT_EQ(g_instrumentSettings.zoomIndex, 3);
    EXPECT_TRUE(host.shown("beep"));
}

TEST_F(Instruments, TheTimeCursorAndTheOffsetHandlesFollowTheMouse)
{
    ASSERT_TRUE(theScopeDlg.Open(nullptr));
    theScopeDlg.RedrawPlot();
    plat::Control* plot = theScopeDlg.GetDlgItem(kIdcPlot);
    ASSERT_NE(plot, nullptr);
    plot->MoveWindow(0, 0, 400, 300);
    const plat::Rect r = plot->clientRect();
    ASSERT_GT(r.width(), 200);
    const auto mouse = [&](unsigned message, unsigned flags, int x, int y) {
        plot->SendMessage(message, flags, plat::makePointParam({x, y}));
    };
    g_instrumentSettings.cursorX = 50;
    // Taken at the top of its line, the cursor follows the pointer until the button is let go.
    mouse(plat::kWmLButtonDown, plat::kMkLButton, 53, 4);
    mouse(plat::kWmMouseMove, plat::kMkLButton, 120, 60);
    EXPECT_EQ(g_instrumentSettings.cursorX, 120);
    mouse(plat::kWmLButtonUp, 0, 120, 60);
    mouse(plat::kWmMouseMove, plat::kMkLButton, 180, 60);
    EXPECT_EQ(g_instrumentSettings.cursorX, 120) << "released";
    // Pressed away from the top of the line it stays.
    mouse(plat::kWmLButtonDown, plat::kMkLButton, 120, 40);
    mouse(plat::kWmMouseMove, plat::kMkLButton, 200, 40);
    mouse(plat::kWmLButtonUp, 0, 200, 40);
    EXPECT_EQ(g_instrumentSettings.cursorX, 120);

    // The second trace's handle moves its trace by what the pointer moved.
    g_instrumentSettings.offsets[1] = 0;
    const int handle = OffsetHandleY(r, 1);
    mouse(plat::kWmLButtonDown, plat::kMkLButton, r.left + 1, handle + 1);
    mouse(plat::kWmMouseMove, plat::kMkLButton, r.left + 1, handle + 25);
    EXPECT_EQ(g_instrumentSettings.offsets[1], 25);
    mouse(plat::kWmLButtonUp, 0, r.left + 1, handle + 25);
    EXPECT_EQ(g_instrumentSettings.draggedTrace, -1);
    EXPECT_EQ(g_instrumentSettings.offsets[0], 0) << "other traces stay";

    // With the handles switched off in the setup there is nothing to take.
    g_instrumentSettings.offsetHandles = 0;
    mouse(plat::kWmLButtonDown, plat::kMkLButton, r.left + 1, OffsetHandleY(r, 1));
    mouse(plat::kWmMouseMove, plat::kMkLButton, r.left + 1, OffsetHandleY(r, 1) + 30);
    mouse(plat::kWmLButtonUp, 0, r.left + 1, 0);
    EXPECT_EQ(g_instrumentSettings.offsets[1], 25);
    g_instrumentSettings.offsetHandles = 1;
    g_instrumentSettings.offsets[1] = 0;
}

TEST_F(Instruments, TimeButtonWithEverythingVisibleKeepsTheThumbAtZero)
{
    g_simTraces.sampleCount = 10;
    for (int zoom = 0; zoom < kZoomCount; ++zoom) {
        SCOPED_TRACE(zoom);
        g_instrumentSettings.zoomIndex = zoom;
        EXPECT_EQ(ScrollThumb(5, false, 400), 0);
        EXPECT_EQ(ClampScrollPosition(-5, false, 400), 0);
        EXPECT_EQ(ClampScrollPosition(50, false, 400), 0);
    }
    g_simTraces.sampleCount = 400;
    g_instrumentSettings.zoomIndex = 1;   // 200 samples visible, 200 to scroll
    EXPECT_EQ(ScrollThumb(100, false, 400), 200);
    EXPECT_EQ(ClampScrollPosition(300, false, 400), 200);
}

TEST_F(Instruments, AnalyzerDrawsLevelsAndLetters)
{
    g_simTraces.instrumentMode = kInstrumentDigital;
    g_simTraces.lastModeDrawn = kInstrumentDigital;
    g_simTraces.digitalCount = 4;
    const char levels[] = {'0', '1', 'X', '1'};
    for (int i = 0; i < 4; ++i)
        g_simTraces.samples[0][static_cast<size_t>(i)] = levels[i];
    g_instrumentSettings.zoomIndex = 3;
    plat::RecordingDc dc;
    DrawInstrumentPlot(dc, {0, 0, 400, 300}, true, 1, false);
    const auto& calls = dc.calls();
    EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [](const plat::DcCall& c) { return c.name == "TextOut" && c.text == "x"; }));
    EXPECT_EQ(TimePerDivisionText(true), "t=10.0ns/div");
    EXPECT_EQ(CursorReadout(7, true, 1), "t=7");
}

TEST_F(Instruments, FourierWarnsWithoutItsDirectiveAndZoomsStopAtTheEnds)
{
    ASSERT_TRUE(theFourierDlg.Open(nullptr));
    EXPECT_TRUE(host.shown("message box: Warning Fourier analysis not selected\nThis is selected in SPICE setup."));
    theFourierDlg.OnClose();
    EXPECT_EQ(NextZoomIndex(6, -1), 6);
    EXPECT_EQ(NextZoomIndex(0, 1), 0);
    EXPECT_EQ(NextZoomIndex(3, -1), 4);

    label(0, 0, "#.FOUR 1K V(OUT)");
    writeResult(".out", "Harmonic Frequency\n--\n       1 1000          1 -90 0.5\n");
    host.clearEvents();
    ASSERT_TRUE(theFourierDlg.Open(nullptr));
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_DOUBLE_EQ(g_simTraces.fourierMagnitude[0], 0.5);
    g_instrumentSettings.magnitudeZoom = 6;
    theFourierDlg.GetDlgItem(kIdcMagnitudeSpin)->spin(-1);
    EXPECT_EQ(g_instrumentSettings.magnitudeZoom, 6);
    EXPECT_EQ(theFourierDlg.GetDlgItemText(kIdcMagnitudeZoom), "10X");
    theFourierDlg.GetDlgItem(kIdcPhaseSpin)->spin(1);
    EXPECT_EQ(g_instrumentSettings.phaseZoom, 0);
    EXPECT_EQ(theFourierDlg.GetDlgItemText(kIdcPhaseZoom), ".1X");
    plat::RecordingDc dc;
    DrawFourierPlot(dc, {0, 0, 400, 300}, false);
    EXPECT_GE(count(dc, "FillRect"), 2);   // background and the first harmonic's bars
}

// The Fourier plot carries the instruments' graticule (dots), or their axis ticks with the
// graticule switched off.
TEST_F(Instruments, FourierPlotDrawsTheInstrumentsGraticuleAndAxis)
{
    g_instrumentSettings.graticule = 1;
    plat::RecordingDc dots;
    DrawFourierPlot(dots, {0, 0, 400, 300}, false);
    EXPECT_GE(count(dots, "SetPixel"), 30 * 25);
    g_instrumentSettings.graticule = 0;
    plat::RecordingDc axis;
    DrawFourierPlot(axis, {0, 0, 400, 300}, false);
    EXPECT_EQ(count(axis, "SetPixel"), 0);
    // A tick every ten pixels along the bottom, from the left edge moved in by 20.
    int ticks = 0;
    for (const plat::DcCall& c : axis.calls())
        ticks += c.name == "LineTo" && c.args.size() == 2 && (c.args[1] == 282 || c.args[1] == 285);
    EXPECT_GE(ticks, 35);
    g_instrumentSettings.graticule = 1;
}

}  // namespace
