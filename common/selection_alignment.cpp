#include "common/selection_alignment.h"

#include <cmath>
#include <cstdint>

namespace {

int truncated(double value)
{
    if (!(value > INT32_MIN) || !(value < INT32_MAX))
        return value > 0 ? INT32_MAX : (value < 0 ? INT32_MIN : 0);
    return static_cast<int>(value);
}

// Box coordinates are corner plus size: the centre is (2 × corner + size) ÷ 2.
int boxMiddle(int corner, int size) { return truncated((2.0 * corner + size) / 2.0); }
int half(int a, int b) { return truncated((static_cast<double>(a) + b) / 2.0); }
int difference(long long a, long long b) { return truncated(static_cast<double>(a - b)); }

}  // namespace

plat::Point ProjectPointOnLine(int ax, int ay, int bx, int by, int px, int py)
{
    const double ap = std::hypot(static_cast<double>(px) - ax, static_cast<double>(py) - ay);
    const double bp = std::hypot(static_cast<double>(px) - bx, static_cast<double>(py) - by);
    const double ab = std::hypot(static_cast<double>(bx) - ax, static_cast<double>(by) - ay);
    double t = 0;
    if (ab > 0)
        t = (ab * ab + ap * ap - bp * bp) / (2 * ab);
    // The angle is measured from the y axis: sine gives x, cosine gives y.
    const double theta = std::atan2(static_cast<double>(bx) - ax, static_cast<double>(by) - ay);
    return {truncated(std::sin(theta) * t + ax), truncated(std::cos(theta) * t + ay)};
}

std::optional<plat::Point> AlignWithEdgeOffset(const AlignReference& ref, int edgeCode, plat::Point anchor,
                                               bool lineBothAxes)
{
    // The edge code tells which side of a box was hit; a line has no sides, so a code left
    // behind by an earlier box hit must not steer it.
    if (ref.shape == AlignShape::Line) {
        plat::Point move;
        if (ref.ya == ref.yb)
            move.x = difference(half(ref.xa, ref.xb), anchor.x);
        if (lineBothAxes && ref.xa == ref.xb)
            move.y = difference(half(ref.ya, ref.yb), anchor.y);
        return move;
    }
    if (ref.shape != AlignShape::Box)
        return std::nullopt;
    if (edgeCode == 1 || edgeCode == 2)
        return plat::Point{0, difference(boxMiddle(ref.ya, ref.yb), anchor.y)};
    if (edgeCode == 3 || edgeCode == 4)
        return plat::Point{difference(boxMiddle(ref.xa, ref.xb), anchor.x), 0};
    return plat::Point{0, 0};
}

std::optional<plat::Point> AlignToCenterOffset(const AlignReference& ref, plat::Point anchor)
{
    if (ref.shape == AlignShape::Box)
        return plat::Point{difference(boxMiddle(ref.xa, ref.xb), anchor.x),
                           difference(boxMiddle(ref.ya, ref.yb), anchor.y)};
    if (ref.shape == AlignShape::Ellipse)
        return plat::Point{difference(ref.xa, anchor.x), difference(ref.ya, anchor.y)};
    return std::nullopt;
}

plat::Point SelectionAnchor(std::span<const AnchorItem> items)
{
    if (items.size() == 1)
        return items[0].counts ? items[0].single : plat::Point{};
    if (items.empty())
        return {};
    long long sx = 0, sy = 0;
    for (const AnchorItem& item : items) {
        if (!item.counts)
            continue;
        sx += item.summed.x;
        sy += item.summed.y;
    }
    const auto n = static_cast<long long>(items.size());
    return {truncated(static_cast<double>(sx / n)), truncated(static_cast<double>(sy / n))};
}
