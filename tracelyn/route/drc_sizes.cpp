#include "tracelyn/route/drc_sizes.h"

#include "common/pcb/object_painters.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/route/copper_pads.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kCopperLayers = 16;
// The hole the artwork draws for a via that names none.
constexpr int32_t kViaDefaultHole = 5;

bool onCopper(int layer) { return (layer >= 0 && layer < kCopperLayers) || layer == kLayerAll; }

bool isVia(int shape) { return shape == pcb::kPadVia || shape == pcb::kPadLayerPair; }

// The copper width a pad offers across its narrow side, as its artwork draws it; 0 for shapes
// that are no solder pad (a target cross, a thermal spoke).
int32_t padSize(const CopperPad& p)
{
    const int32_t x = std::max(p.sizeX, 0), y = std::max(p.sizeY, 0);
    switch (p.style) {
    case pcb::kPadRound: return x;
    case pcb::kPadVia:
    case pcb::kPadLayerPair: return x == 0 ? 10 : static_cast<int32_t>((int64_t{x} + y) / 2);
    case pcb::kPadOblong:
    case pcb::kPadRect:
    case pcb::kPadRectHole:
    case pcb::kPadFinger: return std::min(x, y);
    default: return 0;
    }
}

// The drill of a pad; 0 for one without a hole.
int32_t drill(const CopperPad& p)
{
    if (isVia(p.style))
        return p.hole >= 1 ? p.hole : kViaDefaultHole;
    const bool drilled = p.style == pcb::kPadRound || p.style == pcb::kPadOblong || p.style == pcb::kPadRectHole;
    return drilled && p.hole >= 1 ? p.hole : 0;
}

DrcFinding padFinding(DrcRule rule, const CopperPad& p)
{
    return FindingAt(rule, p.x, p.y, p.object, 0);
}

void checkPad(const DesignRuleMinimums& m, const CopperPad& p, std::vector<DrcFinding>& out)
{
    const int32_t size = padSize(p);
    if (size == 0)
        return;
    if (!isVia(p.style) && size < m.pad)
        out.push_back(padFinding(DrcRule::kPadSize, p));
    const int32_t hole = drill(p);
    if (hole == 0)
        return;
    if (hole < m.hole)
        out.push_back(padFinding(DrcRule::kHoleSize, p));
    // Twice the ring against twice the minimum keeps odd sizes exact.
    if (int64_t{size} - hole < 2 * int64_t{m.ring})
        out.push_back(padFinding(DrcRule::kRingWidth, p));
}

void checkTraces(const DesignRuleMinimums& m, int last, std::vector<DrcFinding>& out)
{
    for (int i = 1; i <= last; ++i) {
        const BoardObject& o = g_board.objects[i];
        if ((o.kind() != kKindLine && o.kind() != kKindArc) || !onCopper(o.layer()))
            continue;
        if (o.w[7] < m.trace)
            out.push_back(FindingAround(DrcRule::kTraceWidth, GetObjectExtent(i, kExtentPlain), i));
    }
}

}  // namespace

void CheckMinimumSizes(const DesignRuleMinimums& minimums, std::vector<DrcFinding>& findings)
{
    if (g_board.objects == nullptr)
        return;
    const int last = std::min(g_board.count, g_board.capacity - 1);
    checkTraces(minimums, last, findings);
    for (const CopperPad& p : CollectCopperPads(1, last, true))
        checkPad(minimums, p, findings);
}
