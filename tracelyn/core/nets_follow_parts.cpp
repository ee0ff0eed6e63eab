#include "tracelyn/core/nets_follow_parts.h"

#include "tracelyn/core/board_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/netlist_tables.h"

#include <algorithm>

bool BoardHasNets()
{
    return g_board.objects != nullptr && g_netlist.netCount > 0 && !NetTable().empty() &&
           g_netlist.loadedBoard == g_board.objects && !g_footprintEditor.open;
}

bool SelectionHoldsPart(int count)
{
    const int n = std::clamp(count, 0, static_cast<int>(g_selection.list.size()) - 1);
    for (int i = 1; i <= n; ++i) {
        const int index = g_selection.list[static_cast<size_t>(i)];
        if (index >= 1 && index <= g_board.count && g_board.objects[index].isPart())
            return true;
    }
    return false;
}

void ReloadNetsForMovedParts()
{
    if (!BoardHasNets())
        return;
    LoadNetsForDocument();
    RedrawActiveFrame();
}
