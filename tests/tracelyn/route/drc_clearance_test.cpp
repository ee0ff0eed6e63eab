// Clearances and shorts: one finding per rule broken, none on a clean board or where copper
// touches; the same findings as an all-pairs reckoning on random boards; no finding on boards
// the batch router routed, at the router's clearance; a short where a routed trace is dragged
// onto another net's pad.
#include "tests/tracelyn/route/drc_fixture.h"

#include "platform/system/ascii_case.h"
#include "tracelyn/core/net_tracing.h"
#include "tracelyn/route/drc_clearance.h"
#include "tracelyn/route/drc_shapes.h"

#include <cstring>
#include <functional>
#include <map>
#include <numeric>
#include <random>
#include <set>

namespace drc_test {
namespace {

using ClearanceTest = DrcTest;

TEST_F(ClearanceTest, EachRuleFindsItsOneFaultAndTouchingCopperIsOneConductor)
{
    struct Case {
        const char* name;
        std::function<void()> build;
        std::vector<DrcRule> found;
    };
    const Case cases[] = {
        {"clean: every gap wider than the clearance",
         [this] {
             trace(0, -2000, 0, 2000, 0, 100);
             trace(0, -2000, 300, 2000, 300, 100);                  // 200 apart
             freePad(0, 1000, kRoundPad, kLayerAll, 600);           // 350 from the trace
             freePad(2000, 1000, kPadThroughVia, kLayerAll, 300);          // 1,250 from the pad
         },
         {}},
        {"pad to trace",
         [this] {
             trace(0, -2000, 0, 2000, 0, 100);
             freePad(0, 400, kRoundPad, kLayerAll, 600);            // 50 apart
         },
         {DrcRule::kPadToTrace}},
        {"trace to trace",
         [this] {
             trace(0, -2000, 0, 2000, 0, 100);
             trace(0, -2000, 180, 2000, 180, 100);                  // 80 apart
         },
         {DrcRule::kTraceToTrace}},
        {"pad to via",
         [this] {
             freePad(1000, 1000, kPadThroughVia, kLayerAll, 300);          // a square of half size 150
             freePad(1500, 1000, kRoundPad, kLayerAll, 600);        // 50 apart
         },
         {DrcRule::kPadToVia}},
        {"a trace running into a pad and on to another trace is one conductor",
         [this] {
             trace(0, -2000, 0, 0, 0, 100);
             freePad(0, 0, kRoundPad, kLayerAll, 600);
             trace(0, 0, 0, 2000, 0, 100);
             trace(0, 2000, 60, 2000, 1000, 100);                   // its end touches the trace
         },
         {}},
        {"copper on different layers keeps no clearance from each other",
         [this] {
             trace(0, -2000, 0, 2000, 0, 100);
             trace(1, -2000, 50, 2000, 50, 100);
         },
         {}},
        {"a surface pad on layer 1 is near a trace on layer 1 only",
         [this] {
             trace(1, -2000, 0, 2000, 0, 100);
             freePad(0, 300, kPadSingleLayer, 1, 400);                     // 50 apart
             trace(0, -2000, 400, 2000, 400, 100);                  // under it on Top, 150 away
         },
         {DrcRule::kPadToTrace}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TruncateObjects(1);
        c.build();
        std::vector<DrcRule> found;
        for (const auto& [rule, a, b] : check(clearances(100)))
            found.push_back(rule);
        EXPECT_EQ(found, c.found);
        // With its rule switched off the finding goes.
        if (!c.found.empty()) {
            DrcSettings off = clearances(100);
            off.padToTrace = c.found[0] != DrcRule::kPadToTrace;
            off.traceToTrace = c.found[0] != DrcRule::kTraceToTrace;
            off.padToVia = c.found[0] != DrcRule::kPadToVia;
            EXPECT_TRUE(check(off).empty());
        }
    }
}

// The copper of a random board as this test reckons it, independently of the check: one shape
// per object or part pad, the layers it is on, its net.
struct Reckoned {
    int object = 0;
    CopperClass kind = CopperClass::kTrace;
    uint32_t layers = 0;
    int net = -1;
    std::vector<ShapePoint> core;
    double radius = 0;
};

constexpr uint32_t kEveryLayer = 0xFFFF;

std::vector<ShapePoint> square(double x, double y, double hx, double hy)
{
    return {{x - hx, y - hy}, {x + hx, y - hy}, {x + hx, y + hy}, {x - hx, y + hy}};
}

Reckoned reckonPad(int index, const BoardObject& o)
{
    Reckoned r;
    r.object = index;
    const int shape = o.w[5] & 15;
    const int layer = o.layer();
    r.layers = layer == kLayerAll ? kEveryLayer : 1u << layer;
    if (shape == kPadPairVia && layer < 15)
        r.layers |= 1u << (layer + 1);
    r.kind = shape == kPadThroughVia || shape == kPadPairVia ? CopperClass::kVia : CopperClass::kPad;
    if (shape == kRoundPad) {
        r.core = {{double(o.w[0]), double(o.w[1])}};
        r.radius = o.w[2] / 2.0;
    } else if (shape == kPadThroughVia || shape == kPadPairVia) {
        const int half = (o.w[2] + o.w[3]) / 4;
        r.core = square(o.w[0], o.w[1], half, half);
    } else {
        r.core = square(o.w[0], o.w[1], o.w[2] / 2.0, o.w[3] / 2.0);
    }
    return r;
}

class RandomBoard {
public:
    explicit RandomBoard(uint32_t seed) : random_(seed) {}

    int upTo(int n) { return std::uniform_int_distribution<int>(0, n)(random_); }
    int32_t coordinate() { return std::uniform_int_distribution<int32_t>(-3000, 3000)(random_); }

    // Builds the board into the test's store and returns its copper as reckoned here.
    std::vector<Reckoned> build(const std::function<int(const BoardObject&)>& add, int twoPin)
    {
        std::vector<Reckoned> copper;
        for (int k = upTo(8) + 3; k > 0; --k) {
            const int layer = std::array<int, 4>{0, 0, 1, kLayerAll}[static_cast<size_t>(upTo(3))];
            const int32_t x1 = coordinate(), y1 = coordinate();
            int32_t x2 = coordinate(), y2 = coordinate();
            const int shape = upTo(9);
            if (shape < 3)
                x2 = x1;   // along an axis
            else if (shape == 3)
                y2 = y1, x2 = x1;   // a dot
            const int32_t width = shape == 4 ? 0 : 40 + 20 * upTo(8);
            Reckoned r;
            BoardObject trace = MakeRouteObject(kKindLine, layer, x1, y1, x2, y2);
            trace.w[7] = width;
            r.object = add(trace);
            r.layers = layer == kLayerAll ? kEveryLayer : 1u << layer;
            r.core = {{double(x1), double(y1)}, {double(x2), double(y2)}};
            r.radius = std::max(width, 1) / 2.0;
            copper.push_back(r);
        }
        for (int k = upTo(6) + 1; k > 0; --k) {
            const int kind = upTo(4);
            const int shape = std::array<int, 5>{kRoundPad, kPadSingleLayer, kSquareHolePad, kPadThroughVia, kPadPairVia}[static_cast<size_t>(kind)];
            const int layer = shape == kPadSingleLayer || shape == kPadPairVia ? upTo(1) * 2 : kLayerAll;
            const int32_t xs = 100 + 50 * upTo(14), ys = shape == kPadSingleLayer ? 100 + 50 * upTo(14) : xs;
            const int32_t hole = shape == kPadSingleLayer ? 0 : 40;
            const int index = add(makeObject(kKindPad, layer, {coordinate(), coordinate(), xs, ys, 0, shape, hole, 0}));
            copper.push_back(reckonPad(index, g_board.objects[index]));
        }
        // Parts of two round pads, each pin on one of three nets or on none.
        int connections = 0;
        for (int p = 1, parts = upTo(3); p <= parts; ++p) {
            const int32_t x = coordinate(), y = coordinate();
            BoardObject part = makeObject(kKindPart + twoPin, 0, {x, y, 0, 0, 0, 0, 0, p});
            part.data = StrDupChecked("U");
            const int index = add(part);
            for (int pin = 1; pin <= 2; ++pin) {
                Reckoned r;
                r.object = index;
                r.kind = CopperClass::kPad;
                r.layers = kEveryLayer;
                r.core = {{double(x + (pin == 1 ? -400 : 400)), double(y)}};
                r.radius = 250;
                r.net = upTo(3) - 1;
                if (r.net >= 0) {
                    NetConnection& c = ConnectionTable()[static_cast<size_t>(connections++)];
                    c = NetConnection{};
                    const std::string name = "U" + std::to_string(p) + "-" + std::to_string(pin);
                    std::strncpy(c.name1, name.c_str(), kPinNameSize - 1);
                    std::strncpy(c.name2, name.c_str(), kPinNameSize - 1);
                    c.net = r.net;
                }
                copper.push_back(r);
            }
        }
        g_router.ratsNestCount = connections;
        g_netlist.netCount = 3;
        g_netlist.loadedBoard = g_board.objects;
        return copper;
    }

private:
    std::mt19937 random_;
};

struct Reckoning {
    std::vector<Fault> clearanceFaults;
    bool shorted = false;
};

// Every two shapes, no index: which touch (one conductor), which nets each conductor joins,
// and which pairs of different nets come nearer than the clearance.
Reckoning reckon(const std::vector<Reckoned>& copper, double clearance)
{
    const size_t n = copper.size();
    std::vector<size_t> group(n);
    std::iota(group.begin(), group.end(), size_t{0});
    const auto root = [&](size_t a) {
        while (group[a] != a)
            a = group[a];
        return a;
    };
    std::vector<std::vector<double>> gaps(n, std::vector<double>(n, 1e300));
    for (size_t i = 0; i < n; ++i)
        for (size_t j = i + 1; j < n; ++j) {
            if ((copper[i].layers & copper[j].layers) == 0)
                continue;
            gaps[i][j] = PieceGap(copper[i].core, copper[i].radius, copper[j].core, copper[j].radius).distance;
            if (gaps[i][j] <= kTouchGap)
                group[root(i)] = root(j);
        }
    std::map<size_t, std::set<int>> nets;
    for (size_t i = 0; i < n; ++i)
        if (copper[i].net >= 0)
            nets[root(i)].insert(copper[i].net);
    Reckoning r;
    for (const auto& [g, set] : nets)
        r.shorted = r.shorted || set.size() > 1;
    for (size_t i = 0; i < n; ++i)
        for (size_t j = i + 1; j < n; ++j) {
            const double gap = gaps[i][j];
            if (gap <= kTouchGap || gap >= clearance - kTouchGap || root(i) == root(j))
                continue;
            if (copper[i].net >= 0 && copper[i].net == copper[j].net)
                continue;
            const std::set<int>& a = nets[root(i)];
            const std::set<int>& b = nets[root(j)];
            if (std::any_of(a.begin(), a.end(), [&](int net) { return b.contains(net); }))
                continue;
            r.clearanceFaults.emplace_back(ClearanceRule(copper[i].kind, copper[j].kind),
                                           std::min(copper[i].object, copper[j].object),
                                           std::max(copper[i].object, copper[j].object));
        }
    std::sort(r.clearanceFaults.begin(), r.clearanceFaults.end());
    return r;
}

TEST_F(ClearanceTest, RandomBoardsAgreeWithAnAllPairsReckoning)
{
    BoardObject pin1 = makeObject(kKindPad, kLayerAll, {-10400, -5000, 500, 500, 0, kRoundPad, 250, 0});
    BoardObject pin2 = makeObject(kKindPad, kLayerAll, {-9600, -5000, 500, 500, 0, kRoundPad, 250, 0});
    static char one[] = "1", two[] = "2";
    pin1.data = one;   // a pad's pin label is borrowed
    pin2.data = two;
    const int twoPin = addPackage("TWO", {pin1, pin2});
    int faults = 0, shorts = 0;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("board " + std::to_string(seed));
        TruncateObjects(1);
        RandomBoard board(seed);
        const std::vector<Reckoned> copper = board.build([this](const BoardObject& o) { return add(o); }, twoPin);
        const double clearance = 50 + 25 * board.upTo(10);
        const Reckoning expected = reckon(copper, clearance);
        std::vector<Fault> clearanceFaults;
        bool shorted = false;
        for (const Fault& f : check(clearances(static_cast<int32_t>(clearance)))) {
            if (std::get<0>(f) == DrcRule::kShort)
                shorted = true;
            else
                clearanceFaults.push_back(f);
        }
        ASSERT_EQ(clearanceFaults, expected.clearanceFaults);
        ASSERT_EQ(shorted, expected.shorted);
        faults += static_cast<int>(clearanceFaults.size());
        shorts += shorted;
    }
    // The boards are worth comparing: they break the rules, and short, often enough.
    EXPECT_GT(faults, 300);
    EXPECT_GT(shorts, 20);
}

using RoutedBoardTest = BatchRunTest;

// Every clearance at the router's own, shorts included.
std::vector<Fault> routedFaults()
{
    return check(clearances(g_batchExtras.clearance));
}

TEST_F(RoutedBoardTest, FortyFivePartBoardKeepsTheRoutersClearanceAndADraggedTraceShorts)
{
    ASSERT_EQ(routeFortyFiveParts(), 1);
    ASSERT_GT(g_batchStats.routed, 100);
    EXPECT_EQ(routedFaults(), std::vector<Fault>{});
    EXPECT_FALSE(check(clearances(3 * g_batchExtras.clearance)).empty()) << "the copper does come that near";

    // A router trace from a pad of one net dragged onto the nearest pad of another net.
    const auto nets = BoardPinNets().value_or(std::unordered_map<std::string, int>{});
    std::vector<std::pair<CopperPad, int>> pads;
    for (const CopperPad& p : CollectCopperPads(1, g_board.count, false)) {
        const auto found = nets.find(plat::upperCaseAscii(FormatPinName(g_board.objects[p.object], p.pin)));
        pads.emplace_back(p, found == nets.end() ? -1 : found->second);
    }
    // The first router trace ending on a pad of a net is dragged by that end onto the nearest
    // pad of another net.
    int dragged = 0;
    for (int i = 1; i <= g_board.count && dragged == 0; ++i) {
        BoardObject& t = g_board.objects[i];
        if (!IsRouterTrace(t))
            continue;
        for (const auto& [own, net] : pads) {
            if (net < 0 || std::abs(own.x - t.w[0]) > own.sizeX / 2 || std::abs(own.y - t.w[1]) > own.sizeY / 2)
                continue;
            const auto distance = [&](const CopperPad& p) { return std::hypot(p.x - own.x, p.y - own.y); };
            const std::pair<CopperPad, int>* nearest = nullptr;
            for (const auto& other : pads)
                if (other.second >= 0 && other.second != net
                    && (nearest == nullptr || distance(other.first) < distance(nearest->first)))
                    nearest = &other;
            ASSERT_NE(nearest, nullptr);
            t.w[0] = nearest->first.x;
            t.w[1] = nearest->first.y;
            dragged = i;
            break;
        }
    }
    ASSERT_GT(dragged, 0);
    const std::vector<Fault> found = routedFaults();
    const auto shorts = std::count_if(found.begin(), found.end(), [](const Fault& f) { return std::get<0>(f) == DrcRule::kShort; });
    EXPECT_EQ(shorts, 1);
    EXPECT_EQ(copper_test::CheckCopper().shorts.size(), 1u) << "the routing tests' checker agrees";
}

TEST_F(RoutedBoardTest, CrowdedBoardRoutedAndOptimisedKeepsTheClearanceAtEveryVia)
{
    // Rows too close for all their buses: the routes change layer in the narrow channels, where
    // a via needs more room than a trace.
    g_board.sizeLetter = 'C';
    netDipGrid(40, 10, 6000, 4500, 8, 10);
    answerRun(true);
    CBatchRouter router;
    ASSERT_EQ(router.BatchRoute(), 1);
    ASSERT_GT(g_batchStats.routed, 100);
    ASSERT_LT(g_batchStats.routed, g_batchStats.connections) << "the board is meant to be crowded";
    int vias = 0;
    for (int i = 1; i <= g_board.count; ++i)
        vias += g_board.objects[i].kind() == kKindPad && IsViaStyle(g_board.objects[i].w[5] & 15);
    ASSERT_GT(vias, 10);
    EXPECT_EQ(routedFaults(), std::vector<Fault>{});
    EXPECT_TRUE(copper_test::CheckCopper().shorts.empty());
}

TEST_F(RoutedBoardTest, ShippedExampleRoutedKeepsTheRoutersClearance)
{
    BoardDocumentData opened;
    if (!prepareShippedExample(opened))
        GTEST_SKIP() << "the example board is written by the full build";
    g_batchExtras.clearance = 80;   // the clearance the 25-mil grid's settings keep
    answerRun(true);
    CBatchRouter router;
    ASSERT_EQ(router.BatchRoute(), 1);
    ASSERT_EQ(g_batchStats.routed, 3);
    EXPECT_EQ(routedFaults(), std::vector<Fault>{});
    CloseBoardDocument(opened, nullptr);
    LoadBoardGlobals(doc);
}

}  // namespace
}  // namespace drc_test
