// The status line of "Nets only" editing: the traced net highlighted and its pins listed.
#include "tracelyn/core/net_tracing.h"

#include "tracelyn/core/board_edit.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/tracelyn_view.h"
#include "tracelyn/core/workspace_services.h"

void ListNetPins(int start)
{
    const NetTrace trace = TraceNetFrom(start);
    if (trace.objects.empty())
        return;
    g_selection.count = 0;
    for (const int index : trace.objects) {
        if (g_selection.count + 1 >= static_cast<int>(g_selection.list.size()))
            break;
        g_selection.list[static_cast<size_t>(++g_selection.count)] = index;
    }
    for (int i = 1; i <= g_selection.count; ++i)
        RedrawObject(g_selection.list[static_cast<size_t>(i)], kModeHighlight);
    if (!trace.stopped)
        SetStatusText(trace.status, kPaneMessage);
    g_gesture.multi = true;
}
