// Floating copper: islands of fill rectangles that touch no other rectangle of the pour.
#include "tracelyn/route/flood_fill.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

constexpr int64_t kIslandMinArea = 100;
constexpr int64_t kIslandMaxArea = 100000;
constexpr int kIslandMaxMembers = 100;
constexpr int32_t kLoneRectangleKeptWidth = 1001;
constexpr double kFineGridMils = 3.0;

struct Box {
    int64_t x1, y1, x2, y2;
};

Box boxOf(const BoardObject& o)
{
    const int64_t x = o.w[0], y = o.w[1], w = o.w[2], h = o.w[3];
    return {std::min(x, x + w), std::min(y, y + h), std::max(x, x + w), std::max(y, y + h)};
}

// Copper joins when the boxes share more than a corner: they overlap (or abut) in y and
// overlap by some length in x, or the other way round.
bool touching(const Box& a, const Box& b)
{
    const bool yMeet = a.y1 <= b.y2 && b.y1 <= a.y2;
    const bool xMeet = a.x1 <= b.x2 && b.x1 <= a.x2;
    const bool xOverlap = a.x1 < b.x2 && b.x1 < a.x2;
    const bool yOverlap = a.y1 < b.y2 && b.y1 < a.y2;
    return (yMeet && xOverlap) || (xMeet && yOverlap);
}

int findRoot(std::vector<int>& parent, int k)
{
    while (parent[static_cast<size_t>(k)] != k) {
        parent[static_cast<size_t>(k)] = parent[static_cast<size_t>(parent[static_cast<size_t>(k)])];
        k = parent[static_cast<size_t>(k)];
    }
    return k;
}

}  // namespace

std::vector<int> FindFloatingCopper(std::span<BoardObject> records, int layer, double fillGridMils)
{
    std::vector<int> members;   // indices into records of the rectangles to group
    for (size_t k = 0; k < records.size(); ++k) {
        const BoardObject& o = records[k];
        const int l = o.layer();
        if (o.kind() == kKindRectangle && o.w[8] != kFillGroupedMark &&
            (l == layer || l == kLayerAll || layer == kLayerAll))
            members.push_back(static_cast<int>(k));
    }
    std::vector<Box> boxes;
    boxes.reserve(members.size());
    for (const int k : members)
        boxes.push_back(boxOf(records[static_cast<size_t>(k)]));

    // Sweep from the top: each box is compared with the boxes still open above it.
    std::vector<int> order(members.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return boxes[size_t(a)].y1 < boxes[size_t(b)].y1; });
    std::vector<int> parent(members.size());
    std::iota(parent.begin(), parent.end(), 0);
    std::vector<int> open;
    for (const int a : order) {
        const Box& box = boxes[static_cast<size_t>(a)];
        std::erase_if(open, [&](int b) { return boxes[static_cast<size_t>(b)].y2 < box.y1; });
        for (const int b : open) {
            if (touching(box, boxes[static_cast<size_t>(b)]))
                parent[static_cast<size_t>(findRoot(parent, a))] = findRoot(parent, b);
        }
        open.push_back(a);
    }

    struct Group {
        int64_t area = 0;
        int count = 0;
        int64_t width = 0;
    };
    std::vector<Group> groups(members.size());
    for (size_t m = 0; m < members.size(); ++m) {
        Group& g = groups[static_cast<size_t>(findRoot(parent, static_cast<int>(m)))];
        const Box& b = boxes[m];
        g.area += (b.x2 - b.x1) * (b.y2 - b.y1);
        g.width = b.x2 - b.x1;
        ++g.count;
        records[static_cast<size_t>(members[m])].w[8] = kFillGroupedMark;
    }
    std::vector<int> islands;
    for (size_t m = 0; m < members.size(); ++m) {
        const Group& g = groups[static_cast<size_t>(findRoot(parent, static_cast<int>(m)))];
        const bool small = g.area > kIslandMinArea && g.area < kIslandMaxArea && g.count < kIslandMaxMembers;
        const bool keptLone = g.count == 1 && g.width >= kLoneRectangleKeptWidth && fillGridMils > kFineGridMils;
        if (small && !keptLone)
            islands.push_back(members[m]);
    }
    return islands;
}
