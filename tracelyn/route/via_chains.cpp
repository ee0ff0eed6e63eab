// The optimiser's chain stages. A route that leaves a through pad on one layer and changes
// layer at its first via ("pad, stub, via, run") can take the via's other layer from the pad on,
// and a stretch between two vias whose neighbours both lie on the other layer can move there:
// the vias then join one layer and go. A chain moves only when, on its new layer, it meets
// nothing but its own net's copper at its ends, and on its old layer it left nothing it joined.
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/route/copper_geometry.h"
#include "tracelyn/route/via_copper.h"
#include "tracelyn/route/via_optimizer.h"

#include <algorithm>
#include <array>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

constexpr size_t kMaxChain = 20;
constexpr int32_t kBucket = 1024;   // board units a side of the near-point index's squares

BoardObject& object(int i) { return g_board.objects[i]; }

uint64_t keyOf(int32_t x, int32_t y) { return (uint64_t{static_cast<uint32_t>(x)} << 32) | static_cast<uint32_t>(y); }
int32_t bucketOf(int32_t v) { return v >= 0 ? v / kBucket : -((-v + kBucket - 1) / kBucket); }

bool viaOfPair(const BoardObject& o, int even)
{
    if (o.kind() != kKindPad)
        return false;
    const int style = o.w[5] & 15;
    return style == kPadThroughVia || (style == kPadPairVia && o.layer() == even);
}

// The traces and vias of the store by the points their ends stand on, taken once per stage:
// the stages change layers and delete, never move an end.
class PointIndex {
public:
    PointIndex()
    {
        for (int k = 1; k <= g_board.count; ++k) {
            const BoardObject& o = object(k);
            if (o.kind() == kKindLine) {
                for (int e = 0; e < 2; ++e) {
                    const int32_t x = o.w[2 * e], y = o.w[2 * e + 1];
                    if (e == 1 && x == o.w[0] && y == o.w[1])
                        break;
                    ends_[keyOf(x, y)].push_back(k);
                    near_[keyOf(bucketOf(x), bucketOf(y))].push_back(k);
                }
            } else if (o.kind() == kKindPad && IsViaStyle(o.w[5] & 15)) {
                vias_[keyOf(o.w[0], o.w[1])].push_back(k);
            }
        }
    }
    // The live traces with an end on (x, y).
    std::vector<int> tracesAt(int32_t x, int32_t y) const
    {
        std::vector<int> out;
        if (const auto at = ends_.find(keyOf(x, y)); at != ends_.end())
            for (const int k : at->second)
                if (object(k).kind() == kKindLine)
                    out.push_back(k);
        return out;
    }
    // The live via of the pair standing exactly on (x, y), or 0.
    int viaAt(int32_t x, int32_t y, int even) const
    {
        if (const auto at = vias_.find(keyOf(x, y)); at != vias_.end())
            for (const int k : at->second)
                if (viaOfPair(object(k), even))
                    return k;
        return 0;
    }
    // Live traces with an end inside the pad, each with that end.
    std::vector<std::pair<int, std::pair<int32_t, int32_t>>> tracesInPad(const CopperPad& pad) const
    {
        std::vector<std::pair<int, std::pair<int32_t, int32_t>>> out;
        const int32_t hx = pad.sizeX / 2 + 1, hy = pad.sizeY / 2 + 1;
        for (int32_t bx = bucketOf(pad.x - hx); bx <= bucketOf(pad.x + hx); ++bx) {
            for (int32_t by = bucketOf(pad.y - hy); by <= bucketOf(pad.y + hy); ++by) {
                const auto at = near_.find(keyOf(bx, by));
                if (at == near_.end())
                    continue;
                for (const int k : at->second) {
                    const BoardObject& o = object(k);
                    if (o.kind() != kKindLine)
                        continue;
                    for (int e = 0; e < 2; ++e)
                        if (PadBoxDistance(o.w[2 * e], o.w[2 * e + 1], pad) == 0) {
                            out.emplace_back(k, std::pair{o.w[2 * e], o.w[2 * e + 1]});
                            break;
                        }
                }
            }
        }
        std::sort(out.begin(), out.end());
        out.erase(std::unique(out.begin(), out.end()), out.end());
        return out;
    }

private:
    std::unordered_map<uint64_t, std::vector<int>> ends_, vias_, near_;
};

struct Chain {
    std::vector<int> traces;
    int via = 0;   // the via it ends at
    int layer = -1;
};

// From (x, y), the end of trace `first`, on through the traces of its layer that meet end to
// end, one at each point, to a via of the pair. A fork, a loose end or more than kMaxChain
// traces give no chain.
Chain followChain(const PointIndex& index, int first, int32_t x, int32_t y, int even)
{
    Chain chain;
    chain.layer = object(first).layer();
    if (chain.layer != even && chain.layer != even + 1)
        return {};
    for (int t = first; chain.traces.size() < kMaxChain;) {
        chain.traces.push_back(t);
        const BoardObject& o = object(t);
        const bool fromStart = o.w[0] == x && o.w[1] == y;
        x = fromStart ? o.w[2] : o.w[0];
        y = fromStart ? o.w[3] : o.w[1];
        if (const int via = index.viaAt(x, y, even); via != 0) {
            chain.via = via;
            return chain;
        }
        int next = 0, count = 0;
        for (const int k : index.tracesAt(x, y))
            if (k != t && object(k).layer() == chain.layer) {
                next = k;
                ++count;
            }
        if (count != 1 || std::find(chain.traces.begin(), chain.traces.end(), next) != chain.traces.end())
            return {};
        t = next;
    }
    return {};
}

// Whether a trace ends on one of the joints, or inside the pad the chain leaves.
bool joinedAt(const BoardObject& o, std::span<const std::pair<int32_t, int32_t>> joints, const CopperPad* pad)
{
    for (int e = 0; e < 2; ++e) {
        const int32_t x = o.w[2 * e], y = o.w[2 * e + 1];
        for (const auto& [jx, jy] : joints)
            if (x == jx && y == jy)
                return true;
        if (pad != nullptr && PadBoxDistance(x, y, *pad) == 0)
            return true;
    }
    return false;
}

// Whether every trace of the chain may take layer `to`: what it touches changes only by
// traces of its own net that end on its joints (or on the pad it leaves).
bool chainMayMove(const std::vector<int>& chain, int to, std::span<const std::pair<int32_t, int32_t>> joints,
                  const CopperPad* pad, std::span<const int> vias)
{
    int32_t left = 0, top = 0, right = 0, bottom = 0, widest = 0;
    for (size_t n = 0; n < chain.size(); ++n) {
        const BoardObject& o = object(chain[n]);
        const int32_t l = std::min(o.w[0], o.w[2]), r = std::max(o.w[0], o.w[2]);
        const int32_t t = std::min(o.w[1], o.w[3]), b = std::max(o.w[1], o.w[3]);
        left = n == 0 ? l : std::min(left, l);
        right = n == 0 ? r : std::max(right, r);
        top = n == 0 ? t : std::min(top, t);
        bottom = n == 0 ? b : std::max(bottom, b);
        widest = std::max(widest, o.w[7]);
    }
    const auto member = [&](int k) {
        return std::find(chain.begin(), chain.end(), k) != chain.end() || std::find(vias.begin(), vias.end(), k) != vias.end();
    };
    for (int k = 1; k <= g_board.count; ++k) {
        const BoardObject& x = object(k);
        const bool line = x.kind() == kKindLine || x.kind() == kKindArc;
        if ((!line && x.kind() != kKindPad) || member(k))
            continue;
        // Far from the chain: it touches nothing of it on any layer.
        const int32_t reach = widest + (line ? x.w[7] : std::max(x.w[2], x.w[3]));
        const int32_t xl = line ? std::min(x.w[0], x.w[2]) : x.w[0], xr = line ? std::max(x.w[0], x.w[2]) : x.w[0];
        const int32_t xt = line ? std::min(x.w[1], x.w[3]) : x.w[1], xb = line ? std::max(x.w[1], x.w[3]) : x.w[1];
        if (int64_t{xr} + reach < left || int64_t{xl} - reach > right || int64_t{xb} + reach < top || int64_t{xt} - reach > bottom)
            continue;
        for (const int t : chain) {
            const BoardObject& o = object(t);
            const bool onOld = OptimizerTraceTouches(k, o.w[0], o.w[1], o.w[2], o.w[3], o.w[7], o.layer());
            const bool onNew = OptimizerTraceTouches(k, o.w[0], o.w[1], o.w[2], o.w[3], o.w[7], to);
            if (onOld != onNew && !(x.kind() == kKindLine && joinedAt(x, joints, pad)))
                return false;
        }
    }
    for (const CopperPad& p : OptimizerPartPads()) {
        for (const int t : chain) {
            const BoardObject& o = object(t);
            const bool onOld = SharesCopperLayer(p.layer, o.layer()) && TraceOverlapsPad(o.w[0], o.w[1], o.w[2], o.w[3], o.w[7], p);
            const bool onNew = SharesCopperLayer(p.layer, to) && TraceOverlapsPad(o.w[0], o.w[1], o.w[2], o.w[3], o.w[7], p);
            if (onOld != onNew)
                return false;
        }
    }
    return true;
}

void setLayer(const std::vector<int>& chain, int layer)
{
    for (const int t : chain)
        object(t).setLayer(layer);
}

// Moves the chain to `to` when it may, and keeps the move only when every via of `vias` can
// then go (they are deleted); returns the vias deleted.
int moveAndDrop(const Chain& chain, int to, std::span<const std::pair<int32_t, int32_t>> joints, const CopperPad* pad,
                std::span<const int> vias)
{
    if (!chainMayMove(chain.traces, to, joints, pad, vias))
        return 0;
    setLayer(chain.traces, to);
    for (const int v : vias) {
        if (!OptimizerViaCanGo(v)) {
            setLayer(chain.traces, chain.layer);
            return 0;
        }
    }
    for (const int v : vias)
        object(v).setKind(kKindDeleted);
    return static_cast<int>(vias.size());
}

// Whether every surface part stands on one and the same side.
bool surfacePartsOnOneSide()
{
    int side = -1;
    for (int k = 1; k <= g_board.count; ++k) {
        const BoardObject& o = object(k);
        if (!o.isPart() || o.layer() == kLayerAll)
            continue;
        if (side >= 0 && o.layer() != side)
            return false;
        side = o.layer();
    }
    return true;
}

bool pairHoldsTraces(int even)
{
    for (int k = 1; k <= g_board.count; ++k) {
        const BoardObject& o = object(k);
        if (o.kind() == kKindLine && (o.layer() == even || o.layer() == even + 1))
            return true;
    }
    return false;
}

}  // namespace

int RemovePadVias(int even)
{
    const PointIndex index;
    int removed = 0;
    int done = 0;
    const int total = static_cast<int>(OptimizerPartPads().size());
    for (const CopperPad& pad : OptimizerPartPads()) {
        if (g_progress.abort != 0)
            break;
        if (++done % kProgressEvery == 0)
            ShowProgressStep(done, total, "Optimize");
        if (pad.layer != kLayerAll || pad.style == kPadEdge || pad.object <= 0 || object(pad.object).layer() != kLayerAll)
            continue;
        for (const auto& [t, end] : index.tracesInPad(pad)) {
            if (object(t).kind() != kKindLine)
                continue;
            const Chain chain = followChain(index, t, end.first, end.second, even);
            if (chain.via == 0)
                continue;
            const BoardObject& via = object(chain.via);
            const std::array joints{std::pair{via.w[0], via.w[1]}};
            const std::array vias{chain.via};
            removed += moveAndDrop(chain, chain.layer ^ 1, joints, &pad, vias);
        }
    }
    return removed;
}

int RemoveViaPairs(int even)
{
    if (!pairHoldsTraces(even) || !surfacePartsOnOneSide())
        return 0;
    const PointIndex index;
    int removed = 0;
    for (int v = 1; v <= g_board.count && g_progress.abort == 0; ++v) {
        if (!viaOfPair(object(v), even))
            continue;
        const std::vector<int> here = index.tracesAt(object(v).w[0], object(v).w[1]);
        if (here.size() != 2 || object(here[0]).layer() == object(here[1]).layer())
            continue;
        for (const int start : here) {
            const int32_t vx = object(v).w[0], vy = object(v).w[1];
            const Chain chain = followChain(index, start, vx, vy, even);
            if (chain.via == 0 || chain.via == v || (object(chain.via).w[5] & 15) != (object(v).w[5] & 15))
                continue;
            const BoardObject& other = object(chain.via);
            const int outside = chain.layer ^ 1;
            const std::vector<int> there = index.tracesAt(other.w[0], other.w[1]);
            if (there.size() != 2)
                continue;
            const int outer = there[0] == chain.traces.back() ? there[1] : there[0];
            const int before = here[0] == start ? here[1] : here[0];
            if (object(outer).layer() != outside || object(before).layer() != outside)
                continue;
            const std::array joints{std::pair{vx, vy}, std::pair{other.w[0], other.w[1]}};
            const std::array vias{v, chain.via};
            const int gone = moveAndDrop(chain, outside, joints, nullptr, vias);
            removed += gone;
            if (gone > 0)
                break;
        }
    }
    return removed;
}
