#include "schemora/netlist/fourier_display.h"

#include "platform/app/page_printing.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/simulation_ids.h"
#include "schemora/netlist/instrument_plot.h"
#include "schemora/netlist/instrument_windows.h"
#include "schemora/netlist/netlist_text.h"
#include "schemora/netlist/sim_traces.h"
#include "schemora/netlist/spice_directives.h"

#include <algorithm>

using namespace scm;

CFourierDlg theFourierDlg;

namespace {

constexpr double kPhaseFactors[] = {0.1, 0.2, 0.5, 1, 2, 5, 10};
constexpr double kMagnitudeFactors[] = {10, 20, 50, 100, 200, 500, 1000};
constexpr const char* kZoomTexts[] = {".1X", ".2X", ".5X", "1X", "2X", "5X", "10X"};
constexpr int kZoomLast = 6;

constexpr plat::ColorRef kBackground = plat::rgb(0, 0, 0);
constexpr plat::ColorRef kMagnitudeBar = plat::rgb(0, 255, 255);
constexpr plat::ColorRef kPhaseBar = plat::rgb(255, 255, 0);
constexpr plat::ColorRef kScale = plat::rgb(192, 192, 192);

void dottedLine(plat::Dc& dc, int x1, int y, int x2)
{
    const plat::Pen pen(plat::kPsDot, 0, kScale);
    const plat::Pen old = dc.SelectObject(pen);
    dc.MoveTo(x1, y);
    dc.LineTo(x2, y);
    dc.SelectObject(old);
}

void bar(plat::Dc& dc, int x, int width, int from, int to, plat::ColorRef color)
{
    if (from == to)
        return;
    dc.FillRect(plat::Rect{x, std::min(from, to), x + width, std::max(from, to)}, plat::Brush::solid(color));
}

}  // namespace

int NextZoomIndex(int index, int delta) { return std::clamp(delta == -1 ? index + 1 : index - 1, 0, kZoomLast); }

void DrawFourierPlot(plat::Dc& dc, const plat::Rect& rect, bool printing)
{
    if (!printing)
        dc.FillRect(rect, plat::Brush::solid(kBackground));
    const plat::Rect r{rect.left + 20, rect.top, rect.right, rect.bottom - 20};
    const int phaseZero = r.bottom - r.height() * 3 / 4;
    dottedLine(dc, r.left, r.bottom, r.right);
    dottedLine(dc, r.left, phaseZero, r.right);
    const double phaseFactor = kPhaseFactors[std::clamp(g_instrumentSettings.phaseZoom, 0, kZoomLast)];
    const double magnitudeFactor = kMagnitudeFactors[std::clamp(g_instrumentSettings.magnitudeZoom, 0, kZoomLast)];
    const int pitch = std::max(4, r.width() / (kHarmonics + 1));
    const int width = std::max(2, pitch / 4);
    dc.SetTextColor(printing ? plat::rgb(0, 0, 0) : kScale);
    dc.SetBkMode(plat::kTransparent);
    for (int k = 0; k < kHarmonics; ++k) {
        const int x = r.left + pitch * (k + 1) - width;
        const double magnitude = std::clamp(magnitudeFactor * g_simTraces.fourierMagnitude[static_cast<size_t>(k)], -1e6, 1e6);
        const double phase = std::clamp(phaseFactor * g_simTraces.fourierPhase[static_cast<size_t>(k)], -1e6, 1e6);
        bar(dc, x, width, r.bottom, r.bottom - static_cast<int>(magnitude), kMagnitudeBar);
        bar(dc, x + width, width, phaseZero, phaseZero - static_cast<int>(phase), kPhaseBar);
        dc.TextOut(x, r.bottom + 4, netlist::Format("%d", k + 1));
    }
    DrawInstrumentGraticule(dc, r, false);
    dc.SetTextColor(printing ? plat::rgb(0, 0, 0) : kScale);
    dc.SetBkMode(plat::kTransparent);
    for (int n = 1; n * 20 < 300; ++n) {
        const std::string up = netlist::Format("%d", static_cast<int>(n * 20 / phaseFactor));
        const std::string down = netlist::Format("%d", -static_cast<int>(n * 20 / phaseFactor));
        if (phaseZero - n * 20 > r.top)
            dc.TextOut(rect.left, phaseZero - n * 20 - 6, up);
        if (phaseZero + n * 20 < r.bottom)
            dc.TextOut(rect.left, phaseZero + n * 20 - 6, down);
    }
    for (int n = 1; r.bottom - n * 20 > phaseZero; ++n)
        dc.TextOut(r.right - 40, r.bottom - n * 20 - 6, netlist::Format("%0.1f", n * 20 / magnitudeFactor));
}

CFourierDlg::CFourierDlg() : plat::Dialog(kIddFourier)
{
    onNotify(kIdcPhaseSpin, plat::kUdnDeltaPos, &CFourierDlg::OnPhaseZoom);
    onNotify(kIdcMagnitudeSpin, plat::kUdnDeltaPos, &CFourierDlg::OnMagnitudeZoom);
    onCommand(kIdcFourierPrint, &CFourierDlg::OnPrint);
}

bool CFourierDlg::Open(plat::Wnd* parent) { return OpenInstrumentWindow(*this, parent); }

bool CFourierDlg::OnInitDialog()
{
    FindAnalysisDirectives();
    if (g_analysisDirectives.fourierIndex > 0)
        ReadFourierResults();
    else
        plat::MessageBoxId(kStrFourierNotSelected);
    showZoomTexts();
    MoveWindow(60, 80, 560, 400);
    return true;
}

void CFourierDlg::OnClose() { DestroyWindow(); }

void CFourierDlg::showZoomTexts()
{
    SetDlgItemText(kIdcPhaseZoom, kZoomTexts[std::clamp(g_instrumentSettings.phaseZoom, 0, kZoomLast)]);
    SetDlgItemText(kIdcMagnitudeZoom, kZoomTexts[std::clamp(g_instrumentSettings.magnitudeZoom, 0, kZoomLast)]);
}

void CFourierDlg::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    if (ctlId == kIdcPlot && item.dc)
        DrawFourierPlot(*item.dc, item.rcItem, false);
}

void CFourierDlg::RedrawPlot()
{
    showZoomTexts();
    if (plat::Control* plot = GetDlgItem(kIdcPlot))
        plot->RedrawWindow();
}

void CFourierDlg::OnPhaseZoom()
{
    const plat::Control* spin = GetDlgItem(kIdcPhaseSpin);
    g_instrumentSettings.phaseZoom = NextZoomIndex(g_instrumentSettings.phaseZoom, spin ? spin->lastSpinDelta() : 1);
    RedrawPlot();
}

void CFourierDlg::OnMagnitudeZoom()
{
    const plat::Control* spin = GetDlgItem(kIdcMagnitudeSpin);
    g_instrumentSettings.magnitudeZoom = NextZoomIndex(g_instrumentSettings.magnitudeZoom, spin ? spin->lastSpinDelta() : 1);
    RedrawPlot();
}

void CFourierDlg::OnPrint()
{
    const plat::Control* plot = GetDlgItem(kIdcPlot);
    const plat::Rect rect = plot ? plot->clientRect() : plat::Rect{0, 0, 400, 300};
    const auto result = plat::printOnePage("Fourier", [&](plat::Dc& dc) {
        PreparePrintedPlot(dc, rect);
        DrawFourierPlot(dc, rect, true);
    });
    if (result == plat::PagePrintResult::Failed)
        plat::MessageBox("Error in starting print Job");
}
