#include "tracelyn/core/placed_pads.h"

#include "tracelyn/core/object_painters.h"
#include "tracelyn/core/package_geometry.h"
#include "tracelyn/core/package_tables.h"

#include <algorithm>
#include <optional>

namespace {

struct PadSection {
    int sections = 1, count = 0, first = 0;
};

// The package section of the part's pads; nullopt when the part names no loaded package or
// its section cannot be found.
std::optional<PadSection> padSection(const BoardObject& part)
{
    if (part.kind() <= kKindPart)
        return std::nullopt;
    const int package = part.package();
    if (package < 1 || package > std::min(g_packages.count, kMaxPackages))
        return std::nullopt;
    const bool noSections = part.w[5] == -1;
    PadSection s;
    int value = 0;
    FindPartPin(package, s.sections, s.count, s.first, noSections ? 0 : (part.w[5] >> 3) & 3, value);
    if (s.count < 1 || s.count > kMaxSectionObjects)
        return std::nullopt;
    return s;
}

}  // namespace

bool PlacedPartReadable(const BoardObject& part)
{
    return padSection(part).has_value();
}

void ForEachPlacedPad(const BoardObject& part, const std::function<bool(const PlacedPad&)>& visit)
{
    const std::optional<PadSection> section = padSection(part);
    if (!section)
        return;
    const bool noSections = part.w[5] == -1;
    int sections = section->sections, count = section->count, first = section->first;
    sections = std::max(sections, 1);
    const int variant = noSections ? 0 : std::min(part.w[5] & 7, sections - 1);
    count /= sections;
    first += variant * count;
    const int rotation = part.w[6] & 0xFFF;
    const int mirror = (part.w[6] >> 12) & 1;
    const bool quarterTurn = rotation == 900 || rotation == 2700;
    const CurrentPart saved = g_partPosition;
    g_partPosition = {part.w[0], part.w[1]};
    const int last = std::min(first + count - 1, kPackageStoreSize - 1);
    for (int i = std::max(first, 1); i <= last; ++i) {
        const BoardObject& pad = g_packages.objects[static_cast<size_t>(i)];
        if (pad.kind() != kKindPad)
            continue;
        PlacedPad placed;
        placed.pad = &pad;
        TransformPoint(pad.w[0], pad.w[1], placed.x, placed.y, rotation, mirror, true);
        placed.xSize = quarterTurn ? pad.w[3] : pad.w[2];
        placed.ySize = quarterTurn ? pad.w[2] : pad.w[3];
        if (!visit(placed))
            break;
    }
    g_partPosition = saved;
}

bool IsThroughHolePad(const BoardObject& pad)
{
    const int shape = pad.w[5] & 15;
    return pad.w[6] >= 1 && (shape == kPadRound || shape == kPadOblong || shape == kPadRectHole);
}
