#include "schemora/netlist/instrument_windows.h"

#include "platform/app/page_printing.h"
#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/simulation_ids.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/netlist/fourier_display.h"
#include "schemora/netlist/instrument_plot.h"
#include "schemora/netlist/netlist_text.h"
#include "schemora/netlist/sim_traces.h"
#include "schemora/netlist/step_control.h"

#include <algorithm>

using namespace scm;

CScopeDlg theScopeDlg;
CLogicAnalyzerDlg theLogicAnalyzerDlg;

namespace {

constexpr int kOffsetLow = -20;
constexpr int kOffsetHigh = 60;
constexpr int kLineScroll = 5;
constexpr size_t kTraceButtonChars = 7;
// A trace row's height in eighths of the horizontal dialog base unit: the scope's rows carry
// three buttons, the analyzer's one.
constexpr int kScopeRowEighths = 48;
constexpr int kAnalyzerRowEighths = 13;
// Where the window opens: a small window beside the drawing.
constexpr plat::Rect kOpeningRect{50, 75, 350, 275};
// Before its first layout the plot of the opening window is about this much less tall than the
// window (the bottom rows of buttons, the scroll bar and the caption).
constexpr int kOpeningBottomBand = 90;

int rowPixels(bool digital)
{
    const int unit = static_cast<int>(plat::GetDialogBaseUnits() & 0xFFFF);
    return std::max(1, unit * (digital ? kAnalyzerRowEighths : kScopeRowEighths) / 8);
}

int modeOf(bool digital) { return digital ? kInstrumentDigital : kInstrumentAnalog; }

}  // namespace

void CloseInstrumentWindows()
{
    for (plat::Dialog* dialog : {static_cast<plat::Dialog*>(&theScopeDlg), static_cast<plat::Dialog*>(&theLogicAnalyzerDlg),
                                 static_cast<plat::Dialog*>(&theFourierDlg), static_cast<plat::Dialog*>(&theStepControlDlg)})
        if (dialog->IsWindow())
            dialog->DestroyWindow();
    g_simTraces.instrumentMode = kInstrumentClosed;
}

// ---- CInstrumentDlg ----

CInstrumentDlg::CInstrumentDlg(unsigned templateId, bool digital) : plat::Dialog(templateId), digital_(digital)
{
    onCommand(kIdcTime, &CInstrumentDlg::OnTime);
    onCommand(kIdcPlusMinus, &CInstrumentDlg::OnPlusMinus);
    onCommand(kIdcPrint, &CInstrumentDlg::OnPrint);
    onCommand(kIdcInstrumentSetup, &CInstrumentDlg::OnSetup);
}

bool OpenInstrumentWindow(plat::Dialog& dialog, plat::Wnd* parent)
{
    if (dialog.IsWindow())
        return false;
    return dialog.Create(dialog.templateId(), parent);
}

bool CInstrumentDlg::Open(plat::Wnd* parent) { return OpenInstrumentWindow(*this, parent); }

bool CInstrumentDlg::OnInitDialog()
{
    g_simTraces.instrumentMode = modeOf(digital_);
    g_instrumentSettings.plus = 1;
    SetDlgItemText(kIdcPlusMinus, "+");
    if (plat::Control* bar = GetDlgItem(kIdcScroll))
        bar->SetRange(0, kShownSamples);
    visibleTraces_ = -1;
    layOutTraceRows(kOpeningRect.height() - kOpeningBottomBand, false);
    MoveWindow(kOpeningRect);
    return true;
}

void CInstrumentDlg::OnSize(unsigned, int, int)
{
    if (const plat::Control* plot = GetDlgItem(kIdcPlot))
        layOutTraceRows(plot->clientRect().height(), true);
}

void CInstrumentDlg::layOutTraceRows(int plotHeight, bool redraw)
{
    const int visible = std::clamp(plotHeight / rowPixels(digital_), 0, traceCount());
    if (visible == visibleTraces_)
        return;
    visibleTraces_ = visible;
    for (int t = 0; t < traceCount(); ++t) {
        const int show = t < visible ? plat::kSwShow : plat::kSwHide;
        const unsigned row = static_cast<unsigned>(t);
        ShowDlgItem(kIdcTraceFirst + row, show);
        if (!digital_) {
            ShowDlgItem(kIdcStepFirst + row, show);
            ShowDlgItem(kIdcOffsetFirst + row, show);
        }
    }
    if (redraw)
        RedrawPlot();
}

void CInstrumentDlg::OnClose()
{
    DestroyWindow();
    g_simTraces.lastModeDrawn = kInstrumentClosed;
    g_simTraces.instrumentMode = kInstrumentClosed;
}

int CInstrumentDlg::plotWidth() const
{
    const plat::Control* plot = GetDlgItem(kIdcPlot);
    return plot ? plot->clientRect().width() : kShownSamples;
}

void CInstrumentDlg::showTraceNames()
{
    for (int t = 0; t < traceCount(); ++t) {
        const unsigned id = kIdcTraceFirst + static_cast<unsigned>(t);
        SetDlgItemText(id, g_simTraces.names[static_cast<size_t>(t)].substr(0, kTraceButtonChars));
        if (plat::Control* button = GetDlgItem(id))
            button->Invalidate();
    }
}

void CInstrumentDlg::drawTraceButton(unsigned ctlId, plat::DrawItem& item) const
{
    plat::Dc& dc = *item.dc;
    const plat::Rect& r = item.rcItem;
    dc.FillRect(r, plat::Brush::solid(plat::GetSysColor(plat::kColorBtnFace)));
    const plat::Pen light(plat::kPsSolid, 0, plat::GetSysColor(plat::kColorBtnHighlight));
    const plat::Pen dark(plat::kPsSolid, 0, plat::GetSysColor(plat::kColorBtnShadow));
    const plat::Pen old = dc.SelectObject(light);
    dc.MoveTo(r.left, r.bottom - 1);
    dc.LineTo(r.left, r.top);
    dc.LineTo(r.right - 1, r.top);
    dc.SelectObject(dark);
    dc.LineTo(r.right - 1, r.bottom - 1);
    dc.LineTo(r.left, r.bottom - 1);
    dc.SelectObject(old);
    const int trace = static_cast<int>(ctlId - kIdcTraceFirst);
    const std::string name = g_simTraces.names[static_cast<size_t>(trace)].substr(0, kTraceButtonChars);
    dc.SetTextColor(TraceColor(trace));
    dc.SetBkMode(plat::kTransparent);
    const plat::Size extent = dc.GetTextExtent(name);
    dc.TextOut(r.left + (r.width() - extent.cx) / 2, r.top + (r.height() - extent.cy) / 2, name);
}

void CInstrumentDlg::OnDrawItem(unsigned ctlId, plat::DrawItem& item)
{
    if (!item.dc)
        return;
    if (ctlId >= kIdcTraceFirst && ctlId < kIdcTraceFirst + static_cast<unsigned>(traceCount())) {
        drawTraceButton(ctlId, item);
        return;
    }
    if (ctlId != kIdcPlot)
        return;
    // The first paint, and every paint after the window changed its size, knows the plot's
    // height for certain.
    layOutTraceRows(item.rcItem.height(), false);
    if (g_simTraces.lastModeDrawn != modeOf(digital_)) {
        ResetInstrumentStore(digital_);
        g_simTraces.lastModeDrawn = modeOf(digital_);
        showTraceButtons();
    }
    DrawInstrumentPlot(*item.dc, item.rcItem, digital_, visibleTraces_, false);
    SetDlgItemText(kIdcTimePerDiv, TimePerDivisionText(digital_));
    if (plat::Control* bar = GetDlgItem(kIdcScroll)) {
        plat::ScrollInfo info;
        info.min = 0;
        info.max = TraceSpan(digital_);
        info.page = static_cast<unsigned>(VisibleSamples(item.rcItem.width()));
        info.pos = g_instrumentSettings.scrollPosition;
        bar->SetScrollInfo(info);
        bar->EnableWindow(info.max > static_cast<int>(info.page));
    }
}

void CInstrumentDlg::RedrawPlot()
{
    if (plat::Control* plot = GetDlgItem(kIdcPlot))
        plot->RedrawWindow();
}

void CInstrumentDlg::OnTime()
{
    const int next = g_instrumentSettings.zoomIndex + (g_instrumentSettings.plus ? 1 : -1);
    if (next < 0 || next >= kZoomCount) {
        plat::MessageBeep();
        return;
    }
    g_instrumentSettings.zoomIndex = next;
    const int width = plotWidth();
    const int cursorSample = g_instrumentSettings.cursorX / kZoomFactors[static_cast<size_t>(next)] + g_instrumentSettings.scrollPosition;
    g_instrumentSettings.scrollPosition = ClampScrollPosition(cursorSample - VisibleSamples(width) / 2, digital_, width);
    if (plat::Control* bar = GetDlgItem(kIdcScroll))
        bar->SetPos(ScrollThumb(g_instrumentSettings.scrollPosition, digital_, width));
    RedrawPlot();
}

void CInstrumentDlg::OnPlusMinus()
{
    g_instrumentSettings.plus = !g_instrumentSettings.plus;
    SetDlgItemText(kIdcPlusMinus, g_instrumentSettings.plus ? "+" : "-");
}

void CInstrumentDlg::OnHScroll(unsigned code, unsigned pos, plat::Control*)
{
    const int width = plotWidth();
    int& position = g_instrumentSettings.scrollPosition;
    switch (code) {
    case plat::kSbLineLeft: position = ClampScrollPosition(position - kLineScroll, digital_, width); break;
    case plat::kSbLineRight: position = ClampScrollPosition(position + kLineScroll, digital_, width); break;
    case plat::kSbThumbTrack: position = static_cast<int>(pos); break;
    case plat::kSbEndScroll:
        position = ClampScrollPosition(position, digital_, width);
        RedrawPlot();
        break;
    default: break;
    }
}

void CInstrumentDlg::OnPrint()
{
    const plat::Control* plot = GetDlgItem(kIdcPlot);
    const plat::Rect rect = plot ? plot->clientRect() : plat::Rect{0, 0, 400, 300};
    const auto result = plat::printOnePage(digital_ ? "Logic" : "Scope", [&](plat::Dc& dc) {
        PreparePrintedPlot(dc, rect);
        DrawInstrumentPlot(dc, rect, digital_, visibleTraces_, true);
    });
    if (result == plat::PagePrintResult::Failed)
        plat::MessageBox("Error in starting print Job");
}

// ---- CScopeDlg ----

CScopeDlg::CScopeDlg() : CInstrumentDlg(kIddScope, false)
{
    onCommandRange(kIdcStepFirst, kIdcStepFirst + 7, &CScopeDlg::OnStepButton);
    onCommandRange(kIdcOffsetFirst, kIdcOffsetFirst + 7, &CScopeDlg::OnOffsetButton);
    onCommand(kIdcResetOffsets, &CScopeDlg::OnResetOffsets);
}

bool CScopeDlg::OnInitDialog()
{
    CInstrumentDlg::OnInitDialog();
    showStepTexts();
    return true;
}

void CScopeDlg::showStepTexts()
{
    for (int t = 0; t < kScopeChannels; ++t) {
        const int step = std::clamp(g_simTraces.stepIndex[static_cast<size_t>(t)], 0, kStepCount - 1);
        SetDlgItemText(kIdcStepFirst + static_cast<unsigned>(t),
                       std::string(kStepTexts[static_cast<size_t>(step)]) + g_simTraces.unitLabel);
    }
}

void CScopeDlg::showTraceButtons()
{
    showTraceNames();
    showStepTexts();
}

void CScopeDlg::OnStepButton(unsigned id)
{
    int& step = g_simTraces.stepIndex[id - kIdcStepFirst];
    step = std::clamp(step + (g_instrumentSettings.plus ? 1 : -1), 0, kStepCount - 1);
    showStepTexts();
    RedrawPlot();
}

void CScopeDlg::OnOffsetButton(unsigned id)
{
    int& offset = g_instrumentSettings.offsets[id - kIdcOffsetFirst];
    const int change = g_instrumentSettings.offsetIncrement;
    offset = std::clamp(offset + (g_instrumentSettings.plus ? change : -change), kOffsetLow, kOffsetHigh);
    RedrawPlot();
}

void CScopeDlg::OnResetOffsets()
{
    g_instrumentSettings.offsets.fill(0);
    RedrawPlot();
}

void CScopeDlg::runSetup()
{
    CScopeSetupDlg dialog;
    if (dialog.DoModal() == plat::kIdOk)
        RedrawPlot();
}

// ---- CLogicAnalyzerDlg ----

CLogicAnalyzerDlg::CLogicAnalyzerDlg() : CInstrumentDlg(kIddAnalyzer, true) {}

bool CLogicAnalyzerDlg::OnInitDialog()
{
    CInstrumentDlg::OnInitDialog();
    for (int t = 0; t < kTraceChannels; ++t)
        g_simTraces.names[static_cast<size_t>(t)] = netlist::Format("trace%d", t + 1);
    return true;
}

void CLogicAnalyzerDlg::runSetup()
{
    CLogicSetupDlg dialog;
    if (dialog.DoModal() == plat::kIdOk)
        RedrawPlot();
}

// ---- setup dialogs ----

CScopeSetupDlg::CScopeSetupDlg() : plat::Dialog(kIddScopeSetup) { onCommand(kIdcGraticule, &CScopeSetupDlg::OnGraticule); }

bool CScopeSetupDlg::OnInitDialog()
{
    const InstrumentSettings& s = g_instrumentSettings;
    CheckDlgButton(kIdcGraticule, s.graticule);
    CheckDlgButton(kIdcZeroLine, s.zeroLine);
    CheckRadioButton(kIdcIncrement1, kIdcIncrement20,
                     s.offsetIncrement == 1 ? kIdcIncrement1 : s.offsetIncrement == 20 ? kIdcIncrement20 : kIdcIncrement10);
    CheckDlgButton(kIdcOffsetHandles, s.offsetHandles);
    CheckDlgButton(kIdcLogScale, s.logScale);
    CheckDlgButton(kIdcUnitsDisplay, s.unitsDisplay);
    OnGraticule();
    return true;
}

void CScopeSetupDlg::OnGraticule()
{
    // The zero line belongs to the axis view; with the dotted graticule it has no place.
    ShowDlgItem(kIdcZeroLine, IsDlgButtonChecked(kIdcGraticule) ? plat::kSwHide : plat::kSwShow);
}

void CScopeSetupDlg::OnOK()
{
    InstrumentSettings& s = g_instrumentSettings;
    s.graticule = IsDlgButtonChecked(kIdcGraticule);
    s.zeroLine = IsDlgButtonChecked(kIdcZeroLine);
    const unsigned increment = GetCheckedRadioButton(kIdcIncrement1, kIdcIncrement20);
    s.offsetIncrement = increment == kIdcIncrement1 ? 1 : increment == kIdcIncrement20 ? 20 : 10;
    s.offsetHandles = IsDlgButtonChecked(kIdcOffsetHandles);
    s.logScale = IsDlgButtonChecked(kIdcLogScale);
    s.unitsDisplay = IsDlgButtonChecked(kIdcUnitsDisplay);
    plat::Dialog::OnOK();
}

CLogicSetupDlg::CLogicSetupDlg() : plat::Dialog(kIddAnalyzerSetup) {}

bool CLogicSetupDlg::OnInitDialog()
{
    CheckDlgButton(kIdcLogicGraticule, g_instrumentSettings.graticule);
    CheckDlgButton(kIdcUnitsDisplay, g_instrumentSettings.unitsDisplay);
    return true;
}

void CLogicSetupDlg::OnOK()
{
    g_instrumentSettings.graticule = IsDlgButtonChecked(kIdcLogicGraticule);
    g_instrumentSettings.unitsDisplay = IsDlgButtonChecked(kIdcUnitsDisplay);
    plat::Dialog::OnOK();
}
