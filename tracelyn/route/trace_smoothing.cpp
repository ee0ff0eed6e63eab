#include "tracelyn/route/trace_smoothing.h"

#include "platform/core/ui_host.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/route/copper_geometry.h"
#include "tracelyn/route/route_edit.h"
#include "tracelyn/route/router_dialogs.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

SmoothingSettings g_smoothing;

namespace {

constexpr const char* kProgressCaption = "Smoothing";

BoardObject& object(int i) { return g_board.objects[i]; }
bool isTrace(const BoardObject& o) { return o.kind() == kKindLine; }
bool horizontal(const BoardObject& o) { return o.w[1] == o.w[3] && o.w[0] != o.w[2]; }
bool vertical(const BoardObject& o) { return o.w[0] == o.w[2] && o.w[1] != o.w[3]; }
int32_t travel(const BoardObject& o) { return std::abs(o.w[2] - o.w[0]) + std::abs(o.w[3] - o.w[1]); }

// The copper of one pass: the pads and the range of objects it looks at.
struct CopperScope {
    int first = 1, last = 0;
    std::vector<CopperPad> pads;
};

CopperScope scopeOf(int first, int last)
{
    CopperScope s{first, last, CollectCopperPads(1, g_board.count, true)};
    return s;
}

bool padAt(const CopperScope& scope, int32_t x, int32_t y, int layer)
{
    for (const CopperPad& p : scope.pads)
        if (SharesCopperLayer(p.layer, layer) && PadBoxDistance(x, y, p) == 0)
            return true;
    return false;
}

// Whether a trace or arc of `layer` other than objects a, b and c meets the test.
template <typename Meets>
bool otherTraceMeets(int layer, int a, int b, int c, Meets meets)
{
    for (int k = 1; k <= g_board.count; ++k) {
        if (k == a || k == b || k == c)
            continue;
        const BoardObject& o = object(k);
        if ((o.kind() != kKindLine && o.kind() != kKindArc) || !SharesCopperLayer(o.layer(), layer))
            continue;
        if (meets(o))
            return true;
    }
    return false;
}

// Whether copper other than objects a and b (and `skip`) of `layer` touches the point.
bool otherCopperAt(const CopperScope& scope, int32_t x, int32_t y, int layer, int a, int b, int skip = 0)
{
    const auto touches = [x, y](const BoardObject& o) {
        return SegmentDistance(x, y, o.w[0], o.w[1], o.w[2], o.w[3]) <= o.w[7] / 2.0;
    };
    return otherTraceMeets(layer, a, b, skip, touches) || padAt(scope, x, y, layer);
}

// Whether a new trace would overlap copper of its layer other than the objects named.
bool overlapsOtherCopper(const CopperScope& scope, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width,
                         int layer, int a, int b, int c = 0)
{
    const auto overlaps = [&](const BoardObject& o) { return TraceOverlapsTrace(x1, y1, x2, y2, width, o); };
    if (otherTraceMeets(layer, a, b, c, overlaps))
        return true;
    for (const CopperPad& p : scope.pads)
        if (SharesCopperLayer(p.layer, layer) && TraceOverlapsPad(x1, y1, x2, y2, width, p))
            return true;
    return false;
}

void showProgress(int position, int total)
{
    if (position % kProgressEvery == 0)
        ShowProgressStep(position, total, kProgressCaption);
}

void mergeAll(int first, int last, bool interactive)
{
    for (int i = first; i <= last && i <= g_board.count; ++i) {
        if (interactive)
            showProgress(i, 2 * std::max(last, 1));
        if (g_progress.abort != 0)
            return;
        if (!isTrace(object(i)) || !IsCopperLayer(object(i).layer()))
            continue;
        MergeCollinearTrace(i, 0);
        MergeCollinearTrace(i, 3);
    }
}

// The corner end of trace i that equals an end of trace j: the last of the four pairings.
bool sharedEnd(const BoardObject& i, const BoardObject& j, int& endI, int& endJ)
{
    bool found = false;
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b)
            if (i.w[2 * a] == j.w[2 * b] && i.w[2 * a + 1] == j.w[2 * b + 1]) {
                endI = a;
                endJ = b;
                found = true;
            }
    return found;
}

int finishMessage(int count, std::string_view format, bool interactive)
{
    if (!interactive)
        return count;
    ShowProgressWindow(0, 0, nullptr, kProgressEnd);
    RedrawActiveFrame();
    if (g_boardSettings.sound == 1)
        plat::MessageBeep();
    char text[64];
    std::snprintf(text, sizeof text, std::string(format).c_str(), count);
    plat::MessageBox(text, plat::kMbIconInformation, "Smoothing");
    return count;
}

int smoothPass(int first, int last, int mode, bool interactive)
{
    const CopperScope scope = scopeOf(first, last);
    const int32_t step = g_smoothing.step;
    int corners = 0;
    for (int i = first; i <= last && i <= g_board.count; ++i) {
        if (interactive)
            showProgress(i + last, 2 * std::max(last, 1));
        if (g_progress.abort != 0)
            break;
        for (int j = first; j <= last && j <= g_board.count; ++j) {
            BoardObject& a = object(i);
            if (!isTrace(a) || !IsCopperLayer(a.layer()) || !(horizontal(a) || vertical(a)) || travel(a) < 2 * step)
                break;
            BoardObject& b = object(j);
            if (j == i || !isTrace(b) || b.layer() != a.layer() || travel(b) < 2 * step)
                continue;
            if (!((horizontal(a) && vertical(b)) || (vertical(a) && horizontal(b))))
                continue;
            int endA = 0, endB = 0;
            if (!sharedEnd(a, b, endA, endB))
                continue;
            const int32_t px = a.w[2 * endA], py = a.w[2 * endA + 1];
            if (otherCopperAt(scope, px, py, a.layer(), i, j))
                continue;   // a via, a pad or a third trace meets the corner
            // Where the two shortened ends would be.
            BoardObject na = a, nb = b;
            const auto pull = [step](BoardObject& o, int end) {
                const int other = 1 - end;
                int32_t& x = o.w[2 * end];
                int32_t& y = o.w[2 * end + 1];
                if (o.w[1] == o.w[3])
                    x += o.w[2 * other] > x ? step : -step;
                else
                    y += o.w[2 * other + 1] > y ? step : -step;
            };
            pull(na, endA);
            pull(nb, endB);
            const int32_t ax = na.w[2 * endA], ay = na.w[2 * endA + 1];
            const int32_t bx = nb.w[2 * endB], by = nb.w[2 * endB + 1];
            if (overlapsOtherCopper(scope, ax, ay, bx, by, std::max(a.w[7], b.w[7]), a.layer(), i, j))
                continue;
            const bool reversed = horizontal(a) && vertical(b);
            BoardObject corner = reversed ? MakeRouteObject(mode == kSmoothArcs ? kKindArc : kKindLine, a.layer(), bx, by, ax, ay)
                                          : MakeRouteObject(mode == kSmoothArcs ? kKindArc : kKindLine, a.layer(), ax, ay, bx, by);
            corner.w[5] = a.w[5];
            corner.w[7] = b.w[7];
            if (AppendRouteObject(corner) == 0)
                return corners;   // the store is full: stop with the count reached
            ShortenTraceEnd(i, endA);
            ShortenTraceEnd(j, endB);
            ++corners;
            break;
        }
    }
    return corners;
}

}  // namespace

int ShortenTraceEnd(int index, int end)
{
    BoardObject& o = object(index);
    const int32_t step = g_smoothing.step;
    const int moved = end == 0 ? 0 : 1;
    const int other = 1 - moved;
    const bool flat = o.w[1] == o.w[3];
    if (flat)
        o.w[2 * moved] += o.w[2 * other] > o.w[2 * moved] ? step : -step;
    else
        o.w[2 * moved + 1] += o.w[2 * other + 1] > o.w[2 * moved + 1] ? step : -step;
    if (travel(o) < step)
        o.setKind(kKindDeleted);
    return flat ? 0 : 1;
}

int MergeCollinearTrace(int index, int end)
{
    BoardObject& o = object(index);
    if (!isTrace(o) || !(horizontal(o) || vertical(o)))
        return 0;
    const int at = end == 0 ? 1 : 0;
    const int32_t px = o.w[2 * at], py = o.w[2 * at + 1];
    for (int k = 1; k <= g_board.count; ++k) {
        if (k == index)
            continue;
        BoardObject& other = object(k);
        if (!isTrace(other) || other.layer() != o.layer() || other.w[7] != o.w[7])
            continue;
        if (!((horizontal(o) && horizontal(other) && other.w[1] == o.w[1]) ||
              (vertical(o) && vertical(other) && other.w[0] == o.w[0])))
            continue;
        int near = -1;
        for (int e = 0; e < 2; ++e)
            if (std::abs(other.w[2 * e] - px) <= 2 && std::abs(other.w[2 * e + 1] - py) <= 2)
                near = e;
        if (near < 0)
            continue;
        // The far end of the pair: o's other end stays, the joined trace reaches the farthest.
        const int axis = horizontal(o) ? 0 : 1;
        const int32_t keep = o.w[2 * (1 - at) + axis];
        const int32_t lo = std::min({keep, other.w[axis], other.w[2 + axis], o.w[2 * at + axis]});
        const int32_t hi = std::max({keep, other.w[axis], other.w[2 + axis], o.w[2 * at + axis]});
        if (keep != lo && keep != hi)
            continue;   // the other trace reaches past o's far end: leave both
        o.w[2 * at + axis] = keep == lo ? hi : lo;
        other.setKind(kKindDeleted);
        return 1;
    }
    return 0;
}

int SmoothCorners(int first, int last, int interactive)
{
    if (interactive != 0 && !RunSmoothingDialog())
        return -1;
    if (last <= first || g_board.objects == nullptr)
        return 0;
    if (g_smoothing.mode == kSmoothOrthogonal)
        return UnsmoothCorners(first, last, interactive);
    g_progress.abort = 0;
    if (interactive != 0) {
        ShowProgressWindow(0, 0, kProgressCaption, kProgressStart);
        PushRouteUndo();
    }
    g_smoothing.step = std::max(g_view.gridStepX / 2, 1);
    if (interactive != 0)
        mergeAll(first, last, true);
    const int corners = smoothPass(first, last, g_smoothing.mode, interactive != 0);
    return finishMessage(corners, kSmoothedMessage, interactive != 0);
}

int SmoothNewCorners(int first, int last)
{
    const int32_t savedMode = g_smoothing.mode;
    const int32_t savedStep = g_smoothing.step;
    g_smoothing.mode = kSmooth45;
    g_smoothing.step = std::max(g_view.gridStepX / 2, 1);
    const int corners = last > first ? smoothPass(first, last, kSmooth45, false) : 0;
    g_smoothing.mode = savedMode;
    g_smoothing.step = savedStep;
    return corners;
}

int UnsmoothCorners(int first, int last, int interactive)
{
    if (last <= first || g_board.objects == nullptr)
        return 0;
    g_progress.abort = 0;
    if (interactive != 0) {
        ShowProgressWindow(0, 0, kProgressCaption, kProgressStart);
        PushRouteUndo();
    }
    const int32_t step = std::max(g_view.gridStepX, 1);
    g_smoothing.step = step;
    mergeAll(first, last, interactive != 0);
    const CopperScope scope = scopeOf(first, last);
    int corners = 0;
    for (int d = first; d <= last && d <= g_board.count && g_progress.abort == 0; ++d) {
        BoardObject& diagonal = object(d);
        if ((diagonal.kind() != kKindLine && diagonal.kind() != kKindArc) || !IsCopperLayer(diagonal.layer()))
            continue;
        if (diagonal.kind() == kKindArc)
            diagonal.setKind(kKindLine);
        const int32_t dx = std::abs(diagonal.w[2] - diagonal.w[0]), dy = std::abs(diagonal.w[3] - diagonal.w[1]);
        if (dx == 0 || dy == 0 || dx > step || dy > step)
            continue;
        int neighbour[2] = {0, 0}, neighbourEnd[2] = {0, 0};
        for (int e = 0; e < 2; ++e) {
            const int32_t px = diagonal.w[2 * e], py = diagonal.w[2 * e + 1];
            for (int k = first; k <= last && k <= g_board.count && neighbour[e] == 0; ++k) {
                BoardObject& o = object(k);
                if (k == d || k == neighbour[0] || (o.kind() != kKindLine && o.kind() != kKindArc) || o.layer() != diagonal.layer())
                    continue;
                if (o.kind() == kKindArc)
                    o.setKind(kKindLine);
                if (travel(o) < step / 2)
                    continue;
                for (int oe = 0; oe < 2; ++oe)
                    if (o.w[2 * oe] == px && o.w[2 * oe + 1] == py) {
                        neighbour[e] = k;
                        neighbourEnd[e] = oe;
                    }
            }
        }
        if (neighbour[0] == 0 || neighbour[1] == 0)
            continue;
        BoardObject& n0 = object(neighbour[0]);
        BoardObject& n1 = object(neighbour[1]);
        const bool hv = horizontal(n0) && vertical(n1), vh = vertical(n0) && horizontal(n1);
        if (!hv && !vh)
            continue;
        // The corner where the neighbours' lines cross.
        const int32_t cx = hv ? n1.w[0] : n0.w[0];
        const int32_t cy = hv ? n0.w[1] : n1.w[1];
        const int layer = diagonal.layer();
        bool blocked = false;
        for (int e = 0; e < 2 && !blocked; ++e)
            blocked = otherCopperAt(scope, diagonal.w[2 * e], diagonal.w[2 * e + 1], layer, d, neighbour[0], neighbour[1]);
        blocked = blocked ||
                  overlapsOtherCopper(scope, n0.w[2 * neighbourEnd[0]], n0.w[2 * neighbourEnd[0] + 1], cx, cy, n0.w[7],
                                      layer, d, neighbour[0], neighbour[1]) ||
                  overlapsOtherCopper(scope, n1.w[2 * neighbourEnd[1]], n1.w[2 * neighbourEnd[1] + 1], cx, cy, n1.w[7],
                                      layer, d, neighbour[0], neighbour[1]);
        if (blocked)
            continue;
        diagonal.setKind(kKindDeleted);
        n0.w[2 * neighbourEnd[0]] = cx;
        n0.w[2 * neighbourEnd[0] + 1] = cy;
        n1.w[2 * neighbourEnd[1]] = cx;
        n1.w[2 * neighbourEnd[1] + 1] = cy;
        ++corners;
    }
    return finishMessage(corners, kUnsmoothedMessage, interactive != 0);
}
