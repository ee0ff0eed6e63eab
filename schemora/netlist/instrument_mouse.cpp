// The instruments' mouse: the time cursor is taken near the top of its line and follows the
// pointer with its read-out in the status line; the scope's offset handles move their traces
// up and down.
#include "schemora/netlist/instrument_windows.h"

#include "platform/app/win_constants.h"
#include "resources/schemora/simulation_ids.h"
#include "schemora/core/schematic_helpers.h"
#include "schemora/netlist/instrument_plot.h"
#include "schemora/netlist/netlist_text.h"
#include "schemora/netlist/sim_traces.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kCursorGrabPixels = 4;      // either side of the cursor's line
constexpr int kCursorGrabBand = 10;       // from the top of the plot
constexpr int kHandleGrabPixels = 5;

}  // namespace

void CInstrumentDlg::OnControlMouse(plat::Control& control, unsigned message, unsigned flags, plat::Point point)
{
    if (control.id() != scm::kIdcPlot)
        return;
    const plat::Rect plot = control.clientRect();
    switch (message) {
    case plat::kWmLButtonDown:
        if (!pressOnHandle(plot, point))
            cursorDragged_ = std::abs(point.x - plot.left - g_instrumentSettings.cursorX) <= kCursorGrabPixels &&
                             point.y - plot.top < kCursorGrabBand;
        break;
    case plat::kWmMouseMove:
        if ((flags & plat::kMkLButton) == 0)
            break;
        if (g_instrumentSettings.draggedTrace >= 0)
            dragOffset(plot, point);
        else if (cursorDragged_)
            dragCursor(plot, point);
        break;
    case plat::kWmLButtonUp:
        if (g_instrumentSettings.draggedTrace >= 0 || cursorDragged_) {
            g_instrumentSettings.draggedTrace = -1;
            cursorDragged_ = false;
            RedrawPlot();
        }
        break;
    default:
        break;
    }
}

bool CInstrumentDlg::pressOnHandle(const plat::Rect& plot, plat::Point point)
{
    g_instrumentSettings.draggedTrace = -1;
    if (digital_ || g_instrumentSettings.offsetHandles == 0 || point.x - plot.left > kHandleGrabPixels)
        return false;
    for (int t = 0; t < std::min(traceCount(), kScopeChannels); ++t) {
        if (std::abs(point.y - OffsetHandleY(plot, t)) <= kHandleGrabPixels) {
            g_instrumentSettings.draggedTrace = t;
            return true;
        }
    }
    return false;
}

void CInstrumentDlg::dragOffset(const plat::Rect& plot, plat::Point point)
{
    const int t = std::clamp(g_instrumentSettings.draggedTrace, 0, kScopeChannels - 1);
    const int base = TraceBaseY(plot, t);
    int& offset = g_instrumentSettings.offsets[static_cast<size_t>(t)];
    offset = point.y - base;
    SetStatusText(netlist::Format("Channel=%d (%s) offset=%d, y=%d,TraceHandles[i]=%d,ya=%d", t + 1,
                                  g_simTraces.names[static_cast<size_t>(t)].c_str(), offset, point.y, base,
                                  base + offset),
                  0);
    RedrawPlot();
}

void CInstrumentDlg::dragCursor(const plat::Rect& plot, plat::Point point)
{
    g_instrumentSettings.cursorX = std::clamp(point.x - plot.left, 0, std::max(0, plot.width() - 1));
    const int sample = g_instrumentSettings.cursorX / InstrumentZoomFactor() + g_instrumentSettings.scrollPosition;
    SetStatusText(CursorReadout(sample, digital_, traceCount()), 0);
    RedrawPlot();
}
