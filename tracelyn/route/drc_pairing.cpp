#include "tracelyn/route/drc_pairing.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

void fill(ExtentIndex& index, const ShapeSet& set)
{
    const std::vector<ShapePiece>& pieces = set.pieces();
    index.refresh(
        static_cast<int>(pieces.size()), [](int slot) { return static_cast<uint64_t>(slot); },
        [&](int slot) { return SlotExtent::inside(pieces[static_cast<size_t>(slot - 1)].box); });
}

bool visitPairs(const ShapeSet& from, const ShapeSet& into, bool sameSet, int32_t reach, DrcWork& work,
                const NearPairVisit& visit)
{
    work.beginPhase(static_cast<int>(from.pieces().size()));
    ExtentIndex index;
    fill(index, into);
    std::vector<int> slots;
    const std::vector<ShapePiece>& pieces = from.pieces();
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (!work.advance())
            return false;
        slots.clear();
        index.query(GrownBox(pieces[i].box, reach), slots);
        for (const int slot : slots) {
            const int j = slot - 1;
            if (!sameSet || j > static_cast<int>(i))
                visit(static_cast<int>(i), j);
        }
    }
    return true;
}

}  // namespace

ExtentBox GrownBox(const ExtentBox& box, int64_t reach)
{
    const auto clamp = [](int64_t v) {
        return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
    };
    return {clamp(box.left - reach), clamp(box.top - reach), clamp(box.right + reach), clamp(box.bottom + reach)};
}

double BoxGap(const ExtentBox& a, const ExtentBox& b)
{
    const double dx = std::max({0.0, double(a.left) - b.right, double(b.left) - a.right});
    const double dy = std::max({0.0, double(a.top) - b.bottom, double(b.top) - a.bottom});
    return std::hypot(dx, dy);
}

bool ForEachNearPair(const ShapeSet& set, int32_t reach, DrcWork& work, const NearPairVisit& visit)
{
    return visitPairs(set, set, true, reach, work, visit);
}

bool ForEachNearPair(const ShapeSet& from, const ShapeSet& into, int32_t reach, DrcWork& work,
                     const NearPairVisit& visit)
{
    // The larger set is filed and the smaller one asks: fewer questions of a fuller index.
    if (from.pieces().size() > into.pieces().size())
        return visitPairs(into, from, false, reach, work, [&](int i, int j) { visit(j, i); });
    return visitPairs(from, into, false, reach, work, visit);
}
