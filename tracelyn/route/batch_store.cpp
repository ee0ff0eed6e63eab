// The run's records in the object store. Rip-ups delete routes by marking their records (kind
// 0); a long run would fill the store with them and every later route would be refused, so the
// run drops them whenever the store runs short of room, moving the live records down and the
// connections' object indexes with them.
#include "tracelyn/route/batch_passes.h"

#include "tracelyn/core/board_state.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/route/route_edit.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Room a route needs: its segments, vias, links, fan-outs and the placeholder.
constexpr int kRouteHeadroom = 512;

// Where each old index in [first, count] went; -1 for dropped records.
std::vector<int> dropDeleted(int first)
{
    std::vector<int> moved(static_cast<size_t>(std::max(g_board.count - first + 1, 0)), -1);
    int to = first;
    for (int from = first; from <= g_board.count; ++from) {
        if (g_board.objects[from].kind() == kKindDeleted)
            continue;
        if (to != from)
            std::swap(g_board.objects[to], g_board.objects[from]);
        moved[static_cast<size_t>(from - first)] = to++;
    }
    TruncateObjects(to - 1);
    return moved;
}

}  // namespace

int BatchRun::compactStore()
{
    const int first = std::max(firstRunObject_, 1);
    const int before = g_board.count;
    if (g_board.objects == nullptr || before < first)
        return 0;
    const std::vector<int> moved = dropDeleted(first);
    const auto at = [&](int old) { return old < first ? old : moved[static_cast<size_t>(old - first)]; };
    for (NetConnection& k : RunConnections()) {
        if (k.routeState > 1) {
            const int marker = k.routeState <= before ? at(k.routeState) : -1;
            k.routeState = marker > 1 ? marker : -1;
        }
        if (k.firstObject <= 0)
            continue;
        // A route's records stay together; the deleted ones among them are gone.
        int lo = -1, hi = -1;
        for (int old = k.firstObject; old <= std::min(k.firstObject + k.objectSpan, before); ++old) {
            const int now = at(old);
            if (now > 0) {
                lo = lo < 0 ? now : lo;
                hi = now;
            }
        }
        k.firstObject = std::max(lo, 0);
        k.objectSpan = lo > 0 ? hi - lo : 0;
    }
    deletedSinceCompact_ = 0;
    if (g_board.count < before)
        g_routeStore.full = false;
    return before - g_board.count;
}

bool BatchRun::roomForRoute()
{
    if (g_board.objects == nullptr)
        return false;
    const int limit = std::min(g_board.capacity, kMaxBoardObjects) - kRouteHeadroom;
    if (g_board.count < limit && !g_routeStore.full)
        return true;
    // A ripped route waiting to be put back keeps its records where they are.
    if (ripPending_)
        return !g_routeStore.full;
    if (deletedSinceCompact_ > 0 && compactStore() > 0 && g_board.count < limit)
        return true;
    storeStopped_ = true;
    return false;
}
