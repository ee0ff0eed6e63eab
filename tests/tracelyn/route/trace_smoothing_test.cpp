// Smoothing: corners become 45-degree segments or arcs and go back with Orthogonalize; corners
// where anything else meets stay; routed copper keeps its connections; undo drops the corners.
#include "tracelyn/route/route_fixture.h"

#include "resources/tracelyn/route_ids.h"

namespace route_test {
namespace {

// The pass as it was before the copper was looked up by place: every pair of traces compared,
// the whole store walked for each corner. The indexed pass must leave every board as this did.
namespace oracle {

BoardObject& object(int i) { return g_board.objects[i]; }
bool isTrace(const BoardObject& o) { return o.kind() == kKindLine; }
bool horizontal(const BoardObject& o) { return o.w[1] == o.w[3] && o.w[0] != o.w[2]; }
bool vertical(const BoardObject& o) { return o.w[0] == o.w[2] && o.w[1] != o.w[3]; }
int32_t travel(const BoardObject& o) { return std::abs(o.w[2] - o.w[0]) + std::abs(o.w[3] - o.w[1]); }

bool padAt(const std::vector<CopperPad>& pads, int32_t x, int32_t y, int layer)
{
    for (const CopperPad& p : pads)
        if (SharesCopperLayer(p.layer, layer) && PadBoxDistance(x, y, p) == 0)
            return true;
    return false;
}

template <typename Meets>
bool otherTraceMeets(int layer, int a, int b, int c, Meets meets)
{
    for (int k = 1; k <= g_board.count; ++k) {
        const BoardObject& o = object(k);
        if (k != a && k != b && k != c && (o.kind() == kKindLine || o.kind() == kKindArc) &&
            SharesCopperLayer(o.layer(), layer) && meets(o))
            return true;
    }
    return false;
}

bool otherCopperAt(const std::vector<CopperPad>& pads, int32_t x, int32_t y, int layer, int a, int b, int skip = 0)
{
    const auto touches = [x, y](const BoardObject& o) {
        return SegmentDistance(x, y, o.w[0], o.w[1], o.w[2], o.w[3]) <= o.w[7] / 2.0;
    };
    return otherTraceMeets(layer, a, b, skip, touches) || padAt(pads, x, y, layer);
}

bool overlapsOtherCopper(const std::vector<CopperPad>& pads, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                         int32_t width, int layer, int a, int b, int c = 0)
{
    const auto overlaps = [&](const BoardObject& o) { return TraceOverlapsTrace(x1, y1, x2, y2, width, o); };
    if (otherTraceMeets(layer, a, b, c, overlaps))
        return true;
    for (const CopperPad& p : pads)
        if (SharesCopperLayer(p.layer, layer) && TraceOverlapsPad(x1, y1, x2, y2, width, p))
            return true;
    return false;
}

void mergeCollinear(int index, int end)
{
    BoardObject& o = object(index);
    if (!isTrace(o) || !(horizontal(o) || vertical(o)))
        return;
    const int at = end == 0 ? 1 : 0;
    const int32_t px = o.w[2 * at], py = o.w[2 * at + 1];
    for (int k = 1; k <= g_board.count; ++k) {
        BoardObject& other = object(k);
        if (k == index || !isTrace(other) || other.layer() != o.layer() || other.w[7] != o.w[7])
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
        const int axis = horizontal(o) ? 0 : 1;
        const int32_t keep = o.w[2 * (1 - at) + axis];
        const int32_t lo = std::min({keep, other.w[axis], other.w[2 + axis], o.w[2 * at + axis]});
        const int32_t hi = std::max({keep, other.w[axis], other.w[2 + axis], o.w[2 * at + axis]});
        if (keep != lo && keep != hi)
            continue;
        o.w[2 * at + axis] = keep == lo ? hi : lo;
        other.setKind(kKindDeleted);
        return;
    }
}

void mergeAll(int first, int last)
{
    for (int i = first; i <= last && i <= g_board.count; ++i)
        if (isTrace(object(i)) && IsCopperLayer(object(i).layer())) {
            mergeCollinear(i, 0);
            mergeCollinear(i, 3);
        }
}

int smooth(int first, int last, int mode, bool merge)
{
    g_smoothing.step = std::max(g_view.gridStepX / 2, 1);
    if (merge)
        mergeAll(first, last);
    const std::vector<CopperPad> pads = CollectCopperPads(1, g_board.count, true);
    const int32_t step = g_smoothing.step;
    int corners = 0;
    for (int i = first; i <= last && i <= g_board.count; ++i) {
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
            bool shared = false;
            for (int p = 0; p < 2; ++p)
                for (int q = 0; q < 2; ++q)
                    if (a.w[2 * p] == b.w[2 * q] && a.w[2 * p + 1] == b.w[2 * q + 1]) {
                        endA = p;
                        endB = q;
                        shared = true;
                    }
            if (!shared || otherCopperAt(pads, a.w[2 * endA], a.w[2 * endA + 1], a.layer(), i, j))
                continue;
            BoardObject na = a, nb = b;
            const auto pull = [step](BoardObject& o, int end) {
                if (o.w[1] == o.w[3])
                    o.w[2 * end] += o.w[2 * (1 - end)] > o.w[2 * end] ? step : -step;
                else
                    o.w[2 * end + 1] += o.w[2 * (1 - end) + 1] > o.w[2 * end + 1] ? step : -step;
            };
            pull(na, endA);
            pull(nb, endB);
            const int32_t ax = na.w[2 * endA], ay = na.w[2 * endA + 1];
            const int32_t bx = nb.w[2 * endB], by = nb.w[2 * endB + 1];
            if (overlapsOtherCopper(pads, ax, ay, bx, by, std::max(a.w[7], b.w[7]), a.layer(), i, j))
                continue;
            const int kind = mode == kSmoothArcs ? kKindArc : kKindLine;
            BoardObject corner = horizontal(a) && vertical(b) ? MakeRouteObject(kind, a.layer(), bx, by, ax, ay)
                                                              : MakeRouteObject(kind, a.layer(), ax, ay, bx, by);
            corner.w[5] = a.w[5];
            corner.w[7] = b.w[7];
            if (AppendRouteObject(corner) == 0)
                return corners;
            ShortenTraceEnd(i, endA);
            ShortenTraceEnd(j, endB);
            ++corners;
            break;
        }
    }
    return corners;
}

int unsmooth(int first, int last)
{
    const int32_t step = std::max(g_view.gridStepX, 1);
    g_smoothing.step = step;
    mergeAll(first, last);
    const std::vector<CopperPad> pads = CollectCopperPads(1, g_board.count, true);
    int corners = 0;
    for (int d = first; d <= last && d <= g_board.count; ++d) {
        BoardObject& diagonal = object(d);
        if ((diagonal.kind() != kKindLine && diagonal.kind() != kKindArc) || !IsCopperLayer(diagonal.layer()))
            continue;
        diagonal.setKind(kKindLine);
        const int32_t dx = std::abs(diagonal.w[2] - diagonal.w[0]), dy = std::abs(diagonal.w[3] - diagonal.w[1]);
        if (dx == 0 || dy == 0 || dx > step || dy > step)
            continue;
        int n[2] = {0, 0}, ne[2] = {0, 0};
        for (int e = 0; e < 2; ++e) {
            const int32_t px = diagonal.w[2 * e], py = diagonal.w[2 * e + 1];
            for (int k = first; k <= last && k <= g_board.count && n[e] == 0; ++k) {
                BoardObject& o = object(k);
                if (k == d || k == n[0] || (o.kind() != kKindLine && o.kind() != kKindArc) || o.layer() != diagonal.layer())
                    continue;
                o.setKind(kKindLine);
                if (travel(o) < step / 2)
                    continue;
                for (int oe = 0; oe < 2; ++oe)
                    if (o.w[2 * oe] == px && o.w[2 * oe + 1] == py) {
                        n[e] = k;
                        ne[e] = oe;
                    }
            }
        }
        if (n[0] == 0 || n[1] == 0)
            continue;
        BoardObject& n0 = object(n[0]);
        BoardObject& n1 = object(n[1]);
        const bool hv = horizontal(n0) && vertical(n1), vh = vertical(n0) && horizontal(n1);
        if (!hv && !vh)
            continue;
        const int32_t cx = hv ? n1.w[0] : n0.w[0];
        const int32_t cy = hv ? n0.w[1] : n1.w[1];
        const int layer = diagonal.layer();
        bool blocked = false;
        for (int e = 0; e < 2 && !blocked; ++e)
            blocked = otherCopperAt(pads, diagonal.w[2 * e], diagonal.w[2 * e + 1], layer, d, n[0], n[1]);
        blocked = blocked ||
                  overlapsOtherCopper(pads, n0.w[2 * ne[0]], n0.w[2 * ne[0] + 1], cx, cy, n0.w[7], layer, d, n[0], n[1]) ||
                  overlapsOtherCopper(pads, n1.w[2 * ne[1]], n1.w[2 * ne[1] + 1], cx, cy, n1.w[7], layer, d, n[0], n[1]);
        if (blocked)
            continue;
        diagonal.setKind(kKindDeleted);
        n0.w[2 * ne[0]] = n1.w[2 * ne[1]] = cx;
        n0.w[2 * ne[0] + 1] = n1.w[2 * ne[1] + 1] = cy;
        ++corners;
    }
    return corners;
}

}  // namespace oracle

class SmoothingTest : public RouteTest {
protected:
    // An L: a horizontal trace into (0, 0), a vertical one out of it.
    void addCorner(int layer = 0)
    {
        trace(layer, -2000, 0, 0, 0);
        trace(layer, 0, 0, 0, 2000);
    }
    void answerSmoothing(unsigned mode)
    {
        host.answerDialog([mode](plat::Dialog& d) {
            d.PressButton(mode);
            return d.PressButton(plat::kIdOk);
        });
    }
};

TEST_F(SmoothingTest, CornersBecomeBevelsOrArcs)
{
    for (const auto& [mode, kind] : {std::pair{kSmooth45, kKindLine}, std::pair{kSmoothArcs, kKindArc}}) {
        SCOPED_TRACE(mode);
        TruncateObjects(1);
        addCorner();
        g_smoothing.mode = mode;
        const int first = 2, last = g_board.count;
        g_smoothing.step = 250;
        EXPECT_EQ(SmoothCorners(first, last, 0), 1);
        ASSERT_EQ(g_board.count, last + 1);
        const BoardObject& corner = g_board.objects[g_board.count];
        EXPECT_EQ(corner.kind(), kind);
        // A horizontal trace meeting a vertical one: from the vertical one's new end.
        EXPECT_EQ((std::array{corner.w[0], corner.w[1], corner.w[2], corner.w[3]}), (std::array{0, 250, -250, 0}));
        EXPECT_EQ(g_board.objects[2].w[2], -250);
        EXPECT_EQ(g_board.objects[3].w[1], 250);
    }
}

TEST_F(SmoothingTest, CornersWhereMoreCopperMeetsStay)
{
    struct Case {
        const char* name;
        std::function<void()> extra;
    };
    const Case cases[] = {
        {"a via", [this] {
             BoardObject via = MakeRouteObject(kKindPad, kLayerAll, 0, 0, 300, 300);
             via.w[5] = kPadThroughVia;
             add(via);
         }},
        {"a third trace", [this] { trace(0, 0, 0, 2000, 0); }},
        {"a trace in the way of the bevel", [this] { trace(0, -150, 150, -150, 1500); }},
        {"a short leg", [this] { trace(0, 0, 2000, 0, 2400); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TruncateObjects(1);
        if (std::string_view(c.name) == "a short leg") {
            trace(0, -2000, 0, 0, 0);
            trace(0, 0, 0, 0, 400);
        } else {
            addCorner();
            c.extra();
        }
        g_smoothing.mode = kSmooth45;
        g_smoothing.step = 250;
        const auto before = words();
        EXPECT_EQ(SmoothCorners(2, g_board.count, 0), 0);
        EXPECT_EQ(words(), before);
    }
}

TEST_F(SmoothingTest, MenuSmoothingReportsAndUndoesWholly)
{
    addCorner();
    addCorner(1);
    const auto before = words();
    answerSmoothing(tly::kIdcSmooth45);
    EXPECT_EQ(SmoothCorners(1, g_board.count, 1), 2);
    ASSERT_FALSE(host.messageBoxes().empty());
    EXPECT_EQ(host.messageBoxes().back(), "Number of corners smoothed: 2");
    EXPECT_EQ(g_smoothing.mode, kSmooth45);
    EXPECT_NE(words(), before);
    EXPECT_TRUE(undo());
    EXPECT_EQ(words(), before);   // the corners added are gone too
}

TEST_F(SmoothingTest, CancelledDialogChangesNothing)
{
    addCorner();
    const auto before = words();
    host.answerDialog([](plat::Dialog& d) { return d.PressButton(plat::kIdCancel); });
    EXPECT_EQ(SmoothCorners(1, g_board.count, 1), -1);
    EXPECT_EQ(words(), before);
    EXPECT_EQ(UndoDepth(), 0);
}

TEST_F(SmoothingTest, OrthogonalizeRestoresCopperCornersOnly)
{
    addCorner();
    g_smoothing.mode = kSmoothArcs;
    g_smoothing.step = 250;
    ASSERT_EQ(SmoothCorners(2, g_board.count, 0), 1);
    // A silkscreen arc of the same size is not copper and stays an arc.
    const int silk = add(MakeRouteObject(kKindArc, kLayerSilkTop, 5000, 0, 5250, 250));
    answerSmoothing(tly::kIdcSmoothOrthogonal);
    EXPECT_EQ(SmoothCorners(1, g_board.count, 1), 1);
    EXPECT_EQ(host.messageBoxes().back(), "Number of corners UNsmoothed: 1");
    EXPECT_EQ(g_board.objects[silk].kind(), kKindArc);
    EXPECT_EQ(g_board.objects[2].w[2], 0);
    EXPECT_EQ(g_board.objects[3].w[1], 0);
    EXPECT_EQ(countKind(kKindArc, 0), 0);
}

TEST_F(SmoothingTest, ShortenedTracesBelowOneStepDisappear)
{
    g_smoothing.step = 250;
    const int a = trace(0, 0, 0, 400, 0);
    EXPECT_EQ(ShortenTraceEnd(a, 1), 0);
    EXPECT_EQ(g_board.objects[a].kind(), kKindDeleted);
    const int b = trace(0, 0, 0, 0, 1000);
    EXPECT_EQ(ShortenTraceEnd(b, 0), 1);
    EXPECT_EQ(g_board.objects[b].w[1], 250);
}

TEST_F(SmoothingTest, CollinearPiecesOfOneWidthJoin)
{
    const int a = trace(0, 0, 0, 1000, 0);
    const int b = trace(0, 1000, 0, 3000, 0);
    const int narrow = trace(0, 3000, 0, 4000, 0, 80);
    EXPECT_EQ(MergeCollinearTrace(a, 0), 1);
    EXPECT_EQ(g_board.objects[a].w[2], 3000);
    EXPECT_EQ(g_board.objects[b].kind(), kKindDeleted);
    EXPECT_EQ(MergeCollinearTrace(a, 0), 0);   // the narrower piece stays apart
    EXPECT_EQ(g_board.objects[narrow].kind(), kKindLine);
}

TEST_F(SmoothingTest, SmoothingRoutedBoardsKeepsEveryConnection)
{
    routeDipGrid();
    const ConnectivityReport before = CheckCopper();
    ASSERT_GT(before.joined, 0);
    for (int32_t mode : {kSmooth45, kSmoothArcs, kSmoothOrthogonal}) {
        SCOPED_TRACE(mode);
        g_smoothing.mode = mode;
        const int corners = SmoothCorners(1, g_board.count, 0);
        if (mode == kSmooth45) {
            EXPECT_GT(corners, 0);
        }
        EXPECT_EQ(CheckCopper(), before);
    }
}

TEST_F(SmoothingTest, IndexedPassesLeaveBoardsAsTheQuadraticPassDid)
{
    // Boards with many corners meeting on a coarse lattice: traces on three copper layers and
    // all layers, collinear pieces, short diagonals and arcs, vias and free pads on corners.
    const auto lattice = [this](unsigned seed) {
        std::mt19937 random(seed);
        const auto at = [&random](int cells) { return static_cast<int32_t>(random() % cells) * 500 - 5000; };
        const int layers[] = {0, 1, 2, kLayerAll};
        for (int k = 0; k < 400; ++k) {
            const int layer = layers[random() % 4];
            const int32_t x = at(21), y = at(21), length = static_cast<int32_t>(random() % 6 + 1) * 500;
            const int32_t width = random() % 3 == 0 ? 80 : 120;
            switch (random() % 8) {
            case 0: {
                BoardObject pad = MakeRouteObject(kKindPad, random() % 2 ? kLayerAll : layer, x, y, 300, 300);
                pad.w[5] = random() % 2 ? kPadThroughVia : kPadSingleLayer;
                add(pad);
                break;
            }
            case 1: {
                BoardObject bend = MakeRouteObject(random() % 2 ? kKindArc : kKindLine, layer, x, y, x + 250, y + 250);
                bend.w[7] = width;
                add(bend);
                break;
            }
            default:
                if (random() % 2)
                    trace(layer, x, y, x + length, y, width);
                else
                    trace(layer, x, y, x, y + length, width);
                break;
            }
        }
    };
    const auto corners = [this](unsigned) {
        // The benchmark's board: L-shaped pairs 3,000 units apart.
        for (int k = 0; k < 200; ++k) {
            const int32_t x = (k % 15) * 3000 - 22500, y = (k / 15) * 3000 - 22500;
            trace(0, x, y, x + 2000, y);
            trace(0, x + 2000, y, x + 2000, y + 2000);
        }
    };
    const auto routed = [this](unsigned) { routeDipGrid(); };
    struct Board {
        const char* name;
        std::function<void(unsigned)> build;
    };
    const Board boards[] = {{"lattice", lattice}, {"corners", corners}, {"routed", routed}};
    for (const Board& board : boards) {
        for (const unsigned seed : {1u, 2u, 3u}) {
            if (seed > 1 && std::string_view(board.name) != "lattice")
                continue;
            TruncateObjects(1);
            board.build(seed);
            const int built = g_board.count;
            const auto before = words();
            for (const int32_t mode : {kSmooth45, kSmoothArcs, kSmoothOrthogonal}) {
                for (const bool menu : {false, true}) {
                    SCOPED_TRACE(testing::Message() << board.name << " seed " << seed << " mode " << mode
                                                    << (menu ? " from the menu" : " silent"));
                    TruncateObjects(built);
                    for (int i = 1; i <= built; ++i)
                        g_board.objects[i].w = before[static_cast<size_t>(i - 1)];
                    const int first = menu ? 1 : 2;
                    const int expected = mode == kSmoothOrthogonal ? oracle::unsmooth(first, g_board.count)
                                                                   : oracle::smooth(first, g_board.count, mode, menu);
                    const auto wanted = words();
                    TruncateObjects(built);
                    for (int i = 1; i <= built; ++i)
                        g_board.objects[i].w = before[static_cast<size_t>(i - 1)];
                    g_smoothing.mode = mode;
                    if (menu)
                        answerSmoothing(static_cast<unsigned>(mode));
                    EXPECT_EQ(SmoothCorners(first, g_board.count, menu ? 1 : 0), expected);
                    EXPECT_EQ(words(), wanted);
                    if (mode != kSmoothOrthogonal && board.name != std::string_view("routed")) {
                        EXPECT_GT(expected, 0);
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace route_test
