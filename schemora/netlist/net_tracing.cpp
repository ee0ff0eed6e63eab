#include "schemora/netlist/net_tracing.h"

#include "schemora/core/current_document.h"
#include "schemora/netlist/netlist_parts.h"
#include "schemora/netlist/netlist_state.h"
#include "schemora/netlist/netlist_text.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kCellSize = 256;
constexpr int kAcross = 5;
constexpr int kNearlyStraight = 18;
constexpr int kEndReach = 18;
constexpr int kOnTolerance = 12;
constexpr int kDotReach = 12;
// Texts on a drawing layer (bits 10 and 11 of the kind word) are directives, not net names.
constexpr int32_t kLayerBits = 0x0C00;

int floorDiv(int v) { return v >= 0 ? v / kCellSize : -((-v + kCellSize - 1) / kCellSize); }

bool endsNear(int ax, int ay, int bx, int by) { return std::abs(ax - bx) <= kEndReach && std::abs(ay - by) <= kEndReach; }

bool nearPoint(int px, int py, const Segment& s, int reach)
{
    return px >= std::min(s.x1, s.x2) - reach && px <= std::max(s.x1, s.x2) + reach
           && py >= std::min(s.y1, s.y2) - reach && py <= std::max(s.y1, s.y2) + reach;
}

bool endOn(const Segment& a, const Segment& b)
{
    return PointOnSegment(a.x1, a.y1, b, kOnTolerance) || PointOnSegment(a.x2, a.y2, b, kOnTolerance);
}

bool isGroundSymbol(const DrawObject& o)
{
    const std::string& name = g_partSymbols.entries[o.symbolIndex()].name;
    const size_t slash = name.rfind('\\');
    return netlist::StartsWith(name, "GND")
           || (slash != std::string::npos && netlist::StartsWith(std::string_view(name).substr(slash + 1), "GND"));
}

}  // namespace

bool PointOnSegment(int px, int py, const Segment& s, int tolerance)
{
    const int x1 = std::min(s.x1, s.x2), x2 = std::max(s.x1, s.x2);
    const int y1 = std::min(s.y1, s.y2), y2 = std::max(s.y1, s.y2);
    if (y2 - y1 < kNearlyStraight)
        return px >= x1 - tolerance && px <= x2 + tolerance && py >= y1 - kAcross && py <= y2 + kAcross;
    if (x2 - x1 < kNearlyStraight)
        return px >= x1 - kAcross && px <= x2 + kAcross && py >= y1 - tolerance && py <= y2 + tolerance;
    return false;
}

bool SegmentsTouch(const Segment& a, const Segment& b)
{
    if (endsNear(a.x1, a.y1, b.x1, b.y1) || endsNear(a.x1, a.y1, b.x2, b.y2) || endsNear(a.x2, a.y2, b.x1, b.y1)
        || endsNear(a.x2, a.y2, b.x2, b.y2))
        return true;
    return endOn(a, b) || endOn(b, a);
}

template <typename F>
void SpatialGrid::forCells(int x1, int y1, int x2, int y2, F&& f)
{
    const int cx1 = floorDiv(std::min(x1, x2)), cx2 = floorDiv(std::max(x1, x2));
    const int cy1 = floorDiv(std::min(y1, y2)), cy2 = floorDiv(std::max(y1, y2));
    for (int cx = cx1; cx <= cx2; ++cx)
        for (int cy = cy1; cy <= cy2; ++cy)
            f((static_cast<int64_t>(cx) << 32) ^ static_cast<uint32_t>(cy));
}

void SpatialGrid::insert(int id, int x1, int y1, int x2, int y2)
{
    forCells(x1, y1, x2, y2, [&](int64_t key) { cells_[key].push_back(id); });
}

void NetTracer::build(int sheet, PinLabeler labeler)
{
    const int count = g_current.liveCount();
    for (int i = 1; i <= count; ++i) {
        const DrawObject& o = g_current.objects[i];
        if (o.sheet() != sheet)
            continue;
        const int type = o.type();
        if (type == kObjLine) {
            const Segment s{o.w[0], o.w[1], o.w[2], o.w[3]};
            wireGrid_.insert(static_cast<int>(wires_.size()), s.x1, s.y1, s.x2, s.y2);
            wires_.push_back({s, {}});
        } else if (type == kObjDot) {
            dotGrid_.insert(static_cast<int>(dots_.size()), o.w[0], o.w[1], o.w[0], o.w[1]);
            dots_.emplace_back(o.w[0], o.w[1]);
        } else if (type == kObjText && o.text && (o.w[4] & kLayerBits) == 0) {
            addName(i, o.w[0], o.w[1], o.text);
        } else if (o.isPart() && o.symbolIndex() >= 1 && o.symbolIndex() <= g_partSymbols.count) {
            if (isGroundSymbol(o)) {
                addName(i, o.w[0], o.w[1], "GND");
            } else if (const std::string supply = SupplySymbolNet(g_partSymbols.entries[o.symbolIndex()]); !supply.empty()) {
                addName(i, o.w[0], o.w[1], supply);
            } else if (labeler) {
                for (const NetlistPin& pin : PlacedPartPins(o)) {
                    const Segment s{pin.x1, pin.y1, pin.x2, pin.y2};
                    pinGrid_.insert(static_cast<int>(pins_.size()), s.x1, s.y1, s.x2, s.y2);
                    pins_.push_back({i, s, labeler(o, pin)});
                }
            }
        }
    }
    connectWires();
    visited_.assign(wires_.size(), 0);
}

void NetTracer::connectWires()
{
    auto link = [this](int a, int b) {
        wires_[a].neighbours.push_back(b);
        wires_[b].neighbours.push_back(a);
    };
    for (int i = 0; i < static_cast<int>(wires_.size()); ++i) {
        const Segment& s = wires_[i].s;
        wireGrid_.query(std::min(s.x1, s.x2) - kEndReach, std::min(s.y1, s.y2) - kEndReach,
                        std::max(s.x1, s.x2) + kEndReach, std::max(s.y1, s.y2) + kEndReach, [&](int j) {
                            if (j > i && SegmentsTouch(s, wires_[j].s)
                                && std::find(wires_[i].neighbours.begin(), wires_[i].neighbours.end(), j)
                                       == wires_[i].neighbours.end())
                                link(i, j);
                        });
    }
    for (const auto& dot : dots_) {
        // Plain copies: lambdas may not capture structured bindings on every compiler.
        const auto x = dot.first, y = dot.second;
        std::vector<int> through;
        wireGrid_.query(x - kDotReach, y - kDotReach, x + kDotReach, y + kDotReach, [&](int j) {
            if (nearPoint(x, y, wires_[j].s, kDotReach))
                through.push_back(j);
        });
        std::sort(through.begin(), through.end());
        through.erase(std::unique(through.begin(), through.end()), through.end());
        for (size_t a = 0; a < through.size(); ++a)
            for (size_t b = a + 1; b < through.size(); ++b)
                link(through[a], through[b]);
    }
    for (Wire& w : wires_) {
        std::sort(w.neighbours.begin(), w.neighbours.end());
        w.neighbours.erase(std::unique(w.neighbours.begin(), w.neighbours.end()), w.neighbours.end());
    }
}

void NetTracer::addName(int index, int x, int y, std::string text)
{
    nameGrid_.insert(static_cast<int>(names_.size()), x, y, x, y);
    names_.push_back({index, x, y, std::move(text)});
}

bool NetTracer::nameOn(const Segment& s, std::string& name) const
{
    int best = -1;
    nameGrid_.query(std::min(s.x1, s.x2) - kOnTolerance, std::min(s.y1, s.y2) - kOnTolerance,
                    std::max(s.x1, s.x2) + kOnTolerance, std::max(s.y1, s.y2) + kOnTolerance, [&](int id) {
                        const NameSource& n = names_[id];
                        if ((best < 0 || n.index < names_[best].index) && PointOnSegment(n.x, n.y, s, kOnTolerance))
                            best = id;
                    });
    if (best < 0)
        return false;
    name = names_[best].text;
    return true;
}

void NetTracer::notePins(const Segment& s, int part, TraceResult& result) const
{
    pinGrid_.query(std::min(s.x1, s.x2) - kEndReach, std::min(s.y1, s.y2) - kEndReach,
                   std::max(s.x1, s.x2) + kEndReach, std::max(s.y1, s.y2) + kEndReach, [&](int id) {
                       const PartPin& p = pins_[id];
                       if (p.part == part || !SegmentsTouch(s, p.s))
                           return;
                       for (const TouchingPin& t : result.touchingPins)
                           if (t.label == p.label)
                               return;
                       result.touchingPins.push_back({p.part, p.label});
                   });
}

std::vector<int> NetTracer::wiresTouching(const Segment& s) const
{
    std::vector<int> found;
    wireGrid_.query(std::min(s.x1, s.x2) - kEndReach, std::min(s.y1, s.y2) - kEndReach,
                    std::max(s.x1, s.x2) + kEndReach, std::max(s.y1, s.y2) + kEndReach, [&](int j) {
                        if (SegmentsTouch(s, wires_[j].s))
                            found.push_back(j);
                    });
    for (int j : wiresThroughDotsNear(s))
        found.push_back(j);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

std::vector<int> NetTracer::wiresThroughDotsNear(const Segment& s) const
{
    std::vector<int> found;
    dotGrid_.query(std::min(s.x1, s.x2) - kDotReach, std::min(s.y1, s.y2) - kDotReach,
                   std::max(s.x1, s.x2) + kDotReach, std::max(s.y1, s.y2) + kDotReach, [&](int d) {
                       const auto x = dots_[d].first, y = dots_[d].second;
                       if (!nearPoint(x, y, s, kDotReach))
                           return;
                       wireGrid_.query(x - kDotReach, y - kDotReach, x + kDotReach, y + kDotReach, [&](int j) {
                           if (nearPoint(x, y, wires_[j].s, kDotReach))
                               found.push_back(j);
                       });
                   });
    return found;
}

bool NetTracer::visit(const Segment& s, const std::vector<int>& next, int part, int depth, TraceResult& result)
{
    if (nameOn(s, result.name)) {
        result.found = true;
        return true;
    }
    notePins(s, part, result);
    for (int n : next) {
        if (visited_[n] == stamp_)
            continue;
        visited_[n] = stamp_;
        if (depth >= kTraceStackEntries) {
            result.stackFull = true;
            return true;
        }
        if (visit(wires_[n].s, wires_[n].neighbours, part, depth + 1, result))
            return true;
    }
    return false;
}

TraceResult NetTracer::trace(const Segment& lead, int part)
{
    TraceResult result;
    if (++stamp_ == 0) {
        std::fill(visited_.begin(), visited_.end(), 0);
        stamp_ = 1;
    }
    visit(lead, wiresTouching(lead), part, 0, result);
    return result;
}
