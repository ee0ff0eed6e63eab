#include "tracelyn/route/design_rule_check.h"

#include "tracelyn/core/board_state.h"
#include "tracelyn/route/drc_bottom_text.h"
#include "tracelyn/route/drc_clearance.h"
#include "tracelyn/route/drc_copper.h"
#include "tracelyn/route/drc_outline.h"
#include "tracelyn/route/drc_references.h"
#include "tracelyn/route/drc_silkscreen.h"
#include "tracelyn/route/drc_sizes.h"

#include <algorithm>
#include <tuple>

namespace {

void order(std::vector<DrcFinding>& findings)
{
    const auto key = [](const DrcFinding& f) {
        return std::tuple(static_cast<int>(f.rule), f.y, f.x, f.w, f.h, f.objectA, f.objectB);
    };
    std::sort(findings.begin(), findings.end(), [&](const DrcFinding& a, const DrcFinding& b) { return key(a) < key(b); });
    findings.erase(std::unique(findings.begin(), findings.end()), findings.end());
}

}  // namespace

DrcResult CheckDesignRules(const DrcSettings& settings, const DrcWork::StepFunction& step)
{
    DrcResult result;
    if (g_board.objects == nullptr)
        return result;
    const bool copperNeeded = settings.anyClearance() || settings.outside;
    const bool silkNeeded = settings.silkscreen || settings.outside;
    const BoardCopper copper = copperNeeded ? CollectBoardCopper() : BoardCopper{};
    const BoardSilk silk = silkNeeded ? CollectBoardSilk() : BoardSilk{};
    const int layers = static_cast<int>(copper.layers.size());
    const int phases = (settings.anyClearance() ? layers : 0) + (settings.silkscreen ? 2 : 0)
                       + (settings.outside ? layers + 2 : 0);
    DrcWork work(step, std::max(phases, 1));

    std::vector<DrcFinding>& found = result.findings;
    if (settings.references)
        CheckReferences(found);
    if (settings.bottomText)
        CheckBottomText(found);
    if (settings.minimums)
        CheckMinimumSizes(settings.sizes, found);
    result.cancelled = !CheckClearances(copper, settings, work, found)
                       || (settings.silkscreen && !CheckSilkscreen(silk, work, found))
                       || (settings.outside && !CheckOutline(copper, silk, work, found, result.noOutline));
    // Without copper there is nothing two nets could short through.
    result.noNetlist = settings.anyClearance() && !copper.netlist && !copper.sources.empty();
    if (result.cancelled)
        found.clear();
    order(found);
    return result;
}
