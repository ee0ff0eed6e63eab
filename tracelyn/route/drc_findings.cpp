#include "tracelyn/route/drc_findings.h"

#include <algorithm>
#include <cmath>

void DrcWork::beginPhase(int steps)
{
    ++phase_;
    steps_ = std::max(steps, 1);
    done_ = 0;
}

bool DrcWork::advance()
{
    if (stopped_)
        return false;
    ++done_;
    if (step_ && done_ % kStepsBetweenQuestions == 0) {
        const int64_t within = int64_t{kUnitsPerPhase} * std::min(done_, steps_) / steps_;
        const int done = static_cast<int>(std::clamp(phase_, 0, phases_) * kUnitsPerPhase + within);
        stopped_ = !step_(done, phases_ * kUnitsPerPhase);
    }
    return !stopped_;
}

DrcFinding FindingAt(DrcRule rule, double x, double y, int objectA, int objectB)
{
    const auto rounded = [](double v) { return static_cast<int32_t>(std::lround(std::clamp(v, -2.0e9, 2.0e9))); };
    return {rule, rounded(x), rounded(y), kDrcSpotMark, kDrcSpotMark, objectA, objectB};
}

DrcFinding FindingAround(DrcRule rule, const ExtentBox& box, int object)
{
    const auto half = [](int64_t low, int64_t high) { return static_cast<int32_t>((high - low) / 2); };
    const auto middle = [](int64_t low, int64_t high) { return static_cast<int32_t>((low + high) / 2); };
    return {rule, middle(box.left, box.right), middle(box.top, box.bottom), half(box.left, box.right),
            half(box.top, box.bottom), object};
}

std::array<int, kDrcRuleCount> CountByRule(const std::vector<DrcFinding>& findings)
{
    std::array<int, kDrcRuleCount> counts{};
    for (const DrcFinding& f : findings)
        ++counts[static_cast<size_t>(f.rule)];
    return counts;
}

std::string_view DrcRuleName(DrcRule rule)
{
    switch (rule) {
    case DrcRule::kShort: return "Shorts between nets";
    case DrcRule::kPadToTrace: return "Pad to trace clearance";
    case DrcRule::kTraceToTrace: return "Trace to trace clearance";
    case DrcRule::kPadToVia: return "Pad to via clearance";
    case DrcRule::kReference: return "Reference designators";
    case DrcRule::kSilkscreen: return "Silkscreen in solderable surface";
    case DrcRule::kBottomText: return "Bottom silkscreen text not mirrored";
    case DrcRule::kOutside: return "Objects outside of outline";
    case DrcRule::kTraceWidth: return "Traces below the minimum width";
    case DrcRule::kPadSize: return "Pads below the minimum size";
    case DrcRule::kHoleSize: return "Holes below the minimum size";
    case DrcRule::kRingWidth: return "Rings below the minimum width";
    }
    return "";
}
