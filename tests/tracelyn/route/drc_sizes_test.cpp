// Minimum sizes: traces and arcs on copper thinner than the minimum, pads smaller than the
// minimum, holes smaller than the minimum and rings narrower than the minimum are each found
// once, at the minimum itself nothing is; vias are held to the hole and ring only, and the pads
// of placed parts are measured as placed.
#include "tests/tracelyn/route/drc_fixture.h"

namespace drc_test {
namespace {

using MinimumSizeTest = DrcTest;

// Minimums of 8 mil traces, 40 mil pads, 20 mil holes and 10 mil rings, the rule alone on.
DrcSettings sizes()
{
    DrcSettings s = only({DrcRule::kTraceWidth});
    s.sizes = {80, 400, 200, 100};
    return s;
}

TEST_F(MinimumSizeTest, TracesAndArcsBelowTheWidthOnCopperOnly)
{
    const auto trace = [&](int kind, int layer, int32_t width) {
        return add(makeObject(kind, layer, {0, 0, 2000, 0, 0, 0, 0, width}));
    };
    trace(kKindLine, 0, 80);                    // at the minimum
    trace(kKindLine, kLayerSilkTop, 10);        // silk is not copper
    EXPECT_EQ(check(sizes()), std::vector<Fault>{});

    const int thin = trace(kKindLine, 1, 79);
    const int arc = trace(kKindArc, 0, 1);
    EXPECT_EQ(check(sizes()), (std::vector<Fault>{{DrcRule::kTraceWidth, 0, thin}, {DrcRule::kTraceWidth, 0, arc}}));
    EXPECT_EQ(check(only({DrcRule::kPadToTrace})), std::vector<Fault>{}) << "the rule is switched on by itself";
}

TEST_F(MinimumSizeTest, PadsHolesAndRingsEachAgainstTheirMinimum)
{
    freePad(0, 0, kRoundPad, kLayerAll, 400, 400, 200);         // every size at its minimum
    freePad(3000, 0, kPadSingleLayer, 0, 400, 900);             // surface pad: no hole to check
    EXPECT_EQ(check(sizes()), std::vector<Fault>{});

    const int small = freePad(6000, 0, kPadSingleLayer, 0, 900, 399);
    const int narrowRing = freePad(9000, 0, kRoundPad, kLayerAll, 600, 600, 401);
    const int smallHole = freePad(12000, 0, kSquareHolePad, kLayerAll, 600, 600, 150);
    const int both = freePad(15000, 0, kRoundPad, kLayerAll, 300, 300, 150);
    EXPECT_EQ(check(sizes()), (std::vector<Fault>{{DrcRule::kPadSize, 0, small},
                                                  {DrcRule::kPadSize, 0, both},
                                                  {DrcRule::kHoleSize, 0, smallHole},
                                                  {DrcRule::kHoleSize, 0, both},
                                                  {DrcRule::kRingWidth, 0, narrowRing},
                                                  {DrcRule::kRingWidth, 0, both}}));
}

TEST_F(MinimumSizeTest, ViasAreHeldToHoleAndRing)
{
    freePad(0, 0, kPadThroughVia, kLayerAll, 400, 400, 200);    // a via below the pad minimum
    EXPECT_EQ(check(sizes()), std::vector<Fault>{});
    const int thin = freePad(3000, 0, kPadThroughVia, kLayerAll, 350, 350, 200);
    const int noHole = freePad(6000, 0, kPadPairVia, kLayerAll, 400, 400, 0);   // drilled all the same
    EXPECT_EQ(check(sizes()), (std::vector<Fault>{{DrcRule::kHoleSize, 0, noHole}, {DrcRule::kRingWidth, 0, thin}}));
}

TEST_F(MinimumSizeTest, PadsOfAPlacedPartAreMeasured)
{
    TestPackage p("TH2");
    p.text(-10000, -5000, ";Two pads");
    for (const int32_t x : {-1000, 1000}) {
        BoardObject& pad = p.add(kKindPad, kLayerAll, -10000 + x, -5000);
        pad.w[2] = pad.w[3] = 600;
        pad.w[5] = kRoundPad;
        pad.w[6] = x < 0 ? 320 : 520;   // the second leaves a 4 mil ring
        p.text(-10000 + x, -5000, x < 0 ? "1" : "2", kLayerAll);
    }
    writeLibrary(p);
    const int part = place(package("TH2"), "R", 1, 0, 0);
    const std::vector<DrcFinding> found = CheckDesignRules(sizes()).findings;
    ASSERT_EQ(faults(found), (std::vector<Fault>{{DrcRule::kRingWidth, 0, part}}));
    EXPECT_EQ(found.front().x, 1000) << "the mark sits on the pad at fault";
}

TEST_F(MinimumSizeTest, WhatTheDrawingToolsStartWithPassesTheDialogsMinimums)
{
    const BoardSettings fresh;
    const DrcSettings rules = [] {
        DrcSettings s = only({DrcRule::kTraceWidth});
        s.sizes = DesignRuleMinimums{};
        return s;
    }();
    add(makeObject(kKindLine, 0, {0, 0, 2000, 0, 0, 0, 0, fresh.trace_width}));
    freePad(5000, 0, fresh.padShape, kLayerAll, fresh.padSizeX, fresh.padSizeY, fresh.padHole);
    EXPECT_EQ(check(rules), std::vector<Fault>{});
    EXPECT_GE(fresh.trace_width, 100) << "at least 10 mil";
    EXPECT_GE(fresh.padHole, 200);
}

}  // namespace
}  // namespace drc_test
