#include "tracelyn/core/rubber_banding.h"

#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

struct ConnectionRecord {
    int trace = 0;
    int end = 0;        // 0: first point, 3: second point
    int part = 0;
    int pad = 0;        // index into the package store
};

std::vector<ConnectionRecord> g_connections;

struct PadRange {
    int first = 0;
    int count = 0;
};

// The pad objects of the part's section; a gate beyond its package's sections takes the last.
PadRange padsOf(const BoardObject& part)
{
    const int package = part.package();
    if (package < 1 || package > g_packages.count)
        return {};
    const bool noSections = part.w[5] == -1;
    int sections = 1, count = 0, first = 0, value = 0;
    FindPartPin(package, sections, count, first, noSections ? 0 : (part.w[5] >> 3) & 3, value);
    sections = std::max(sections, 1);
    if (count < 1 || first < 1)
        return {};
    const int section = noSections ? 1 : std::min((part.w[5] & 7) + 1, sections);
    count /= sections;
    first += (section - 1) * count;
    first = std::clamp(first, 1, kPackageStoreSize - 1);
    count = std::clamp(count, 0, kPackageStoreSize - first);
    return {first, count};
}

void padPosition(const BoardObject& part, const BoardObject& pad, int32_t& x, int32_t& y)
{
    const CurrentPart saved = g_partPosition;
    g_partPosition = {part.w[0], part.w[1]};
    TransformPoint(pad.w[0], pad.w[1], x, y, part.w[6] & 0xFFF, (part.w[6] >> 12) & 1, true);
    g_partPosition = saved;
}

bool known(int trace, int end)
{
    return std::any_of(g_connections.begin(), g_connections.end(),
                       [&](const ConnectionRecord& r) { return r.trace == trace && r.end == end; });
}

void collectPart(int partIndex, int32_t reach)
{
    const BoardObject& part = g_board.objects[partIndex];
    const PadRange pads = padsOf(part);
    const int last = std::min(g_board.count, g_board.capacity - 1);
    for (int p = pads.first; p < pads.first + pads.count; ++p) {
        const BoardObject& pad = g_packages.objects[static_cast<size_t>(p)];
        if (pad.kind() != kKindPad)
            continue;
        int32_t px = 0, py = 0;
        padPosition(part, pad, px, py);
        for (int i = 1; i <= last; ++i) {
            const BoardObject& t = g_board.objects[i];
            if (t.kind() != kKindLine && t.kind() != kKindNoRoute)
                continue;
            for (int end : {0, 3}) {
                const int32_t ex = end == 0 ? t.w[0] : t.w[2], ey = end == 0 ? t.w[1] : t.w[3];
                if (std::abs(ex - px) > reach || std::abs(ey - py) > reach || known(i, end))
                    continue;
                if (static_cast<int>(g_connections.size()) >= kMaxConnections)
                    return;
                g_connections.push_back({i, end, partIndex, p});
            }
        }
    }
}

}  // namespace

void CollectSelectedPartConnections()
{
    g_connections.clear();
    if (g_boardSettings.rubber == 0 || g_board.objects == nullptr)
        return;
    const int32_t reach = 3 * g_view.zoomDivisor * BoardUnitsPerLogical();
    const int n = std::min(g_selection.count, static_cast<int>(g_selection.list.size()) - 1);
    for (int i = 1; i <= n; ++i) {
        const int index = g_selection.list[static_cast<size_t>(i)];
        if (index >= 1 && index <= g_board.count && g_board.objects[index].isPart())
            collectPart(index, reach);
    }
}

void ReattachTraceEnds()
{
    for (const ConnectionRecord& r : g_connections) {
        if (r.trace < 1 || r.trace > g_board.count || r.part < 1 || r.part > g_board.count)
            continue;
        BoardObject& t = g_board.objects[r.trace];
        int32_t x = 0, y = 0;
        padPosition(g_board.objects[r.part], g_packages.objects[static_cast<size_t>(r.pad)], x, y);
        t.w[r.end == 0 ? 0 : 2] = x;
        t.w[r.end == 0 ? 1 : 3] = y;
    }
}

void ClearConnections()
{
    g_connections.clear();
}

bool IsConnectedTrace(int index)
{
    return std::any_of(g_connections.begin(), g_connections.end(),
                       [&](const ConnectionRecord& r) { return r.trace == index; });
}

int AddConnectedTracesToSelection()
{
    int added = 0;
    const int room = static_cast<int>(g_selection.list.size()) - 1;
    for (const ConnectionRecord& r : g_connections) {
        const int n = g_selection.count;
        const bool listed = std::find(g_selection.list.begin() + 1, g_selection.list.begin() + n + 1, r.trace) !=
                            g_selection.list.begin() + n + 1;
        if (listed || n + 1 > room)
            continue;
        g_selection.list[static_cast<size_t>(n + 1)] = r.trace;
        g_selection.count = n + 1;
        ++added;
    }
    return added;
}

int ConnectionCount()
{
    return static_cast<int>(g_connections.size());
}
