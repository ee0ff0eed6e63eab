// Ordering the connection table for the batch router: by the midpoints of the connections on
// one axis, ties by the other axis, then each net's chain relinked through the moved records.
#include "tracelyn/route/board_netlist.h"

#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/route_services.h"

#include <algorithm>
#include <span>

namespace {

enum class Axis { X, Y };

int32_t midpoint(const NetConnection& c, Axis axis)
{
    return axis == Axis::X ? c.x2 / 2 + c.x1 / 2 : c.y2 / 2 + c.y1 / 2;
}

// Exchanges two connections except for what ties them to the board objects of their routes.
void exchange(NetConnection& a, NetConnection& b)
{
    NetConnection t = a;
    a = b;
    b = t;
    std::swap(a.firstObject, b.firstObject);
    std::swap(a.objectSpan, b.objectSpan);
    std::swap(a.viaCount, b.viaCount);
    std::swap(a.lockFlag, b.lockFlag);
}

// Diminishing-gap exchange sort, ascending by sort key: for each gap, each chain of elements a
// gap apart is passed over until a pass makes no exchange.
void sortByKey(std::span<NetConnection> run)
{
    const size_t n = run.size();
    for (size_t gap = n / 2; gap >= 1; gap /= 2) {
        for (size_t start = 0; start < gap; ++start) {
            bool exchanged = true;
            while (exchanged) {
                exchanged = false;
                for (size_t i = start; i + gap < n; i += gap) {
                    if (run[i + gap].sortKey < run[i].sortKey) {
                        exchange(run[i], run[i + gap]);
                        exchanged = true;
                    }
                }
            }
        }
    }
}

void sortByAxis(std::span<NetConnection> run, Axis axis)
{
    for (NetConnection& c : run)
        c.sortKey = midpoint(c, axis);
    sortByKey(run);
}

// Connections of one net whose first end is where `c` ends; the first in table order.
int continuation(std::span<NetConnection> table, const NetConnection& c)
{
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].net == c.net && table[i].x1 == c.x2 && table[i].y1 == c.y2)
            return static_cast<int>(i);
    return -1;
}

void relink(std::span<NetConnection> table)
{
    const std::span<NetRecord> nets = NetTable();
    const int netCount = std::min(g_netlist.netCount, kMaxNets);
    for (int n = 0; n < netCount; ++n) {
        for (size_t head = 0; head < table.size(); ++head) {
            if (table[head].net != n || table[head].previous != -1)
                continue;
            nets[static_cast<size_t>(n)].firstConnection = static_cast<int32_t>(head);
            size_t current = head;
            // A chain visits each connection once; the bound ends walks that would circle.
            for (size_t steps = 0; table[current].next != -1 && steps < table.size(); ++steps) {
                const int found = continuation(table, table[current]);
                if (found < 0)
                    break;
                table[current].next = found;
                table[static_cast<size_t>(found)].previous = static_cast<int32_t>(current);
                current = static_cast<size_t>(found);
            }
        }
    }
}

}  // namespace

void SortConnections()
{
    const int32_t setting = g_router.values[4];
    if (setting != kTraceSortByX && setting != kTraceSortByY)
        return;
    const std::span<NetConnection> all = ConnectionTable();
    if (all.empty() || NetTable().empty())
        return;
    const std::span<NetConnection> table =
        all.first(static_cast<size_t>(std::clamp(g_router.ratsNestCount, 0, kMaxConnections)));
    const Axis primary = setting == kTraceSortByX ? Axis::X : Axis::Y;
    const Axis secondary = primary == Axis::X ? Axis::Y : Axis::X;
    sortByAxis(table, primary);
    for (size_t begin = 0; begin < table.size();) {
        size_t end = begin + 1;
        while (end < table.size() && table[end].sortKey == table[begin].sortKey)
            ++end;
        if (end - begin > 1)
            sortByAxis(table.subspan(begin, end - begin), secondary);
        begin = end;
    }
    relink(table);
}
