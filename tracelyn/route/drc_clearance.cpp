#include "tracelyn/route/drc_clearance.h"

#include "tracelyn/route/drc_pairing.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_set>

namespace {

// Conductors: sources joined where their copper touches, each with the nets of its sources.
class Conductors {
public:
    explicit Conductors(const std::vector<CopperSource>& sources) : parent_(sources.size()), nets_(sources.size())
    {
        std::iota(parent_.begin(), parent_.end(), 0);
        for (size_t s = 0; s < sources.size(); ++s)
            if (sources[s].net >= 0)
                nets_[s].push_back(sources[s].net);
    }

    int find(int s)
    {
        while (parent_[static_cast<size_t>(s)] != s) {
            const int up = parent_[static_cast<size_t>(parent_[static_cast<size_t>(s)])];
            parent_[static_cast<size_t>(s)] = up;
            s = up;
        }
        return s;
    }

    // Joins the conductors of a and b; true when that brings different nets together.
    bool join(int a, int b)
    {
        int ra = find(a), rb = find(b);
        if (ra == rb)
            return false;
        std::vector<int>& na = nets_[static_cast<size_t>(ra)];
        std::vector<int>& nb = nets_[static_cast<size_t>(rb)];
        const bool shorts = !na.empty() && !nb.empty() && !shareNet(na, nb);
        if (na.size() < nb.size()) {
            std::swap(ra, rb);
        }
        std::vector<int>& into = nets_[static_cast<size_t>(ra)];
        std::vector<int>& from = nets_[static_cast<size_t>(rb)];
        for (const int net : from)
            if (std::find(into.begin(), into.end(), net) == into.end())
                into.push_back(net);
        from.clear();
        parent_[static_cast<size_t>(rb)] = ra;
        return shorts;
    }

    // Whether a and b belong to one net: one conductor, or conductors that share a net.
    bool sameNet(int a, int b)
    {
        const int ra = find(a), rb = find(b);
        return ra == rb || shareNet(nets_[static_cast<size_t>(ra)], nets_[static_cast<size_t>(rb)]);
    }

private:
    static bool shareNet(const std::vector<int>& a, const std::vector<int>& b)
    {
        for (const int net : a)
            if (std::find(b.begin(), b.end(), net) != b.end())
                return true;
        return false;
    }

    std::vector<int> parent_;
    std::vector<std::vector<int>> nets_;
};

// Two sources nearer than their clearance, to be judged once every touch is known.
struct NearMiss {
    int a = 0, b = 0;
    DrcRule rule = DrcRule::kPadToTrace;
    ShapePoint spot;
};

struct RuleClearance {
    bool on = false;
    double value = 0;
};

}  // namespace

DrcRule ClearanceRule(CopperClass a, CopperClass b)
{
    const bool traceA = a == CopperClass::kTrace, traceB = b == CopperClass::kTrace;
    if (traceA && traceB)
        return DrcRule::kTraceToTrace;
    if (traceA || traceB)
        return DrcRule::kPadToTrace;
    return DrcRule::kPadToVia;
}

bool CheckClearances(const BoardCopper& copper, const DrcSettings& settings, DrcWork& work,
                     std::vector<DrcFinding>& findings)
{
    if (!settings.anyClearance())
        return true;
    std::array<RuleClearance, kDrcRuleCount> rules{};
    rules[static_cast<size_t>(DrcRule::kPadToTrace)] = {settings.padToTrace, double(settings.clearances.padToTrace)};
    rules[static_cast<size_t>(DrcRule::kTraceToTrace)] = {settings.traceToTrace,
                                                         double(settings.clearances.traceToTrace)};
    rules[static_cast<size_t>(DrcRule::kPadToVia)] = {settings.padToVia, double(settings.clearances.padToVia)};
    double widest = 0;
    for (const RuleClearance& r : rules)
        if (r.on)
            widest = std::max(widest, r.value);
    const auto reach = static_cast<int32_t>(std::ceil(std::clamp(widest, 0.0, 1.0e9))) + 1;

    const std::vector<CopperSource>& sources = copper.sources;
    Conductors conductors(sources);
    std::vector<NearMiss> misses;
    bool firstLayer = true;
    for (const CopperLayer& layer : copper.layers) {
        const std::vector<ShapePiece>& pieces = layer.shapes.pieces();
        const bool done = ForEachNearPair(layer.shapes, reach, work, [&](int i, int j) {
            const ShapePiece& p = pieces[static_cast<size_t>(i)];
            const ShapePiece& q = pieces[static_cast<size_t>(j)];
            const CopperSource& a = sources[static_cast<size_t>(p.source)];
            const CopperSource& b = sources[static_cast<size_t>(q.source)];
            // Copper on every layer meets the same copper on every layer: once is enough.
            if (p.source == q.source || (!firstLayer && a.through && b.through))
                return;
            if ((a.net >= 0 && a.net == b.net) || conductors.find(p.source) == conductors.find(q.source))
                return;
            const DrcRule rule = ClearanceRule(a.kind, b.kind);
            const RuleClearance& clearance = rules[static_cast<size_t>(rule)];
            const double needed = clearance.on ? clearance.value : kTouchGap;
            if (BoxGap(p.box, q.box) >= needed)
                return;
            const ShapeGap gap = PieceGap(layer.shapes, p, layer.shapes, q);
            if (gap.distance <= kTouchGap) {
                if (conductors.join(p.source, q.source))
                    findings.push_back(FindingAt(DrcRule::kShort, gap.spot.x, gap.spot.y, a.object, b.object));
            } else if (clearance.on && gap.distance < clearance.value - kTouchGap) {
                misses.push_back({p.source, q.source, rule, gap.spot});
            }
        });
        if (!done)
            return false;
        firstLayer = false;
    }
    // A pair of sources counts once, however many of their pieces and layers come near.
    std::unordered_set<uint64_t> reported;
    for (const NearMiss& m : misses) {
        if (conductors.sameNet(m.a, m.b))
            continue;
        const uint64_t key = (uint64_t(uint32_t(std::min(m.a, m.b))) << 32) | uint32_t(std::max(m.a, m.b));
        if (!reported.insert(key).second)
            continue;
        findings.push_back(FindingAt(m.rule, m.spot.x, m.spot.y, sources[static_cast<size_t>(m.a)].object,
                                     sources[static_cast<size_t>(m.b)].object));
    }
    return true;
}
