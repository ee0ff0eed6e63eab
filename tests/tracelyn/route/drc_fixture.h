#pragma once
// Boards for the design-rule check's tests: the routing tests' boards and netlists, the check's
// settings with chosen rules switched on, and findings reduced to what a test compares.

#include "tracelyn/route/route_fixture.h"

#include "tracelyn/route/design_rule_check.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <tuple>
#include <vector>

namespace drc_test {

using namespace route_test;

// Pad shapes beside those the routing code names (copper_pads.h).
inline constexpr int kRoundPad = 0;
inline constexpr int kSquareHolePad = 3;

// Only the given rules switched on, every clearance `clearance`.
inline DrcSettings only(std::initializer_list<DrcRule> rules, int32_t clearance = 100)
{
    DrcSettings s;
    s.clearances = {clearance, clearance, clearance};
    for (const DrcRule r : rules) {
        switch (r) {
        case DrcRule::kShort: break;
        case DrcRule::kPadToTrace: s.padToTrace = true; break;
        case DrcRule::kTraceToTrace: s.traceToTrace = true; break;
        case DrcRule::kPadToVia: s.padToVia = true; break;
        case DrcRule::kReference: s.references = true; break;
        case DrcRule::kSilkscreen: s.silkscreen = true; break;
        case DrcRule::kBottomText: s.bottomText = true; break;
        case DrcRule::kOutside: s.outside = true; break;
        case DrcRule::kTraceWidth:
        case DrcRule::kPadSize:
        case DrcRule::kHoleSize:
        case DrcRule::kRingWidth: s.minimums = true; break;
        }
    }
    return s;
}

inline DrcSettings clearances(int32_t clearance)
{
    return only({DrcRule::kPadToTrace, DrcRule::kTraceToTrace, DrcRule::kPadToVia}, clearance);
}

inline DrcSettings everyRule(int32_t clearance = 100)
{
    DrcSettings s = clearances(clearance);
    s.references = s.silkscreen = s.bottomText = s.outside = s.minimums = true;
    return s;
}

// A finding as the tests compare it: its rule and its objects, the lower first.
using Fault = std::tuple<DrcRule, int, int>;

inline std::vector<Fault> faults(const std::vector<DrcFinding>& findings)
{
    std::vector<Fault> out;
    for (const DrcFinding& f : findings)
        out.emplace_back(f.rule, std::min(f.objectA, f.objectB), std::max(f.objectA, f.objectB));
    std::sort(out.begin(), out.end());
    return out;
}

inline std::vector<Fault> check(const DrcSettings& settings)
{
    return faults(CheckDesignRules(settings).findings);
}

class DrcTest : public RouteTest {
protected:
    void TearDown() override
    {
        g_designRules = DesignRuleClearances{};
        RouteTest::TearDown();
    }
    // A free pad of `shape` on `layer`, xs by ys, with `hole`.
    int freePad(int32_t x, int32_t y, int shape, int layer, int32_t xs, int32_t ys = 0, int32_t hole = 0)
    {
        return add(makeObject(kKindPad, layer, {x, y, xs, ys == 0 ? xs : ys, 0, shape, hole, 0}));
    }
};

}  // namespace drc_test
