#include "tracelyn/route/via_optimizer.h"

#include "platform/core/ui_host.h"
#include "resources/tracelyn/route_ids.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/route/copper_geometry.h"
#include "tracelyn/route/via_copper.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

OptimizerStats g_optimizerStats;

namespace {

BoardObject& object(int i) { return g_board.objects[i]; }
bool isTrace(const BoardObject& o) { return o.kind() == kKindLine || o.kind() == kKindArc; }
bool isVia(const BoardObject& o) { return o.kind() == kKindPad && IsViaStyle(o.w[5] & 15); }

CopperPad padOf(int i) { return FreePad(i); }

// Whether copper object k (a trace or a free pad) overlaps the trace (ax, ay)-(bx, by) of
// `width` on `layer`.
bool traceTouches(int k, int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t width, int layer)
{
    const BoardObject& o = object(k);
    // Boxes apart by more than the two half widths (or the pad's half size): no overlap. Most
    // of the board is ruled out so before any distance is worked out.
    if (isTrace(o) || o.kind() == kKindPad) {
        const int64_t reach = int64_t{std::max(width, 0)} / 2 + 1 +
                              (isTrace(o) ? std::max(o.w[7], 0) / 2 : std::max(o.w[2], o.w[3]) / 2 + 1);
        const int64_t oxl = isTrace(o) ? std::min(o.w[0], o.w[2]) : o.w[0], oxr = isTrace(o) ? std::max(o.w[0], o.w[2]) : o.w[0];
        const int64_t oyt = isTrace(o) ? std::min(o.w[1], o.w[3]) : o.w[1], oyb = isTrace(o) ? std::max(o.w[1], o.w[3]) : o.w[1];
        if (oxr + reach < std::min(ax, bx) || oxl - reach > std::max(ax, bx) || oyb + reach < std::min(ay, by) ||
            oyt - reach > std::max(ay, by))
            return false;
    }
    if (isTrace(o))
        return SharesCopperLayer(o.layer(), layer) && IsCopperLayer(o.layer()) && TraceOverlapsTrace(ax, ay, bx, by, width, o);
    if (o.kind() == kKindPad)
        return SharesCopperLayer(o.layer(), layer) && TraceOverlapsPad(ax, ay, bx, by, width, padOf(k));
    return false;
}

// The layers a via reaches.
bool viaOnLayer(const BoardObject& via, int layer)
{
    return via.layer() == kLayerAll || via.layer() == layer || (via.layer() ^ 1) == layer;
}

// Whether the pad of the via overlaps object k.
bool viaTouches(int via, int k)
{
    const BoardObject& v = object(via);
    const BoardObject& o = object(k);
    const CopperPad pad = padOf(via);
    if (isTrace(o))
        return IsCopperLayer(o.layer()) && viaOnLayer(v, o.layer()) && TraceOverlapsPad(o.w[0], o.w[1], o.w[2], o.w[3], o.w[7], pad);
    if (o.kind() == kKindPad) {
        const CopperPad other = padOf(k);
        const bool shared = v.layer() == kLayerAll || o.layer() == kLayerAll || viaOnLayer(v, o.layer());
        return shared && std::abs(other.x - pad.x) * 2 < other.sizeX + pad.sizeX &&
               std::abs(other.y - pad.y) * 2 < other.sizeY + pad.sizeY;
    }
    return false;
}

std::vector<CopperPad>& partPads() { return OptimizerPartPads(); }

bool partPadTouchesVia(int via)
{
    const CopperPad pad = padOf(via);
    for (const CopperPad& p : partPads())
        if (std::abs(p.x - pad.x) * 2 < p.sizeX + pad.sizeX && std::abs(p.y - pad.y) * 2 < p.sizeY + pad.sizeY)
            return true;
    return false;
}

// A via can go when no part pad needs it and every trace it touches passes through its centre
// on one and the same layer.
bool viaRedundant(int via)
{
    if (partPadTouchesVia(via))
        return false;
    const BoardObject& v = object(via);
    int layer = -1;
    for (int k = 1; k <= g_board.count; ++k) {
        if (k == via || !viaTouches(via, k))
            continue;
        const BoardObject& o = object(k);
        if (!isTrace(o) || o.kind() != kKindLine)
            return false;
        if (SegmentDistance(v.w[0], v.w[1], o.w[0], o.w[1], o.w[2], o.w[3]) > 0.5)
            return false;
        if (layer >= 0 && o.layer() != layer)
            return false;
        layer = o.layer();
    }
    return true;
}

// The via standing exactly on (x, y) of the given style, or 0.
int viaAt(int32_t x, int32_t y, int viaLayer)
{
    for (int k = 1; k <= g_board.count; ++k) {
        const BoardObject& o = object(k);
        if (isVia(o) && o.w[0] == x && o.w[1] == y &&
            ((o.w[5] & 15) == kPadThroughVia || o.layer() == viaLayer))
            return k;
    }
    return 0;
}

// Whether trace t may move to layer `to`: its ends stand on vias of one style, nothing of its
// own layer meets it away from its ends, and on the new layer it meets only copper that ends
// on those vias.
bool mayMove(int t, int to, int viaLayer)
{
    const BoardObject& o = object(t);
    const int v1 = viaAt(o.w[0], o.w[1], viaLayer), v2 = viaAt(o.w[2], o.w[3], viaLayer);
    if (v1 == 0 || v2 == 0 || v1 == v2 || (object(v1).w[5] & 15) != (object(v2).w[5] & 15))
        return false;
    const auto endsOnVia = [&](const BoardObject& x) {
        for (int e = 0; e < 2; ++e)
            if ((x.w[2 * e] == o.w[0] && x.w[2 * e + 1] == o.w[1]) || (x.w[2 * e] == o.w[2] && x.w[2 * e + 1] == o.w[3]))
                return true;
        return false;
    };
    for (int k = 1; k <= g_board.count; ++k) {
        if (k == t || k == v1 || k == v2)
            continue;
        const BoardObject& x = object(k);
        const bool onOld = traceTouches(k, o.w[0], o.w[1], o.w[2], o.w[3], o.w[7], o.layer());
        const bool onNew = traceTouches(k, o.w[0], o.w[1], o.w[2], o.w[3], o.w[7], to);
        if (onOld == onNew)
            continue;   // touched on both layers (a through pad) or on neither
        if (isTrace(x) && x.kind() == kKindLine && endsOnVia(x))
            continue;   // joined through the via either way
        return false;
    }
    for (const CopperPad& p : partPads()) {
        const bool onOld = SharesCopperLayer(p.layer, o.layer()) && TraceOverlapsPad(o.w[0], o.w[1], o.w[2], o.w[3], o.w[7], p);
        const bool onNew = SharesCopperLayer(p.layer, to) && TraceOverlapsPad(o.w[0], o.w[1], o.w[2], o.w[3], o.w[7], p);
        if (onOld != onNew)
            return false;
    }
    return true;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

bool OptimizerTraceTouches(int k, int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t width, int layer)
{
    return traceTouches(k, ax, ay, bx, by, width, layer);
}

bool OptimizerViaCanGo(int index) { return viaRedundant(index); }

std::vector<CopperPad>& OptimizerPartPads()
{
    static std::vector<CopperPad> pads;
    return pads;
}

int ViaJoinsOneLayer(int index)
{
    const BoardObject& v = object(index);
    int layer = -1;
    for (int k = 1; k <= g_board.count; ++k) {
        const BoardObject& o = object(k);
        if (o.kind() != kKindLine)
            continue;
        const bool ends = (o.w[0] == v.w[0] && o.w[1] == v.w[1]) || (o.w[2] == v.w[0] && o.w[3] == v.w[1]);
        if (!ends || ((v.w[5] & 15) == kPadPairVia && std::abs(o.layer() - v.layer()) > 1))
            continue;
        if (layer >= 0 && layer != o.layer())
            return 0;
        layer = o.layer();
    }
    return 1;
}

int FlipJogSegments(int mode, int from, int to, int viaLayer)
{
    int removed = 0;
    for (int t = 1; t <= g_board.count && g_progress.abort == 0; ++t) {
        if (t % kProgressEvery == 0)
            ShowProgressStep(t, g_board.count, "Optimize");
        BoardObject& o = object(t);
        if (o.kind() != kKindLine || o.layer() != from)
            continue;
        const bool wanted = mode == 1 ? (o.w[1] == o.w[3] && o.w[0] != o.w[2]) : (o.w[0] == o.w[2] && o.w[1] != o.w[3]);
        if (!wanted || !mayMove(t, to, viaLayer))
            continue;
        const int v1 = viaAt(o.w[0], o.w[1], viaLayer), v2 = viaAt(o.w[2], o.w[3], viaLayer);
        o.setLayer(to);
        for (int v : {v1, v2}) {
            if (viaRedundant(v)) {
                object(v).setKind(kKindDeleted);
                ++removed;
            }
        }
    }
    return removed;
}

int RemoveRedundantVias()
{
    int removed = 0;
    for (int k = 1; k <= g_board.count && g_progress.abort == 0; ++k) {
        if (isVia(object(k)) && viaRedundant(k)) {
            object(k).setKind(kKindDeleted);
            ++removed;
        }
    }
    return removed;
}

COptimizeDlg::COptimizeDlg() : plat::Dialog(tly::kIddOptimize, nullptr) {}

int COptimizeDlg::OptimizeVias(int report)
{
    const auto start = std::chrono::steady_clock::now();
    g_progress.abort = 0;
    if (g_board.objects == nullptr)
        return 0;
    ShowProgressWindow(0, 0, "Optimize", kProgressStart);
    partPads() = CollectCopperPads(1, g_board.count, false);
    int flipped = 0;
    for (int layer = 0; layer <= 14 && g_progress.abort == 0; layer += 2) {
        flipped += FlipJogSegments(1, layer + 1, layer, layer);
        flipped += FlipJogSegments(2, layer, layer + 1, layer);
    }
    int padVias = 0;
    for (int layer = 0; layer <= 14 && g_progress.abort == 0; layer += 2)
        padVias += RemovePadVias(layer);
    int pairs = 0;
    for (int layer = 0; layer <= 14 && g_progress.abort == 0; layer += 2)
        pairs += RemoveViaPairs(layer);
    const int redundant = g_progress.abort == 0 ? RemoveRedundantVias() : 0;
    const int removed = flipped + padVias + pairs + redundant;
    // The statistic weighs a via the jog stage removed twice; the pairs stage is not counted.
    g_optimizerStats.optimize1 = padVias + redundant + 2 * flipped;
    if (removed > 0 && g_active.data != nullptr)
        g_active.data->modified = true;
    if (report == 1) {
        ShowProgressWindow(0, 0, nullptr, kProgressEnd);
        char text[96];
        std::snprintf(text, sizeof text, std::string(kViasRemovedMessage).c_str(), removed, secondsSince(start));
        plat::MessageBox(text, plat::kMbIconInformation);
    }
    partPads().clear();
    return removed;
}

namespace {

struct Touches {
    std::vector<int> objects;
    std::vector<size_t> pads;
    bool operator==(const Touches&) const = default;
};

// The via and the traces whose ends stand on its centre: what moves with it.
std::vector<int> viaGroup(int via)
{
    std::vector<int> group{via};
    const BoardObject& v = object(via);
    for (int k = 1; k <= g_board.count; ++k) {
        const BoardObject& o = object(k);
        if (o.kind() == kKindLine && ((o.w[0] == v.w[0] && o.w[1] == v.w[1]) || (o.w[2] == v.w[0] && o.w[3] == v.w[1])))
            group.push_back(k);
    }
    return group;
}

// Everything outside the group that the group's copper touches.
Touches touchesOf(const std::vector<int>& group)
{
    Touches t;
    const int via = group.front();
    for (int k = 1; k <= g_board.count; ++k) {
        if (std::find(group.begin(), group.end(), k) != group.end())
            continue;
        bool touched = viaTouches(via, k);
        for (size_t g = 1; g < group.size() && !touched; ++g) {
            const BoardObject& o = object(group[g]);
            touched = traceTouches(k, o.w[0], o.w[1], o.w[2], o.w[3], o.w[7], o.layer());
        }
        if (touched)
            t.objects.push_back(k);
    }
    const CopperPad viaPad = padOf(via);
    for (size_t p = 0; p < partPads().size(); ++p) {
        const CopperPad& pad = partPads()[p];
        bool touched = std::abs(pad.x - viaPad.x) * 2 < pad.sizeX + viaPad.sizeX && std::abs(pad.y - viaPad.y) * 2 < pad.sizeY + viaPad.sizeY;
        for (size_t g = 1; g < group.size() && !touched; ++g) {
            const BoardObject& o = object(group[g]);
            touched = SharesCopperLayer(pad.layer, o.layer()) && TraceOverlapsPad(o.w[0], o.w[1], o.w[2], o.w[3], o.w[7], pad);
        }
        if (touched)
            t.pads.push_back(p);
    }
    return t;
}

// Moves the via (and its trace ends) by (dx, dy) when that changes nothing the via touches.
bool moveVia(int via, int32_t dx, int32_t dy)
{
    if (dx == 0 && dy == 0)
        return false;
    const std::vector<int> group = viaGroup(via);
    const Touches before = touchesOf(group);
    const int32_t x = object(via).w[0], y = object(via).w[1];
    const auto place = [&](int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
        for (size_t g = 1; g < group.size(); ++g) {
            BoardObject& o = object(group[g]);
            for (int e = 0; e < 2; ++e)
                if (o.w[2 * e] == fromX && o.w[2 * e + 1] == fromY) {
                    o.w[2 * e] = toX;
                    o.w[2 * e + 1] = toY;
                }
        }
        object(via).w[0] = toX;
        object(via).w[1] = toY;
    };
    place(x, y, x + dx, y + dy);
    if (touchesOf(group) == before)
        return true;
    place(x + dx, y + dy, x, y);
    return false;
}

int adjustAgainstPads()
{
    int adjusted = 0;
    int done = 0;
    const int total = static_cast<int>(partPads().size());
    for (const CopperPad& pad : partPads()) {
        if (g_progress.abort != 0)
            break;
        ShowProgressWindow(static_cast<float>(++done), static_cast<float>(std::max(total, 1)), "Adjust vias", kProgressUpdate);
        if (pad.style == kPadEdge)
            continue;
        for (int v = 1; v <= g_board.count; ++v) {
            const BoardObject& via = object(v);
            if (!isVia(via))
                continue;
            const int32_t half = via.w[2] / 2;
            const int32_t limitX = pad.sizeX / 2 + 10 + half, limitY = pad.sizeY / 2 + 10 + half;
            const int32_t dx = via.w[0] - pad.x, dy = via.w[1] - pad.y;
            if (std::abs(dx) >= limitX || std::abs(dy) >= limitY)
                continue;
            if (pad.style == kPadSingleLayer || pad.style == 3) {
                ++adjusted;
                continue;
            }
            const double distance = std::hypot(dx, dy);
            const double limit = std::max(limitX, limitY);
            if (distance <= 0 || distance >= limit)
                continue;   // a via on the pad centre stays where it is
            const double missing = limit - distance;
            if (moveVia(v, static_cast<int32_t>(std::lround(dx / distance * missing)),
                        static_cast<int32_t>(std::lround(dy / distance * missing))))
                ++adjusted;
        }
    }
    return adjusted;
}

int adjustAgainstVias()
{
    int adjusted = 0;
    for (int a = 1; a <= g_board.count && g_progress.abort == 0; ++a) {
        for (int b = a + 1; b <= g_board.count; ++b) {
            const BoardObject& va = object(a);
            const BoardObject& vb = object(b);
            if (!isVia(va) || !isVia(vb) || va.layer() != vb.layer())
                continue;
            const int32_t limit = va.w[2] / 2 + vb.w[2] / 2 + 10;
            const int32_t dx = vb.w[0] - va.w[0], dy = vb.w[1] - va.w[1];
            const double distance = std::hypot(dx, dy);
            if (std::abs(dx) >= limit || std::abs(dy) >= limit || distance >= limit || distance <= 0)
                continue;
            const double half = (limit - distance) / 2;
            const int32_t mx = static_cast<int32_t>(std::lround(dx / distance * half));
            const int32_t my = static_cast<int32_t>(std::lround(dy / distance * half));
            const bool movedA = moveVia(a, -mx, -my);
            const bool movedB = moveVia(b, mx, my);
            if (movedA || movedB)
                ++adjusted;
        }
    }
    return adjusted;
}

}  // namespace

int AdjustViaPositions()
{
    if (plat::MessageBox(std::string(kAdjustQuestion), plat::kMbYesNo | plat::kMbIconQuestion) != plat::kIdYes)
        return -1;
    if (g_board.objects == nullptr)
        return 0;
    partPads() = CollectCopperPads(1, g_board.count, false);
    g_progress.abort = 0;
    ShowProgressWindow(0, 0, "Adjust vias", kProgressStart);
    int adjusted = adjustAgainstPads();
    adjusted += adjustAgainstVias();
    ShowProgressWindow(0, 0, nullptr, kProgressEnd);
    partPads().clear();
    char text[64];
    std::snprintf(text, sizeof text, "Adusted positions of %d vias", adjusted);
    plat::MessageBox(adjusted > 0 ? std::string(text) : std::string("No adjustments made"),
                     plat::kMbIconInformation | plat::kMbOkCancel, "Adjust vias");
    return adjusted;
}
