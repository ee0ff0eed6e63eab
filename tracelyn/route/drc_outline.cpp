#include "tracelyn/route/drc_outline.h"

#include "tracelyn/core/board_state.h"
#include "tracelyn/core/object_extent.h"
#include "tracelyn/core/outline_editing.h"
#include "tracelyn/route/drc_clearance.h"
#include "tracelyn/route/drc_pairing.h"
#include "tracelyn/route/fill_grid.h"

#include <algorithm>
#include <set>

namespace {

void addSegment(ShapeSet& edges, const int32_t* s)
{
    const double x1 = s[0], y1 = s[1], x2 = s[2], y2 = s[3];
    const bool arc = (s[4] == kSegmentArc || s[4] == kSegmentArcReversed) && x1 != x2 && y1 != y2;
    if (!arc) {
        edges.addStroke(x1, y1, x2, y2, 0, 0);
        return;
    }
    // An arc turns about the corner (x2, y1); one drawn the other way about (x1, y2).
    const double cx = s[4] == kSegmentArc ? x2 : x1, cy = s[4] == kSegmentArc ? y1 : y2;
    double slack = 0;
    const std::vector<double> p = ArcPointsBetween(cx, cy, x1, y1, x2, y2, slack);
    for (size_t k = 0; k + 3 < p.size(); k += 2)
        edges.addStroke(p[k], p[k + 1], p[k + 2], p[k + 3], 0, 0);
}

// Collects, by owner (the object, or the part a pad or drawing belongs to), everything with a
// piece beyond the outline or across it.
class Beyond {
public:
    explicit Beyond(const OutlineRegion& region) : region_(region) {}

    bool add(const ShapeSet& shapes, const std::vector<int>& owners, DrcWork& work)
    {
        std::vector<bool> crossing(shapes.pieces().size(), false);
        const bool done = ForEachNearPair(shapes, region_.edges(), 0, work, [&](int i, int j) {
            if (!crossing[static_cast<size_t>(i)]
                && PieceGap(shapes, shapes.pieces()[static_cast<size_t>(i)], region_.edges(),
                            region_.edges().pieces()[static_cast<size_t>(j)]).distance <= kTouchGap)
                crossing[static_cast<size_t>(i)] = true;
        });
        if (!done)
            return false;
        const ExtentBox& inside = region_.box();
        for (size_t i = 0; i < shapes.pieces().size(); ++i) {
            const ShapePiece& p = shapes.pieces()[i];
            const int owner = owners[static_cast<size_t>(p.source)];
            if (owner <= 0 || owners_.contains(owner))
                continue;
            const bool within = p.box.left >= inside.left && p.box.right <= inside.right && p.box.top >= inside.top
                                && p.box.bottom <= inside.bottom;
            const ShapePoint at = shapes.core(p)[0];
            if (crossing[i] || !within || !region_.holds(at.x, at.y))
                owners_.insert(owner);
        }
        return true;
    }

    void report(std::vector<DrcFinding>& findings) const
    {
        for (const int owner : owners_)
            findings.push_back(FindingAround(DrcRule::kOutside, GetObjectExtent(owner, kExtentPlain), owner));
    }

private:
    const OutlineRegion& region_;
    std::set<int> owners_;
};

// The owner of each silk source: the part whose drawing it is; 0 for the board's own silk and
// for labels, which the rule leaves alone.
std::vector<int> silkOwners(const BoardSilk& silk)
{
    std::vector<int> owners(static_cast<size_t>(silk.ids.size()), 0);
    for (int id = 0; id < silk.ids.size(); ++id) {
        const ArtworkSource& from = silk.ids.source(id);
        if (from.record > 0 && g_board.objects[from.object].isPart())
            owners[static_cast<size_t>(id)] = from.object;
    }
    return owners;
}

}  // namespace

bool OutlineRegion::load()
{
    edges_.clear();
    bands_.assign(kBands, {});
    const BoardObject* outline = EditableOutline();
    if (outline == nullptr)
        return false;
    for (int s = 0; s < outline->w[2]; ++s)
        addSegment(edges_, outline->points() + s * kSegmentWords);
    const std::vector<ShapePiece>& pieces = edges_.pieces();
    if (pieces.size() < 2)
        return false;
    box_ = pieces[0].box;
    for (const ShapePiece& p : pieces)
        box_ = {std::min(box_.left, p.box.left), std::min(box_.top, p.box.top), std::max(box_.right, p.box.right),
                std::max(box_.bottom, p.box.bottom)};
    if (box_.left == box_.right || box_.top == box_.bottom)
        return false;
    for (size_t e = 0; e < pieces.size(); ++e)
        for (int band = bandOf(pieces[e].box.top); band <= bandOf(pieces[e].box.bottom); ++band)
            bands_[static_cast<size_t>(band)].push_back(static_cast<int>(e));
    return true;
}

int OutlineRegion::bandOf(double y) const
{
    const double span = double(box_.bottom) - box_.top + 1;
    return std::clamp(static_cast<int>((y - box_.top) * kBands / span), 0, kBands - 1);
}

bool OutlineRegion::holds(double x, double y) const
{
    bool inside = false;
    for (const int e : bands_[static_cast<size_t>(bandOf(y))]) {
        const std::span<const ShapePoint> edge = edges_.core(edges_.pieces()[static_cast<size_t>(e)]);
        if (EdgeCrossesRay(edge[0], edge[1], x, y))
            inside = !inside;
    }
    return inside;
}

bool CheckOutline(const BoardCopper& copper, const BoardSilk& silk, DrcWork& work, std::vector<DrcFinding>& findings,
                  bool& noOutline)
{
    OutlineRegion region;
    noOutline = !region.load();
    if (noOutline)
        return true;
    Beyond beyond(region);
    std::vector<int> copperOwners;
    for (const CopperSource& s : copper.sources)
        copperOwners.push_back(s.object);
    for (const CopperLayer& layer : copper.layers)
        if (!beyond.add(layer.shapes, copperOwners, work))
            return false;
    const std::vector<int> owners = silkOwners(silk);
    if (!beyond.add(silk.top, owners, work) || !beyond.add(silk.bottom, owners, work))
        return false;
    beyond.report(findings);
    return true;
}
