// The design-rule check with every rule on: the 30,000-object board (traces, vias, texts and
// placed parts packed tight, so the findings run into the thousands) and the 500-part board the
// batch router routed. The first is timed for the check alone and for the whole Aux > Check run
// that lays the marks (as many as the store holds) as one undo step; the second, which takes
// most of a minute to route, for the whole run.
#include "bench/tracelyn_bench_board.h"
#include "bench/tracelyn_generated_board.h"

#include "platform/core/test_ui_host.h"
#include "tracelyn/core/board_document.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/board_undo.h"
#include "tracelyn/core/package_tables.h"
#include "tracelyn/route/batch_router.h"
#include "tracelyn/route/design_rule_check.h"
#include "tracelyn/route/drc_report.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tracelyn_bench;

DrcSettings everyRule()
{
    DrcSettings s;
    s.padToTrace = s.traceToTrace = s.padToVia = true;
    s.references = s.silkscreen = s.bottomText = s.outside = s.minimums = true;
    return s;
}

void reportFindings(benchmark::State& state, const DrcResult& result)
{
    const std::array<int, kDrcRuleCount> counts = CountByRule(result.findings);
    state.counters["findings"] = static_cast<double>(result.findings.size());
    state.counters["shorts"] = counts[static_cast<size_t>(DrcRule::kShort)];
    state.counters["clearance"] = counts[static_cast<size_t>(DrcRule::kPadToTrace)]
                                  + counts[static_cast<size_t>(DrcRule::kTraceToTrace)]
                                  + counts[static_cast<size_t>(DrcRule::kPadToVia)];
    state.counters["silk"] = counts[static_cast<size_t>(DrcRule::kSilkscreen)];
    state.counters["outside"] = counts[static_cast<size_t>(DrcRule::kOutside)];
    state.counters["sizes"] = counts[static_cast<size_t>(DrcRule::kTraceWidth)]
                              + counts[static_cast<size_t>(DrcRule::kPadSize)]
                              + counts[static_cast<size_t>(DrcRule::kHoleSize)]
                              + counts[static_cast<size_t>(DrcRule::kRingWidth)];
    state.counters["objects"] = g_board.count;
}

// Times the check, or with `marks` the whole run; the board is left as it was.
void timeCheck(benchmark::State& state, bool marks)
{
    DrcResult result;
    for (auto _ : state) {
        if (marks) {
            RunDesignRuleCheck(everyRule());
        } else {
            result = CheckDesignRules(everyRule());
            benchmark::DoNotOptimize(result.findings.data());
        }
    }
    if (marks)
        while (UndoLastStep(g_active.document) == UndoOutcome::Undone) {
        }
    reportFindings(state, marks ? CheckDesignRules(everyRule()) : result);
}

void BM_DesignRuleCheck30000Objects(benchmark::State& state)
{
    plat::TestUiHost host;
    ClearPackageTables();
    BoardDocumentData doc;
    fillBoard(doc, 38000);
    timeCheck(state, state.range(0) != 0);
    ClearUndoRing();
    CloseBoardDocument(doc, nullptr);
    ClearPackageTables();
}
BENCHMARK(BM_DesignRuleCheck30000Objects)->ArgName("marks")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DesignRuleCheck500PartsRouted(benchmark::State& state)
{
    plat::TestUiHost host;
    GeneratedBoard board(k500Parts, "drc_bench_");
    setBatch(kCoarseBatch.grid, kCoarseBatch.width, kCoarseBatch.via, kCoarseBatch.hole);
    CBatchRouter router;
    if (router.BatchRoute() != 1) {
        state.SkipWithError("the board was not routed");
        return;
    }
    ClearUndoRing();
    timeCheck(state, true);
    ClearUndoRing();
}
BENCHMARK(BM_DesignRuleCheck500PartsRouted)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
