#include "schemora/netlist/instrument_plot.h"

#include "platform/gdi/gdi_objects.h"
#include "schemora/netlist/netlist_text.h"
#include "schemora/netlist/sim_traces.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace {

using plat::rgb;

constexpr plat::ColorRef kBackground = rgb(0, 0, 0);
constexpr plat::ColorRef kGraticule = rgb(128, 128, 128);
constexpr plat::ColorRef kLevels = rgb(0, 255, 0);
constexpr plat::ColorRef kUndefined = rgb(255, 255, 0);
constexpr plat::ColorRef kCursor = rgb(255, 255, 255);
constexpr plat::ColorRef kTraceColors[kScopeChannels] = {rgb(255, 255, 0), rgb(0, 255, 255), rgb(255, 0, 255),
                                                          rgb(0, 255, 0),  rgb(255, 128, 0), rgb(128, 128, 255),
                                                          rgb(255, 0, 0),  rgb(255, 255, 255)};
constexpr int kLogicRowPixels = 13;

int sampleCount(bool digital)
{
    return std::clamp(digital ? g_simTraces.digitalCount : g_simTraces.sampleCount, 0, kShownSamples);
}

// The screen's y grows downwards; paper keeps the traces inside the plot.
int traceBase(bool digital, const plat::Rect& r, int trace)
{
    if (digital)
        return r.top + kLogicRowPixels * trace + 8;
    const int spacing = std::max(1, (r.height() / 3 - 10) / kScopeChannels);
    return r.top + (spacing * trace + 10) * 3;
}

void drawScopeTrace(plat::Dc& dc, const plat::Rect& r, int trace, bool printing)
{
    const auto& samples = g_simTraces.samples[static_cast<size_t>(trace)];
    const int threshold = kStepThresholds[static_cast<size_t>(std::clamp(g_simTraces.stepIndex[static_cast<size_t>(trace)], 0, kStepCount - 1))];
    const int base = traceBase(false, r, trace) + g_instrumentSettings.offsets[static_cast<size_t>(trace)];
    const plat::Pen pen(plat::kPsSolid, 0, kTraceColors[trace]);
    const plat::Pen old = dc.SelectObject(pen);
    const int factor = InstrumentZoomFactor();
    int x = r.left;
    for (int k = std::max(0, g_instrumentSettings.scrollPosition), drawn = 0; k < kShownSamples; ++k, ++drawn) {
        if (x > r.right || (drawn >= 2 && g_simTraces.x[static_cast<size_t>(k)] == 0))
            break;
        int y = samples[static_cast<size_t>(k)] / threshold + base;
        if (printing)
            y = std::clamp(y, r.top, r.bottom);
        if (drawn == 0)
            dc.MoveTo(x, y);
        else
            dc.LineTo(x, y);
        x += factor;
    }
    dc.SelectObject(old);
}

void drawLogicTrace(plat::Dc& dc, const plat::Rect& r, int trace)
{
    const auto& samples = g_simTraces.samples[static_cast<size_t>(trace)];
    const int base = traceBase(true, r, trace);
    const int factor = InstrumentZoomFactor();
    const plat::Pen levels(plat::kPsSolid, 0, kLevels);
    const plat::Pen undefined(plat::kPsDot, 0, kUndefined);
    const plat::Pen old = dc.SelectObject(levels);
    dc.SetTextColor(kUndefined);
    dc.SetBkMode(plat::kTransparent);
    int x = r.left;
    int last = -1;
    const int count = std::max(sampleCount(true), 1);
    for (int k = std::max(0, g_instrumentSettings.scrollPosition); k < count && x < r.right; ++k, x += factor) {
        const int level = samples[static_cast<size_t>(k)];
        if (level == '0' || level == '1') {
            const int y = level == '1' ? base - 5 : base;
            dc.SelectObject(levels);
            if (last == '0' || last == '1') {
                const int lastY = last == '1' ? base - 5 : base;
                if (lastY != y) {
                    dc.MoveTo(x, lastY);
                    dc.LineTo(x, y);
                }
            }
            dc.MoveTo(x, y);
            dc.LineTo(x + factor, y);
        } else if (g_instrumentSettings.zoomIndex == kZoomCount - 1) {
            const char letter[2] = {static_cast<char>(std::tolower(level & 0x7F)), 0};
            dc.TextOut(x, base - 10, letter);
        } else {
            dc.SelectObject(undefined);
            dc.MoveTo(x, base - 5);
            dc.LineTo(x + factor, base - 5);
        }
        last = level;
    }
    dc.SelectObject(old);
}

std::string axisText(int column, bool digital)
{
    const int index = std::clamp(column / InstrumentZoomFactor() + g_instrumentSettings.scrollPosition, 0, kShownSamples - 1);
    if (digital)
        FormatAxisLabel(index * static_cast<double>(g_simTraces.digitalScale), 0);
    else
        FormatAxisLabel(g_simTraces.x[static_cast<size_t>(index)], g_simTraces.analysisKind);
    std::string text = g_traceLabel.text;
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text.size() > 2 ? text.substr(2) : text;
}

void drawDecadeAxis(plat::Dc& dc, const plat::Rect& r)
{
    const int perDecade = std::max(1, g_simTraces.points) * InstrumentZoomFactor();
    const plat::Pen solid(plat::kPsSolid, 0, kGraticule);
    const plat::Pen dotted(plat::kPsDot, 0, kGraticule);
    const plat::Pen old = dc.SelectObject(solid);
    double frequency = std::max(1e-3, static_cast<double>(g_simTraces.startFrequency));
    for (int x = r.left - g_instrumentSettings.scrollPosition * InstrumentZoomFactor(); x < r.right; x += perDecade) {
        if (x >= r.left) {
            dc.SelectObject(solid);
            dc.MoveTo(x, r.top);
            dc.LineTo(x, r.bottom);
            if (g_instrumentSettings.unitsDisplay) {
                FormatAxisLabel(frequency, 1);
                std::string text = netlist::TrimmedRight(g_traceLabel.text);
                dc.TextOut(x + 2, r.bottom - 14, text.size() > 2 ? text.substr(2) : text);
            }
        }
        if (g_instrumentSettings.logScale) {
            dc.SelectObject(dotted);
            for (int n = 2; n <= 9; ++n) {
                const int sub = x + static_cast<int>(perDecade * std::log10(n));
                if (sub >= r.left && sub < r.right) {
                    dc.MoveTo(sub, r.top);
                    dc.LineTo(sub, r.bottom);
                }
            }
        }
        frequency *= 10;
    }
    dc.SelectObject(old);
}

}  // namespace

plat::ColorRef TraceColor(int trace) { return kTraceColors[static_cast<size_t>(std::clamp(trace, 0, 1000) % kScopeChannels)]; }

void DrawInstrumentGraticule(plat::Dc& dc, const plat::Rect& r, bool digital)
{
    if (g_instrumentSettings.graticule) {
        for (int x = r.left; x < r.right; x += 10)
            for (int y = r.top + 5; y < r.bottom; y += 10)
                dc.SetPixel(x, y, kGraticule);
        return;
    }
    dc.SetTextColor(kCursor);
    dc.SetBkMode(plat::kTransparent);
    if (!digital && g_simTraces.analysisKind == kKindAc && g_simTraces.sweepKind == kSweepDecadeKind) {
        drawDecadeAxis(dc, r);
    } else {
        const plat::Pen pen(plat::kPsSolid, 0, kGraticule);
        const plat::Pen old = dc.SelectObject(pen);
        for (int x = r.left + 10, tick = 1; x < r.right; x += 10, ++tick) {
            const bool labelled = tick % 10 == 0;
            dc.MoveTo(x, r.bottom);
            dc.LineTo(x, r.bottom + (labelled ? 5 : 2));
            if (labelled && g_instrumentSettings.unitsDisplay) {
                const std::string text = axisText(x - r.left, digital);
                const int width = dc.GetTextExtent(text).cx;
                dc.TextOut(x - width / 4, r.bottom - 3 - dc.GetTextExtent(text).cy, text);
            }
        }
        dc.SelectObject(old);
    }
    if (!digital) {
        const plat::Pen pen(plat::kPsSolid, 0, kGraticule);
        const plat::Pen old = dc.SelectObject(pen);
        for (int y = r.top + 5; y < r.bottom; y += 10) {
            dc.MoveTo(r.left - 2, y);
            dc.LineTo(r.left, y);
        }
        dc.SelectObject(old);
    }
}

namespace {

void drawLegend(plat::Dc& dc, const plat::Rect& r, bool digital, int traces)
{
    dc.SetTextColor(rgb(0, 0, 0));
    dc.SetBkMode(plat::kTransparent);
    for (int t = 0; t < traces; ++t) {
        if (digital) {
            dc.TextOut(r.left - 60, traceBase(true, r, t) - 10, g_simTraces.names[static_cast<size_t>(t)]);
        } else {
            const int step = std::clamp(g_simTraces.stepIndex[static_cast<size_t>(t)], 0, kStepCount - 1);
            dc.TextOut(r.left, r.bottom + 10 + 14 * t,
                       netlist::Format("trace %d:%s%s", t + 1, kStepTexts[static_cast<size_t>(step)], g_simTraces.unitLabel));
        }
    }
}

}  // namespace

int InstrumentZoomFactor()
{
    return kZoomFactors[static_cast<size_t>(std::clamp(g_instrumentSettings.zoomIndex, 0, kZoomCount - 1))];
}

void ResetInstrumentStore(bool digital)
{
    g_simTraces.digitalSpan = 399;
    g_simTraces.stepIndex[0] = g_simTraces.stepIndex[1] = 3;
    g_instrumentSettings.scrollPosition = 0;
    g_instrumentSettings.offsets[0] = g_instrumentSettings.offsets[1] = 0;
    g_simTraces.phase[0] = g_simTraces.phase[1] = 0;
    g_instrumentSettings.zoomIndex = 0;
    for (int i = 0; i < kShownSamples; ++i) {
        g_simTraces.digitalTimes[static_cast<size_t>(i)] = i;
        g_simTraces.x[static_cast<size_t>(i)] = static_cast<float>(i);
    }
    if (digital) {
        for (auto& channel : g_simTraces.samples)
            for (int i = 0; i < kShownSamples; ++i)
                channel[static_cast<size_t>(i)] = (i & 2) ? '1' : '0';
        g_simTraces.digitalCount = kShownSamples;
    } else {
        for (int i = 0; i < kShownSamples; ++i) {
            const double angle = i * 0.02 * 6.2831853072;
            for (int t = 0; t < kScopeChannels; ++t)
                g_simTraces.samples[static_cast<size_t>(t)][static_cast<size_t>(i)] =
                    static_cast<int32_t>(1500 * (t % 2 == 0 ? std::sin(angle) : std::cos(angle)));
        }
        for (int t = 0; t < kScopeChannels; ++t)
            g_simTraces.names[static_cast<size_t>(t)] = netlist::Format("trace%d", t + 1);
        g_simTraces.sampleCount = kShownSamples;
    }
    LoadTraces(2);
}

int VisibleSamples(int plotWidth) { return std::max(1, plotWidth / InstrumentZoomFactor()); }

int TraceSpan(bool digital) { return std::max(0, sampleCount(digital)); }

int ClampScrollPosition(int position, bool digital, int plotWidth)
{
    const int room = std::max(0, TraceSpan(digital) - VisibleSamples(plotWidth));
    return std::clamp(position, 0, room);
}

int ScrollThumb(int position, bool digital, int plotWidth)
{
    const int room = TraceSpan(digital) - VisibleSamples(plotWidth);
    if (room <= 0)
        return 0;   // everything fits: there is nothing to scroll
    return static_cast<int>(static_cast<long long>(std::clamp(position, 0, room)) * kShownSamples / room);
}

void PreparePrintedPlot(plat::Dc& dc, const plat::Rect& plot)
{
    const int pageWidth = dc.GetDeviceCaps(plat::kHorzRes);
    const int pageHeight = dc.GetDeviceCaps(plat::kVertRes);
    dc.SetMapMode(plat::kMmAnisotropic);
    dc.SetWindowExt(std::max(1, plot.width() * 3 / 2), std::max(1, plot.height() * 3));
    dc.SetViewportExt(std::max(1, pageWidth), std::max(1, pageHeight));
    dc.SetViewportOrg(pageWidth / 8, pageHeight / 4);
}

namespace {

// Scope traces show a small box at the plot's left edge where the mouse can take their offset.
void drawOffsetHandles(plat::Dc& dc, const plat::Rect& r, int traces)
{
    const plat::Pen old = dc.SelectObject(plat::Pen(plat::kPsSolid, 0, kCursor));
    for (int t = 0; t < std::min(traces, kScopeChannels); ++t) {
        const int y = OffsetHandleY(r, t);
        dc.Rectangle(r.left, y - kOffsetHandleHalf, r.left + 2 * kOffsetHandleHalf + 1, y + kOffsetHandleHalf + 1);
    }
    dc.SelectObject(old);
}

}  // namespace

int TraceBaseY(const plat::Rect& plot, int trace) { return traceBase(false, plot, trace); }

int OffsetHandleY(const plat::Rect& plot, int trace)
{
    return TraceBaseY(plot, trace) + g_instrumentSettings.offsets[static_cast<size_t>(std::clamp(trace, 0, kScopeChannels - 1))];
}

void DrawInstrumentPlot(plat::Dc& dc, const plat::Rect& rect, bool digital, int traces, bool printing)
{
    if (!printing)
        dc.FillRect(rect, plat::Brush::solid(kBackground));
    traces = std::clamp(traces, 0, digital ? kTraceChannels : kScopeChannels);
    for (int t = 0; t < traces; ++t) {
        if (digital)
            drawLogicTrace(dc, rect, t);
        else
            drawScopeTrace(dc, rect, t, printing);
    }
    DrawInstrumentGraticule(dc, rect, digital);
    if (!printing && !digital && g_instrumentSettings.offsetHandles != 0)
        drawOffsetHandles(dc, rect, traces);
    if (!printing) {
        const int x = rect.left + std::clamp(g_instrumentSettings.cursorX, 0, std::max(0, rect.width() - 1));
        const plat::Pen pen(plat::kPsSolid, 0, kCursor);
        const plat::Pen old = dc.SelectObject(pen);
        dc.MoveTo(x, rect.top);
        dc.LineTo(x, rect.bottom);
        if (!digital)
            dc.Rectangle(x - 3, rect.top, x + 4, rect.top + 7);
        dc.SelectObject(old);
    } else {
        drawLegend(dc, rect, digital, traces);
    }
}

std::string TimePerDivisionText(bool digital)
{
    const int perDivision = 10 / InstrumentZoomFactor();
    if (digital) {
        FormatAxisLabel(perDivision * static_cast<double>(g_simTraces.digitalScale), 0);
        return netlist::TrimmedRight(g_traceLabel.text) + "/div";
    }
    const int count = sampleCount(false);
    if (count < 2)
        return {};
    const int i = std::clamp(count - 20, 0, kShownSamples - 20);
    FormatAxisLabel((static_cast<double>(g_simTraces.x[static_cast<size_t>(i) + 1]) - g_simTraces.x[static_cast<size_t>(i)]) * perDivision,
                    g_simTraces.analysisKind);
    return netlist::TrimmedRight(g_traceLabel.text) + "/div";
}

std::string CursorReadout(int sampleIndex, bool digital, int traces)
{
    if (digital)
        return netlist::Format("t=%d", sampleIndex);
    if (sampleIndex >= kShownSamples)
        return {};
    const int index = std::clamp(sampleIndex, 0, kShownSamples - 1);
    FormatAxisLabel(g_simTraces.x[static_cast<size_t>(index)], g_simTraces.analysisKind);
    std::string text = g_traceLabel.text;
    const int at = std::clamp(index - 2, 0, kShownSamples - 1);
    for (int t = 0; t < std::min(traces, kScopeChannels); ++t) {
        const std::string& name = g_simTraces.names[static_cast<size_t>(t)];
        const char* unit = name.find('#') != std::string::npos ? "a"
                           : g_simTraces.analysisKind == kKindAc ? (g_simTraces.phase[static_cast<size_t>(t)] ? "deg" : "db")
                                                                 : "v";
        const double value = -g_simTraces.samples[static_cast<size_t>(t)][static_cast<size_t>(at)] * 0.001;
        text += netlist::Format(" CH%d=%.3f%s", t + 1, value, unit).substr(0, 14);
    }
    return text;
}
