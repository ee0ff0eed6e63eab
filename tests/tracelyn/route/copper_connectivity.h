#pragma once
// The copper-connectivity checker of the routing tests: union-find over the board's copper.
// Traces (and smoothing arcs, by their chord) join what they touch on their layer; through-hole
// pads and through vias reach every copper layer, layer-pair vias their pair, surface pads
// their own layer; a thermal pad joins the through copper under it to its plane, and each plane
// is one conductor. It reports, for every connection of the loaded netlist, whether copper
// joins its two pads, and every pair of nets whose copper touches (a short).

#include "tracelyn/core/board_state.h"
#include "tracelyn/core/netlist_tables.h"
#include "tracelyn/core/route_services.h"
#include "tracelyn/route/copper_geometry.h"
#include "tracelyn/route/copper_pads.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace copper_test {

class UnionFind {
public:
    explicit UnionFind(size_t n) : parent_(n) { std::iota(parent_.begin(), parent_.end(), size_t{0}); }
    size_t find(size_t a)
    {
        while (parent_[a] != a)
            a = parent_[a] = parent_[parent_[a]];
        return a;
    }
    void join(size_t a, size_t b) { parent_[find(a)] = find(b); }
private:
    std::vector<size_t> parent_;
};

// One piece of copper: a segment (trace) or a box (pad), and the layers it reaches.
struct Copper {
    bool segment = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // segment ends, or box corners
    double halfWidth = 0;                     // segments
    uint32_t layers = 0;                      // bit per copper layer 0-15
    int plane = -1;                           // thermal: its plane layer
    bool through = false;                     // reaches every layer (joins thermals)
    double minX() const { return std::min(x1, x2) - halfWidth; }
    double maxX() const { return std::max(x1, x2) + halfWidth; }
};

constexpr uint32_t kAllCopper = 0xFFFF;

inline Copper boxCopper(const CopperPad& p)
{
    Copper c;
    c.x1 = p.x - p.sizeX / 2.0;
    c.x2 = p.x + p.sizeX / 2.0;
    c.y1 = p.y - p.sizeY / 2.0;
    c.y2 = p.y + p.sizeY / 2.0;
    if (p.style == kPadThermal) {
        c.plane = p.layer;
        return c;
    }
    if (p.layer == kLayerAll) {
        c.layers = kAllCopper;
        c.through = true;
    } else if (p.style == kPadPairVia && IsCopperLayer(p.layer)) {
        c.layers = (1u << (p.layer & ~1)) | (1u << ((p.layer & ~1) + 1));
    } else if (IsCopperLayer(p.layer)) {
        c.layers = 1u << p.layer;
    }
    return c;
}

inline double boxPointDistance(const Copper& b, double x, double y)
{
    const double dx = std::max({b.x1 - x, 0.0, x - b.x2});
    const double dy = std::max({b.y1 - y, 0.0, y - b.y2});
    return std::hypot(dx, dy);
}

inline bool touches(const Copper& a, const Copper& b)
{
    if (a.plane >= 0 || b.plane >= 0) {
        // A thermal joins through copper whose box holds its centre.
        const Copper& t = a.plane >= 0 ? a : b;
        const Copper& o = a.plane >= 0 ? b : a;
        return o.through && !o.segment && boxPointDistance(o, (t.x1 + t.x2) / 2, (t.y1 + t.y2) / 2) == 0;
    }
    if ((a.layers & b.layers) == 0)
        return false;
    if (a.segment && b.segment)
        return SegmentsDistance(a.x1, a.y1, a.x2, a.y2, b.x1, b.y1, b.x2, b.y2) <= a.halfWidth + b.halfWidth;
    if (a.segment != b.segment) {
        const Copper& s = a.segment ? a : b;
        const Copper& p = a.segment ? b : a;
        CopperPad box;
        box.x = static_cast<int32_t>(std::lround((p.x1 + p.x2) / 2));
        box.y = static_cast<int32_t>(std::lround((p.y1 + p.y2) / 2));
        box.sizeX = static_cast<int32_t>(std::lround(p.x2 - p.x1));
        box.sizeY = static_cast<int32_t>(std::lround(p.y2 - p.y1));
        return SegmentPadDistance(s.x1, s.y1, s.x2, s.y2, box) <= s.halfWidth;
    }
    return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2;
}

struct ConnectivityReport {
    int connections = 0;
    int joined = 0;                                 // connections whose pads copper joins
    std::vector<int> openConnections;
    std::set<std::pair<int, int>> shorts;           // pairs of nets joined by copper
    std::vector<size_t> padGroups;                  // canonical group of every part pad
    bool operator==(const ConnectivityReport&) const = default;
};

// Checks the current store against the loaded connection table.
inline ConnectivityReport CheckCopper()
{
    std::vector<Copper> items;
    std::vector<CopperPad> partPads;
    for (int i = 1; i <= g_board.count; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (o.isPart()) {
            AppendPartPads(i, partPads);
        } else if (o.kind() == kKindPad) {
            items.push_back(boxCopper(FreePad(i)));
        } else if ((o.kind() == kKindLine || o.kind() == kKindArc) && IsCopperLayer(o.layer())) {
            Copper c;
            c.segment = true;
            c.x1 = o.w[0];
            c.y1 = o.w[1];
            c.x2 = o.w[2];
            c.y2 = o.w[3];
            c.halfWidth = o.w[7] / 2.0;
            c.layers = 1u << o.layer();
            items.push_back(c);
        }
    }
    const size_t firstPad = items.size();
    for (const CopperPad& p : partPads)
        items.push_back(boxCopper(p));
    // Planes are one node each, after the items.
    const size_t planeBase = items.size();
    UnionFind groups(items.size() + 32);
    std::vector<size_t> order(items.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return items[a].minX() < items[b].minX(); });
    for (size_t k = 0; k < order.size(); ++k) {
        const Copper& a = items[order[k]];
        if (a.plane >= 0)
            groups.join(order[k], planeBase + static_cast<size_t>(a.plane));
        for (size_t m = k + 1; m < order.size() && items[order[m]].minX() <= a.maxX(); ++m)
            if (touches(a, items[order[m]]))
                groups.join(order[k], order[m]);
    }

    ConnectivityReport report;
    const auto padAt = [&](int32_t x, int32_t y) -> long {
        for (size_t p = 0; p < partPads.size(); ++p)
            if (std::abs(partPads[p].x - x) < 50 && std::abs(partPads[p].y - y) < 50)
                return static_cast<long>(firstPad + p);
        return -1;
    };
    std::map<size_t, std::set<int>> netsOfGroup;
    const std::span<NetConnection> table = ConnectionTable().first(
        static_cast<size_t>(std::clamp(g_router.ratsNestCount, 0, kMaxConnections)));
    for (size_t c = 0; c < table.size(); ++c) {
        const NetConnection& k = table[c];
        const long a = padAt(k.x1 * kNetlistUnit, k.y1 * kNetlistUnit);
        const long b = padAt(k.x2 * kNetlistUnit, k.y2 * kNetlistUnit);
        ++report.connections;
        if (a >= 0 && b >= 0 && groups.find(static_cast<size_t>(a)) == groups.find(static_cast<size_t>(b)))
            ++report.joined;
        else
            report.openConnections.push_back(static_cast<int>(c));
        for (long p : {a, b})
            if (p >= 0)
                netsOfGroup[groups.find(static_cast<size_t>(p))].insert(k.net);
    }
    for (const auto& [group, nets] : netsOfGroup)
        for (auto i = nets.begin(); i != nets.end(); ++i)
            for (auto j = std::next(i); j != nets.end(); ++j)
                report.shorts.insert({*i, *j});
    std::map<size_t, size_t> canonical;
    for (size_t p = 0; p < partPads.size(); ++p) {
        const size_t root = groups.find(firstPad + p);
        report.padGroups.push_back(canonical.try_emplace(root, canonical.size()).first->second);
    }
    return report;
}

}  // namespace copper_test
