#include "tracelyn/route/trace_smoothing.h"

#include "platform/core/ui_host.h"
#include "tracelyn/core/board_settings.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_view_state.h"
#include "tracelyn/core/frame_services.h"
#include "tracelyn/core/router_progress.h"
#include "tracelyn/route/copper_geometry.h"
#include "tracelyn/route/copper_index.h"
#include "tracelyn/route/route_edit.h"
#include "tracelyn/route/router_dialogs.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <numeric>
#include <span>
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

// The copper of one pass: the range of objects it looks at, the pads, and both the store's
// traces and the pads by place. The pass files every record it changes again.
struct CopperScope {
    CopperScope(int first, int last) : first(first), last(last), pads(CollectCopperPads(1, g_board.count, true)), index(pads) {}
    CopperScope(const CopperScope&) = delete;
    CopperScope& operator=(const CopperScope&) = delete;

    bool inRange(int slot) const { return slot >= first && slot <= last && slot <= g_board.count; }

    int first, last;
    std::vector<CopperPad> pads;
    CopperIndex index;
};

bool padAt(CopperScope& scope, int32_t x, int32_t y, int layer)
{
    std::vector<int> near;
    scope.index.padsNear(PointBox(x, y), near);
    for (const int p : near) {
        const CopperPad& pad = scope.pads[static_cast<size_t>(p)];
        if (SharesCopperLayer(pad.layer, layer) && PadBoxDistance(x, y, pad) == 0)
            return true;
    }
    return false;
}

// Whether a trace or arc of `layer` reaching into `box`, other than objects a, b and c, meets
// the test.
template <typename Meets>
bool otherTraceMeets(CopperScope& scope, const ExtentBox& box, int layer, int a, int b, int c, Meets meets)
{
    std::vector<int> near;
    scope.index.tracesNear(box, near);
    for (const int k : near) {
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
bool otherCopperAt(CopperScope& scope, int32_t x, int32_t y, int layer, int a, int b, int skip = 0)
{
    const auto touches = [x, y](const BoardObject& o) {
        return SegmentDistance(x, y, o.w[0], o.w[1], o.w[2], o.w[3]) <= o.w[7] / 2.0;
    };
    return otherTraceMeets(scope, PointBox(x, y), layer, a, b, skip, touches) || padAt(scope, x, y, layer);
}

// Whether a new trace would overlap copper of its layer other than the objects named.
bool overlapsOtherCopper(CopperScope& scope, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width,
                         int layer, int a, int b, int c = 0)
{
    // The index holds each trace with its own half width: the new trace's reaches the rest.
    const ExtentBox box = SegmentBox(x1, y1, x2, y2, (std::max(width, 0) + 1) / 2 + 1);
    const auto overlaps = [&](const BoardObject& o) { return TraceOverlapsTrace(x1, y1, x2, y2, width, o); };
    if (otherTraceMeets(scope, box, layer, a, b, c, overlaps))
        return true;
    std::vector<int> near;
    scope.index.padsNear(box, near);
    for (const int p : near) {
        const CopperPad& pad = scope.pads[static_cast<size_t>(p)];
        if (SharesCopperLayer(pad.layer, layer) && TraceOverlapsPad(x1, y1, x2, y2, width, pad))
            return true;
    }
    return false;
}

// The traces and arcs with an end at either end of object o, in slot order (and some that
// only pass near).
std::vector<int> tracesAtEnds(CopperScope& scope, const BoardObject& o)
{
    std::vector<int> atFirst, atSecond, both;
    scope.index.tracesNear(PointBox(o.w[0], o.w[1]), atFirst);
    scope.index.tracesNear(PointBox(o.w[2], o.w[3]), atSecond);
    both.reserve(atFirst.size() + atSecond.size());
    std::set_union(atFirst.begin(), atFirst.end(), atSecond.begin(), atSecond.end(), std::back_inserter(both));
    return both;
}

void showProgress(int position, int total)
{
    if (position % kProgressEvery == 0)
        ShowProgressStep(position, total, kProgressCaption);
}

// Joins trace index to the first of `candidates` (in slot order) that continues it at its end
// opposite to `end`; the slot of the trace taken in, else 0.
int mergeInto(int index, int end, std::span<const int> candidates)
{
    BoardObject& o = object(index);
    if (!isTrace(o) || !(horizontal(o) || vertical(o)))
        return 0;
    const int at = end == 0 ? 1 : 0;
    const int32_t px = o.w[2 * at], py = o.w[2 * at + 1];
    for (const int k : candidates) {
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
        return k;
    }
    return 0;
}

// MergeCollinearTrace through the index: only the traces near the joining end are looked at.
void mergeIndexed(CopperScope& scope, int index, int end)
{
    const BoardObject& o = object(index);
    const int at = end == 0 ? 1 : 0;
    std::vector<int> near;
    scope.index.tracesNear(PointBox(o.w[2 * at], o.w[2 * at + 1], 2), near);
    if (const int joined = mergeInto(index, end, near); joined != 0) {
        scope.index.refile(index);
        scope.index.refile(joined);
    }
}

void mergeAll(CopperScope& scope, bool interactive)
{
    for (int i = scope.first; i <= scope.last && i <= g_board.count; ++i) {
        if (interactive)
            showProgress(i, 2 * std::max(scope.last, 1));
        if (g_progress.abort != 0)
            return;
        if (!isTrace(object(i)) || !IsCopperLayer(object(i).layer()))
            continue;
        mergeIndexed(scope, i, 0);
        mergeIndexed(scope, i, 3);
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

bool cornerLeg(const BoardObject& o, int32_t step)
{
    return isTrace(o) && IsCopperLayer(o.layer()) && (horizontal(o) || vertical(o)) && travel(o) >= 2 * step;
}

// Smooths the corner of traces i and j when nothing else meets it and the new piece touches
// no other copper; whether it did. `full` is set when the store had no room for the piece.
bool smoothCorner(CopperScope& scope, int i, int j, int mode, bool& full)
{
    const int32_t step = g_smoothing.step;
    const BoardObject& a = object(i);
    const BoardObject& b = object(j);
    if (j == i || !isTrace(b) || b.layer() != a.layer() || travel(b) < 2 * step)
        return false;
    if (!((horizontal(a) && vertical(b)) || (vertical(a) && horizontal(b))))
        return false;
    int endA = 0, endB = 0;
    if (!sharedEnd(a, b, endA, endB))
        return false;
    const int32_t px = a.w[2 * endA], py = a.w[2 * endA + 1];
    if (otherCopperAt(scope, px, py, a.layer(), i, j))
        return false;   // a via, a pad or a third trace meets the corner
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
        return false;
    const int kind = mode == kSmoothArcs ? kKindArc : kKindLine;
    const bool reversed = horizontal(a) && vertical(b);
    BoardObject corner = reversed ? MakeRouteObject(kind, a.layer(), bx, by, ax, ay)
                                  : MakeRouteObject(kind, a.layer(), ax, ay, bx, by);
    corner.w[5] = a.w[5];
    corner.w[7] = b.w[7];
    const int added = AppendRouteObject(corner);
    if (added == 0) {
        full = true;
        return false;
    }
    ShortenTraceEnd(i, endA);
    ShortenTraceEnd(j, endB);
    for (const int changed : {added, i, j})
        scope.index.refile(changed);
    return true;
}

int smoothPass(CopperScope& scope, int mode, bool interactive)
{
    const int32_t step = g_smoothing.step;
    int corners = 0;
    for (int i = scope.first; i <= scope.last && i <= g_board.count; ++i) {
        if (interactive)
            showProgress(i + scope.last, 2 * std::max(scope.last, 1));
        if (g_progress.abort != 0)
            break;
        if (!cornerLeg(object(i), step))
            continue;
        // The first trace in object order that makes a corner with i: only those with an end
        // at one of i's ends can.
        bool full = false;
        for (const int j : tracesAtEnds(scope, object(i))) {
            if (!scope.inRange(j))
                continue;
            if (smoothCorner(scope, i, j, mode, full)) {
                ++corners;
                break;
            }
            if (full)
                return corners;   // the store is full: stop with the count reached
        }
    }
    return corners;
}

// The first two traces or arcs of the diagonal's layer, other than it, at least half a step
// long, with an end on one of its ends (one per end); arcs met on the way become lines.
bool diagonalNeighbours(CopperScope& scope, int d, int32_t step, int (&neighbour)[2], int (&neighbourEnd)[2])
{
    const BoardObject& diagonal = object(d);
    std::vector<int> near;
    for (int e = 0; e < 2; ++e) {
        const int32_t px = diagonal.w[2 * e], py = diagonal.w[2 * e + 1];
        scope.index.tracesNear(PointBox(px, py), near);
        for (const int k : near) {
            if (!scope.inRange(k) || neighbour[e] != 0)
                continue;
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
    return neighbour[0] != 0 && neighbour[1] != 0;
}

// Turns the short diagonal or arc d back into the right-angle corner of its two neighbours;
// whether it did.
bool orthogonalizeCorner(CopperScope& scope, int d, int32_t step)
{
    BoardObject& diagonal = object(d);
    if ((diagonal.kind() != kKindLine && diagonal.kind() != kKindArc) || !IsCopperLayer(diagonal.layer()))
        return false;
    if (diagonal.kind() == kKindArc)
        diagonal.setKind(kKindLine);
    const int32_t dx = std::abs(diagonal.w[2] - diagonal.w[0]), dy = std::abs(diagonal.w[3] - diagonal.w[1]);
    if (dx == 0 || dy == 0 || dx > step || dy > step)
        return false;
    int neighbour[2] = {0, 0}, neighbourEnd[2] = {0, 0};
    if (!diagonalNeighbours(scope, d, step, neighbour, neighbourEnd))
        return false;
    BoardObject& n0 = object(neighbour[0]);
    BoardObject& n1 = object(neighbour[1]);
    const bool hv = horizontal(n0) && vertical(n1), vh = vertical(n0) && horizontal(n1);
    if (!hv && !vh)
        return false;
    // The corner where the neighbours' lines cross.
    const int32_t cx = hv ? n1.w[0] : n0.w[0];
    const int32_t cy = hv ? n0.w[1] : n1.w[1];
    const int layer = diagonal.layer();
    for (int e = 0; e < 2; ++e)
        if (otherCopperAt(scope, diagonal.w[2 * e], diagonal.w[2 * e + 1], layer, d, neighbour[0], neighbour[1]))
            return false;
    if (overlapsOtherCopper(scope, n0.w[2 * neighbourEnd[0]], n0.w[2 * neighbourEnd[0] + 1], cx, cy, n0.w[7], layer,
                            d, neighbour[0], neighbour[1]) ||
        overlapsOtherCopper(scope, n1.w[2 * neighbourEnd[1]], n1.w[2 * neighbourEnd[1] + 1], cx, cy, n1.w[7], layer,
                            d, neighbour[0], neighbour[1]))
        return false;
    diagonal.setKind(kKindDeleted);
    n0.w[2 * neighbourEnd[0]] = cx;
    n0.w[2 * neighbourEnd[0] + 1] = cy;
    n1.w[2 * neighbourEnd[1]] = cx;
    n1.w[2 * neighbourEnd[1] + 1] = cy;
    for (const int changed : {d, neighbour[0], neighbour[1]})
        scope.index.refile(changed);
    return true;
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
    std::vector<int> every(static_cast<size_t>(std::max(g_board.count, 0)));
    std::iota(every.begin(), every.end(), 1);
    return mergeInto(index, end, every) != 0 ? 1 : 0;
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
    CopperScope scope(first, last);
    if (interactive != 0)
        mergeAll(scope, true);
    const int corners = smoothPass(scope, g_smoothing.mode, interactive != 0);
    return finishMessage(corners, kSmoothedMessage, interactive != 0);
}

int SmoothNewCorners(int first, int last)
{
    if (last <= first || g_board.objects == nullptr)
        return 0;
    const int32_t savedMode = g_smoothing.mode;
    const int32_t savedStep = g_smoothing.step;
    g_smoothing.mode = kSmooth45;
    g_smoothing.step = std::max(g_view.gridStepX / 2, 1);
    CopperScope scope(first, last);
    const int corners = smoothPass(scope, kSmooth45, false);
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
    CopperScope scope(first, last);
    mergeAll(scope, interactive != 0);
    int corners = 0;
    for (int d = first; d <= last && d <= g_board.count && g_progress.abort == 0; ++d)
        corners += orthogonalizeCorner(scope, d, step) ? 1 : 0;
    return finishMessage(corners, kUnsmoothedMessage, interactive != 0);
}
