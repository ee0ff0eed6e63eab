#pragma once
// The drawing engine that the oscilloscope and the logic analyzer share: the store's reset on
// a change of instrument, the plot of the traces with its graticule or axis, and the scroll
// and time-per-division values the windows show beside it.

#include "platform/gdi/dc.h"

#include <string>

// Puts the demonstration traces into the store (sine and cosine for the scope, "0011" for the
// analyzer) and loads the drawing's probes silently.
void ResetInstrumentStore(bool digital);

// Plot pixels per sample at the instruments' zoom index.
int InstrumentZoomFactor();
// Samples the plot shows side by side at the current zoom.
int VisibleSamples(int plotWidth);
// The number of samples there are to scroll through.
int TraceSpan(bool digital);
// The scroll position after zooming about the cursor, and the thumb it puts the scroll bar at
// (0 when everything fits).
int ClampScrollPosition(int position, bool digital, int plotWidth);
int ScrollThumb(int position, bool digital, int plotWidth);

// The scope's offset handles: a box of kOffsetHandleHalf pixels about (plot left, OffsetHandleY)
// for each trace; the handle sits at the trace's base line moved by its offset.
inline constexpr int kOffsetHandleHalf = 2;
int TraceBaseY(const plat::Rect& plot, int trace);
int OffsetHandleY(const plat::Rect& plot, int trace);

// The colour of a trace and of its button's name: the analyzer's channels 9 to 16 take the
// colours of 1 to 8 again.
plat::ColorRef TraceColor(int trace);
// The instruments' graticule (dots every 10 pixels) or, with the graticule switch off, the
// axis ticks and their values along the bottom of r.
void DrawInstrumentGraticule(plat::Dc& dc, const plat::Rect& r, bool digital);

// Draws the plot into rect (client pixels of the plot static, or the page when printing).
void DrawInstrumentPlot(plat::Dc& dc, const plat::Rect& rect, bool digital, int traces, bool printing);
// Paper layout of a plot: the plot of the window's size scaled onto the printer's page.
void PreparePrintedPlot(plat::Dc& dc, const plat::Rect& plot);

// "t=1.0ms/div" for the time-per-division static; empty when there are too few samples.
std::string TimePerDivisionText(bool digital);
// The time cursor's read-out for status pane 0.
std::string CursorReadout(int sampleIndex, bool digital, int traces);
