#include "tracelyn/route/drc_references.h"

#include "platform/system/ascii_case.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/object_painters.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace {

std::string_view prefixOf(const BoardObject& part)
{
    const std::string_view label = part.text() ? part.text() : "";
    return label.substr(0, label.find(':'));
}

bool unnumbered(const BoardObject& part)
{
    const std::string_view prefix = prefixOf(part);
    return prefix.empty() || prefix.back() == '?' || part.w[7] <= 0;
}

}  // namespace

std::string PartDesignator(int index)
{
    const BoardObject& part = g_board.objects[index];
    std::string designator = plat::upperCaseAscii(prefixOf(part)) + std::to_string(part.w[7]);
    PartSection range;
    if (PartSectionRange(part, range) && range.sections > 1)
        designator += static_cast<char>('a' + std::clamp(range.section, 1, 26) - 1);
    return designator;
}

void CheckReferences(std::vector<DrcFinding>& findings)
{
    std::unordered_set<std::string> seen;
    const int last = g_board.objects == nullptr ? 0 : std::min(g_board.count, g_board.capacity - 1);
    for (int i = 1; i <= last; ++i) {
        const BoardObject& o = g_board.objects[i];
        if (!o.isPart())
            continue;
        if (unnumbered(o) || !seen.insert(PartDesignator(i)).second)
            findings.push_back(FindingAround(DrcRule::kReference, GetObjectExtent(i, kExtentPlain), i));
    }
}
