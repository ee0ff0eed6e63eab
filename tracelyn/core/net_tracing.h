#pragma once
// Net tracing: from one trace or arc, follows the copper as drawn (touching traces and arcs,
// through pads between layers) and names the part pins the net reaches ("R1-2,C1-1"). No
// netlist is used; the connectivity is the board's geometry.

#include "tracelyn/core/board_object.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kMaxNetPinNames = 500;
inline constexpr int kMaxNetPads = 50;
inline constexpr int kMaxTraceDepth = 1000;
inline constexpr int kMaxStatusText = 500;
inline constexpr const char* kTooManyPinsMessage = "Too many pins in net";
inline constexpr const char* kNetTooComplicatedMessage = "Net too complicated";
inline constexpr const char* kLargeNetSuffix = ", (Large net!--partial list)";

// The pin names of the net being traced: the list FindNetPin searches.
struct NetPinNames {
    std::vector<std::string> names;   // at most kMaxNetPinNames
};
extern NetPinNames g_netPinNames;

// 1 when the name is in the pin-name list (exact comparison), else 0; the index reached is
// left in g_netPinIndex.
int FindNetPin(std::string_view name);
extern int g_netPinIndex;

// A part pad found on the net: where it lies, its half sizes and its part's layer.
struct NetPad {
    int32_t x, y, halfWidth, halfHeight, layer;
};

// The outcome of one trace.
struct NetTrace {
    std::vector<int> objects;   // the start object first, then everything reached, in order
    std::string status;         // the pin list for status pane 0 (empty when stopped)
    bool stopped = false;
};

// Traces the net of object `start` (a trace or arc; nothing for other kinds).
NetTrace TraceNetFrom(int start);

// "Nets only" editing: traces the net of the clicked trace, makes what it reached the
// selection, paints it highlighted and shows the pins in status pane 0.
void ListNetPins(int start);

// Geometry of the tracer, on board objects of the current store.
int PadTouchesSegment(int32_t px, int32_t py, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t w, int32_t h);
int SegmentsTouch(const BoardObject& a, const BoardObject& b);

// "%s%d-%s": the part's label up to its first ':', its reference number and the pin name
// ("X" for a pin without a name).
std::string FormatPinName(const BoardObject& part, std::string_view pin);

// Joins the pin names with "," into at most kMaxStatusText - 1 characters; past ten names the
// list is cut to 100 characters at a name's end and kLargeNetSuffix follows.
std::string JoinNetPinNames(const std::vector<std::string>& names);
