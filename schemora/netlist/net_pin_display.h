#pragma once
// The net pin display of the "Edit Nets Only" mode: selecting one wire lists, on status pane 0,
// the pins of every part its net reaches ("R1-2,C1-1") and highlights the net's wires and
// junction dots. A quick trace over the drawing, independent of the netlister's tables.

#include <string>
#include <vector>

inline constexpr int kMaxNetPinLabels = 50;
inline constexpr int kMaxWireLeads = 10;
inline constexpr int kMaxNetDepth = 50;
inline constexpr size_t kNetPinTextChars = 72;

struct NetPinDisplay {
    std::vector<std::string> labels;    // "%s%d-%s" of each pin found
    std::vector<int> highlight;         // the selected wire first, then the net's wires and dots
    bool stop = false;                  // a limit was met: the trace ends
};
extern NetPinDisplay g_netPins;

// Traces the net of line object index and shows its pins; nothing for other objects. The
// highlight list is left in g_netPins (and handed to the view as its selection).
void ShowNetPins(int index);
// The status text of a pin list: labels joined by ",", ending after the label that passes 72
// characters with " (partial list)".
std::string NetPinText(const std::vector<std::string>& labels);
