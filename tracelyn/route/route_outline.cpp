#include "tracelyn/route/route_outline.h"

#include "tracelyn/core/board_object.h"
#include "tracelyn/core/board_state.h"
#include "tracelyn/route/copper_geometry.h"
#include "tracelyn/route/drc_outline.h"

#include <algorithm>
#include <cmath>
#include <list>

RouteOutline::RouteOutline()
{
    OutlineRegion region;
    if (!region.load())
        return;
    const ShapeSet& set = region.edges();
    for (const ShapePiece& piece : set.pieces()) {
        const std::span<const ShapePoint> core = set.core(piece);
        for (size_t k = 0; k + 1 < core.size(); ++k)
            edges_.push_back({core[k].x, core[k].y, core[k + 1].x, core[k + 1].y});
        if (core.size() == 1)
            edges_.push_back({core[0].x, core[0].y, core[0].x, core[0].y});
    }
    if (edges_.size() < 2)
        return;
    left_ = right_ = edges_[0].x1;
    top_ = bottom_ = edges_[0].y1;
    for (const Edge& e : edges_) {
        left_ = std::min({left_, e.x1, e.x2});
        right_ = std::max({right_, e.x1, e.x2});
        top_ = std::min({top_, e.y1, e.y2});
        bottom_ = std::max({bottom_, e.y1, e.y2});
    }
    present_ = right_ > left_ && bottom_ > top_;
}

bool RouteOutline::allows(double x, double y, double keep) const
{
    if (!present_)
        return true;
    if (x - keep < left_ || x + keep > right_ || y - keep < top_ || y + keep > bottom_)
        return false;
    // Inside by the even-odd rule, and clear of every edge.
    bool inside = false;
    for (const Edge& e : edges_) {
        if ((e.y1 > y) != (e.y2 > y) && x < (e.x2 - e.x1) * (y - e.y1) / (e.y2 - e.y1) + e.x1)
            inside = !inside;
        if (SegmentDistance(x, y, e.x1, e.y1, e.x2, e.y2) < keep)
            return false;
    }
    return inside;
}

bool RouteOutline::allowsRun(double x1, double y1, double x2, double y2, double keep) const
{
    if (!present_)
        return true;
    if (!allows(x1, y1, keep) || !allows(x2, y2, keep))
        return false;
    // Neither end is near the edge; the run may still pass a corner of it.
    for (const Edge& e : edges_)
        if (SegmentDistance(e.x1, e.y1, x1, y1, x2, y2) < keep || SegmentsDistance(x1, y1, x2, y2, e.x1, e.y1, e.x2, e.y2) < keep)
            return false;
    return true;
}

namespace {

struct BeyondKey {
    std::vector<int32_t> outline;
    int32_t originX, originY, pitch, lastI, lastJ, keep;
    bool operator==(const BeyondKey&) const = default;
};

BeyondKey keyOf(int32_t originX, int32_t originY, int32_t pitch, int lastI, int lastJ, int32_t keep)
{
    BeyondKey key{{}, originX, originY, pitch, lastI, lastJ, keep};
    const BoardObject& o = g_board.objects[1];
    if (o.kind() == kKindOutline && o.points() != nullptr && o.w[2] > 0 && o.w[2] <= kMaxOutlineSegments)
        key.outline.assign(o.points(), o.points() + o.w[2] * kSegmentWords);
    return key;
}

std::vector<GridRun> computeBeyond(const BeyondKey& key)
{
    std::vector<GridRun> runs;
    const RouteOutline outline;
    if (!outline.present())
        return runs;
    // The corners of the edge: a run between two open centres may pass one nearer than either.
    std::vector<std::pair<double, double>> corners;
    const BoardObject& o = g_board.objects[1];
    for (int s = 0; s < o.w[2]; ++s)
        corners.emplace_back(o.points()[s * kSegmentWords], o.points()[s * kSegmentWords + 1]);
    const double cornerKeep = key.keep + key.pitch / 2.0;
    for (int i = 0; i <= key.lastI; ++i) {
        const double x = key.originX + double(i) * key.pitch;
        int runStart = -1;
        for (int j = 0; j <= key.lastJ + 1; ++j) {
            bool blocked = false;
            if (j <= key.lastJ) {
                const double y = key.originY + double(j) * key.pitch;
                blocked = !outline.allows(x, y, key.keep);
                for (size_t c = 0; c < corners.size() && !blocked; ++c)
                    blocked = std::hypot(x - corners[c].first, y - corners[c].second) < cornerKeep;
            }
            if (blocked && runStart < 0)
                runStart = j;
            if (!blocked && runStart >= 0) {
                runs.push_back({i, runStart, j - 1});
                runStart = -1;
            }
        }
    }
    return runs;
}

}  // namespace

const std::vector<GridRun>& CellsBeyondOutline(int32_t originX, int32_t originY, int32_t pitch, int lastI, int lastJ,
                                               int32_t keep)
{
    // A batch run asks again and again for the same few grids (one and two layers).
    static std::list<std::pair<BeyondKey, std::vector<GridRun>>> cache;
    static const std::vector<GridRun> none;
    if (g_board.objects == nullptr || g_board.count < 1 || pitch <= 0)
        return none;
    BeyondKey key = keyOf(originX, originY, pitch, lastI, lastJ, keep);
    for (auto at = cache.begin(); at != cache.end(); ++at) {
        if (at->first == key) {
            cache.splice(cache.begin(), cache, at);
            return cache.front().second;
        }
    }
    std::vector<GridRun> runs = computeBeyond(key);
    cache.emplace_front(std::move(key), std::move(runs));
    if (cache.size() > 4)
        cache.pop_back();
    return cache.front().second;
}
