#include "tracelyn/route/trace_necking.h"

#include "platform/core/ui_host.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/route/board_checks.h"
#include "tracelyn/route/copper_geometry.h"
#include "tracelyn/route/route_edit.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

NeckingSettings g_necking;

namespace {

constexpr int32_t kConnectedReach = 100;
constexpr int32_t kNearMargin = 500;
constexpr int kMarkerDouble = 5;

BoardObject& object(int i) { return g_board.objects[i]; }

// Whether anything but trace `self` touches the point on the trace's layer.
bool endShared(int self, int32_t x, int32_t y, int layer, const std::vector<CopperPad>& pads)
{
    for (int k = 1; k <= g_board.count; ++k) {
        const BoardObject& o = object(k);
        if (k == self || (o.kind() != kKindLine && o.kind() != kKindArc) || !SharesCopperLayer(o.layer(), layer))
            continue;
        if (SegmentDistance(x, y, o.w[0], o.w[1], o.w[2], o.w[3]) <= o.w[7] / 2.0 + object(self).w[7] / 2.0)
            return true;
    }
    for (const CopperPad& p : pads)
        if (SharesCopperLayer(p.layer, layer) && PadBoxDistance(x, y, p) <= object(self).w[7] / 2.0)
            return true;
    return false;
}

// Appends a piece of trace t; 0 when the store is full.
int appendPiece(int t, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t marker)
{
    const BoardObject& o = object(t);
    BoardObject piece = MakeRouteObject(kKindLine, o.layer(), x1, y1, x2, y2);
    piece.w[6] = marker;
    piece.w[7] = o.w[7];
    return AppendRouteObject(piece);
}

struct PadWindow {
    int32_t px, py, hx, hy;
    int shape;
};

// Narrows trace t beside the pad; false when the store is full.
bool narrow(int t, const PadWindow& pad)
{
    BoardObject& o = object(t);
    if (o.w[6] != 0) {
        o.w[6] = kMarkerDouble;
        return true;
    }
    const int32_t w = o.w[7];
    const int32_t ex = pad.shape > 0 ? pad.hx + 3 * w / 4 : pad.hx;
    const int32_t ey = pad.shape > 0 ? pad.hy + 3 * w / 4 : pad.hy;
    if (std::abs(o.w[2] - o.w[0]) + std::abs(o.w[3] - o.w[1]) <= pad.hx) {
        o.w[7] = g_necking.neckWidth;
        return true;
    }
    const bool flat = o.w[1] == o.w[3];
    const int axis = flat ? 0 : 1;
    const int32_t centre = flat ? pad.px : pad.py;
    const int32_t reach = flat ? ex : ey;
    const int32_t a = centre - reach, b = centre + reach;
    const int low = o.w[axis] <= o.w[2 + axis] ? 0 : 1;   // the stored end with the smaller coordinate
    const int high = 1 - low;
    const int32_t lo = o.w[2 * low + axis], hi = o.w[2 * high + axis];
    const int32_t marker = flat ? (pad.py > o.w[1] ? 2 : 1) : (pad.px <= o.w[0] ? 4 : 3);
    const auto point = [&](int32_t v, int32_t& x, int32_t& y) {
        x = flat ? v : o.w[0];
        y = flat ? o.w[1] : v;
    };
    int32_t ax = 0, ay = 0, bx = 0, by = 0, lx = 0, ly = 0, hx = 0, hy = 0;
    point(a, ax, ay);
    point(b, bx, by);
    point(lo, lx, ly);
    point(hi, hx, hy);
    if (lo < a && hi > b) {
        o.w[2 * high + axis] = a;
        return appendPiece(t, ax, ay, bx, by, marker) != 0 && appendPiece(t, bx, by, hx, hy, 0) != 0;
    }
    if (lo < a && hi > a && hi < b) {
        o.w[2 * high + axis] = a;
        return appendPiece(t, ax, ay, hx, hy, marker) != 0;
    }
    if (hi > b && lo > a && lo < b) {
        o.w[2 * low + axis] = b;
        return appendPiece(t, lx, ly, bx, by, marker) != 0;
    }
    o.w[7] = g_necking.neckWidth;
    return true;
}

// Shifts the narrowed pieces appended from `first` on away from their pads.
void shiftPieces(int first)
{
    for (int i = first; i <= g_board.count; ++i) {
        BoardObject& o = object(i);
        if (o.kind() != kKindLine || o.w[6] < 1 || o.w[6] > 4)
            continue;
        const int32_t d = (o.w[7] - g_necking.neckWidth) / 2;
        o.w[7] = g_necking.neckWidth;
        switch (o.w[6]) {
        case 1: o.w[1] += d; o.w[3] += d; break;
        case 2: o.w[1] -= d; o.w[3] -= d; break;
        case 3: o.w[0] -= d; o.w[2] -= d; break;
        default: o.w[0] += d; o.w[2] += d; break;
        }
    }
}

// Pulls a dangling end that points at the pad back to the clearance; a shared end stays.
void pullEnds(int t, const PadWindow& pad, int32_t g, const std::vector<CopperPad>& pads)
{
    BoardObject& o = object(t);
    const bool flat = o.w[1] == o.w[3];
    const int axis = flat ? 0 : 1;
    const int32_t centre = flat ? pad.px : pad.py;
    const int32_t reach = (flat ? pad.hx : pad.hy) + g;
    for (int e = 0; e < 2; ++e) {
        int32_t& v = o.w[2 * e + axis];
        const int32_t x = o.w[2 * e], y = o.w[2 * e + 1];
        if (v > centre && v - centre < reach && !endShared(t, x, y, o.layer(), pads))
            v = centre + reach;
        else if (v < centre && centre - v < reach && !endShared(t, x, y, o.layer(), pads))
            v = centre - reach;
    }
}

// Necks every trace of the part's layer against one pad; false when the store filled.
bool neckAgainstPad(const CopperPad& pad, int partLayer, int& necked, const std::vector<CopperPad>& pads)
{
    const PadWindow window{pad.x, pad.y, pad.sizeX / 2, pad.sizeY / 2, pad.style};
    // Pieces cut for this pad are not looked at again for it.
    const int last = g_board.count;
    for (int t = 1; t <= last; ++t) {
        if (g_progress.abort != 0)
            return true;
        BoardObject& o = object(t);
        if (o.kind() != kKindLine || !IsCopperLayer(o.layer()) || (partLayer != kLayerAll && o.layer() != partLayer))
            continue;
        const bool flat = o.w[1] == o.w[3], upright = o.w[0] == o.w[2];
        if (flat == upright)
            continue;   // diagonal (or a point)
        const auto near = [&](int e) {
            return std::abs(o.w[2 * e] - pad.x) < kConnectedReach && std::abs(o.w[2 * e + 1] - pad.y) < kConnectedReach;
        };
        if (near(0) || near(1) || !PadNearSegment(pad.x, pad.y, o.w[0], o.w[1], o.w[2], o.w[3]))
            continue;
        const int32_t g = o.w[7] / 2 + g_designRules.padToTrace;
        const int axis = flat ? 0 : 1;
        const int32_t along = flat ? pad.x : pad.y;
        const int32_t lo = std::min(o.w[axis], o.w[2 + axis]), hi = std::max(o.w[axis], o.w[2 + axis]);
        if (along < lo || along > hi) {
            if ((flat ? o.w[1] == pad.y : o.w[0] == pad.x))
                pullEnds(t, window, g, pads);
            continue;
        }
        const int32_t d = flat ? std::abs(pad.y - o.w[1]) : std::abs(pad.x - o.w[0]);
        const int32_t half = flat ? window.hy : window.hx;
        if (half < d && d < half + g) {
            if (!narrow(t, window))
                return false;
            ++necked;
        }
    }
    return true;
}

}  // namespace

bool PadNearSegment(int32_t px, int32_t py, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return px >= std::min(x1, x2) - kNearMargin && px <= std::max(x1, x2) + kNearMargin &&
           py >= std::min(y1, y2) - kNearMargin && py <= std::max(y1, y2) + kNearMargin;
}

int NeckTraces(int count)
{
    if (g_board.objects == nullptr)
        return 0;
    count = std::min(count, g_board.count);
    const int firstNew = g_board.count + 1;
    g_designRules.padToVia = g_designRules.padToTrace;
    g_progress.abort = 0;
    int parts = 0;
    for (int i = 1; i <= count; ++i) {
        BoardObject& o = object(i);
        if (o.kind() == kKindLine)
            o.w[6] = 0;
        parts += o.isPart() ? 1 : 0;
    }
    const std::vector<CopperPad> pads = CollectCopperPads(1, count, true);
    ShowProgressWindow(0, 0, "Necking", kProgressStart);
    int necked = 0, done = 0;
    bool room = true;
    for (int i = 1; i <= count && room && g_progress.abort == 0; ++i) {
        const BoardObject& part = object(i);
        if (!part.isPart() || PackageNameOf(part.package()).empty())
            continue;
        std::vector<CopperPad> partPads;
        AppendPartPads(i, partPads);
        for (const CopperPad& pad : partPads) {
            if (pad.style == kPadEdge)
                continue;
            if (!(room = neckAgainstPad(pad, part.layer(), necked, pads)))
                break;
        }
        ShowProgressStep(++done, parts, "Necking");
    }
    ShowProgressWindow(0, 0, nullptr, kProgressEnd);
    shiftPieces(firstNew);
    char text[64];
    std::snprintf(text, sizeof text, std::string(kNeckedMessage).c_str(), necked);
    plat::MessageBox(necked > 0 ? std::string(text) : std::string(kNoNeckingMessage),
                     plat::kMbIconInformation | plat::kMbOkCancel, "Necking");
    RedrawActiveFrame();
    return necked;
}
